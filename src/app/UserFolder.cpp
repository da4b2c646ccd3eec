#include "app/UserFolder.h"

#include "album/AlbumFile.h"
#include "album/PathUtils.h"
#include "platform/paths/DriveFile.h"
#include "platform/paths/PathNamespace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace app {

namespace {

constexpr const char* kDefaultAlbum = "\\default.alb";

}  // namespace

QString SettingsDirectory(const QString& programDirectory)
{
    if (::access(QFile::encodeName(programDirectory).constData(), W_OK) == 0)
        return programDirectory;
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/vantor");
    if (config.startsWith(QLatin1Char('/')) && QDir().mkpath(config))
        return config;
    return programDirectory;
}

void SeedDefaultAlbum(const std::string& programDir, const std::string& settingsDir)
{
    if (programDir == settingsDir || platform::DrivePathExists(settingsDir + kDefaultAlbum))
        return;
    const std::string source = programDir + kDefaultAlbum;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::OpenDriveFile(source.c_str(), "rb"),
                                                                &std::fclose);
    if (!file)
        return;
    AlbumReader reader(file.get());
    int index = -1;
    if (!reader.ReadIndex(index))
        return;
    AlbumWriter writer;
    writer.WriteIndex(index);
    for (std::string song; reader.NextSong(song);)
        writer.WriteSong(ResolveRelativePath(song.c_str(), programDir.c_str()));
    // A copy that cannot be written leaves the default album empty, as on any first start.
    writer.Commit(settingsDir + kDefaultAlbum);
}

}  // namespace app
