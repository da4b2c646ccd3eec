#pragma once
// Short (8.3) names for the entries of one directory.
//
// A name is its own short name when it is a valid 8.3 name (one to eight name
// characters, optionally a dot and one to three extension characters, no blanks,
// only the characters the old file systems allowed); case does not matter. Every
// other name gets an alias: up to eight upper-case characters, a tilde and a
// number, a dot and up to three extension characters (MYSONG~4.MID).
//
// The rule that picks the alias, chosen so that aliases are both unique and stable:
//
//  1. Each long name has its own fixed sequence of candidates that depends on
//     nothing but the name: six characters of the name, "~" and one digit, the
//     digits visited in an order that starts at a hash of the whole name; then five
//     characters and two digits, then four and three, and so on up to six digits,
//     each group again visited in an order that starts at a hash of the name.
//  2. Names that are valid 8.3 names reserve themselves. Among valid 8.3 names
//     that differ only in case, the first in byte order is the short name of
//     itself; the others are treated as long names, so that no two entries ever
//     answer to the same short name.
//  3. Aliases are handed out in rounds. In round k every name still without an
//     alias asks for its candidate k; a candidate that is reserved or was given
//     out in an earlier round is refused; when several names ask for the same
//     candidate in one round, the first of them in byte order gets it.
//
// Consequences: no alias equals another entry's name or alias, without regard to
// case. A name keeps its alias when other files come or go unless one of them asks
// for that same alias in the same or an earlier round, which needs a name with the
// same first six characters whose hash picks the same digit, or a file whose real
// name is that alias. Adding or removing unrelated files never moves an alias.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when name is a valid 8.3 name (in any case).
bool IsValidShortName(std::string_view name);

// Upper-case ASCII copy; other bytes unchanged.
std::string UpperAscii(std::string_view text);
// Lower-case ASCII copy; other bytes unchanged.
std::string LowerAscii(std::string_view text);
// Equality without regard to ASCII case.
bool EqualNoCase(std::string_view a, std::string_view b);

// Number of candidates of the sequence of rule 1.
std::size_t AliasCandidateCount();
// Candidate k (0 <= k < AliasCandidateCount()) of longName's sequence, upper case.
std::string AliasCandidate(std::string_view longName, std::size_t k);

// Short names for the names of one directory (names distinct, without "." and
// ".."). Element i is the alias of names[i], or empty when names[i] is its own
// short name (or, in the impossible case that every candidate is taken, has none).
std::vector<std::string> AssignShortNames(const std::vector<std::string>& names);

}  // namespace platform
