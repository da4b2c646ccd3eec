// The settings file reader: any text survives a write and a read back with the
// same sections, keys and values, a second write gives the same text, and a key
// set through the document reads back as set, before and after a round trip.

#include "FuzzCheck.h"
#include "platform/profile/ProfileDocument.h"

#include <cstdint>
#include <string>
#include <string_view>

using platform::ProfileDocument;

namespace {

void CheckSameContent(const ProfileDocument& a, const ProfileDocument& b)
{
    const auto sections = a.sectionNames();
    FUZZ_CHECK(sections == b.sectionNames());
    for (const std::string& section : sections) {
        const auto keys = a.keyNames(section);
        FUZZ_CHECK(keys && keys == b.keyNames(section));
        for (const std::string& key : *keys)
            FUZZ_CHECK(a.value(section, key) == b.value(section, key));
    }
}

// Characters of the input that a name or value can be made of as the program
// writes them: printable, none that would start a comment, a header or a value.
std::string Printable(std::string_view from, std::string_view excluded)
{
    std::string out;
    for (const char c : from)
        if (c > ' ' && c < 0x7F && excluded.find(c) == std::string_view::npos)
            out += c;
    return out.substr(0, 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ProfileDocument first = ProfileDocument::parse(text);
    const std::string written = first.serialize();
    ProfileDocument second = ProfileDocument::parse(written);
    CheckSameContent(first, second);
    FUZZ_CHECK(second.serialize() == written);

    // A key set in the first section of the file (or a new one), named and
    // valued from the input's own bytes.
    const auto sections = first.sectionNames();
    std::string section = sections.empty() ? std::string("Fuzz") : sections.front();
    if (section.empty())
        section = "Fuzz";
    std::string key = Printable(text.substr(0, 16), "=[];\"'");
    if (key.empty())
        key = "Key";
    const std::string value = Printable(text.substr(text.size() / 2), "\"'");
    second.setValue(section, key, value);
    FUZZ_CHECK(second.value(section, key) == value);
    const ProfileDocument third = ProfileDocument::parse(second.serialize());
    FUZZ_CHECK(third.value(section, key) == value);
    CheckSameContent(second, third);
    return 0;
}
