// A process killed (SIGKILL) while it saves records loses nothing: the
// files read by the next process are the pair before the save or the pair
// after it, and every record of them is whole.

#include "platform/temporary_directory.h"
#include "records/store/store.h"
#include "store_files.h"
#include "store_fixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace orvane::records
{
namespace
{

using platform::test_support::TemporaryDirectory;

/// Kills a child process for good and waits for its end.
void tue(pid_t enfant)
{
    ::kill(enfant, SIGKILL);
    int statut = 0;
    ::waitpid(enfant, &statut, 0);
}

/// Checks that the store holds exactly the records 1..n of `famille`, each
/// with its own content; returns n.
int fiches_entieres(BaseFiches& base, Famille famille)
{
    const EtatBase e = base.etat();
    EXPECT_TRUE(e.defauts.empty()) << e.message;
    const std::vector<FicheLue> fiches = base.fiches();
    EXPECT_EQ(static_cast<int>(fiches.size()), e.nombre);
    for (std::size_t i = 0; i < fiches.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        EXPECT_EQ(fiches[i].numero, k);
        EXPECT_EQ(fiches[i].fiche, fiche_ecrite(famille, test::fiche_numero(famille, k))) << k;
    }
    return e.nombre;
}

// A child stops at each step of the save of record 4 and is killed there:
// before the decisive step the store holds records 1..3, from it on 1..4.
TEST(ArretBrutal, TueAChaqueEtapeDUnEnregistrement)
{
    const Famille famille = Famille::naissance;
    for (int etape = 0; etape <= static_cast<int>(EtapeRemplacement::dates_remplacees); ++etape) {
        SCOPED_TRACE(etape);
        TemporaryDirectory dossier;
        BaseFiches base = BaseFiches::ouvre(dossier.path(), famille);
        for (int k = 1; k <= 3; ++k) {
            ASSERT_TRUE(base.ajoute_fiche(test::fiche_numero(famille, k), {}).fait);
        }
        int tube[2];
        ASSERT_EQ(::pipe(tube), 0);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            ::close(tube[0]);
            BaseFiches la_sienne(famille, base.fichiers(), [&](EtapeRemplacement e) {
                if (static_cast<int>(e) == etape) {
                    (void)!::write(tube[1], "x", 1);
                    for (;;) {
                        ::pause();
                    }
                }
            });
            try {
                la_sienne.ajoute_fiche(test::fiche_numero(famille, 4), {});
            } catch (...) {
            }
            ::_exit(0);
        }
        ::close(tube[1]);
        char lu = 0;
        ASSERT_EQ(::read(tube[0], &lu, 1), 1) << "l'enfant n'a pas atteint l'étape";
        ::close(tube[0]);
        tue(enfant);
        BaseFiches reouverte(famille, base.fichiers());
        const bool decide = etape >= static_cast<int>(etape_decisive);
        EXPECT_EQ(fiches_entieres(reouverte, famille), decide ? 4 : 3);
        for (const auto& entree : std::filesystem::directory_iterator(dossier / "barmitsv")) {
            const std::string nom = entree.path().filename().string();
            EXPECT_TRUE(nom.find(".new") == std::string::npos &&
                        nom.find(".tmp-") == std::string::npos)
                << nom;
        }
    }
}

// A child saves records 1, 2, 3 … as fast as it can and is killed at a
// moment chosen at random, twenty times: every time the store holds the
// records 1..n, each whole.
TEST(ArretBrutal, TuePendantDesEnregistrementsEnBoucle)
{
    std::mt19937 alea(3);
    int plus_grand = 0;
    for (int tour = 0; tour < 20; ++tour) {
        const Famille famille = std::array{Famille::naissance, Famille::deces,
                                           Famille::evenement}[static_cast<std::size_t>(tour % 3)];
        SCOPED_TRACE(tour);
        TemporaryDirectory dossier;
        const FichiersFamille fichiers = choisit_fichiers(dossier.path(), famille);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            try {
                BaseFiches la_sienne(famille, fichiers);
                for (int k = 1;; ++k) {
                    la_sienne.ajoute_fiche(test::fiche_numero(famille, k), {});
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + alea() % 200));
        tue(enfant);
        BaseFiches reouverte(famille, fichiers);
        plus_grand = std::max(plus_grand, fiches_entieres(reouverte, famille));
        // The store takes records again where it stopped.
        const int suivant = reouverte.etat().nombre + 1;
        EXPECT_EQ(reouverte.ajoute_fiche(test::fiche_numero(famille, suivant), {}).numero, suivant);
    }
    EXPECT_GT(plus_grand, 2) << "les enfants n'ont presque rien enregistré";
}

// While one program replaces the files, another waits for it instead of
// finishing what looks like an interrupted replacement: without the lock
// of the folder it would remove the first one's new names, and the first
// one, going on, would leave its new dates beside the old names.
TEST(VerrouDuDossier, UnSecondProgrammeAttendLaFinDeLEnregistrement)
{
    const Famille famille = Famille::evenement;
    TemporaryDirectory dossier;
    BaseFiches base = BaseFiches::ouvre(dossier.path(), famille);
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(base.ajoute_fiche(test::fiche_numero(famille, k), {}).fait);
    }
    int arrete[2];
    int reprend[2];
    ASSERT_EQ(::pipe(arrete), 0);
    ASSERT_EQ(::pipe(reprend), 0);
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        BaseFiches la_sienne(famille, base.fichiers(), [&](EtapeRemplacement e) {
            if (e == EtapeRemplacement::noms_prets) {
                char c = 0;
                (void)!::write(arrete[1], "x", 1);
                (void)!::read(reprend[0], &c, 1);
            }
        });
        int statut = 1;
        try {
            statut = la_sienne.ajoute_fiche(test::fiche_numero(famille, 4), {}).fait ? 0 : 1;
        } catch (...) {
        }
        ::_exit(statut);
    }
    char lu = 0;
    ASSERT_EQ(::read(arrete[0], &lu, 1), 1);
    std::atomic<bool> fini{false};
    EtatBase etat;
    std::thread autre([&] {
        BaseFiches la_notre(famille, base.fichiers());
        etat = la_notre.etat();
        fini = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fini) << "le second programme n'a pas attendu";
    (void)!::write(reprend[1], "x", 1);
    int statut = 0;
    ::waitpid(enfant, &statut, 0);
    autre.join();
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    EXPECT_EQ(etat.reprise, Reprise::aucune);
    EXPECT_EQ(fiches_entieres(base, famille), 4);
}

} // namespace
} // namespace orvane::records
