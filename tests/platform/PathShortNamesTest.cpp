#include "platform/paths/DirectoryListing.h"
#include "platform/paths/ShortNames.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace platform;

namespace {

std::map<std::string, std::string> Aliases(const std::vector<std::string>& names)
{
    const std::vector<std::string> aliases = AssignShortNames(names);
    std::map<std::string, std::string> byName;
    for (std::size_t i = 0; i < names.size(); ++i)
        byName[names[i]] = aliases[i];
    return byName;
}

// Upper case, a tilde followed by one to six digits before the dot or the end.
bool HasAliasShape(const std::string& alias)
{
    if (alias != UpperAscii(alias))
        return false;
    const std::size_t dot = alias.find('.');
    const std::string base = alias.substr(0, dot);
    const std::size_t tilde = base.rfind('~');
    if (tilde == std::string::npos)
        return false;
    const std::string number = base.substr(tilde + 1);
    return !number.empty() && number.size() <= 6 && number.front() != '0' &&
           number.find_first_not_of("0123456789") == std::string::npos;
}

// Names that crowd one six-character prefix, so candidates collide for real.
std::vector<std::string> TrackNames(int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("Track " + std::to_string(100 + i) + " - Long Title.mid");
    return names;
}

}  // namespace

TEST(PathShortNames, ValidShortNames)
{
    struct Case {
        const char* name;
        bool valid;
    };
    const Case cases[] = {
        {"bach.mid", true},      {"BACH.MID", true},     {"Bach.Mid", true},     {"a", true},
        {"12345678.123", true},  {"x~1.mid", true},      {"a$b_c(1).{x}", true}, {"123456789.mid", false},
        {"song.midi", false},    {"my song.mid", false}, {"a.b.c", false},       {".hidden", false},
        {"name.", false},        {"", false},            {"a+b.mid", false},     {"caf\xC3\xA9.mid", false},
        {"a[1].mid", false},     {"semi;colon", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidShortName(c.name), c.valid) << c.name;
}

TEST(PathShortNames, ValidNamesAreTheirOwnShortName)
{
    const auto aliases = Aliases({"bach.mid", "README", "x~1.mid", "My Long Name.mid"});
    EXPECT_EQ(aliases.at("bach.mid"), "");
    EXPECT_EQ(aliases.at("README"), "");
    EXPECT_EQ(aliases.at("x~1.mid"), "");
    EXPECT_NE(aliases.at("My Long Name.mid"), "");
}

TEST(PathShortNames, AliasesAreValidShortNamesBuiltFromTheLongName)
{
    const std::vector<std::string> names = {"My Song.mid",        "a very long name.midi", ".bashrc",
                                            "caf\xC3\xA9 au lait.wav", "x+y=z.avi",          "no extension here",
                                            "dots.in.the.name.mid"};
    const auto aliases = Aliases(names);
    for (const std::string& name : names) {
        const std::string& alias = aliases.at(name);
        EXPECT_TRUE(HasAliasShape(alias)) << name << " -> " << alias;
        EXPECT_TRUE(IsValidShortName(alias)) << alias;
        EXPECT_LE(alias.find('~'), 6u) << alias;
    }
    EXPECT_EQ(aliases.at("My Song.mid").substr(0, 7), "MYSONG~");
    EXPECT_EQ(aliases.at("My Song.mid").substr(8), ".MID");
    EXPECT_EQ(aliases.at("a very long name.midi").substr(0, 7), "AVERYL~");
    EXPECT_EQ(aliases.at("a very long name.midi").substr(8), ".MID");
    EXPECT_EQ(aliases.at(".bashrc").substr(0, 7), "BASHRC~");
    EXPECT_EQ(aliases.at("caf\xC3\xA9 au lait.wav").substr(0, 7), "CAF_AU~");
    EXPECT_EQ(aliases.at("x+y=z.avi").substr(0, 6), "X_Y_Z~");
    EXPECT_EQ(aliases.at("dots.in.the.name.mid").substr(0, 7), "DOTSIN~");
}

TEST(PathShortNames, NoTwoEntriesAnswerToTheSameShortName)
{
    // Crowded prefixes, real names that look like aliases, and case twins together.
    std::vector<std::string> names = TrackNames(150);
    for (int digit = 1; digit <= 9; ++digit)
        names.push_back("TRACK1~" + std::to_string(digit) + ".MID");
    names.insert(names.end(), {"song.mid", "SONG.MID", "Song.mid", "my song.mid", "My Song.mid"});

    const auto aliases = Aliases(names);
    std::set<std::string> seen;
    for (const auto& [name, alias] : aliases)
        EXPECT_TRUE(seen.insert(UpperAscii(alias.empty() ? name : alias)).second) << name << " -> " << alias;
    // Exactly one of the case twins keeps its own name: the first in byte order.
    EXPECT_EQ(aliases.at("SONG.MID"), "");
    EXPECT_NE(aliases.at("Song.mid"), "");
    EXPECT_NE(aliases.at("song.mid"), "");
}

TEST(PathShortNames, AliasesStayWhenUnrelatedFilesComeAndGo)
{
    const std::vector<std::string> base = {"My Song.mid", "Another Piece.mid", "Symphony No 5.mid",
                                           "Overture in D.wav", "bach.mid"};
    const auto before = Aliases(base);

    std::vector<std::string> more = base;
    for (int i = 0; i < 40; ++i)
        more.push_back("Unrelated File " + std::to_string(i) + ".mid");
    const auto after = Aliases(more);
    const auto reduced = Aliases({base[0], base[3]});

    for (const std::string& name : base)
        EXPECT_EQ(after.at(name), before.at(name)) << name;
    EXPECT_EQ(reduced.at("My Song.mid"), before.at("My Song.mid"));
    EXPECT_EQ(reduced.at("Overture in D.wav"), before.at("Overture in D.wav"));
}

TEST(PathShortNames, ARealFileNamedLikeAnAliasTakesPrecedence)
{
    const std::string taken = Aliases({"My Song.mid"}).at("My Song.mid");
    const auto aliases = Aliases({"My Song.mid", LowerAscii(taken)});
    EXPECT_EQ(aliases.at(LowerAscii(taken)), "");
    EXPECT_NE(aliases.at("My Song.mid"), taken);
    EXPECT_EQ(aliases.at("My Song.mid").substr(0, 7), "MYSONG~");
}

TEST(PathShortNames, CrowdedPrefixKeepsFirstRoundWinners)
{
    // A name that got its first candidate keeps it when names that sort after it
    // join its group or other names leave; a lone name never moves.
    std::vector<std::string> names = TrackNames(30);
    names.push_back("Lonely Piece.mid");
    const auto before = Aliases(names);
    std::vector<std::string> changed(names.begin(), names.end());
    changed.push_back("Track 999 - Extra.mid");
    changed.push_back("Track 998 - Extra.mid");
    const auto after = Aliases(changed);

    EXPECT_EQ(after.at("Lonely Piece.mid"), before.at("Lonely Piece.mid"));
    int winners = 0;
    for (std::size_t i = 0; i < 30; ++i) {
        if (before.at(names[i]) != AliasCandidate(names[i], 0))
            continue;
        ++winners;
        EXPECT_EQ(after.at(names[i]), before.at(names[i])) << names[i];
    }
    EXPECT_GE(winners, 5);  // nine digits for thirty names: several win round one
}

TEST(PathShortNames, AliasesDoNotDependOnListingOrder)
{
    std::vector<std::string> names = TrackNames(40);
    const auto forward = Aliases(names);
    std::reverse(names.begin(), names.end());
    EXPECT_EQ(Aliases(names), forward);
}

TEST(PathShortNames, ListingFindsByNameCaseAndAlias)
{
    const DirectoryListing listing =
        DirectoryListing::fromNames({"My Song.mid", "bach.mid", "BACH.MID", "Readme.TXT"});
    const DirectoryEntry* song = listing.findExact("My Song.mid");
    ASSERT_NE(song, nullptr);
    ASSERT_FALSE(song->alias.empty());

    EXPECT_EQ(listing.find(LowerAscii(song->alias)), song);
    EXPECT_EQ(listing.find("my song.mid"), song);
    EXPECT_EQ(listing.find("bach.mid")->name, "bach.mid");
    EXPECT_EQ(listing.find("BACH.MID")->name, "BACH.MID");
    EXPECT_EQ(listing.find("Bach.mid")->name, "BACH.MID");  // first in byte order
    EXPECT_EQ(listing.find("readme.txt")->name, "Readme.TXT");
    EXPECT_EQ(listing.find("missing.mid"), nullptr);
    EXPECT_EQ(listing.find(""), nullptr);
}
