// records: the records of a family on the command line, from its two text
// files (or its dBase table with --table): the list, one record, a new
// record read from standard input, and the export as text lines or as a
// workbook.
//
//   orvane-cli records naissance list
//   orvane-cli records deces show 4
//   printf 'Nom=Lévy\nDate=02/10/2024 N\n' | orvane-cli records naissance add
//   orvane-cli records evenement export --xlsx evenements.xlsx

#include "cli/arguments.h"
#include "cli/commands.h"
#include "documents/workbook_records.h"
#include "engine/date_validity.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "records/bar_mitsva.h"
#include "records/store/families.h"
#include "records/store/record_dates.h"
#include "records/store/store.h"
#include "records/tables/dbase_table.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;
using records::Famille;

struct RecordsOptions {
    std::string family;
    std::string action;
    int number = 0;
    bool table = false;
    std::string xlsx;
    std::string from;
    bool girl = false;
    bool accept_cut = false;
    Format format = Format::text;
};

// -- The family and the action ----------------------------------------

std::optional<Famille> famille_de_l_argument(CliContext& ctx, const std::string& texte)
{
    const std::u32string cle = places::cle_de_tri(texte);
    const std::pair<std::string_view, Famille> noms[] = {
        {"naissance", Famille::naissance}, {"deces", Famille::deces},
        {"evenement", Famille::evenement}, {"anniversaire", Famille::evenement},
        {"birth", Famille::naissance},     {"death", Famille::deces},
        {"event", Famille::evenement}};
    for (const auto& [nom, famille] : noms) {
        if (places::cle_de_tri(nom) == cle) {
            return famille;
        }
    }
    report_bad_input(ctx, texte + " : famille inconnue ; les familles sont naissance (Naissance), "
                                  "deces (Décès) et evenement (Anniversaire)");
    return std::nullopt;
}

// -- Lines of the list ------------------------------------------------

/// The person or the event of a record: name and first name (those of the
/// deceased for a death), or the text of the event.
std::pair<std::string, std::string> nom_de_la_fiche(Famille famille, const records::Fiche& f)
{
    switch (famille) {
    case Famille::deces:
        return {platform::trim(f.defunt.nom), platform::trim(f.defunt.prenom)};
    case Famille::evenement:
        return {platform::trim(f.texte_evenement), ""};
    case Famille::naissance:
        break;
    }
    return {platform::trim(f.correspondant.nom), platform::trim(f.correspondant.prenom)};
}

/// "02/10/2024" when the group holds a date, its fields joined by "/"
/// otherwise.
std::string date_du_groupe(const records::GroupeDate& g)
{
    if (const auto d = records::date_civile(g)) {
        return records::texte_de_date(*d);
    }
    std::string r;
    for (const std::string& t : {g.jour, g.mois, g.annee}) {
        if (!platform::trim(t).empty()) {
            r += (r.empty() ? "" : "/") + platform::trim(t);
        }
    }
    return r;
}

std::string hebreu_du_groupe(const records::GroupeDate& g)
{
    std::string r;
    for (const std::string& t : {g.jour_hebreu, g.mois_hebreu, g.annee_hebraique}) {
        if (!platform::trim(t).empty()) {
            r += (r.empty() ? "" : " ") + platform::trim(t);
        }
    }
    return r;
}

/// A line of the list: in text, the number right-aligned to 5, the name
/// filled to 32, the civil date and its day-or-night flag filled to 13, the
/// Hebrew date; in tsv, the fields separated by tabs.
std::string ligne_de_la_liste(Famille famille, const records::FicheLue& l, Format format)
{
    const auto [nom, prenom] = nom_de_la_fiche(famille, l.fiche);
    const records::GroupeDate& g = l.fiche.date;
    const std::string civile = date_du_groupe(g);
    if (format == Format::tsv) {
        std::string r = std::to_string(l.numero) + '\t' + nom + '\t';
        if (famille != Famille::evenement) {
            r += prenom + '\t';
        }
        return r + civile + '\t' + platform::trim(g.jour_nuit) + '\t' + hebreu_du_groupe(g);
    }
    const std::string qui = prenom.empty() ? nom : nom + " " + prenom;
    const std::string jn = platform::trim(g.jour_nuit);
    return platform::pad_left(std::to_string(l.numero), 5) + "  " + platform::pad_right(qui, 32) +
           "  " + platform::pad_right(jn.empty() ? civile : civile + " " + jn, 13) + "  " +
           hebreu_du_groupe(g);
}

