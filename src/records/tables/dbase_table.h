// A dBase table of the records as the windows browse and edit it: opened
// whole into memory, ordered by a named index, limited to a range of its
// index, moved through record by record, and written back to its file,
// whole and atomically, each time a record is posted or deleted.
//
//   Table t = Table::ouvre_ou_cree(chemin_de_table(dir, "Bd_NAIS.dbf"),
//                                  schema_naissances().champs);
//   t.trie_par("NOM");
//   t.limite(" ", "z");            // "Trier alphab." of the record viewer
//   for (bool ok = t.premier(); ok; ok = t.suivant())
//       std::cout << t.texte("NOM") << ' ' << t.texte("PRE") << '\n';
//   t.modifie();
//   t.change_texte("VILLE", "Besançon");
//   t.valide();                    // the file now holds the change
//
// Indexes are not files: an index names a field, and the order is computed
// when the table is sorted. Text is ordered in French (french_order.h), the
// Hebrew first names by the Hebrew alphabet (hebrew_order.h), a date by its
// day (an empty one first), a number by its value; records of equal keys
// keep the order of the file. Text is UTF-8 here and Windows-1252
// in the file; a character that the file cannot hold is refused when it is
// written into a field, never dropped.
#pragma once

#include "engine/dates.h"
#include "records/tables/dbf_format.h"
#include "records/tables/table_replacement.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// What the table is doing.
enum class EtatTable {
    fermee,       // closed: nothing can be read
    consultation, // browsing
    insertion,    // a new record is being filled (insere)
    modification, // the current record is being changed (modifie)
};

class Table
{
public:
    /// A closed table.
    Table() = default;

    /// Opens an existing table, on its first record in the order of the file.
    /// Throws platform::FileError naming the file: absent, unreadable, or not
    /// a dBase table ("… : ce n'est pas une table dBase valide (…)").
    [[nodiscard]] static Table ouvre(const std::filesystem::path& fichier);

    /// Opens the table, first creating it empty with `champs` when the file
    /// is missing (its folder must exist). Throws platform::FileError.
    [[nodiscard]] static Table ouvre_ou_cree(const std::filesystem::path& fichier,
                                             const std::vector<ChampDbf>& champs);

    /// Reads the file again (the changes of another program), keeping the
    /// index, the limits and the selection; on the first record.
    void rouvre();
    /// Closes the table; a record being edited is dropped.
    void ferme() noexcept;

    [[nodiscard]] bool ouverte() const noexcept { return etat_ != EtatTable::fermee; }
    [[nodiscard]] EtatTable etat() const noexcept { return etat_; }
    [[nodiscard]] const std::filesystem::path& fichier() const noexcept { return fichier_; }
    /// The file ended before the last record that its header announced
    /// (damaged by another program); the whole records were read.
    [[nodiscard]] bool incomplete() const noexcept { return contenu_.incomplet; }

    [[nodiscard]] const std::vector<ChampDbf>& champs() const noexcept { return contenu_.champs; }
    /// The position of a field by its name (compared without regard to case).
    [[nodiscard]] std::optional<std::size_t> champ(std::string_view nom) const;
    [[nodiscard]] bool a_le_champ(std::string_view nom) const { return champ(nom).has_value(); }

    // -- Order, limits and selection ------------------------------------

    /// Sorts the table by the index `index` (a field name), or in the order
    /// of the file for an empty name; on the first record. The limits are
    /// removed. Throws ValeurRefusee for a field the table lacks.
    void trie_par(std::string_view index);
    /// The index in use; empty in the order of the file.
    [[nodiscard]] const std::string& index() const noexcept { return index_; }

    /// Keeps the records whose index key lies from `de` to `a` (both
    /// included, `a` reaching every key that begins with it); on the first
    /// record. On a text index the bounds are texts compared in French; on a
    /// date index, dates "jj/mm/aaaa"; on a number index, numbers. Throws
    /// ValeurRefusee without an index or for a bound that is not of its kind.
    void limite(std::string_view de, std::string_view a);
    /// The same on a date index with dates.
    void limite_dates(engine::DateCivile de, engine::DateCivile a);
    void supprime_limites();

    /// Keeps only the records of these numbers (fiches()); on the first.
    void selectionne(std::vector<std::size_t> fiches);
    void supprime_selection();

    // -- The records shown: in the order, within limits and selection ----

    /// How many records are shown.
    [[nodiscard]] std::size_t nombre() const noexcept { return vue_.size(); }
    [[nodiscard]] bool vide() const noexcept { return vue_.empty(); }
    /// The rank of the current record among them (0 = first); none when
    /// there is none.
    [[nodiscard]] std::optional<std::size_t> position() const noexcept;

