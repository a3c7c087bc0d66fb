#include "gui/common/mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace orvane::gui
{
namespace
{

/// Positions of the letters worth marking: the starts of words first, then
/// the other letters and digits, in reading order.
QList<qsizetype> candidats(const QString& texte)
{
    QList<qsizetype> debuts;
    QList<qsizetype> autres;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (!texte[i].isLetterOrNumber()) {
            continue;
        }
        const bool debut = i == 0 || !texte[i - 1].isLetterOrNumber();
        (debut ? debuts : autres).push_back(i);
    }
    return debuts + autres;
}

template <class Element, class Texte, class Ecrit>
void marque_tous(const QList<Element*>& elements, Texte texte_de, Ecrit ecrit)
{
    QSet<QChar> prises;
    for (Element* e : elements) {
        if (const QChar c = lettre_mnemonique(texte_de(e)); !c.isNull()) {
            prises.insert(c);
        }
    }
    for (Element* e : elements) {
        const QString texte = texte_de(e);
        if (!texte.trimmed().isEmpty() && lettre_mnemonique(texte).isNull()) {
            ecrit(e, avec_mnemonique(texte, prises));
        }
    }
}

void marque_menu(QMenu* menu)
{
    QList<QAction*> entrees;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) {
            entrees.push_back(a);
        }
        if (a->menu() != nullptr) {
            marque_menu(a->menu());
        }
    }
    marque_tous(
        entrees, [](QAction* a) { return a->text(); },
        [](QAction* a, const QString& t) { a->setText(t); });
}

} // namespace

QChar lettre_mnemonique(const QString& texte)
{
    for (qsizetype i = 0; i + 1 < texte.size(); ++i) {
        if (texte[i] == '&') {
            if (texte[i + 1] != '&') {
                return texte[i + 1].toLower();
            }
            ++i; // "&&" is a written ampersand
        }
    }
    return {};
}

QString avec_mnemonique(const QString& texte, QSet<QChar>& prises)
{
    if (const QChar propre = lettre_mnemonique(texte); !propre.isNull()) {
        prises.insert(propre);
        return texte;
    }
    for (qsizetype i : candidats(texte)) {
        const QChar c = texte[i].toLower();
        if (!prises.contains(c)) {
            prises.insert(c);
            QString marque = texte;
            marque.insert(i, '&');
            return marque;
        }
    }
    return texte;
}

void donne_mnemoniques(QWidget* fenetre)
{
    marque_tous(
        fenetre->findChildren<QAbstractButton*>(), [](QAbstractButton* b) { return b->text(); },
        [](QAbstractButton* b, const QString& t) { b->setText(t); });
}

void donne_mnemoniques(QMenuBar* barre)
{
    QList<QAction*> menus;
    for (QAction* a : barre->actions()) {
        if (a->menu() != nullptr) {
            menus.push_back(a);
            marque_menu(a->menu());
        }
    }
    marque_tous(
        menus, [](QAction* a) { return a->text(); },
        [](QAction* a, const QString& t) { a->setText(t); });
}

} // namespace orvane::gui
