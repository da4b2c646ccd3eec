#include "platform/system/SharedLibrary.h"

#include <dlfcn.h>

namespace platform {

SharedLibrary::SharedLibrary(std::initializer_list<const char*> files) : files_(files.begin(), files.end()) {}

bool SharedLibrary::load()
{
    std::call_once(once_, [this] {
        for (const std::string& file : files_) {
            void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) {
                const char* why = dlerror();
                error_ = why != nullptr ? why : file + ": cannot be opened";
                return;
            }
            handles_.push_back(handle);
        }
        loaded_ = true;
    });
    return loaded_;
}

std::string SharedLibrary::error()
{
    load();
    return error_;
}

void* SharedLibrary::symbol(const char* name)
{
    if (!load())
        return nullptr;
    for (void* handle : handles_) {
        if (void* address = dlsym(handle, name))
            return address;
    }
    return nullptr;
}

}  // namespace platform
