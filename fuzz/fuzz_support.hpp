#pragma once

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace quimbo::fuzz {

// A scratch directory of this fuzzing process, made once.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("quimbo-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return dir;
}

inline void writeBytes(const std::filesystem::path& path, const std::uint8_t* data,
                       std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace quimbo::fuzz
