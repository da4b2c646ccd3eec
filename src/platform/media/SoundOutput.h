#pragma once
// Whether the devices reach a sound server. When none answers, the devices keep
// real time into nothing and this object says so once, for the status bar, rather
// than every song failing with an error.

#include <QObject>
#include <QString>

#include <atomic>

namespace platform {

class SoundOutput : public QObject {
    Q_OBJECT
public:
    static SoundOutput& instance();

    // Tests and benchmarks: never try a sound server, play into nothing silently.
    void forceNullOutput(bool on);
    bool nullOutputForced() const { return forcedNull_; }

    // Called by a device that found no sound server; emits missing() the first time.
    void reportMissing(const QString& detail);
    bool missingReported() const { return reported_; }
    QString missingDetail() const { return detail_; }

signals:
    void missing(const QString& detail);

private:
    SoundOutput() = default;
    bool forcedNull_ = false;
    std::atomic<bool> reported_{false};
    QString detail_;
};

}  // namespace platform
