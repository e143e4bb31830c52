#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace quimbo::platform {

// Writes a file through a temporary file in the same directory that replaces the target only
// once it is complete, so an earlier file is never left half-written. `writeTemporary` receives
// the temporary path and must write the whole content there (it throws on failure).
void replaceFileAtomically(const std::filesystem::path& target,
                           const std::function<void(const std::filesystem::path&)>& writeTemporary);

// Creates `temporary` and hands its descriptor to `write`, which returns false when it failed;
// the file is then synced and closed. Throws quimbo::Error naming `target` on any failure.
void writeThroughDescriptor(const std::filesystem::path& target,
                            const std::filesystem::path& temporary,
                            const std::function<bool(int descriptor)>& write);

// Convenience: the whole content given as bytes.
void writeFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// Reads a whole file; throws quimbo::Error naming the file when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace quimbo::platform
