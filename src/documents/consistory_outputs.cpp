#include "documents/consistory_outputs.h"

#include "platform/text_file.h"

namespace orvane::documents
{

JoursTelephone jours_du_calendrier(const DemandeCalendrier& demande,
                                   const CalendrierSimplifie& calendrier,
                                   const places::TablesEte& tables)
{
    JoursTelephone jours;
    for (const PageAnnee& page : calendrier.pages) {
        JoursTelephone j = lit_export_telephone(page.export_lignes);
        if (demande.sens == Sens::civil_hebreu) {
            ajoute_changements_heure(
                j, tables.annee(demande.lieu.pays, page.annee, demande.mode_horaire), page.annee);
        }
        jours.horaires.insert(jours.horaires.end(), j.horaires.begin(), j.horaires.end());
        jours.libelles.insert(jours.libelles.end(), j.libelles.begin(), j.libelles.end());
    }
    return jours;
}

ResultatConsistoire ecrit_table_consistoire(const std::filesystem::path& repertoire,
                                            const DemandeCalendrier& demande,
                                            const CalendrierSimplifie& calendrier,
                                            const places::TablesEte& tables,
                                            std::string_view horodatage)
{
    const JoursTelephone jours = jours_du_calendrier(demande, calendrier, tables);
    ResultatConsistoire r;
    r.telephone = ecrit_fichiers_telephone(repertoire, demande.lieu.ville, demande.annee, jours);
    if (r.telephone.deja_la) {
        return r;
    }
    r.ical = repertoire / dossier_telephone /
             (ville_telephone(demande.lieu.ville) + std::to_string(demande.annee) + ".ics");
    platform::write_utf8(r.ical, calendrier_ical(jours, {demande.lieu.ville, demande.annee, true,
                                                         std::string(horodatage)}));
    return r;
}

} // namespace orvane::documents
