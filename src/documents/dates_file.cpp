#include "documents/dates_file.h"

#include "engine/arithmetic.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "platform/program_dir.h"
#include "platform/streamed_text_file.h"
#include "platform/text.h"

#include <array>

namespace orvane::documents
{
namespace
{

using Lignes = std::vector<std::string>;

/// The names of the file padded once for every line: weekdays to 10, civil
/// months to 9, Hebrew months to 7 (common and leap years).
struct NomsDuFichier {
    std::array<std::string, 8> jours;
    std::array<std::string, 13> mois_civils;
    std::array<std::array<std::string, 14>, 2> mois_hebreux;

    NomsDuFichier()
    {
        for (std::size_t j = 1; j < jours.size(); ++j) {
            jours[j] = platform::pad_right(platform::trim(engine::jours_semaine[j]), 10);
        }
        for (std::size_t m = 1; m < mois_civils.size(); ++m) {
            mois_civils[m] = platform::pad_right(engine::mois_civils[m], 9);
        }
        for (int embolismique = 0; embolismique < 2; ++embolismique) {
            for (int m = 1; m <= 13; ++m) {
                mois_hebreux[static_cast<std::size_t>(embolismique)][static_cast<std::size_t>(m)] =
                    platform::pad_right(
                        platform::trim(engine::nom_mois_hebreu(m, embolismique == 1)), 7);
            }
        }
    }
};

const NomsDuFichier& noms()
{
    static const NomsDuFichier n;
    return n;
}

void ajoute_deux_chiffres(std::string& l, int n)
{
    l += static_cast<char>('0' + n / 10);
    l += static_cast<char>('0' + n % 10);
}

/// "01\tJanvier  \t2025".
void ajoute_cote_civil(std::string& l, const engine::DateCivile& c)
{
    ajoute_deux_chiffres(l, c.jour);
    l += '\t';
    l += noms().mois_civils[static_cast<std::size_t>(c.mois)];
    l += '\t';
    l += std::to_string(c.annee);
}

/// "01\tTevet  \t5785".
void ajoute_cote_hebreu(std::string& l, const engine::DateHebraique& h, bool embolismique)
{
    ajoute_deux_chiffres(l, h.jour);
    l += '\t';
    l += noms().mois_hebreux[embolismique ? 1 : 0][static_cast<std::size_t>(h.mois)];
    l += '\t';
    l += std::to_string(h.annee);
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

void pour_chaque_ligne_dates(SensDates sens, int annee, int nombre,
                             const std::function<void(const std::string&)>& ligne)
{
    const int derniere = annee + nombre - 1;
    ligne("ANNEE(S) " + std::to_string(annee) +
          (nombre > 1 ? " à " + std::to_string(derniere) : std::string()));
    const auto titre_d_annee = [&ligne](int a) {
        ligne("");
        ligne("ANNEE " + std::to_string(a));
        ligne("");
    };
    const bool civil = sens == SensDates::civil_hebreu;
    const auto [premiere_hebr, derniere_hebr] = annees_hebraiques(sens, annee, nombre);
    // The two calendars step together, a day at a time: one conversion for
    // the whole span, the weekday from the serial day number.
    engine::DateHebraique h{premiere_hebr, 1, 1};
    engine::DateCivile c = engine::civil_de_l_hebreu(h);
    engine::NumeroJour n = engine::numero_du_civil(c);
    bool embolismique = engine::annee_hebr_embolismique(h.annee);
    std::string l;
    for (; h.annee <= derniere_hebr; h = engine::lendemain(h), c = engine::lendemain(c), ++n) {
        if (h.mois == 1 && h.jour == 1) {
            embolismique = engine::annee_hebr_embolismique(h.annee);
        }
        if (civil && (c.annee < annee || c.annee > derniere)) {
            continue;
        }
        if (civil ? c.mois == 1 && c.jour == 1 : h.mois == 1 && h.jour == 1) {
            titre_d_annee(civil ? c.annee : h.annee);
        }
        l = noms().jours[static_cast<std::size_t>(engine::jour_semaine(n))];
        l += '\t';
        if (civil) {
            ajoute_cote_civil(l, c);
            l += "\t=\t";
            ajoute_cote_hebreu(l, h, embolismique);
        } else {
            ajoute_cote_hebreu(l, h, embolismique);
            l += "\t=\t";
            ajoute_cote_civil(l, c);
        }
        ligne(l);
    }
}

Lignes lignes_dates(SensDates sens, int annee, int nombre)
{
    Lignes lignes;
    pour_chaque_ligne_dates(sens, annee, nombre,
                            [&lignes](const std::string& l) { lignes.push_back(l); });
    return lignes;
}

FichierDates ecrit_fichier_dates(const std::filesystem::path& repertoire, SensDates sens, int annee,
                                 int nombre)
{
    const std::filesystem::path dossier = platform::ensure_subdirectory(repertoire, "DATES");
    FichierDates f;
    f.chemin = dossier / nom_fichier_dates(annee, annee + nombre - 1);
    platform::StreamedTextFile fichier(f.chemin);
    pour_chaque_ligne_dates(sens, annee, nombre,
                            [&fichier](const std::string& l) { fichier.write_line(l); });
    fichier.commit();
    f.message = {"", "\r\tCréation de fichier terminée.\tVoir :  " + f.chemin.string()};
    return f;
}

} // namespace orvane::documents
