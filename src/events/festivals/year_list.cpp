// The year list. A fast that falls on Chabbat is kept on Sunday (Guedalia,
// 17 Tamouz, 9 Av) or on the Thursday before (Esther, the first-born: a fast
// is not kept on the eve of Chabbat either). Yom Haatsmaout is never on
// Chabbat nor on the days around it, nor the day after Chabbat; Yom Hazikaron
// is on its eve.

#include "events/festivals/year_list.h"

#include "engine/calendar_engine.h"
#include "events/saved_dates.h"
#include "events/year_walk.h"

namespace orvane::events
{

namespace
{

constexpr int dimanche = 1;
constexpr int lundi = 2;
constexpr int jeudi = 5;
constexpr int vendredi = 6;
constexpr int chabbat = 7;

class Liste
{
public:
    Liste(engine::CalendarEngine& e, int annee, const ChoixListe& choix)
        : e_(e), annee_(annee), choix_(choix)
    {
    }

    void fete(int mois, int jour, int indice, char marque = marque_aucune)
    {
        if (choix_.fetes) {
            entrees_.push_back({annee_, mois, jour, indice, marque, false});
        }
    }

    void jeune(int mois, int jour, int indice)
    {
        if (choix_.jeunes) {
            entrees_.push_back({annee_, mois, jour, indice, marque_aucune, true});
        }
    }

    [[nodiscard]] int semaine(int mois, int jour) const
    {
        return jour_semaine_hebreu(e_, mois, jour);
    }

    [[nodiscard]] bool diaspora() const { return choix_.diaspora; }
    [[nodiscard]] ModeListe mode() const { return choix_.mode; }
    [[nodiscard]] int annee() const { return annee_; }
    [[nodiscard]] int kislev() const { return e_.kislev; }
    [[nodiscard]] bool commune() const { return e_.nb_mois == 12; }
    std::vector<EntreeFete> resultat() { return std::move(entrees_); }

private:
    engine::CalendarEngine& e_;
    int annee_;
    ChoixListe choix_;
    std::vector<EntreeFete> entrees_;
};

/// A fast kept on Sunday when its day is Chabbat.
void jeune_repousse(Liste& l, int mois, int jour, int indice)
{
    l.jeune(mois, l.semaine(mois, jour) == chabbat ? jour + 1 : jour, indice);
}

/// A fast kept on Thursday when its day is Chabbat.
void jeune_avance(Liste& l, int mois, int jour, int indice)
{
    l.jeune(mois, l.semaine(mois, jour) == chabbat ? jour - 2 : jour, indice);
}

void tichri(Liste& l)
{
    l.fete(1, 1, 1, marque_chome);
    l.fete(1, 2, 1, marque_chome);
    jeune_repousse(l, 1, 3, 2);
    if (l.mode() == ModeListe::consistoire) {
        l.fete(1, 9, 18);
    }
    l.fete(1, 10, 3, marque_chome);
    l.fete(1, 15, 32, marque_chome);
    if (l.diaspora()) {
        l.fete(1, 16, 32, marque_chome);
    } else {
        l.fete(1, 16, 29, marque_demi_fete);
    }
    for (int jour = 17; jour <= 20; ++jour) {
        l.fete(1, jour, 29, marque_demi_fete);
    }
    l.fete(1, 21, 21, marque_demi_fete);
    l.fete(1, 22, l.diaspora() ? 22 : 31, marque_chome);
    if (l.diaspora()) {
        l.fete(1, 23, 23, marque_chome);
    }
}

void hanouka(Liste& l)
{
    if (l.mode() == ModeListe::consistoire) {
        l.fete(3, 24, 19);
    }
    for (int jour = 25; jour <= l.kislev(); ++jour) {
        l.fete(3, jour, 5);
    }
    // Eight days: to 2 Tevet after a 30-day Kislev, to 3 Tevet after 29.
    for (int jour = 1; jour < 33 - l.kislev(); ++jour) {
        l.fete(4, jour, 5);
    }
}

void hiver(Liste& l)
{
    hanouka(l);
    l.jeune(4, 10, 6);
    l.fete(5, 15, 7);
    const int adar = l.commune() ? 6 : 7;
    jeune_avance(l, adar, 13, 8);
    l.fete(adar, 14, 9);
    l.fete(adar, 15, 17);
}

void pessah(Liste& l)
{
    jeune_avance(l, 8, 14, 25);
    l.fete(8, 15, 33, marque_chome);
    if (l.diaspora()) {
        l.fete(8, 16, 33, marque_chome);
    } else {
        l.fete(8, 16, 30, marque_demi_fete);
    }
    for (int jour = 17; jour <= 20; ++jour) {
        l.fete(8, jour, 30, marque_demi_fete);
    }
    l.fete(8, 21, 33, marque_chome);
    if (l.diaspora()) {
        l.fete(8, 22, 33, marque_chome);
    }
}

/// Yom Hazikaron (main window only) and Yom Haatsmaout, from 5708.
void iyar_moderne(Liste& l)
{
    if (l.annee() < 5708) {
        return;
    }
    if (l.mode() == ModeListe::fenetre_principale) {
        int jour = 4;
        switch (l.semaine(9, 4)) {
        case dimanche:
            jour = 5;
            break;
        case jeudi:
            jour = 3;
            break;
        case vendredi:
            jour = 2;
            break;
        default:
            break;
        }
        l.fete(9, jour, 34);
    }
    int jour = 5;
    switch (l.semaine(9, 5)) {
    case lundi:
        jour = 6;
        break;
    case vendredi:
        jour = 4;
        break;
    case chabbat:
        jour = 3;
        break;
    default:
        break;
    }
    l.fete(9, jour, 26);
}

void printemps_ete(Liste& l)
{
    pessah(l);
    iyar_moderne(l);
    l.fete(9, 14, 28);
    l.fete(9, 18, 11);
    if (l.annee() >= 5727) {
        l.fete(9, 28, 24);
    }
    l.fete(10, 6, 12, marque_chome);
    if (l.diaspora()) {
        l.fete(10, 7, 12, marque_chome);
    }
    jeune_repousse(l, 11, 17, 13);
    jeune_repousse(l, 12, 9, 14);
    l.fete(12, 15, 15);
}

} // namespace

std::vector<EntreeFete> liste_fetes_annee(engine::CalendarEngine& e, int annee,
                                          const ChoixListe& choix)
{
    const DatesSauvees sauve(e);
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();

    Liste l(e, annee, choix);
    tichri(l);
    hiver(l);
    printemps_ete(l);

    return l.resultat();
}

} // namespace orvane::events
