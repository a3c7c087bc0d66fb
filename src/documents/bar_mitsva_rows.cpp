#include "documents/bar_mitsva_rows.h"

#include "documents/calendar_day.h"
#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/readings/bar_mitsva.h"
#include "platform/text.h"

namespace orvane::documents
{

namespace
{

using engine::DateCivile;
using engine::DateHebraique;

/// The last Hebrew year the conversions hold.
constexpr int derniere_annee_hebraique = 13759;

std::string nom_jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::string nom_mois_hebreu(const DateHebraique& d)
{
    return platform::trim(
        engine::nom_mois_hebreu(d.mois, engine::annee_hebr_embolismique(d.annee)));
}

/// "Mardi    15 Mars 2011": the civil date as the day lines write it.
std::string date_civile_complete(const DateCivile& d)
{
    return nom_jour(engine::jour_semaine(d)) + engine::cadre_nombre(d.jour, 2) + " " +
           platform::pad_right(
               platform::left(engine::mois_civils[static_cast<std::size_t>(d.mois)], 4), 4) +
           engine::cadre_nombre(engine::annee_civile_ecrite(d.annee), 5);
}

/// "Mercredi 10 Adar II 5771": weekday, day, month padded to 8, year in 4.
std::string date_hebraique_complete(const DateHebraique& d)
{
    return nom_jour(engine::jour_semaine(engine::civil_de_l_hebreu(d))) +
           engine::cadre_nombre(d.jour, 2) + " " + platform::pad_right(nom_mois_hebreu(d), 8) +
           engine::cadre_nombre(d.annee, 4);
}

/// The padding of the labels, stars and runs of dashes, turned into blanks.
std::string sans_remplissage(std::string_view texte)
{
    std::string t(texte);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '*') {
            t[i] = ' ';
        } else if (t[i] == '-') {
            std::size_t fin = i;
            while (fin < t.size() && t[fin] == '-') {
                ++fin;
            }
            if (fin - i >= 2) {
                t.replace(i, fin - i, fin - i, ' ');
            }
            i = fin - 1;
        }
    }
    return t;
}

std::string ligne_nemanim(const LigneBarMitsva& l)
{
    return "<tr><td bgcolor=#FFCC99 width=\"86\"> <b><font face=\"Courier New\" color=#2604BD "
           "style=\"font-size: 8pt\"><A name=N" +
           l.cle + "></a><PRE>" + platform::echappe_html(date_civile_complete(l.naissance)) +
           "</PRE>&nbsp;</font></b></td><td bgColor=#FFCC99 width=\"150\"><b><font face=\"Courier "
           "New\" color=green  style=\"font-size: 8pt\"><PRE>/ " +
           platform::echappe_html(l.date_hebraique) + "</PRE>&nbsp;</font></b></td></tr>";
}

std::string ligne_pemanim(const LigneBarMitsva& l)
{
    return "\t<A name=P" + l.cle + "></A><A href=\"#B" + l.cle + "\">" + l.cle + "</A>  " +
           platform::echappe_html(date_civile_complete(l.chabbat) + "  " +
                                  platform::trim(date_hebraique_du_tableau(l.chabbat_hebraique)) +
                                  "  " + l.lecture);
}

} // namespace

int age_de_la_ceremonie(bool fille)
{
    return fille ? 12 : 13;
}

char lettre_du_sexe(bool fille)
{
    return fille ? 't' : 'r';
}

char lettre_du_sexe_majuscule(bool fille)
{
    return fille ? 'T' : 'R';
}

bool naissance_apres_la_nuit(std::string_view pays)
{
    return pays == "N" || pays == "n";
}

std::string cle_de_naissance(const DateCivile& d)
{
    return engine::complete_zeros(std::to_string(d.jour), 2) + "/" +
           engine::complete_zeros(std::to_string(d.mois), 2) + "/" + std::to_string(d.annee);
}

std::string date_civile_du_tableau(const DateCivile& d)
{
    return engine::complete_espaces(engine::cadre_nombre(d.jour, 2), 3) + " " +
           platform::left(engine::mois_civils[static_cast<std::size_t>(d.mois)], 4) + " " +
           std::to_string(engine::annee_civile_ecrite(d.annee));
}

std::string date_hebraique_du_tableau(const DateHebraique& d)
{
    return engine::complete_espaces(engine::cadre_nombre(d.jour, 2), 3) + " " + nom_mois_hebreu(d) +
           " " + std::to_string(d.annee);
}

LectureDuChabbat::LectureDuChabbat(const ParametresBarMitsva& p, int annee_de_naissance)
    : demande_([&p] {
          DemandeCalendrier d;
          d.diaspora = p.diaspora;
          d.parachiot = true;
          d.horaires = false;
          return d;
      }()),
      // A birth of civil year Y is in Hebrew year Y + 3760 or Y + 3761 (one
      // more after nightfall on the eve of Roch Hachana); the Chabbat of its
      // ceremony may fall in the next Hebrew year.
      notes_(annee_de_naissance + 3760 + age_de_la_ceremonie(p.fille),
             std::min(annee_de_naissance + 3763 + age_de_la_ceremonie(p.fille),
                      derniere_annee_hebraique),
             p.diaspora, false, true, [](DateCivile) { return false; })
{
}

std::string LectureDuChabbat::texte(const DateCivile& chabbat) const
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(chabbat.annee, chabbat.mois, chabbat.jour);
    const JourCalendrier j = jour_calendrier(e, notes_, demande_);
    std::string t = sans_remplissage(j.libelle + " " + j.note);
    // One blank between the words: the columns' padding is of no use here.
    std::string propre;
    for (char c : platform::trim(t)) {
        if (c != ' ' || propre.empty() || propre.back() != ' ') {
            propre += c;
        }
    }
    return propre;
}

std::optional<LigneBarMitsva> calcul(const DateCivile& naissance, const ParametresBarMitsva& p,
                                     const LectureDuChabbat& lecture)
{
    LigneBarMitsva l;
    l.cle = cle_de_naissance(naissance);
    l.naissance = naissance;
    l.naissance_hebraique = engine::hebraique_du_civil(naissance);
    if (p.apres_la_nuit) {
        l.naissance_hebraique = engine::lendemain(l.naissance_hebraique);
    }
    if (l.naissance_hebraique.annee + age_de_la_ceremonie(p.fille) + 1 > derniere_annee_hebraique) {
        return std::nullopt;
    }
    l.ceremonie = events::date_bar_mitsva(l.naissance_hebraique, p.fille);
    l.ceremonie_civile = engine::civil_de_l_hebreu(l.ceremonie);
    l.chabbat = l.ceremonie_civile;
    while (engine::jour_semaine(l.chabbat) != 7) {
        l.chabbat = engine::lendemain(l.chabbat);
    }
    l.chabbat_hebraique = engine::hebraique_du_civil(l.chabbat);
    l.lecture = lecture.texte(l.chabbat);
    l.date_hebraique = date_hebraique_complete(l.naissance_hebraique);
    if (p.mode == ModeBarMitsva::tableau) {
        l.colonnes = "\t" + date_civile_du_tableau(l.ceremonie_civile) + "\t" +
                     date_hebraique_du_tableau(l.ceremonie);
    } else {
        l.colonnes = "\t/ " + l.date_hebraique + "\t";
    }
    l.colonnes += "\t" + l.lecture;
    l.html_naissance = ligne_nemanim(l);
    l.html_lecture = ligne_pemanim(l);
    return l;
}

} // namespace orvane::documents
