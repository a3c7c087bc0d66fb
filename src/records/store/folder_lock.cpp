#include "records/store/folder_lock.h"

#include "platform/file_error.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvane::records
{

VerrouDossier::VerrouDossier(const std::filesystem::path& dossier)
{
    const std::filesystem::path chemin = dossier.empty() ? std::filesystem::path(".") : dossier;
    fd_ = ::open(chemin.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        throw platform::file_error(platform::FileAction::open, chemin, errno);
    }
    using namespace std::chrono_literals;
    const auto limite = std::chrono::steady_clock::now() + 5s;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int erreur = errno;
        if (erreur == EINTR) {
            continue;
        }
        if (erreur != EWOULDBLOCK) {
            return; // no locks on this file system (ENOLCK, EOPNOTSUPP)
        }
        if (std::chrono::steady_clock::now() > limite) {
            ::close(fd_);
            fd_ = -1;
            throw platform::file_error(platform::FileAction::write, chemin,
                                       "le dossier est occupé par un autre programme");
        }
        std::this_thread::sleep_for(20ms);
    }
}

VerrouDossier::~VerrouDossier()
{
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}

} // namespace orvane::records
