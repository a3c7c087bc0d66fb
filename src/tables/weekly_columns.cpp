#include "tables/weekly_columns.h"

#include "engine/names.h"
#include "platform/text.h"
#include "tables/date_label.h"

namespace orvane::tables
{

namespace
{

/// "05/01" of a date: its day and month.
std::string jour_et_mois(const engine::DateCivile& d)
{
    return date_numerique(d).substr(0, 5);
}

std::string nom_court(int jour_semaine)
{
    return jour_semaine == 7
               ? std::string("Chab")
               : platform::left(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)], 3);
}

/// The cells of the row as the text line has them, past its label.
std::vector<std::string> heures_de(const RangeeTable& r)
{
    std::vector<std::string> h;
    std::size_t debut = r.libelle.size();
    while (debut < r.texte.size() && h.size() < r.cellules.size()) {
        const std::size_t tab = r.texte.find('\t', debut + 1);
        h.push_back(platform::trim(r.texte.substr(
            debut + 1, tab == std::string::npos ? std::string::npos : tab - debut - 1)));
        if (tab == std::string::npos) {
            break;
        }
        debut = tab;
    }
    return h;
}

} // namespace

void ColonnesDesSemaines::rangee(const RangeeTable& r)
{
    if (semaines_.empty() || r.jour_semaine == 1) {
        semaines_.emplace_back();
    }
    Jour& j = semaines_.back()[static_cast<std::size_t>(r.jour_semaine - 1)];
    j.date = r.date;
    j.present = true;
    j.heures = r.polaire ? std::vector<std::string>(titres_.size(), "--") : heures_de(r);
}

std::vector<std::string> ColonnesDesSemaines::lignes() const
{
    std::vector<std::string> l;
    for (const Semaine& s : semaines_) {
        const Jour* premier = nullptr;
        const Jour* dernier = nullptr;
        std::string jours;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i].present) {
                premier = premier == nullptr ? &s[i] : premier;
                dernier = &s[i];
                jours += "\t" + nom_court(static_cast<int>(i) + 1) + " " + jour_et_mois(s[i].date);
            } else {
                jours += "\t";
            }
        }
        if (premier == nullptr) {
            continue;
        }
        l.push_back("Semaine du " + date_numerique(premier->date) + " au " +
                    date_numerique(dernier->date));
        l.push_back(jours);
        for (std::size_t c = 0; c < titres_.size(); ++c) {
            std::string ligne = titres_[c].titre;
            for (const Jour& j : s) {
                ligne += "\t" + (j.present && c < j.heures.size() ? j.heures[c] : std::string());
            }
            l.push_back(ligne);
        }
        l.emplace_back();
    }
    return l;
}

} // namespace orvane::tables
