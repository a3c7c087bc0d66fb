#include "events/divers/divers_modes.h"

#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/festivals/festivals_text.h"
#include "events/years/year_tables.h"
#include "platform/text.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::events
{

namespace
{

using std::string_view;

const std::vector<string_view> mois_de_l_annee = {
    "Tous les mois", "Tichri", "Hechvan", "Kislev", "Tevet",  "Chevat", "Adar (I)",
    "Adar II",       "Nissan", "Iyar",    "Sivan",  "Tamouz", "Av",     "Eloul"};

const std::vector<string_view> saisons = {"Les 4 Tékoufot", "Tichri", "Tévet", "Nissan", "Tamouz"};

// The inputs of the year tables that take a first year, a number of years
// and an increment.
constexpr ControlesVisibles annees_nombre_increment{.annees = true,
                                                    .mois = false,
                                                    .nb_annees = true,
                                                    .increment = true,
                                                    .derniere = false,
                                                    .coches = false,
                                                    .web = false,
                                                    .houmra = false,
                                                    .bouton_israel = false};

constexpr ControlesVisibles avec(ControlesVisibles c, bool mois, bool coches, bool web)
{
    c.mois = mois;
    c.coches = coches;
    c.web = web;
    return c;
}

std::array<DescriptionModeDivers, nombre_modes_divers> construit_modes()
{
    using M = ModeDivers;
    ControlesVisibles levana = avec(annees_nombre_increment, false, true, true);
    levana.houmra = true;
    levana.bouton_israel = true;
    ControlesVisibles grille{};
    grille.annees = true;
    grille.derniere = true;
    ControlesVisibles cycles = grille;
    ControlesVisibles liste{};
    liste.nb_annees = true;
    ControlesVisibles bar_mitsva = avec(annees_nombre_increment, false, true, false);
    bar_mitsva.increment = false;
    const std::vector<string_view> cles_annees = {"@Type de l'ann", "@Cycle lunaire@",
                                                  "@Cycle solaire@", "rie@"};
    return {{
        {M::moladot,
         "moladot",
         "DATES ET HEURES DES   MOLADOT   (Lunaisons)",
         avec(annees_nombre_increment, true, false, true),
         "",
         "",
         false,
         mois_de_l_annee,
         "Molad du mois",
         "Nbr d'années",
         1,
         "MOLAD_",
         "",
         "MOLAD",
         {"Molad@"},
         PagesWeb{"MOLAD", "fic_dm", "Moladot de<BR>"},
         false,
         true},
        {M::levana,
         "levana",
         "DATES ET HEURES DE  BIRKAT HALEVANA  (Prière en présence de la lune)",
         levana,
         "Selon la coutume Sépharade",
         "Selon la coutume Achkénaze",
         true,
         {},
         "",
         "Nbr d'années",
         1,
         "B-LEVANA_",
         "",
         "LEVANA",
         {"Birkat Halevana@"},
         PagesWeb{"LEVANA", "fic_dl", "Birkat Halévana de<BR>"},
         false,
         true},
        {M::hahama,
         "hahama",
         "DATES ET HEURES DE  BIRKAT HA'HAMA  (Bénédiction du cycle solaire)",
         avec(annees_nombre_increment, false, false, true),
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "B-HAHAMA_",
         "",
         "HAHAMA",
         {"Birkat Ha'hama@"},
         PagesWeb{"HAHAMA", "fic_dh", "Bircat Hahama de<BR>"},
         false,
         false},
        {M::guechamim,
         "guechamim",
         "DATES DE CHEELAT GUECHAMIM ou du TIKOUN HATAL (Prière pour la pluie ou la rosée)",
         avec(annees_nombre_increment, false, true, true),
         "En Diaspora",
         "En Erets Israël",
         true,
         {},
         "",
         "Nbr d'années",
         1,
         "GUECHAMIM_",
         "",
         "GUECHAMIM",
         {"chamime@"},
         PagesWeb{"GUECH", "fic_dg", "Guéchamim et Tal de<BR>"},
         false,
         true},
        {M::tekoufot,
         "tekoufot",
         "DATES ET HEURES DES  TEKOUFOT  (Les 4 saisons)",
         avec(annees_nombre_increment, true, false, true),
         "",
         "",
         false,
         saisons,
         "      Tékoufa",
         "Nbr d'années",
         1,
         "TEKOUFOT_",
         "",
         "TEKOUFOT",
         {"koufa@"},
         PagesWeb{"TEKOUFOT", "fic_dt", "Tékoufot de<BR>"},
         false,
         true},
        {M::roch_hodech,
         "roch-hodech",
         "DATES DE ROCH 'HODECH  (Le début du mois)",
         avec(annees_nombre_increment, true, false, true),
         "",
         "",
         false,
         mois_de_l_annee,
         "Mois hébraïques",
         "Nbr d'années",
         1,
         "R-HODECH_",
         "",
         "ROCHODEC",
         {"Roch-Hodech@"},
         PagesWeb{"ROCHODEC", "fic_dr", "Rachei 'Hodachim de<BR>"},
         false,
         true},
        {M::visites,
         "visites",
         "DATES DES VISITES AU CIMETIERE (Selon les coutumes)",
         avec(annees_nombre_increment, false, false, true),
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "VISITE_",
         "",
         "VISITE",
         {},
         PagesWeb{"VISITE", "fic_dr", "Visites au cimetière de<BR>"},
         false,
         true},
        {M::visites_interdites,
         "visites-interdites",
         "PERIODES OU LES VISITES AU CIMETIERE SONT INTERDITES",
         ControlesVisibles{.web = true},
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "VISITE_INT_",
         "",
         "VISITE_INT",
         {},
         PagesWeb{"VISITE_INT", "fic_dr", "Visites interdites au cimetière de<BR>"},
         false,
         true},
        {M::mariages,
         "mariages",
         "DATES DES MARIAGES INTERDITS",
         avec(annees_nombre_increment, false, false, true),
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "MARIAGE_INT_",
         "",
         "MARIAGE",
         {},
         PagesWeb{"MARIAGE", "fic_dr", "Mariages interdits de<BR>"},
         false,
         true},
        {M::tableau_types,
         "tableau-types",
         "TABLEAU DE TYPES (Simane)",
         annees_nombre_increment,
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "TYPE-ANNEE_",
         "",
         "TABLEAUTYPES",
         cles_annees,
         std::nullopt,
         true,
         false},
        {M::types_annees,
         "types-annees",
         "TYPES DES ANNEES (Simane)",
         grille,
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         10,
         "TYPE-ANNEE_",
         "",
         "TABLEAUTYPES",
         cles_annees,
         std::nullopt,
         false,
         false},
        {M::series_61,
         "series",
         "LES 61 SERIES",
         ControlesVisibles{},
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         1,
         "",
         "SERIE_.txt",
         "SERIES",
         cles_annees,
         std::nullopt,
         true,
         false},
        {M::tableau_cycles,
         "tableau-cycles",
         "TABLEAU DES ANNEES / CYCLES / SERIES)",
         cycles,
         "",
         "",
         false,
         {},
         "",
         "Nbr d'années",
         361,
         "",
         "TA_CY_SE.txt",
         "SERIES",
         cles_annees,
         std::nullopt,
         false,
         false},
        {M::liste_cycles,
         "liste-cycles",
         "LISTE DES ANNEES / CYCLES / SERIES",
         liste,
         "",
         "",
         false,
         {},
         "",
         "Nbr de centaines d'années ",
         19,
         "",
         "LI_CY_SE.txt",
         "SERIES",
         cles_annees,
         std::nullopt,
         false,
         false},
        {M::ceremonies_bar_mitsva,
         "bar-mitsva",
         "TABLEAU DES CEREMONIES DE BAR-MITSVA",
         bar_mitsva,
         "Pour un garçon",
         "Pour une fille",
         true,
         {},
         "",
         "Nbr d'années",
         1,
         "BM_",
         "",
         "BARMITSV",
         {"Bar-Mitsva@"},
         std::nullopt,
         false,
         true},
    }};
}

std::size_t indice(ModeDivers mode)
{
    return static_cast<std::size_t>(mode);
}

std::string premiers(string_view texte, std::size_t n)
{
    return platform::left(texte, n);
}

// One item of the header: the start of the label, ": ", the value.
std::string element(string_view libelle, std::size_t longueur, const std::string& valeur)
{
    return premiers(libelle, longueur) + ": " + valeur;
}

std::vector<std::string> elements_entete(ModeDivers mode, const EntreesDivers& e)
{
    const DescriptionModeDivers& d = description(mode);
    std::vector<std::string> r;
    if (d.controles.annees) {
        r.push_back(element("Année hébraïque", 9, std::to_string(e.annee_hebr)));
        r.push_back(element("Année civile", 9, std::to_string(e.annee_civile)));
    }
    if (mode == ModeDivers::tableau_cycles) {
        r.push_back(element("Année hébraïque fin", 19, std::to_string(e.derniere_hebr)));
        r.push_back(element("Année civile fin", 19, std::to_string(e.derniere_civile)));
        return r;
    }
    if (d.controles.mois && e.mois >= 0 && static_cast<std::size_t>(e.mois) < d.choix_mois.size()) {
        r.push_back(element(d.libelle_mois, 15,
                            std::string(d.choix_mois[static_cast<std::size_t>(e.mois)])));
    }
    if (d.controles.nb_annees) {
        r.push_back("   " + element(d.libelle_nb_annees, 16, std::to_string(e.nb_annees)));
    }
    return r;
}

// "======…B"H==": six spaces, then "=" to the longer of the two lines, the
// blessing at its end.
std::string regle(std::size_t longueur)
{
    std::string r = "      " + std::string(longueur > 6 ? longueur - 6 : 0, '=');
    if (platform::char_count(r) >= 5) {
        r = platform::left(r, platform::char_count(r) - 5) + "B\"H==";
    }
    return r;
}

} // namespace

const std::array<DescriptionModeDivers, nombre_modes_divers>& modes_divers()
{
    static const std::array<DescriptionModeDivers, nombre_modes_divers> modes = construit_modes();
    return modes;
}

const DescriptionModeDivers& description(ModeDivers mode)
{
    return modes_divers().at(indice(mode));
}

std::optional<ModeDivers> mode_divers_nomme(string_view nom)
{
    for (const DescriptionModeDivers& d : modes_divers()) {
        if (d.nom == nom) {
            return d.mode;
        }
    }
    return std::nullopt;
}

ValeursMode valeurs_par_defaut(ModeDivers mode, int y)
{
    switch (mode) {
    case ModeDivers::hahama:
        return {5600, 500, 28, 0};
    case ModeDivers::tableau_types:
        return {y, 30, 1, 0};
    case ModeDivers::types_annees: {
        const int s = premiere_annee_grille(y);
        return {s, 1, 1, s + 199};
    }
    case ModeDivers::tableau_cycles:
        return {1, 1, 1, 6119};
    case ModeDivers::liste_cycles:
        return {1, 60, 1, 0};
    default:
        return {y, 1, 1, 0};
    }
}

int annee_max(ModeDivers mode)
{
    switch (mode) {
    case ModeDivers::hahama:
        return annee_hahama_max;
    case ModeDivers::tableau_types:
    case ModeDivers::types_annees:
        return annee_types_max;
    case ModeDivers::tableau_cycles:
    case ModeDivers::liste_cycles:
        return derniere_annee_cycles;
    default:
        return annee_divers_max;
    }
}

int nb_annees_maximum(ModeDivers mode)
{
    switch (mode) {
    case ModeDivers::liste_cycles:
        return centaines_max;
    case ModeDivers::hahama:
    case ModeDivers::tableau_types:
        return annee_max(mode);
    default:
        return nb_annees_max;
    }
}

std::vector<std::string_view> notes_divers(ModeDivers mode)
{
    constexpr string_view montre = "Les heures calculées sont celles de la montre. ";
    switch (mode) {
    case ModeDivers::moladot:
        return {
            montre,
            "Pour l'année 1, c'est bien le Lundi 5h 11mn 6hl qui est la date hébraïque du Molad"};
    case ModeDivers::levana:
        return {montre,
                "Débute après le 7ème jour (coutume Sépharade) ou le 3ème jour (coutume Achkénaze) "
                "après le Molad  ",
                "et  jusqu'au milieu du mois, à partir du Molad. (Signalé dans les calendriers par "
                "DL et FL)"};
    case ModeDivers::hahama:
    case ModeDivers::tekoufot:
        return {montre};
    case ModeDivers::guechamim:
    case ModeDivers::roch_hodech:
    case ModeDivers::visites:
    case ModeDivers::mariages:
    case ModeDivers::ceremonies_bar_mitsva:
        return {"Les jours  indiqués supposent que", "les changements de dates s'effectuent",
                "à minuit pour les deux calendriers."};
    default:
        return {};
    }
}

std::string texte_aujourdhui_divers(int annee, int mois, int jour)
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(annee, mois, jour);
    const auto semaine = engine::jours_semaine.at(static_cast<std::size_t>(e.jour_semaine));
    return "Aujourd'hui " + platform::left(semaine, 3) + " " + std::to_string(jour) + " " +
           std::string(engine::mois_civils.at(static_cast<std::size_t>(mois))) + " " +
           std::to_string(annee) + " = " + std::to_string(e.jour_hebr) + " " +
           platform::trim(engine::nom_mois_hebreu(e.mois_hebr, e.embolismique != 0)) + " " +
           std::to_string(e.annee_hebr);
}

