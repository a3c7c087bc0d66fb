// The places editor "Saisie de nouveaux Lieux": the places file in use as a
// grid, where the user adds and deletes cities.
#pragma once

#include "config/program_options.h"
#include "gui/common/question.h"
#include "places/places_editor.h"

#include <QWidget>

#include <functional>
#include <string>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFNLieux : public QWidget
{
    Q_OBJECT

public:
    /// Error and warning boxes with an OK button.
    using Message = std::function<void(const std::string& texte)>;
    /// A question with its buttons; true for Yes.
    using Question = std::function<bool(const std::string& texte, Reponses reponses)>;

    explicit TFNLieux(shell::AppContext& ctx, QWidget* parent = nullptr);

    /// Replaces the modal questions and messages (tests answer them).
    void set_dialogues(Question question, Message erreur, Message avertissement);

    /// Reads the places file in use into the grid.
    void FormActivate();
    /// "Ajouter une nouvelle ville".
    void Button1Click();
    /// "Enregistrer la ville".
    void Button2Click();
    /// "Supprimer une ville".
    void Button3Click();
    /// Writes the grid back to the places file; false when nothing was written.
    bool ecrit_fichier();

private:
    void cree_recherche();
    void cree_grille();
    /// Reads the places file in use into the editor (an unreadable file is
    /// never written back).
    void lit_fichier();
    /// Shows only the rows whose city or country holds the searched text.
    void filtre();
    [[nodiscard]] bool rangee_vide(int rangee) const;
    void cree_boutons();
    QLabel* cree_aide(const char* nom, const QString& texte, std::string_view aide);
    void remplit_grille();
    void StringGrid1SetEditText(int rangee, int colonne);

    shell::AppContext& ctx_;
    places::EditeurLieux editeur_;
    Question question_;
    Message erreur_;
    Message avertissement_;
    bool remplissage_ = false;
    QTableWidget* grille_ = nullptr;
    QLineEdit* recherche_ = nullptr;
    QHBoxLayout* ligne_recherche_ = nullptr;
};

} // namespace orvane::gui
