#include "documents/workbook_build.h"

#include "documents/workbook_longitudes.h"
#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/raw_file.h"
#include "platform/text_file.h"

#include <array>

namespace orvane::documents
{

namespace fs = std::filesystem;

namespace
{

const std::string message_rav_rottenberg =
    " \rLa construction du calendrier sous ce format n'est pas prévu\ravec le choix de l'avis de "
    "Rav Rottenberg.\rVeuillez choisir un autre avis.";

bool est_mural(Classeur c)
{
    return c == Classeur::mural_civil || c == Classeur::mural_hebreu;
}

/// With Rav Rottenberg every kind but the magnet is laid out as the
/// complete calendar of the three longitudes.
Classeur classeur_retenu(Classeur c, const DemandeCalendrier& d)
{
    if (avis_rav_rottenberg(d.opinion) && c != Classeur::magnet) {
        return Classeur::complet;
    }
    return c;
}

/// The request of a spreadsheet build: one year, its export whole.
DemandeCalendrier demande_tableur(Classeur c, const DemandeCalendrier& demande)
{
    DemandeCalendrier d = demande;
    d.nombre_annees = 1;
    d.pour_tableur = true;
    d.calendrier_mural = est_mural(c);
    return d;
}

CalendrierSimplifie annee_construite(const DemandeCalendrier& d, const places::TablesEte& tables)
{
    CalendrierSimplifie c = calendrier_simplifie(d, tables);
    if (!c.erreur.empty()) {
        throw RefusClasseur(c.erreur);
    }
    return c;
}

/// The builds of one spreadsheet output: the export's year (one, or the
/// centre, east and west), and the days of the workbook.
struct Constructions {
    DemandeCalendrier demande;
    std::vector<CalendrierSimplifie> exports;
    DonneesClasseur donnees;
};

Constructions construit_annees(Classeur classeur, const DemandeCalendrier& demande,
                               const places::TablesEte& tables)
{
    if (const auto refus = refus_classeur(classeur, demande)) {
        throw RefusClasseur(*refus);
    }
    Constructions r;
    r.demande = demande_tableur(classeur, demande);
    r.donnees.sens = r.demande.sens;
    r.donnees.ville = r.demande.lieu.ville;
    r.donnees.opinion = r.demande.opinion;
    if (avis_rav_rottenberg(demande.opinion)) {
        const TroisLongitudes l = trois_longitudes(demande.lieu.longitude, demande.est_ouest);
        for (const auto& [nom, longitude] : std::array<std::pair<const char*, std::string>, 3>{
                 {{"Centre", l.centre}, {"Est", l.est}, {"Ouest", l.ouest}}}) {
            DemandeCalendrier d = r.demande;
            d.lieu.longitude = longitude;
            r.exports.push_back(annee_construite(d, tables));
            r.donnees.pages.push_back(r.exports.back().pages.back());
            r.donnees.noms.emplace_back(nom);
        }
        return r;
    }
    r.exports.push_back(annee_construite(r.demande, tables));
    r.donnees.noms.emplace_back();
    if (classeur == Classeur::mural_hebreu) {
        // The wall calendar of Hebrew year Y + 3760, from Tichri to Eloul;
        // the export stays the civil year's.
        DemandeCalendrier d = r.demande;
        d.sens = Sens::hebreu_civil;
        d.annee = demande.annee + 3760;
        d.mois_debut = 1;
        d.mois_fin = 13;
        d.calendrier_mural = false;
        r.donnees.sens = d.sens;
        r.donnees.pages.push_back(annee_construite(d, tables).pages.back());
    } else {
        r.donnees.pages.push_back(r.exports.back().pages.back());
    }
    return r;
}

fs::path dans(const fs::path& repertoire, std::string_view nom)
{
    return platform::lookup_ignoring_case(repertoire, std::string(nom));
}

/// "cal_exl.txt" as the three builds leave it: each build rewrites it and
/// is copied aside; the centre's is copied back last.
void ecrit_exports(const fs::path& repertoire, const Constructions& c)
{
    ecrit_fichiers_calendrier(repertoire, c.exports.front(), c.demande);
    if (c.exports.size() == 1) {
        return;
    }
    const fs::path exportation = dans(repertoire, fichier_export);
    platform::copy_file_atomically(exportation, dans(repertoire, fichier_export_centre));
    platform::write_lines(exportation, c.exports[1].pages.back().export_lignes);
    platform::copy_file_atomically(exportation, dans(repertoire, fichier_export_est));
    platform::write_lines(exportation, c.exports[2].pages.back().export_lignes);
    platform::copy_file_atomically(exportation, dans(repertoire, fichier_export_ouest));
    platform::copy_file_atomically(dans(repertoire, fichier_export_centre), exportation);
}

std::string_view suffixe(Classeur c)
{
    switch (c) {
    case Classeur::complet:
        return "complet";
    case Classeur::magnet:
        return "magnet";
    case Classeur::imprimeurs_fr:
        return "imprimeurs FR";
    case Classeur::imprimeurs_fr_hb:
        return "imprimeurs FR-HB";
    case Classeur::mural_civil:
        return "mural civil";
    case Classeur::mural_hebreu:
        return "mural hebreu";
    }
    return "complet";
}

} // namespace

std::optional<Classeur> classeur_de_la_sortie(Sortie sortie)
{
    switch (sortie) {
    case Sortie::excel_complet:
        return Classeur::complet;
    case Sortie::magnet:
        return Classeur::magnet;
    case Sortie::imprimeurs_fr:
        return Classeur::imprimeurs_fr;
    case Sortie::imprimeurs_fr_hb:
        return Classeur::imprimeurs_fr_hb;
    case Sortie::mural_civil:
        return Classeur::mural_civil;
    case Sortie::mural_hebreu:
        return Classeur::mural_hebreu;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> refus_classeur(Classeur classeur, const DemandeCalendrier& demande)
{
    const bool imprimeurs =
        classeur == Classeur::imprimeurs_fr || classeur == Classeur::imprimeurs_fr_hb;
    if (imprimeurs && avis_rav_rottenberg(demande.opinion)) {
        return message_rav_rottenberg;
    }
    return std::nullopt;
}

fs::path chemin_classeur(Classeur classeur, const DemandeCalendrier& demande)
{
    const Classeur retenu = classeur_retenu(classeur, demande);
    std::string nom = nom_fichier_ville(demande.lieu.ville) + " " + std::string(suffixe(retenu));
    if (avis_rav_rottenberg(demande.opinion)) {
        nom += " RR";
    }
    return fs::path(demande.sens == Sens::civil_hebreu ? "CAL_CIVL" : "CAL_HEBR") /
           std::to_string(demande.annee) / (nom + ".xlsx");
}

DonneesClasseur donnees_classeur(Classeur classeur, const DemandeCalendrier& demande,
                                 const places::TablesEte& tables)
{
    return construit_annees(classeur, demande, tables).donnees;
}

void ecrit_classeur(Classeur classeur, const DonneesClasseur& donnees, const fs::path& destination)
{
    switch (classeur) {
    case Classeur::complet:
        ecrit_classeur_complet(destination, donnees);
        return;
    case Classeur::magnet:
        ecrit_classeur_magnet(destination, donnees);
        return;
    case Classeur::imprimeurs_fr:
    case Classeur::imprimeurs_fr_hb:
        ecrit_classeur_imprimeurs(destination, donnees, classeur == Classeur::imprimeurs_fr_hb);
        return;
    case Classeur::mural_civil:
    case Classeur::mural_hebreu:
        ecrit_classeur_mural(destination, donnees);
        return;
    }
}

fs::path construit_classeur(Classeur classeur, const DemandeCalendrier& demande,
                            const places::TablesEte& tables, const fs::path& repertoire,
                            const fs::path& destination)
{
    const Constructions c = construit_annees(classeur, demande, tables);
    ecrit_exports(repertoire, c);
    fs::path chemin = destination;
    if (chemin.empty()) {
        const fs::path relatif = chemin_classeur(classeur, demande);
        chemin =
            platform::ensure_subdirectory(repertoire, relatif.parent_path()) / relatif.filename();
    }
    ecrit_classeur(classeur_retenu(classeur, demande), c.donnees, chemin);
    return chemin;
}

fs::path dossier_liste_tableur(const DemandeCalendrier& demande)
{
    return fs::path(std::string(dossier_donnees)) / "Calendri" /
           (demande.sens == Sens::civil_hebreu ? "Civhebxl" : "Hebcivxl");
}

RapportListeTableur classeurs_liste_villes(const fs::path& repertoire,
                                           const DemandeCalendrier& demande, int annee,
                                           const std::vector<std::string>& lignes_liste,
                                           const places::TablesEte& tables)
{
    RapportListeTableur r;
    DemandeCalendrier d = demande;
    d.web = false; // the pages beside the workbooks are text
    d.annee = annee;
    const fs::path dossier = dossier_liste_tableur(d);
    const auto classeur_de_la_ville = [&](const DemandeCalendrier& ville,
                                          const std::string& fichier) {
        DemandeCalendrier v = ville;
        v.annee = annee;
        const Classeur retenu = classeur_retenu(Classeur::complet, v);
        const fs::path chemin = platform::lookup_ignoring_case(
            repertoire, dossier / std::to_string(annee) / (fichier + ".xlsx"));
        ecrit_classeur(retenu, donnees_classeur(Classeur::complet, v, tables), chemin);
        r.classeurs.push_back(chemin);
    };
    r.liste = pages_liste_villes(repertoire, d, annee, lignes_liste, tables, dossier, {},
                                 classeur_de_la_ville);
    return r;
}

} // namespace orvane::documents
