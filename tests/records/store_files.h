// Files of a record store in the tests: written by hand as the users'
// files are, read back as bytes.
#pragma once

#include "platform/encoding.h"
#include "platform/raw_file.h"
#include "records/store/families.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::records::test
{

/// The bytes of a file; "" when it does not exist.
inline std::string octets(const std::filesystem::path& fichier)
{
    return platform::read_bytes_if_exists(fichier).value_or("");
}

/// The bytes of both files, to check that an operation left them as they were.
struct OctetsPaire {
    std::string noms;
    std::string dates;
    friend bool operator==(const OctetsPaire&, const OctetsPaire&) = default;
};

inline OctetsPaire octets_paire(const FichiersFamille& f)
{
    return {octets(f.noms), octets(f.dates)};
}

/// Lines (UTF-8 here) as Windows-1252 bytes with CR LF after each line, as
/// the program writes them (every character must fit the code page).
inline std::string fichier_1252(const std::vector<std::string>& lignes)
{
    std::string o;
    for (const std::string& l : lignes) {
        o += platform::windows1252_from_utf8(l);
        o += "\r\n";
    }
    return o;
}

/// Writes both files of a store by hand.
inline void ecrit_paire(const FichiersFamille& f, const std::vector<std::string>& noms,
                        const std::vector<std::string>& dates)
{
    platform::write_bytes(f.noms, fichier_1252(noms));
    platform::write_bytes(f.dates, fichier_1252(dates));
}

} // namespace orvane::records::test
