#include "documents/consistory_phone.h"

#include "engine/names.h"
#include "platform/file_names.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace orvane::documents
{
namespace
{

constexpr std::string_view debut_titre = " Calendrier de ";
constexpr std::string_view marque_entetes = "Min.Gué";

/// The times of every day, by the heading of their column.
struct ColonneDuJour {
    std::string_view entete;
    std::string_view libelle;
};
constexpr std::array<ColonneDuJour, 13> horaires_de_chaque_jour = {{
    {"Aube", "Aube"},
    {"Début", "Début du Taleth, Chéma, Téphilin"},
    {"L.sol", "Lever du Soleil - Nets"},
    {"Chéma1", "1ère heure limite pour le Chéma"},
    {"Chéma2", "2d heure limite pour le Chéma"},
    {"Téph1", "1ère heure limite pour la Téphila"},
    {"Téph2", "2d heure limite pour la Téphila"},
    {"Mijour", "Milieu de la journée - 'Hatsot"},
    {"Min.Gué", "Minha Guedola"},
    {"Min.Két", "Minha Quetana"},
    {"Plag", "Plag Haminha"},
    {"C.sol", "Coucher du Soleil - Chkia"},
    {"Etoiles", "Sortie des étoiles - Tset Hakokhavim"},
}};

std::optional<int> entier(std::string_view texte)
{
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin == texte.data()) {
        return std::nullopt;
    }
    return valeur;
}

/// The digits (with a leading minus) at the start of `texte`.
std::string_view nombre_en_tete(std::string_view texte)
{
    std::size_t n = texte.starts_with('-') ? 1 : 0;
    while (n < texte.size() && texte[n] >= '0' && texte[n] <= '9') {
        ++n;
    }
    return texte.substr(0, n);
}

/// The month of a heading " Janvier  2026" (what follows the year, a tab
/// and the Hebrew months, is allowed), or nothing.
std::optional<int> mois_de_l_entete(std::string_view ligne)
{
    if (!ligne.starts_with(' ')) {
        return std::nullopt;
    }
    for (int m = 1; m <= 12; ++m) {
        const std::string_view nom = engine::mois_civils[static_cast<std::size_t>(m)];
        std::string_view reste = ligne.substr(1);
        if (!reste.starts_with(nom) || !reste.substr(nom.size()).starts_with("  ")) {
            continue;
        }
        reste = reste.substr(nom.size() + 2);
        const std::string_view annee = nombre_en_tete(reste);
        const std::string_view apres = reste.substr(annee.size());
        if (entier(annee) && (apres.empty() || apres.starts_with('\t'))) {
            return m;
        }
    }
    return std::nullopt;
}

std::vector<std::string> champs(std::string_view ligne)
{
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (true) {
        const std::size_t tab = ligne.find('\t', debut);
        r.emplace_back(ligne.substr(debut, tab == std::string_view::npos ? tab : tab - debut));
        if (tab == std::string_view::npos) {
            return r;
        }
        debut = tab + 1;
    }
}

/// "07.01" → "07:01:00"; nothing for a slot without a time.
std::optional<std::string> heure_du_champ(std::string_view champ)
{
    const std::string t = platform::trim(champ);
    const std::size_t point = t.find_first_of(".:");
    if (point == std::string::npos) {
        return std::nullopt;
    }
    const auto h = entier(t.substr(0, point));
    const auto m = entier(t.substr(point + 1));
    if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59 || t.size() - point != 3) {
        return std::nullopt;
    }
    const auto deux = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return deux(*h) + ":" + deux(*m) + ":00";
}

/// The items of the notes column, separated by runs of blanks.
std::vector<std::string> elements_des_notes(std::string_view notes)
{
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < notes.size()) {
        std::size_t fin = notes.find("    ", i);
        if (fin == std::string_view::npos) {
            fin = notes.size();
        }
        const std::string e = platform::trim(notes.substr(i, fin - i));
        if (!e.empty()) {
            r.push_back(e);
        }
        i = fin;
        while (i < notes.size() && notes[i] == ' ') {
            ++i;
        }
    }
    return r;
}

