#include "documents/consistory_series.h"

#include "documents/consistory_phone.h"
#include "documents/workbook_exports.h"
#include "documents/workbook_longitudes.h"
#include "documents/year_page.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "zmanim/settings/opinions.h"

#include <charconv>

namespace orvane::documents
{
namespace
{

constexpr double aube_ordinaire = 16.1;
constexpr std::string_view or_meir = zmanim::avis_or_meir;
constexpr std::string_view rav_rottenberg = zmanim::avis_rav_rottenberg;

const places::Place greenwich{"Greenwich", "Angleterre", "51.47N", "0.0E", "0"};

std::string message_fetes_absentes(int annee)
{
    return "Erreur :\rVeuillez calculer auparavant les fêtes de l'année " + std::to_string(annee) +
           " et l'année " + std::to_string(annee + 1) + "." + "\r" +
           "Pour cela, aller sur le menu Fêtes juives\" Choisissez \"Fêtes et Jeûnes\"." + "\r" +
           "Choisissez l'année puis cliquez sur le boutton CIOP en bas à gauche.";
}

bool existe(const std::filesystem::path& repertoire, const std::filesystem::path& relatif)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(platform::lookup_ignoring_case(repertoire, relatif),
                                            ec);
}

/// Copies a file in place of another; a failure names the file.
void copie(const std::filesystem::path& source, const std::filesystem::path& destination)
{
    std::error_code ec;
    std::filesystem::copy_file(source, destination,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        throw platform::FileError("copie de " + source.filename().string() +
                                      " impossible : " + ec.message(),
                                  destination);
    }
}

/// One simplified calendar of one year, its export written as
/// "cal_exl.txt" and copied to `copie_vers`; returns the export lines.
std::vector<std::string> construit_et_copie(const DemandeCalendrier& d,
                                            const places::TablesEte& tables,
                                            const std::filesystem::path& repertoire,
                                            const std::filesystem::path& copie_vers)
{
    const CalendrierSimplifie calendrier = calendrier_simplifie(d, tables);
    if (!calendrier.erreur.empty()) {
        throw RefusSerie(calendrier.erreur);
    }
    ecrit_fichiers_calendrier(repertoire, calendrier, d);
    copie(platform::lookup_ignoring_case(repertoire, std::string(fichier_export)), copie_vers);
    return calendrier.pages.back().export_lignes;
}

/// The request of one build: one year, the text kind, no text area.
DemandeCalendrier demande_d_une_annee(const DemandeCalendrier& base, int annee)
{
    DemandeCalendrier d = base;
    d.annee = annee;
    d.nombre_annees = 1;
    d.cible = Cible::fichier;
    d.web = false;
    d.horaires = true;
    d.pour_tableur = true;
    return d;
}

std::string sans_extension(std::string_view nom)
{
    return std::string(nom.substr(0, nom.rfind('.')));
}

bool continue_(const ProgresSerie& progres, int faites, int total)
{
    return !progres || progres(faites, total);
}

} // namespace

