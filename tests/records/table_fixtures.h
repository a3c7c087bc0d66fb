// dBase tables of the records in the tests: a folder of the program with its
// folder "dbd", records added field by field as the windows add them, and
// the tables read back as values.
#pragma once

#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "records/tables/dbase_table.h"
#include "records/tables/schemas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace orvane::records::test
{

/// The fields set for one record: (field, text) in order.
using Valeurs = std::vector<std::pair<std::string, std::string>>;

/// A program directory for one test, removed at its end.
struct Programme {
    platform::test_support::TemporaryDirectory dir;

    [[nodiscard]] std::filesystem::path table(std::string_view nom) const
    {
        return chemin_de_table(dir.path(), nom);
    }
    /// The birth table, created empty when missing.
    [[nodiscard]] Table naissances() const
    {
        return Table::ouvre_ou_cree(table(schema_naissances().nom_fichier),
                                    schema_naissances().champs);
    }
};

/// Adds a record: insere, each field, valide.
inline void ajoute(Table& t, const Valeurs& valeurs)
{
    t.insere();
    for (const auto& [champ, texte] : valeurs) {
        t.change_texte(champ, texte);
    }
    t.valide();
}

/// The values of every record of the file, deleted ones left out, as
/// Table::texte_de gives them, field by field in the table's order.
inline std::vector<std::vector<std::string>> valeurs_de(const Table& t)
{
    std::vector<std::vector<std::string>> v;
    for (const std::size_t f : t.fiches()) {
        std::vector<std::string> fiche;
        for (const ChampDbf& c : t.champs()) {
            fiche.push_back(t.texte_de(f, c.nom));
        }
        v.push_back(std::move(fiche));
    }
    return v;
}

/// The same for the file on the disk, read again from scratch.
inline std::vector<std::vector<std::string>> valeurs_du_fichier(const std::filesystem::path& f)
{
    return valeurs_de(Table::ouvre(f));
}

/// The texts of a field of the records shown, in the order shown.
inline std::vector<std::string> colonne(Table& t, std::string_view champ)
{
    std::vector<std::string> c;
    for (bool ok = t.premier(); ok; ok = t.suivant()) {
        c.push_back(t.texte(champ));
    }
    return c;
}

} // namespace orvane::records::test
