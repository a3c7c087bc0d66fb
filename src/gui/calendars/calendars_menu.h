// The entries of the calendar windows in the main window: "Dates" /
// "Conversion  civile <===> hébraïque" opens the pair of linked windows
// TFNCH1 (left) and TFHebr1 (right); "Divers" / "Phases de la lune   (
// Animation )" and a click on the moon of the main window open TFLune.
#pragma once

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFMainForm;

void ajoute_menus_calendriers(TFMainForm& fenetre, shell::AppContext& ctx);

/// The two conversion windows, linked, after the other secondary windows
/// were freed.
void ouvre_conversion(TFMainForm& fenetre, shell::AppContext& ctx);

/// The moon window, after the other secondary windows were freed.
void ouvre_lune(TFMainForm& fenetre, shell::AppContext& ctx);

} // namespace orvane::gui
