#include "documents/workbook_exports.h"

#include "documents/workbook_writer.h"
#include "platform/text_file.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace orvane::documents
{
namespace
{

std::optional<int> entier(std::string_view t)
{
    int v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (erreur != std::errc() || fin != t.data() + t.size()) {
        return std::nullopt;
    }
    return v;
}

/// "07.01" → minutes since midnight.
std::optional<int> minutes(std::string_view t)
{
    if (t.size() != 5 || t[2] != '.') {
        return std::nullopt;
    }
    const auto h = entier(t.substr(0, 2));
    const auto m = entier(t.substr(3));
    if (!h || !m || *h > 23 || *m > 59) {
        return std::nullopt;
    }
    return *h * 60 + *m;
}

void ecrit_cellule(FeuilleXlsx& f, int ligne, int colonne, std::string_view champ)
{
    if (const auto m = minutes(champ)) {
        f.nombre(ligne, colonne, *m / 1440.0, StyleCellule::heure);
    } else if (const auto n = entier(champ)) {
        f.nombre(ligne, colonne, *n, StyleCellule::nombre);
    } else if (!champ.empty()) {
        f.texte(ligne, colonne, champ, StyleCellule::texte);
    }
}

void ecrit_feuille(ClasseurXlsx& c, const FeuilleExport& e)
{
    FeuilleXlsx f = c.feuille(e.nom.substr(0, 31), {.paysage = true, .lignes_titre = 0});
    int ligne = 0;
    for (const std::string& l : e.lignes) {
        int colonne = 0;
        std::size_t debut = 0;
        while (true) {
            const std::size_t tab = l.find('\t', debut);
            const std::string_view champ =
                std::string_view(l).substr(debut, tab == std::string::npos ? tab : tab - debut);
            ecrit_cellule(f, ligne, colonne++, champ);
            if (tab == std::string::npos) {
                break;
            }
            debut = tab + 1;
        }
        ++ligne;
    }
    f.largeurs(2, 2, 40);
}

} // namespace

void ecrit_classeur_des_exports(const std::filesystem::path& destination,
                                const std::vector<FeuilleExport>& feuilles)
{
    platform::cree_dossier_de(destination);
    ClasseurXlsx c(destination);
    for (const FeuilleExport& e : feuilles) {
        ecrit_feuille(c, e);
    }
    c.termine();
}

} // namespace orvane::documents
