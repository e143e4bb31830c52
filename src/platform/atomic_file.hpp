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

// Convenience: the whole content given as bytes.
void writeFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// Reads a whole file; throws quimbo::Error naming the file when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace quimbo::platform
