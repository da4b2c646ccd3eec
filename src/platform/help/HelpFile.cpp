#include "platform/help/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace platform::help {

namespace {

constexpr const char* kMagic = "VANTOR HELP 1";

bool IsValidId(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9-]+$"));
    return pattern.match(id).hasMatch();
}

// "@word rest": the word (without '@') and the trimmed rest.
void SplitDirective(const QString& line, QString* word, QString* rest)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    *word = line.mid(1, blank < 0 ? -1 : blank - 1);
    *rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
}

class Parser {
public:
    std::optional<HelpFile> run(const QString& text, QString* error, QString* caption,
                                std::vector<HelpTopic>* topics);

private:
    bool fail(int line, const QString& what)
    {
        error_ = line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what;
        return false;
    }
    bool directive(int line, const QString& text);
    bool header(int line, const QString& word, const QString& rest);
    bool finishTopic();

    QString error_;
    QString caption_;
    std::vector<HelpTopic> topics_;
    HelpTopic* current_ = nullptr;
    bool inHeader_ = false;
    QStringList body_;
};

bool Parser::header(int line, const QString& word, const QString& rest)
{
    if (word == QLatin1String("title")) {
        if (rest.isEmpty())
            return fail(line, QStringLiteral("empty title"));
        if (!current_->title.isEmpty())
            return fail(line, QStringLiteral("second title for topic \"%1\"").arg(current_->id));
        current_->title = rest;
        return true;
    }
    if (word == QLatin1String("context")) {
        bool ok = false;
        const unsigned long number = rest.toULong(&ok);
        if (!ok || rest.startsWith(QLatin1Char('+')))
            return fail(line, QStringLiteral("context \"%1\" is not a number").arg(rest));
        if (current_->context)
            return fail(line, QStringLiteral("second context for topic \"%1\"").arg(current_->id));
        for (const HelpTopic& other : topics_)
            if (&other != current_ && other.context == number)
                return fail(line, QStringLiteral("context %1 is already used by topic \"%2\"")
                                      .arg(number).arg(other.id));
        current_->context = number;
        return true;
    }
    if (word == QLatin1String("keywords")) {
        for (const QString& part : rest.split(QLatin1Char(';'))) {
            const QString keyword = part.simplified();
            if (keyword.isEmpty())
                return fail(line, QStringLiteral("empty keyword"));
            if (!current_->keywords.contains(keyword))
                current_->keywords.append(keyword);
        }
        return true;
    }
    return fail(line, QStringLiteral("unknown line \"@%1\"").arg(word));
}

bool Parser::directive(int line, const QString& text)
{
    QString word;
    QString rest;
    SplitDirective(text, &word, &rest);
    if (word == QLatin1String("topic")) {
        if (!finishTopic())
            return false;
        if (!IsValidId(rest))
            return fail(line, QStringLiteral("\"%1\" is not a valid topic name").arg(rest));
        for (const HelpTopic& other : topics_)
            if (other.id == rest)
                return fail(line, QStringLiteral("topic \"%1\" appears twice").arg(rest));
        topics_.push_back(HelpTopic{rest, {}, {}, {}, {}, line});
        current_ = &topics_.back();
        inHeader_ = true;
        return true;
    }
    if (!current_) {
        if (word != QLatin1String("file"))
            return fail(line, QStringLiteral("unknown line \"@%1\"").arg(word));
        if (rest.isEmpty() || !caption_.isEmpty())
            return fail(line, QStringLiteral("\"@file\" must give the caption once"));
        caption_ = rest;
        return true;
    }
    if (!inHeader_)
        return fail(line, QStringLiteral("\"@%1\" inside the text of topic \"%2\"").arg(word, current_->id));
    return header(line, word, rest);
}

bool Parser::finishTopic()
{
    if (!current_)
        return true;
    if (current_->title.isEmpty())
        return fail(current_->line, QStringLiteral("topic \"%1\" has no title").arg(current_->id));
    current_->body = body_.join(QLatin1Char('\n')).trimmed();
    if (current_->body.isEmpty())
        return fail(current_->line, QStringLiteral("topic \"%1\" has no text").arg(current_->id));
    body_.clear();
    return true;
}

