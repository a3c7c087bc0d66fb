// "semaines.txt": the weekly summary that every zmanim table writes beside
// "zemanim.txt". With the choice "Semaines_dim_a_vend" each week gives one
// line, its Sunday and its Friday side by side; with "Chabbatot et Fêtes"
// each Sabbath and festival gives one.
#pragma once

#include "platform/streamed_text_file.h"
#include "tables/range_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::tables
{

/// The two heading lines and the four empty lines of the file.
[[nodiscard]] std::vector<std::string> entete_semaines(const DemandeTable& d);

/// The titles that the first line holds when the range does not begin on a
/// Sunday.
[[nodiscard]] std::string titres_semaines();

/// The weekly lines of a table, without the heading: kept in memory by
/// `lignes` and written by `FichierSemaines`.
class Semaines : public SortieTable
{
public:
    explicit Semaines(const DemandeTable& d);
    void ligne(const std::string&) override {}
    void rangee(const RangeeTable& r) override;

protected:
    virtual void ecrit(const std::string& ligne) = 0;

private:
    FiltreJours filtre_;
    std::string tampon_;
};

class FichierSemaines : public Semaines
{
public:
    FichierSemaines(const DemandeTable& d, std::filesystem::path chemin);
    void termine() { fichier_.commit(); }

private:
    void ecrit(const std::string& ligne) override { fichier_.write_line(ligne); }
    platform::StreamedTextFile fichier_;
};

} // namespace orvane::tables
