#include "tables/weekly_file.h"

#include "tables/date_label.h"

namespace orvane::tables
{

namespace
{

constexpr std::string_view huit_titres =
    "Aube\tTefilin\tLever\tFin Ch\tFin Tef\tPlag\tCoucher\tEtoiles";

/// The row's line with its date label replaced by the numeric date.
std::string ligne_datee(const RangeeTable& r)
{
    return date_numerique(r.date) + r.texte.substr(std::min(r.libelle.size(), r.texte.size()));
}

std::string annees(const DemandeTable& d)
{
    const int a = d.annee_reference;
    if (d.reference_hebraique) {
        return std::to_string(a) + " = " + std::to_string(a - 3761) + " / " +
               std::to_string(a - 3760);
    }
    return std::to_string(a) + " = " + std::to_string(a + 3760) + " / " + std::to_string(a + 3761);
}

} // namespace

std::vector<std::string> entete_semaines(const DemandeTable& d)
{
    const std::string ville = d.lieu.ville + "   pour l'année : ";
    return {ville + annees(d), ville, "", "", "", ""};
}

std::string titres_semaines()
{
    return "Du\t" + std::string(huit_titres) + "\t" + "Au" + "\t" + std::string(huit_titres);
}

Semaines::Semaines(const DemandeTable& d) : filtre_(d.filtre), tampon_(titres_semaines()) {}

void Semaines::rangee(const RangeeTable& r)
{
    if (filtre_ == FiltreJours::semaines) {
        if (r.jour_semaine == 1) {
            tampon_ = ligne_datee(r);
        } else if (r.jour_semaine == 6) {
            ecrit(tampon_ + "\t" + ligne_datee(r));
            tampon_.clear();
        }
    } else if (filtre_ == FiltreJours::chabbatot_et_fetes) {
        ecrit(tampon_ + "\t" + ligne_datee(r));
        tampon_.clear();
    }
}

FichierSemaines::FichierSemaines(const DemandeTable& d, std::filesystem::path chemin)
    : Semaines(d), fichier_(std::move(chemin))
{
    for (const std::string& l : entete_semaines(d)) {
        fichier_.write_line(l);
    }
}

} // namespace orvane::tables
