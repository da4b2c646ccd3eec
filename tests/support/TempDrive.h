#pragma once
// A temporary directory mapped to a drive letter for the life of a test. The drive
// table and the current directory are put back as they were when it goes, and
// the directory is removed.
//
//   TempDrive drive;                          // t: -> a fresh directory
//   drive.writeFile("Music/My Song.mid", "MThd");
//   platform::ToLinuxPath("t:\\music\\mysong~1.mid");

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>

#include "platform/paths/DriveTable.h"

class TempDrive {
public:
    explicit TempDrive(char letter = 't');
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    char letter() const { return letter_; }
    // "t:\" followed by relative (a drive path with backslashes).
    std::string path(const std::string& relative = {}) const;
    // The Linux directory, and a Linux path inside it (relative uses '/').
    QString linuxRoot() const { return dir_.path(); }
    QString linuxPath(const QString& relative) const;

    // Creates a file (and its missing directories) under the drive; returns its Linux path.
    QString writeFile(const QString& relative, const QByteArray& contents = {}) const;
    // Creates a directory (and its parents) under the drive; returns its Linux path.
    QString makeDir(const QString& relative) const;
    // The contents of a file under the drive, empty when it cannot be read.
    QByteArray readFile(const QString& relative) const;

private:
    char letter_;
    QTemporaryDir dir_;
    platform::DriveTable::Snapshot saved_;
};
