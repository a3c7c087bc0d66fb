// The options of the program, read from "config.dta" at start and when the
// main window is first shown, and kept for the whole run. The main window
// owns one (AppContext); its commands change it and write it back.
#pragma once

#include "config/config.h"
#include "config/summer_time_mode.h"
#include "platform/confirmation.h"

#include <filesystem>
#include <functional>
#include <string>

namespace orvane::config
{

using platform::Confirmation;

/// Check marks of the three summer-time entries of the "Fichier" menu.
struct CochesModeHoraire {
    bool avec_changement = false; // "Avec changement d'heure été/hiver"
    bool hiver = false;           // "Heure hiver toute l'année"
    bool ete = false;             // "Heure d'été toute l'année"

    [[nodiscard]] int nombre() const { return int{avec_changement} + int{hiver} + int{ete}; }
    friend bool operator==(const CochesModeHoraire&, const CochesModeHoraire&) = default;
};

struct ProgramOptions {
    std::string mode_horaire{mode_avec_changement}; // one of the three mode texts
    CochesModeHoraire coches;
    bool diaspora = false;     // Diaspora rules (on) or Israel rules (off)
    bool categorie_cs = false; // dated inscriptions of category "CS"
    bool categorie_hp = false;
    bool categorie_dv = false;
    bool tahanoun = true;                   // Tahanoun indications on the calendar pages
    bool fete_des_garcons = true;           // inscription "Fête des garçons"
    std::string langage{"français"};        // "français" or "anglais" (zmanim outputs)
    bool compatibilite = false;             // "win7": records in text files only
    std::string site;                       // prefix of "images/haut.gif" in HTML pages
    bool intervalle_sortie_chabbat = false; // "Vaudrel"
    bool affichage = false;                 // check mark of the picture-display entry
    bool pas_affichage = false;             // and of its opposite
    bool francais = true;                   // check marks of the three language entries
    bool anglais = false;
    bool hebreu = false;
};

/// Message of the start-up when the summer-time keys contradict each other.
[[nodiscard]] std::string message_mode_incoherent();

/// Reads the options of the start (categories, summer-time mode, Tahanoun,
/// "Fête des garçons", language, compatibility). When two or three of the
/// summer-time keys are "true", `confirme` is asked the incoherence message:
/// false (Cancel) means that the program must end, and is returned. An
/// absent summer-time key reads as off; with none on, the mode with change
/// of time is chosen without any question.
[[nodiscard]] bool lit_options_demarrage(const FichierCles& config, ProgramOptions& options,
                                         const Confirmation& confirme);
/// The same, "config.dta" read from the program directory.
[[nodiscard]] bool lit_options_demarrage(const std::filesystem::path& repertoire,
                                         ProgramOptions& options, const Confirmation& confirme);

/// Reads the options of the first showing of the main window ("Diaspora",
/// "Affichage", "Site", "Vaudrel"); then the home place decides: Israel
/// rules when it is in Israel, Diaspora rules anywhere else.
void lit_options_affichage(const FichierCles& config, ProgramOptions& options,
                           bool accueil_en_israel);
/// The same, "config.dta" read from the program directory.
void lit_options_affichage(const std::filesystem::path& repertoire, ProgramOptions& options,
                           bool accueil_en_israel);

/// `sauve_options`: "Horaire", "Affichage", "Pas_Affichage", "Diaspora",
/// "Israel", "francais", "anglais", "hebreu", in this order.
void sauve_options(const std::filesystem::path& repertoire, const ProgramOptions& options);

/// The first confirmation of a change of summer-time mode.
[[nodiscard]] std::string message_changement_mode(std::string_view actuel,
                                                  std::string_view nouveau);

/// `change_mode_horaire`: nothing when `mode` is the current one; otherwise
/// two confirmations ("Confirmation" the second), then the new mode, its
/// check mark alone, and the three keys written. True when the mode changed.
bool change_mode_horaire(const std::filesystem::path& repertoire, ProgramOptions& options,
                         std::string_view mode, const Confirmation& confirme);

} // namespace orvane::config