// -- The text store ---------------------------------------------------

/// The store of the family; a note on the error stream when its two files
/// do not agree (only the records whose lines agree are read).
records::BaseFiches base_de_la_famille(CliContext& ctx, Famille famille)
{
    records::BaseFiches base = records::BaseFiches::ouvre(prepared_program_directory(), famille);
    const records::EtatBase etat = base.etat();
    if (!etat.message.empty()) {
        std::string m = etat.message;
        std::replace(m.begin(), m.end(), '\r', '\n');
        ctx.err << m << '\n';
    }
    return base;
}

void liste_des_fiches(CliContext& ctx, Famille famille, Format format)
{
    for (const records::FicheLue& l : base_de_la_famille(ctx, famille).fiches()) {
        ctx.out << ligne_de_la_liste(famille, l, format) << '\n';
    }
}

void montre_la_fiche(CliContext& ctx, Famille famille, int numero)
{
    for (const records::FicheLue& l : base_de_la_famille(ctx, famille).fiches()) {
        if (l.numero != numero) {
            continue;
        }
        const std::vector<std::string> titres = documents::colonnes_classeur_fiches(famille);
        const std::vector<documents::CelluleFiche> cellules =
            documents::cellules_de_la_fiche(famille, l);
        for (std::size_t i = 0; i < titres.size(); ++i) {
            ctx.out << titres[i] << ": " << cellules[i].texte << '\n';
        }
        return;
    }
    report_bad_input(ctx, "La fiche N° " + std::to_string(numero) + " n'existe pas");
}

/// The two files side by side: for each record, its number, the content of
/// its names line and that of its dates line, separated by tabs.
void exporte_les_fiches(CliContext& ctx, Famille famille)
{
    for (const records::FicheLue& l : base_de_la_famille(ctx, famille).fiches()) {
        ctx.out << l.numero << '\t' << l.lignes.noms << '\t' << l.lignes.dates << '\n';
    }
}

// -- A new record from standard input ----------------------------------

/// The lines "FIELD=value" of standard input, the field names as typed;
/// false (with a message) for a line without "=".
bool lit_les_champs(CliContext& ctx, std::vector<std::pair<std::string, std::string>>& champs)
{
    bool bon = true;
    for_each_input_item(ctx.in, [&](const std::string& ligne) {
        const std::size_t egal = ligne.find('=');
        if (egal == std::string::npos || platform::trim(ligne.substr(0, egal)).empty()) {
            report_bad_input(ctx, "« " + ligne + " » : une ligne s'écrit CHAMP=valeur");
            bon = false;
            return;
        }
        champs.emplace_back(platform::trim(ligne.substr(0, egal)),
                            platform::trim(ligne.substr(egal + 1)));
    });
    return bon;
}

/// The fields that a new record of the family takes: the fields of its
/// lines that have a name of their own, then its dates; the fields that
/// the dates give (weekday, Hebrew date, Bar-Mitsva, reading, next
/// anniversary) are computed.
std::vector<std::string> champs_saisis(Famille famille)
{
    std::vector<std::string> r;
    for (const std::string& titre : documents::colonnes_classeur_fiches(famille)) {
        if (titre == "N°" || titre == "Paracha" || titre.find(" (") != std::string::npos ||
            titre == "Date de Bar-Mitsva" || titre == "Prochain anniversaire") {
            continue;
        }
        r.push_back(titre);
    }
    return r;
}

std::string liste_de_noms(const std::vector<std::string>& noms)
{
    std::string r;
    for (const std::string& n : noms) {
        r += (r.empty() ? "" : ", ") + n;
    }
    return r;
}

