#include "documents/workbook_bar_mitsva.h"

#include "documents/city_pages.h"
#include "documents/workbook_writer.h"
#include "engine/arithmetic.h"
#include "engine/names.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <map>

namespace orvane::documents
{

namespace
{

namespace fs = std::filesystem;

std::string ba(bool fille)
{
    return std::string("Ba") + lettre_du_sexe(fille) + "-Mitsva";
}

/// "10 Adar II 5771".
std::string date_hebraique(const engine::DateHebraique& d)
{
    return std::to_string(d.jour) + " " +
           platform::trim(
               engine::nom_mois_hebreu(d.mois, engine::annee_hebr_embolismique(d.annee))) +
           " " + std::to_string(d.annee);
}

std::string nom_feuille(const engine::DateCivile& d)
{
    return std::string(engine::mois_civils[static_cast<std::size_t>(d.mois)]) + " " +
           std::to_string(d.annee);
}

class FeuilleDuMois
{
public:
    FeuilleDuMois(ClasseurXlsx& c, const PageBarMitsva& page, const engine::DateCivile& premier)
        : f_(c.feuille(nom_feuille(premier), {.paysage = false, .lignes_titre = 4})),
          tableau_(page.parametres.mode == ModeBarMitsva::tableau)
    {
        const std::vector<std::string> entete =
            entete_bar_mitsva(page.parametres.mode, page.parametres.fille, page.annee);
        const std::vector<std::string> colonnes =
            colonnes_classeur_bar_mitsva(page.parametres.mode, page.parametres.fille);
        const int derniere = static_cast<int>(colonnes.size()) - 1;
        f_.fusionne(0, 0, derniere, entete[0], StyleCellule::titre);
        f_.fusionne(1, 0, derniere, entete[3], StyleCellule::sous_titre);
        f_.fusionne(2, 0, derniere, nom_feuille(premier), StyleCellule::sous_titre);
        for (int c = 0; c <= derniere; ++c) {
            f_.texte(3, c, colonnes[static_cast<std::size_t>(c)], StyleCellule::colonne);
        }
        f_.largeurs(0, 0, 10);
        f_.largeurs(1, 1, 11);
        f_.largeurs(2, 2, 17);
        f_.largeurs(3, derniere - 1, 15);
        f_.largeurs(derniere, derniere, 34);
        f_.fige(4, 2);
    }

    void ligne(const LigneBarMitsva& l)
    {
        const int r = ligne_++;
        const bool chabbat = engine::jour_semaine(l.naissance) == 7;
        const StyleCellule texte = chabbat ? StyleCellule::texte_marque : StyleCellule::texte;
        int c = 0;
        f_.texte(
            r, c++,
            platform::trim(
                engine::jours_semaine[static_cast<std::size_t>(engine::jour_semaine(l.naissance))]),
            texte);
        f_.nombre(r, c++, date_tableur(l.naissance), StyleCellule::date);
        f_.texte(r, c++, date_hebraique(l.naissance_hebraique), texte);
        if (tableau_) {
            f_.nombre(r, c++, date_tableur(l.ceremonie_civile), StyleCellule::date);
            f_.texte(r, c++, date_hebraique(l.ceremonie), texte);
        }
        f_.nombre(r, c++, date_tableur(l.chabbat), StyleCellule::date);
        f_.texte(r, c, l.lecture, texte);
    }

private:
    FeuilleXlsx f_;
    bool tableau_;
    int ligne_ = 4;
};

} // namespace

std::vector<std::string> colonnes_classeur_bar_mitsva(ModeBarMitsva mode, bool fille)
{
    std::vector<std::string> c = {"Jour", "Naissance", "Date hébraïque"};
    if (mode == ModeBarMitsva::tableau) {
        c.push_back(ba(fille));
        c.push_back(ba(fille) + " (hébraïque)");
    }
    c.emplace_back("Chabbat");
    c.push_back("Paracha de " + ba(fille));
    return c;
}

fs::path chemin_classeur_bar_mitsva(const ParametresBarMitsva& p, int annee)
{
    return chemin_page_bar_mitsva(p, annee, true).replace_extension(".xlsx");
}

void ecrit_classeur_bar_mitsva(const fs::path& destination, const PageBarMitsva& page)
{
    ClasseurXlsx classeur(destination);
    std::map<int, FeuilleDuMois> feuilles;
    for (const LigneBarMitsva& l : page.lignes) {
        auto f = feuilles.find(l.naissance.mois);
        if (f == feuilles.end()) {
            f = feuilles.emplace(l.naissance.mois, FeuilleDuMois(classeur, page, l.naissance))
                    .first;
        }
        f->second.ligne(l);
    }
    classeur.termine();
}

fs::path ecrit_classeur_bar_mitsva_dans(const fs::path& repertoire, const PageBarMitsva& page)
{
    const fs::path chemin = platform::lookup_ignoring_case(
        repertoire, chemin_classeur_bar_mitsva(page.parametres, page.annee));
    platform::cree_dossier_de(chemin);
    ecrit_classeur_bar_mitsva(chemin, page);
    return chemin;
}

} // namespace orvane::documents
