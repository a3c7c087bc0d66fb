#include "documents/icalendar.h"

#include "engine/dates.h"

namespace orvane::documents
{
namespace
{

std::string chiffres(int valeur, int largeur)
{
    std::string t = std::to_string(valeur);
    return std::string(static_cast<std::size_t>(std::max(0, largeur - static_cast<int>(t.size()))),
                       '0') +
           t;
}

std::string date_ical(const engine::DateCivile& d)
{
    return chiffres(d.annee, 4) + chiffres(d.mois, 2) + chiffres(d.jour, 2);
}

/// "16:56:00" of a day → "20260102T165600".
std::string instant_ical(const engine::DateCivile& d, std::string_view heure)
{
    std::string hms;
    for (const char c : heure) {
        if (c != ':') {
            hms += c;
        }
    }
    return date_ical(d) + "T" + hms;
}

/// Cuts a content line into lines of at most 75 bytes, each following
/// one starting with a blank, never inside a UTF-8 character.
void ajoute_ligne(std::string& sortie, std::string_view ligne)
{
    std::size_t limite = 75;
    while (ligne.size() > limite) {
        std::size_t coupe = limite;
        while (coupe > 0 && (static_cast<unsigned char>(ligne[coupe]) & 0xC0) == 0x80) {
            --coupe;
        }
        sortie.append(ligne.substr(0, coupe));
        sortie += "\r\n ";
        ligne = ligne.substr(coupe);
        limite = 74; // the blank counts
    }
    sortie.append(ligne);
    sortie += "\r\n";
}

class Ecriture
{
public:
    explicit Ecriture(const DemandeIcal& d) : demande_(d) {}

    void evenement_du_jour(const LibelleTelephone& l)
    {
        const engine::DateCivile lendemain = engine::lendemain(l.date);
        debut(l.date);
        ligne("DTSTART;VALUE=DATE:" + date_ical(l.date));
        ligne("DTEND;VALUE=DATE:" + date_ical(lendemain));
        ligne("SUMMARY:" + echappe_ical(l.libelle));
        ligne("TRANSP:TRANSPARENT");
        ligne("END:VEVENT");
    }

    void evenement_horaire(const HoraireTelephone& h)
    {
        debut(h.date);
        ligne("DTSTART:" + instant_ical(h.date, h.heure));
        ligne("SUMMARY:" + echappe_ical(h.libelle));
        ligne("TRANSP:TRANSPARENT");
        ligne("END:VEVENT");
    }

    void ligne(std::string_view l) { ajoute_ligne(texte, l); }

    std::string texte;

private:
    void debut(const engine::DateCivile& d)
    {
        ligne("BEGIN:VEVENT");
        ligne("UID:" + date_ical(d) + "-" + std::to_string(++numero_) + "@orvane");
        ligne("DTSTAMP:" + demande_.horodatage);
    }

    const DemandeIcal& demande_;
    int numero_ = 0;
};

} // namespace

std::string horodatage_ical(std::chrono::system_clock::time_point instant)
{
    const auto jours = std::chrono::floor<std::chrono::days>(instant);
    const std::chrono::year_month_day date{jours};
    const std::chrono::hh_mm_ss heure{std::chrono::floor<std::chrono::seconds>(instant - jours)};
    return chiffres(static_cast<int>(date.year()), 4) +
           chiffres(static_cast<int>(static_cast<unsigned>(date.month())), 2) +
           chiffres(static_cast<int>(static_cast<unsigned>(date.day())), 2) + "T" +
           chiffres(static_cast<int>(heure.hours().count()), 2) +
           chiffres(static_cast<int>(heure.minutes().count()), 2) +
           chiffres(static_cast<int>(heure.seconds().count()), 2) + "Z";
}

std::string echappe_ical(std::string_view texte)
{
    std::string r;
    for (const char c : texte) {
        switch (c) {
        case '\\':
        case ',':
        case ';':
            r += '\\';
            r += c;
            break;
        case '\r':
            break;
        case '\n':
            r += "\\n";
            break;
        default:
            r += c;
        }
    }
    return r;
}

std::string calendrier_ical(const JoursTelephone& jours, const DemandeIcal& demande)
{
    Ecriture e(demande);
    e.ligne("BEGIN:VCALENDAR");
    e.ligne("VERSION:2.0");
    e.ligne("PRODID:-//Orvane//Calendrier hebraique//FR");
    e.ligne("CALSCALE:GREGORIAN");
    e.ligne("METHOD:PUBLISH");
    e.ligne("X-WR-CALNAME:" + echappe_ical("Calendrier juif " + std::to_string(demande.annee) +
                                           " – " + demande.ville));
    for (const LibelleTelephone& l : jours.libelles) {
        if (!l.avec_heure) {
            e.evenement_du_jour(l);
        }
    }
    if (demande.avec_horaires) {
        for (const HoraireTelephone& h : jours.horaires) {
            if (h.marque) {
                e.evenement_horaire(h);
            }
        }
    }
    e.ligne("END:VCALENDAR");
    return std::move(e.texte);
}

} // namespace orvane::documents
