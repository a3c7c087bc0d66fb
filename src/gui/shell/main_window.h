// The home window of the program.
#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(shell::AppContext& ctx, QWidget* parent = nullptr);

    /// The menu of the menu bar with this title, created at the end of the
    /// bar when it does not exist yet.
    QMenu* menu(const QString& title);

private:
    void cree_menus();
    void cree_dates_du_jour();
    void affiche_dates_du_jour();

    shell::AppContext& ctx_;
    QLabel* ligne_civile_ = nullptr;
    QLabel* ligne_hebraique_ = nullptr;
};

} // namespace orvane::gui
