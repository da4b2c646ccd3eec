#pragma once
// A shared library the program opens only when it first needs it (dlopen), so
// a session that never plays a kind of media never maps its libraries. The
// library's functions keep their C names in our code: forwarders of the same
// names (VANTOR_FORWARD) find the real function on their first call.

#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

class SharedLibrary {
public:
    // files: the libraries by their run-time names (sonames), opened together.
    SharedLibrary(std::initializer_list<const char*> files);
    ~SharedLibrary() = default;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Opens every file on the first call; true when all of them opened.
    // Safe from any thread.
    bool load();
    // Why load() failed (the loader's text); empty when it did not.
    std::string error();
    // The function `name` from the opened files, the first that has it; null
    // when the files cannot be opened or none has it.
    void* symbol(const char* name);

private:
    std::once_flag once_;
    std::vector<std::string> files_;
    std::vector<void*> handles_;
    std::string error_;
    bool loaded_ = false;
};

}  // namespace platform

// Defines the C function `name` of the library `library` (a SharedLibrary&
// expression) as a forwarder to the real one. With the library missing, a
// call does nothing and gives 0 (null, false); callers check the library's
// load() before depending on it.
#define VANTOR_FORWARD(library, ret, name, params, args)                                           \
    extern "C" ret name params                                                                     \
    {                                                                                              \
        static const auto real = reinterpret_cast<decltype(&name)>((library).symbol(#name));       \
        if (real == nullptr)                                                                       \
            return static_cast<ret>(0);                                                            \
        return real args;                                                                          \
    }
