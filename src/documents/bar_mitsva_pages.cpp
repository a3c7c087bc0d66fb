#include "documents/bar_mitsva_pages.h"

#include "documents/city_pages.h"
#include "documents/page_header.h"
#include "documents/templates.h"
#include "documents/year_page.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::documents
{

namespace
{

namespace fs = std::filesystem;

std::string ba(bool fille, bool majuscule)
{
    return std::string(majuscule ? "BA" : "Ba") +
           (majuscule ? lettre_du_sexe_majuscule(fille) : lettre_du_sexe(fille));
}

std::string pour_qui(bool fille)
{
    return fille ? "pour une fille" : "pour un garçon";
}

/// The year page of the births, without the times and without a limit of
/// lines: its day lines are the rows' first column.
PageAnnee page_des_naissances(const ParametresBarMitsva& p, int annee, int mois_fin,
                              const places::TablesEte& tables)
{
    DemandeCalendrier d;
    d.annee = annee;
    d.mois_debut = 1;
    d.mois_fin = mois_fin;
    d.horaires = false;
    d.parachiot = true;
    d.diaspora = p.diaspora;
    d.cible = Cible::fichier;
    CompteurAffichage compteur;
    return construit_page_calendrier(d, annee, tables, compteur);
}

bool ligne_de_nouvel_an(const std::string& ligne)
{
    return ligne.starts_with("\t\t\t");
}

std::string ligne_du_calendrier(const LigneBarMitsva& l, const std::string& texte, bool fille)
{
    return "\t<A name=B" + l.cle + "></A>" + platform::echappe_html(texte) + "  <A href=\"#N" +
           l.cle + "\">naissance</A>  <A href=\"#P" + l.cle + "\">paracha de " + ba(fille, false) +
           "-Mitsva</A>";
}

std::vector<std::string> lignes_du_modele(const fs::path& repertoire, std::string_view nom)
{
    return platform::read_lines(platform::lookup_ignoring_case(
        repertoire, fs::path(std::string(dossier_donnees)) / "Bar" / std::string(nom)));
}

void ajoute(std::vector<std::string>& a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
}

} // namespace

std::string titre_bar_mitsva(ModeBarMitsva mode, bool fille)
{
    return std::string(mode == ModeBarMitsva::tableau ? "Tableau" : "Calendrier") + " des " +
           ba(fille, false) + "-Mitsvot " + pour_qui(fille);
}

std::vector<std::string> entete_bar_mitsva(ModeBarMitsva mode, bool fille, int annee)
{
    const std::string y = std::to_string(annee);
    // A girl comes of age at twelve: her heading names the Bat-Mitsva and
    // the year of her ceremonies.
    const std::string ceremonie = std::to_string(annee + age_de_la_ceremonie(fille));
    return {
        std::string(mode == ModeBarMitsva::tableau ? "TABLEAU" : "CALENDRIER") + " DES " +
            ba(fille, true) + "-MITSVOT - " + y,
        "",
        "Naissances en " + y + " ( années " + std::to_string(annee + 3760) + " / " +
            std::to_string(annee + 3761) + " )",
        "Naissances en " + y + " - " + ba(fille, false) + "-Mitsva en " + ceremonie,
        "",
        "Dates de naissance\tDates de " + ba(fille, false) + "-Mitsva\t\tParacha de " +
            ba(fille, false) + "-Mitsva",
        "",
    };
}

PageBarMitsva construit_page_calendrier_bm(const ParametresBarMitsva& p, int annee, int mois_fin,
                                           const places::TablesEte& tables)
{
    PageBarMitsva page;
    page.annee = annee;
    page.parametres = p;
    page.texte = entete_bar_mitsva(p.mode, p.fille, annee);
    for (const std::string& l : page.texte) {
        page.calendrier.push_back(platform::echappe_html(l));
    }
    const LectureDuChabbat lecture(p, annee);
    const PageAnnee naissances = page_des_naissances(p, annee, mois_fin, tables);
    for (const MoisPage& mois : naissances.mois) {
        std::size_t jour = 0;
        for (const std::string& ligne : mois.lignes) {
            if (ligne_de_nouvel_an(ligne)) {
                page.texte.push_back(ligne);
                page.calendrier.push_back(ligne);
                continue;
            }
            const std::optional<LigneBarMitsva> l =
                calcul(mois.jours.at(jour++).civile, p, lecture);
            if (!l) {
                continue;
            }
            const std::string texte = platform::trim_right(ligne) + l->colonnes;
            page.texte.push_back(texte);
            page.calendrier.push_back(ligne_du_calendrier(*l, texte, p.fille));
            page.naissances.push_back(l->html_naissance);
            page.lectures.push_back(l->html_lecture);
            page.lignes.push_back(*l);
        }
    }
    return page;
}

void ecrit_fichiers_bar_mitsva(const fs::path& repertoire, const PageBarMitsva& page)
{
    const std::pair<std::string_view, const std::vector<std::string>*> fichiers[] = {
        {fichier_lignes_bm, &page.calendrier},
        {fichier_naissances_bm, &page.naissances},
        {fichier_lectures_bm, &page.lectures},
        {fichier_texte_bm, &page.texte},
    };
    for (const auto& [nom, lignes] : fichiers) {
        platform::write_lines(platform::lookup_ignoring_case(repertoire, nom), *lignes);
    }
}

std::string nom_page_bar_mitsva(int annee, bool fille)
{
    return std::to_string(annee) + (fille ? "F" : "");
}

fs::path chemin_page_bar_mitsva(const ParametresBarMitsva& p, int annee, bool web)
{
    const fs::path donnees{std::string(dossier_donnees)};
    const std::string nom = nom_page_bar_mitsva(annee, p.fille);
    if (!web) {
        return donnees / "Bar" / "Civheb" /
               (nom + (p.mode == ModeBarMitsva::tableau ? "T" : "") + ".txt");
    }
    return donnees / (p.mode == ModeBarMitsva::tableau ? "Tab_Bar" : "Cal_Bar") / "Civheb" /
           (nom + ".htm");
}

std::vector<std::string> page_html_bar_mitsva(const fs::path& repertoire, const PageBarMitsva& page)
{
    const ParametresBarMitsva& p = page.parametres;
    const std::string bam = ba(p.fille, false) + "-Mitsva";
    std::vector<std::string> l =
        remplace_ligne_marquee(lignes_du_modele(repertoire, "fic_bc1.htm"), "Bar Mitsvot<BR>",
                               platform::echappe_html(titre_bar_mitsva(p.mode, p.fille)) +
                                   "<BR>naissances de " + std::to_string(page.annee));
    ajoute(l, {"<P class=\"lien\"><A href=\"#naissances\">Dates de naissance</A> &nbsp; - &nbsp; "
               "<A href=\"#parachiot\">Paracha de " +
                   bam + "</A></P>",
               "<H2><A name=\"calendrier\"></A>Calendrier des naissances</H2>", "<PRE>"});
    ajoute(l, page.calendrier);
    ajoute(l, {"</PRE>", "<H2><A name=\"naissances\"></A>Dates de naissance</H2>",
               "<TABLE align=\"center\" cellspacing=\"1\"><TBODY>"});
    ajoute(l, page.naissances);
    ajoute(l, {"</TBODY></TABLE>", "<H2><A name=\"parachiot\"></A>Paracha de " + bam + "</H2>",
               "<PRE>"});
    ajoute(l, page.lectures);
    l.emplace_back("</PRE>");
    ajoute(l, lignes_du_modele(repertoire, "fic_bc2.htm"));
    return l;
}

std::vector<std::string> page_texte_bar_mitsva(const fs::path& repertoire,
                                               const PageBarMitsva& page)
{
    std::vector<std::string> l =
        entete_simple("<===== " + titre_bar_mitsva(page.parametres.mode, page.parametres.fille) +
                      " - naissances de " + std::to_string(page.annee) + " =====>");
    ajoute(l, page.texte);
    ajoute(l, lignes_du_modele(repertoire, "fic_bc2.txt"));
    return l;
}

fs::path ecrit_page_bar_mitsva(const fs::path& repertoire, const PageBarMitsva& page, bool web)
{
    const fs::path chemin = platform::lookup_ignoring_case(
        repertoire, chemin_page_bar_mitsva(page.parametres, page.annee, web));
    ecrit_page(chemin, web ? page_html_bar_mitsva(repertoire, page)
                           : page_texte_bar_mitsva(repertoire, page));
    return chemin;
}

} // namespace orvane::documents
