#include "zmanim/format/trace.h"

#include "engine/names.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::zmanim
{

std::string entete_trace(int annee_reference, const DayTimes& jour)
{
    std::string ligne = std::to_string(annee_reference) + "\t";
    for (const EntreeTrace& e : jour.trace) {
        ligne += e.etiquette + "\t\t";
    }
    return ligne;
}

std::string ligne_trace(const DayTimes& jour)
{
    const std::string_view mois = jour.mois >= 1 && jour.mois <= 12
                                      ? engine::mois_civils[static_cast<std::size_t>(jour.mois)]
                                      : std::string_view{};
    std::string ligne = texte_deux_chiffres(jour.jour) + " " + platform::left(mois, 4) + "\t";
    for (const EntreeTrace& e : jour.trace) {
        ligne += platform::left(texte_decimal(e.locale), 7) + "\t";
        ligne += platform::left(std::to_string(e.heures), 7) + "h " + std::to_string(e.minutes) +
                 "mn " + std::to_string(e.secondes) + "s\t";
    }
    return ligne;
}

FichierTrace::FichierTrace(std::filesystem::path chemin, int annee_reference)
    : chemin_(std::move(chemin)), annee_reference_(annee_reference)
{
}

void FichierTrace::ecrit_jour(const DayTimes& jour)
{
    std::vector<std::string> lignes;
    if (!entete_ecrit_) {
        lignes.push_back(entete_trace(annee_reference_, jour));
        entete_ecrit_ = true;
    }
    lignes.push_back(ligne_trace(jour));
    platform::append_lines(chemin_, lignes);
}

} // namespace orvane::zmanim
