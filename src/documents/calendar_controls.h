// The annual calendar window without its widgets: the state of its controls,
// the years kept coupled, the defaults by city, and the checks and questions
// of "Calculer" before a calendar is built. The questions go through
// `DialoguesCalendrier`, which the window fills with message boxes and the
// tests with fixed answers.
//
//   ControlesCalendrier c = controles_d_ouverture(SensFenetre::civil, aujourdhui);
//   c.lieu = {"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};
//   choisit_ville(c);                 // Tossefet 40, Israel rules
//   std::optional<CalculRetenu> r = prepare_calcul(c, dialogues);
#pragma once

#include "config/config.h"
#include "config/program_options.h"
#include "documents/calendar_request.h"
#include "engine/dates.h"
#include "places/place.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::documents
{

/// The four ways the main window opens the window.
enum class SensFenetre { civil, hebreu, bar_mitsva_calendrier, bar_mitsva_tableau };

/// The kinds of output of "ComboBox5", in the order of the list.
inline constexpr std::array<std::string_view, 12> sorties_calendrier = {
    "Calcul et affichage d'un calendrier simplifié",
    "Construction d'un calendrier complet sous Excel",
    "Tables dates civiles-hébraïques (Création d'un fichier)",
    "Construction d'un calendrier pour Magnet",
    "Calendrier complet en FR pour imprimeurs",
    "Calendrier complet en FR / HB pour imprimeurs",
    "Calendrier mural - Année civile",
    "Calendrier mural - Année hébraïque",
    "Iphone consistoire",
    "Tables horaires ciop",
    "Calendrier ciop",
    "Tables Tset Hakokhavim Admour Hazaken (6,54°)",
};

enum class Sortie {
    simplifie,
    excel_complet,
    dates,
    magnet,
    imprimeurs_fr,
    imprimeurs_fr_hb,
    mural_civil,
    mural_hebreu,
    iphone_consistoire,
    tables_ciop,
    calendrier_ciop,
    tset_admour,
};

/// The rules of the Sabbath entry in summer ("ComboBox4").
inline constexpr std::array<std::string_view, 8> regles_entree_chabbat = {
    "Année : Heure normale (cas général)",
    "Eté : Entre Plag et Plag + 15 mim (BDP)",
    "Eté : Entre Plag et l'heure normale",
    "Année : Entre Plag et l'heure normale",
    "Eté : Limite à 20h",
    "Eté : Limite à 20h15",
    "Eté : Limite à 20h30",
    "Eté : Limite à 20h40",
};

/// The sizes of the stars for nightfall ("ComboBox6"): the item, the
/// depression of the sun in degrees and the label of the headers.
struct TailleEtoiles {
    std::string_view item;
    double degres;
    std::string_view libelle;
};
inline constexpr std::array<TailleEtoiles, 6> tailles_etoiles = {{
    {"Etoiles moyenes à 7,08° (standard)", 7.08, "7.08"},
    {"Etoiles petites à 8° pour le Chéma", 8.0, "8"},
    {"Etoiles moyenes à 5,95°", 5.95, "5.95"},
    {"Etoiles moyenes à 6,1°", 6.1, "6.1"},
    {"Etoiles moyenes à 6,54°", 6.54, "6.54"},
    {"Etoiles moyenes à 7,12°", 7.12, "7.12"},
}};

/// The latest time of 'Hamets ("ComboBox7").
inline constexpr std::array<std::string_view, 3> methodes_hamets = {
    "Beth-Din : Selon Aube/Etoiles", "Gaon : Selon Lever/Coucher", "Selon Aube/RabénouTam"};

/// The outputs of "Memo", of the chosen city's files, of the list's files.
enum class CibleFenetre { memo, fichier_ville, fichier_liste };

/// Every control of the window that a build reads.
struct ControlesCalendrier {
    SensFenetre sens = SensFenetre::civil;
    int annee = 2025;       // "SpinEdit5": civil or Hebrew after the direction
    int autre_annee = 5785; // "SpinEdit6": the other calendar's year
    int mois_debut = 1;
    int mois_fin = 12;
    int nombre_annees = 1;
    int increment = 1;
    int sortie = 0; // index in `sorties_calendrier`
    bool premiers_du_mois = false;
    bool chabbat_et_fetes = false;
    bool parachiot = true;
    bool hilloulot = false;
    bool levana_sepharade = true;
    bool horaires = true;
    bool opinion_sur_tables = false;
    bool toutes_entrees = false;
    places::Place lieu{"", "", "48°52N", "2°20E", "+1"};
    std::string opinion{"Rambam"};
    int etoiles = 0;      // index in `tailles_etoiles`
    int hamets = 0;       // index in `methodes_hamets`
    int regle_entree = 0; // index in `regles_entree_chabbat`
    int tossefet = 18;    // "Tossefet, entrée Chab.", 4 to 40
    int est_ouest = 3;    // minutes of arc between the east and west of the town
    bool diaspora = true;
    CibleFenetre cible = CibleFenetre::memo;
    bool web = false;
    bool fille = false; // "Fille" rather than "Garçon" (Bar-Mitsva modes)
};

/// True in the two directions of Hebrew years ("Hébreu --> Civil").
[[nodiscard]] bool en_hebreu(SensFenetre sens);
/// True in the two Bar-Mitsva modes.
[[nodiscard]] bool bar_mitsva(SensFenetre sens);

/// The controls at an opening in direction `sens` on day `aujourdhui`:
/// the years of today, the months of the direction and the other defaults.
[[nodiscard]] ControlesCalendrier controles_d_ouverture(SensFenetre sens,
                                                        const engine::DateCivile& aujourdhui);

/// "Aujourd'hui": the driving year from today. In the civil direction it is
/// the civil year of the Hebrew year of today (from Roch Hachana to 31
/// December, the next civil year).
void annees_d_aujourdhui(ControlesCalendrier& c, const engine::DateCivile& aujourdhui);

/// The driving year typed: the other year follows; a year 0 becomes -1
/// coming from a positive year, 1 coming from a negative one.
void change_annee(ControlesCalendrier& c, int annee);
/// The other year typed: the driving year follows, with the same rule for 0.
void change_autre_annee(ControlesCalendrier& c, int autre);

/// The title above the years ("Année civile  Année hébr             Année
/// civile 2025  =  5785 / 5786 hébraïques").
[[nodiscard]] std::string titre_des_annees(const ControlesCalendrier& c);

/// A city chosen: the Tossefet and the Diaspora rules of its place
/// (Jerusalem 40, Israel 20, elsewhere 18), and the east-west minutes
/// (5 for Paris, 3 elsewhere).
void choisit_ville(ControlesCalendrier& c);

/// "Valeurs par défaut": today's years and every choice back to its first
/// item, Tossefet 18, "Horaires" checked.
void valeurs_par_defaut(ControlesCalendrier& c, const engine::DateCivile& aujourdhui);

/// True when the east-west minutes stand in the window (Rav Rottenberg).
[[nodiscard]] bool montre_est_ouest(const ControlesCalendrier& c);

/// The answers of a question with three buttons.
enum class Reponse { oui, non, annuler };
/// The answers of the warning on the coordinates of Paris.
enum class ReponseParis { ok, annuler, ignorer };

/// The modal messages and questions of "Calculer".
struct DialoguesCalendrier {
    std::function<void(const std::string&)> erreur;
    std::function<void(const std::string&)> information;
    /// Yes, No or Cancel.
    std::function<Reponse(const std::string&)> question;
    /// Yes or Cancel: true for Yes.
    std::function<bool(const std::string&)> confirmation;
    /// OK, Cancel or Ignore.
    std::function<ReponseParis(const std::string&)> avertissement_paris;
};

/// What "Calculer" retains for the build once every check and question went
/// through.
struct CalculRetenu {
    Sortie sortie = Sortie::simplifie;
    int tossefet = 18;
    bool diaspora = true;
    double degres_etoiles = 7.08;
    std::string libelle_etoiles{"7.08"};
    /// The Sabbath exit: 8.5°, or 7.35° for the Beth Din de Marseille.
    double degres_sortie = 8.5;
    bool marseille = false;
    int regle_entree = 0;
    std::string opinion;
};

/// The checks and questions of "Calculer", in their order; nothing when one
/// of them stops the build (the fields then stay as they were, except the
/// coordinates of Paris set right by "OK"). The Tossefet retained is written
/// back to the controls.
[[nodiscard]] std::optional<CalculRetenu> prepare_calcul(ControlesCalendrier& c,
                                                         const DialoguesCalendrier& dialogues);

/// The request of the builders from the controls and what "Calculer"
/// retained: direction, years, months, filters, place, opinion, Tossefet,
/// the Marseille exit, the east-west minutes.
[[nodiscard]] DemandeCalendrier demande_du_calcul(const ControlesCalendrier& c,
                                                  const CalculRetenu& r);

/// The program's configuration in a request: the summer-time mode, the
/// fixed Sabbath exit ("Vaudrel") and the keys of "config_ciop.txt"
/// (`ciop` must outlive the request).
void applique_configuration(DemandeCalendrier& d, const config::ProgramOptions& options,
                            const config::FichierCles& ciop);

/// Why the kind of output cannot be built from these controls (the message
/// of its refusal); nothing when it can.
[[nodiscard]] std::optional<std::string> refus_de_la_sortie(const ControlesCalendrier& c);

} // namespace orvane::documents