    /// Each move says whether it reached a record: false on an empty table,
    /// and for suivant() on the last record or precedent() on the first,
    /// which then stay where they are.
    bool premier();
    bool dernier();
    bool suivant();
    bool precedent();
    /// Moves to rank `position` (the last one when past the end).
    void va_a(std::size_t position);
    /// Moves to the first record shown whose field equals `texte` without
    /// regard to case or accents; false (and no move) when there is none.
    bool trouve(std::string_view champ, std::string_view texte);

    // -- Values ----------------------------------------------------------

    /// The text of a field of the current record (of the record being
    /// filled while inserting or changing): text as typed, a date as
    /// "jj/mm/aaaa", a number as written; empty without a current record.
    /// Throws ValeurRefusee for a field the table lacks.
    [[nodiscard]] std::string texte(std::string_view champ) const;
    /// The date of a date field of the current record; none when empty.
    [[nodiscard]] std::optional<engine::DateCivile> date(std::string_view champ) const;

    /// The numbers of all records of the file, deleted ones left out, in the
    /// order of the file, whatever the order, limits and selection.
    [[nodiscard]] std::vector<std::size_t> fiches() const;
    /// The numbers of the records shown, in their order.
    [[nodiscard]] const std::vector<std::size_t>& fiches_affichees() const noexcept { return vue_; }
    /// The number of the current record; none without one.
    [[nodiscard]] std::optional<std::size_t> fiche_courante() const noexcept;
    /// The same values for the record of a number.
    [[nodiscard]] std::string texte_de(std::size_t fiche, std::string_view champ) const;
    /// The text of the field at position `champ` (champs()) of a record.
    [[nodiscard]] std::string texte_du_champ(std::size_t fiche, std::size_t champ) const;
    [[nodiscard]] std::optional<engine::DateCivile> date_de(std::size_t fiche,
                                                            std::string_view champ) const;

    // -- Editing ---------------------------------------------------------

    /// Starts a new record, all fields empty.
    void insere();
    /// Starts changing the current record (none: std::logic_error).
    void modifie();
    /// Sets a field of the record being filled. A date field takes
    /// "jj/mm/aaaa" or an empty text. Throws ValeurRefusee naming the field
    /// (a character outside Windows-1252, a text too long for the field, a
    /// date that does not exist), and std::logic_error outside insere() or
    /// modifie().
    void change_texte(std::string_view champ, std::string_view valeur);
    /// Sets a date field (none empties it).
    void change_date(std::string_view champ, std::optional<engine::DateCivile> date);
    /// Posts the record being filled: the file is replaced, then the record
    /// becomes the current one in the order (it disappears from what is
    /// shown when it falls outside the limits or the selection). Throws
    /// platform::FileError when the file cannot be written: the file, the
    /// table and the record being filled stay as they were, so that it can
    /// be posted again.
    void valide();
    /// Drops the record being filled.
    void annule() noexcept;
    /// Deletes the current record from the file; the next one becomes
    /// current (the new last one after the last). Throws platform::FileError
    /// and then keeps it. Nothing happens without a current record.
    void supprime();

    /// Called after each step of every write of the file (tests).
    void crochet_ecriture(CrochetEcriture crochet) { crochet_ = std::move(crochet); }

private:
    struct Cle {
        double nombre = 0;
        std::string texte;
    };

    void lit_le_fichier();
    void ecrit_le_fichier();
    void recalcule_cles();
    void recalcule_vue(std::optional<std::size_t> garder);
    [[nodiscard]] bool dans_la_vue(std::size_t fiche) const;
    [[nodiscard]] std::size_t indice(std::string_view champ) const;
    [[nodiscard]] Cle cle_de(std::size_t fiche) const;
    [[nodiscard]] const FicheDbf* fiche_lue() const;
    void verifie_ouverte() const;

    std::filesystem::path fichier_;
    ContenuDbf contenu_;
    EtatTable etat_ = EtatTable::fermee;
    std::string index_;
    std::optional<std::size_t> champ_index_;
    std::vector<Cle> cles_; // per record of the file, for the index
    std::optional<std::pair<Cle, Cle>> limites_;
    std::optional<std::vector<bool>> selection_; // per record of the file
    std::vector<std::size_t> vue_;               // the records shown, in order
    std::optional<std::size_t> courant_;         // rank in vue_
    FicheDbf tampon_;                            // the record being filled
    CrochetEcriture crochet_;
};

/// "jj/mm/aaaa" of a date ("03/10/2024").
[[nodiscard]] std::string texte_de_date(engine::DateCivile d);

/// The date of a text "j/m/aaaa" or "jj/mm/aaaa" (years 1 to 9999, a day
/// that the month has); none for any other text.
[[nodiscard]] std::optional<engine::DateCivile> date_du_texte(std::string_view texte);

} // namespace orvane::records
