// The controls of the zmanim window and their layout: the dates, the place,
// the opinion and its parameters, the moments, the choices of days and
// layouts, and the commands.
#include "engine/names.h"
#include "gui/tables/zmanim_window.h"
#include "tables/day_filter.h"
#include "zmanim/format/libelles.h"
#include "zmanim/settings/opinions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{
namespace
{

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QComboBox* liste_de_nombres(QWidget* parent, const QString& nom, int premier, int dernier)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    for (int n = premier; n <= dernier; ++n) {
        c->addItem(QString::number(n));
    }
    return c;
}

QSpinBox* boite(QWidget* parent, const char* nom, int min, int max)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setKeyboardTracking(false);
    return s;
}

QCheckBox* case_a_cocher(QWidget* parent, const char* nom, const char* legende)
{
    auto* c = new QCheckBox(QString::fromUtf8(legende), parent);
    c->setObjectName(nom);
    return c;
}

/// Day, month and year lists of one date.
std::array<QComboBox*, 3> listes_de_date(QWidget* parent, const QString& prefixe)
{
    return {liste_de_nombres(parent, prefixe + "Jour", 1, 31),
            liste_de_nombres(parent, prefixe + "Mois", 1, 12),
            liste_de_nombres(parent, prefixe + "Annee", tables::premiere_annee_civile,
                             tables::derniere_annee_civile)};
}

void ajoute_date(QGridLayout* g, int ligne, const QString& legende,
                 const std::array<QComboBox*, 3>& d)
{
    g->addWidget(new QLabel(legende), ligne, 0);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(d[static_cast<std::size_t>(i)], ligne, i + 1);
    }
}

} // namespace

void TFcalcH::cree_dates()
{
    auto* g = new QGroupBox(QStringLiteral("Dates"), this);
    g->setObjectName("GroupeDates");
    auto* grille = new QGridLayout(g);
    debut_ = listes_de_date(g, "Debut");
    fin_ = listes_de_date(g, "Fin");
    ajoute_date(grille, 0, QStringLiteral("Du"), debut_);
    ajoute_date(grille, 1, QStringLiteral("Au"), fin_);
    ComboBoxHebreu = liste_de_nombres(g, "ComboBoxHebreu", tables::premiere_annee_hebraique,
                                      tables::derniere_annee_hebraique);
    SpinAnnee = boite(g, "SpinAnnee", -1, 1);
    RadioCivile = new QRadioButton(QStringLiteral(" Calcul de l'année civile"), g);
    RadioHebraique = new QRadioButton(QStringLiteral(" Calcul de l'année hébraïque"), g);
    RadioCivile->setObjectName("RadioCivile");
    RadioHebraique->setObjectName("RadioHebraique");
    auto* cette = new QPushButton(QStringLiteral("Cette année"), g);
    cette->setObjectName("CetteAnnee");
    SpinIncrement = boite(g, "SpinIncrement", 1, 31);
    SpinDecalage = boite(g, "SpinDecalage", -12, 12);
    grille->addWidget(new QLabel(QStringLiteral("Année hébraïque")), 2, 0);
    grille->addWidget(ComboBoxHebreu, 2, 1);
    grille->addWidget(SpinAnnee, 2, 2);
    grille->addWidget(cette, 2, 3);
    grille->addWidget(RadioCivile, 3, 0, 1, 2);
    grille->addWidget(RadioHebraique, 3, 2, 1, 2);
    grille->addWidget(new QLabel(QStringLiteral("Incrément (jours)")), 4, 0);
    grille->addWidget(SpinIncrement, 4, 1);
    grille->addWidget(new QLabel(QStringLiteral("Décalage (heures)")), 4, 2);
    grille->addWidget(SpinDecalage, 4, 3);
    connect(cette, &QPushButton::clicked, this, &TFcalcH::CetteAnneeClick);
}

