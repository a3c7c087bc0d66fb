// The Hebrew year and civil year boxes of a window, kept in step. Every
// change is written to "annee_h" and "annee_c", so that the next window
// opens on the same year.
#pragma once

#include "gui/common/save_text.h"

#include <filesystem>

class QSpinBox;

namespace orvane::gui
{

class AnneesLiees
{
public:
    AnneesLiees(QSpinBox& hebraique, QSpinBox& civile, std::filesystem::path repertoire,
                MessageErreur erreur);

    /// Shows Hebrew year `annee` and the civil year written beside it (the
    /// year of its Tichri, with no year 0). False, doing nothing, while the
    /// boxes are being set by this object itself.
    bool montre_annee_hebraique(int annee);

    /// Shows the Hebrew year of the civil year typed, leaving the civil box as
    /// typed. False while the boxes are being set by this object itself.
    bool montre_annee_civile(int annee);

    /// True while this object sets the boxes (their change signals then come
    /// from it, not from the user).
    [[nodiscard]] bool en_synchronisation() const { return synchronise_; }

private:
    void ecrit_fichiers_annee();

    QSpinBox& hebraique_;
    QSpinBox& civile_;
    std::filesystem::path repertoire_;
    MessageErreur erreur_;
    bool synchronise_ = false;
};

} // namespace orvane::gui
