#include "storage/safe_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvix {

namespace {

// Closes on scope exit; callers that need close()'s verdict call release() first.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd = -1;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool writeAll(int fd, std::span<const uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.subspan(size_t(n));
    }
    return true;
}

// Reads up to maxBytes; false on a read error.
bool readUpTo(int fd, size_t maxBytes, std::vector<uint8_t>& out)
{
    constexpr size_t kChunk = 1 << 16;
    while (out.size() < maxBytes) {
        const size_t old = out.size();
        // Into the room already reserved first: a file of the size foreseen is read
        // without moving the buffer.
        const size_t room = out.capacity() > old ? out.capacity() - old : kChunk;
        out.resize(old + std::min(room, maxBytes - old));
        const ssize_t n = ::read(fd, out.data() + old, out.size() - old);
        if (n < 0 && errno == EINTR) {
            out.resize(old);
            continue;
        }
        if (n < 0)
            return false;
        out.resize(old + size_t(n));
        if (n == 0)
            break;
    }
    return true;
}

bool syncFolder(const std::filesystem::path& folder)
{
    FileDescriptor fd(openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (!fd.valid())
        return false;
    // Some file systems cannot flush a folder; they offer nothing better to wait for.
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

// A new, empty file beside target that no one else is using; the name starts with a
// dot so that the file stays out of sight while it exists.
std::optional<std::filesystem::path> createTemporaryBeside(const std::filesystem::path& target, int& fd)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of "." + string.
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(counter++);
        name += ".tmp";
        const auto candidate = target.parent_path() / name;
        fd = openRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0)
            return candidate;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool writeAndVerify(const std::filesystem::path& temporary, int rawFd, std::span<const uint8_t> bytes)
{
    FileDescriptor out(rawFd);
    if (!writeAll(out.get(), bytes) || ::fsync(out.get()) != 0 || !out.close())
        return false;

    FileDescriptor in(openRetrying(temporary.c_str(), O_RDONLY));
    std::vector<uint8_t> readBack;
    if (!in.valid() || !readUpTo(in.get(), bytes.size() + 1, readBack))
        return false;
    return std::equal(readBack.begin(), readBack.end(), bytes.begin(), bytes.end());
}

// Where the bytes go: a symbolic link keeps pointing at the file it names instead of
// being replaced by a copy.
std::filesystem::path resolvedTarget(const std::string& path)
{
    const std::filesystem::path target = std::filesystem::path(path).lexically_normal();
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            return resolved;
    }
    return target;
}

// A file the user made private (or read-only) stays so after the save. Done after the
// read-back, which needs the temporary file readable.
bool keepPermissions(const std::filesystem::path& target, const std::filesystem::path& temporary)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return true;
    return ::chmod(temporary.c_str(), old.st_mode & 0777) == 0;
}

} // namespace

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path, size_t maxBytes, std::string* failure)
{
    const auto fail = [failure](std::string reason) -> std::optional<std::vector<uint8_t>> {
        if (failure)
            *failure = std::move(reason);
        return std::nullopt;
    };
    const auto failWithErrno = [&fail] { return fail(std::generic_category().message(errno)); };

    // Non-blocking, so that a named pipe cannot hang the open; regular files ignore it.
    FileDescriptor fd(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        return failWithErrno();
    if (S_ISDIR(info.st_mode))
        return fail(std::generic_category().message(EISDIR));
    if (!S_ISREG(info.st_mode))
        return fail("Not a regular file");
    std::vector<uint8_t> bytes;
    // A byte more than the file holds, for the read that finds its end.
    bytes.reserve(std::min(maxBytes, size_t(info.st_size) + 1));
    if (!readUpTo(fd.get(), maxBytes, bytes))
        return failWithErrno();
    return bytes;
}

bool replaceFileSafely(const std::string& path, std::span<const uint8_t> bytes)
{
    const std::filesystem::path target = resolvedTarget(path);
    if (target.filename().empty())
        return false;

    int fd = -1;
    const auto temporary = createTemporaryBeside(target, fd);
    if (!temporary)
        return false;
    if (!writeAndVerify(*temporary, fd, bytes) || !keepPermissions(target, *temporary)
        || ::rename(temporary->c_str(), target.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    return syncFolder(folder);
}

} // namespace corvix