const std::array<ConstructionCiop, 24>& constructions_ciop()
{
    static const std::array<ConstructionCiop, 24> c = {{
        {"CAL_GrE0.txt", LieuSerie::greenwich, or_meir, 0, false},
        {"CAL_GrE1.txt", LieuSerie::greenwich, or_meir, -1, false},
        {"CAL_GrE2.txt", LieuSerie::greenwich, or_meir, 1, false},
        {"CAL_M_E3.txt", LieuSerie::est, or_meir, 0, false},
        {"CAL_M_E4.txt", LieuSerie::est, or_meir, -1, false},
        {"CAL_M_E5.txt", LieuSerie::est, or_meir, 1, false},
        {"CAL_P_C0.txt", LieuSerie::centre, rav_rottenberg, 0, true},
        {"CAL_P_C1.txt", LieuSerie::centre, rav_rottenberg, -1, true},
        {"CAL_P_C2.txt", LieuSerie::centre, rav_rottenberg, 1, true},
        {"CAL_M_C0.txt", LieuSerie::centre, or_meir, 0, true},
        {"CAL_M_C1.txt", LieuSerie::centre, or_meir, -1, true},
        {"CAL_M_C2.txt", LieuSerie::centre, or_meir, 1, true},
        {"CAL_P_E0.txt", LieuSerie::est, rav_rottenberg, 0, true},
        {"CAL_P_E1.txt", LieuSerie::est, rav_rottenberg, -1, true},
        {"CAL_P_E2.txt", LieuSerie::est, rav_rottenberg, 1, true},
        {"CAL_M_E0.txt", LieuSerie::est, or_meir, 0, true},
        {"CAL_M_E1.txt", LieuSerie::est, or_meir, -1, true},
        {"CAL_M_E2.txt", LieuSerie::est, or_meir, 1, true},
        {"CAL_P_W0.txt", LieuSerie::ouest, rav_rottenberg, 0, true},
        {"CAL_P_W1.txt", LieuSerie::ouest, rav_rottenberg, -1, true},
        {"CAL_P_W2.txt", LieuSerie::ouest, rav_rottenberg, 1, true},
        {"CAL_M_W0.txt", LieuSerie::ouest, or_meir, 0, true},
        {"CAL_M_W1.txt", LieuSerie::ouest, or_meir, -1, true},
        {"CAL_M_W2.txt", LieuSerie::ouest, or_meir, 1, true},
    }};
    return c;
}

double aube_taanit(const config::FichierCles& ciop)
{
    const std::string t = platform::trim(ciop.valeur("taanit"));
    int dixiemes = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), dixiemes);
    if (t.empty() || erreur != std::errc() || fin != t.data() + t.size() || dixiemes <= 0 ||
        dixiemes >= 900) {
        return 12.0;
    }
    return dixiemes / 10.0;
}

std::filesystem::path chemin_fetes_ciop(int annee)
{
    return std::filesystem::path("fetes_ciop") / ("b_fetes_ciop_" + std::to_string(annee) + ".txt");
}

std::filesystem::path chemin_classeur_ciop(Sortie sortie, int annee, std::string_view ville)
{
    const std::string a = std::to_string(annee);
    const std::string genre = sortie == Sortie::tables_ciop ? "TABLES_CIOP_" : "CALENDRIER_CIOP_";
    return std::filesystem::path("CALENDRIER_CIOP_" + a) /
           (genre + a + "_" + ville_telephone(ville) + ".xlsx");
}

SeriesCiop series_ciop(const DemandeCalendrier& demande, Sortie sortie,
                       const config::FichierCles& ciop, const places::TablesEte& tables,
                       const std::filesystem::path& repertoire, const ProgresSerie& progres)
{
    const int derniere = demande.annee + std::max(demande.nombre_annees, 1) - 1;
    for (int y = demande.annee; y <= derniere; ++y) {
        if (!existe(repertoire, chemin_fetes_ciop(y)) ||
            !existe(repertoire, chemin_fetes_ciop(y + 1))) {
            throw RefusSerie(message_fetes_absentes(y));
        }
    }
    const TroisLongitudes l = trois_longitudes(demande.lieu.longitude, demande.est_ouest);
    const double taanit = aube_taanit(ciop);
    const int total =
        (derniere - demande.annee + 1) * static_cast<int>(constructions_ciop().size());
    SeriesCiop s;
    int faites = 0;
    for (int y = demande.annee; y <= derniere; ++y) {
        std::vector<FeuilleExport> feuilles;
        for (const ConstructionCiop& c : constructions_ciop()) {
            if (!continue_(progres, faites, total)) {
                s.interrompu = true;
                return s;
            }
            DemandeCalendrier d = demande_d_une_annee(demande, y + c.decalage_annee);
            d.opinion = std::string(c.opinion);
            d.contexte.aube_degres = c.aube_taanit ? taanit : aube_ordinaire;
            switch (c.lieu) {
            case LieuSerie::greenwich:
                d.lieu = greenwich;
                break;
            case LieuSerie::centre:
                break;
            case LieuSerie::est:
                d.lieu.longitude = l.est;
                break;
            case LieuSerie::ouest:
                d.lieu.longitude = l.ouest;
                break;
            }
            const std::filesystem::path copie_vers = repertoire / c.fichier;
            feuilles.push_back(
                {sans_extension(c.fichier), construit_et_copie(d, tables, repertoire, copie_vers)});
            s.fichiers.push_back(copie_vers);
            ++faites;
        }
        // The window's own place and opinion, as after the series.
        platform::write_lines(
            platform::lookup_ignoring_case(repertoire, std::string(fichier_lieu_calendrier)),
            {ligne_lieu_calendrier({demande.lieu, std::string(or_meir), demande.regle_entree})});
        copie(platform::lookup_ignoring_case(repertoire, chemin_fetes_ciop(y)),
              repertoire / "b_molad_ciop.txt");
        const std::filesystem::path classeur =
            repertoire / chemin_classeur_ciop(sortie, y, demande.lieu.ville);
        ecrit_classeur_des_exports(classeur, feuilles);
        s.classeurs.push_back(classeur);
        s.memo.push_back("Année " + std::to_string(y) + " : " + std::to_string(feuilles.size()) +
                         " calendriers, classeur " + classeur.string());
    }
    return s;
}

