// The help file reader, and the help file the program ships.

#include "platform/help/HelpFile.h"
#include "resources/menus/MenuTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using platform::help::HelpFile;
using platform::help::HelpTopic;

namespace {

const char* const kGoodFile =
    "VANTOR HELP 1\r\n"
    "%% a comment before the caption\r\n"
    "@file Test Help\r\n"
    "@topic contents\r\n"
    "@title Contents\r\n"
    "@keywords Album; overview\r\n"
    "\r\n"
    "<p>See <a href=\"albums\">albums</a> and <a HREF = \"keys\">keys</a>.</p>\r\n"
    "%% a comment inside a body is not part of it\r\n"
    "<p>More.</p>\r\n"
    "@topic albums\r\n"
    "@title Albums and their files\r\n"
    "@context 7886\r\n"
    "@keywords album; album file\r\n"
    "@keywords saving\r\n"
    "<p>Albums.</p>\r\n"
    "@topic keys\r\n"
    "@title Keys\r\n"
    "<p>Keys. <a href=\"contents\">Back to the contents</a></p>\r\n";

QString ParseError(const QByteArray& text)
{
    QString error;
    EXPECT_FALSE(HelpFile::Parse(text, &error).has_value()) << text.toStdString();
    return error;
}

QString ShippedPath()
{
    const char* dir = std::getenv("VANTOR_TEST_DATA");
    return QDir(dir ? QString::fromLocal8Bit(dir) : QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vantor.hlp"));
}

std::optional<HelpFile> LoadShipped()
{
    QString error;
    bool missing = false;
    std::optional<HelpFile> file = HelpFile::Load(ShippedPath(), &error, &missing);
    EXPECT_TRUE(file.has_value()) << ShippedPath().toStdString() << ": " << error.toStdString();
    return file;
}

// A menu label as the user reads it: no mnemonic ampersands, no blanks at the
// ends; the accelerator text after a TAB or backspace separately.
void CollectLabels(std::span<const resources::MenuItem> items, std::vector<QString>* out)
{
    for (const resources::MenuItem& item : items) {
        if (item.kind == resources::MenuItemKind::Separator)
            continue;
        QString label = QString::fromLatin1(item.label);
        label.remove(QLatin1Char('&'));
        const qsizetype accel = label.indexOf(QRegularExpression(QStringLiteral("[\\t\\b]")));
        if (accel >= 0) {
            out->push_back(label.mid(accel + 1).trimmed());
            label.truncate(accel);
        }
        if (!label.trimmed().isEmpty())
            out->push_back(label.trimmed());
        if (item.kind == resources::MenuItemKind::Popup)
            CollectLabels(item.items, out);
    }
}

}  // namespace

TEST(HelpFileTest, ReadsTopicsContextsKeywordsAndCaption)
{
    QString error;
    const std::optional<HelpFile> file = HelpFile::Parse(kGoodFile, &error);
    ASSERT_TRUE(file.has_value()) << error.toStdString();
    EXPECT_EQ(file->caption(), QStringLiteral("Test Help"));
    ASSERT_EQ(file->topics().size(), 3u);
    EXPECT_EQ(file->contents().title, QStringLiteral("Contents"));
    EXPECT_FALSE(file->contents().body.contains(QStringLiteral("comment")));
    EXPECT_TRUE(file->contents().body.startsWith(QStringLiteral("<p>See")));
    EXPECT_TRUE(file->contents().body.endsWith(QStringLiteral("<p>More.</p>")));
    ASSERT_NE(file->topicByContext(7886), nullptr);
    EXPECT_EQ(file->topicByContext(7886)->id, QStringLiteral("albums"));
    EXPECT_EQ(file->topicByContext(7887), nullptr);
    EXPECT_EQ(file->topic(QStringLiteral("nothing")), nullptr);

    // Keywords meet without regard to case, keep their first spelling, and list
    // their topics in file order.
    const auto& keywords = file->keywords();
    ASSERT_EQ(keywords.size(), 4u);
    EXPECT_EQ(keywords.at(QStringLiteral("album")).text, QStringLiteral("Album"));
    EXPECT_EQ(keywords.at(QStringLiteral("album")).topicIds, (QStringList{"contents", "albums"}));
    EXPECT_EQ(keywords.at(QStringLiteral("saving")).topicIds, (QStringList{"albums"}));
    EXPECT_EQ(keywords.begin()->first, QStringLiteral("album"));
    EXPECT_EQ(HelpFile::Links(file->contents().body), (QStringList{"albums", "keys"}));
}

TEST(HelpFileTest, RefusesDamagedFilesNamingTheFault)
{
    const QByteArray head = "VANTOR HELP 1\n@file T\n";
    const QByteArray contents = "@topic contents\n@title C\n<p>c</p>\n";
    struct Case {
        QByteArray text;
        const char* fault;
    };
    const Case cases[] = {
        {"", "not a help file"},
        {"VANTOR HELP 2\n@file T\n" + contents, "not a help file"},
        {"VANTOR HELP 1\n" + contents, "no \"@file\""},
        {head + "@topic other\n@title O\n<p>o</p>\n", "no \"contents\" topic"},
        {head + contents + "@topic x\n<p>x</p>\n", "line 6: topic \"x\" has no title"},
        {head + contents + "@topic x\n@title X\n\n", "topic \"x\" has no text"},
        {head + contents + "@topic contents\n@title C\n<p>c</p>\n", "appears twice"},
        {head + "@topic Big Topic\n@title C\n<p>c</p>\n", "not a valid topic name"},
        {head + contents + "@topic x\n@title X\n@context 12a\n<p>x</p>\n", "not a number"},
        {head + contents + "@topic x\n@title X\n@context -3\n<p>x</p>\n", "not a number"},
        {head + "@topic contents\n@title C\n@context 5\n<p>c</p>\n@topic x\n@title X\n@context 5\n<p>x</p>\n",
         "context 5 is already used by topic \"contents\""},
        {head + "@topic contents\n@titel C\n<p>c</p>\n", "unknown line \"@titel\""},
        {head + "@topic contents\n@title C\n<p>c</p>\n@title D\n", "line 6: \"@title\" inside the text"},
        {head + "@topic contents\n@title C\n@title D\n<p>c</p>\n", "second title"},
        {head + "@topic contents\n@title C\n<p><a href=\"gone\">x</a></p>\n", "links to \"gone\""},
        {head + "@topic contents\n@title C\n<p><a href=\"http://x\">x</a></p>\n", "which is no topic"},
        {head + "@topic contents\n@title C\n@keywords a;;b\n<p>c</p>\n", "empty keyword"},
        {"VANTOR HELP 1\n@file T\nstray\n" + contents, "line 3: text before the first topic"},
        {"VANTOR HELP 1\n@file T\n@file U\n" + contents, "caption once"},
        {head + contents + "<p>\xff\xfe</p>\n", "not UTF-8 text"},
        {head + contents + QByteArray("<p>\0</p>\n", 9), "not UTF-8 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_TRUE(ParseError(c.text).contains(QString::fromUtf8(c.fault))) << ParseError(c.text).toStdString();
    }
}

TEST(HelpFileTest, LoadTellsAMissingFileFromADamagedOrOversizedOne)
{
    QTemporaryDir dir;
    QString error;
    bool missing = false;
    EXPECT_FALSE(HelpFile::Load(dir.filePath(QStringLiteral("none.hlp")), &error, &missing));
    EXPECT_TRUE(missing);

    QFile big(dir.filePath(QStringLiteral("big.hlp")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(HelpFile::kMaxSize + 1, 'x'));
    big.close();
    EXPECT_FALSE(HelpFile::Load(big.fileName(), &error, &missing));
    EXPECT_FALSE(missing);
    EXPECT_TRUE(error.contains(QStringLiteral("larger than"))) << error.toStdString();

    QFile good(dir.filePath(QStringLiteral("good.hlp")));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(kGoodFile);
    good.close();
    EXPECT_TRUE(HelpFile::Load(good.fileName(), &error, &missing));
}

TEST(ShippedHelpFileTest, HasTheTutorialAndEveryTopicIsReachableFromTheContents)
{
    const std::optional<HelpFile> file = LoadShipped();
    ASSERT_TRUE(file.has_value());
    ASSERT_NE(file->topicByContext(7886), nullptr);
    EXPECT_FALSE(file->keywords().empty());
    for (const auto& [key, keyword] : file->keywords())
        for (const QString& id : keyword.topicIds)
            EXPECT_NE(file->topic(id), nullptr) << key.toStdString();

    std::set<QString> reached{QString::fromLatin1(HelpFile::kContentsId)};
    std::vector<QString> pending{QString::fromLatin1(HelpFile::kContentsId)};
    while (!pending.empty()) {
        const HelpTopic* topic = file->topic(pending.back());
        pending.pop_back();
        ASSERT_NE(topic, nullptr);
        for (const QString& link : HelpFile::Links(topic->body))
            if (reached.insert(link).second)
                pending.push_back(link);
    }
    for (const HelpTopic& topic : file->topics()) {
        EXPECT_FALSE(topic.title.isEmpty());
        EXPECT_TRUE(reached.count(topic.id)) << topic.id.toStdString() << " cannot be reached from the contents";
        EXPECT_FALSE(topic.keywords.isEmpty()) << topic.id.toStdString() << " has no keyword";
    }
}

TEST(ShippedHelpFileTest, NamesEveryMenuItemAsTheMenuShowsIt)
{
    const std::optional<HelpFile> file = LoadShipped();
    ASSERT_TRUE(file.has_value());
    QString text;
    for (const HelpTopic& topic : file->topics())
        text += topic.body + QLatin1Char('\n');
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    for (const int id : {7771, 7787, 17936}) {
        const resources::MenuTemplate* menu = resources::FindMenuTemplate(id);
        ASSERT_NE(menu, nullptr) << id;
        std::vector<QString> labels;
        CollectLabels(menu->items, &labels);
        for (const QString& label : labels)
            EXPECT_TRUE(text.contains(label)) << "menu " << id << ": \"" << label.toStdString() << "\" is not described";
    }
}
