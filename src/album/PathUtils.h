#pragma once

// Free functions on drive paths (c:\music\bach.mid): the separator is the backslash only; a
// forward slash is an ordinary character here. Results are pointers into the argument or
// text in the rotating buffers of FormatText (valid for 19 further FormatText calls).
// A function that cannot apply its rule returns its argument unchanged; that includes a
// result that would not fit into one rotating buffer, which is never handed out cut.

// Text after the last backslash of path, or path itself when it has none.
const char* FileNamePart(const char* path);
char* FileNamePart(char* path);

// Text after the last dot anywhere in path (c:\my.dir\album gives "dir\album"), or the empty
// text at its end when there is no dot.
const char* FileExtension(const char* path);
char* FileExtension(char* path);

// Whether the second character of path is a colon (c:..., also the bare drive c:).
bool HasDrive(const char* path);

// path when it has at most maxLength characters; otherwise its first three characters,
// "..." and the text from the first backslash at or after position
// length - maxLength + 6 on, which is never longer than maxLength
// (c:\music\midi\classic\bach\prelude.mid with 25 gives c:\...\bach\prelude.mid).
// Without such a backslash, path unchanged.
const char* AbbreviatePath(const char* path, int maxLength);

// path written relative to albumDir (the album's directory without trailing backslash, c:
// for an album at the root): one "..\" per component of albumDir after the components the
// two share, then the rest of path. Components compare exactly (both are lower case).
// Unchanged when either has no drive, albumDir is null or not even the drive is shared.
const char* MakeRelativePath(const char* path, const char* albumDir);

// The inverse: an entry without a drive is relative to albumDir; each leading "..\" climbs
// one directory. Unchanged when entry has a drive, albumDir is null or has no drive, or
// albumDir has fewer directories than entry climbs. \x.mid for c:\music gives c:\music\\x.mid.
const char* ResolveRelativePath(const char* entry, const char* albumDir);
