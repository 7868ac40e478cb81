#pragma once
// Files as bytes: configuration text is 8-bit and must pass through unchanged.

#include <string>
#include <string_view>

namespace zel::tool {

struct ReadResult {
    std::string bytes;
    std::string error; // why the file could not be read; empty on success
};

// The whole configuration file; "-" reads standard input. A folder is refused, and so is anything
// longer than a configuration file can be (a device such as /dev/zero never ends).
ReadResult readBytes(const std::string& path);

// Replaces `path` with `bytes` as the window saves a file (text::saveWholeFile): a failure
// leaves an existing file as it was, a symbolic link is written through, and a writable file in
// a folder that cannot be written is written in place. Returns why it failed; empty on success.
std::string replaceFile(const std::string& path, std::string_view bytes);

// Writes `bytes` to `path` only when no file is there yet: an existing file is never touched.
// What was written in part is removed again. Returns why it failed; empty on success.
std::string writeNewFile(const std::string& path, std::string_view bytes);

// Writes to standard output and flushes; false when the bytes could not all be written.
bool writeStandardOutput(std::string_view bytes);

} // namespace zel::tool