void TFcalcH::cree_lieu()
{
    auto* g = new QGroupBox(QStringLiteral("Localité"), this);
    g->setObjectName("GroupeLieu");
    auto* grille = new QGridLayout(g);
    ComboPays = new QComboBox(g);
    ComboPays->setObjectName("ComboPays");
    ComboVille = new QComboBox(g);
    ComboVille->setObjectName("ComboVille");
    ComboVille->setEditable(true);
    EditLatitude = new QLineEdit(g);
    EditLongitude = new QLineEdit(g);
    EditZone = new QLineEdit(g);
    EditLatitude->setObjectName("EditLatitude");
    EditLongitude->setObjectName("EditLongitude");
    EditZone->setObjectName("EditZone");
    grille->addWidget(new QLabel(QStringLiteral("Pays")), 0, 0);
    grille->addWidget(ComboPays, 0, 1, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Ville")), 1, 0);
    grille->addWidget(ComboVille, 1, 1, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Latitude")), 2, 0);
    grille->addWidget(EditLatitude, 2, 1);
    grille->addWidget(new QLabel(QStringLiteral("Longitude")), 2, 2);
    grille->addWidget(EditLongitude, 2, 3);
    grille->addWidget(new QLabel(QStringLiteral("GMT")), 3, 0);
    grille->addWidget(EditZone, 3, 1);
    auto* enregistrer = new QPushButton(QStringLiteral("Enregistrer cette localité"), g);
    auto* supprimer = new QPushButton(QStringLiteral("Supprimer cette localité"), g);
    enregistrer->setObjectName("EnregistrerLocalite");
    supprimer->setObjectName("SupprimerLocalite");
    grille->addWidget(enregistrer, 4, 0, 1, 2);
    grille->addWidget(supprimer, 4, 2, 1, 2);
    connect(enregistrer, &QPushButton::clicked, this, &TFcalcH::enregistre_localite);
    connect(supprimer, &QPushButton::clicked, this, &TFcalcH::supprime_localite);
}

void TFcalcH::cree_avis()
{
    auto* g = new QGroupBox(QStringLiteral("Selon l'opinion de :"), this);
    g->setObjectName("GroupeAvis");
    auto* grille = new QGridLayout(g);
    ComboAvis = new QComboBox(g);
    ComboAvis->setObjectName("ComboAvis");
    for (std::string_view a : zmanim::opinions_calcul) {
        ComboAvis->addItem(qs(a));
    }
    SpinTossefet = boite(g, "SpinTossefet", 4, 40);
    CaseSecondes = case_a_cocher(g, "CaseSecondes", "Affiche les secondes");
    grille->addWidget(ComboAvis, 0, 0, 1, 4);
    grille->addWidget(new QLabel(QStringLiteral("Tossefet, entrée Chab.")), 1, 0);
    grille->addWidget(SpinTossefet, 1, 1);
    grille->addWidget(CaseSecondes, 1, 2);
    const std::array<const char*, 5> noms{"l'aube", "le début du Chéma", "la sortie des étoiles",
                                          "la sortie du Chabbat", "la nuit"};
    for (std::size_t i = 0; i < angles_.size(); ++i) {
        angles_[i] = new QLineEdit(g);
        angles_[i]->setObjectName(QStringLiteral("Angle%1").arg(i + 1));
        angles_[i]->setToolTip(
            QStringLiteral("Angle de %1 (degrés)").arg(QString::fromUtf8(noms[i])));
        // One a row with its "déf" button.
        grille->addWidget(angles_[i], 2 + static_cast<int>(i), 0, 1, 2);
    }
    const std::array<const char*, 5> aides_defaut{
        "Valeur par défaut pour l'aube", "Valeur par défaut pour le début du Chéma",
        "Valeur par défaut pour la sortie des étoiles",
        "Valeur par défaut pour la sortie du Chabbat", "Valeur par défaut pour la nuit"};
    for (std::size_t i = 0; i < defauts_.size(); ++i) {
        defauts_[i] = new QPushButton(QStringLiteral("déf"), g);
        defauts_[i]->setObjectName(QStringLiteral("Defaut%1").arg(i + 1));
        defauts_[i]->setToolTip(QString::fromUtf8(aides_defaut[i]));
        grille->addWidget(defauts_[i], 2 + static_cast<int>(i), 2);
    }
    DefautTossefet = new QPushButton(QStringLiteral("déf"), g);
    DefautTossefet->setObjectName("DefautTossefet");
    grille->addWidget(DefautTossefet, 1, 3);
    NoteAngles = new QPushButton(g);
    NoteAngles->setObjectName("NoteAngles");
    NoteAngles->setStyleSheet(QStringLiteral("color: #b00000; text-align: left;"));
    NoteAngles->setFlat(true);
    grille->addWidget(NoteAngles, 7, 0, 1, 4);
    EditEtoilesChema = new QLineEdit(g);
    EditEtoilesChema->setObjectName("EditEtoilesChema");
    EditEtoilesChema->setToolTip(QStringLiteral("Etoiles du Chéma du soir (degrés)"));
    grille->addWidget(EditEtoilesChema, 2, 3);
    connect(ComboAvis, &QComboBox::currentTextChanged, this, &TFcalcH::opinion_choisie);
}

void TFcalcH::cree_parametres()
{
    auto* g = new QGroupBox(QStringLiteral("Paramètres de calcul"), this);
    g->setObjectName("GroupeParametres");
    g->setToolTip(QStringLiteral(
        "Les paramètres de calcul sont modifiables lorsque ce panneau est actif.\nCeci permet à "
        "l'utilisateur d'observer l'effet de certains phénomènes sur\nles horaires. Toutefois, il "
        "n'est pas conseillé d'en faire usage sans en connaitre la portée."));
    auto* grille = new QGridLayout(g);
    BoutonActivation = new QPushButton(g);
    BoutonActivation->setObjectName("BoutonActivation");
    grille->addWidget(BoutonActivation, 0, 0, 1, 3);
    const auto aide = [](QWidget* w, const char* texte) {
        w->setToolTip(QString::fromUtf8(texte).replace('\r', '\n'));
    };
    CaseArrondis = case_a_cocher(g, "CaseArrondis", "Arrondis 29/30 sec");
    aide(CaseArrondis,
         "Arrondis à la minute supérieure ou inférieure\rpour tous les horaires, sans "
         "aucune 'houmra.\r29 sec : minute inférieure et 30 sec : minute supérieure.");
    CaseHoumra = case_a_cocher(g, "CaseHoumra", "Houmra - arrondis à 1/59 ou 29/30 sec");
    aide(CaseHoumra, "Arrondis à la minute.\rSelon la houmra, minute supérieure dès 1 ou 30 sec, "
                     "minute inférieure jusqu'à 29 ou 59 sec\rCeci est la HALAKHA. Cocher ici pour "
                     "tableau exploitable quotidiennement.");
    CaseTrace = case_a_cocher(g, "CaseTrace", "Trace");
    CaseCentre = case_a_cocher(g, "CaseCentre", "Centre du soleil");
    aide(CaseCentre,
         "Pour la HALAKHA, c'est le bord du soleil et non le centre\rCette case ne doit "
         "donc pas être cochée. Si l'on veut le centre du soleil\rpour des calculs, "
         "astronomiques, cocher cette case");
    CaseIteration = case_a_cocher(g, "CaseIteration", "Itération");
    aide(CaseIteration, "Cette case doit toujours être cochée. Ne pas invalider autrement les "
                        "résultats seront approximatifs.");
    CaseDecimal = case_a_cocher(g, "CaseDecimal", "Affiche en décimal");
    ComboRefraction = new QComboBox(g);
    ComboRefraction->setObjectName("ComboRefraction");
    ComboRefraction->setEditable(true);
    for (int i = 0; i <= 35; ++i) {
        ComboRefraction->addItem(QString::number(i));
    }
    ComboRefraction->addItem(QStringLiteral("36.6"));
    for (int i = 37; i <= 50; ++i) {
        ComboRefraction->addItem(QString::number(i));
    }
    aide(ComboRefraction, "Pour la HALAKHA, choisir généralement une réfraction de 34.\rCeci va "
                          "dans le sens de la houmra. Pour des calculs astronomiques,\r il est "
                          "habituel de retenir une réfraction de 36.6 minutes d'angle");
    grille->addWidget(CaseArrondis, 1, 0);
    grille->addWidget(CaseHoumra, 1, 1, 1, 2);
    grille->addWidget(CaseTrace, 2, 0);
    grille->addWidget(CaseCentre, 2, 1);
    grille->addWidget(CaseIteration, 2, 2);
    grille->addWidget(CaseDecimal, 3, 0);
    grille->addWidget(new QLabel(QStringLiteral("Réfraction")), 3, 1);
    grille->addWidget(ComboRefraction, 3, 2);
    grille->addWidget(new QLabel(QStringLiteral("Choix conformes")), 4, 0);
    BoutonHalakha = new QPushButton(QStringLiteral(" à la HALAKHA "), g);
    BoutonHalakha->setObjectName("BoutonHalakha");
    aide(BoutonHalakha, "Cliquez ici pour rétablir les valeurs ci-contre conformes à la HALAKHA");
    BoutonBdl = new QPushButton(QStringLiteral("      au B d L      "), g);
    BoutonBdl->setObjectName("BoutonBdl");
    aide(BoutonBdl, "Cliquez ici pour rétablir les valeurs ci-contre conformes au Bureau des  "
                    "Longitudes");
    grille->addWidget(BoutonHalakha, 4, 1);
    grille->addWidget(BoutonBdl, 4, 2);
    aide(SpinDecalage, "Cette valeur doit être à zéro.\rIl est possible d'ajouter 1 heure par "
                       "exemple à l'ensemble\rdes calculs. Mais, attention! cette heure est "
                       "ajoutée dans\rtoute la grille, été comme hiver.");
    aide(CaseSecondes, "Résultats avec les secondes.\rIl n'y a pas d'arrondis à la minute.");
}

void TFcalcH::cree_moments()
{
    auto* g = new QGroupBox(QStringLiteral("Moments"), this);
    g->setObjectName("GroupeMoments");
    auto* grille = new QGridLayout(g);
    const zmanim::AffichageMoments a = zmanim::affichage_moments(false);
    for (std::size_t i = 0; i < moments_.size(); ++i) {
        moments_[i] = new QCheckBox(qs(a.legendes[i]), g);
        moments_[i]->setObjectName(QStringLiteral("Moment%1").arg(i + 1));
        grille->addWidget(moments_[i], static_cast<int>(i % 10), static_cast<int>(i / 10));
    }
    auto* tous = new QPushButton(QStringLiteral("Tout sélectionner"), g);
    auto* aucun = new QPushButton(QStringLiteral("Désélectionner"), g);
    tous->setObjectName("ToutSelectionner");
    aucun->setObjectName("Deselectionner");
    grille->addWidget(tous, 10, 0);
    grille->addWidget(aucun, 10, 1);
    connect(tous, &QPushButton::clicked, this,
            [this] { applique([](auto& c) { tables::coche_tous_les_moments(c, true); }); });
    connect(aucun, &QPushButton::clicked, this,
            [this] { applique([](auto& c) { tables::coche_tous_les_moments(c, false); }); });
}

void TFcalcH::cree_choix()
{
    auto* g = new QGroupBox(QStringLiteral("Choix du jour de la semaine"), this);
    g->setObjectName("GroupeChoix");
    auto* v = new QVBoxLayout(g);
    ComboJours = new QComboBox(g);
    ComboJours->setObjectName("ComboJours");
    for (const tables::ChoixFiltre& f : tables::choix_des_filtres()) {
        ComboJours->addItem(qs(f.texte));
    }
    v->addWidget(ComboJours);
    grilles_ = new QButtonGroup(g);
    int id = 0;
    for (const char* t :
         {"Tableaux", "Grilles 13 mois du 1er/30 sept", "Grilles 12 mois, 1er janv/31 déc"}) {
        auto* r = new QRadioButton(QString::fromUtf8(t), g);
        r->setObjectName(QStringLiteral("Grille%1").arg(id));
        grilles_->addButton(r, id++);
        v->addWidget(r);
    }
    CaseToutesEntrees =
        case_a_cocher(g, "CaseToutesEntrees", "Affiche toutes les entrées de Chab.");
    CaseEte = case_a_cocher(g, "CaseEte", " Dates ci-dessus avec heure été / hiver");
    CaseFetes = case_a_cocher(g, "CaseFetes", " Prise en compte des fêtes");
    CaseDateComplete =
        case_a_cocher(g, "CaseDateComplete", " Affichage de la date complète dans le tableau");
    CaseDixieme = case_a_cocher(g, "CaseDixieme", "Début de la 10 ème heure");
    CaseHamets = case_a_cocher(g, "CaseHamets", "Heures du 'Hamets de Pessa'h");
    ComboMethode = new QComboBox(g);
    ComboMethode->setObjectName("ComboMethode");
    ComboMethode->setToolTip(QStringLiteral("Méthode de calcul du 'Hamets"));
    for (std::string_view m : tables::textes_methodes_hamets()) {
        ComboMethode->addItem(qs(m));
    }
    CaseAvis = case_a_cocher(g, "CaseAvis", "Indique l'opinion sur les tables");
    for (QWidget* w :
         std::initializer_list<QWidget*>{CaseToutesEntrees, CaseEte, CaseFetes, CaseDateComplete,
                                         CaseDixieme, CaseHamets, ComboMethode, CaseAvis}) {
        v->addWidget(w);
    }
    LabelEte = new QLabel(g);
    LabelEte->setObjectName("LabelEte");
    LabelEte->setWordWrap(true);
    v->addWidget(LabelEte);
}

void TFcalcH::cree_sorties()
{
    auto* g = new QGroupBox(QStringLiteral("Sortie des résultats"), this);
    g->setObjectName("GroupeSorties");
    auto* grille = new QGridLayout(g);
    sorties_ = new QButtonGroup(g);
    for (std::size_t i = 0; i < tables::nombre_de_sorties; ++i) {
        auto* r = new QRadioButton(
            qs(tables::texte_de_la_sortie(static_cast<tables::ModeSortie>(i), "")), g);
        r->setObjectName(QStringLiteral("Sortie%1").arg(i));
        sorties_->addButton(r, static_cast<int>(i));
        grille->addWidget(r, static_cast<int>(i), 0, 1, 2);
    }
    CaseWeb = case_a_cocher(g, "CaseWeb", "Web");
    CaseActuj = case_a_cocher(g, "CaseActuj", "Actuj");
    const int n = static_cast<int>(tables::nombre_de_sorties);
    grille->addWidget(CaseWeb, n, 0);
    grille->addWidget(CaseActuj, n, 1);
    Button11 = new QPushButton(g);
    Button11->setObjectName("Button11");
    grille->addWidget(Button11, n + 1, 0, 1, 2);
    auto* plaques = new QPushButton(QStringLiteral("Contruit 4 fic + plaq"), g);
    plaques->setObjectName("BoutonPlaques");
    plaques->setToolTip(QStringLiteral("Avec une liste de plaques : les fichiers ZEMANI1A à "
                                       "ZEMANI1D de quatre années à partir de l'année de début"));
    grille->addWidget(plaques, n + 2, 0, 1, 2);
    connect(plaques, &QPushButton::clicked, this, &TFcalcH::construit_plaques);
    connect(Button11, &QPushButton::clicked, this, &TFcalcH::Button11Click);
}

void TFcalcH::cree_boutons()
{
    auto* ligne = new QHBoxLayout;
    BoutonCalcul = new QPushButton(this);
    BoutonCalcul->setObjectName("Calcul");
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setObjectName("Fermer");
    ligne->addStretch(1);
    ligne->addWidget(BoutonCalcul);
    ligne->addWidget(fermer);
    static_cast<QVBoxLayout*>(layout())->addLayout(ligne);
    connect(BoutonCalcul, &QPushButton::clicked, this, &TFcalcH::CalculClick);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace orvane::gui
