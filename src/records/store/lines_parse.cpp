// Reading the two lines of a record (the formats are in lines.h).
#include "records/store/fields.h"
#include "records/store/line_layout.h"
#include "records/store/lines.h"

#include "platform/text.h"

#include <algorithm>

namespace orvane::records
{

namespace d = disposition;

namespace
{

using Vues = std::vector<std::string_view>;

std::string texte(std::string_view v)
{
    return std::string(v);
}

/// The fields of a group from `debut`; the last takes what follows it,
/// joined by blanks (the tabs of a line written by hand).
std::string reste(const Vues& champs, std::size_t debut)
{
    if (debut >= champs.size()) {
        return {};
    }
    return joint_par_blancs(
        Vues(champs.begin() + static_cast<std::ptrdiff_t>(debut), champs.end()));
}

/// The two sides of a group around its arrow: at its place when it is
/// there, else the first arrow, else all fields on the civil side.
std::pair<Vues, Vues> cote_a_cote(const Vues& champs, std::size_t place)
{
    auto fleche = champs.begin() + static_cast<std::ptrdiff_t>(std::min(place, champs.size()));
    if (fleche == champs.end() || *fleche != d::fleche) {
        fleche = std::find(champs.begin(), champs.end(), d::fleche);
    }
    Vues civil(champs.begin(), fleche);
    Vues hebreu = fleche == champs.end() ? Vues{} : Vues(fleche + 1, champs.end());
    return {std::move(civil), std::move(hebreu)};
}

GroupeDate groupe_date(const Vues& champs)
{
    const auto [civil, hebreu] = cote_a_cote(champs, d::fleche_date);
    GroupeDate g;
    g.jour_semaine = texte(champ(civil, 0));
    g.jour = texte(champ(civil, 1));
    g.mois = texte(champ(civil, 2));
    g.annee = texte(champ(civil, 3));
    g.jour_nuit = texte(champ(civil, 4));
    g.jour_hebreu = texte(champ(hebreu, 0));
    g.mois_hebreu = texte(champ(hebreu, 1));
    g.annee_hebraique = texte(champ(hebreu, 2));
    return g;
}

GroupeAnniversaire groupe_anniversaire(const Vues& champs)
{
    const auto [civil, hebreu] = cote_a_cote(champs, d::fleche_anniversaire);
    GroupeAnniversaire g;
    g.jour_semaine = texte(champ(civil, 0));
    g.jour = texte(champ(civil, 1));
    g.mois = texte(champ(civil, 2));
    g.annee = texte(champ(civil, 3));
    g.jour_hebreu = texte(champ(hebreu, 0));
    g.mois_hebreu = texte(champ(hebreu, 1));
    g.annee_hebraique = texte(champ(hebreu, 2));
    return g;
}

/// Day, month and year of a Bar-Mitsva date, whose blanks were made tabs:
/// the first field is the day, the last the year, those between the month.
DateEnToutesLettres en_toutes_lettres(const Vues& champs)
{
    DateEnToutesLettres date;
    date.jour = texte(champ(champs, 0));
    if (champs.size() == 2) {
        date.mois = texte(champs[1]);
    } else if (champs.size() > 2) {
        date.annee = texte(champs.back());
        date.mois = joint_par_blancs(Vues(champs.begin() + 1, champs.end() - 1));
    }
    return date;
}

Coordonnees coordonnees(const GroupeLu& cor, const GroupeLu& adr, const GroupeLu& obs)
{
    Coordonnees c;
    c.civilite = texte(champ(cor.champs, 0));
    c.nom = texte(champ(cor.champs, 1));
    c.prenom = texte(champ(cor.champs, 2));
    c.chez = texte(champ(adr.champs, 0));
    c.numero = texte(champ(adr.champs, 1));
    c.adresse = texte(champ(adr.champs, 2));
    c.code_postal = texte(champ(adr.champs, 3));
    c.ville = texte(champ(adr.champs, 4));
    c.pays = texte(champ(adr.champs, 5));
    c.telephone_notes = reste(obs.champs, 0);
    return c;
}

void lit_noms(Famille famille, std::string_view ligne, Fiche& f)
{
    const Vues champs = separe_champs(ligne);
    switch (famille) {
    case Famille::naissance: {
        const auto g = lit_groupes(champs, d::noms_naissance);
        f.correspondant = coordonnees(g[0], g[1], g[2]);
        break;
    }
    case Famille::deces: {
        const auto g = lit_groupes(champs, d::noms_deces);
        f.defunt = {texte(champ(g[0].champs, 0)), texte(champ(g[0].champs, 1)),
                    texte(champ(g[0].champs, 2))};
        f.correspondant = coordonnees(g[1], g[2], g[3]);
        break;
    }
    case Famille::evenement:
        f.texte_evenement = reste(lit_groupes(champs, d::noms_evenement)[0].champs, 0);
        break;
    }
}

std::vector<GroupeLu> groupes_des_dates(Famille famille, const Vues& champs)
{
    switch (famille) {
    case Famille::naissance:
        return lit_groupes(champs, d::dates_naissance);
    case Famille::deces:
        return lit_groupes(champs, d::dates_deces);
    case Famille::evenement:
        break;
    }
    return lit_groupes(champs, d::dates_evenement);
}

void lit_dates(Famille famille, std::string_view ligne, Fiche& f)
{
    const Vues champs = separe_champs(ligne);
    const std::vector<GroupeLu> g = groupes_des_dates(famille, champs);
    f.date = groupe_date(g.front().champs);
    f.prochain = groupe_anniversaire(g.back().champs);
    if (famille == Famille::naissance) {
        // The civil date has three fields when its month is one word.
        const auto [civile, hebraique] = cote_a_cote(g[1].champs, 3);
        f.bar_mitsva.civile = en_toutes_lettres(civile);
        f.bar_mitsva.hebraique = en_toutes_lettres(hebraique);
        f.bar_mitsva.paracha = reste(g[2].champs, 0);
    } else if (famille == Famille::deces) {
        f.inhumation = groupe_date(g[1].champs);
    }
}

} // namespace

Fiche lit_lignes(Famille famille, std::string_view noms, std::string_view dates)
{
    Fiche f;
    lit_noms(famille, noms, f);
    lit_dates(famille, dates, f);
    return f;
}

bool sans_date(Famille famille, std::string_view dates)
{
    const Vues champs = separe_champs(dates);
    const GroupeLu principal = groupes_des_dates(famille, champs).front();
    if (!principal.trouve) {
        return std::all_of(champs.begin(), champs.end(),
                           [](std::string_view c) { return platform::trim(c).empty(); });
    }
    const GroupeDate g = groupe_date(principal.champs);
    const auto vide = [](const std::string& t) { return platform::trim(t).empty(); };
    return vide(g.jour) && vide(g.mois) && vide(g.annee) && vide(g.jour_hebreu) &&
           vide(g.mois_hebreu) && vide(g.annee_hebraique);
}

} // namespace orvane::records
