#pragma once
// Says once, for the status bar, that MIDI songs cannot play because no
// SoundFont could be loaded. The songs themselves fail to open with the
// device's own error; this is the reason behind it.

#include <QObject>
#include <QString>

#include <atomic>

namespace platform {

class SoundFontNotice : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kText = "No SoundFont found: MIDI songs cannot play";

    static SoundFontNotice& instance();

    // Emits missing() on the window thread the first time it is called.
    void reportMissing();
    bool reported() const { return reported_; }

signals:
    void missing(const QString& text);

private:
    SoundFontNotice() = default;
    std::atomic<bool> reported_{false};
};

}  // namespace platform
