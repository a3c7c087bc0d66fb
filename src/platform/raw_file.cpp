#include "platform/raw_file.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform
{

namespace fs = std::filesystem;

namespace
{

/// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const noexcept { return fd_; }
    [[nodiscard]] bool is_open() const noexcept { return fd_ >= 0; }
    /// Closes now and gives the error number of a failed close (0 if none):
    /// on some file systems a write error shows only there.
    int close() noexcept
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

/// Writes all bytes; the error number of a failure, 0 on success.
int write_all(int fd, std::string_view bytes) noexcept
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

/// Reads to the end; the error number of a failure, 0 on success.
int read_all(int fd, std::string& out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

/// Opens for reading; none when the file does not exist.
std::optional<std::string> read_existing(const fs::path& path)
{
    // Non-blocking, so that a pipe or a device in place of a data file is
    // refused instead of waiting for ever for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.is_open()) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw file_error(FileAction::open, path, errno);
    }
    struct stat status {
    };
    if (::fstat(fd.get(), &status) != 0) {
        throw file_error(FileAction::open, path, errno);
    }
    if (S_ISDIR(status.st_mode)) {
        throw file_error(FileAction::open, path, EISDIR);
    }
    if (!S_ISREG(status.st_mode)) {
        throw file_error(FileAction::open, path,
                         "ce n'est pas un fichier ordinaire (un tube ou un périphérique)");
    }
    std::string bytes;
    if (status.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    if (const int error = read_all(fd.get(), bytes)) {
        throw file_error(FileAction::read, path, error);
    }
    return bytes;
}

/// ".<name>.tmp-<process>-<number>": hidden, and telling whose it was.
std::string temporary_name(const fs::path& target, long long number)
{
    std::string name(1, '.');
    name.append(target.filename().string());
    name.append(".tmp-");
    name.append(std::to_string(::getpid()));
    name.push_back('-');
    name.append(std::to_string(number));
    return name;
}

/// Best effort: makes the rename itself durable.
void sync_directory(const fs::path& target) noexcept
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool file_exists(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool directory_exists(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string read_bytes(const fs::path& path)
{
    std::optional<std::string> bytes = read_existing(path);
    if (!bytes) {
        throw file_error(FileAction::open, path, ENOENT);
    }
    return std::move(*bytes);
}

std::optional<std::string> read_bytes_if_exists(const fs::path& path)
{
    return read_existing(path);
}

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target))
{
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    const auto seed = std::chrono::steady_clock::now().time_since_epoch().count();
    int error = EEXIST;
    for (long attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary_ = folder / temporary_name(target_, (seed + attempt * 7919) & 0xFFFFFF);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = fd_ >= 0 ? 0 : errno;
    }
    if (fd_ < 0) {
        temporary_.clear();
        throw file_error(FileAction::write, target_, error);
    }
}

AtomicFile::~AtomicFile()
{
    abandon();
}

void AtomicFile::abandon() noexcept
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

void AtomicFile::fail(int error)
{
    abandon();
    throw file_error(FileAction::write, target_, error);
}

void AtomicFile::write(std::string_view bytes)
{
    if (fd_ < 0) {
        throw file_error(FileAction::write, target_, "l'écriture a déjà échoué ou est terminée");
    }
    if (const int error = write_all(fd_, bytes)) {
        fail(error);
    }
}

void AtomicFile::commit()
{
    if (fd_ < 0) {
        throw file_error(FileAction::write, target_, "l'écriture a déjà échoué ou est terminée");
    }
    // A link in place of the file is replaced itself: a write never reaches
    // a file outside the program directory through a link.
    struct stat existing {
    };
    if (::lstat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    int error = ::fsync(fd_) == 0 ? 0 : errno;
    const int closed = ::close(fd_);
    fd_ = -1;
    if (error == 0 && closed != 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        fail(error);
    }
    temporary_.clear();
    sync_directory(target_);
}

void write_bytes(const fs::path& path, std::string_view bytes)
{
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

void copy_file_atomically(const fs::path& source, const fs::path& target)
{
    write_bytes(target, read_bytes(source));
}

void append_bytes(const fs::path& path, std::string_view bytes)
{
    // A link in place of the file is refused (ELOOP), never followed.
    Descriptor fd(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!fd.is_open()) {
        throw file_error(FileAction::append, path, errno);
    }
    int error = write_all(fd.get(), bytes);
    if (const int close_error = fd.close(); error == 0) {
        error = close_error;
    }
    if (error != 0) {
        throw file_error(FileAction::append, path, error);
    }
}

bool temporaire_abandonne(std::string_view nom)
{
    // ".<name>.tmp-<process>-<number>", see temporary_name.
    const std::size_t marque = nom.rfind(".tmp-");
    if (nom.size() < 2 || nom.front() != '.' || marque == std::string_view::npos || marque == 0) {
        return false;
    }
    const std::string_view reste = nom.substr(marque + 5);
    const std::size_t tiret = reste.find('-');
    long long processus = 0;
    long long numero = 0;
    if (tiret == std::string_view::npos ||
        std::from_chars(reste.data(), reste.data() + tiret, processus).ptr !=
            reste.data() + tiret ||
        std::from_chars(reste.data() + tiret + 1, reste.data() + reste.size(), numero).ptr !=
            reste.data() + reste.size() ||
        processus <= 0 || processus > 0x7fffffff) {
        return false;
    }
    return ::kill(static_cast<pid_t>(processus), 0) != 0 && errno == ESRCH;
}

std::size_t supprime_temporaires_abandonnes(const fs::path& directory)
{
    std::size_t supprimes = 0;
    std::error_code error;
    fs::recursive_directory_iterator it(directory, fs::directory_options::skip_permission_denied,
                                        error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code e;
        if (it->is_regular_file(e) && !it->is_symlink(e) &&
            temporaire_abandonne(it->path().filename().string()) && fs::remove(it->path(), e)) {
            ++supprimes;
        }
    }
    return supprimes;
}

} // namespace orvane::platform
