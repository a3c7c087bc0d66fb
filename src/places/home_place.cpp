#include "places/home_place.h"

#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

#include <array>

namespace orvane::places
{

namespace
{

std::filesystem::path chemin(const std::filesystem::path& repertoire, std::string_view fichier)
{
    return repertoire / platform::entry_ignoring_case(repertoire, fichier);
}

/// The first line of a file; none when the file is missing or empty.
std::optional<std::string> premiere_ligne(const std::filesystem::path& fichier)
{
    const auto lignes = platform::read_lines_if_exists(fichier);
    if (!lignes || lignes->empty()) {
        return std::nullopt;
    }
    return lignes->front();
}

} // namespace

LieuAccueil decoupe_lieu_accueil(std::string_view ligne)
{
    std::array<std::string, 8> champs;
    std::size_t debut = 0;
    for (std::string& champ : champs) {
        if (debut > ligne.size()) {
            break;
        }
        const std::size_t tab = ligne.find('\t', debut);
        champ = std::string(ligne.substr(debut, tab == std::string_view::npos ? tab : tab - debut));
        debut = tab == std::string_view::npos ? ligne.size() + 1 : tab + 1;
    }
    return LieuAccueil{Place{champs[0], champs[1], champs[2], champs[3], champs[4]}, champs[5],
                       champs[6], champs[7]};
}

std::string ligne_lieu_accueil(const LieuAccueil& accueil, bool avec_fichier)
{
    std::string ligne;
    for (const std::string* champ :
         {&accueil.lieu.ville, &accueil.lieu.pays, &accueil.lieu.latitude, &accueil.lieu.longitude,
          &accueil.lieu.decalage, &accueil.opinion, &accueil.correction}) {
        ligne += *champ + "\t";
    }
    if (avec_fichier) {
        ligne += accueil.fichier_lieux + "\t";
    }
    return ligne;
}

std::string_view fichier_lieux_nomme(std::string_view champ)
{
    return champ == "lieu_all.cal" ? std::string_view("lieu_all.cal")
                                   : std::string_view("lieu.cal");
}

bool ligne_accueil_a_reparer(std::string_view ligne)
{
    return ligne.empty() || ligne.find("combobox") != std::string_view::npos ||
           ligne.find("AA Ville ?") != std::string_view::npos ||
           ligne.find("Edit") != std::string_view::npos;
}

namespace
{

bool lignes_a_reparer(const std::vector<std::string>& lignes)
{
    return lignes.empty() || ligne_accueil_a_reparer(lignes.front());
}

/// The line that replaces a bad home place: the saved copy, unless it is
/// missing or bad as well, then the default line.
std::string ligne_de_secours(const std::filesystem::path& repertoire)
{
    std::optional<std::string> secours;
    try {
        secours = premiere_ligne(chemin(repertoire, fichier_lieu_accueil_secours));
    } catch (const platform::FileError&) {
        // An unreadable copy does not block the repair: the default line.
    }
    if (!secours || ligne_accueil_a_reparer(*secours)) {
        secours = std::string(ligne_lieu_accueil_defaut);
    }
    return *secours;
}

/// The lines of the home place file, read once, after it was created with
/// the default line when missing or repaired when bad.
std::vector<std::string> lignes_accueil_sures(const std::filesystem::path& repertoire)
{
    const std::filesystem::path accueil = chemin(repertoire, fichier_lieu_accueil);
    std::optional<std::vector<std::string>> lignes = platform::read_lines_if_exists(accueil);
    if (!lignes) {
        lignes = std::vector<std::string>{std::string(ligne_lieu_accueil_defaut)};
    } else if (lignes_a_reparer(*lignes)) {
        lignes = std::vector<std::string>{ligne_de_secours(repertoire)};
    } else {
        return *lignes;
    }
    try {
        platform::write_lines(accueil, *lignes);
    } catch (const platform::FileError&) {
        // A read-only program directory: the home place is used from memory,
        // and written again at its next change.
    }
    return *lignes;
}

} // namespace

bool repare_lieu_accueil(const std::filesystem::path& repertoire)
{
    const std::filesystem::path accueil = chemin(repertoire, fichier_lieu_accueil);
    const auto lignes = platform::read_lines_if_exists(accueil);
    if (!lignes || !lignes_a_reparer(*lignes)) {
        return false;
    }
    platform::write_lines(accueil, {ligne_de_secours(repertoire)});
    return true;
}

AccueilLu prepare_lieu_accueil(const std::filesystem::path& repertoire)
{
    const std::vector<std::string> lignes = lignes_accueil_sures(repertoire);
    AccueilLu lu;
    lu.accueil = decoupe_lieu_accueil(lignes.front());
    lu.fichier_lieux =
        std::string(fichier_lieux_nomme(decoupe_lieu_accueil(lignes.back()).fichier_lieux));
    return lu;
}

void ecrit_lieu_accueil(const std::filesystem::path& repertoire, const LieuAccueil& accueil,
                        bool avec_fichier)
{
    platform::write_lines(chemin(repertoire, fichier_lieu_accueil),
                          {ligne_lieu_accueil(accueil, avec_fichier)});
}

void enregistre_opinion_accueil(const std::filesystem::path& repertoire, LieuAccueil accueil,
                                std::string_view opinion)
{
    accueil.opinion = opinion;
    accueil.fichier_lieux = fichier_lieux_nomme(accueil.fichier_lieux);
    ecrit_lieu_accueil(repertoire, accueil, true);
}

} // namespace orvane::places