/// A civil date typed "jj/mm/aaaa" or "A-M-J", then "J" or "N" (the day
/// by default): the date and its flag, or why not.
struct DateSaisie {
    std::optional<engine::DateCivile> date;
    std::string jour_nuit = "J";
    std::string erreur;
};

/// The three numbers of "j/m/aaaa" or "A-M-J", whether the day exists or
/// not (erreur_date_civile says why it does not).
std::optional<engine::DateCivile> date_tapee(const std::string& texte)
{
    const std::size_t b1 = texte.find('/');
    const std::size_t b2 = b1 == std::string::npos ? b1 : texte.find('/', b1 + 1);
    if (b2 != std::string::npos) {
        const auto j = platform::nombre_entier(texte.substr(0, b1));
        const auto m = platform::nombre_entier(texte.substr(b1 + 1, b2 - b1 - 1));
        const auto a = platform::nombre_entier(texte.substr(b2 + 1));
        if (j && m && a) {
            return engine::DateCivile{*a, *m, *j};
        }
        return std::nullopt;
    }
    if (const auto ymd = parse_ymd(texte)) {
        return engine::DateCivile{ymd->y, ymd->m, ymd->d};
    }
    return std::nullopt;
}

DateSaisie date_saisie(const std::string& valeur)
{
    DateSaisie s;
    std::string texte = valeur;
    const std::size_t blanc = texte.find(' ');
    if (blanc != std::string::npos) {
        s.jour_nuit = platform::to_upper(platform::trim(texte.substr(blanc + 1)));
        texte = texte.substr(0, blanc);
        if (s.jour_nuit != "J" && s.jour_nuit != "N") {
            s.erreur = "après la date, J (le jour) ou N (entre la tombée de la nuit et minuit)";
            return s;
        }
    }
    const std::optional<engine::DateCivile> d = date_tapee(texte);
    if (!d) {
        s.erreur = "la date s'écrit jj/mm/aaaa (ou A-M-J), suivie de J ou N";
    } else if (const auto e = engine::erreur_date_civile(*d)) {
        s.erreur = *e;
    } else {
        s.date = d;
    }
    return s;
}

/// The date fields of a record from a typed date: its group, with the
/// Hebrew date after the night rule; an error when the Hebrew date falls
/// beyond the calendar.
std::optional<records::GroupeDate> groupe_saisi(CliContext& ctx, const std::string& champ,
                                                const std::string& valeur)
{
    const DateSaisie s = date_saisie(valeur);
    if (!s.date) {
        report_bad_input(ctx, "« " + champ + " » " + valeur + " : " + s.erreur);
        return std::nullopt;
    }
    records::GroupeDate g = records::groupe_date(*s.date, s.jour_nuit);
    if (!records::date_hebraique(g)) {
        report_bad_input(ctx, "« " + champ + " » " + valeur + " : " +
                                  engine::message_annees_hors_limites());
        return std::nullopt;
    }
    return g;
}

/// The computed dates of a record: its next anniversary from `aujourdhui`
/// and, for a birth, the Bar-Mitsva (or Bat-Mitsva) of the Diaspora.
bool calcule_les_dates(CliContext& ctx, Famille famille, records::Fiche& f,
                       engine::DateCivile aujourdhui, bool fille)
{
    const engine::DateHebraique h = *records::date_hebraique(f.date);
    const int annee_bar_mitsva = h.annee + (fille ? 12 : 13);
    if (records::premiere_annee_a_venir(h, aujourdhui) > engine::annee_hebr_max ||
        (famille == Famille::naissance && annee_bar_mitsva > engine::annee_hebr_max)) {
        report_bad_input(ctx, "« Date » : " + engine::message_annees_hors_limites());
        return false;
    }
    f.prochain = records::groupe_prochain(
        records::prochains_anniversaires(h, aujourdhui, 1, 1, famille).anniversaires.front());
    if (famille == Famille::naissance) {
        f.bar_mitsva = records::bar_mitsva_ecrite(records::calcule_bar_mitsva(
            h, fille ? records::Sexe::fille : records::Sexe::garcon, true));
    }
    return true;
}

