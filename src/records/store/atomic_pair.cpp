#include "records/store/atomic_pair.h"

#include "platform/file_error.h"
#include "platform/raw_file.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::records
{

namespace fs = std::filesystem;

namespace
{

fs::path dossier_de(const fs::path& fichier)
{
    return fichier.has_parent_path() ? fichier.parent_path() : fs::path(".");
}

bool existe(const fs::path& chemin)
{
    struct stat s {
    };
    return ::lstat(chemin.c_str(), &s) == 0;
}

/// Makes the renames and removals in the folder durable (best effort: some
/// file systems cannot sync a folder).
void synchronise_dossier(const fs::path& fichier) noexcept
{
    const int fd = ::open(dossier_de(fichier).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void supprime(const fs::path& chemin)
{
    if (::unlink(chemin.c_str()) != 0 && errno != ENOENT) {
        throw platform::file_error(platform::FileAction::write, chemin, errno);
    }
}

/// Renames the new file over the file, which keeps its permissions.
void met_en_place(const fs::path& nouveau, const fs::path& fichier)
{
    struct stat ancien {
    };
    if (::stat(fichier.c_str(), &ancien) == 0) {
        ::chmod(nouveau.c_str(), ancien.st_mode & 07777);
    }
    if (::rename(nouveau.c_str(), fichier.c_str()) != 0) {
        throw platform::file_error(platform::FileAction::write, fichier, errno);
    }
    synchronise_dossier(fichier);
}

/// A name for a temporary file that a dead process's leftovers can be told
/// by (see platform::temporaire_abandonne).
fs::path temporaire(const fs::path& cible)
{
    static std::atomic<long> compteur{0};
    return dossier_de(cible) / ("." + cible.filename().string() + ".tmp-" +
                                std::to_string(::getpid()) + "-" + std::to_string(++compteur));
}

/// Keeps the file as it is now under "<name>.bak": a second name for the
/// same file when the file system allows it, a copy otherwise. A file that
/// does not exist leaves no backup.
void sauvegarde(const fs::path& fichier)
{
    const fs::path bak = chemin_sauvegarde(fichier);
    if (!existe(fichier)) {
        supprime(bak);
        return;
    }
    const fs::path lien = temporaire(bak);
    if (::link(fichier.c_str(), lien.c_str()) == 0) {
        const int erreur = ::rename(lien.c_str(), bak.c_str()) == 0 ? 0 : errno;
        // A backup that is already this file (a backup made again when an
        // interrupted replacement is completed) is left by rename as it is,
        // and the second name with it.
        ::unlink(lien.c_str());
        if (erreur != 0) {
            throw platform::file_error(platform::FileAction::write, bak, erreur);
        }
        return;
    }
    platform::write_bytes(bak, platform::read_bytes(fichier));
}

/// The backups of both files, or none: a pair of backups is never of two
/// generations.
void sauvegarde_paire(const FichiersFamille& f, const CrochetRemplacement& crochet)
{
    try {
        sauvegarde(f.noms);
        if (crochet) {
            crochet(EtapeRemplacement::noms_sauvegardes);
        }
        sauvegarde(f.dates);
    } catch (const platform::FileError&) {
        ::unlink(chemin_sauvegarde(f.noms).c_str());
        ::unlink(chemin_sauvegarde(f.dates).c_str());
    }
    synchronise_dossier(f.noms);
    if (crochet) {
        crochet(EtapeRemplacement::dates_sauvegardees);
    }
}

/// The decided part of a replacement: backups, then the two renames.
void acheve(const FichiersFamille& f, const CrochetRemplacement& crochet)
{
    sauvegarde_paire(f, crochet);
    met_en_place(chemin_nouveau(f.noms), f.noms);
    if (crochet) {
        crochet(EtapeRemplacement::noms_remplaces);
    }
    met_en_place(chemin_nouveau(f.dates), f.dates);
    if (crochet) {
        crochet(EtapeRemplacement::dates_remplacees);
    }
}

/// Removes the new names unless the replacement was decided.
class AnnulationNoms
{
public:
    explicit AnnulationNoms(fs::path nouveau) : nouveau_(std::move(nouveau)) {}
    AnnulationNoms(const AnnulationNoms&) = delete;
    AnnulationNoms& operator=(const AnnulationNoms&) = delete;
    ~AnnulationNoms()
    {
        if (!nouveau_.empty()) {
            ::unlink(nouveau_.c_str());
            synchronise_dossier(nouveau_);
        }
    }
    void decide() noexcept { nouveau_.clear(); }

private:
    fs::path nouveau_;
};

/// The same error about the file itself rather than its ".new" file.
platform::FileError erreur_du_fichier(const platform::FileError& e, const fs::path& fichier)
{
    std::string message = e.what();
    const std::string nouveau = platform::quoted(e.path());
    if (const std::size_t i = message.find(nouveau); i != std::string::npos) {
        message.replace(i, nouveau.size(), platform::quoted(fichier));
    }
    return {message, fichier};
}

/// Writes a complete ".new" file through a temporary file. Throws
/// platform::FileError naming `fichier`.
void ecrit_nouveau(const fs::path& fichier, std::string_view octets, EtapeRemplacement ecrit,
                   const CrochetRemplacement& crochet)
{
    try {
        platform::AtomicFile nouveau(chemin_nouveau(fichier));
        nouveau.write(octets);
        if (crochet) {
            crochet(ecrit);
        }
        nouveau.commit();
    } catch (const platform::FileError& e) {
        throw erreur_du_fichier(e, fichier);
    }
}

} // namespace

fs::path chemin_nouveau(const fs::path& fichier)
{
    return dossier_de(fichier) / ("." + fichier.filename().string() + ".new");
}

fs::path chemin_sauvegarde(const fs::path& fichier)
{
    return dossier_de(fichier) / (fichier.filename().string() + ".bak");
}

void remplace_paire(const FichiersFamille& f, std::string_view noms, std::string_view dates,
                    const CrochetRemplacement& crochet)
{
    reprend_remplacement(f);
    ecrit_nouveau(f.noms, noms, EtapeRemplacement::noms_ecrits, crochet);
    AnnulationNoms annulation(chemin_nouveau(f.noms));
    if (crochet) {
        crochet(EtapeRemplacement::noms_prets);
    }
    ecrit_nouveau(f.dates, dates, EtapeRemplacement::dates_ecrites, crochet);
    annulation.decide();
    if (crochet) {
        crochet(EtapeRemplacement::dates_pretes);
    }
    acheve(f, crochet);
}

Reprise reprend_remplacement(const FichiersFamille& f)
{
    platform::supprime_temporaires_abandonnes(dossier_de(f.noms));
    const bool noms = existe(chemin_nouveau(f.noms));
    const bool dates = existe(chemin_nouveau(f.dates));
    if (noms && !dates) {
        supprime(chemin_nouveau(f.noms));
        synchronise_dossier(f.noms);
        return Reprise::annulee;
    }
    if (noms) {
        acheve(f, {});
        return Reprise::achevee;
    }
    if (dates) {
        met_en_place(chemin_nouveau(f.dates), f.dates);
        return Reprise::achevee;
    }
    return Reprise::aucune;
}

} // namespace orvane::records
