// No file of the program directory ends the program: each file a reader
// takes (configuration keys, places files, the home place, summer-time
// tables, festival name lists, the series file, the glossary, the year files)
// is replaced in turn by an empty, a truncated, a binary and an over-long
// copy, and every reader and command that takes it is run. A reader either
// reads what it can or throws the library's file error, whose French message
// names the file; no other exception ever leaves it. The command line gives
// that message and goes on.
#include "cli_runner.h"
#include "config/config.h"
#include "config/program_options.h"
#include "events/glossary_entry.h"
#include "events/years/series_table.h"
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"
#include "shell/day/day_computation.h"
#include "shell/day/loaded_data.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;

struct Dommage {
    std::string nom;
    std::function<std::string(const std::string& valide)> contenu;
};

std::string binaire()
{
    std::string octets;
    for (int tour = 0; tour < 64; ++tour) {
        for (int c = 0; c < 256; ++c) {
            octets += static_cast<char>((c * 37 + tour) % 256);
        }
    }
    return octets;
}

/// The damaged copies of a valid file.
const std::vector<Dommage>& dommages()
{
    static const std::vector<Dommage> liste = {
        {"vide", [](const std::string&) { return std::string(); }},
        {"tronqué au milieu", [](const std::string& v) { return v.substr(0, v.size() / 2); }},
        {"tronqué dans le premier champ",
         [](const std::string& v) { return v.substr(0, std::min<std::size_t>(v.size(), 3)); }},
        {"binaire", [](const std::string&) { return binaire(); }},
        {"une ligne d'un mégaoctet", [](const std::string&) { return std::string(1 << 20, 'x'); }},
        {"un mégaoctet de champs",
         [](const std::string&) {
             std::string t;
             while (t.size() < (1u << 20)) {
                 t += "99999999999999999999\t-1e308\tnan\t";
             }
             return t;
         }},
        {"valide suivi d'octets invalides",
         [](const std::string& v) { return v + "\xff\xfe\x00\xc3(\r\n\t\t\t\r"; }},
        {"chiffres remplacés",
         [](const std::string& v) {
             std::string t = v;
             for (char& c : t) {
                 if (c >= '0' && c <= '9') {
                     c = (c == '2') ? 'x' : '9';
                 }
             }
             return t;
         }},
    };
    return liste;
}

class FichiersEndommages : public test_support::DansUnRepertoireNeuf
{
protected:
    void SetUp() override
    {
        DansUnRepertoireNeuf::SetUp();
        platform::install_program_directory(dir.path(), platform::delivered_data_directory());
        shell::ecrit_fichiers_annee(dir.path(), 2026, 5786);
        // The home place file and the series file are written by the first
        // run: make them now so that they can be damaged.
        (void)places::charge_lieux(dir.path());
        platform::write_lines(dir / std::string(events::nom_fichier_series),
                              {"Série 1\t5\tJ 2 H 3", "Série 2\t7\tJ 4 H 5"});
    }

    void remplace(const std::string& fichier, const std::string& contenu)
    {
        std::ofstream(dir / fichier, std::ios::binary | std::ios::trunc) << contenu;
    }
    std::string contenu_valide(const std::string& fichier)
    {
        return platform::read_text(dir / fichier);
    }

    /// Runs `lecture`; a file error must name a file of the directory, any
    /// other exception is a fault.
    static void sans_autre_exception(const std::string& quoi, const std::function<void()>& lecture)
    {
        try {
            lecture();
        } catch (const platform::FileError& e) {
            const std::string m = e.what();
            EXPECT_FALSE(m.empty()) << quoi;
            EXPECT_TRUE(
                m.find(".cal") != std::string::npos || m.find(".txt") != std::string::npos ||
                m.find(".dta") != std::string::npos || m.find("annee_") != std::string::npos)
                << quoi << " : le message ne nomme pas le fichier : " << m;
        } catch (const std::exception& e) {
            ADD_FAILURE() << quoi << " : exception " << typeid(e).name() << " : " << e.what();
        }
    }

