#include "records/tables/listing.h"

#include "platform/text.h"
#include "records/tables/schemas.h"

#include <algorithm>

namespace orvane::records
{

namespace
{

std::string ligne(const Table& t, std::size_t fiche, char avant)
{
    std::string l;
    for (std::size_t c = 0; c < t.champs().size(); ++c) {
        l += avant;
        l += t.texte_du_champ(fiche, c);
    }
    return l;
}

template <typename Ligne>
std::vector<std::string> lignes(const Table& t, Ligne faire)
{
    std::vector<std::string> l;
    l.reserve(t.nombre());
    for (const std::size_t fiche : t.fiches_affichees()) {
        l.push_back(faire(t, fiche));
    }
    return l;
}

std::string ligne_par_defaut(const Table& t, std::size_t fiche)
{
    std::string l;
    for (const std::string_view nom : champs_par_defaut) {
        if (t.a_le_champ(nom)) {
            l += t.texte_de(fiche, nom);
            l += '\t';
        }
    }
    if (t.a_le_champ("NOTES")) {
        l += notes_exportees(t.texte_de(fiche, "NOTES"));
    }
    return l;
}

} // namespace

std::string ligne_de_listing(const Table& t, std::size_t fiche)
{
    return ligne(t, fiche, ' ');
}

std::string ligne_de_tous_les_champs(const Table& t, std::size_t fiche)
{
    return ligne(t, fiche, '\t');
}

std::vector<std::string> listing(const Table& t)
{
    return lignes(t, ligne_de_listing);
}

std::vector<std::string> export_tous_les_champs(const Table& t)
{
    return lignes(t, ligne_de_tous_les_champs);
}

std::vector<std::string> champs_selectionnes(const Table& t, const config::FichierCles& config)
{
    std::vector<std::string> choisis;
    for (const std::string_view nom : ordre_des_champs) {
        if (t.a_le_champ(nom) && config.vrai("Table1" + std::string(nom))) {
            choisis.emplace_back(nom);
        }
    }
    return choisis;
}

std::string notes_exportees(std::string_view notes)
{
    static constexpr std::array<std::string_view, 7> jours = {"Lundi", "Mardi", "Mercr", "Jeudi",
                                                              "Vendr", "Chabb", "Diman"};
    const std::string debut = platform::left(notes, 5);
    if (std::find(jours.begin(), jours.end(), debut) != jours.end()) {
        return platform::mid(notes, 29, 50);
    }
    return std::string(notes);
}

ExportSelection export_champs_selectionnes(const Table& t, const config::FichierCles& config)
{
    const std::vector<std::string> choisis = champs_selectionnes(t, config);
    ExportSelection e;
    e.par_defaut = choisis.empty();
    e.lignes = lignes(t, [&](const Table& table, std::size_t fiche) {
        if (e.par_defaut) {
            return ligne_par_defaut(table, fiche);
        }
        std::string l;
        for (const std::string& nom : choisis) {
            l += table.texte_de(fiche, nom);
            l += '\t';
        }
        return l;
    });
    return e;
}

std::string nom_de_base(const std::filesystem::path& fichier)
{
    const std::string nom = fichier.filename().string();
    return nom.substr(0, nom.find('.'));
}

std::string libelle_enregistrements(std::size_t nombre)
{
    return std::to_string(nombre) + " enregistrements";
}

std::string libelle_enregistrements_fiches(std::size_t nombre)
{
    return std::to_string(nombre) + " Enregistrements";
}

std::string libelle_fiches_selectionnees(std::size_t nombre)
{
    return std::to_string(nombre) + " fiches sélectionnées";
}

std::string titre_base_de_donnees(const std::filesystem::path& fichier)
{
    return "Base de données : " + fichier.filename().string();
}

} // namespace orvane::records
