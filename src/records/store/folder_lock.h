// The lock of a store's folder while its two files are read and replaced,
// so that two copies of the program never interleave their writes (nor one
// finish the interrupted replacement of the other while it runs). The
// system releases it when the process ends, killed or not.
#pragma once

#include <filesystem>

namespace orvane::records
{

class VerrouDossier
{
public:
    /// Waits up to about five seconds for the folder. Throws
    /// platform::FileError when it cannot be opened or stays taken. On a
    /// file system without locks the folder is used without one.
    explicit VerrouDossier(const std::filesystem::path& dossier);
    VerrouDossier(const VerrouDossier&) = delete;
    VerrouDossier& operator=(const VerrouDossier&) = delete;
    ~VerrouDossier();

private:
    int fd_ = -1;
};

} // namespace orvane::records
