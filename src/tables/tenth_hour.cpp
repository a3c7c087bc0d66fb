#include "tables/tenth_hour.h"

#include "platform/file_names.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"
#include "tables/table_header.h"

namespace orvane::tables
{

namespace fs = std::filesystem;

namespace
{

/// The slot of the tenth hour in the columns of a table.
constexpr std::string_view jeton_dixieme = "heureNV";

bool est_la_dixieme(const ColonneAffichee& c)
{
    return colonnes()[c.indice].jeton == jeton_dixieme;
}

/// The `position`-th cell of a row's text: the text after the label is
/// the cells, each after its separator.
std::string cellule(const RangeeTable& r, std::size_t position, std::string_view sep)
{
    std::string_view reste = r.texte;
    reste.remove_prefix(std::min(r.libelle.size(), reste.size()));
    for (std::size_t i = 0; reste.starts_with(sep); ++i) {
        reste.remove_prefix(sep.size());
        const std::size_t fin = reste.find(sep);
        if (i == position) {
            return std::string(reste.substr(0, fin));
        }
        if (fin == std::string_view::npos) {
            break;
        }
        reste.remove_prefix(fin);
    }
    return "--";
}

} // namespace

fs::path chemin_dixieme_heure(const DemandeTable& d)
{
    const fs::path dossier{std::string(dossier_dixieme_heure)};
    if (d.sortie == Sortie::liste) {
        return dossier / std::string(fichier_liste_dixieme_heure);
    }
    return dossier / (std::to_string(d.annee_reference) + "_" +
                      platform::nom_fichier_ville(d.lieu.ville) + ".txt");
}

FichierDixiemeHeure::FichierDixiemeHeure(const fs::path& repertoire, const DemandeTable& d)
    : demande_(d), liste_(d.sortie == Sortie::liste)
{
    const fs::path dossier =
        platform::ensure_subdirectory(repertoire, std::string(dossier_dixieme_heure));
    chemin_ = dossier / chemin_dixieme_heure(d).filename();
    if (!liste_) {
        fichier_ = std::make_unique<platform::StreamedTextFile>(chemin_);
    }
}

void FichierDixiemeHeure::ecrit(std::string texte)
{
    if (fichier_) {
        fichier_->write_line(texte);
    } else {
        bloc_.push_back(std::move(texte));
    }
}

void FichierDixiemeHeure::ligne(const std::string& texte)
{
    // The place line only: the notes, the titles and the month breaks of
    // the table are not this file's.
    if (!lieu_ecrit_) {
        ecrit(texte);
        ecrit(std::string(titre_dixieme_heure));
        ecrit(" ");
        lieu_ecrit_ = true;
    }
}

void FichierDixiemeHeure::colonnes(const std::vector<ColonneAffichee>& c)
{
    std::vector<ColonneAffichee> titre;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (est_la_dixieme(c[i])) {
            position_ = i;
            titre.push_back(c[i]);
        }
    }
    DemandeTable d = demande_;
    d.sortie = Sortie::memo; // the list pages have a fixed title line of their own
    ecrit(ligne_des_titres(d, titre));
}

void FichierDixiemeHeure::rangee(const RangeeTable& r)
{
    if (r.polaire) {
        ecrit(r.texte);
        return;
    }
    const std::string_view sep = separateur(demande_);
    const std::string heure = position_ ? cellule(r, *position_, sep) : "--";
    ecrit(r.libelle + std::string(sep) + heure);
}

void FichierDixiemeHeure::termine()
{
    if (fichier_) {
        fichier_->commit();
        return;
    }
    platform::append_lines(chemin_, bloc_);
    bloc_.clear();
}

} // namespace orvane::tables
