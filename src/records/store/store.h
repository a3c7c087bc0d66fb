// The text store of one family of records: its names file and its dates
// file, one record per line position in both (families.h, lines.h).
//
// Every operation reads both files again under the lock of their folder,
// after finishing a replacement that a crash interrupted (atomic_pair.h),
// and writes both together. The records window asks its questions before
// calling (messages.h has their texts); the store gives back what was done
// and what to tell the user.
//
// A record is found by its position, its rank among the non-empty lines of
// the names file, and checked by its number: the window says which record
// it saw there, and nothing is changed when both lines of that position do
// not hold that number. Files that do not agree line by line are read but
// never written.
//
//   BaseFiches base = BaseFiches::ouvre(dossier_programme, Famille::deces);
//   Resultat r = base.ajoute_fiche(fiche, accepte_coupure);
//   // r.numero: the last number + 1; r.message: "La fiche N° 5 a été enregistrée"
#pragma once

#include "engine/dates.h"
#include "platform/confirmation.h"
#include "records/store/atomic_pair.h"
#include "records/store/lines.h"
#include "records/store/pair_contents.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::records
{

/// What an operation did.
struct Resultat {
    bool fait = false;   // the files were changed
    std::string message; // what to tell the user; empty for nothing
    int numero = 0;      // the record concerned (the new one after adding or duplicating)
    int position = 0;    // the position to show afterwards (0: none)
    int nombre = 0;      // the records in the store afterwards
};

/// A record as read.
struct FicheLue {
    int position = 0;
    int numero = 0;
    Fiche fiche;
    LignesFiche lignes; // the two lines without their number
};

/// Reading the record of a position: the record, or why there is none.
struct LectureFiche {
    std::optional<FicheLue> fiche;
    std::string message;
};

/// What `compte_fiches` found.
struct Comptage {
    int nombre = 0;            // the records left
    std::vector<int> retirees; // the records without date removed
    std::string message;       // the removal, or files that do not agree
};

/// The state of the files.
struct EtatBase {
    int nombre = 0;
    Reprise reprise = Reprise::aucune; // an interrupted replacement finished or undone now
    std::vector<DefautPaire> defauts;  // the line positions that do not agree
    std::string message;               // the files do not agree: writes are refused
};

class BaseFiches
{
public:
    /// The store of these two files (which must be in one folder). `crochet`
    /// is called between the steps of every replacement.
    BaseFiches(Famille famille, FichiersFamille fichiers, CrochetRemplacement crochet = {});

    /// The store of `famille` under the program directory (choisit_fichiers).
    /// Throws platform::FileError.
    [[nodiscard]] static BaseFiches ouvre(const std::filesystem::path& dossier_programme,
                                          Famille famille, CrochetRemplacement crochet = {});

    [[nodiscard]] Famille famille() const noexcept { return famille_; }
    [[nodiscard]] const FichiersFamille& fichiers() const noexcept { return fichiers_; }

    /// The number of records and whether the two files agree.
    [[nodiscard]] EtatBase etat();

    /// Removes the records without date (both lines made empty; see
    /// sans_date), then counts the records.
    Comptage compte_fiches();

    /// The record at `position` (1 = the first).
    [[nodiscard]] LectureFiche lit_fiche(int position);

    /// Every record whose two lines agree, in order.
    [[nodiscard]] std::vector<FicheLue> fiches();

    /// Adds the record under the highest number + 1, at the end of both
    /// files. A names line longer than 255 characters is cut when
    /// `accepte_coupure` accepts the warning, and nothing is written when it
    /// does not; a character the files cannot hold refuses the record.
    Resultat ajoute_fiche(const Fiche& fiche, const platform::Confirmation& accepte_coupure);

    /// Rewrites the two lines of the record `numero` at `position` from
    /// `fiche`, keeping its number; its long line as when adding.
    Resultat modifie_fiche(int position, int numero, const Fiche& fiche,
                           const platform::Confirmation& accepte_coupure);

    /// Removes the two lines of the record `numero` at `position`.
    Resultat supprime_fiche(int position, int numero);

    /// Adds a copy of the record `numero` at `position`, its lines as they
    /// are, under a new number.
    Resultat duplique_fiche(int position, int numero);

    /// Writes every record again, numbered from 1 in their order, without
    /// empty lines, each with its next anniversary computed again from
    /// `aujourdhui`. A record whose lines the program did not write (they
    /// do not come out the same when read and built again) is kept as it
    /// is, only its number changed.
    Resultat renumerote(engine::DateCivile aujourdhui);

private:
    /// Both files, after finishing an interrupted replacement (the lock held).
    ContenuPaire relit();
    /// Replaces both files (the lock held).
    void ecrit(const std::vector<std::string>& noms, const std::vector<std::string>& dates);

    Famille famille_;
    FichiersFamille fichiers_;
    CrochetRemplacement crochet_;
    Reprise reprise_ = Reprise::aucune;
};

} // namespace orvane::records
