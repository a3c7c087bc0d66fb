#include "gui/records/folder_window.h"

#include "gui/common/mnemonics.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <system_error>

namespace orvane::gui
{

namespace
{

QString qs(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

} // namespace

TFDir::TFDir(const std::filesystem::path& dossier, QWidget* parent) : QDialog(parent)
{
    setObjectName("FDir");
    setWindowTitle(QStringLiteral("Sélection d'un dossier pour les fichiers de mailing"));
    std::error_code e;
    std::filesystem::create_directories(dossier, e); // a folder that cannot be made stays absent
    auto* l = new QVBoxLayout(this);
    lecteurs_ = new QComboBox(this);
    lecteurs_->setObjectName("Lecteurs");
    for (const QFileInfo& lecteur : QDir::drives()) {
        lecteurs_->addItem(lecteur.absoluteFilePath());
    }
    modele_ = new QFileSystemModel(this);
    modele_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    modele_->setRootPath(lecteurs_->currentText());
    arbre_ = new QTreeView(this);
    arbre_->setObjectName("Dossiers");
    arbre_->setModel(modele_);
    for (int c = 1; c < modele_->columnCount(); ++c) {
        arbre_->hideColumn(c);
    }
    libelle_ = new QLabel(this);
    libelle_->setObjectName("LabelDossier");
    libelle_->setWordWrap(true);
    auto* boutons = new QDialogButtonBox(this);
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName("OK");
    boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole)
        ->setObjectName("Annuler");
    for (QWidget* w : std::initializer_list<QWidget*>{lecteurs_, arbre_, libelle_, boutons}) {
        l->addWidget(w);
    }
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lecteurs_, &QComboBox::currentTextChanged, this,
            [this](const QString& lecteur) { choisit(lecteur.toStdString()); });
    connect(arbre_, &QTreeView::clicked, this,
            [this](const QModelIndex& i) { choisit(modele_->filePath(i).toStdString()); });
    choisit(dossier);
    resize(560, 420);
    donne_mnemoniques(this);
}

void TFDir::choisit(const std::filesystem::path& dossier)
{
    dossier_ = dossier;
    const QModelIndex i = modele_->index(qs(dossier));
    arbre_->setCurrentIndex(i);
    arbre_->scrollTo(i);
    libelle_->setText(QStringLiteral("Les fichiers seront sauvés dans le répertoire : ") +
                      qs(dossier));
}

std::optional<std::filesystem::path> TFDir::demande(const std::filesystem::path& dossier,
                                                    QWidget* parent)
{
    TFDir f(dossier, parent);
    if (f.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return f.dossier();
}

} // namespace orvane::gui
