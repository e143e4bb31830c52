#include "platform/locked_file.hpp"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/error.hpp"
#include "platform/paths.hpp"

namespace quimbo::platform {

namespace {

WriteFault& currentFault() {
    static WriteFault fault;
    return fault;
}

Error writeFailure(const std::filesystem::path& path) {
    return Error("No se ha podido escribir en la tabla " + pathToUtf8(path) +
                 " (¿disco lleno o sin permiso de escritura?).");
}

}  // namespace

void setWriteFaultForTesting(WriteFault fault) {
    currentFault() = std::move(fault);
}

bool writeFaultInjected(const std::filesystem::path& path, std::uint64_t offset) {
    return currentFault() && currentFault()(path, offset);
}

LockedFile::LockedFile(const std::filesystem::path& path, LockMode mode) : path_(path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        throw Error("No se puede abrir la tabla " + pathToUtf8(path) + ": es una carpeta.");
    }
    descriptor_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    writable_ = descriptor_ >= 0;
    if (descriptor_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (descriptor_ < 0) {
        if (errno == ENOENT) {
            throw Error("No se encuentra la tabla " + pathToUtf8(path) + ".");
        }
        throw Error("No se puede abrir la tabla " + pathToUtf8(path) + ".");
    }
    const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    if (::flock(descriptor_, operation) != 0) {
        ::close(descriptor_);
        descriptor_ = -1;
        throw Error("La tabla " + pathToUtf8(path) +
                    " está en uso por otro programa. Ciérrelo y vuelva a intentarlo.");
    }
}

LockedFile::~LockedFile() {
    if (descriptor_ >= 0) {
        ::flock(descriptor_, LOCK_UN);
        ::close(descriptor_);
    }
}

std::string LockedFile::readAll() const {
    std::string bytes;
    char buffer[65536];
    std::uint64_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(descriptor_, buffer, sizeof buffer, static_cast<off_t>(offset));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error("No se puede leer la tabla " + pathToUtf8(path_) + ".");
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        offset += static_cast<std::uint64_t>(got);
    }
}

void LockedFile::writeAt(std::uint64_t offset, const std::string& bytes) {
    if (!writable_ || writeFaultInjected(path_, offset)) {
        throw writeFailure(path_);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(descriptor_, bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw writeFailure(path_);
        }
        done += static_cast<std::size_t>(put);
    }
    written_ = true;
}

void LockedFile::flush() {
    if (written_ && ::fsync(descriptor_) != 0 && errno != EINVAL) {
        throw writeFailure(path_);
    }
    written_ = false;
}

void requireNotHeldElsewhere(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    const bool held = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    if (held) {
        throw Error("La tabla " + pathToUtf8(path) +
                    " está en uso por otro programa. Ciérrelo y vuelva a intentarlo.");
    }
}

void createFileWithContent(const std::filesystem::path& path, const std::string& bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        throw Error("No se puede crear la tabla " + pathToUtf8(path) +
                    ". Compruebe que la carpeta existe y que tiene permiso de escritura.");
    }
    std::size_t done = 0;
    bool failed = writeFaultInjected(path, 0);
    while (!failed && done < bytes.size()) {
        const ssize_t put = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        failed = put < 0;
        done += failed ? 0 : static_cast<std::size_t>(put);
    }
    failed = (::close(descriptor) != 0) || failed;
    if (failed) {
        throw Error("No se puede crear la tabla " + pathToUtf8(path) + ".");
    }
}

}  // namespace quimbo::platform
