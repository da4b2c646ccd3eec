// The help file reader on any bytes. A file it accepts has its contents topic,
// every link leads to a topic, context numbers find their topics and every
// keyword lists topics that carry it.

#include "FuzzCheck.h"
#include "platform/help/HelpFile.h"

#include <cstdint>

using platform::help::HelpFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(HelpFile::kMaxSize))
        return 0;
    QString error;
    const auto file = HelpFile::Parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                                      &error);
    if (!file) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!file->caption().isEmpty());
    FUZZ_CHECK(file->contents().id == QLatin1String(HelpFile::kContentsId));
    for (const auto& topic : file->topics()) {
        FUZZ_CHECK(!topic.title.isEmpty() && !topic.body.isEmpty());
        FUZZ_CHECK(file->topic(topic.id) == &topic);
        if (topic.context)
            FUZZ_CHECK(file->topicByContext(*topic.context) == &topic);
        for (const QString& link : HelpFile::Links(topic.body))
            FUZZ_CHECK(file->topic(link));
    }
    for (const auto& [lower, keyword] : file->keywords()) {
        FUZZ_CHECK(lower == keyword.text.toLower() && !keyword.topicIds.isEmpty());
        for (const QString& id : keyword.topicIds) {
            const auto* topic = file->topic(id);
            FUZZ_CHECK(topic);
            bool carries = false;
            for (const QString& word : topic->keywords)
                carries = carries || word.toLower() == lower;
            FUZZ_CHECK(carries);
        }
    }
    return 0;
}
