#pragma once
// The media player's root interface: who the program is, what it opens, and
// the window brought forward or the program ended as Exit ends it.

#include <QDBusAbstractAdaptor>
#include <QString>
#include <QStringList>

namespace mpris {

class MprisService;

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

public:
    // Becomes a child of service, which carries it on the bus.
    explicit MprisRootAdaptor(MprisService& service);

    QString Identity() const;
    QString DesktopEntry() const;
    bool CanRaise() const { return true; }
    bool CanQuit() const { return true; }
    bool HasTrackList() const { return false; }
    QStringList SupportedUriSchemes() const;
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    MprisService& service_;
};

}  // namespace mpris
