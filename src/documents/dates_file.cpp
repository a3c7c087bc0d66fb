#include "documents/dates_file.h"

#include "engine/arithmetic.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "platform/program_dir.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::documents
{
namespace
{

using Lignes = std::vector<std::string>;

std::string deux_chiffres(int n)
{
    return platform::pad_left(std::to_string(n), 2, '0');
}

std::string jour_de_semaine(const engine::DateCivile& c)
{
    return platform::pad_right(
        platform::trim(engine::jours_semaine[static_cast<std::size_t>(engine::jour_semaine(c))]),
        10);
}

std::string cote_civil(const engine::DateCivile& c)
{
    return deux_chiffres(c.jour) + "\t" +
           platform::pad_right(engine::mois_civils[static_cast<std::size_t>(c.mois)], 9) + "\t" +
           std::to_string(c.annee);
}

std::string cote_hebreu(const engine::DateHebraique& h)
{
    const bool embolismique = engine::annee_hebr_embolismique(h.annee);
    return deux_chiffres(h.jour) + "\t" +
           platform::pad_right(platform::trim(engine::nom_mois_hebreu(h.mois, embolismique)), 7) +
           "\t" + std::to_string(h.annee);
}

void titre_d_annee(Lignes& lignes, int annee)
{
    lignes.emplace_back();
    lignes.push_back("ANNEE " + std::to_string(annee));
    lignes.emplace_back();
}

/// The span of Hebrew years to walk for the direction: in the civil one,
/// from the Hebrew year that begins in the autumn before 1 January of the
/// first civil year to the one that ends after the last.
std::pair<int, int> annees_hebraiques(SensDates sens, int annee, int nombre)
{
    if (sens == SensDates::civil_hebreu) {
        return {annee + 3760, annee + 3760 + nombre};
    }
    return {annee, annee + nombre - 1};
}

} // namespace

std::string nom_fichier_dates(int premiere, int derniere)
{
    return "Dates_" + std::to_string(premiere) + "_" + std::to_string(derniere) + ".txt";
}

std::optional<std::string> refus_dates(SensDates sens, int annee, int nombre)
{
    if (nombre < 1) {
        return "Le nombre d'années doit être au moins 1.";
    }
    const auto [premiere, derniere] = annees_hebraiques(sens, annee, nombre);
    if (premiere >= engine::annee_hebr_min && derniere <= engine::annee_hebr_max) {
        return std::nullopt;
    }
    const bool civil = sens == SensDates::civil_hebreu;
    const int min = civil ? engine::annee_hebr_min - 3760 : engine::annee_hebr_min;
    const int max = civil ? engine::annee_hebr_max - 3761 : engine::annee_hebr_max;
    return std::string(civil ? "Les années civiles " : "Les années hébraïques ") +
           std::to_string(annee) + " à " + std::to_string(annee + nombre - 1) +
           " sortent du calendrier (années " + std::to_string(min) + " à " + std::to_string(max) +
           ").";
}

Lignes lignes_dates(SensDates sens, int annee, int nombre)
{
    const int derniere = annee + nombre - 1;
    Lignes lignes{"ANNEE(S) " + std::to_string(annee) +
                  (nombre > 1 ? " à " + std::to_string(derniere) : std::string())};
    const auto [premiere_hebr, derniere_hebr] = annees_hebraiques(sens, annee, nombre);
    for (engine::DateHebraique h{premiere_hebr, 1, 1}; h.annee <= derniere_hebr;
         h = engine::lendemain(h)) {
        const engine::DateCivile c = engine::civil_de_l_hebreu(h);
        if (sens == SensDates::civil_hebreu) {
            if (c.annee < annee || c.annee > derniere) {
                continue;
            }
            if (c.mois == 1 && c.jour == 1) {
                titre_d_annee(lignes, c.annee);
            }
            lignes.push_back(jour_de_semaine(c) + "\t" + cote_civil(c) + "\t=\t" + cote_hebreu(h));
        } else {
            if (h.mois == 1 && h.jour == 1) {
                titre_d_annee(lignes, h.annee);
            }
            lignes.push_back(jour_de_semaine(c) + "\t" + cote_hebreu(h) + "\t=\t" + cote_civil(c));
        }
    }
    return lignes;
}

FichierDates ecrit_fichier_dates(const std::filesystem::path& repertoire, SensDates sens, int annee,
                                 int nombre)
{
    const std::filesystem::path dossier = platform::ensure_subdirectory(repertoire, "DATES");
    FichierDates f;
    f.chemin = dossier / nom_fichier_dates(annee, annee + nombre - 1);
    platform::write_lines(f.chemin, lignes_dates(sens, annee, nombre));
    f.message = {"", "\r\tCréation de fichier terminée.\tVoir :  " + f.chemin.string()};
    return f;
}

} // namespace orvane::documents
