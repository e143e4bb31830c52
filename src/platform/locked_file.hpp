#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace quimbo::platform {

enum class LockMode { Shared, Exclusive };

// An open file held under an operating-system lock for as long as the object lives. Every write
// of the table engine goes through writeAt, the one place where a write fault can be injected.
class LockedFile {
  public:
    // Throws quimbo::Error when the file cannot be opened, or is held by another program.
    LockedFile(const std::filesystem::path& path, LockMode mode);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    std::string readAll() const;
    void writeAt(std::uint64_t offset, const std::string& bytes);
    void flush();
    bool writable() const { return writable_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    int descriptor_ = -1;
    bool writable_ = false;
    bool written_ = false;  // flush syncs only a file that was written
};

// Throws quimbo::Error when another program holds `path` under a lock, as a table open in
// Tempario is; a missing file is not held. Used before a table file is deleted and re-created,
// so that a table in use is reported instead of being replaced behind the other program's back.
void requireNotHeldElsewhere(const std::filesystem::path& path);

// Creates (or truncates) a file with the given content; throws quimbo::Error naming the file.
void createFileWithContent(const std::filesystem::path& path, const std::string& bytes);

// Test hook: when set, a write whose path and offset it accepts fails as a full disk would. It
// covers every file the program writes: table rows and headers, new tables, and the files
// replaced atomically (the HORARIOS document, Tempario.ini), whose offset is 0.
using WriteFault = std::function<bool(const std::filesystem::path&, std::uint64_t offset)>;
void setWriteFaultForTesting(WriteFault fault);
bool writeFaultInjected(const std::filesystem::path& path, std::uint64_t offset);

}  // namespace quimbo::platform