/// Puts a typed field in the record; false, with a message, when it is
/// not a field of the family, given twice, or a date that is not one.
bool range_le_champ(CliContext& ctx, Famille famille, records::Fiche& f, const std::string& champ,
                    const std::string& valeur, std::set<std::string>& donnes)
{
    const std::vector<std::string> noms = champs_saisis(famille);
    const auto nom = std::find_if(noms.begin(), noms.end(), [&](const std::string& n) {
        return places::cle_de_tri(n) == places::cle_de_tri(champ);
    });
    if (nom == noms.end()) {
        report_bad_input(ctx, "« " + champ + " » : champ inconnu des fiches " +
                                  std::string(records::description_famille(famille).nom) +
                                  " ; les champs sont " + liste_de_noms(noms) +
                                  " (les autres dates sont calculées)");
        return false;
    }
    // The description of an event may take several lines.
    const bool texte = *nom == "Texte de l'événement";
    if (!donnes.insert(*nom).second && !texte) {
        report_bad_input(ctx, "« " + *nom + " » : champ donné deux fois");
        return false;
    }
    if (*nom == "Date" || *nom == "Date d'inhumation") {
        const auto g = groupe_saisi(ctx, *nom, valeur);
        if (g) {
            (*nom == "Date" ? f.date : f.inhumation) = *g;
        }
        return g.has_value();
    }
    if (texte) {
        f.texte_evenement += records::texte_evenement({valeur});
        return true;
    }
    for (const auto& [n, c] : records::champs_de_la_fiche(f)) {
        if (n == *nom) {
            *c = valeur;
        }
    }
    return true;
}

void ajoute_une_fiche(CliContext& ctx, Famille famille, const RecordsOptions& o)
{
    const auto aujourdhui = today_argument(ctx, o.from);
    std::vector<std::pair<std::string, std::string>> champs;
    if (!aujourdhui || !lit_les_champs(ctx, champs)) {
        return;
    }
    records::Fiche f;
    std::set<std::string> donnes;
    bool bon = true;
    for (const auto& [champ, valeur] : champs) {
        bon = range_le_champ(ctx, famille, f, champ, valeur, donnes) && bon;
    }
    if (bon && !donnes.contains("Date")) {
        report_bad_input(ctx, "« Date » : champ obligatoire (jj/mm/aaaa, suivi de N pour une date "
                              "entre la tombée de la nuit et minuit)");
        bon = false;
    }
    if (!bon || !calcule_les_dates(ctx, famille, f, *aujourdhui, o.girl)) {
        return;
    }
    std::string avertissement;
    const records::Resultat r =
        base_de_la_famille(ctx, famille).ajoute_fiche(f, [&](const std::string& m) {
            avertissement = m;
            return o.accept_cut;
        });
    if (!r.fait) {
        report_bad_input(ctx, r.message.empty()
                                  ? avertissement + "Rien n'a été enregistré (--accept-cut "
                                                    "pour enregistrer la ligne tronquée)."
                                  : r.message);
        return;
    }
    if (o.format == Format::tsv) {
        ctx.out << r.numero << '\n';
    } else {
        ctx.out << r.message << '\n';
    }
}

// -- The dBase table ----------------------------------------------------

const records::SchemaTable& schema_de_la_famille(Famille famille)
{
    return famille == Famille::deces ? records::schema_deces() : records::schema_naissances();
}

std::string texte_ou_vide(const records::Table& t, std::size_t fiche, std::string_view champ)
{
    return t.a_le_champ(champ) ? platform::trim(t.texte_de(fiche, champ)) : std::string();
}

std::string ligne_de_la_table(const records::Table& t, std::size_t position, std::size_t fiche,
                              Format format)
{
    std::string nom = texte_ou_vide(t, fiche, "NOM_DC");
    std::string prenom = texte_ou_vide(t, fiche, "PRE_DC");
    if (nom.empty() && prenom.empty()) {
        nom = texte_ou_vide(t, fiche, "NOM");
        prenom = texte_ou_vide(t, fiche, "PRE");
    }
    const std::string civile = texte_ou_vide(t, fiche, "NAI_CV_N");
    const std::string jn = texte_ou_vide(t, fiche, "J_N");
    const std::string hebreu = texte_ou_vide(t, fiche, "NAI_HB_N");
    if (format == Format::tsv) {
        return std::to_string(position) + '\t' + nom + '\t' + prenom + '\t' + civile + '\t' + jn +
               '\t' + hebreu;
    }
    const std::string qui = prenom.empty() ? nom : nom + " " + prenom;
    return platform::pad_left(std::to_string(position), 5) + "  " + platform::pad_right(qui, 32) +
           "  " + platform::pad_right(jn.empty() ? civile : civile + " " + jn, 13) + "  " + hebreu;
}

