#include "documents/zmanim_pages.h"

#include "documents/templates.h"
#include "documents/zmanim_books.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/file_names.h"
#include "platform/streamed_text_file.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "tables/day_list.h"

#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <system_error>

namespace orvane::documents
{

namespace fs = std::filesystem;

namespace
{

const fs::path dossier_horaires = fs::path("Orvanew") / "Horaires";

std::string_view extension(const DemandePages& d)
{
    return d.web ? "htm" : "txt";
}

/// "de l'année 2025  (5785/86)<BR>pour " + city: the civil year, the Hebrew
/// year running on its 1 January and the last two digits of the one that
/// begins in its autumn.
std::string titre_annee_liste(int annee, std::string_view ville_html)
{
    const std::string suivante = platform::pad_left(std::to_string((annee + 3761) % 100), 2, '0');
    return "de l'année " + std::to_string(annee) + "  (" + std::to_string(annee + 3760) + "/" +
           suivante + ")" + "<BR>pour " + std::string(ville_html);
}

std::string titre_texte(const DemandePages& d, int annee, std::string_view ville)
{
    if (d.genre == GenrePages::liste_monde) {
        return "<===== HORAIRES pour la ville de " + std::string(ville) + " =====>";
    }
    return "<===== HORAIRES DE L'ANNEE " + std::to_string(annee) + " pour la ville de " +
           std::string(ville) + " =====>";
}

/// The folders of the pages, made before the first page.
void cree_dossiers(const fs::path& repertoire, const DemandePages& d)
{
    const fs::path dossier = d.genre == GenrePages::une_ville
                                 ? fs::path("Horaires")
                                 : dossier_horaires / (d.web ? "Horaires" : "Horaitxt");
    const fs::path chemin = platform::lookup_ignoring_case(repertoire, dossier);
    std::error_code erreur;
    fs::create_directories(chemin, erreur);
    if (erreur) {
        throw platform::file_error(platform::FileAction::create_directory, chemin, erreur.value());
    }
}

/// The two templates, read once for the run: a missing one stops it before
/// any page. The head of a text page is made of its title.
struct Modeles {
    std::vector<std::string> tete;
    std::vector<std::string> pied;
};

Modeles lit_modeles(const fs::path& repertoire, const DemandePages& d)
{
    const std::string ext(extension(d));
    Modeles m;
    if (d.web) {
        m.tete = platform::read_lines(
            platform::lookup_ignoring_case(repertoire, dossier_horaires / ("fic_h1." + ext)));
    }
    m.pied = platform::read_lines(
        platform::lookup_ignoring_case(repertoire, dossier_horaires / ("fic_h2." + ext)));
    return m;
}

/// The folder of the pages of one year, its names read once. Each page is
/// found in it without regard to case, as lookup_ignoring_case finds it,
/// but a run writes a thousand pages to one folder: reading the folder
/// again for each of them would make the run quadratic. The names the run
/// writes are added as it goes.
class DossierDesPages
{
public:
    /// The page `relatif` of `repertoire`, its folder and its name found
    /// without regard to case.
    fs::path page(const fs::path& repertoire, const fs::path& relatif)
    {
        if (relatif.parent_path() != relatif_) {
            ouvre(repertoire, relatif.parent_path());
        }
        const std::string nom = relatif.filename().string();
        fs::path page = dossier_ / nom;
        if (!existe_ || existe(page)) {
            return page;
        }
        if (const auto autre = par_minuscules_.find(platform::to_lower(nom));
            autre != par_minuscules_.end()) {
            page.replace_filename(autre->second);
        }
        return page;
    }

    /// A page now written in the folder.
    void ecrite(const fs::path& page)
    {
        existe_ = true;
        retient(page.filename().string());
    }

private:
    static bool existe(const fs::path& chemin)
    {
        std::error_code erreur;
        return fs::exists(fs::symlink_status(chemin, erreur));
    }

    void ouvre(const fs::path& repertoire, const fs::path& relatif)
    {
        relatif_ = relatif;
        dossier_ = platform::lookup_ignoring_case(repertoire, relatif);
        existe_ = existe(dossier_);
        par_minuscules_.clear();
        if (!existe_) {
            return;
        }
        std::error_code erreur;
        for (fs::directory_iterator it(dossier_, erreur), fin; !erreur && it != fin;
             it.increment(erreur)) {
            retient(it->path().filename().string());
        }
    }

    /// Among names equal but for case, the first in byte order stands for
    /// them all.
    void retient(std::string nom)
    {
        auto [place, nouveau] = par_minuscules_.try_emplace(platform::to_lower(nom), nom);
        if (!nouveau && nom < place->second) {
            place->second = std::move(nom);
        }
    }

    fs::path relatif_{"."};
    fs::path dossier_;
    bool existe_ = false;
    std::map<std::string, std::string> par_minuscules_;
};

/// The run over the years and cities, and what it did.
class Construction
{
public:
    Construction(const fs::path& repertoire, const DemandePages& d,
                 zmanim::ZmanimSettings& reglages, const tables::EnvironnementTable& env)
        : repertoire_(repertoire), d_(d), reglages_(reglages), env_(env)
    {
    }

