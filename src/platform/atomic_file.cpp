#include "platform/atomic_file.hpp"

#include <cerrno>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>
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

void writeThroughDescriptor(const fs::path& target, const fs::path& temporary,
                            const std::function<bool(int descriptor)>& write) {
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        throw cannotWrite(target);
    }
    bool ok = write(descriptor) && !writeFaultInjected(target, 0);
    ok = ::fsync(descriptor) == 0 && ok;
    ok = ::close(descriptor) == 0 && ok;
    if (!ok) {
        throw cannotWrite(target);
    }
}

void writeFileAtomically(const fs::path& target, const std::string& bytes) {
    replaceFileAtomically(target, [&](const fs::path& temporary) {
        writeThroughDescriptor(target, temporary, [&](int descriptor) {
            std::size_t done = 0;
            while (done < bytes.size()) {
                const ssize_t put = ::write(descriptor, bytes.data() + done, bytes.size() - done);
                if (put < 0 && errno == EINTR) {
                    continue;
                }
                if (put <= 0) {
                    return false;
                }
                done += static_cast<std::size_t>(put);
            }
            return true;
        });
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
