// The calendar record: Hebrew year arithmetic (molad, Rosh Hachana and its
// postponements, year lengths and types, month lengths), the civil year and
// the two date conversions.
//
// A caller sets the fields it needs, calls an operation and reads the fields
// the operation left; the fields keep their values between calls. Each owner
// (the main window, a document, a table, a test) has its own record.
//
//   CalendarEngine e;
//   e.convertit_civil_hebreu(2023, 9, 16);
//   // e.annee_hebr 5784, e.mois_hebr 1, e.jour_hebr 1, e.jour_semaine 7
#pragma once

#include "engine/year_cache.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane::engine
{

/// One slot of the molad table (slots 1..13: the months of the year in the
/// engine's numbering, slot 14: Tichri of the next year).
struct EntreeMolad {
    int jour_civil = 0; // civil date of the day of the molad
    int mois_civil = 0;
    int annee_civile = 0;
    int jour_hebr = 0; // Hebrew date of that day
    int mois_hebr = 0;
    int annee_hebr = 0;
    int jour_semaine = 0; // civil weekday of the molad, 1..7
    int heures = 0;       // civil clock time of the molad
    int minutes = 0;
    int halakim = 0;
    std::string texte; // "5h49m0hl", or " 5h 49mn  0hl ( 0s)" in the detailed form
};

class CalendarEngine
{
public:
    CalendarEngine();

    // --- Dates -----------------------------------------------------------
    int annee_hebr = 0;
    int mois_hebr = 0; // 1 Tichri .. 6 Adar (Adar I) .. 7 Adar II .. 13 Eloul
    int jour_hebr = 0;
    int annee_civile = 0;
    int mois_civil = 0; // 1..12
    int jour_civil = 0;
    int annee_civile_base = 0; // spring year of the conversion year
    int annee_hebr_base = 0;   // Hebrew year handed to the season routines
    int jour_civil_saisi = 0;  // civil day as given to the last conversion
    int jour_semaine = 0;      // 1 Sunday .. 7 Chabbat

    // --- Registers of the last Hebrew year set up ---------------------------
    int nb_mois = 0;               // 12 or 13
    int embolismique = 0;          // nb_mois − 12
    int cyl = 0;                   // completed 19-year cycles: ⌊(Y − 1) / 19⌋
    int rang_cycle = 0;            // years completed in the current cycle, 0..18
    int emb = 0;                   // leap years among them
    int com = 0;                   // common years among them
    std::int64_t molad_tichri = 0; // weekday and time of the molad, in halakim
    std::int64_t molad_nissan = 0; // molad_tichri + six mean months, modulo a week
    std::int64_t semaines = 0;     // weeks of the last decomposition
    int heures = 0;
    int minutes = 0;
    std::int64_t halakim = 0; // input of the decomposition, then its remainder
    int parties_molad = 0;    // time of the molad within its day, in halakim
    int report = 0;           // 1 when the weekday rule moved Rosh Hachana
    int jour_rh = 0;          // weekday of 1 Tichri
    int jour_rh_suivant = 0;  // weekday of 1 Tichri of the next year (+7 when not above jour_rh)
    int code_longueur = 0;    // 5 deficient, 6 regular, 7 complete
    int hechvan = 0;          // 29 or 30
    int kislev = 0;           // 29 or 30
    int jour_mois7 = 0;       // weekday of 1 Nissan (common) or 1 Adar II (leap)

    // --- Civil year and the link between the calendars ----------------------
    int fevrier = 0;       // 28 or 29
    int decalage_mars = 0; // E(Y) − fevrier
    std::int64_t rs = 0;   // drift of the molad against the Julian year, in halakim
    int jour_repere = 0;   // weekday of the reference day of the link
    int ecart_nissan = 0;  // 1 Nissan (1 Adar II) has civil index 1 − ecart_nissan

    // --- Today, from the clock at start -----------------------------------
    int aujourdhui_annee = 0;
    int aujourdhui_mois = 0;
    int aujourdhui_jour = 0;

    // --- Tables (index 0 unused) --------------------------------------------
    std::array<int, 14> longueur_mois_hebr{};  // 1..13
    std::array<int, 13> longueur_mois_civil{}; // 1..12
    /// Hebrew month names, French spelling; entry 6 follows the leap status
    /// last computed ("Adar I " or "Adar   "), entry 14 is two blanks.
    std::array<std::string, 15> noms_mois_hebr;
    std::array<EntreeMolad, 15> table_molad; // slots 1..14

    // --- Hebrew year ---------------------------------------------------------
    /// Leap status of year Y: sets nb_mois and the month-6 name, returns true
    /// for a leap year. The length table is left alone.
    bool teste_embolismique(int annee);
    /// Leap status of annee_hebr: nb_mois, entries 6 and 7 of the month
    /// lengths (30 and 29, or 29 and 0) and the month-6 name.
    void fixe_embolismique();
    /// cyl, rang_cycle, emb, com of annee_hebr.
    void decompose_cycle();
    /// Splits `halakim` into semaines, jour_semaine, heures, minutes, halakim.
    void decompose_halakim();
    /// Weekly-form molad of Tichri from cyl, com and emb, then decomposed.
    void calcule_molad_tichri();
    /// The four postponement rules of Rosh Hachana on the decomposed molad.
    void applique_reports();
    /// Weekday of 1 Tichri of annee_hebr, left in jour_semaine.
    void calcule_jour_rh();
    /// Year registers of annee_hebr (Rosh Hachana of the year and the next,
    /// molad of Nissan, lengths).
    void calcule_annee_hebr();
    /// code_longueur, hechvan, kislev, jour_mois7 from jour_rh, jour_rh_suivant, nb_mois.
    void calcule_longueurs();
    /// Molad of `slot` (1..13 months of Hebrew year `annee`, 14 Tichri of the
    /// next year) into table_molad; the date fields are left as found.
    void calcule_molad_mois(int slot, int annee, bool detaille = false);

    // --- Civil year and conversions -----------------------------------------
    /// fevrier, decalage_mars and the February length of annee_civile;
    /// true when February has 29 days.
    bool prepare_annee_civile();
    /// True for a civil leap year (Julian rule to 1582, Gregorian after);
    /// sets fevrier and the February length.
    bool est_bissextile(int annee);
    /// rs, embolismique, jour_repere, ecart_nissan of the year set up.
    void calcule_ecart_nissan();
    /// Full set-up of annee_hebr with the civil values of annee_civile.
    void calcule_annee();
    /// Civil date → annee_hebr, mois_hebr, jour_hebr, jour_semaine. The given
    /// date is left in annee_civile, mois_civil, jour_civil.
    void convertit_civil_hebreu(int annee, int mois, int jour);
    /// Hebrew date → annee_civile, mois_civil, jour_civil, jour_semaine. The
    /// given date is left in annee_hebr, mois_hebr, jour_hebr.
    void convertit_hebreu_civil(int annee, int mois, int jour);
    /// The civil-to-Hebrew walk, after calcule_annee of the conversion year.
    void jour_hebreu_du_civil();
    /// The Hebrew-to-civil walk, after calcule_annee with annee_civile =
    /// annee_hebr − 3760.
    void jour_civil_de_l_hebreu();

private:
    int index_civil() const;
    int decalage_mois_hebr(int mois) const;
    void calcule_jour_du_molad(EntreeMolad& entree, int mois, int annee);
    /// jour_civil_de_l_hebreu; `annee_civile_preparee` when prepare_annee_civile
    /// has just run for annee_civile (as calcule_annee does), which the walk
    /// would otherwise repeat.
    void marche_vers_le_civil(bool annee_civile_preparee);

    /// The rules of calcule_annee_hebr, run on the fields.
    void etablit_annee_hebr();
    /// calcule_annee_hebr through the cache: the registers of annee_hebr are
    /// copied back when the year was set up lately, else computed and kept.
    RegistresAnneeHebr& registres_annee_hebr();
    /// The rules for a year not kept, and their registers kept.
    RegistresAnneeHebr& etablit_et_garde_annee_hebr();
    void garde_registres(RegistresAnneeHebr& r) const;
    void restaure_registres(const RegistresAnneeHebr& r);
    RegistresLien registres_lien() const;
    void restaure_lien(const RegistresLien& l);
    /// Entry 6 of noms_mois_hebr for a year of this leap status.
    void ecrit_nom_mois6(bool leap);

    /// Registers of the last Hebrew and civil years set up (see
    /// year_cache.h); they depend on the year alone, so a copied record may
    /// keep them.
    DernieresAnnees<RegistresAnneeHebr, 4> annees_hebr_;
    DernieresAnnees<RegistresAnneeCivile, 2> annees_civiles_;
};

} // namespace orvane::engine
