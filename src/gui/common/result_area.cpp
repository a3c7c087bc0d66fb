#include "gui/common/result_area.h"

#include "gui/common/fonts.h"

#include <QTextCursor>

namespace orvane::gui
{

ZoneResultat::ZoneResultat(const QString& nom, int points, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(nom);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(police_fixe(points));
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
}

void ZoneResultat::efface()
{
    clear();
    sans_ligne_ = true;
}

void ZoneResultat::affiche(const std::vector<std::string>& lignes)
{
    efface();
    ajoute(lignes);
    moveCursor(QTextCursor::Start);
}

void ZoneResultat::ajoute(const std::vector<std::string>& lignes)
{
    // Block by block, so that empty lines (the first one too) are kept.
    QTextCursor curseur(document());
    curseur.movePosition(QTextCursor::End);
    for (const std::string& l : lignes) {
        if (!sans_ligne_) {
            curseur.insertBlock();
        }
        curseur.insertText(QString::fromStdString(l));
        sans_ligne_ = false;
    }
}

std::vector<std::string> ZoneResultat::lignes() const
{
    std::vector<std::string> r;
    const QString texte = toPlainText();
    if (texte.isEmpty()) {
        return r;
    }
    for (const QString& l : texte.split(QLatin1Char('\n'))) {
        r.push_back(l.toStdString());
    }
    return r;
}

} // namespace orvane::gui
