#include "platform/paths.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quimbo::platform {

namespace fs = std::filesystem;

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

fs::path qtempDirectory() {
#ifdef _WIN32
    return fs::path("C:\\QTEMP");
#else
    if (const char* configured = std::getenv("TRANSQUIMBO_QTEMP"); configured && *configured) {
        return fs::path(configured);
    }
    fs::path prefix;
    if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine) {
        prefix = wine;
    } else {
        const char* home = std::getenv("HOME");
        prefix = fs::path(home ? home : ".") / ".wine";
    }
    return prefix / "drive_c" / "QTEMP";
#endif
}

fs::path senecaDirectory() {
    return qtempDirectory() / "seneca";
}

fs::path programDirectory() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return fs::path(std::wstring(buffer, length)).parent_path();
#else
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return fs::current_path();
    }
    return self.parent_path();
#endif
}

std::optional<fs::path> findFileIgnoringCase(const fs::path& directory,
                                             const std::string& fileName) {
    std::error_code error;
    const fs::path exact = directory / fileName;
    if (fs::exists(exact, error)) {
        return exact;
    }
    const std::string wanted = upper(fileName);
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (upper(it->path().filename().string()) == wanted) {
            return it->path();
        }
    }
    return std::nullopt;
}

fs::path pathFromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace quimbo::platform