std::optional<HelpFile> Parser::run(const QString& text, QString* error, QString* caption,
                                    std::vector<HelpTopic>* topics)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool ok = !lines.isEmpty() && QStringView(lines.first()).trimmed() == QLatin1String(kMagic);
    if (!ok)
        fail(0, QStringLiteral("this is not a help file (the first line is not \"%1\")").arg(QLatin1String(kMagic)));
    for (qsizetype i = 1; ok && i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int number = static_cast<int>(i + 1);
        if (line.startsWith(QLatin1String("%%")))
            continue;
        if (line.startsWith(QLatin1Char('@'))) {
            ok = directive(number, line);
            continue;
        }
        if (current_) {
            // A blank line right after the header belongs to neither.
            if (inHeader_ && line.trimmed().isEmpty())
                continue;
            inHeader_ = false;
            body_.append(line);
        } else if (!line.trimmed().isEmpty()) {
            ok = fail(number, QStringLiteral("text before the first topic"));
        }
    }
    ok = ok && finishTopic();
    if (ok && caption_.isEmpty())
        ok = fail(0, QStringLiteral("the file has no \"@file\" caption"));
    const auto isContents = [](const HelpTopic& t) { return t.id == QLatin1String(HelpFile::kContentsId); };
    if (ok && std::none_of(topics_.begin(), topics_.end(), isContents))
        ok = fail(0, QStringLiteral("the file has no \"contents\" topic"));
    for (const HelpTopic& t : topics_) {
        for (const QString& link : HelpFile::Links(t.body)) {
            const auto target = [&link](const HelpTopic& other) { return other.id == link; };
            if (ok && std::none_of(topics_.begin(), topics_.end(), target))
                ok = fail(t.line, QStringLiteral("topic \"%1\" links to \"%2\", which is no topic").arg(t.id, link));
        }
    }
    if (!ok) {
        *error = error_;
        return std::nullopt;
    }
    *caption = caption_;
    *topics = std::move(topics_);
    return HelpFile();
}

}  // namespace

std::optional<HelpFile> HelpFile::Parse(const QByteArray& text, QString* error)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError() || text.contains('\0')) {
        *error = QStringLiteral("the file is not UTF-8 text");
        return std::nullopt;
    }
    Parser parser;
    QString caption;
    std::vector<HelpTopic> topics;
    std::optional<HelpFile> file = parser.run(decoded, error, &caption, &topics);
    if (!file)
        return std::nullopt;
    file->caption_ = caption;
    file->topics_ = std::move(topics);
    for (const HelpTopic& t : file->topics_) {
        for (const QString& keyword : t.keywords) {
            HelpKeyword& entry = file->keywords_[keyword.toLower()];
            if (entry.text.isEmpty())
                entry.text = keyword;
            if (!entry.topicIds.contains(t.id))
                entry.topicIds.append(t.id);
        }
    }
    return file;
}

std::optional<HelpFile> HelpFile::Load(const QString& linuxPath, QString* error, bool* missing)
{
    *missing = false;
    QFile file(linuxPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *missing = true;
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxSize) {
        *error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxSize);
        return std::nullopt;
    }
    return Parse(file.read(kMaxSize + 1), error);
}

const HelpTopic* HelpFile::topic(const QString& id) const
{
    for (const HelpTopic& t : topics_)
        if (t.id == id)
            return &t;
    return nullptr;
}

const HelpTopic* HelpFile::topicByContext(unsigned long context) const
{
    for (const HelpTopic& t : topics_)
        if (t.context == context)
            return &t;
    return nullptr;
}

QStringList HelpFile::Links(const QString& body)
{
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (auto it = href.globalMatch(body); it.hasNext();)
        links.append(it.next().captured(1));
    return links;
}

}  // namespace platform::help