places::Place lieu_tset(std::string_view ligne)
{
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t tab = ligne.find('\t', debut);
        if (tab == std::string_view::npos) {
            champs.emplace_back(ligne.substr(debut));
            debut = ligne.size();
        } else {
            champs.emplace_back(ligne.substr(debut, tab - debut));
            debut = tab + 1;
        }
    }
    const std::string reste = std::string(ligne.substr(std::min(debut, ligne.size())));
    return {platform::trim(champs[0]), platform::trim(champs[1]), platform::trim(champs[2]),
            platform::trim(champs[3]), platform::trim(reste.substr(0, 10))};
}

SeriesCiop tables_tset(const DemandeCalendrier& demande, const places::TablesEte& tables,
                       const std::filesystem::path& repertoire, const ProgresSerie& progres)
{
    const std::filesystem::path liste =
        platform::lookup_ignoring_case(repertoire, std::string(fichier_villes_tset));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(liste, ec)) {
        throw RefusSerie("Il manque le fichier villetset.txt.");
    }
    std::vector<places::Place> villes;
    for (const std::string& l : platform::read_lines(liste)) {
        if (!platform::trim(l).empty()) {
            villes.push_back(lieu_tset(l));
        }
    }
    // The copies of an earlier run with more towns would be read as ours.
    for (int n = 1;
         std::filesystem::exists(repertoire / ("tset_vil_" + std::to_string(n) + ".txt"), ec);
         ++n) {
        std::filesystem::remove(repertoire / ("tset_vil_" + std::to_string(n) + ".txt"), ec);
    }
    SeriesCiop s;
    std::vector<FeuilleExport> feuilles;
    int n = 0;
    for (const places::Place& ville : villes) {
        if (!continue_(progres, n, static_cast<int>(villes.size()))) {
            s.interrompu = true;
            return s;
        }
        DemandeCalendrier d = demande_d_une_annee(demande, demande.annee);
        d.lieu = ville;
        d.opinion = std::string(or_meir);
        d.contexte.etoiles_degres = degres_etoiles_admour;
        const std::string nom = "tset_vil_" + std::to_string(++n) + ".txt";
        std::vector<std::string> lignes;
        try {
            lignes = construit_et_copie(d, tables, repertoire, repertoire / nom);
        } catch (const RefusSerie& e) {
            throw RefusSerie(ville.ville + " (ligne " + std::to_string(n) +
                             " de villetset.txt) : " + e.what());
        }
        feuilles.push_back({sans_extension(nom) + " " + ville_telephone(ville.ville), lignes});
        s.fichiers.push_back(repertoire / nom);
        s.memo.push_back(nom + " : " + ville.ville);
    }
    const std::filesystem::path classeur =
        repertoire / ("TSET_ADMOUR_" + std::to_string(demande.annee) + ".xlsx");
    ecrit_classeur_des_exports(classeur, feuilles);
    s.classeurs.push_back(classeur);
    return s;
}

} // namespace orvane::documents
