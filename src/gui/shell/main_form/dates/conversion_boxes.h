// The date boxes of the main window ("Conversion de dates"): the civil date
// on the first line (weekday, day, month, month name, year, day again), the
// Hebrew date on the second, the summary line and the message of a date that
// does not exist. The boxes show a shell::PanneauConversion: a value typed
// or stepped goes through its roll-over rules, then every box is written
// again from it, without running the change slots of the boxes written.
#pragma once

#include <QGroupBox>

#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace orvane::shell
{
class PanneauConversion;
}

namespace orvane::gui
{

class BoitesConversion : public QGroupBox
{
    Q_OBJECT

public:
    /// The boxes of `modele`, which must outlive them.
    explicit BoitesConversion(shell::PanneauConversion& modele, QWidget* parent = nullptr);

    /// Every box and text written from the model; no change slot runs.
    void ecrit();
    /// The civil side (weekday, day, month, name, year, day) shown or hidden.
    void montre_cote_civil(bool visible);
    /// The Hebrew side shown or hidden.
    void montre_cote_hebreu(bool visible);
    /// The two weekday boxes, shown with the day's panels.
    void montre_noms_des_jours(bool visibles);
    /// The message of the model's invalid date, or no message.
    void montre_message(bool visible);

public slots:
    /// A day typed into the civil or the Hebrew day box, as the user would:
    /// the box's change slot runs.
    void choisit_jour_civil(int jour);
    void choisit_jour_hebreu(int jour);

signals:
    /// A box changed the model's date.
    void date_changee();
    /// A Hebrew year typed into its box (after `date_changee`).
    void annee_hebraique_tapee(int annee);

private:
    void cree_boites();
    void cree_textes();
    void dispose();
    void connecte();

    void SpinEdit3Change(int jour);
    void SpinEdit9Change(int mois);
    void SpinEdit5Change(int annee);
    void SpinEdit6Change(int jour);
    void SpinEdit10Change(int mois);
    void SpinEdit8Change(int annee);

    shell::PanneauConversion& modele_;
    QSpinBox* SpinEdit3 = nullptr;  // civil day
    QSpinBox* SpinEdit9 = nullptr;  // civil month
    QSpinBox* SpinEdit5 = nullptr;  // civil year
    QSpinBox* SpinEdit6 = nullptr;  // Hebrew day
    QSpinBox* SpinEdit10 = nullptr; // Hebrew month
    QSpinBox* SpinEdit8 = nullptr;  // Hebrew year
    QLineEdit* Edit13 = nullptr;    // civil month name
    QLineEdit* Edit14 = nullptr;    // Hebrew month name
    QLineEdit* Edit7 = nullptr;     // weekday, civil line
    QLineEdit* Edit11 = nullptr;    // weekday, Hebrew line
    QLineEdit* Edit5 = nullptr;     // civil day
    QLineEdit* Edit6 = nullptr;     // Hebrew day
    QLineEdit* Edit9 = nullptr;     // summary line
    QLabel* message_date_ = nullptr;
    std::vector<QWidget*> cote_civil_;
    std::vector<QWidget*> cote_hebreu_;
};

} // namespace orvane::gui
