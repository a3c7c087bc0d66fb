#include "gui/shell/main_window.h"

#include "engine/date_texts.h"
#include "gui/events/events_menu.h"
#include "gui/shell/places_editor_window.h"
#include "shell/app_context.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace orvane::gui
{

MainWindow::MainWindow(shell::AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx)
{
    setObjectName("FMainForm");
    setWindowTitle("Orvane");
    cree_menus();
    cree_dates_du_jour();
    affiche_dates_du_jour();
    resize(900, 600);
}

QMenu* MainWindow::menu(const QString& title)
{
    for (QMenu* m : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (m->title() == title) {
            return m;
        }
    }
    return menuBar()->addMenu(title);
}

void MainWindow::cree_menus()
{
    QMenu* fichier = menu("&Fichier");
    fichier->addAction("&Quitter", QKeySequence::Quit, qApp, &QApplication::closeAllWindows);
    QAction* lieux = menu("Horaires")->addAction("Lieux géographiques (Ajouter ou supprimer)");
    lieux->setObjectName("Lieux1");
    connect(lieux, &QAction::triggered, this, [this] {
        auto* fenetre = new TFNLieux(ctx_, this);
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        fenetre->show();
    });
    ajoute_menus_evenements(*this, ctx_);
}

void MainWindow::cree_dates_du_jour()
{
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    QFont police("Courier New", 14);
    police.setStyleHint(QFont::Monospace);
    ligne_civile_ = new QLabel(centre);
    ligne_civile_->setObjectName("LabelDateCivile");
    ligne_civile_->setFont(police);
    ligne_hebraique_ = new QLabel(centre);
    ligne_hebraique_->setObjectName("LabelDateHebraique");
    ligne_hebraique_->setFont(police);
    layout->addWidget(ligne_civile_);
    layout->addWidget(ligne_hebraique_);
    layout->addStretch();
    setCentralWidget(centre);
}

void MainWindow::affiche_dates_du_jour()
{
    const engine::DatesDuJour lignes = engine::ecrit_dates_du_jour(ctx_.engine, *ctx_.horloge);
    ligne_civile_->setText(QString::fromStdString(lignes.ligne_date_civile));
    ligne_hebraique_->setText(QString::fromStdString(lignes.ligne_date_hebraique));
}

} // namespace orvane::gui
