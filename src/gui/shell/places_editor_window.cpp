#include "gui/shell/places_editor_window.h"

#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "shell/app_context.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

constexpr places::ColonneLieu colonnes[] = {
    places::ColonneLieu::ville, places::ColonneLieu::pays, places::ColonneLieu::latitude,
    places::ColonneLieu::longitude, places::ColonneLieu::decalage};

/// A message of the program, its \r as line breaks.
QString texte_boite(std::string_view texte)
{
    QString t = QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
    return t.replace('\r', '\n');
}

QString cellule(const places::Place& lieu, int colonne)
{
    const std::string* champs[] = {&lieu.ville, &lieu.pays, &lieu.latitude, &lieu.longitude,
                                   &lieu.decalage};
    return QString::fromStdString(*champs[colonne]);
}

} // namespace

TFNLieux::TFNLieux(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FNLieux");
    setWindowTitle("Saisie de nouveaux Lieux");
    set_dialogues(
        [this](const std::string& m, Reponses reponses) {
            return repond_oui(this, windowTitle(), m, reponses);
        },
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), texte_boite(m));
        },
        [this](const std::string& m) {
            QMessageBox::warning(this, windowTitle(), texte_boite(m));
        });
    auto* layout = new QVBoxLayout(this);
    cree_recherche();
    cree_grille();
    layout->addLayout(ligne_recherche_);
    layout->addWidget(grille_);
    cree_boutons();
    resize(760, 560);
    donne_mnemoniques(this);
    FormActivate();
}

void TFNLieux::set_dialogues(Question question, Message erreur, Message avertissement)
{
    question_ = std::move(question);
    erreur_ = std::move(erreur);
    avertissement_ = std::move(avertissement);
}

void TFNLieux::cree_recherche()
{
    recherche_ = new QLineEdit(this);
    recherche_->setObjectName("RechercheLieu");
    recherche_->setPlaceholderText(QStringLiteral("Ville ou pays"));
    recherche_->setClearButtonEnabled(true);
    auto* etiquette = new QLabel(QStringLiteral("&Rechercher :"), this);
    etiquette->setBuddy(recherche_);
    ligne_recherche_ = new QHBoxLayout;
    ligne_recherche_->addWidget(etiquette);
    ligne_recherche_->addWidget(recherche_, 1);
    connect(recherche_, &QLineEdit::textChanged, this, &TFNLieux::filtre);
    connect(recherche_, &QLineEdit::returnPressed, this, [this] {
        for (int r = 0; r < grille_->rowCount(); ++r) {
            if (!grille_->isRowHidden(r)) {
                grille_->setCurrentCell(r, 0);
                grille_->setFocus();
                return;
            }
        }
    });
}

namespace
{

/// A text for searching: lower case, without accents ("Jérusalem" → "jerusalem").
QString pour_recherche(const QString& texte)
{
    QString plat;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plat += c.toLower();
        }
    }
    return plat;
}

} // namespace

void TFNLieux::filtre()
{
    const QString cherche = pour_recherche(recherche_->text().trimmed());
    for (int r = 0; r < grille_->rowCount(); ++r) {
        bool trouve = cherche.isEmpty();
        for (int c = 0; c < 2 && !trouve; ++c) {
            const QTableWidgetItem* item = grille_->item(r, c);
            trouve = item != nullptr && pour_recherche(item->text()).contains(cherche);
        }
        // A row being filled in stays in view whatever the search.
        grille_->setRowHidden(r, !trouve && !rangee_vide(r));
    }
}

