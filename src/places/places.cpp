#include "places/places.h"

#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <algorithm>

namespace orvane::places
{

namespace
{

/// Base letter of an accented Latin letter, in lower case; other characters
/// in lower case.
char32_t lettre_de_base(char32_t c)
{
    c = platform::lettre_sans_accent(c);
    if (c >= U'A' && c <= U'Z') {
        return c + 32;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        c += 32; // Latin-1 capitals without a base letter (Æ, Þ)
    }
    return c;
}

constexpr std::size_t longueur_decalage = 10;

/// The next field up to its tab, the tab removed; the first double tab of
/// what is left has already been made single.
std::string_view champ_suivant(std::string_view& reste)
{
    const std::size_t tab = reste.find('\t');
    const std::string_view champ = reste.substr(0, tab);
    reste = tab == std::string_view::npos ? std::string_view{} : reste.substr(tab + 1);
    return champ;
}

std::vector<std::string> triee_sans_doublons(std::vector<std::string> liste)
{
    std::vector<std::pair<std::u32string, std::string>> cles;
    cles.reserve(liste.size());
    for (std::string& texte : liste) {
        cles.emplace_back(cle_de_tri(texte), std::move(texte));
    }
    std::sort(cles.begin(), cles.end());
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    std::vector<std::string> resultat;
    resultat.reserve(cles.size());
    for (auto& [cle, texte] : cles) {
        resultat.push_back(std::move(texte));
    }
    return resultat;
}

} // namespace

std::u32string cle_de_tri(std::string_view texte)
{
    std::u32string cle = platform::decode_utf8(texte);
    std::transform(cle.begin(), cle.end(), cle.begin(), lettre_de_base);
    return cle;
}

Place decoupe_ligne_lieu(std::string_view ligne)
{
    std::string copie(ligne);
    if (const std::size_t double_tab = copie.find("\t\t"); double_tab != std::string::npos) {
        copie.erase(double_tab, 1);
    }
    std::string_view reste = copie;
    Place lieu;
    lieu.ville = platform::left(champ_suivant(reste), longueur_champ_lieu);
    lieu.pays = platform::left(champ_suivant(reste), longueur_champ_lieu);
    lieu.latitude = platform::left(champ_suivant(reste), longueur_champ_lieu);
    lieu.longitude = platform::left(champ_suivant(reste), longueur_champ_lieu);
    lieu.decalage = platform::left(champ_suivant(reste), longueur_decalage);
    return lieu;
}

std::string ligne_lieu(const Place& lieu)
{
    return lieu.ville + "\t\t" + lieu.pays + "\t" + lieu.latitude + "\t" + lieu.longitude + "\t" +
           lieu.decalage;
}

bool avant_dans_la_liste(std::string_view a, std::string_view b)
{
    const std::u32string ca = cle_de_tri(a);
    const std::u32string cb = cle_de_tri(b);
    return ca != cb ? ca < cb : a < b;
}

ListesLieux listes_des_lignes(const std::vector<std::string>& lignes)
{
    ListesLieux listes;
    std::vector<std::string> pays;
    std::vector<std::string> villes;
    for (const std::string& ligne : lignes) {
        if (ligne.empty()) {
            continue;
        }
        listes.lignes.push_back(ligne);
        Place lieu = decoupe_ligne_lieu(ligne);
        pays.push_back(lieu.pays);
        villes.push_back(lieu.ville);
        listes.lieux.push_back(std::move(lieu));
    }
    listes.pays = triee_sans_doublons(std::move(pays));
    listes.villes = triee_sans_doublons(std::move(villes));
    return listes;
}

ListesLieux lit_fichier_lieux(const std::filesystem::path& repertoire, std::string_view fichier)
{
    const auto lignes = platform::read_lines_if_exists(
        repertoire / platform::entry_ignoring_case(repertoire, fichier));
    return lignes ? listes_des_lignes(*lignes) : ListesLieux{};
}

ChoixPays choix_pays(const ListesLieux& listes, std::string_view pays)
{
    ChoixPays choix;
    for (const Place& lieu : listes.lieux) {
        if (lieu.pays != pays) {
            continue;
        }
        if (!choix.premier_lieu) {
            choix.premier_lieu = lieu;
        }
        choix.villes.push_back(lieu.ville);
    }
    return choix;
}

std::optional<Place> choix_ville(const ListesLieux& listes, std::string_view ville,
                                 std::string_view pays)
{
    std::optional<Place> dans_le_pays;
    std::optional<Place> ailleurs;
    for (const Place& lieu : listes.lieux) {
        if (lieu.ville != ville) {
            continue;
        }
        (lieu.pays == pays ? dans_le_pays : ailleurs) = lieu;
    }
    return dans_le_pays ? dans_le_pays : ailleurs;
}

} // namespace orvane::places
