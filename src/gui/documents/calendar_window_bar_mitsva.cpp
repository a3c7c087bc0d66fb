// TFCivHebr in its two Bar-Mitsva modes ("Calendrier des Bar-Mitsvot",
// "Tableau des Bar_Mitsvot"): the caption after the sex chosen, the
// controls that a calendar of births does not use hidden, and "Calculer"
// building the page of each year of births asked (the text area, the work
// files, the text or HTML page, the workbook).
#include "documents/bar_mitsva_pages.h"
#include "documents/workbook_bar_mitsva.h"
#include "gui/common/result_area.h"
#include "gui/documents/calendar_window.h"
#include "shell/app_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace orvane::gui
{

namespace
{

documents::ModeBarMitsva mode_de(documents::SensFenetre sens)
{
    return sens == documents::SensFenetre::bar_mitsva_tableau
               ? documents::ModeBarMitsva::tableau
               : documents::ModeBarMitsva::calendrier;
}

/// The label that names a control (its buddy), if any.
QLabel* legende_de(QWidget* fenetre, QWidget* controle)
{
    for (QLabel* l : fenetre->findChildren<QLabel*>()) {
        if (l->buddy() == controle) {
            return l;
        }
    }
    return nullptr;
}

} // namespace

void TFCivHebr::installe_bar_mitsva()
{
    c_.horaires = false;
    c_.web = true;
    c_.cible = documents::CibleFenetre::fichier_liste;
    CheckBox4->setChecked(false);
    CheckBox9->setChecked(true);
    RadioButton3->setChecked(true);
    // A birth after nightfall is told by the single letter N in the
    // country box: the box takes typed text in these modes.
    ComboBox1->setEditable(true);
    QFont police(QStringLiteral("Courier New"), 8);
    police.setStyleHint(QFont::Monospace);
    Memo1->setFont(police);
    cache_controles_bar_mitsva();
    const bool fille = CheckBox11->isChecked();
    setWindowTitle(QString::fromStdString(documents::titre_bar_mitsva(mode_de(sens_), fille)));
}

void TFCivHebr::cache_controles_bar_mitsva()
{
    for (QWidget* w : std::initializer_list<QWidget*>{CheckBox4, CheckBox1, CheckBox2, CheckBox3,
                                                      CheckBox8, SpinEdit3, SpinEdit4, SpinEdit2}) {
        w->setVisible(false);
        if (QLabel* l = legende_de(this, w)) {
            l->setVisible(false);
        }
    }
    CheckBox10->setVisible(true);
    CheckBox11->setVisible(true);
}

void TFCivHebr::CheckBox10Click()
{
    CheckBox11->setChecked(!CheckBox10->isChecked());
    if (documents::bar_mitsva(sens_)) {
        setWindowTitle(QString::fromStdString(
            documents::titre_bar_mitsva(mode_de(sens_), CheckBox11->isChecked())));
    }
}

void TFCivHebr::CheckBox11Click()
{
    CheckBox10->setChecked(!CheckBox11->isChecked());
    if (documents::bar_mitsva(sens_)) {
        setWindowTitle(QString::fromStdString(
            documents::titre_bar_mitsva(mode_de(sens_), CheckBox11->isChecked())));
    }
}

void TFCivHebr::construit_bar_mitsva(const documents::CalculRetenu& r)
{
    documents::ParametresBarMitsva p;
    p.mode = mode_de(sens_);
    p.fille = c_.fille;
    p.apres_la_nuit = documents::naissance_apres_la_nuit(c_.lieu.pays);
    p.diaspora = r.diaspora;
    std::vector<std::string> lignes;
    std::vector<std::string> rapport;
    for (int n = 0; n < c_.nombre_annees; ++n) {
        const documents::PageBarMitsva page = documents::construit_page_calendrier_bm(
            p, c_.annee + n, c_.mois_fin, ctx_.donnees.tables_ete);
        documents::ecrit_fichiers_bar_mitsva(ctx_.repertoire, page);
        lignes.insert(lignes.end(), page.texte.begin(), page.texte.end());
        if (c_.cible != documents::CibleFenetre::memo) {
            rapport.push_back(
                "Page écrite : " +
                documents::ecrit_page_bar_mitsva(ctx_.repertoire, page, c_.web).string());
        }
        if (r.sortie == documents::Sortie::excel_complet) {
            const std::filesystem::path classeur =
                documents::ecrit_classeur_bar_mitsva_dans(ctx_.repertoire, page);
            rapport.push_back("Classeur écrit : " + classeur.string());
            ouvreur_(classeur);
        }
    }
    if (!rapport.empty()) {
        lignes.emplace_back();
        lignes.insert(lignes.end(), rapport.begin(), rapport.end());
    }
    affiche(lignes);
}

} // namespace orvane::gui
