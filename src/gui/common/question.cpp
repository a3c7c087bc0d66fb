#include "gui/common/question.h"

#include <QAbstractButton>

namespace orvane::gui
{
namespace
{

QMessageBox::StandardButtons boutons(Reponses reponses)
{
    switch (reponses) {
    case Reponses::oui_non:
        return QMessageBox::Yes | QMessageBox::No;
    case Reponses::oui_non_annuler:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Reponses::oui_annuler:
        break;
    }
    return QMessageBox::Yes | QMessageBox::Cancel;
}

void nomme_boutons(QMessageBox& boite)
{
    const std::pair<QMessageBox::StandardButton, const char*> noms[] = {
        {QMessageBox::Yes, "&Oui"}, {QMessageBox::No, "&Non"}, {QMessageBox::Cancel, "&Annuler"}};
    for (const auto& [bouton, nom] : noms) {
        if (QAbstractButton* b = boite.button(bouton)) {
            b->setText(QString::fromUtf8(nom));
        }
    }
}

} // namespace

QMessageBox::StandardButton pose_question(QWidget* parent, const QString& titre,
                                          const std::string& texte, Reponses reponses)
{
    QString message = QString::fromStdString(texte);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    QMessageBox boite(QMessageBox::Question, titre, message, boutons(reponses), parent);
    nomme_boutons(boite);
    // A box closed by its title bar or Escape answers the safest way.
    boite.setEscapeButton(reponses == Reponses::oui_non ? QMessageBox::No : QMessageBox::Cancel);
    boite.setDefaultButton(QMessageBox::Yes);
    const int choisi = boite.exec();
    return static_cast<QMessageBox::StandardButton>(choisi);
}

bool repond_oui(QWidget* parent, const QString& titre, const std::string& texte, Reponses reponses)
{
    return pose_question(parent, titre, texte, reponses) == QMessageBox::Yes;
}

} // namespace orvane::gui
