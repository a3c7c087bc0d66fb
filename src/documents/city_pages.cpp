#include "documents/city_pages.h"

#include "documents/page_bodies.h"
#include "documents/templates.h"
#include "documents/year_page.h"
#include "places/places.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "zmanim/day/horaires_jour.h"

namespace orvane::documents
{

namespace fs = std::filesystem;

namespace
{

bool civil(const DemandeCalendrier& d)
{
    return d.sens == Sens::civil_hebreu;
}

/// The two templates of a page family: "Orvanew/Dates/fic_cc1.htm" and
/// "…fic_cc2.htm".
struct Famille {
    fs::path tete;
    fs::path pied;
};

Famille famille(const DemandeCalendrier& d, std::string_view dossier)
{
    const std::string nom = civil(d) ? "fic_cc" : "fic_ch";
    const std::string ext(extension_pages(d));
    const fs::path base = fs::path(std::string(dossier_donnees)) / std::string(dossier);
    return {base / (nom + "1." + ext), base / (nom + "2." + ext)};
}

/// From a page to the program directory, then into the data folder: the
/// prefix of the images of its HTML.
std::string prefixe_images(const fs::path& page_relative)
{
    std::string prefixe;
    for (const auto& composant : page_relative.parent_path()) {
        (void)composant;
        prefixe += "../";
    }
    return prefixe + std::string(dossier_donnees) + "/";
}

std::string titre_texte(int annee, std::string_view ville)
{
    std::string t = "<===== CALENDRIER DE L'ANNEE " + std::to_string(annee);
    if (!ville.empty()) {
        t += " pour la ville de " + std::string(ville);
    }
    return t + " =====>";
}

/// The head of a page: the text title, or the HTML template with the title
/// and the link to the text version on the lines after their markers. The
/// delivered template is read, never rewritten.
std::vector<std::string> tete_de_page(const fs::path& repertoire, const DemandeCalendrier& d,
                                      const fs::path& modele, int annee, bool avec_ville,
                                      const std::string& lien_texte)
{
    if (!d.web) {
        return entete_simple(titre_texte(annee, avec_ville ? d.lieu.ville : ""));
    }
    std::vector<std::string> l =
        platform::read_lines(platform::lookup_ignoring_case(repertoire, modele));
    const std::string an = "de l'année " + std::to_string(annee);
    if (avec_ville) {
        l = remplace_ligne_marquee(std::move(l),
                                   civil(d) ? "Civil - H&eacute;braïque<BR>"
                                            : "H&eacute;braïque - Civil<BR>",
                                   an + "<BR>pour " + echappe_html(d.lieu.ville));
        return remplace_ligne_marquee(std::move(l), civil(d) ? "calendctx" : "calendhtx",
                                      echappe_html(lien_texte));
    }
    l = remplace_ligne_marquee(std::move(l), civil(d) ? "Dates C" : "Dates H", an);
    return remplace_ligne_marquee(std::move(l), civil(d) ? "CIVHEBTX" : "HEBCIVTX",
                                  echappe_html(lien_texte));
}

/// Builds the year page of `d` for `annee` into `page_relative`, its head
/// and foot from `f`; "cal_exl.txt" gets its export lines.
void construit(const fs::path& repertoire, const DemandeCalendrier& d, int annee,
               const places::TablesEte& tables, const fs::path& page_relative, const Famille& f,
               bool avec_ville, const std::string& lien_texte)
{
    DemandeCalendrier fichier = d;
    fichier.cible = Cible::fichier;
    CompteurAffichage compteur;
    const PageAnnee p = construit_page_calendrier(fichier, annee, tables, compteur);
    std::vector<std::string> lignes =
        tete_de_page(repertoire, fichier, f.tete, annee, avec_ville, lien_texte);
    const std::vector<std::string> corps =
        fichier.web ? corps_html(p, fichier, prefixe_images(page_relative))
                    : corps_texte(p, fichier);
    lignes.insert(lignes.end(), corps.begin(), corps.end());
    const std::vector<std::string> pied =
        platform::read_lines(platform::lookup_ignoring_case(repertoire, f.pied));
    lignes.insert(lignes.end(), pied.begin(), pied.end());
    ecrit_page(platform::lookup_ignoring_case(repertoire, page_relative), lignes);
    platform::write_lines(platform::lookup_ignoring_case(repertoire, fichier_export),
                          p.export_lignes);
}

std::string chaine_de_script(std::string_view texte)
{
    std::string t = "\"";
    for (char c : texte) {
        if (c == '"' || c == '\\') {
            t += '\\';
            t += c;
        } else if (c == '<') {
            t += "\\x3C";
        } else {
            t += c;
        }
    }
    return t + "\"";
}

fs::path dossier_par_defaut(const DemandeCalendrier& d)
{
    return civil(d) ? "CAL_CIVL" : "CAL_HEBR";
}

/// The request for one city of a list: its place, and its Tossefet and
/// Diaspora rules.
DemandeCalendrier demande_pour(const DemandeCalendrier& modele, const places::Place& lieu)
{
    DemandeCalendrier d = modele;
    d.lieu = lieu;
    const zmanim::TossefetDuLieu t = zmanim::tossefet_du_lieu(lieu.pays, lieu.ville);
    d.tossefet = t.tossefet;
    d.diaspora = t.diaspora;
    return d;
}

} // namespace

std::string_view extension_pages(const DemandeCalendrier& d)
{
    return d.web ? "htm" : "txt";
}

int emplacement_ville(int index)
{
    constexpr int lignes_par_colonne = 58;
    constexpr int colonnes = 5;
    if (index >= lignes_par_colonne * colonnes) {
        return index;
    }
    return colonnes * (index % lignes_par_colonne) + index / lignes_par_colonne;
}

fs::path chemin_page_une_ville(const DemandeCalendrier& d, int annee)
{
    const std::string ext(extension_pages(d));
    if (d.horaires) {
        return dossier_par_defaut(d) / std::to_string(annee) /
               (nom_fichier_ville(d.lieu.ville) + "." + ext);
    }
    const std::string dossier =
        civil(d) ? (d.web ? "Civheb" : "Civhebtx") : (d.web ? "Hebciv" : "Hebcivtx");
    return fs::path(std::string(dossier_donnees)) / "Dates" / dossier /
           (std::to_string(annee) + "." + ext);
}

ResultatPage page_une_ville(const fs::path& repertoire, const DemandeCalendrier& demande, int annee,
                            const places::TablesEte& tables)
{
    const fs::path relative = chemin_page_une_ville(demande, annee);
    ResultatPage r{platform::lookup_ignoring_case(repertoire, relative), false};
    if (fs::exists(r.page)) {
        return r;
    }
    if (demande.horaires) {
        const std::string fichier = nom_fichier_ville(demande.lieu.ville);
        construit(repertoire, demande, annee, tables, relative, famille(demande, "Calendri"), true,
                  std::to_string(annee) + "/" + fichier + ".txt");
    } else {
        construit(repertoire, demande, annee, tables, relative, famille(demande, "Dates"), false,
                  std::to_string(annee) + ".txt");
    }
    r.construite = true;
    return r;
}

std::vector<ResultatPage> pages_une_ville(const fs::path& repertoire,
                                          const DemandeCalendrier& demande,
                                          const places::TablesEte& tables)
{
    std::vector<ResultatPage> pages;
    for (int n = 0; n < std::max(demande.nombre_annees, 1); ++n) {
        pages.push_back(page_une_ville(repertoire, demande, demande.annee + n, tables));
    }
    return pages;
}

std::vector<std::string> lignes_emplacement(int emplacement, std::string_view ville,
                                            std::string_view fichier, std::string_view extension)
{
    const std::string n = std::to_string(emplacement);
    if (fichier.empty()) {
        return {"Villes[" + n + "]= \"\";"};
    }
    return {"Villes[" + n + "]= " + chaine_de_script(ville) + ";",
            "Fic_Villes[" + n + "] = " +
                chaine_de_script(std::string(fichier) + "." + std::string(extension)) + ";"};
}

namespace
{

/// `nom`, or when a city of the run already has it, the same ended by 2, 3 …
/// within the eight characters.
std::string nom_unique(const std::string& nom, std::set<std::string>& pris)
{
    if (pris.insert(nom).second) {
        return nom;
    }
    for (int n = 2;; ++n) {
        const std::string suffixe = std::to_string(n);
        // Cut by characters: a name may hold letters of several bytes ("‘Ar‘ara").
        std::string essai = platform::left(nom, 8 - suffixe.size());
        while (!essai.empty() && essai.back() == ' ') {
            essai.pop_back();
        }
        essai += suffixe;
        if (pris.insert(essai).second) {
            return essai;
        }
    }
}

} // namespace

RapportListe pages_liste_villes(const fs::path& repertoire, const DemandeCalendrier& demande,
                                int annee, const std::vector<std::string>& lignes_liste,
                                const places::TablesEte& tables, const fs::path& dossier,
                                const ApresVille& apres_ville, const ApresPageVille& apres_page,
                                const ProgresListe& progres)
{
    RapportListe r;
    std::set<std::string> pris; // the file names of this run, each once
    const std::string ext(extension_pages(demande));
    const fs::path sortie = dossier.empty() ? dossier_par_defaut(demande) : dossier;
    const fs::path calendri = fs::path(std::string(dossier_donnees)) / "Calendri";
    // Every template of the run is there before the first page is written.
    const Famille f = famille(demande, "Calendri");
    for (const fs::path& modele :
         {f.tete, f.pied, calendri / ("cal_haut." + ext), calendri / ("cal_bas." + ext)}) {
        if (!fs::is_regular_file(platform::lookup_ignoring_case(repertoire, modele))) {
            throw platform::file_error(platform::FileAction::open,
                                       platform::lookup_ignoring_case(repertoire, modele),
                                       "le modèle de page manque");
        }
    }
    for (std::size_t i = 0; i < lignes_liste.size(); ++i) {
        const int n = emplacement_ville(static_cast<int>(i));
        const places::Place lieu = places::decoupe_ligne_lieu(lignes_liste[i]);
        if (progres && !progres(static_cast<int>(i), static_cast<int>(lignes_liste.size()))) {
            r.interrompu = true;
            break;
        }
        std::string fichier =
            platform::trim(lignes_liste[i]).empty() ? "" : nom_fichier_ville(lieu.ville);
        if (!fichier.empty()) {
            const std::string propre = nom_unique(fichier, pris);
            if (propre != fichier) {
                r.messages.push_back("La ville " + lieu.ville + " a le fichier « " + propre +
                                     " », le nom « " + fichier + " » étant déjà pris");
                fichier = propre;
            }
        }
        const std::vector<std::string> slot = lignes_emplacement(n, lieu.ville, fichier, ext);
        r.emplacements.insert(r.emplacements.end(), slot.begin(), slot.end());
        if (fichier.empty()) {
            continue;
        }
        const DemandeCalendrier d = demande_pour(demande, lieu);
        if (zmanim::lit_lieu(lieu.latitude, lieu.longitude, lieu.decalage).refuse) {
            const std::string message = "Erreur dans les coordonnées de la ville " + lieu.ville;
            r.messages.push_back(message);
            platform::append_lines(
                platform::lookup_ignoring_case(repertoire, calendri / "ville_HS.txt"),
                {"\t" + message});
        } else {
            const fs::path relative = sortie / std::to_string(annee) / (fichier + "." + ext);
            ResultatPage page{platform::lookup_ignoring_case(repertoire, relative), false};
            if (!fs::exists(page.page)) {
                construit(repertoire, d, annee, tables, relative, famille(d, "Calendri"), true,
                          std::to_string(annee) + "/" + fichier + ".txt");
                page.construite = true;
            }
            r.pages.push_back(page);
            if (apres_page) {
                apres_page(d, fichier);
            }
        }
        if (apres_ville) {
            apres_ville(fichier);
        }
    }
    const fs::path ok = platform::lookup_ignoring_case(repertoire, calendri / "ville_OK.txt");
    ecrit_page(ok, r.emplacements);
    r.page_liste = platform::lookup_ignoring_case(repertoire, calendri / ("calendri." + ext));
    assemble_page(platform::lookup_ignoring_case(repertoire, calendri / ("cal_haut." + ext)), ok,
                  platform::lookup_ignoring_case(repertoire, calendri / ("cal_bas." + ext)),
                  r.page_liste);
    return r;
}

std::vector<std::string> rapport_pages(const DemandeCalendrier& d, int premiere, int derniere)
{
    const std::string debut = d.web ? "Fichier(s) HTM destinés au " : "Fichier(s) TXT destinés au ";
    const std::string ext(extension_pages(d));
    std::string sortie;
    if (d.horaires) {
        sortie = debut +
                 "pc. Sortie sous le répertoire  :  " + (civil(d) ? "CAL_CIVL" : "CAL_HEBR") +
                 "\\l_année\\nom_du_la_ville." + ext;
    } else {
        const std::string dossier =
            civil(d) ? (d.web ? "Civheb" : "Civhebtx") : (d.web ? "Hebciv" : "Hebcivtx");
        sortie = debut + "web. Sortie sous le répertoire  :  Orvanew\\Dates\\" + dossier +
                 "\\l_année." + ext;
    }
    return {"",
            "CONSTRUCTION DES PAGES WEB TERMINEE pour " + std::to_string(derniere - premiere + 1) +
                " année(s)",
            "",
            "POUR LES ANNEES DE ",
            "   " + std::to_string(premiere),
            "    A",
            "   " + std::to_string(derniere),
            "",
            "Résultats " + sortie,
            "",
            "Attention ! Chaque fichier occupera ~42Kb."};
}

} // namespace orvane::documents