    RapportPages execute(const std::vector<places::Place>& villes, const ProgresPages& progres)
    {
        modeles_ = lit_modeles(repertoire_, d_);
        cree_dossiers(repertoire_, d_);
        if (d_.genre == GenrePages::liste_monde) {
            index_.emplace(platform::lookup_ignoring_case(repertoire_, std::string(index_monde)));
        }
        try {
            parcourt(villes, progres);
        } catch (...) {
            termine_index();
            throw;
        }
        termine_index();
        return std::move(r_);
    }

private:
    void parcourt(const std::vector<places::Place>& villes, const ProgresPages& progres)
    {
        const long annees = std::max(0, d_.derniere_annee - d_.premiere_annee + 1);
        const long total = annees * static_cast<long>(villes.size());
        long faites = 0;
        for (int annee = d_.premiere_annee; annee <= d_.derniere_annee; ++annee) {
            std::set<std::string> pris; // the names given in this year of this run
            for (const places::Place& lieu : villes) {
                if (progres && !progres(faites, total)) {
                    r_.interrompu = true;
                    return;
                }
                ++faites;
                ville(lieu, annee, pris);
            }
        }
    }

    void ville(const places::Place& lieu, int annee, std::set<std::string>& pris)
    {
        if (!tables::ville_a_calculer(lieu)) {
            if (d_.genre == GenrePages::une_ville) {
                r_.messages.push_back(lieu.ville + " : les 3 paramètres longitude, latitude et "
                                                   "gmt ne sont pas définis.");
            }
            return;
        }
        std::string nom = nom_page_ville(lieu.ville);
        if (d_.genre == GenrePages::liste_monde) {
            nom = nom_page_monde(nom, pris);
        } else if (!pris.insert(platform::to_lower(nom)).second) {
            r_.messages.push_back("La ville " + lieu.ville + " a le nom de fichier « " + nom +
                                  " » d'une ville d'avant : sa page est celle-là.");
        }
        const fs::path page = dossier_.page(repertoire_, chemin_page_zmanim(d_, annee, nom));
        bool ecrite = fs::exists(page);
        if (ecrite) {
            r_.existantes.push_back(page);
        } else {
            ecrite = construit(lieu, annee, nom, page);
        }
        if (ecrite && index_) {
            index_->write_line(
                ligne_index_monde(lieu.pays, lieu.ville, nom + "." + std::string(extension(d_))));
        }
    }

    /// The page of a city; false when the computation refused it.
    bool construit(const places::Place& lieu, int annee, const std::string& nom,
                   const fs::path& page)
    {
        tables::LignesEnMemoire corps;
        const tables::ResultatTable t =
            tables::calcule_table(demande_page(d_, lieu, annee), reglages_, env_, corps);
        if (t.refuse) {
            r_.messages.push_back(lieu.ville + " : " + t.message);
            return false;
        }
        std::vector<std::string> lignes =
            tete_page_zmanim(d_, modeles_.tete, annee, lieu.ville, nom);
        lignes.insert(lignes.end(), std::make_move_iterator(corps.lignes.begin()),
                      std::make_move_iterator(corps.lignes.end()));
        lignes.insert(lignes.end(), modeles_.pied.begin(), modeles_.pied.end());
        ecrit_page(page, lignes);
        dossier_.ecrite(page);
        r_.construites.push_back(page);
        return true;
    }

    void termine_index()
    {
        if (index_) {
            index_->commit();
            index_.reset();
        }
    }

