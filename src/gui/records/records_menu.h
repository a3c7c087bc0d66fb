// The entries of the records windows in the menu "Anniversaires /
// Bar-Mitsva". The database entries are hidden in the compatibility mode,
// where the records live in text files only.
#pragma once

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFMainForm;

/// "&Anniversaires", "&Bar Mitsva" and "&Décès" (the records window of each
/// family, in both modes) and "&Evénements divers" (the events window).
void ajoute_menus_fiches(TFMainForm& fenetre, shell::AppContext& ctx);

/// "&Mailing", "Consultation de la base" (the table window) and
/// "Consultation par fiche" (the record viewer), after the Bar-Mitsva
/// ceremonies.
void ajoute_menus_bases(TFMainForm& fenetre, shell::AppContext& ctx);

} // namespace orvane::gui
