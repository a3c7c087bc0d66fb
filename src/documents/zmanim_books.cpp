#include "documents/zmanim_books.h"

#include "places/places.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "tables/day_list.h"
#include "tables/table_files.h"

#include <memory>
#include <system_error>

namespace orvane::documents
{

namespace fs = std::filesystem;
using tables::MiseEnPage;

namespace
{

// Indexes of the moment boxes the publications change.
constexpr std::size_t m_mincha_ketana = 9, m_plag2 = 12, m_nuit = 16, m_heure_lc = 17,
                      m_heure_an = 18;

constexpr std::string_view extension_livre = "txt";

void cree_dossier(const fs::path& dossier)
{
    std::error_code erreur;
    fs::create_directories(dossier, erreur);
    if (erreur) {
        throw platform::file_error(platform::FileAction::create_directory, dossier, erreur.value());
    }
}

/// Receives the tables of the cities into the group file being written and
/// puts each in place when it is full.
class Groupes
{
public:
    Groupes(fs::path repertoire, int taille) : repertoire_(std::move(repertoire)), taille_(taille)
    {
    }

    tables::SortieTable& sortie()
    {
        if (!fichier_) {
            // Written under a work name, given its number once it is full.
            fichier_ = std::make_unique<tables::FichierTable>(chemin("zemanim.tmp"));
        }
        return *fichier_;
    }

    /// A city's table is written: the group is put in place when full.
    void ville_ecrite(RapportLivre& r)
    {
        ++villes_;
        if (villes_ % taille_ == 0) {
            ferme(nom_fichier_groupe('z', villes_ / taille_, extension_livre), r);
        }
    }

    /// The last group, under the name of the end of the list.
    void termine(RapportLivre& r) { ferme(nom_fichier_groupe('z', 0, extension_livre), r); }

private:
    fs::path chemin(const std::string& nom) const
    {
        return platform::lookup_ignoring_case(repertoire_, nom);
    }

    void ferme(const std::string& nom, RapportLivre& r)
    {
        const fs::path cible = chemin(nom);
        if (!fichier_) {
            platform::write_lines(cible, {}); // a group that received no city
        } else {
            fichier_->termine();
            std::error_code erreur;
            fs::rename(fichier_->chemin(), cible, erreur);
            if (erreur) {
                throw platform::file_error(platform::FileAction::write, cible, erreur.value());
            }
            fichier_.reset();
        }
        r.groupes.push_back({cible, villes_ - villes_du_groupe_precedent_});
        villes_du_groupe_precedent_ = villes_;
    }

    fs::path repertoire_;
    int taille_;
    int villes_ = 0;
    int villes_du_groupe_precedent_ = 0;
    std::unique_ptr<tables::FichierTable> fichier_;
};

} // namespace

std::string_view liste_du_livre(MiseEnPage m)
{
    return tables::est_une_plaque(m) ? "villepl.cal" : "villefr.cal";
}

int villes_par_groupe(MiseEnPage m)
{
    return tables::est_une_plaque(m) ? 10 : 40;
}

std::string nom_fichier_groupe(char lettre, int n, std::string_view extension)
{
    const std::string numero = n == 0 ? "f" : std::to_string(n);
    return std::string(1, lettre) + "emani" + numero + "." + std::string(extension);
}

void prepare_moments_publication(zmanim::ZmanimSettings& reglages, MiseEnPage m)
{
    auto& b = reglages.moments;
    b[m_mincha_ketana] = b[m_heure_lc] = b[m_heure_an] = b[m_plag2] = false;
    if (tables::est_une_plaque(m)) {
        b[m_mincha_ketana] = true;
    }
    if (m == MiseEnPage::livre) {
        b[m_nuit] = false;
    }
}

tables::DemandeTable demande_livre(const tables::DemandeTable& modele, MiseEnPage m, int annee)
{
    tables::DemandeTable d = modele;
    d.mise_en_page = m;
    d.sortie = tables::Sortie::memo;
    d.debut = {annee, 1, 1};
    d.fin = {annee, 12, 31};
    d.annee_reference = annee;
    d.increment = tables::est_une_plaque(m) ? 1 : 5;
    d.filtre = tables::FiltreJours::tous;
    d.ete_jour_par_jour = false;
    d.liste_monde = false;
    return d;
}

RapportLivre livre_des_villes(const fs::path& repertoire, const tables::DemandeTable& d,
                              zmanim::ZmanimSettings& reglages,
                              const tables::EnvironnementTable& env, const ProgresVilles& progres,
                              tables::SortieTable* autre)
{
    RapportLivre r;
    const std::string liste(liste_du_livre(d.mise_en_page));
    if (!fs::exists(platform::lookup_ignoring_case(repertoire, liste))) {
        r.liste_absente = true;
        return r;
    }
    const places::ListesLieux villes = places::lit_fichier_lieux(repertoire, liste);
    cree_dossier(platform::lookup_ignoring_case(repertoire, std::string(dossier_livre)));
    prepare_moments_publication(reglages, d.mise_en_page);
    Groupes groupes(repertoire, villes_par_groupe(d.mise_en_page));
    const long total = static_cast<long>(villes.lieux.size());
    for (long i = 0; i < total; ++i) {
        if (progres && !progres(i, total)) {
            r.interrompu = true;
            break;
        }
        const places::Place& lieu = villes.lieux[static_cast<std::size_t>(i)];
        if (!tables::ville_a_calculer(lieu)) {
            continue;
        }
        tables::DemandeTable ville = d;
        ville.lieu = lieu;
        tables::SortiesMultiples sorties(
            autre == nullptr ? std::vector<tables::SortieTable*>{&groupes.sortie()}
                             : std::vector<tables::SortieTable*>{&groupes.sortie(), autre});
        const tables::ResultatTable t = tables::calcule_table(ville, reglages, env, sorties);
        if (t.refuse) {
            r.messages.push_back(lieu.ville + " : " + t.message);
        }
        ++r.villes;
        groupes.ville_ecrite(r);
    }
    groupes.termine(r);
    platform::write_lines(platform::lookup_ignoring_case(repertoire, "zemanim.txt"), {});
    return r;
}

std::vector<fs::path> fichiers_des_plaques(const fs::path& repertoire,
                                           const tables::DemandeTable& modele, tables::MiseEnPage m,
                                           int premiere_annee, zmanim::ZmanimSettings& reglages,
                                           const tables::EnvironnementTable& env,
                                           const ProgresVilles& progres)
{
    constexpr std::string_view lettres = "ABCD";
    std::vector<fs::path> fichiers;
    for (std::size_t k = 0; k < lettres.size(); ++k) {
        const RapportLivre r = livre_des_villes(
            repertoire, demande_livre(modele, m, premiere_annee + static_cast<int>(k)), reglages,
            env, progres);
        if (r.liste_absente || r.interrompu || r.groupes.empty()) {
            break;
        }
        const fs::path annee = repertoire / ("ZEMANI1" + std::string(1, lettres[k]) + ".txt");
        std::error_code erreur;
        fs::rename(r.groupes.front().chemin, annee, erreur);
        if (erreur) {
            throw platform::file_error(platform::FileAction::write, annee, erreur.value());
        }
        fichiers.push_back(annee);
    }
    return fichiers;
}

} // namespace orvane::documents
