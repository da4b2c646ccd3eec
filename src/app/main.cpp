#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/TApp.h"
#include "app/TerminationSignals.h"
#include "controls/menu/MenuCheckStyle.h"
#include "platform/ui/FontConfigWarmUp.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    const platform::FontConfigWarmUp fontConfig;
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(app::TApp::kName));
    QApplication::setStyle(new MenuCheckStyle);

    QStringList words = QCoreApplication::arguments();
    words.removeFirst();
    app::SingleInstance instance(app::SingleInstance::DefaultServerName());
    if (instance.ActivateRunning(words.value(0)))
        return 0;
    instance.Listen();

    app::TApp application(QCoreApplication::applicationDirPath());
    if (!application.HasPaths()) {
        std::fprintf(stderr, "Vantor: no drive holds the program's directory %s\n",
                     qPrintable(QCoreApplication::applicationDirPath()));
        return 1;
    }
    QObject::connect(&instance, &app::SingleInstance::activationRequested, &application, &app::TApp::BringToFront);
    QObject::connect(&instance, &app::SingleInstance::openRequested, &application, &app::TApp::OpenRequestedAlbum);
    app::TerminationSignals terminations;
    QObject::connect(&terminations, &app::TerminationSignals::requested, &application, &app::TApp::RequestClose);

    application.PrepareServices();
    app::TApp::AddFontFile();
    // After the services: the settings file's drives take part in naming the album.
    const int code = application.Run(app::StartupCommandLine(words));
    app::TApp::RemoveFontFile();
    return code;
}
