#include "config/program_options.h"

#include "config/config.h"
#include "platform/text.h"

namespace orvane::config
{

namespace
{

constexpr std::size_t longueur_site = 100;
constexpr std::size_t longueur_mode = 50;

/// The three summer-time keys, in the order they are read and written.
struct CleMode {
    std::string_view cle;
    std::string_view mode;
    bool CochesModeHoraire::*coche;
};
constexpr CleMode cles_mode[] = {
    {"avec_chgt_d_heure", mode_avec_changement, &CochesModeHoraire::avec_changement},
    {"heure_hiver_toute_l_annee", mode_hiver_toute_l_annee, &CochesModeHoraire::hiver},
    {"heure_ete_toute_l_annee", mode_ete_toute_l_annee, &CochesModeHoraire::ete},
};

void lit_categories(const FichierCles& config, ProgramOptions& options)
{
    const std::string categorie = config.valeur("Categorie");
    options.categorie_cs = categorie.find("CS") != std::string::npos;
    options.categorie_hp = categorie.find("HP") != std::string::npos;
    options.categorie_dv = categorie.find("DV") != std::string::npos;
}

/// The summer-time mode; false when the user cancels an incoherent choice.
bool lit_mode_horaire(const FichierCles& config, ProgramOptions& options,
                      const Confirmation& confirme)
{
    options.coches = {};
    for (const CleMode& c : cles_mode) {
        // An absent key is off: it never takes the value of the key before it.
        if (config.valeur(c.cle) == "true") {
            options.mode_horaire = std::string(c.mode);
            options.coches.*c.coche = true;
        }
    }
    if (options.coches.nombre() >= 2 && !confirme(message_mode_incoherent())) {
        return false;
    }
    if (options.coches.nombre() == 0) {
        options.mode_horaire = std::string(mode_avec_changement);
        options.coches.avec_changement = true;
    }
    return true;
}

} // namespace

std::string message_mode_incoherent()
{
    return "Le choix du mode horaires d'été ou d'hiver est incohérent dans le fichier "
           "config.dta\rChoisissez un des modes d'horaires en allant sur \"Fichier\" et en "
           "choisissant le mode que vous désirez\rLa correction dans le fichier se fera "
           "automatiquement.";
}

bool lit_options_demarrage(const FichierCles& config, ProgramOptions& options,
                           const Confirmation& confirme)
{
    lit_categories(config, options);
    if (!lit_mode_horaire(config, options, confirme)) {
        return false;
    }
    options.tahanoun = !config.vrai("pas_tahanoun");
    options.fete_des_garcons = !config.vrai("pas_ytro");
    options.langage = config.valeur("langage") == "anglais" ? "anglais" : "français";
    options.compatibilite = config.vrai("win7");
    return true;
}

bool lit_options_demarrage(const std::filesystem::path& repertoire, ProgramOptions& options,
                           const Confirmation& confirme)
{
    return lit_options_demarrage(lit_fichier_cles(repertoire, fichier_config), options, confirme);
}

void lit_options_affichage(const FichierCles& config, ProgramOptions& options,
                           bool accueil_en_israel)
{
    options.diaspora = config.vrai("Diaspora");
    options.affichage = config.vrai("Affichage");
    options.pas_affichage = !options.affichage;
    options.site = platform::left(config.valeur("Site"), longueur_site);
    options.intervalle_sortie_chabbat = config.vrai("Vaudrel");
    // The home place has the last word, whatever "Diaspora" said.
    options.diaspora = !accueil_en_israel;
}

void lit_options_affichage(const std::filesystem::path& repertoire, ProgramOptions& options,
                           bool accueil_en_israel)
{
    lit_options_affichage(lit_fichier_cles(repertoire, fichier_config), options, accueil_en_israel);
}

void sauve_options(const std::filesystem::path& repertoire, const ProgramOptions& options)
{
    const auto drapeau = [](bool d) { return std::string(texte_drapeau(d)); };
    ecrit_cles(repertoire, {{"Horaire", "true"},
                            {"Affichage", drapeau(options.affichage)},
                            {"Pas_Affichage", drapeau(options.pas_affichage)},
                            {"Diaspora", drapeau(options.diaspora)},
                            {"Israel", drapeau(!options.diaspora)},
                            {"francais", drapeau(options.francais)},
                            {"anglais", drapeau(options.anglais)},
                            {"hebreu", drapeau(options.hebreu)}});
}

std::string message_changement_mode(std::string_view actuel, std::string_view nouveau)
{
    return "Le programme était configuré en mode " + std::string(actuel) + ".\r" +
           "Vous avez choisi de le passer en mode " + std::string(nouveau) + "\r" +
           "Cette option sera mémorisée par le programme pour tous les calculs.\r" +
           "(Vous pourrez bien-sûr faire un nouveau choix)";
}

bool change_mode_horaire(const std::filesystem::path& repertoire, ProgramOptions& options,
                         std::string_view mode, const Confirmation& confirme)
{
    if (mode == options.mode_horaire) {
        return false;
    }
    if (!confirme(message_changement_mode(options.mode_horaire, mode)) ||
        !confirme("Confirmation")) {
        return false;
    }
    std::vector<std::pair<std::string, std::string>> cles;
    for (const CleMode& c : cles_mode) {
        cles.emplace_back(c.cle, texte_drapeau(c.mode == mode));
    }
    ecrit_cles(repertoire, cles); // nothing changes when the file cannot be written
    options.mode_horaire = platform::left(mode, longueur_mode);
    for (const CleMode& c : cles_mode) {
        options.coches.*c.coche = c.mode == mode;
    }
    return true;
}

} // namespace orvane::config
