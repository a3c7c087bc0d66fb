#include "gui/common/fonts.h"

#include "events/hebrew_letters.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStringList>

namespace orvane::gui
{

namespace
{

QString premiere_famille(const QStringList& familles, const QString& defaut)
{
    const QStringList installees = QFontDatabase::families();
    for (const QString& f : familles) {
        if (installees.contains(f, Qt::CaseInsensitive)) {
            return f;
        }
    }
    return defaut;
}

} // namespace

QFont police_fixe(int points, bool gras)
{
    QFont f(premiere_famille({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, "Monospace"),
            points);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setBold(gras);
    return f;
}

QFont police_hebraique(int points)
{
    QFont f(premiere_famille({"Frank Ruehl CLM", "David CLM", "Taamey Frank CLM", "Miriam CLM",
                              "Nachlieli CLM", "DejaVu Sans"},
                             "Sans Serif"),
            points);
    return f;
}

void affiche_hebreu(QLabel& label, std::string_view texte_latin, int points)
{
    label.setFont(police_hebraique(points));
    label.setText(QString::fromStdString(events::lettres_hebraiques_affichees(texte_latin)));
}

} // namespace orvane::gui
