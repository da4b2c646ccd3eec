#include "platform/profile/PrivateProfile.h"

#include "platform/paths/DriveFile.h"
#include "platform/paths/PathNamespace.h"
#include "platform/profile/ProfileDocument.h"

#include <climits>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <strings.h>

namespace platform {

struct ProfileWriteBatch::State {
    std::string file;
    std::optional<ProfileDocument> document;  // nothing: the file could not be read
    bool changed = false;
};

namespace {

// The batches this thread is gathering, innermost last.
thread_local std::vector<ProfileWriteBatch::State*> activeBatches;

ProfileWriteBatch::State* BatchFor(const char* file)
{
    if (!file)
        return nullptr;
    for (ProfileWriteBatch::State* state : activeBatches) {
        if (::strcasecmp(state->file.c_str(), file) == 0)
            return state;
    }
    return nullptr;
}

std::optional<ProfileDocument> LoadFromDisk(const char* file)
{
    std::string text;
    if (!ReadDriveFile(file, text))
        return DrivePathExists(file) ? std::nullopt : std::optional(ProfileDocument());
    return ProfileDocument::parse(text);
}

// The file's text, empty when there is no file; nothing when it exists but
// cannot be read.
std::optional<ProfileDocument> Load(const char* file)
{
    if (!file)
        return std::nullopt;
    if (const ProfileWriteBatch::State* batch = BatchFor(file))
        return batch->document;
    return LoadFromDisk(file);
}

int CopyList(const std::vector<std::string>& names, char* buffer, int size)
{
    std::string list;
    for (const std::string& name : names)
        list.append(name).append(1, '\0');
    list.append(1, '\0');
    const auto capacity = static_cast<std::size_t>(size);
    if (list.size() <= capacity) {
        std::memcpy(buffer, list.data(), list.size());
        return static_cast<int>(list.size() - 1);
    }
    if (capacity < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), capacity - 2);
    buffer[capacity - 2] = '\0';
    buffer[capacity - 1] = '\0';
    return size - 2;
}

}  // namespace

int GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                            int size, const char* file)
{
    if (!buffer || size < 1)
        return 0;
    const std::optional<ProfileDocument> document = Load(file);
    if (!section)
        return CopyList(document ? document->sectionNames() : std::vector<std::string>(), buffer, size);
    if (!key) {
        const auto keys = document ? document->keyNames(section) : std::nullopt;
        return CopyList(keys.value_or(std::vector<std::string>()), buffer, size);
    }

    std::optional<std::string> value = document ? document->value(section, key) : std::nullopt;
    if (!value) {
        value = defaultValue ? defaultValue : "";
        while (!value->empty() && value->back() == ' ')
            value->pop_back();
    }
    const std::size_t count = std::min(value->size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, value->data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* file)
{
    if (!section || !key)
        return defaultValue;
    const std::optional<ProfileDocument> document = Load(file);
    const std::optional<std::string> value = document ? document->value(section, key) : std::nullopt;
    if (!value || value->empty())
        return defaultValue;

    std::size_t i = 0;
    bool negative = false;
    if ((*value)[i] == '+' || (*value)[i] == '-')
        negative = (*value)[i++] == '-';
    long long number = 0;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
        number = number * 10 + ((*value)[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            number = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-number);
    return static_cast<int>(std::min(number, static_cast<long long>(INT_MAX)));
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file)
{
    if (!section || !file)
        return false;
    ProfileWriteBatch::State* batch = BatchFor(file);
    std::optional<ProfileDocument> loaded = batch ? std::nullopt : Load(file);
    ProfileDocument* document = batch ? (batch->document ? &*batch->document : nullptr)
                                      : (loaded ? &*loaded : nullptr);
    if (!document)
        return false;
    bool changed = false;
    if (!key)
        changed = document->removeSection(section);
    else if (!value)
        changed = document->removeKey(section, key);
    else
        changed = document->setValue(section, key, value);
    if (batch) {
        batch->changed = batch->changed || changed;
        return true;
    }
    if (!changed)
        return true;
    return ReplaceDriveFile(file, document->serialize());
}

ProfileWriteBatch::ProfileWriteBatch(const char* file)
{
    if (!file || BatchFor(file))
        return;
    state_ = std::make_unique<State>(State{file, LoadFromDisk(file), false});
    activeBatches.push_back(state_.get());
}

ProfileWriteBatch::~ProfileWriteBatch()
{
    Commit();
}

bool ProfileWriteBatch::Commit()
{
    if (!state_)
        return true;
    std::erase(activeBatches, state_.get());
    const std::unique_ptr<State> state = std::move(state_);
    if (!state->document)
        return false;
    return !state->changed || ReplaceDriveFile(state->file, state->document->serialize());
}

}  // namespace platform
