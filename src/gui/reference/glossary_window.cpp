#include "gui/reference/glossary_window.h"

#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "platform/file_error.h"
#include "reference/glossary.h"
#include "shell/app_context.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

/// A message of the program with its CR line breaks shown as breaks.
QString message(const std::string& texte)
{
    return qs(texte).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
}

const QString texte_choisir = QStringLiteral("Choisir une rubrique ci-dessous");
const QString bulle_chapitres = QStringLiteral("Cliquer pour sélectionner une rubrique");
const QString bulle_paragraphes_vides =
    QStringLiteral("Sélectionner d'abord une rubrique dans la liste de gauche");

/// The text of the paragraphs, in a proportional font.
constexpr int points_du_texte = 10;

} // namespace

TFGlos2::TFGlos2(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FGlos2");
    setWindowTitle(QStringLiteral("Terminologie utilisée"));
    set_dialogues(
        [this](const std::string& m) { QMessageBox::critical(this, windowTitle(), message(m)); },
        [this](const std::string& m) { QMessageBox::warning(this, windowTitle(), message(m)); },
        [this](const std::string& m) { QMessageBox::information(this, windowTitle(), message(m)); },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    new QGridLayout(this);
    cree_listes();
    cree_titres();
    memo_ = new ZoneResultat("Memo1", points_du_texte, this);
    memo_->setFont(QFont(QStringLiteral("Arial"), points_du_texte));
    static_cast<QGridLayout*>(layout())->addWidget(memo_, 4, 0, 1, 2);
    static_cast<QGridLayout*>(layout())->setRowStretch(4, 1);
    cree_boutons();
    resize(760, 560);
    donne_mnemoniques(this);
    FormActivate();
    chapitres_->setFocus();
}

void TFGlos2::set_dialogues(MessageErreur erreur, Message avertissement, Message information,
                            Imprimante imprimante)
{
    erreur_ = std::move(erreur);
    avertissement_ = std::move(avertissement);
    information_ = std::move(information);
    imprimante_ = std::move(imprimante);
}

void TFGlos2::cree_listes()
{
    auto* l = static_cast<QGridLayout*>(layout());
    chapitres_ = new QComboBox(this);
    chapitres_->setObjectName("ComboBox1");
    chapitres_->setToolTip(bulle_chapitres);
    chapitres_->setPlaceholderText(texte_choisir);
    chapitres_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    paragraphes_ = new QComboBox(this);
    paragraphes_->setObjectName("ComboBox2");
    paragraphes_->setToolTip(bulle_paragraphes_vides);
    paragraphes_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Label4: the captions of the two lists, each naming its list's key.
    auto* chapitre = new QLabel(QStringLiteral("&Chapitre"), this);
    chapitre->setObjectName("Label4");
    chapitre->setBuddy(chapitres_);
    auto* paragraphe = new QLabel(QStringLiteral("&Paragraphe"), this);
    paragraphe->setObjectName("Label4Paragraphe");
    paragraphe->setBuddy(paragraphes_);
    l->addWidget(chapitre, 0, 0);
    l->addWidget(paragraphe, 0, 1);
    l->addWidget(chapitres_, 1, 0);
    l->addWidget(paragraphes_, 1, 1);
    // A choice made with the mouse or the keyboard shows at once.
    connect(chapitres_, &QComboBox::activated, this, &TFGlos2::ComboBox1Change);
    connect(paragraphes_, &QComboBox::activated, this, &TFGlos2::ComboBox2Change);
}

void TFGlos2::cree_titres()
{
    auto* l = static_cast<QGridLayout*>(layout());
    nom_ = new QLabel(this);
    nom_->setObjectName("Label1");
    QFont gras = nom_->font();
    gras.setBold(true);
    gras.setPointSize(gras.pointSize() + 2);
    nom_->setFont(gras);
    sous_titre_ = new QLabel(this);
    sous_titre_->setObjectName("Label2");
    sous_titre_->setWordWrap(true);
    QFont italique = sous_titre_->font();
    italique.setItalic(true);
    sous_titre_->setFont(italique);
    l->addWidget(nom_, 2, 0, 1, 2);
    l->addWidget(sous_titre_, 3, 0, 1, 2);
}

void TFGlos2::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* page = bouton_nomme(boite, "Button1", QStringLiteral("Imprimer la page"), this,
                                     &TFGlos2::Button1Click);
    page->setToolTip(QStringLiteral("Pour imprimer le glossaire complet\nutiliser Le memu "
                                    "Fichier/Ouvrir 'Glossair.dta'\npuis faire Imprimer"));
    QPushButton* tout = bouton_nomme(boite, "Button3", QStringLiteral("Afficher tout"), this,
                                     &TFGlos2::Button3Click);
    QPushButton* imprimer_tout = bouton_nomme(boite, "Button4", QStringLiteral("Imprimer tout"),
                                              this, &TFGlos2::Button4Click);
    QPushButton* fermer =
        bouton_nomme(boite, "Button2", QStringLiteral("Fermer"), this, &QWidget::close);
    auto* l = new QHBoxLayout(boite);
    for (QPushButton* b : {page, tout, imprimer_tout, fermer}) {
        l->addWidget(b);
    }
    static_cast<QGridLayout*>(layout())->addWidget(boite, 5, 0, 1, 2);
}

