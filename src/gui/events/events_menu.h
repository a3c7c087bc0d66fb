// The menu entries of the Jewish-year windows in the main window: "Fêtes
// juives" (festivals, fasts, both), "Divers" (the year type, the Divers
// tables, Chemita and Yovel, the Omer), "Analyse" (the tables of year types
// and cycles) and the Bar-Mitsva ceremonies.
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
