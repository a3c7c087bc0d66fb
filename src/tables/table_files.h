// The receivers that keep a table: its text file ("zemanim.txt", the body
// files of the books and pages), written as the rows come and put in place
// whole at the end, and the memo of the results window, which keeps the
// first few hundred lines.
#pragma once

#include "platform/streamed_text_file.h"
#include "tables/range_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::tables
{

/// Lines of the results memo and grid beyond which the window shows no more
/// (the whole table is in the file).
inline constexpr std::size_t lignes_du_memo = 380;

/// The table's text file. Lines go to a temporary file beside the target;
/// `termine()` puts it in place, with whatever was written (a refused table
/// keeps its header lines). Without `termine()` the old file stays.
class FichierTable : public SortieTable
{
public:
    explicit FichierTable(std::filesystem::path chemin) : fichier_(std::move(chemin)) {}
    void ligne(const std::string& texte) override { fichier_.write_line(texte); }
    void rangee(const RangeeTable& r) override { fichier_.write_line(r.texte); }
    void termine() { fichier_.commit(); }
    [[nodiscard]] const std::filesystem::path& chemin() const { return fichier_.target(); }

private:
    platform::StreamedTextFile fichier_;
};

/// The first lines of a table and the grid rows, as the results window
/// shows them.
class MemoDeTable : public SortieTable
{
public:
    void ligne(const std::string& texte) override;
    void colonnes(const std::vector<ColonneAffichee>& c) override { colonnes_ = c; }
    void rangee(const RangeeTable& r) override;

    std::vector<std::string> lignes;              // the memo
    std::vector<std::vector<std::string>> grille; // label, then the cells
    [[nodiscard]] const std::vector<ColonneAffichee>& titres() const { return colonnes_; }
    [[nodiscard]] bool tronque() const { return tronque_; }

private:
    std::vector<ColonneAffichee> colonnes_;
    bool tronque_ = false;
};

} // namespace orvane::tables
