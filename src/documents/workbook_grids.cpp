// The magnet (the year's Sabbaths, festivals and fasts on one page) and the
// wall calendars (a month on a grid of weeks).
#include "documents/workbook_cells.h"
#include "documents/workbook_kinds.h"
#include "documents/workbook_writer.h"
#include "engine/names.h"
#include "platform/text.h"

namespace orvane::documents
{

namespace
{

/// The days a magnet lists: those with an entry, an exit or a fast, and
/// every Sabbath, festival and fast day.
bool sur_le_magnet(const JourPage& j)
{
    return j.marque || !j.moments.empty();
}

/// "Ven 3 Janv.", "Ven 3 Tevet": the day in the direction of the page.
std::string date_du_magnet(Sens sens, const JourPage& j)
{
    const std::string mois =
        sens == Sens::civil_hebreu
            ? platform::left(engine::mois_civils[static_cast<std::size_t>(j.civile.mois)], 4) + "."
            : platform::trim(engine::nom_mois_hebreu(j.hebraique.mois, j.embolismique));
    return jour_court(j.jour_semaine) + " " + std::to_string(jour_du_sens(sens, j)) + " " + mois;
}

/// A block of months of the magnet: date, other date, what the day is,
/// entry (or beginning of a fast) and exit (or end), with three times each
/// for the three longitudes.
class BlocMagnet
{
public:
    BlocMagnet(FeuilleXlsx& f, const DonneesClasseur& d, int colonne)
        : f_(f), d_(d), c_(colonne), variantes_(static_cast<int>(d.pages.size()))
    {
    }

    [[nodiscard]] int largeur() const { return 3 + 2 * variantes_; }

    void entetes(int ligne)
    {
        f_.texte(ligne, c_, "Date", StyleCellule::colonne);
        f_.texte(ligne, c_ + 1, d_.sens == Sens::civil_hebreu ? "Date hébr." : "Date civile",
                 StyleCellule::colonne);
        f_.texte(ligne, c_ + 2, "Chabbat, fêtes et jeûnes", StyleCellule::colonne);
        for (int v = 0; v < variantes_; ++v) {
            const std::string nom =
                variantes_ > 1 ? "\n" + d_.noms[static_cast<std::size_t>(v)] : "";
            f_.texte(ligne, c_ + 3 + v, "Entrée" + nom, StyleCellule::colonne);
            f_.texte(ligne, c_ + 3 + variantes_ + v, "Sortie" + nom, StyleCellule::colonne);
        }
        f_.largeurs(c_, c_, 12);
        f_.largeurs(c_ + 1, c_ + 1, 12);
        f_.largeurs(c_ + 2, c_ + 2, 30);
        f_.largeurs(c_ + 3, c_ + 2 + 2 * variantes_, 6.5);
    }

    /// The month `m` from row `ligne`; the row after its last.
    int mois(std::size_t m, int ligne)
    {
        const MoisPage& page = d_.pages.front().mois[m];
        f_.fusionne(ligne++, c_, c_ + largeur() - 1, nom_feuille_mois(d_.sens, page),
                    StyleCellule::sous_titre);
        for (std::size_t j = 0; j < page.jours.size(); ++j) {
            if (sur_le_magnet(page.jours[j])) {
                jour(m, j, ligne++);
            }
        }
        return ligne;
    }

private:
    void jour(std::size_t m, std::size_t indice, int ligne)
    {
        const JourPage& j = d_.pages.front().mois[m].jours[indice];
        f_.texte(ligne, c_, date_du_magnet(d_.sens, j), style_du_jour(j, StyleCellule::texte));
        f_.texte(ligne, c_ + 1,
                 std::to_string(autre_jour(d_.sens, j)) + " " + autre_mois(d_.sens, j),
                 style_du_jour(j, StyleCellule::texte));
        f_.texte(ligne, c_ + 2, libelles_seuls(j), style_du_jour(j, StyleCellule::texte));
        for (int v = 0; v < variantes_; ++v) {
            const JourPage& jv = d_.pages[static_cast<std::size_t>(v)].mois[m].jours[indice];
            ecrit_heure(ligne, c_ + 3 + v, heure_debut(jv), j);
            ecrit_heure(ligne, c_ + 3 + variantes_ + v, heure_fin(jv), j);
        }
    }

    void ecrit_heure(int ligne, int colonne, const zmanim::TexteHoraire& h, const JourPage& j)
    {
        if (h.definie()) {
            f_.heure(ligne, colonne, h, style_du_jour(j, StyleCellule::heure));
        } else {
            f_.texte(ligne, colonne, "", style_du_jour(j, StyleCellule::heure));
        }
    }

