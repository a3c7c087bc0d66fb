#include "tables/pesach.h"

#include "engine/arithmetic.h"
#include "engine/names.h"
#include "events/cycles/seasons.h"
#include "platform/file_names.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <algorithm>
#include <cctype>

namespace orvane::tables
{

namespace
{

constexpr int nissan = 8;

std::string nom_du_jour(int jour_semaine)
{
    return platform::trim(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::string nom_du_mois(int mois)
{
    return std::string(engine::mois_civils[static_cast<std::size_t>(mois)]);
}

std::string en_minuscules(std::string t)
{
    if (!t.empty()) {
        t.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(t.front())));
    }
    return t;
}

/// "Jeudi 10 Avril 2025".
std::string jour_et_date(const engine::DateCivile& d)
{
    return nom_du_jour(engine::jour_semaine(d)) + " " + std::to_string(d.jour) + " " +
           nom_du_mois(d.mois) + " " + std::to_string(d.annee);
}

/// The blessing of the sun is said on the morning after the season of
/// Nissan of the first year of the 28-year solar cycle.
std::optional<engine::DateCivile> jour_birkat_hahama(int annee_hebr)
{
    if (engine::floor_mod(annee_hebr, 28) != 1) {
        return std::nullopt;
    }
    const events::Tekoufa t = events::calcule_tekoufot(annee_hebr)[3];
    return engine::lendemain(engine::DateCivile{t.annee_civile, t.mois_civil, t.jour_civil});
}

} // namespace

const std::array<std::string_view, 3>& textes_methodes_hamets()
{
    static const std::array<std::string_view, 3> textes{
        "Beth-Din : Selon Aube/Etoiles", "Gaon : Selon Lever/Coucher", "Selon Aube/RabénouTam"};
    return textes;
}

JoursHamets jours_du_hamets(int annee_hebr)
{
    JoursHamets j;
    j.annee_hebr = annee_hebr;
    j.veille = engine::civil_de_l_hebreu({annee_hebr, nissan, 14});
    j.vendredi = engine::civil_de_l_hebreu({annee_hebr, nissan, 13});
    j.veille_chabbat = engine::jour_semaine(j.veille) == 7;
    j.recherche =
        j.veille_chabbat ? engine::civil_de_l_hebreu({annee_hebr, nissan, 12}) : j.vendredi;
    j.birkat_hahama = jour_birkat_hahama(annee_hebr);
    return j;
}

RecolteHamets::RecolteHamets(JoursHamets jours, MethodeHamets methode, zmanim::ReglesArrondi regles)
    : jours_(std::move(jours)), methode_(methode), regles_(regles)
{
}

std::string RecolteHamets::heure(zmanim::ModeArrondi mode, double t, const RangeeTable& r) const
{
    const zmanim::HeureFormatee f =
        zmanim::formate_heure(mode, t, r.horaires->zone, r.correction_ete, regles_);
    if (!f.definie()) {
        return {};
    }
    std::string texte =
        platform::pad_left(platform::trim(f.texte_heures), 2, '0') + ":" + f.texte_minutes;
    if (regles_.affiche_secondes) {
        texte += ":" + f.texte_secondes;
    }
    return texte;
}

double RecolteHamets::fin_heure(int n, const zmanim::DayTimes& j) const
{
    double debut = j.t_aube;
    double fin = j.t_etoiles;
    if (methode_ == MethodeHamets::gaon) {
        debut = j.t_lever;
        fin = j.t_coucher;
    } else if (methode_ == MethodeHamets::rabbenou_tam) {
        fin = j.t_nuit;
    }
    return debut + n * (fin - debut) / 12;
}

void RecolteHamets::rangee(const RangeeTable& r)
{
    if (r.horaires == nullptr || r.polaire) {
        return;
    }
    using zmanim::ModeArrondi;
    const zmanim::DayTimes& j = *r.horaires;
    if (r.date == jours_.recherche) {
        h_.recherche = heure(ModeArrondi::plus_tard, j.t_etoiles, r);
        vus_.recherche = true;
    }
    if (r.date == jours_.vendredi) {
        if (jours_.veille_chabbat) {
            h_.biour = heure(ModeArrondi::plus_tot, fin_heure(5, j), r);
        }
        vus_.vendredi = true;
    }
    if (r.date == jours_.veille) {
        h_.consommer = heure(ModeArrondi::plus_tot, fin_heure(4, j), r);
        h_.posseder = heure(ModeArrondi::plus_tot, fin_heure(5, j), r);
        h_.fin_neuvieme = heure(ModeArrondi::plus_tot, fin_heure(9, j), r);
        h_.matsa =
            heure(ModeArrondi::plus_tard, jours_.veille_chabbat ? j.t_sortie : j.t_etoiles, r);
        if (!jours_.veille_chabbat) {
            h_.biour = h_.posseder;
        }
        vus_.veille = true;
    }
    if (jours_.birkat_hahama && r.date == *jours_.birkat_hahama) {
        h_.birkat_debut = heure(ModeArrondi::plus_tard, j.t_lever, r);
        h_.birkat_fin =
            heure(ModeArrondi::plus_tot, j.t_lever + 3 * (j.t_coucher - j.t_lever) / 12, r);
        vus_.birkat = true;
    }
}

bool RecolteHamets::complete() const
{
    return vus_.recherche && vus_.veille && (!jours_.veille_chabbat || vus_.vendredi) &&
           (!jours_.birkat_hahama || vus_.birkat);
}

std::vector<std::string> bloc_hamets(const JoursHamets& j, const HorairesHamets& h,
                                     const std::string& ville)
{
    std::vector<std::string> lignes{
        "\rHORAIRES DU 'HAMETS de PESSA'H " + std::to_string(j.annee_hebr) + " (" + ville + ")",
        "\rRecherche du 'Hamets (BEDIKA) à partir de l'apparition des étoiles du " +
            jour_et_date(j.recherche) + "\t\t" + h.recherche};
    if (j.veille_chabbat) {
        lignes.push_back("\rBIOUR 'HAMETS Vendredi avant-veille de Pessa'h\t\t" + h.biour);
        lignes.push_back("\rLimite pour CONSOMMER du 'HAMETS Chabbat veille de Pessa'h\t\t" +
                         h.consommer);
    } else {
        lignes.push_back(
            "\rLimite pour CONSOMMER ou pour POSSEDER du 'Hamets la veille de Pessa'h\t\t" +
            h.consommer + "\t" + h.posseder);
    }
    if (j.birkat_hahama) {
        const engine::DateCivile& b = *j.birkat_hahama;
        lignes.push_back("BIRKAT HA'HAMA ce " + nom_du_jour(engine::jour_semaine(b)) + " " +
                         std::to_string(b.jour) + " " + en_minuscules(nom_du_mois(b.mois)) +
                         "\t\t" + h.birkat_debut + "\t" + h.birkat_fin + "\r");
    }
    return lignes;
}

std::vector<std::string> entete_liste_hamets(const JoursHamets& j)
{
    const std::string birkat1 = j.birkat_hahama ? "Début de\tFin de\t" : "";
    const std::string birkat2 = j.birkat_hahama ? "Birkat Ha'hama\tBirkat Ha'hama\t" : "";
    const std::string birkat3 = j.birkat_hahama ? "\t\t" : "";
    if (j.veille_chabbat) {
        return {"\rVILLES\t\tBEDIKAT\t" + birkat1 + "Heure de\tLimite pour\tLimite pour\tMistva de",
                "\t\t'HAMETS\t" + birkat2 + "Biour\tposséder\tMatsa Achira\tMatsa",
                "\t\t\t" + birkat3 + "du 'Hamets\tdu 'Hamets\tFin 9e heure\tMotsaé"};
    }
    return {"\rVILLES\t\tBEDIKAT\t" + birkat1 + "Limite pour\tLimite pour\tLimite pour\tMistva",
            "\t\t'HAMETS\t" + birkat2 + "consommer\tposséder\tMatsa Achira\tde Matsa",
            "\t\t\t" + birkat3 + "du 'Hamets\tdu 'Hamets\tFin 9e heure\tà partir de"};
}

std::string ligne_liste_hamets(const JoursHamets& j, const HorairesHamets& h,
                               const std::string& ville)
{
    std::string t = ville + "\t\t" + h.recherche + "\t";
    if (j.birkat_hahama) {
        t += h.birkat_debut + "\t" + h.birkat_fin + "\t";
    }
    t += (j.veille_chabbat ? h.biour : h.consommer) + "\t" + h.posseder + "\t" + h.fin_neuvieme +
         "\t" + h.matsa;
    return t;
}

std::vector<std::string> lignes_courtes_hamets(const JoursHamets& j, const HorairesHamets& h)
{
    std::vector<std::string> l{" BEDIKAT 'HAMETS \t" + h.recherche,
                               "Limite pour consommer du 'Hamets\t" + h.consommer,
                               "Limite pour posséder du 'Hamets \t" + h.posseder,
                               " BIOUR du 'Hamets \t" + h.biour,
                               " Fin de la 9e heure \t" + h.fin_neuvieme,
                               "Consommation Matsa à partir de\t" + h.matsa};
    if (j.birkat_hahama) {
        l.push_back("Birkat Ha'hama\t" + h.birkat_debut + " - " + h.birkat_fin);
    }
    return l;
}

std::filesystem::path fichier_hamets(const std::filesystem::path& repertoire, const JoursHamets& j,
                                     const std::string& ville, bool liste)
{
    const std::string nom = liste ? "France" : platform::nom_fichier_ville(ville);
    return repertoire / "HAMETS" / std::to_string(j.veille.annee) /
           ((nom.empty() ? std::string("ville") : nom) + ".txt");
}

DemandeTable demande_hamets(DemandeTable base, const JoursHamets& j)
{
    base.debut = std::min(j.recherche, j.vendredi);
    base.fin = j.veille;
    if (j.birkat_hahama) {
        base.debut = std::min(base.debut, *j.birkat_hahama);
        base.fin = std::max(base.fin, *j.birkat_hahama);
    }
    base.increment = 1;
    base.filtre = FiltreJours::tous;
    return base;
}

void ajoute_au_fichier(const std::filesystem::path& fichier, const std::vector<std::string>& lignes)
{
    platform::cree_dossier_de(fichier);
    std::vector<std::string> tout =
        platform::read_lines_if_exists(fichier).value_or(std::vector<std::string>{});
    // A carriage return inside a line of the block is a line break of the file.
    for (const std::string& l : lignes) {
        for (std::size_t debut = 0;;) {
            const std::size_t cr = l.find('\r', debut);
            tout.push_back(l.substr(debut, cr == std::string::npos ? cr : cr - debut));
            if (cr == std::string::npos) {
                break;
            }
            debut = cr + 1;
        }
    }
    platform::write_lines(fichier, tout);
}

ResultatHamets calcule_hamets(const DemandeTable& lieu, zmanim::ZmanimSettings reglages,
                              const EnvironnementTable& env, const JoursHamets& j,
                              MethodeHamets methode)
{
    zmanim::ReglesArrondi regles = zmanim::regles_arrondi(reglages);
    regles.mode_ete = env.mode_ete;
    RecolteHamets recolte(j, methode, regles);
    ResultatHamets r;
    r.table = calcule_table(demande_hamets(lieu, j), reglages, env, recolte);
    r.horaires = recolte.horaires();
    r.complet = !r.table.refuse && recolte.complete();
    return r;
}

} // namespace orvane::tables
