// Which installed SoundFont the synthesizer takes, in fake SoundFont folders.

#include "platform/midi/SynthHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SoundFontSearch, BestNameInAnyFolderThenEarlierFolder)
{
    struct Case {
        std::vector<QString> files;  // "folder/name"; a leading '@' makes it a dangling link
        QString expected;            // empty: none
    };
    const Case cases[] = {
        {{"sf2/GeneralUser.sf2"}, ""},
        {{"sf2/TimGM6mb.sf2", "soundfonts/FluidR3_GM.sf3"}, "soundfonts/FluidR3_GM.sf3"},
        {{"sf2/TimGM6mb.sf3", "user-sf3/TimGM6mb.sf2"}, "user-sf3/TimGM6mb.sf2"},
        {{"soundfonts/FluidR3_GM.sf2", "sf3/FluidR3_GM.sf2"}, "sf3/FluidR3_GM.sf2"},
        {{"sf2/FluidR3_GM.sf2", "user-sf2/default-GM.sf3"}, "user-sf2/default-GM.sf3"},
        {{"@sf2/default-GM.sf2", "sf3/TimGM6mb.sf2"}, "sf3/TimGM6mb.sf2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        QTemporaryDir root;
        std::vector<std::string> folders;
        // The first folder is not there at all.
        for (const char* name : {"missing", "sf2", "sf3", "user-sf2", "user-sf3", "soundfonts"})
            folders.push_back(root.filePath(name).toStdString());
        for (const char* name : {"sf2", "sf3", "user-sf2", "user-sf3", "soundfonts"})
            ASSERT_TRUE(QDir(root.path()).mkpath(name));
        for (const QString& file : c.files) {
            if (file.startsWith('@'))
                ASSERT_TRUE(QFile::link(root.filePath("gone.sf2"), root.filePath(file.mid(1))));
            else
                ASSERT_TRUE(QFile(root.filePath(file)).open(QIODevice::WriteOnly));
        }
        const QString expected = c.expected.isEmpty() ? "" : root.filePath(c.expected);
        EXPECT_EQ(platform::SynthHost::findSoundFont(folders), expected.toStdString());
    }
}

}  // namespace
