#include "album/FormatText.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

struct RotatingBuffers {
    char text[kFormatBufferCount][kFormatBufferSize] = {};
    int next = kFormatBufferCount - 1;
};

// One set per thread: a result handed out on the user-interface thread is never
// overwritten by a call on another thread.
thread_local RotatingBuffers buffers;

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

char* FormatText(const char* format, ...)
{
    char* out = buffers.text[buffers.next];
    buffers.next = buffers.next == 0 ? kFormatBufferCount - 1 : buffers.next - 1;
    out[0] = '\0';
    if (!format)
        return out;
    va_list args;
    va_start(args, format);
    // vsnprintf cuts an over-long result and always terminates it.
    std::vsnprintf(out, kFormatBufferSize, format, args);
    va_end(args);
    return out;
}

char* FormatMinSec(int seconds)
{
    // "%.2d" prints exactly what the classic "%02.02d" prints (the zero flag is ignored
    // when a precision is given) without the compiler's warning about that flag.
    return FormatText("%.2d:%.2d", seconds / 60, seconds % 60);
}

const char* StringEnd(const char* s)
{
    return s ? s + std::strlen(s) : nullptr;
}

char* StringEnd(char* s)
{
    return s ? s + std::strlen(s) : nullptr;
}

const char* SkipBlanks(const char* s)
{
    if (!s)
        return nullptr;
    while (IsBlank(*s))
        ++s;
    return s;
}

char* SkipBlanks(char* s)
{
    return const_cast<char*>(SkipBlanks(static_cast<const char*>(s)));
}

char* TrimBlanks(char* s)
{
    if (!s)
        return nullptr;
    char* end = StringEnd(s);
    while (end > s && IsBlank(end[-1]))
        --end;
    *end = '\0';
    return s;
}

char* Trim(char* s)
{
    return TrimBlanks(SkipBlanks(s));
}
