#include "records/tables/schemas.h"

#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::records
{

namespace
{

ChampDbf texte(std::string nom, int taille)
{
    return {std::move(nom), 'C', taille, 0};
}

ChampDbf date(std::string nom)
{
    return {std::move(nom), 'D', 8, 0};
}

std::vector<ChampDbf> champs_des_naissances()
{
    return {texte("N", 3),          texte("NOM", 50),        texte("PRE", 50),
            texte("PREH", 50),      texte("CHEZ", 50),       texte("NUM", 5),
            texte("ADRESSE", 50),   texte("CODE", 6),        texte("VILLE", 50),
            texte("PAYS", 50),      texte("TEL", 45),        texte("J_N", 1),
            date("NAI_CV_N"),       texte("NAI_HB_N", 11),   date("ACT_CV_N"),
            texte("NAI_CV_LT", 28), texte("NAI_HB_LT", 28),  texte("ACT_CV_LT", 28),
            texte("ACT_HB_LT", 28), texte("BAR_MITSVA", 28), texte("PARACHA", 23),
            texte("NOTES", 100),    date("B_MITZ_CIV")};
}

std::vector<std::string_view> index_nommes()
{
    return {index_des_fiches.begin(), index_des_fiches.end()};
}

} // namespace

const SchemaTable& schema_naissances()
{
    static const SchemaTable s{"Bd_NAIS.dbf", champs_des_naissances(), index_nommes()};
    return s;
}

const SchemaTable& schema_deces()
{
    static const SchemaTable s = [] {
        std::vector<ChampDbf> champs = champs_des_naissances();
        champs.push_back(texte("N_DC", 3));
        champs.push_back(texte("NOM_DC", 50));
        champs.push_back(texte("PRE_DC", 50));
        champs.push_back(texte("PREH_DC", 50));
        return SchemaTable{"Bd_DC.dbf", std::move(champs), index_nommes()};
    }();
    return s;
}

const SchemaTable& schema_evenements()
{
    static const SchemaTable s{
        "Anni_Ev.DBF",
        {texte("TITRE", 50), date("DATEC"), texte("DATEH", 12), texte("COMMENT", 254)},
        {}};
    return s;
}

bool est_champ_hebreu(std::string_view nom)
{
    for (const std::string_view h : champs_hebreux) {
        if (platform::equals_ignoring_case(h, nom)) {
            return true;
        }
    }
    return false;
}

std::filesystem::path repertoire_des_tables(const std::filesystem::path& repertoire_programme)
{
    return platform::ensure_subdirectory(repertoire_programme, std::string(dossier_des_tables));
}

std::filesystem::path chemin_de_table(const std::filesystem::path& repertoire_programme,
                                      std::string_view nom_fichier)
{
    const std::filesystem::path dossier = repertoire_des_tables(repertoire_programme);
    return dossier / platform::entry_ignoring_case(dossier, nom_fichier);
}

std::string commentaire_des_lignes(const std::vector<std::string>& lignes)
{
    std::string texte;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (i > 0) {
            texte += "\r\n";
        }
        texte += lignes[i];
    }
    return texte;
}

std::vector<std::string> lignes_du_commentaire(std::string_view commentaire)
{
    return platform::split_lines(commentaire);
}

} // namespace orvane::records
