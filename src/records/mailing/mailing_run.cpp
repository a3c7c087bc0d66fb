#include "records/mailing/mailing_run.h"

#include "platform/file_names.h"
#include "platform/program_dir.h"
#include "platform/rtf.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "records/mailing/period.h"

#include <algorithm>

namespace orvane::records
{

std::string champ_de(const FicheAPublier& f, std::string_view nom)
{
    for (const auto& [champ, valeur] : f.champs) {
        if (champ == nom) {
            return valeur;
        }
    }
    return {};
}

std::vector<FicheAPublier> fiches_de_la_periode(const std::vector<FicheAPublier>& fiches,
                                                engine::DateCivile debut, int jours, bool sans_date)
{
    if (sans_date) {
        return fiches;
    }
    const engine::DateCivile fin = fin_de_periode(debut, jours);
    std::vector<FicheAPublier> r;
    for (const FicheAPublier& f : fiches) {
        if (f.prochain_anniversaire && dans_la_periode(*f.prochain_anniversaire, debut, fin)) {
            r.push_back(f);
        }
    }
    std::stable_sort(r.begin(), r.end(), [](const FicheAPublier& a, const FicheAPublier& b) {
        return *a.prochain_anniversaire < *b.prochain_anniversaire;
    });
    return r;
}

std::string ligne_de_selection(const FicheAPublier& f)
{
    return platform::left(champ_de(f, "NOM") + " " + champ_de(f, "PRE"), 30);
}

std::string nom_de_lettre(const FicheAPublier& f)
{
    return platform::nom_de_fichier_sur(platform::left(champ_de(f, "NOM"), 5) + "_" +
                                        champ_de(f, "PRE"));
}

std::string ligne_de_personne(const FicheAPublier& f)
{
    const std::string nom = champ_de(f, "NOM");
    const std::string prenom = champ_de(f, "PRE");
    return platform::left(nom, 5) + "_" + platform::left(prenom, 1) + "     " + nom + " " + prenom;
}

std::filesystem::path enregistre_lettre(const std::filesystem::path& dossier,
                                        const FicheAPublier& f,
                                        const std::vector<std::string>& lignes)
{
    platform::ensure_directory(dossier);
    const std::filesystem::path chemin = platform::chemin_libre(dossier, nom_de_lettre(f), ".rtf");
    platform::write_utf8(chemin, platform::document_rtf(lignes));
    return chemin;
}

ResultatMailing publipostage(const std::vector<FicheAPublier>& fiches, std::string_view modele,
                             std::string_view date_du_jour, const std::filesystem::path& dossier,
                             bool une_seule)
{
    ResultatMailing r;
    r.personnes.emplace_back("----- ENREGISTREMENT -----");
    for (const FicheAPublier& f : fiches) {
        const std::string lettre = remplit_modele(modele, f.champs, date_du_jour);
        r.lettres.push_back(enregistre_lettre(dossier, f, platform::split_lines(lettre)));
        r.personnes.push_back(ligne_de_personne(f));
        if (une_seule) {
            break;
        }
    }
    return r;
}

std::filesystem::path dossier_mailing(int annee_hebr)
{
    return std::filesystem::path("FMAIL") / std::to_string(annee_hebr);
}

} // namespace orvane::records
