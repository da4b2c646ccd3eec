#pragma once
// The media player's player interface: the state of play read from the player,
// and the transport calls turned into the player's own commands. A call the
// player cannot take now (Pause while stopped, Seek with nothing open) does
// nothing, as the interface asks.

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

namespace mpris {

class MprisService;

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

public:
    // Becomes a child of service, which carries it on the bus.
    explicit MprisPlayerAdaptor(MprisService& service);

    QString PlaybackStatus() const;
    // Songs play at their own speed only.
    double Rate() const { return 1.0; }
    void SetRate(double) {}
    QVariantMap Metadata() const;
    double Volume() const;
    void SetVolume(double volume);
    // Microseconds into the open song.
    qlonglong Position() const;
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanPause() const;
    bool CanSeek() const;
    bool CanControl() const { return true; }

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    // Microseconds from the current position; negative goes back.
    void Seek(qlonglong offset);
    // To position microseconds when trackId is still the current song.
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    // A file URI of an album or a song.
    void OpenUri(const QString& uri);

signals:
    // The open song plays on from position microseconds after a seek.
    void Seeked(qlonglong position);

private:
    MprisService& service_;
};

}  // namespace mpris
