// The main window's menu "Glossaire": "Rubriques - Principes du calendrier"
// opens the glossary window TFGlos2.
#pragma once

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFMainForm;

void ajoute_menu_glossaire(TFMainForm& fenetre, shell::AppContext& ctx);

} // namespace orvane::gui