    const fs::path& repertoire_;
    const DemandePages& d_;
    zmanim::ZmanimSettings& reglages_;
    const tables::EnvironnementTable& env_;
    Modeles modeles_;
    DossierDesPages dossier_;
    std::optional<platform::StreamedTextFile> index_;
    RapportPages r_;
};

std::string champ_entre_guillemets(std::string_view texte)
{
    std::string t = "\"";
    for (char c : texte) {
        if (c == '"' || c == '\\') {
            t += '\\';
        }
        t += c;
    }
    return t + "\"";
}

} // namespace

std::string_view liste_des_pages(GenrePages g)
{
    switch (g) {
    case GenrePages::liste_villes:
        return "willefr.cal";
    case GenrePages::liste_monde:
        return "willemd.cal";
    case GenrePages::une_ville:
        break;
    }
    return {};
}

tables::DemandeTable demande_page(const DemandePages& d, const places::Place& lieu, int annee)
{
    tables::DemandeTable t = d.modele;
    t.lieu = lieu;
    t.debut = {annee, 1, 1};
    t.fin = {annee, 12, 31};
    t.increment = 1;
    t.filtre = tables::FiltreJours::tous;
    t.mise_en_page = tables::MiseEnPage::tableau;
    t.sortie = d.web ? tables::Sortie::web : tables::Sortie::liste;
    t.reference_hebraique = false;
    t.annee_reference = annee;
    t.grille_mois = false;
    t.liste_monde = d.genre == GenrePages::liste_monde;
    if (!t.liste_monde) {
        t.ete_jour_par_jour = true;
    }
    return t;
}

std::string nom_page_ville(std::string_view ville)
{
    const std::string nom = platform::nom_fichier_ville(ville);
    return nom.empty() ? "ville" : nom;
}

std::string nom_page_monde(std::string nom, std::set<std::string>& pris)
{
    // File names are one whatever their case: "Neuilly" takes "NEUILLY".
    for (int k = 1; k <= 8 && pris.contains(platform::to_lower(nom)); ++k) {
        nom = platform::cut(std::to_string(k) + nom, 12);
    }
    pris.insert(platform::to_lower(nom));
    return nom;
}

std::string ligne_index_monde(std::string_view pays, std::string_view ville, std::string_view page)
{
    return "AjouterVille(" + champ_entre_guillemets(pays) + "," + champ_entre_guillemets(ville) +
           "," + champ_entre_guillemets(page) + ");";
}

fs::path chemin_page_zmanim(const DemandePages& d, int annee, std::string_view nom)
{
    const std::string fichier = std::string(nom) + "." + std::string(extension(d));
    if (d.genre == GenrePages::une_ville) {
        return fs::path("Horaires") / std::to_string(annee) / fichier;
    }
    return dossier_horaires / (d.web ? "Horaires" : "Horaitxt") / std::to_string(annee) / fichier;
}

std::vector<std::string> tete_page_zmanim(const DemandePages& d,
                                          const std::vector<std::string>& modele, int annee,
                                          std::string_view ville, std::string_view nom)
{
    if (!d.web) {
        return entete_simple(titre_texte(d, annee, ville));
    }
    const std::string v = platform::echappe_html(ville);
    const std::string an = std::to_string(annee);
    const std::string n(nom);
    switch (d.genre) {
    case GenrePages::une_ville:
        return remplace_ligne_marquee(modele, "de l'année", an + " pour la ville de " + v);
    case GenrePages::liste_villes: {
        auto l = remplace_ligne_marquee(modele, "Horaires de la journée<BR>",
                                        titre_annee_liste(annee, v));
        return remplace_ligne_marquee(std::move(l), "veldor.horairestxt",
                                      platform::echappe_html(an + "/" + n + ".txt"));
    }
    case GenrePages::liste_monde: {
        auto l = remplace_ligne_marquee(modele, "Horaires de la journée<BR>", "pour " + v);
        return remplace_ligne_marquee(std::move(l), "veldor.horairestxt",
                                      platform::echappe_html("MONDE/" + n + ".txt"));
    }
    }
    return modele;
}

std::vector<std::string> memo_fin_pages(const DemandePages& d, const std::string& repertoire,
                                        std::string_view nom_ville)
{
    const std::string debut = std::to_string(d.premiere_annee);
    const std::string fin = std::to_string(d.derniere_annee);
    const std::string ext(extension(d));
    if (d.genre == GenrePages::une_ville) {
        return {" PAGE WEB TERMINEE. VILLE " + d.modele.lieu.ville + " ANNEES " + debut + " A " +
                    fin,
                "",
                " Les fichiers " + std::string(nom_ville) + "." + ext + " se trouvent dans " +
                    repertoire + "Orvanew\\horaires\\Horaitx\\l_année\\la_ville.txt" + " sous " +
                    debut + " à " + fin,
                " Attention ! Chaque fichier occupera ~42Kb sur votre disque dur.",
                " Il vous fraudra les supprimer s'ils ne vous sont pas utiles."};
    }
    return {"                 CONSTRUCTION DES PAGES WEB TERMINEE",
            "",
            "           POUR TOUTES LES VILLES DU FICHIER 'WILLEFR.CAL'",
            "",
            "                        ET POUR LES ANNEES",
            "",
            "                           " + debut + " A " + fin,
            "",
            "  Les fichiers  ." + ext + " se trouvent dans " + repertoire + "à voir" + " sous " +
                debut + " à " + fin + " et portent le nom de la ville",
            "",
            "  Attention ! Chaque fichier que vous créez occupera ~42Kb sur votre disque dur.",
            "         Il vous fraudra les supprimer s'ils ne vous sont pas utiles."};
}

RapportPages pages_zmanim(const fs::path& repertoire, const DemandePages& d,
                          zmanim::ZmanimSettings& reglages, const tables::EnvironnementTable& env,
                          const ProgresPages& progres)
{
    std::vector<places::Place> villes;
    bool absente = false;
    if (d.genre == GenrePages::une_ville) {
        villes.push_back(d.modele.lieu);
    } else {
        const std::string liste(liste_des_pages(d.genre));
        absente = !fs::exists(platform::lookup_ignoring_case(repertoire, liste));
        villes = places::lit_fichier_lieux(repertoire, liste).lieux;
    }
    prepare_moments_publication(reglages, tables::MiseEnPage::tableau);
    RapportPages r = Construction(repertoire, d, reglages, env).execute(villes, progres);
    r.liste_absente = absente;
    r.memo = memo_fin_pages(d, (repertoire / "").string(), nom_page_ville(d.modele.lieu.ville));
    return r;
}

} // namespace orvane::documents