void liste_de_la_table(CliContext& ctx, const records::Table& t, Format format)
{
    const std::vector<std::size_t> fiches = t.fiches();
    for (std::size_t i = 0; i < fiches.size(); ++i) {
        ctx.out << ligne_de_la_table(t, i + 1, fiches[i], format) << '\n';
    }
}

void montre_de_la_table(CliContext& ctx, const records::Table& t, int position)
{
    const std::vector<std::size_t> fiches = t.fiches();
    if (position < 1 || static_cast<std::size_t>(position) > fiches.size()) {
        report_bad_input(ctx, "Position " + std::to_string(position) + " : la table « " +
                                  t.fichier().filename().string() + " » a " +
                                  records::libelle_enregistrements(fiches.size()));
        return;
    }
    const std::size_t fiche = fiches[static_cast<std::size_t>(position - 1)];
    for (std::size_t c = 0; c < t.champs().size(); ++c) {
        ctx.out << t.champs()[c].nom << ": " << t.texte_du_champ(fiche, c) << '\n';
    }
}

/// A new record of the table from the lines "FIELD=value": every field
/// checked before anything is written; the civility is required, as when
/// the records window posts a record.
void ajoute_a_la_table(CliContext& ctx, records::Table& t, Format format)
{
    std::vector<std::pair<std::string, std::string>> champs;
    if (!lit_les_champs(ctx, champs)) {
        return;
    }
    t.insere();
    bool bon = true;
    std::set<std::string> donnes;
    for (const auto& [champ, valeur] : champs) {
        const auto c = t.champ(champ);
        if (!c) {
            std::vector<std::string> noms;
            for (const records::ChampDbf& d : t.champs()) {
                noms.push_back(d.nom);
            }
            report_bad_input(ctx, "« " + champ +
                                      " » : champ inconnu de la table ; les champs sont " +
                                      liste_de_noms(noms));
            bon = false;
            continue;
        }
        if (!donnes.insert(t.champs()[*c].nom).second) {
            report_bad_input(ctx, "« " + t.champs()[*c].nom + " » : champ donné deux fois");
            bon = false;
            continue;
        }
        try {
            t.change_texte(champ, valeur);
        } catch (const records::ValeurRefusee& e) {
            report_bad_input(ctx, e.what());
            bon = false;
        }
    }
    if (bon && t.a_le_champ("N") && platform::trim(t.texte("N")).empty()) {
        report_bad_input(ctx, std::string(records::message_civilite_manquante));
        bon = false;
    }
    if (!bon) {
        t.annule();
        return;
    }
    t.valide();
    const std::vector<std::size_t> fiches = t.fiches();
    const auto ici = std::find(fiches.begin(), fiches.end(), *t.fiche_courante());
    const std::size_t position = static_cast<std::size_t>(ici - fiches.begin()) + 1;
    if (format == Format::tsv) {
        ctx.out << position << '\n';
    } else {
        ctx.out << "La fiche N° " << position << " a été enregistrée\n";
    }
}

void exporte_la_table(CliContext& ctx, const records::Table& t, Format format)
{
    const std::vector<std::string> lignes =
        format == Format::tsv ? records::export_tous_les_champs(t) : records::listing(t);
    for (const std::string& l : lignes) {
        ctx.out << l << '\n';
    }
}

