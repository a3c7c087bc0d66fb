// The text area of a result window: read-only, fixed-width font, no line
// wrapping, scrolled both ways.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace orvane::gui
{

class ZoneResultat : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ZoneResultat(const QString& nom, int points = 8, QWidget* parent = nullptr);

    /// Empties the text.
    void efface();
    /// Replaces the text by these lines, caret at the top.
    void affiche(const std::vector<std::string>& lignes);
    /// Adds lines at the end.
    void ajoute(const std::vector<std::string>& lignes);
    /// The lines of the text (no line break inside a line).
    [[nodiscard]] std::vector<std::string> lignes() const;

private:
    bool sans_ligne_ = true; // nothing added since the text was emptied
};

} // namespace orvane::gui
