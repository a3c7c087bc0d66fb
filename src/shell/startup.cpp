#include "shell/startup.h"

#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/raw_file.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <charconv>

namespace orvane::shell
{

namespace
{

constexpr int erreur_fichier_introuvable = 2;
constexpr int erreur_sans_programme_associe = 31;

} // namespace

const std::vector<std::string_view>& repertoires_de_sortie()
{
    static const std::vector<std::string_view> noms = {
        "CAL_CIVL", "CAL_HEBR", "FETES",        "JEUNES",   "FETEJEUN", "NAISSANC",
        "EVENTS",   "DECES",    "CARACT_ANNEE", "MOLAD",    "TEKOUFOT", "ROCHODEC",
        "LEVANA",   "HAHAMA",   "GUECHAMIM",    "FICHES",   "FMAIL",    "TABLEAUTYPES",
        "OMER",     "HORAIRES", "PAGEACCUEIL",  "BARMITSV", "Orvanew",  "HAMETS",
        "NEUVIEME", "CONSISTO", "PLAQUETTE",    "MARIAGE",  "VISITE",   "VISITE_INT",
    };
    return noms;
}

std::vector<std::filesystem::path> cree_repertoires(const std::filesystem::path& repertoire,
                                                    int annee_hebr)
{
    std::vector<std::filesystem::path> echecs;
    for (std::string_view nom : repertoires_de_sortie()) {
        std::filesystem::path relatif{std::string(nom)};
        if (nom == "FMAIL") {
            relatif /= std::to_string(annee_hebr);
        }
        try {
            (void)platform::ensure_subdirectory(repertoire, relatif);
        } catch (const platform::FileError&) {
            echecs.push_back(repertoire / relatif);
        }
    }
    return echecs;
}

void ecrit_fichiers_annee(const std::filesystem::path& repertoire, int annee_civile, int annee_hebr)
{
    platform::write_lines(repertoire / platform::entry_ignoring_case(repertoire, "annee_c"),
                          {std::to_string(annee_civile)});
    platform::write_lines(repertoire / platform::entry_ignoring_case(repertoire, "annee_h"),
                          {std::to_string(annee_hebr)});
}

std::optional<int> lit_fichier_annee(const std::filesystem::path& repertoire,
                                     std::string_view fichier)
{
    const auto lignes = platform::read_lines_if_exists(
        repertoire / platform::entry_ignoring_case(repertoire, fichier));
    if (!lignes || lignes->empty()) {
        return std::nullopt;
    }
    const std::string texte = platform::trim(lignes->front());
    int annee = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), annee);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return annee;
}

ResultatCreation etape_creation(const std::filesystem::path& repertoire,
                                const platform::Clock& horloge, engine::CalendarEngine& engine,
                                config::ProgramOptions& options,
                                const platform::Confirmation& confirme)
{
    const platform::LocalDate aujourdhui = horloge.today();
    engine.aujourdhui_annee = aujourdhui.annee;
    engine.aujourdhui_mois = aujourdhui.mois;
    engine.aujourdhui_jour = aujourdhui.jour;
    engine.convertit_civil_hebreu(aujourdhui.annee, aujourdhui.mois, aujourdhui.jour);
    ResultatCreation r;
    const auto etape = [&r](const auto& f) {
        try {
            f();
        } catch (const platform::FileError& e) {
            r.erreurs.emplace_back(e.what());
        }
    };
    etape([&] { ecrit_fichiers_annee(repertoire, aujourdhui.annee, engine.annee_hebr); });
    etape([&] { (void)cree_repertoires(repertoire, engine.annee_hebr); });
    etape([&] { r.continuer = config::lit_options_demarrage(repertoire, options, confirme); });
    return r;
}

void ecrit_choix_diaspora(const std::filesystem::path& repertoire, bool diaspora)
{
    platform::write_lines(repertoire / platform::entry_ignoring_case(repertoire, "veldor3.ini"),
                          {diaspora ? "Diaspora=TRUE" : "Diaspora=FALSE"});
}

std::optional<std::string> ouvre_document(const std::filesystem::path& repertoire,
                                          std::string_view nom, platform::DocumentOpener& ouvreur)
{
    const std::filesystem::path chemin =
        platform::lookup_ignoring_case(repertoire, std::string(nom));
    int erreur = 0;
    if (!platform::file_exists(chemin)) {
        erreur = erreur_fichier_introuvable;
    } else if (!ouvreur.open(chemin)) {
        erreur = erreur_sans_programme_associe;
    }
    if (erreur == 0) {
        return std::nullopt;
    }
    return "Erreur " + std::to_string(erreur) + " en ouvrant " + std::string(nom) +
           "\rVoir les libellés dans le fichier openerro.dta";
}

} // namespace orvane::shell