std::optional<std::vector<std::string>> TFGlos2::lit_fichier()
{
    try {
        return reference::lit_glossaire(ctx_.repertoire);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
        return std::nullopt;
    }
}

void TFGlos2::FormActivate()
{
    const std::optional<std::vector<std::string>> fichier = lit_fichier();
    if (!fichier) {
        return;
    }
    chapitres_->clear();
    for (const std::string& c : reference::chapitres(*fichier)) {
        chapitres_->addItem(QString::fromStdString(c));
    }
    chapitres_->setCurrentIndex(-1); // the box reads "Choisir une rubrique ci-dessous"
}

void TFGlos2::ComboBox1Change(int index)
{
    if (index < 0) {
        return;
    }
    const std::optional<std::vector<std::string>> fichier = lit_fichier();
    if (!fichier) {
        return;
    }
    paragraphes_->clear();
    const std::string chapitre = chapitres_->itemText(index).toStdString();
    for (const std::string& p : reference::paragraphes_du_chapitre(*fichier, chapitre)) {
        paragraphes_->addItem(QString::fromStdString(p));
    }
    paragraphes_->setToolTip(bulle_chapitres);
    if (paragraphes_->count() > 0) {
        paragraphes_->setCurrentIndex(0);
        ComboBox2Change(0);
    }
}

void TFGlos2::ComboBox2Change(int index)
{
    if (index >= 0) {
        montre_paragraphe(paragraphes_->itemText(index).toStdString());
    }
}

void TFGlos2::montre_paragraphe(const std::string& nom)
{
    const std::optional<std::vector<std::string>> fichier = lit_fichier();
    if (!fichier) {
        return;
    }
    const std::optional<reference::ParagrapheGlossaire> p = reference::paragraphe(*fichier, nom);
    if (!p) {
        return;
    }
    nom_->setText(QString::fromStdString(p->nom));
    sous_titre_->setText(QString::fromStdString(p->sous_titre));
    memo_->setFont(QFont(QStringLiteral("Arial"), points_du_texte));
    memo_->affiche(reference::lignes_du_memo(*p));
}

void TFGlos2::Button1Click()
{
    if (memo_->toPlainText().isEmpty()) {
        avertissement_(std::string(reference::message_memo_vide));
        return;
    }
    TexteAImprimer t;
    t.lignes = reference::page_a_imprimer(nom_->text().toStdString(), memo_->lignes());
    t.police =
        police_d_impression(memo_->font(), taille_impression_defaut + ctx_.taille_impression);
    t.orientation = QPageLayout::Portrait;
    imprimante_(t);
}

void TFGlos2::Button3Click()
{
    const std::optional<std::vector<std::string>> fichier = lit_fichier();
    if (!fichier) {
        return;
    }
    memo_->setFont(QFont(QStringLiteral("Arial"), points_du_texte));
    memo_->affiche(*fichier);
}

void TFGlos2::Button4Click()
{
    information_(std::string(reference::message_imprimer_tout));
}

} // namespace orvane::gui