/// An item that ends with a time "hh.mm": the text before it and the time.
struct ElementHoraire {
    std::string texte;
    std::string heure;
};
std::optional<ElementHoraire> element_horaire(std::string_view e)
{
    const std::size_t blanc = e.rfind(' ');
    if (blanc == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::string> h = heure_du_champ(e.substr(blanc + 1));
    if (!h) {
        return std::nullopt;
    }
    return ElementHoraire{std::string(e.substr(0, blanc)), *h};
}

bool contient(const std::vector<std::string>& elements, std::string_view texte)
{
    return std::any_of(elements.begin(), elements.end(),
                       [texte](const std::string& e) { return e.find(texte) != e.npos; });
}

/// The label of the times file for an entry or exit of the export, after
/// the day of the week and the other items of the day.
std::string libelle_marque(const std::string& texte, std::string_view jour,
                           const std::vector<std::string>& elements)
{
    const bool vendredi = jour == "Ven";
    const bool samedi = jour == "Cha";
    const bool hol_hamoed = contient(elements, "Hol-Hamoed");
    if (texte == "Entrée Chabbat") {
        if (hol_hamoed && contient(elements, "Pessa'h")) {
            return "Allumage Nérot Chabbat Hol Hamoed Pessah:";
        }
        if (hol_hamoed && contient(elements, "Soukot")) {
            return "Allumage Nérot Chabbat Hol Hamoed Soukot:";
        }
        return "Allumage Nérot Chabbat";
    }
    if (texte == "Entrée Yom Tov") {
        return vendredi ? "Allumage Nérot Chabbat Yom Tov:" : "Allumage Nérot";
    }
    if (texte == "Entrée Roch-Hachana") {
        return vendredi ? "Entrée Chab. R.Hachana" : "Entrée Roch-Hachana";
    }
    if (texte == "Entrée Kippour" && vendredi) {
        return "Entrée Chab. Kippour";
    }
    if (texte == "Sortie Yom Tov" && samedi) {
        return "Sortie Chabbat et Yom Tov";
    }
    return texte;
}

/// The reader's state through the lines of the export.
class Lecture
{
public:
    void lit(std::string_view ligne);
    JoursTelephone jours;

private:
    void lit_jour(const std::vector<std::string>& c);
    void ajoute_horaires(const engine::DateCivile& date, const std::vector<std::string>& c);
    void ajoute_libelles(const engine::DateCivile& date, const std::vector<std::string>& elements);

    std::optional<int> annee_;
    std::optional<int> mois_;
    std::map<std::string, std::size_t, std::less<>> colonnes_;
};

void Lecture::lit(std::string_view ligne)
{
    if (ligne.starts_with(debut_titre)) {
        annee_ = entier(nombre_en_tete(ligne.substr(debut_titre.size())));
        mois_.reset();
        return;
    }
    if (const std::optional<int> m = mois_de_l_entete(ligne)) {
        mois_ = m;
        return;
    }
    if (ligne.find(marque_entetes) != std::string_view::npos) {
        colonnes_.clear();
        const std::vector<std::string> c = champs(ligne);
        for (std::size_t i = 0; i < c.size(); ++i) {
            colonnes_.emplace(platform::trim(c[i]), i);
        }
        return;
    }
    const std::vector<std::string> c = champs(ligne);
    if (annee_ && mois_ && c.size() > 3) {
        lit_jour(c);
    }
}

void Lecture::lit_jour(const std::vector<std::string>& c)
{
    const std::optional<int> jour = entier(platform::trim(c[1]));
    if (!jour || *jour < 1 || *jour > 31) {
        return;
    }
    const engine::DateCivile date(*annee_, *mois_, *jour);
    const std::vector<std::string> elements = elements_des_notes(c[2]);
    ajoute_horaires(date, c);
    for (const std::string& e : elements) {
        if (const std::optional<ElementHoraire> h = element_horaire(e)) {
            jours.horaires.push_back(
                {date, h->heure, libelle_marque(h->texte, c[0], elements), true});
        }
    }
    ajoute_libelles(date, elements);
}

void Lecture::ajoute_horaires(const engine::DateCivile& date, const std::vector<std::string>& c)
{
    for (const ColonneDuJour& col : horaires_de_chaque_jour) {
        const auto i = colonnes_.find(col.entete);
        if (i == colonnes_.end() || i->second >= c.size()) {
            continue;
        }
        if (const std::optional<std::string> h = heure_du_champ(c[i->second])) {
            jours.horaires.push_back({date, *h, std::string(col.libelle), false});
        }
    }
}

void Lecture::ajoute_libelles(const engine::DateCivile& date,
                              const std::vector<std::string>& elements)
{
    for (std::size_t i = 0; i < elements.size(); ++i) {
        std::string e = elements[i];
        if (e == "CHABBAT") {
            // The Sabbath is named by what follows: its reading or festival.
            if (i + 1 < elements.size()) {
                e = "Chabbat " + elements[++i];
            } else {
                e = "Chabbat";
            }
        }
        const std::optional<ElementHoraire> h = element_horaire(e);
        jours.libelles.push_back(
            {date, h ? h->texte + " " + h->heure.substr(0, 5) : e, h.has_value()});
    }
}

std::string date_texte(const engine::DateCivile& d)
{
    const auto deux = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return deux(d.jour) + "/" + deux(d.mois) + "/" + std::to_string(d.annee);
}

std::string entre_guillemets(std::string_view texte)
{
    std::string r = "\"";
    for (const char c : texte) {
        r += c == '"' ? '\'' : c;
    }
    return r + "\"";
}

} // namespace

