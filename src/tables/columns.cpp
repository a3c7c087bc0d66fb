#include "tables/columns.h"

namespace orvane::tables
{

namespace
{

// Indexes of the moment boxes (the halachic captions of zmanim/format/libelles.h).
constexpr int m_aube = 0, m_debut = 1, m_lever = 2, m_chema1 = 3, m_chema2 = 4, m_tefila1 = 5,
              m_tefila2 = 6, m_midi = 7, m_mincha_g = 8, m_mincha_k = 9, m_plag = 10, m_entree = 11,
              m_plag2 = 12, m_coucher = 13, m_etoiles = 14, m_sortie = 15, m_nuit = 16,
              m_heure_lc = 17, m_heure_an = 18;
// The "Bureau des Longitudes" boxes 4 to 12: the three twilights of the
// morning, sunrise, noon, sunset, the three of the evening.
constexpr int b_astro = 3, b_naut = 4, b_civ = 5, b_lever = 6, b_midi = 7, b_coucher = 8,
              b_civ_soir = 9, b_naut_soir = 10, b_astro_soir = 11;
constexpr int aucun = -1;

// Columns shown by a layout rather than by a box.
constexpr std::size_t c_aube72 = 2, c_chema72 = 6, c_etoiles = 17, c_etoiles_chema = 18,
                      c_dixieme = 19, c_nuit72 = 21, c_nuit = 22;

} // namespace

bool est_un_livre(MiseEnPage m)
{
    return m != MiseEnPage::tableau;
}

bool est_une_plaque(MiseEnPage m)
{
    return m == MiseEnPage::plaque_chema || m == MiseEnPage::plaque_sans_chema;
}

const std::array<Colonne, nombre_colonnes>& colonnes()
{
    static const std::array<Colonne, nombre_colonnes> table{{
        {"heureA", m_aube, b_astro, " Aube", "L Astro", "  rjc"},
        {"heureT", m_debut, b_naut, "Début", "L Naut", "   umc"},
        {"heureA72", aucun, aucun, "72 min", "", "hmjh {n"},
        {"heureCVLV", aucun, b_civ, "", "L. Civ", ""},
        {"heureL", m_lever, b_lever, "L. sol", "L Sol.", "hmjh {n"},
        {"heureCH1", m_chema1, aucun, "Chéma.1", "", " 1 umc"},
        {"heureC72", aucun, aucun, "Chéma72", "", ""},
        {"heureCH2", m_chema2, aucun, "Chéma.2", "", " 2 umc"},
        {"heureTA1", m_tefila1, aucun, "Téphi.1", "", "1 hlypt"},
        {"heureTA2", m_tefila2, aucun, "Téphi.2", "", "2 hlypt"},
        {"heureH", m_midi, b_midi, "Mi-jour", "Sol mér", "   twxj"},
        {"heureMG", m_mincha_g, aucun, "Min.Gué", "", ".dg hjnm"},
        {"heureMK", m_mincha_k, aucun, "Min.Két", "", ".fq hjnm"},
        {"heureP", m_plag, aucun, " Plag", "", "    glp"},
        {"entree_chabbat", m_entree, aucun, "Ent Ch", "", "tbc .nkh"},
        {"heure2P", m_plag2, aucun, "2ePlag", "", "  2 glp"},
        {"heureC", m_coucher, b_coucher, "C.sol", "C Sol.", "jh tuyqc"},
        {"heureTSE", m_etoiles, b_civ_soir, "Etoiles", "C. Civ", ".wkh tax"},
        {"heureTSECHEMA", aucun, aucun, "Et.Chéma", "", ".wkh tax"},
        {"heureNV", aucun, aucun, "10e heure", "", ""},
        {"heureSOR", m_sortie, b_naut_soir, "Sort Ch", "C Naut", "tbc .xm"},
        {"heureN72", aucun, aucun, " Nuit", "", "   hlyl"},
        {"heureN", m_nuit, b_astro_soir, " Nuit", "C Astro", "   hlyl"},
        {"heure_saison_lc", m_heure_lc, aucun, "L-C/12", "", "1 .mz huc"},
        {"heure_saison_an", m_heure_an, aucun, "A-N/12", "", "2 .mz huc"},
    }};
    return table;
}

namespace
{

bool coche(const std::array<bool, 19>& moments, int indice)
{
    return indice != aucun && moments[static_cast<std::size_t>(indice)];
}

/// Whether column `i` is shown, by its box or by the layout.
bool affichee(std::size_t i, const std::array<bool, 19>& moments, const ChoixColonnes& choix)
{
    const Colonne& c = colonnes()[i];
    if (choix.bureau_des_longitudes) {
        return coche(moments, c.moment_bdl);
    }
    const MiseEnPage m = choix.mise_en_page;
    switch (i) {
    case c_aube72:
    case c_chema72:
        return m == MiseEnPage::livre_rt;
    case c_etoiles_chema:
        return m == MiseEnPage::plaque_chema;
    case c_dixieme:
        return choix.dixieme_heure;
    case c_nuit72:
        return est_un_livre(m) && !est_une_plaque(m) && coche(moments, m_nuit);
    default:
        return coche(moments, c.moment);
    }
}

std::string titre(std::size_t i, const ChoixColonnes& choix)
{
    const Colonne& c = colonnes()[i];
    if (choix.bureau_des_longitudes) {
        return std::string(c.titre_bdl);
    }
    if (i == c_etoiles) {
        return std::string(c.titre) + choix.texte_etoiles;
    }
    if (i == c_nuit && est_un_livre(choix.mise_en_page) && !est_une_plaque(choix.mise_en_page)) {
        return "nuit 16";
    }
    return std::string(c.titre);
}

} // namespace

std::vector<ColonneAffichee> colonnes_affichees(const std::array<bool, 19>& moments,
                                                const ChoixColonnes& choix)
{
    std::vector<ColonneAffichee> shown;
    for (std::size_t i = 0; i < nombre_colonnes; ++i) {
        if (affichee(i, moments, choix)) {
            shown.push_back({i, titre(i, choix), std::string(colonnes()[i].titre_hebreu)});
        }
    }
    return shown;
}

std::string titre_hebreu_en_lettres(std::string_view latin)
{
    static constexpr std::string_view cles = "abgdhwzjfyklmnsupxqrct{";
    static const std::array<std::string_view, 23> lettres{"א", "ב", "ג", "ד", "ה", "ו", "ז", "ח",
                                                          "ט", "י", "כ", "ל", "מ", "נ", "ס", "ע",
                                                          "פ", "צ", "ק", "ר", "ש", "ת", "ץ"};
    std::string t;
    for (auto c = latin.rbegin(); c != latin.rend(); ++c) {
        const std::size_t i = cles.find(*c);
        t += i == std::string_view::npos ? std::string(1, *c) : std::string(lettres[i]);
    }
    const std::size_t debut = t.find_first_not_of(' ');
    const std::size_t fin = t.find_last_not_of(' ');
    return debut == std::string::npos ? std::string() : t.substr(debut, fin - debut + 1);
}

} // namespace orvane::tables
