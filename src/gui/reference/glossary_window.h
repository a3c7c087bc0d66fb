// The glossary window TFGlos2 ("Terminologie utilisée"): the chapters of
// "glossair.dta", the paragraphs of the chosen chapter and the text of the
// chosen paragraph, the whole file at once, and the printing of a page.
#pragma once

#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFGlos2 : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;
    using Message = std::function<void(const std::string&)>;

    /// The window, its chapter list filled from the program directory's
    /// glossary when there is one.
    explicit TFGlos2(shell::AppContext& ctx, QWidget* parent = nullptr);

    /// Replaces the message boxes and the printer (tests).
    void set_dialogues(MessageErreur erreur, Message avertissement, Message information,
                       Imprimante imprimante);

    void FormActivate();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void Button1Click();
    void Button3Click();
    void Button4Click();

private:
    void cree_listes();
    void cree_titres();
    void cree_boutons();
    /// The lines of the glossary; nothing (after the error message when it
    /// cannot be read) when there is none.
    [[nodiscard]] std::optional<std::vector<std::string>> lit_fichier();
    void montre_paragraphe(const std::string& nom);

    shell::AppContext& ctx_;
    MessageErreur erreur_;
    Message avertissement_;
    Message information_;
    Imprimante imprimante_;

    QComboBox* chapitres_ = nullptr;
    QComboBox* paragraphes_ = nullptr;
    QLabel* nom_ = nullptr;
    QLabel* sous_titre_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
