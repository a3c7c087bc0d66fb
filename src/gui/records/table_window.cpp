#include "gui/records/table_window.h"

#include "config/config.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

namespace fs = std::filesystem;

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

TFmaint::TFmaint(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("Fmaint");
    setWindowTitle(QStringLiteral("Consultation de la base de données"));
    set_dialogues(
        [this](const fs::path& dossier) -> std::optional<fs::path> {
            const QString f =
                QFileDialog::getOpenFileName(this, QStringLiteral("Choisir une Base de données"),
                                             QString::fromStdString(dossier.string()),
                                             QStringLiteral("Tables dBase (*.dbf *.DBF)"));
            return f.isEmpty() ? std::nullopt : std::optional<fs::path>(f.toStdString());
        },
        choix_fichier_par_dialogue(this),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(),
                                  QString::fromStdString(m).replace('\r', '\n'));
        },
        [this](const std::string& m) {
            QMessageBox::information(this, windowTitle(),
                                     QString::fromStdString(m).replace('\r', '\n'));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    cree_controles();
    resize(980, 640);
    donne_mnemoniques(this);
    try {
        dossier_ = records::repertoire_des_tables(ctx_.repertoire);
        const records::SchemaTable& s = records::schema_naissances();
        table_ = records::Table::ouvre_ou_cree(
            records::chemin_de_table(ctx_.repertoire, s.nom_fichier), s.champs);
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
    remplit_grille();
}

TFmaint::~TFmaint() = default;

void TFmaint::set_dialogues(ChoixTable table, ChoixFichier enregistrement, MessageErreur erreur,
                            Information information, Imprimante imprimante)
{
    choix_table_ = std::move(table);
    choix_ = std::move(enregistrement);
    erreur_ = std::move(erreur);
    information_ = std::move(information);
    imprimante_ = std::move(imprimante);
}

void TFmaint::cree_controles()
{
    auto* l = new QVBoxLayout(this);
    groupe_ = new QGroupBox(this);
    groupe_->setObjectName("GroupeBase");
    auto* lg = new QVBoxLayout(groupe_);
    grille_ = new QTableWidget(groupe_);
    grille_->setObjectName("Grille");
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nombre_ = new QLabel(groupe_);
    nombre_->setObjectName("LabelNombre");
    lg->addWidget(grille_, 1);
    lg->addWidget(nombre_);
    l->addWidget(groupe_, 2);
    memo_ = new ZoneResultat("Memo1", 9, this);
    l->addWidget(memo_, 1);
    auto* boutons = new QWidget(this);
    auto* lb = new QGridLayout(boutons);
    const std::tuple<const char*, QString, void (TFmaint::*)()> liste[] = {
        {"BoutonChoisir", QStringLiteral("&Choisir une Base de données"),
         &TFmaint::BoutonChoisirClick},
        {"BoutonLister", QStringLiteral("&Lister le contenu"), &TFmaint::BoutonListerClick},
        {"BoutonImprimer", QStringLiteral("&Imprimer"), &TFmaint::BoutonImprimerClick},
        {"BoutonExportTexte", QStringLiteral("Enregistrer toutes la base dans un fichier txt"),
         &TFmaint::BoutonExportTexteClick},
        {"BoutonExportExcel",
         QStringLiteral("Enregistrer tous les champs pour une utilisation sous excel"),
         &TFmaint::BoutonExportExcelClick},
        {"BoutonExportSelection",
         QStringLiteral("Enregistrer les champs sélectionnés dans le fichier 'config.dta'"),
         &TFmaint::BoutonExportSelectionClick}};
    int i = 0;
    for (const auto& [nom, texte, action] : liste) {
        lb->addWidget(bouton_nomme(boutons, nom, texte, this, action), i / 3, i % 3);
        ++i;
    }
    lb->addWidget(
        bouton_nomme(boutons, "BoutonFermer", QStringLiteral("&Fermer"), this, &QWidget::close), 2,
        2);
    l->addWidget(boutons);
}

void TFmaint::ouvre(const fs::path& fichier)
{
    try {
        records::Table t = records::Table::ouvre(fichier);
        table_ = std::move(t);
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
    remplit_grille();
}

void TFmaint::remplit_grille()
{
    grille_->clear();
    if (!table_.ouverte()) {
        grille_->setRowCount(0);
        nombre_->clear();
        return;
    }
    groupe_->setTitle(qs(records::titre_base_de_donnees(table_.fichier())));
    const std::vector<records::ChampDbf>& champs = table_.champs();
    const std::vector<std::size_t>& fiches = table_.fiches_affichees();
    grille_->setColumnCount(static_cast<int>(champs.size()));
    grille_->setRowCount(static_cast<int>(fiches.size()));
    QStringList titres;
    for (const records::ChampDbf& c : champs) {
        titres.push_back(qs(c.nom));
    }
    grille_->setHorizontalHeaderLabels(titres);
    for (std::size_t r = 0; r < fiches.size(); ++r) {
        for (std::size_t c = 0; c < champs.size(); ++c) {
            grille_->setItem(static_cast<int>(r), static_cast<int>(c),
                             new QTableWidgetItem(qs(table_.texte_de(fiches[r], champs[c].nom))));
        }
    }
    grille_->resizeColumnsToContents();
    nombre_->setText(qs(records::libelle_enregistrements(fiches.size())));
}

void TFmaint::BoutonChoisirClick()
{
    const fs::path actuelle = table_.fichier();
    table_.ferme();
    const std::optional<fs::path> choisi = choix_table_(dossier_);
    ouvre(choisi ? *choisi : actuelle);
}

void TFmaint::BoutonListerClick()
{
    if (table_.ouverte()) {
        memo_->affiche(records::listing(table_));
    }
}

void TFmaint::BoutonImprimerClick()
{
    TexteAImprimer t;
    t.lignes = memo_->lignes();
    t.police =
        police_d_impression(memo_->font(), taille_impression_defaut + ctx_.taille_impression);
    imprimante_(t);
}

void TFmaint::exporte(const std::vector<std::string>& lignes)
{
    const std::optional<fs::path> fichier =
        enregistre_lignes(ctx_.repertoire, std::string(records::dossier_des_tables),
                          records::nom_de_base(table_.fichier()) + ".txt", lignes, choix_, erreur_);
    if (fichier) {
        memo_->affiche(lignes);
    }
}

void TFmaint::BoutonExportTexteClick()
{
    if (table_.ouverte()) {
        exporte(records::listing(table_));
    }
}

void TFmaint::BoutonExportExcelClick()
{
    if (table_.ouverte()) {
        exporte(records::export_tous_les_champs(table_));
    }
}

void TFmaint::BoutonExportSelectionClick()
{
    if (!table_.ouverte()) {
        return;
    }
    try {
        const config::FichierCles cles =
            config::lit_fichier_cles(ctx_.repertoire, config::fichier_config);
        const records::ExportSelection e = records::export_champs_selectionnes(table_, cles);
        if (e.par_defaut) {
            information_(std::string(records::avis_champs_par_defaut));
        }
        exporte(e.lignes);
    } catch (const std::exception& ex) {
        erreur_(ex.what());
    }
}

} // namespace orvane::gui
