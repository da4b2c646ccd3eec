#include "support/TempDrive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempDrive::TempDrive(char letter) : letter_(letter), saved_(platform::DriveTable::instance().snapshot())
{
    if (!dir_.isValid() || !platform::DriveTable::instance().setDrive(letter, dir_.path().toStdString()))
        throw std::runtime_error("cannot make a temporary drive");
}

TempDrive::~TempDrive() { platform::DriveTable::instance().restore(saved_); }

std::string TempDrive::path(const std::string& relative) const
{
    return std::string(1, letter_) + ":\\" + relative;
}

QString TempDrive::linuxPath(const QString& relative) const { return dir_.filePath(relative); }

QString TempDrive::writeFile(const QString& relative, const QByteArray& contents) const
{
    const QString target = linuxPath(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        throw std::runtime_error("cannot write " + target.toStdString());
    return target;
}

QString TempDrive::makeDir(const QString& relative) const
{
    const QString target = linuxPath(relative);
    if (!QDir().mkpath(target))
        throw std::runtime_error("cannot make " + target.toStdString());
    return target;
}

QByteArray TempDrive::readFile(const QString& relative) const
{
    QFile file(linuxPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
