// Writing the two lines of a record (the formats are in lines.h).
#include "records/store/fields.h"
#include "records/store/line_layout.h"
#include "records/store/lines.h"

#include <vector>

namespace orvane::records
{

namespace d = disposition;

namespace
{

/// The fields of a line being built; each value is written as a field.
class Champs
{
public:
    Champs& marqueur(std::string_view mot)
    {
        champs_.emplace_back(mot);
        return *this;
    }
    Champs& valeur(std::string_view texte)
    {
        champs_.push_back(champ_ecrit(texte));
        return *this;
    }
    /// A civil date of the Bar-Mitsva: day, month name and year.
    Champs& civile(const DateEnToutesLettres& date)
    {
        champs_.push_back(mot_ecrit(date.jour));
        valeur(date.mois);
        champs_.push_back(mot_ecrit(date.annee));
        return *this;
    }
    /// A Hebrew date of the Bar-Mitsva: day, month name and year, the
    /// blanks of the month made tabs too ("Adar II" takes two fields).
    Champs& hebraique(const DateEnToutesLettres& date)
    {
        champs_.push_back(mot_ecrit(date.jour));
        const std::string mois = champ_ecrit(date.mois);
        std::size_t debut = 0;
        for (std::size_t blanc; (blanc = mois.find(' ', debut)) != std::string::npos;
             debut = blanc + 1) {
            champs_.push_back(mois.substr(debut, blanc - debut));
        }
        champs_.push_back(mois.substr(debut));
        champs_.push_back(mot_ecrit(date.annee));
        return *this;
    }
    Champs& date(const GroupeDate& g)
    {
        return valeur(g.jour_semaine)
            .valeur(g.jour)
            .valeur(g.mois)
            .valeur(g.annee)
            .valeur(g.jour_nuit)
            .marqueur(d::fleche)
            .valeur(g.jour_hebreu)
            .valeur(g.mois_hebreu)
            .valeur(g.annee_hebraique);
    }
    Champs& anniversaire(const GroupeAnniversaire& g)
    {
        return valeur(g.jour_semaine)
            .valeur(g.jour)
            .valeur(g.mois)
            .valeur(g.annee)
            .marqueur(d::fleche)
            .valeur(g.jour_hebreu)
            .valeur(g.mois_hebreu)
            .valeur(g.annee_hebraique);
    }
    Champs& coordonnees(const Coordonnees& c)
    {
        return marqueur(d::cor)
            .valeur(c.civilite)
            .valeur(c.nom)
            .valeur(c.prenom)
            .marqueur(d::adr)
            .valeur(c.chez)
            .valeur(c.numero)
            .valeur(c.adresse)
            .valeur(c.code_postal)
            .valeur(c.ville)
            .valeur(c.pays)
            .marqueur(d::obs)
            .valeur(c.telephone_notes);
    }
    [[nodiscard]] std::string ligne() const { return joint_champs(champs_); }

private:
    std::vector<std::string> champs_;
};

std::string noms(Famille famille, const Fiche& f)
{
    Champs c;
    switch (famille) {
    case Famille::naissance:
        c.coordonnees(f.correspondant);
        break;
    case Famille::deces:
        c.marqueur(d::dc)
            .valeur(f.defunt.civilite)
            .valeur(f.defunt.nom)
            .valeur(f.defunt.prenom)
            .coordonnees(f.correspondant);
        break;
    case Famille::evenement:
        c.marqueur(d::even).valeur(f.texte_evenement);
        break;
    }
    return c.ligne();
}

std::string dates(Famille famille, const Fiche& f)
{
    Champs c;
    c.marqueur(marqueur_de_la_famille(famille)).date(f.date);
    if (famille == Famille::naissance) {
        c.marqueur(d::bar)
            .civile(f.bar_mitsva.civile)
            .marqueur(d::fleche)
            .hebraique(f.bar_mitsva.hebraique)
            .marqueur(d::par)
            .valeur(f.bar_mitsva.paracha);
    } else if (famille == Famille::deces) {
        c.marqueur(d::inh).date(f.inhumation);
    }
    c.marqueur(d::ani).anniversaire(f.prochain);
    return c.ligne();
}

} // namespace

std::string_view marqueur_de_la_famille(Famille famille) noexcept
{
    switch (famille) {
    case Famille::naissance:
        return d::nais;
    case Famille::deces:
        return d::dc;
    case Famille::evenement:
        break;
    }
    return d::even;
}

LignesFiche construit_lignes(Famille famille, const Fiche& fiche)
{
    return {noms(famille, fiche), dates(famille, fiche)};
}

Fiche fiche_ecrite(Famille famille, const Fiche& fiche)
{
    Fiche ecrite = partie_de_la_famille(famille, fiche);
    for (const auto& [nom, champ] : champs_de_la_fiche(ecrite)) {
        *champ = champ_ecrit(*champ);
    }
    for (DateEnToutesLettres* date : {&ecrite.bar_mitsva.civile, &ecrite.bar_mitsva.hebraique}) {
        date->jour = mot_ecrit(date->jour);
        date->annee = mot_ecrit(date->annee);
    }
    return ecrite;
}

} // namespace orvane::records