EntreesDivers entrees_par_defaut(ModeDivers mode, const ValeursMode& v)
{
    const DescriptionModeDivers& d = description(mode);
    EntreesDivers e;
    e.annee_hebr = v.premiere;
    e.annee_civile = annee_civile_affichee(v.premiere);
    e.derniere_hebr = v.derniere;
    e.derniere_civile = v.derniere - 3760;
    e.nb_annees = v.nb_annees;
    e.increment = v.increment;
    e.coche1 = !d.coche2_par_defaut;
    return e;
}

std::string titre_divers(ModeDivers mode, const EntreesDivers& e)
{
    if (mode == ModeDivers::ceremonies_bar_mitsva && !e.coche1) {
        return "TABLEAU DES CEREMONIES DE BAT-MITSVA";
    }
    return std::string(description(mode).titre);
}

std::vector<std::string> entete_divers(ModeDivers mode, const EntreesDivers& e)
{
    if (mode == ModeDivers::types_annees) {
        return {};
    }
    std::string a = "      ";
    const std::vector<std::string> elements = elements_entete(mode, e);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        a += elements[i];
        if (i + 1 < elements.size()) {
            a += "  ";
        }
    }
    const std::string titre = "      " + titre_divers(mode, e);
    const std::string r = regle(std::max(platform::char_count(a), platform::char_count(titre)));
    const std::size_t n = platform::char_count(r);
    return {r, titre, a, platform::left(r, n > 9 ? n - 9 : 0)};
}

