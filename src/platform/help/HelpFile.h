#pragma once
// A help file: topics of HTML text with titles, context numbers and keywords.
//
// The format (UTF-8 text, one file; the file documents it again in its head):
//   - The first line is exactly "VANTOR HELP 1".
//   - Lines starting with "%%" are comments wherever they stand.
//   - "@file TEXT" (once, before the first topic) gives the help window's caption.
//   - "@topic ID" starts a topic; ID is made of a-z, 0-9 and '-' and is unique.
//     The topic with the ID "contents" is required: it is the contents page.
//   - Directly after "@topic" come its header lines: "@title TEXT" (required),
//     "@context NUMBER" (optional, decimal, unique in the file) and
//     "@keywords WORD; WORD; ..." (optional, may be repeated).
//   - Every other line up to the next "@topic" is the topic's body: an HTML
//     fragment, not empty. Links to other topics are written href="ID".
//   - Any other line starting with '@' is an error, as is a link to an ID that
//     no topic has.
// Damaged input is refused as a whole with a message naming the line.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace platform::help {

struct HelpTopic {
    QString id;
    QString title;
    std::optional<unsigned long> context;
    QStringList keywords;
    QString body;
    int line = 0;  // line of its "@topic"
};

struct HelpKeyword {
    QString text;         // as first written
    QStringList topicIds; // in file order, each once
};

class HelpFile {
public:
    static constexpr const char* kContentsId = "contents";
    // Larger files are refused rather than read into memory.
    static constexpr qint64 kMaxSize = 4 * 1024 * 1024;

    // Nothing and *error set when the text is not a valid help file.
    static std::optional<HelpFile> Parse(const QByteArray& text, QString* error);
    // As Parse, for a file on disk; *missing is set when it cannot be opened.
    static std::optional<HelpFile> Load(const QString& linuxPath, QString* error, bool* missing);

    const QString& caption() const { return caption_; }
    const std::vector<HelpTopic>& topics() const { return topics_; }
    const HelpTopic* topic(const QString& id) const;
    const HelpTopic* topicByContext(unsigned long context) const;
    const HelpTopic& contents() const { return *topic(QString::fromLatin1(kContentsId)); }
    // Keyword index, keyed by the keyword in lower case (so sorted without case).
    const std::map<QString, HelpKeyword>& keywords() const { return keywords_; }

    // The href values of a body, in order.
    static QStringList Links(const QString& body);

private:
    QString caption_;
    std::vector<HelpTopic> topics_;
    std::map<QString, HelpKeyword> keywords_;
};

}  // namespace platform::help
