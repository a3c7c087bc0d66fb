// Replacing the two files of a store together: interrupted after every
// step, with a full disk, and the states that an interruption leaves,
// which the next opening completes or undoes.

#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "records/store/atomic_pair.h"
#include "records/store/store.h"
#include "store_files.h"
#include "store_fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::records
{
namespace
{

using platform::test_support::TemporaryDirectory;
using test::octets_paire;
using test::OctetsPaire;

constexpr std::array<EtapeRemplacement, 8> etapes = {
    EtapeRemplacement::noms_ecrits,      EtapeRemplacement::noms_prets,
    EtapeRemplacement::dates_ecrites,    EtapeRemplacement::dates_pretes,
    EtapeRemplacement::noms_sauvegardes, EtapeRemplacement::dates_sauvegardees,
    EtapeRemplacement::noms_remplaces,   EtapeRemplacement::dates_remplacees};

/// What the hook throws to stop a replacement where it stands.
struct Interruption {
};

/// A store of three records, and what its files hold before and after
/// record 2 is changed.
struct Scenario {
    TemporaryDirectory dossier;
    FichiersFamille fichiers = choisit_fichiers(dossier.path(), Famille::deces);
    OctetsPaire avant;
    OctetsPaire sauvegardes_avant; // the pair before `avant`
    OctetsPaire apres;

    Scenario()
    {
        BaseFiches base(Famille::deces, fichiers);
        for (int k = 1; k <= 3; ++k) {
            base.ajoute_fiche(test::fiche_numero(Famille::deces, k), {});
        }
        avant = octets_paire(fichiers);
        sauvegardes_avant = {test::octets(chemin_sauvegarde(fichiers.noms)),
                             test::octets(chemin_sauvegarde(fichiers.dates))};
        // The same change made in another folder gives the new files.
        TemporaryDirectory ailleurs;
        const FichiersFamille autres = choisit_fichiers(ailleurs.path(), Famille::deces);
        platform::write_bytes(autres.noms, avant.noms);
        platform::write_bytes(autres.dates, avant.dates);
        change(autres, {});
        apres = octets_paire(autres);
    }

    static void change(const FichiersFamille& f, const CrochetRemplacement& crochet)
    {
        BaseFiches base(Famille::deces, f, crochet);
        const Resultat r = base.modifie_fiche(2, 2, test::fiche_numero(Famille::deces, 20), {});
        if (!r.fait) {
            throw std::runtime_error(r.message);
        }
    }

    /// The names of the entries of a folder.
    static std::set<std::string> entrees_de(const std::filesystem::path& d)
    {
        std::set<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(d)) {
            n.insert(e.path().filename().string());
        }
        return n;
    }
};

const std::set<std::string> fichiers_et_sauvegardes = {"base_dc_dates.txt", "base_dc_dates.txt.bak",
                                                       "base_dc_noms.txt", "base_dc_noms.txt.bak"};

// Stopped after any step, the replacement leaves the old files whole
// (before the decisive step, and nothing beside them), or is completed at
// the next reading (from the decisive step on): never a mixed pair.
TEST(RemplacementDePaire, InterrompuApresChaqueEtape)
{
    for (const EtapeRemplacement arret : etapes) {
        SCOPED_TRACE(static_cast<int>(arret));
        Scenario s;
        EXPECT_THROW(Scenario::change(s.fichiers,
                                      [arret](EtapeRemplacement e) {
                                          if (e == arret) {
                                              throw Interruption{};
                                          }
                                      }),
                     Interruption);
        const bool decide = arret >= etape_decisive;
        if (!decide) {
            EXPECT_EQ(octets_paire(s.fichiers), s.avant);
            EXPECT_EQ(Scenario::entrees_de(s.fichiers.noms.parent_path()), fichiers_et_sauvegardes);
        }
        BaseFiches reouverte(Famille::deces, s.fichiers);
        const EtatBase e = reouverte.etat();
        EXPECT_TRUE(e.defauts.empty());
        EXPECT_EQ(e.nombre, 3);
        EXPECT_EQ(octets_paire(s.fichiers), decide ? s.apres : s.avant);
        const bool restait = decide && arret != EtapeRemplacement::dates_remplacees;
        EXPECT_EQ(e.reprise, restait ? Reprise::achevee : Reprise::aucune);
        // Nothing is left beside the files and their backups; the backups
        // are a whole pair: the old files once the new ones won, else the
        // generation before them, untouched.
        EXPECT_EQ(Scenario::entrees_de(s.fichiers.noms.parent_path()), fichiers_et_sauvegardes);
        const OctetsPaire sauvegardes{test::octets(chemin_sauvegarde(s.fichiers.noms)),
                                      test::octets(chemin_sauvegarde(s.fichiers.dates))};
        EXPECT_EQ(sauvegardes, decide ? s.avant : s.sauvegardes_avant);
    }
}

// After each replacement the backups hold the generation before it.
TEST(RemplacementDePaire, SauvegardesDeLaGenerationPrecedente)
{
    TemporaryDirectory dossier;
    const FichiersFamille f = choisit_fichiers(dossier.path(), Famille::naissance);
    remplace_paire(f, "1\r\n", "1\r\n");
    remplace_paire(f, "2\r\n", "2\r\n");
    EXPECT_EQ(test::octets(chemin_sauvegarde(f.noms)), "1\r\n");
    EXPECT_EQ(test::octets(chemin_sauvegarde(f.dates)), "1\r\n");
    remplace_paire(f, "3\r\n", "3\r\n");
    EXPECT_EQ(octets_paire(f), (OctetsPaire{"3\r\n", "3\r\n"}));
    EXPECT_EQ(test::octets(chemin_sauvegarde(f.noms)), "2\r\n");
    EXPECT_EQ(test::octets(chemin_sauvegarde(f.dates)), "2\r\n");
    // A backup is a file of its own: writing the pair never changes it.
    remplace_paire(f, "4\r\n", "4\r\n");
    EXPECT_EQ(test::octets(chemin_sauvegarde(f.noms)), "3\r\n");
}

TEST(RemplacementDePaire, DroitsDesFichiersConserves)
{
    TemporaryDirectory dossier;
    const FichiersFamille f = choisit_fichiers(dossier.path(), Famille::evenement);
    ASSERT_EQ(::chmod(f.noms.c_str(), 0640), 0);
    ASSERT_EQ(::chmod(f.dates.c_str(), 0600), 0);
    remplace_paire(f, "a\r\n", "b\r\n");
    struct stat s {
    };
    ASSERT_EQ(::stat(f.noms.c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0640u);
    ASSERT_EQ(::stat(f.dates.c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0600u);
}

/// Writes the left states of a replacement by hand, as a kill leaves them.
struct EtatLaisse {
    TemporaryDirectory dossier;
    FichiersFamille f = choisit_fichiers(dossier.path(), Famille::naissance);
    EtatLaisse() { test::ecrit_paire(f, {"1\tancien"}, {"1\tancien"}); }
    void nouveau(const std::filesystem::path& fichier, const std::string& texte)
    {
        platform::write_bytes(chemin_nouveau(fichier), test::fichier_1252({texte}));
    }
};

TEST(RemplacementDePaire, RepriseDesEtatsLaisses)
{
    {
        // Only the new names: the replacement was not decided.
        EtatLaisse e;
        e.nouveau(e.f.noms, "1\tnouveau");
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::annulee);
        EXPECT_EQ(octets_paire(e.f), (OctetsPaire{test::fichier_1252({"1\tancien"}),
                                                  test::fichier_1252({"1\tancien"})}));
        EXPECT_EQ(Scenario::entrees_de(e.f.noms.parent_path()).size(), 2u);
    }
    {
        // Both new files: decided, completed with the backups.
        EtatLaisse e;
        e.nouveau(e.f.noms, "1\tnouveau");
        e.nouveau(e.f.dates, "1\tnouveau");
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::achevee);
        const std::string nouveau = test::fichier_1252({"1\tnouveau"});
        EXPECT_EQ(octets_paire(e.f), (OctetsPaire{nouveau, nouveau}));
        EXPECT_EQ(test::octets(chemin_sauvegarde(e.f.noms)), test::fichier_1252({"1\tancien"}));
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::aucune);
    }
    {
        // Only the new dates: the names were already put in place.
        EtatLaisse e;
        test::ecrit_paire(e.f, {"1\tnouveau"}, {"1\tancien"});
        e.nouveau(e.f.dates, "1\tnouveau");
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::achevee);
        const std::string nouveau = test::fichier_1252({"1\tnouveau"});
        EXPECT_EQ(octets_paire(e.f), (OctetsPaire{nouveau, nouveau}));
    }
    {
        // Nothing pending.
        EtatLaisse e;
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::aucune);
    }
}