bool limite_inferieure(ModeDivers mode, const EntreesDivers& e)
{
    return (mode == ModeDivers::types_annees || mode == ModeDivers::tableau_cycles) &&
           e.derniere_hebr < e.annee_hebr;
}

std::string nom_fichier_divers(ModeDivers mode, const EntreesDivers& e)
{
    const DescriptionModeDivers& d = description(mode);
    if (!d.fichier_fixe.empty()) {
        return std::string(d.fichier_fixe);
    }
    const int f = e.annee_hebr;
    std::string nom = std::string(d.prefixe_fichier) + std::to_string(f);
    if (mode == ModeDivers::ceremonies_bar_mitsva) {
        return nom + ".txt";
    }
    if (e.nb_annees > 1) {
        nom += "_" + std::to_string(f + e.nb_annees - 1);
    }
    if (mode == ModeDivers::levana && e.coche1) {
        nom += "_valeurs";
    }
    return nom + ".txt";
}

std::vector<std::string> lignes_a_imprimer_divers(ModeDivers mode,
                                                  const std::vector<std::string>& texte)
{
    const bool grille = mode == ModeDivers::types_annees;
    const std::string marge = grille ? "        " : "";
    std::vector<std::string> r(3, grille ? marge : std::string(" "));
    for (const std::string& l : texte) {
        r.push_back(marge + l);
    }
    return r;
}

} // namespace orvane::events