    FeuilleXlsx& f_;
    const DonneesClasseur& d_;
    int c_;
    int variantes_;
};

/// Rows of a wall calendar's month: the title, the heading, the weekdays.
constexpr int lignes_titre_mural = 3;

/// The text of a day's square: the day, the other date, the festival and
/// notes, the entry and exit times.
std::string case_du_jour(Sens sens, const JourPage& j)
{
    std::string texte = std::to_string(jour_du_sens(sens, j)) + "   " +
                        std::to_string(autre_jour(sens, j)) + " " + autre_mois(sens, j);
    const std::string libelles = libelles_seuls(j);
    if (!libelles.empty()) {
        texte += "\n" + libelles;
    }
    for (const MomentHoraire& m : j.moments) {
        texte += "\n" + m.libelle + " " + heure_courte(m.heure);
    }
    return texte;
}

void feuille_murale(ClasseurXlsx& c, const DonneesClasseur& d, const MoisPage& m)
{
    MiseEnPage mise_en_page;
    mise_en_page.paysage = true;
    mise_en_page.une_seule_page = true;
    mise_en_page.lignes_titre = lignes_titre_mural;
    FeuilleXlsx f = c.feuille(nom_feuille_mois(d.sens, m), mise_en_page);
    f.fusionne(0, 0, 6, titre_du_mois(m), StyleCellule::titre);
    f.fusionne(1, 0, 6, entete_du_mois(m), StyleCellule::sous_titre);
    for (int js = 1; js <= 7; ++js) {
        f.texte(2, js - 1, jour_long(js), StyleCellule::colonne);
    }
    f.largeurs(0, 6, 24);
    int semaine = 0;
    std::vector<bool> remplies(7, false);
    const auto ferme_semaine = [&] {
        for (int js = 0; js < 7; ++js) {
            if (!remplies[static_cast<std::size_t>(js)]) {
                f.texte(lignes_titre_mural + semaine, js, "", StyleCellule::case_vide);
            }
        }
        f.hauteur(lignes_titre_mural + semaine, 82);
        remplies.assign(7, false);
        ++semaine;
    };
    for (std::size_t i = 0; i < m.jours.size(); ++i) {
        const JourPage& j = m.jours[i];
        const int colonne = j.jour_semaine - 1;
        f.texte(lignes_titre_mural + semaine, colonne, case_du_jour(d.sens, j),
                style_du_jour(j, StyleCellule::case_mois));
        remplies[static_cast<std::size_t>(colonne)] = true;
        if (j.jour_semaine == 7 || i + 1 == m.jours.size()) {
            ferme_semaine();
        }
    }
}

} // namespace

void ecrit_classeur_magnet(const std::filesystem::path& destination, const DonneesClasseur& d)
{
    ClasseurXlsx c(destination);
    MiseEnPage mise_en_page;
    mise_en_page.une_seule_page = true;
    mise_en_page.lignes_titre = 3;
    const PageAnnee& page = d.pages.front();
    FeuilleXlsx f = c.feuille("Magnet " + std::to_string(page.annee), mise_en_page);
    BlocMagnet gauche(f, d, 0);
    BlocMagnet droite(f, d, gauche.largeur() + 1);
    const int derniere = 2 * gauche.largeur();
    const std::string titre = page.mois.empty() ? std::string() : titre_du_mois(page.mois.front());
    f.fusionne(0, 0, derniere, titre, StyleCellule::titre);
    f.fusionne(1, 0, derniere, "Horaires selon " + opinion_des_pages(d.opinion),
               StyleCellule::sous_titre);
    gauche.entetes(2);
    droite.entetes(2);
    f.largeurs(gauche.largeur(), gauche.largeur(), 2);
    // The first half of the months on the left, the others on the right.
    const std::size_t moitie = (page.mois.size() + 1) / 2;
    int ligne = 3;
    for (std::size_t m = 0; m < moitie; ++m) {
        ligne = gauche.mois(m, ligne);
    }
    ligne = 3;
    for (std::size_t m = moitie; m < page.mois.size(); ++m) {
        ligne = droite.mois(m, ligne);
    }
    c.termine();
}

void ecrit_classeur_mural(const std::filesystem::path& destination, const DonneesClasseur& d)
{
    ClasseurXlsx c(destination);
    for (const MoisPage& m : d.pages.front().mois) {
        feuille_murale(c, d, m);
    }
    c.termine();
}

} // namespace orvane::documents