// The temporary files of a dead process are removed; those of a living
// one are left.
TEST(RemplacementDePaire, TemporairesAbandonnesRetires)
{
    EtatLaisse e;
    const pid_t mort = ::fork();
    if (mort == 0) {
        ::_exit(0);
    }
    ::waitpid(mort, nullptr, 0);
    const auto dossier = e.f.noms.parent_path();
    const std::string abandonne = "..base_bm_noms.txt.new.tmp-" + std::to_string(mort) + "-3";
    const std::string vivant = "..base_bm_noms.txt.new.tmp-" + std::to_string(::getpid()) + "-3";
    platform::write_bytes(dossier / abandonne, "moitié");
    platform::write_bytes(dossier / vivant, "en cours");
    reprend_remplacement(e.f);
    const auto entrees = Scenario::entrees_de(dossier);
    EXPECT_FALSE(entrees.contains(abandonne));
    EXPECT_TRUE(entrees.contains(vivant));
}

/// Runs `travail` in a child process whose files may grow to `limite`
/// bytes (a full disk: writes past it fail with EFBIG); its exit status.
int dans_un_disque_plein(rlim_t limite, const std::function<int()>& travail)
{
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limite, limite};
        ::setrlimit(RLIMIT_FSIZE, &r);
        int statut = 3;
        try {
            statut = travail();
        } catch (...) {
        }
        ::_exit(statut);
    }
    int statut = 0;
    ::waitpid(enfant, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

// A full disk while either new file is written: the error names that file
// and the old files are whole, with nothing left beside them.
TEST(RemplacementDePaire, DisquePlein)
{
    for (const bool noms_trop_grands : {true, false}) {
        SCOPED_TRACE(noms_trop_grands);
        EtatLaisse e;
        const OctetsPaire avant = octets_paire(e.f);
        const std::string petit(100, 'p');
        const std::string grand(100000, 'g');
        const FichiersFamille f = e.f;
        const int statut = dans_un_disque_plein(10000, [&] {
            try {
                remplace_paire(f, noms_trop_grands ? grand : petit,
                               noms_trop_grands ? petit : grand);
            } catch (const platform::FileError& erreur) {
                const bool bon_fichier = erreur.path() == (noms_trop_grands ? f.noms : f.dates);
                const bool dit = std::string(erreur.what()).find("Impossible d'écrire") == 0;
                return bon_fichier && dit ? 0 : 1;
            }
            return 2;
        });
        EXPECT_EQ(statut, 0);
        EXPECT_EQ(octets_paire(e.f), avant);
        EXPECT_EQ(Scenario::entrees_de(e.f.noms.parent_path()).size(), 2u);
        EXPECT_EQ(reprend_remplacement(e.f), Reprise::aucune);
    }
}

// The same through the store: the record is not saved, the files are whole.
TEST(RemplacementDePaire, DisquePleinPendantUnEnregistrement)
{
    Scenario s;
    const FichiersFamille f = s.fichiers;
    const int statut = dans_un_disque_plein(s.avant.noms.size() / 2, [&] {
        try {
            Scenario::change(f, {});
        } catch (const platform::FileError&) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(statut, 0);
    EXPECT_EQ(octets_paire(s.fichiers), s.avant);
}

/// Makes a folder read-only: by its permissions, or for root (whom they do
/// not stop) by the immutable attribute. False when neither can be done.
bool en_lecture_seule(const std::filesystem::path& dossier, bool lecture_seule)
{
    if (::geteuid() != 0) {
        return ::chmod(dossier.c_str(), lecture_seule ? 0555 : 0755) == 0;
    }
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY);
    int attributs = 0;
    bool fait = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &attributs) == 0;
    if (fait) {
        attributs = lecture_seule ? attributs | FS_IMMUTABLE_FL : attributs & ~FS_IMMUTABLE_FL;
        fait = ::ioctl(fd, FS_IOC_SETFLAGS, &attributs) == 0;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return fait;
}

// A folder that cannot be written: the error names the file, and the files
// are as they were.
TEST(RemplacementDePaire, DossierEnLectureSeule)
{
    EtatLaisse e;
    const OctetsPaire avant = octets_paire(e.f);
    const auto dossier = e.f.noms.parent_path();
    if (!en_lecture_seule(dossier, true)) {
        GTEST_SKIP() << "le dossier ne peut pas être mis en lecture seule ici";
    }
    std::filesystem::path nomme;
    try {
        remplace_paire(e.f, "x", "y");
    } catch (const platform::FileError& erreur) {
        nomme = erreur.path();
    }
    BaseFiches base(Famille::naissance, e.f);
    EXPECT_THROW(base.ajoute_fiche(test::fiche_numero(Famille::naissance, 1), {}),
                 platform::FileError);
    en_lecture_seule(dossier, false);
    EXPECT_EQ(nomme, e.f.noms);
    EXPECT_EQ(octets_paire(e.f), avant);
    EXPECT_EQ(Scenario::entrees_de(dossier).size(), 2u);
}

} // namespace
} // namespace orvane::records