JoursTelephone lit_export_telephone(const std::vector<std::string>& lignes)
{
    Lecture lecture;
    for (const std::string& l : lignes) {
        lecture.lit(l);
    }
    return std::move(lecture.jours);
}

void ajoute_changements_heure(JoursTelephone& jours, const places::DstYear& ete, int annee)
{
    if (!ete.trouve()) {
        return;
    }
    const auto debut_j = entier(ete.statut);
    const auto debut_m = entier(ete.mois_debut);
    const auto fin_j = entier(ete.jour_fin);
    const auto fin_m = entier(ete.mois_fin);
    std::vector<LibelleTelephone> changements;
    if (debut_j && debut_m) {
        changements.push_back(
            {engine::DateCivile(annee, *debut_m, *debut_j), "Heure d'été (+1h)", false});
    }
    if (fin_j && fin_m) {
        changements.push_back(
            {engine::DateCivile(annee, *fin_m, *fin_j), "Heure d'hiver (-1h)", false});
    }
    for (const LibelleTelephone& c : changements) {
        // After the other labels of its day.
        const auto ou = std::find_if(jours.libelles.begin(), jours.libelles.end(),
                                     [&c](const LibelleTelephone& l) { return c.date < l.date; });
        jours.libelles.insert(ou, c);
    }
}

std::string ligne_horaire(const HoraireTelephone& h)
{
    return entre_guillemets(date_texte(h.date)) + ";" + entre_guillemets(h.heure) + ";" +
           entre_guillemets(h.libelle);
}

std::string ligne_libelle(const LibelleTelephone& l)
{
    return entre_guillemets(date_texte(l.date)) + ";" + entre_guillemets(l.libelle);
}

std::string ville_telephone(std::string_view ville)
{
    std::string sans;
    int profondeur = 0;
    for (const char c : ville) {
        if (c == '(') {
            ++profondeur;
        } else if (c == ')') {
            profondeur = std::max(0, profondeur - 1);
        } else if (profondeur == 0) {
            sans += c;
        }
    }
    return platform::nom_fichier_ville(sans);
}

ResultatTelephone ecrit_fichiers_telephone(const std::filesystem::path& repertoire,
                                           std::string_view ville, int annee,
                                           const JoursTelephone& jours)
{
    const std::filesystem::path dossier = repertoire / dossier_telephone;
    const std::string nom = ville_telephone(ville) + std::to_string(annee) + ".txt";
    ResultatTelephone r{dossier / ("H_" + nom), dossier / ("D_" + nom), std::nullopt};
    std::error_code ec;
    if (std::filesystem::exists(r.horaires, ec)) {
        r.deja_la = r.horaires.filename().string() + " existe déjà";
        return r;
    }
    platform::cree_dossier_de(r.horaires);
    std::vector<std::string> h;
    for (const HoraireTelephone& x : jours.horaires) {
        h.push_back(ligne_horaire(x));
    }
    std::vector<std::string> d;
    for (const LibelleTelephone& x : jours.libelles) {
        d.push_back(ligne_libelle(x));
    }
    platform::write_lines(r.libelles, d);
    platform::write_lines(r.horaires, h);
    return r;
}

} // namespace orvane::documents
