// The set-up of a Hebrew year through the record's cache of recent years:
// calcule_annee and calcule_annee_hebr copy back the registers of a year set
// up lately, and run the rules only for a year not kept.

#include "engine/calendar_engine.h"

namespace orvane::engine
{

void CalendarEngine::calcule_annee()
{
    prepare_annee_civile();
    RegistresAnneeHebr& r = registres_annee_hebr();
    if (r.lien_connu) {
        restaure_lien(r.lien);
        return;
    }
    calcule_ecart_nissan();
    r.lien = registres_lien();
    r.lien_connu = true;
}

RegistresAnneeHebr& CalendarEngine::registres_annee_hebr()
{
    if (RegistresAnneeHebr* gardees = annees_hebr_.trouve(annee_hebr)) {
        restaure_registres(*gardees);
        return *gardees;
    }
    return etablit_et_garde_annee_hebr();
}

RegistresAnneeHebr& CalendarEngine::etablit_et_garde_annee_hebr()
{
    RegistresAnneeHebr& r = annees_hebr_.nouvelle(annee_hebr);
    const int parties_avant = parties_molad;
    parties_molad = RegistresAnneeHebr::parties_non_ecrites;
    etablit_annee_hebr();
    garde_registres(r);
    if (parties_molad == RegistresAnneeHebr::parties_non_ecrites) {
        parties_molad = parties_avant;
    }
    return r;
}

void CalendarEngine::garde_registres(RegistresAnneeHebr& r) const
{
    r.nb_mois = nb_mois;
    r.cyl = cyl;
    r.rang_cycle = rang_cycle;
    r.emb = emb;
    r.com = com;
    r.molad_tichri = molad_tichri;
    r.molad_nissan = molad_nissan;
    r.semaines = semaines;
    r.jour_semaine = jour_semaine;
    r.heures = heures;
    r.minutes = minutes;
    r.halakim = halakim;
    r.parties_molad = parties_molad;
    r.report = report;
    r.jour_rh = jour_rh;
    r.jour_rh_suivant = jour_rh_suivant;
    r.code_longueur = code_longueur;
    r.hechvan = hechvan;
    r.kislev = kislev;
    r.jour_mois7 = jour_mois7;
    r.longueurs_2_3_6_7 = {longueur_mois_hebr[2], longueur_mois_hebr[3], longueur_mois_hebr[6],
                           longueur_mois_hebr[7]};
}

void CalendarEngine::restaure_registres(const RegistresAnneeHebr& r)
{
    nb_mois = r.nb_mois;
    ecrit_nom_mois6(r.nb_mois == 13);
    cyl = r.cyl;
    rang_cycle = r.rang_cycle;
    emb = r.emb;
    com = r.com;
    molad_tichri = r.molad_tichri;
    molad_nissan = r.molad_nissan;
    semaines = r.semaines;
    jour_semaine = r.jour_semaine;
    heures = r.heures;
    minutes = r.minutes;
    halakim = r.halakim;
    if (r.parties_molad != RegistresAnneeHebr::parties_non_ecrites) {
        parties_molad = r.parties_molad;
    }
    report = r.report;
    jour_rh = r.jour_rh;
    jour_rh_suivant = r.jour_rh_suivant;
    code_longueur = r.code_longueur;
    hechvan = r.hechvan;
    kislev = r.kislev;
    jour_mois7 = r.jour_mois7;
    longueur_mois_hebr[2] = r.longueurs_2_3_6_7[0];
    longueur_mois_hebr[3] = r.longueurs_2_3_6_7[1];
    longueur_mois_hebr[6] = r.longueurs_2_3_6_7[2];
    longueur_mois_hebr[7] = r.longueurs_2_3_6_7[3];
}

RegistresLien CalendarEngine::registres_lien() const
{
    return {rs,           embolismique, jour_repere, ecart_nissan, semaines,
            jour_semaine, heures,       minutes,     halakim};
}

void CalendarEngine::restaure_lien(const RegistresLien& l)
{
    rs = l.rs;
    embolismique = l.embolismique;
    jour_repere = l.jour_repere;
    ecart_nissan = l.ecart_nissan;
    semaines = l.semaines;
    jour_semaine = l.jour_semaine;
    heures = l.heures;
    minutes = l.minutes;
    halakim = l.halakim;
}

} // namespace orvane::engine
