#include "platform/atomic_file.hpp"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "common/error.hpp"
#include "platform/locked_file.hpp"
#include "platform/paths.hpp"

namespace quimbo::platform {

namespace fs = std::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& target) {
    std::random_device device;
    const auto tag = std::to_string(device());
    return target.parent_path() / ("." + target.filename().string() + "." + tag + ".tmp");
}

Error cannotWrite(const fs::path& target) {
    return Error("No se puede escribir el archivo " + pathToUtf8(target) +
                 ". Compruebe que la carpeta existe y que tiene permiso de escritura.");
}

}  // namespace

void replaceFileAtomically(const fs::path& target,
                           const std::function<void(const fs::path&)>& writeTemporary) {
    const fs::path temporary = temporaryBeside(target);
    std::error_code ignored;
    try {
        writeTemporary(temporary);
    } catch (...) {
        fs::remove(temporary, ignored);
        throw;
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, ignored);
        throw cannotWrite(target);
    }
}

void writeFileAtomically(const fs::path& target, const std::string& bytes) {
    replaceFileAtomically(target, [&](const fs::path& temporary) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out || writeFaultInjected(target, 0)) {
            throw cannotWrite(target);
        }
    });
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error("No se puede leer el archivo " + pathToUtf8(path) + ".");
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw Error("No se puede leer el archivo " + pathToUtf8(path) + ".");
    }
    return bytes;
}

}  // namespace quimbo::platform
