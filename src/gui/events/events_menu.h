// The menu entries of the Jewish-year windows in the main window: "Fêtes
// juives" (festivals, fasts, both) and "Divers" / "Siman de l'année".
#pragma once

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFMainForm;

void ajoute_menus_evenements(TFMainForm& fenetre, shell::AppContext& ctx);

} // namespace orvane::gui
