// The application's parts tested inside the test program: its paths, the
// application link of the routing chain, the song line, the upgrade rule and
// dialog, the dismissal of modal windows and the activation of the main window.
#include "app/ModalDismissal.h"
#include "app/SongLog.h"
#include "app/TApp.h"
#include "app/TAppCommands.h"
#include "app/UpgradeInfo.h"
#include "app/WindowActivation.h"
#include "controls/dialog/TMDialog.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SynthHost.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/MessageBox.h"
#include "resources/dialogs/InfoDialogs.h"
#include "support/TempDrive.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(AppPaths, ProgramDirIsTheDrivePathOfTheExecutablesDirectory)
{
    TempDrive drive('p');
    drive.makeDir("Apps/Vantor");
    app::TApp application(drive.linuxPath("Apps/Vantor"));
    ASSERT_TRUE(application.HasPaths());
    EXPECT_EQ(application.ProgramDir, "p:\\apps\\vantor");
    EXPECT_EQ(application.SettingsPath, "p:\\apps\\vantor\\Vantor.ini");
}

TEST(AppPaths, LongNamesAreShortAliasesThatLeadBack)
{
    TempDrive drive('p');
    const QString dir = drive.makeDir("Program Files/My Vantor");
    app::TApp application(dir);
    ASSERT_TRUE(application.HasPaths());
    EXPECT_EQ(application.ProgramDir.find(' '), std::string::npos);
    EXPECT_EQ(platform::ToLinuxPath(application.ProgramDir), dir.toStdString());
}

TEST(AppPaths, DriveRootHasNoTrailingBackslash)
{
    TempDrive drive('q');
    app::TApp application(drive.linuxRoot());
    ASSERT_TRUE(application.HasPaths());
    EXPECT_EQ(application.ProgramDir, "q:");
    EXPECT_EQ(application.SettingsPath, "q:\\Vantor.ini");
}

TEST(AppPaths, ADirectoryThatIsGoneHasNoPaths)
{
    TempDrive drive('p');
    app::TApp application(drive.linuxPath("missing/deeper"));
    EXPECT_FALSE(application.HasPaths());
    EXPECT_TRUE(application.SettingsPath.empty());
}

TEST(AppPaths, DrivesOfTheSettingsFileAreMappedBeforeAnyWindow)
{
    TempDrive drive('p');
    const QString music = drive.makeDir("music");
    drive.writeFile("Vantor.ini", QStringLiteral("[Drives]\r\nm=%1\r\n").arg(music).toUtf8());
    app::TApp application(drive.linuxRoot());
    application.LoadDrives();
    EXPECT_EQ(platform::ToLinuxPath("m:\\"), music.toStdString());
}

TEST(AppServices, TheSynthesizerStartsWithTheSettingsFilesSoundFont)
{
    const QString installed = QString::fromStdString(platform::SynthHost::findSoundFont());
    QFile source(installed);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << "no General MIDI SoundFont installed";
    platform::SoundOutput::instance().forceNullOutput(true);
    TempDrive drive('p');
    const QString chosen = drive.writeFile("Sounds/Chosen Font.sf2", source.readAll());
    const QString chosenDrivePath = QString::fromStdString(*platform::FromLinuxPath(chosen.toStdString()));
    const std::pair<QString, QString> storedAndLoaded[] = {
        {chosen, chosen}, {chosenDrivePath, chosen}, {drive.writeFile("Sounds/broken.sf2", "RIFF"), installed}};
    for (const auto& [stored, loaded] : storedAndLoaded) {
        SCOPED_TRACE(stored.toStdString());
        drive.writeFile("Vantor.ini", ("[Synth]\r\nSoundFont=" + stored + "\r\n").toUtf8());
        app::TApp(drive.linuxRoot()).PrepareServices();  // the application object waits for the start as it goes
        // A synthesizer started before (an earlier row) takes it with the next song.
        EXPECT_TRUE(platform::SynthHost::instance().startSong());
        EXPECT_EQ(platform::SynthHost::instance().soundFontPath(), loaded.toStdString());
    }
    platform::SynthHost::instance().setChosenSoundFont("");
}

TEST(AppCommands, AnswersTheSubMenusAsEnabledAndHandlesNothing)
{
    struct Case {
        int id;
        bool answered;
    };
    const Case cases[] = {{7752, true},  {8200, true},  {7761, true}, {7862, true},
                          {7829, true},  {17929, true}, {7753, false}, {7722, false},
                          {24310, false}, {7868, false}, {0, false}};
    app::TAppCommands commands;
    for (const Case& c : cases) {
        bool enabled = false;
        EXPECT_EQ(app::TAppCommands::QueryEnable(c.id, enabled), c.answered) << c.id;
        EXPECT_EQ(enabled, c.answered) << c.id;
        EXPECT_FALSE(commands.HandleCommand(c.id)) << c.id;
    }
}

TEST(SongLog, NumberPathAndLength)
{
    EXPECT_EQ(app::SongLogLine(1, "c:\\music\\minuet.mid", 92), "song 001: c:\\music\\minuet.mid (01:32)");
    EXPECT_EQ(app::SongLogLine(123, "z:\\a.wav", 0), "song 123: z:\\a.wav (00:00)");
    EXPECT_EQ(app::SongLogLine(1000, "z:\\b.avi", 6000), "song 1000: z:\\b.avi (100:00)");
    // A song shown by its long name: that name first, the path in brackets.
    EXPECT_EQ(app::SongLogLine(1, "c:\\mysong~7\\_l_gie~5.mid", 61, "\u00c9l\u00e9gie.mid"),
              "song 001: \u00c9l\u00e9gie.mid [c:\\mysong~7\\_l_gie~5.mid] (01:01)");
}