    /// Every reader of the program directory, as the windows and commands
    /// call them.
    void lit_tout(const std::string& quoi)
    {
        const fs::path r = dir.path();
        sans_autre_exception(quoi + " / config.dta", [&] {
            config::ProgramOptions options;
            (void)config::lit_options_demarrage(r, options,
                                                [](const std::string&) { return true; });
            config::lit_options_affichage(r, options, false);
            (void)config::lit_cle(r, config::fichier_config, "Site");
        });
        sans_autre_exception(quoi + " / lieux", [&] {
            const places::LieuxCharges lieux = places::charge_lieux(r);
            (void)places::message_sans_lieux(lieux);
            for (std::size_t i = 0; i < lieux.listes.pays.size() && i < 20; ++i) {
                (void)places::choix_pays(lieux.listes, lieux.listes.pays[i]);
            }
            (void)places::choix_ville(lieux.listes, lieux.accueil.lieu.ville,
                                      lieux.accueil.lieu.pays);
            shell::DemandeJourAccueil demande;
            demande.date = {2026, 7, 15};
            demande.lieu = lieux.accueil.lieu;
            demande.opinion = lieux.accueil.opinion;
            (void)shell::calcule_jour(shell::DonneesChargees(r), demande);
        });
        sans_autre_exception(quoi + " / heure d'été", [&] {
            const places::TablesEte tables(r);
            for (const char* pays : {"France", "Belgique", "Israël", "États-Unis", "Chili"}) {
                for (int annee : {2025, 2026}) {
                    for (int mois = 1; mois <= 12; ++mois) {
                        (void)tables.correction(pays, config::mode_avec_changement,
                                                {annee, mois, 15}, std::nullopt);
                    }
                }
            }
        });
        sans_autre_exception(quoi + " / séries", [&] {
            const events::Series s = events::lit_ou_calcule_series(r);
            if (s.du_fichier) {
                (void)events::texte_61_series(s.lignes);
            }
        });
        sans_autre_exception(quoi + " / glossaire", [&] {
            (void)events::lignes_du_glossaire(r, events::cle_glossaire_fetes);
        });
        sans_autre_exception(quoi + " / années", [&] {
            (void)shell::lit_fichier_annee(r, "annee_c");
            (void)shell::lit_fichier_annee(r, "annee_h");
        });
    }

    /// The commands that read the directory end with status 0 or 2, and a
    /// failure says why on the error stream.
    void lance_les_commandes(const std::string& quoi)
    {
        const std::vector<std::vector<std::string>> commandes = {
            {"daypage", "2026-07-15"},
            {"places", "--country", "France"},
            {"dst", "France", "2026"},
            {"zmanim", "2026-03-29", "--place", "PARIS (75)"},
        };
        for (const auto& c : commandes) {
            const test_support::Sortie s = test_support::lance(c);
            EXPECT_TRUE(s.code == 0 || s.code == 2) << quoi << " / " << c[0] << " : " << s.code;
            if (s.code != 0) {
                EXPECT_FALSE(s.err.empty()) << quoi << " / " << c[0];
            }
        }
    }
};

TEST_F(FichiersEndommages, AucunLecteurNeLaisseEchapperAutreChose)
{
    const std::vector<std::string> fichiers = {
        "config.dta",   "config_ciop.txt", "lieu.cal",
        "lieu_acc.cal", "lieu_ac2.cal",    "h_France.txt",
        "H_europe.txt", "h_Israël.txt",    std::string(events::nom_fichier_series),
        "annee_c",      "annee_h",         "s_fetes.dta",
        "glossair.dta"};
    for (const std::string& f : fichiers) {
        if (!fs::exists(dir / f)) {
            platform::write_lines(dir / f, {"Ligne 1", "Ligne 2"});
        }
        const std::string valide = contenu_valide(f);
        for (const Dommage& d : dommages()) {
            remplace(f, d.contenu(valide));
            lit_tout(f + " " + d.nom);
            lance_les_commandes(f + " " + d.nom);
        }
        remplace(f, valide);
    }
}

// The mistyped table of the first report: the day of the start of summer
// 2026 reads "2x". The day page and the summer-time command name the file and
// the line; the other years of the table are still read.
TEST_F(FichiersEndommages, TableDEteMalTapee)
{
    std::vector<std::string> lignes = platform::read_lines(dir / "h_France.txt");
    std::size_t numero = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].find("\t2026\t1") != std::string::npos) {
            lignes[i].replace(lignes[i].find('\t', lignes[i].find('\t') + 1) + 1, 2, "2x");
            numero = i + 1;
        }
    }
    ASSERT_NE(numero, 0u);
    platform::write_lines(dir / "h_France.txt", lignes);
    const std::string ligne = "ligne " + std::to_string(numero);
    for (const std::vector<std::string>& c :
         {std::vector<std::string>{"daypage", "2026-07-15"}, {"dst", "France", "2026"}}) {
        const test_support::Sortie s = test_support::lance(c);
        EXPECT_EQ(s.code, 2) << c[0];
        EXPECT_NE(s.err.find("h_France.txt"), std::string::npos) << c[0] << " : " << s.err;
        EXPECT_NE(s.err.find(ligne), std::string::npos) << c[0] << " : " << s.err;
    }
    EXPECT_EQ(test_support::lance({"dst", "France", "2025"}).code, 0);
}

} // namespace
} // namespace orvane::cli
