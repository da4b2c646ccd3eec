#pragma once

// Formatted text and blank handling on plain zero-terminated strings.
//
// None of these functions allocates memory the caller must free: a result is either a
// pointer into the argument or text in one of the rotating buffers of FormatText.

// Number of rotating buffers and the size of each, terminating zero included.
inline constexpr int kFormatBufferCount = 20;
inline constexpr int kFormatBufferSize = 1024;

// Formats like printf into the next of kFormatBufferCount buffers (used in turn, the
// index counting down from 19 to 0 and wrapping) and returns that buffer. A result stays
// valid until 19 further calls have been made, so callers may nest calls and keep several
// results at once. A result longer than kFormatBufferSize - 1 characters is cut there; it
// never overruns. The buffers belong to the calling thread.
char* FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Minutes and seconds as "mm:ss" in a rotating buffer; minutes are not limited to two digits
// (6000 gives "100:00").
char* FormatMinSec(int seconds);

// The terminating zero of s.
const char* StringEnd(const char* s);
char* StringEnd(char* s);

// White space is the C runtime's set: blank, tab, line feed, vertical tab, form feed,
// carriage return.

// First character of s that is not white space.
const char* SkipBlanks(const char* s);
char* SkipBlanks(char* s);

// Cuts trailing white space off s in place and returns s; white space only becomes empty.
char* TrimBlanks(char* s);

// TrimBlanks(SkipBlanks(s)).
char* Trim(char* s);