TEST(UpgradeInfo, ShownForVersionsSortingBeforeThisOne)
{
    struct Case {
        const char* version;
        bool due;
    };
    const Case cases[] = {{"1.2", true}, {"5.6", true}, {"", true},   {"5.7", false},
                          {"5.8", false}, {"6.0", false}, {"9", false}};
    for (const Case& c : cases)
        EXPECT_EQ(app::UpgradeInfoDue(QString::fromLatin1(c.version)), c.due) << c.version;
}

TEST(UpgradeInfo, VersionReadFromTheSettingsFile)
{
    TempDrive drive('p');
    EXPECT_EQ(app::StoredVersion(drive.path("Vantor.ini")), QStringLiteral("1.2"));
    drive.writeFile("Vantor.ini", "[General]\r\nVersion=5.7\r\n");
    EXPECT_EQ(app::StoredVersion(drive.path("Vantor.ini")), QStringLiteral("5.7"));
    drive.writeFile("Vantor.ini", "[General]\r\nVersion=0123456789abc\r\n");
    EXPECT_EQ(app::StoredVersion(drive.path("Vantor.ini")), QStringLiteral("012345678"));
}

// Accepts the dialog that becomes modal, remembering what it showed.
struct DialogWatcher {
    QString caption;
    bool sawWelcome = false;

    void acceptSoon()
    {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                acceptSoon();
                return;
            }
            caption = dialog->windowTitle();
            for (QLabel* label : dialog->findChildren<QLabel*>())
                sawWelcome = sawWelcome || label->text() == QStringLiteral("Welcome to version 5.7.");
            if (auto* ok = dialog->findChild<QPushButton*>())
                ok->click();
            else
                dialog->accept();
        });
    }
};

TEST(UpgradeInfo, DialogShownOnlyWhenDue)
{
    struct Case {
        const char* settings;  // null: no settings file
        bool shown;
    };
    const Case cases[] = {{nullptr, true},
                          {"[General]\r\nVersion=1.2\r\n", true},
                          {"[General]\r\nVersion=5.7\r\n", false},
                          {"[General]\r\nVersion=6.0\r\n", false}};
    for (const Case& c : cases) {
        TempDrive drive('p');
        if (c.settings)
            drive.writeFile("Vantor.ini", c.settings);
        QWidget owner;
        DialogWatcher watcher;
        if (c.shown)
            watcher.acceptSoon();
        EXPECT_EQ(app::ShowUpgradeInfoIfDue(&owner, drive.path("Vantor.ini")), c.shown);
        if (c.shown) {
            EXPECT_EQ(watcher.caption, QStringLiteral("The Vantor's Upgrade Information"));
            EXPECT_TRUE(watcher.sawWelcome);
        }
    }
}

TEST(ModalDismissal, MessageBoxAnswersCancelWhateverItsButtons)
{
    const std::uint32_t styles[] = {platform::MB_OK | platform::MB_ICONEXCLAMATION,
                                    platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2,
                                    platform::MB_YESNOCANCEL, platform::MB_OKCANCEL};
    for (std::uint32_t style : styles) {
        int dismissed = -1;
        QTimer::singleShot(0, [&] { dismissed = app::DismissModalWindows(); });
        EXPECT_EQ(platform::MessageBox(nullptr, QStringLiteral("Save?"), QStringLiteral("The Vantor"), style),
                  platform::IDCANCEL)
            << style;
        EXPECT_EQ(dismissed, 1);
    }
}

TEST(ModalDismissal, NestedDialogAndBoxAreAllDismissedTopmostFirst)
{
    TMDialog dialog(nullptr, resources::IDD_UPGRADE_INFO);
    int boxAnswer = 0;
    int dismissed = -1;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { dismissed = app::DismissModalWindows(); });
        boxAnswer = platform::MessageBox(&dialog, QStringLiteral("Really?"), QStringLiteral("The Vantor"),
                                         platform::MB_YESNO);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(boxAnswer, platform::IDCANCEL);
    EXPECT_EQ(dismissed, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ModalDismissal, OpenPopupMenuClosesWithoutAChoice)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Play"));
    int dismissed = -1;
    QTimer::singleShot(0, [&] { dismissed = app::DismissModalWindows(); });
    EXPECT_EQ(menu.exec(QPoint(10, 10)), nullptr);
    EXPECT_EQ(dismissed, 1);
}

TEST(ModalDismissal, NothingOpenNothingDismissed)
{
    EXPECT_EQ(app::DismissModalWindows(), 0);
}

TEST(WindowActivation, MinimizedMainWindowIsRestored)
{
    QWidget main;
    main.resize(200, 100);
    main.showMinimized();
    ASSERT_TRUE(main.isMinimized());
    app::BringForward(&main);
    EXPECT_FALSE(main.isMinimized());
    EXPECT_TRUE(main.isVisible());
}

TEST(WindowActivation, OpenDialogOfTheProgramComesForwardAboveTheMainWindow)
{
    QWidget main;
    main.resize(200, 100);
    main.show();
    QDialog dialog(&main);
    dialog.setModal(true);
    dialog.show();
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    app::BringForward(&main);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isActiveWindow());
}

}  // namespace
