// The menu entries of the Jewish-year windows in the main window: "Fêtes
// juives" (festivals, fasts, both) and "Divers" / "Siman de l'année".
#pragma once

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class MainWindow;

void ajoute_menus_evenements(MainWindow& fenetre, shell::AppContext& ctx);

} // namespace orvane::gui