bool TFNLieux::rangee_vide(int rangee) const
{
    for (int c = 0; c < 5; ++c) {
        if (const QTableWidgetItem* item = grille_->item(rangee, c);
            item != nullptr && !item->text().trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

void TFNLieux::cree_grille()
{
    grille_ = new QTableWidget(0, 5, this);
    grille_->setObjectName("StringGrid1");
    grille_->setHorizontalHeaderLabels({"Ville", "Pays", "Latitude", "Longitude", "Heure T. U."});
    grille_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grille_->horizontalHeader()->setStretchLastSection(true);
    grille_->setColumnWidth(0, 220);
    grille_->setColumnWidth(1, 200);
    grille_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(grille_, &QTableWidget::cellChanged, this, &TFNLieux::StringGrid1SetEditText);
}

QLabel* TFNLieux::cree_aide(const char* nom, const QString& texte, std::string_view aide)
{
    auto* label = new QLabel("<a href=\"aide\">" + texte + "</a>", this);
    label->setObjectName(nom);
    connect(label, &QLabel::linkActivated, this,
            [this, aide] { avertissement_(std::string(aide)); });
    return label;
}

void TFNLieux::cree_boutons()
{
    QPushButton* ajouter =
        bouton_nomme(this, "Button1", QStringLiteral("Ajouter une nouvelle ville"), this,
                     &TFNLieux::Button1Click);
    ajouter->setToolTip(texte_boite(places::aide_nouvelle_ville));
    QPushButton* enregistrer = bouton_nomme(this, "Button2", QStringLiteral("Enregistrer la ville"),
                                            this, &TFNLieux::Button2Click);
    QPushButton* supprimer = bouton_nomme(this, "Button3", QStringLiteral("Supprimer une ville"),
                                          this, &TFNLieux::Button3Click);
    QPushButton* fermer =
        bouton_nomme(this, "Button4", QStringLiteral("Fermer"), this, &QWidget::close);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {ajouter, enregistrer, supprimer, fermer}) {
        boutons->addWidget(b);
    }
    auto* aides = new QHBoxLayout;
    aides->addWidget(
        cree_aide("Label1", "Cliquer ici pour aide pour les latitudes", places::aide_latitude));
    aides->addWidget(
        cree_aide("Label2", "Cliquer ici pour aide pour les longitudes", places::aide_longitude));
    aides->addWidget(cree_aide("Label3", "Cliquer ici pour aide pour les gmt", places::aide_gmt));
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addLayout(boutons);
    layout->addLayout(aides);
}

void TFNLieux::FormActivate()
{
    lit_fichier();
    remplit_grille();
}

void TFNLieux::lit_fichier()
{
    try {
        editeur_ = places::EditeurLieux::lit(ctx_.repertoire, ctx_.lieux.fichier_lieux.empty()
                                                                  ? places::fichier_lieux_court
                                                                  : ctx_.lieux.fichier_lieux);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
        editeur_ = places::EditeurLieux::illisible(e.what());
    }
}

void TFNLieux::remplit_grille()
{
    remplissage_ = true;
    const auto& rangees = editeur_.rangees();
    grille_->setRowCount(static_cast<int>(rangees.size()));
    for (int r = 0; r < static_cast<int>(rangees.size()); ++r) {
        for (int c = 0; c < 5; ++c) {
            grille_->setItem(
                r, c, new QTableWidgetItem(cellule(rangees[static_cast<std::size_t>(r)].lieu, c)));
        }
    }
    remplissage_ = false;
    filtre();
}

void TFNLieux::StringGrid1SetEditText(int rangee, int colonne)
{
    if (remplissage_ || rangee < 0 || colonne < 0 || colonne > 4) {
        return;
    }
    const QTableWidgetItem* item = grille_->item(rangee, colonne);
    editeur_.change(static_cast<std::size_t>(rangee), colonnes[colonne],
                    item ? item->text().trimmed().toStdString() : std::string());
}

void TFNLieux::Button1Click()
{
    editeur_.ajoute();
    remplissage_ = true;
    const int r = grille_->rowCount();
    grille_->insertRow(r);
    for (int c = 0; c < 5; ++c) {
        grille_->setItem(r, c, new QTableWidgetItem);
    }
    remplissage_ = false;
    grille_->scrollToBottom();
    grille_->setCurrentCell(r, 0);
    // Typing goes into the new city's name.
    grille_->setFocus();
    grille_->editItem(grille_->item(r, 0));
}

void TFNLieux::Button2Click()
{
    if (editeur_.modifie() &&
        question_(std::string(places::message_lieux_modifies), Reponses::oui_annuler)) {
        ecrit_fichier();
    }
}

void TFNLieux::Button3Click()
{
    const int r = grille_->currentRow();
    if (r < 0 || r >= static_cast<int>(editeur_.rangees().size())) {
        return;
    }
    const places::Place& lieu = editeur_.rangees()[static_cast<std::size_t>(r)].lieu;
    if (!question_(places::message_suppression(lieu.ville, lieu.pays), Reponses::oui_non)) {
        return;
    }
    editeur_.supprime(static_cast<std::size_t>(r));
    grille_->removeRow(r);
    ecrit_fichier();
}

bool TFNLieux::ecrit_fichier()
{
    if (const auto refus = editeur_.verifie()) {
        erreur_(*refus);
        return false;
    }
    try {
        editeur_.ecrit_fichier(ctx_.repertoire, ctx_.lieux.fichier_lieux.empty()
                                                    ? places::fichier_lieux_court
                                                    : ctx_.lieux.fichier_lieux);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
        return false;
    }
    // The grid shows the file as written ("France" for a typed "france").
    const int rangee = grille_->currentRow();
    lit_fichier();
    remplit_grille();
    grille_->setCurrentCell(std::min(rangee, grille_->rowCount() - 1), 0);
    return true;
}

} // namespace orvane::gui
