#pragma once
// The full path of an existing file with every component in its short (8.3) form.

// Writes the full path of path into output (outputLength characters with the
// terminating zero; callers pass 260): the drive as given, then each component's
// 8.3 alias, or its name as stored when that is its own short name, separators as
// found. Returns 1 when done, 0 when the full path cannot be made or is too long,
// a component does not exist, or output runs out of room (output then holds
// nothing the caller may use).
int ShortFullPath(const char* path, char* output, int outputLength);
