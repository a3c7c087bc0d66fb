// What the document benchmarks share: the delivered data, its summer-time
// tables, and a program directory of their own with the page templates.
#pragma once

#include "places/dst.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane::bench
{

inline const std::filesystem::path donnees = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";

inline const places::TablesEte& tables()
{
    static const places::TablesEte t(donnees);
    return t;
}

/// A program directory of its own, with the delivered page templates,
/// removed at the end.
class Repertoire
{
public:
    Repertoire()
    {
        std::string modele =
            (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
        std::filesystem::copy(donnees / "Orvanew", chemin_ / "Orvanew",
                              std::filesystem::copy_options::recursive);
    }
    Repertoire(const Repertoire&) = delete;
    Repertoire& operator=(const Repertoire&) = delete;
    ~Repertoire() { std::filesystem::remove_all(chemin_); }
    [[nodiscard]] const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

} // namespace orvane::bench