void sur_la_table(CliContext& ctx, Famille famille, const RecordsOptions& o)
{
    if (famille == Famille::evenement) {
        report_bad_input(ctx, "Les événements n'ont pas de table de fiches : leurs fiches sont "
                              "dans events/base_even_noms.txt et events/base_even_dates.txt "
                              "(sans --table)");
        return;
    }
    const records::SchemaTable& s = schema_de_la_famille(famille);
    const fs::path chemin = records::chemin_de_table(prepared_program_directory(), s.nom_fichier);
    records::Table t = o.action == "add" ? records::Table::ouvre_ou_cree(chemin, s.champs)
                                         : records::Table::ouvre(chemin);
    if (o.action == "list") {
        liste_de_la_table(ctx, t, o.format);
    } else if (o.action == "show") {
        montre_de_la_table(ctx, t, o.number);
    } else if (o.action == "add") {
        ajoute_a_la_table(ctx, t, o.format);
    } else if (!o.xlsx.empty()) {
        const fs::path x = fs::absolute(o.xlsx);
        documents::ecrit_classeur_table(x, t);
        ctx.out << x.string() << '\n';
    } else {
        exporte_la_table(ctx, t, o.format);
    }
}

// -- The command ----------------------------------------------------------

void sur_les_fichiers(CliContext& ctx, Famille famille, const RecordsOptions& o)
{
    if (o.action == "list") {
        liste_des_fiches(ctx, famille, o.format);
    } else if (o.action == "show") {
        montre_la_fiche(ctx, famille, o.number);
    } else if (o.action == "add") {
        ajoute_une_fiche(ctx, famille, o);
    } else if (!o.xlsx.empty()) {
        const fs::path x = fs::absolute(o.xlsx);
        documents::ecrit_classeur_fiches(x, famille, base_de_la_famille(ctx, famille).fiches());
        ctx.out << x.string() << '\n';
    } else {
        exporte_les_fiches(ctx, famille);
    }
}

bool arguments_valides(CliContext& ctx, const RecordsOptions& o)
{
    const std::set<std::string> actions = {"list", "show", "add", "export"};
    if (!actions.contains(o.action)) {
        report_bad_input(ctx, o.action + " : action inconnue ; les actions sont list, show N, add "
                                         "et export");
        return false;
    }
    if (o.action == "show" && o.number < 1) {
        report_bad_input(ctx, "show : le numéro de la fiche (1 ou plus) est attendu");
        return false;
    }
    if (!o.xlsx.empty() && o.action != "export") {
        report_bad_input(ctx, "--xlsx ne va qu'avec export");
        return false;
    }
    return true;
}

void records_store(CliContext& ctx, const RecordsOptions& o)
{
    const std::optional<Famille> famille = famille_de_l_argument(ctx, o.family);
    if (!famille || !arguments_valides(ctx, o)) {
        return;
    }
    reporting_file_errors(ctx, [&] {
        if (o.table) {
            sur_la_table(ctx, *famille, o);
        } else {
            sur_les_fichiers(ctx, *famille, o);
        }
    });
}

} // namespace

void add_records_store_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<RecordsOptions>();
    CLI::App* cmd = app.add_subcommand(
        "records", "Fiches des naissances, des décès et des événements : liste, fiche, ajout, "
                   "export");
    cmd->add_option("family", o->family, "Famille : naissance, deces ou evenement")->required();
    cmd->add_option("action", o->action,
                    "list, show N, add (champs CHAMP=valeur sur l'entrée standard) ou export")
        ->required();
    cmd->add_option("number", o->number,
                    "Numéro de la fiche (position dans la table avec --table)");
    cmd->add_flag("--table", o->table, "La table dBase de la famille (Bd_NAIS.dbf, Bd_DC.dbf)");
    cmd->add_option("--xlsx", o->xlsx, "export : classeur .xlsx de la famille");
    cmd->add_option("--from", o->from,
                    "add : date civile A-M-J prise pour aujourd'hui (prochain anniversaire)");
    cmd->add_flag("--girl", o->girl, "add : Bat-Mitsva (naissance d'une fille)");
    cmd->add_flag("--accept-cut", o->accept_cut,
                  "add : enregistrer une ligne de plus de 255 caractères tronquée");
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { records_store(ctx, *o); });
}

} // namespace orvane::cli
