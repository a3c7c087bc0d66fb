#include "places/places_editor.h"

#include "places/places.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <algorithm>

namespace orvane::places
{

namespace
{

constexpr std::size_t longueur_nom = 50;
constexpr std::size_t longueur_coordonnee = 10;

std::string sans_controles(std::string_view ligne)
{
    std::string propre;
    for (char c : ligne) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet >= 0x20 || c == '\t') {
            propre += c;
        }
    }
    return propre;
}

/// First letter a to z made upper case; others (accented ones) left alone.
std::string premiere_majuscule(std::string texte)
{
    if (!texte.empty() && texte[0] >= 'a' && texte[0] <= 'z') {
        texte[0] = static_cast<char>(texte[0] - 'a' + 'A');
    }
    return texte;
}

std::string& cellule(Place& lieu, ColonneLieu colonne)
{
    switch (colonne) {
    case ColonneLieu::ville:
        return lieu.ville;
    case ColonneLieu::pays:
        return lieu.pays;
    case ColonneLieu::latitude:
        return lieu.latitude;
    case ColonneLieu::longitude:
        return lieu.longitude;
    case ColonneLieu::decalage:
        break;
    }
    return lieu.decalage;
}

bool complete(const Place& lieu)
{
    return !lieu.ville.empty() && !lieu.pays.empty() && !lieu.latitude.empty() &&
           !lieu.longitude.empty() && !lieu.decalage.empty();
}

} // namespace

std::string message_suppression(std::string_view ville, std::string_view pays)
{
    return "Vous allez supprimer la localité\r" + std::string(ville) + " de " + std::string(pays) +
           "\rdu fichier lieux.cal\r\rEtes-vous sûr ?";
}

EditeurLieux EditeurLieux::lit(const std::filesystem::path& repertoire, std::string_view fichier)
{
    const auto lignes = platform::read_lines_if_exists(
        repertoire / platform::entry_ignoring_case(repertoire, fichier));
    return lignes ? des_lignes(*lignes) : EditeurLieux{};
}

EditeurLieux EditeurLieux::des_lignes(const std::vector<std::string>& lignes)
{
    EditeurLieux editeur;
    for (const std::string& ligne : lignes) {
        if (ligne.empty()) {
            continue;
        }
        Place lieu = decoupe_ligne_lieu(sans_controles(ligne));
        lieu.ville = platform::left(lieu.ville, longueur_nom);
        lieu.pays = platform::left(lieu.pays, longueur_nom);
        lieu.latitude = platform::left(lieu.latitude, longueur_coordonnee);
        lieu.longitude = platform::left(lieu.longitude, longueur_coordonnee);
        editeur.rangees_.push_back({std::move(lieu), ligne});
    }
    return editeur;
}

EditeurLieux EditeurLieux::illisible(std::string raison)
{
    EditeurLieux editeur;
    editeur.raison_illisible_ = std::move(raison);
    return editeur;
}

void EditeurLieux::ajoute()
{
    rangees_.push_back({});
    modifie_ = true;
}

void EditeurLieux::change(std::size_t rangee, ColonneLieu colonne, std::string texte)
{
    RangeeLieu& r = rangees_.at(rangee);
    std::string& valeur = cellule(r.lieu, colonne);
    if (valeur == texte) {
        return;
    }
    valeur = std::move(texte);
    r.ligne_lue.reset();
    modifie_ = true;
}

void EditeurLieux::supprime(std::size_t rangee)
{
    rangees_.erase(rangees_.begin() + static_cast<std::ptrdiff_t>(rangee));
    modifie_ = true;
}

std::optional<std::string> EditeurLieux::verifie() const
{
    for (const RangeeLieu& r : rangees_) {
        if (!r.ligne_lue && !complete(r.lieu)) {
            return std::string(message_ligne_incomplete);
        }
    }
    return std::nullopt;
}

std::vector<std::string> EditeurLieux::lignes() const
{
    std::vector<std::string> lignes;
    lignes.reserve(rangees_.size());
    for (const RangeeLieu& r : rangees_) {
        if (r.ligne_lue) {
            lignes.push_back(*r.ligne_lue);
            continue;
        }
        Place lieu = r.lieu;
        lieu.ville = premiere_majuscule(lieu.ville);
        lieu.pays = premiere_majuscule(lieu.pays);
        lignes.push_back(ligne_lieu(lieu));
    }
    return lignes;
}

void EditeurLieux::ecrit_fichier(const std::filesystem::path& repertoire, std::string_view fichier)
{
    const std::filesystem::path chemin =
        repertoire / platform::entry_ignoring_case(repertoire, fichier);
    if (raison_illisible_) {
        throw platform::FileError("Le fichier « " + chemin.string() +
                                      " » n'a pas pu être lu : il n'est pas réécrit, pour ne "
                                      "perdre aucune de ses villes.\r" +
                                      *raison_illisible_,
                                  chemin);
    }
    const std::vector<std::string> ecrites = lignes();
    platform::write_lines(chemin, ecrites);
    for (std::size_t i = 0; i < rangees_.size(); ++i) {
        rangees_[i].ligne_lue = ecrites[i];
    }
    modifie_ = false;
}

namespace
{

bool meme_lieu(const RangeeLieu& r, const Place& lieu)
{
    return r.lieu.ville == lieu.ville && r.lieu.pays == lieu.pays;
}

} // namespace

void enregistre_localite(const std::filesystem::path& repertoire, std::string_view fichier,
                         const Place& lieu)
{
    EditeurLieux e = EditeurLieux::lit(repertoire, fichier);
    const auto& r = e.rangees();
    auto trouvee =
        std::find_if(r.begin(), r.end(), [&](const RangeeLieu& x) { return meme_lieu(x, lieu); });
    std::size_t i = static_cast<std::size_t>(trouvee - r.begin());
    if (trouvee == r.end()) {
        e.ajoute();
        i = e.rangees().size() - 1;
        e.change(i, ColonneLieu::ville, lieu.ville);
        e.change(i, ColonneLieu::pays, lieu.pays);
    }
    e.change(i, ColonneLieu::latitude, lieu.latitude);
    e.change(i, ColonneLieu::longitude, lieu.longitude);
    e.change(i, ColonneLieu::decalage, lieu.decalage);
    e.ecrit_fichier(repertoire, fichier);
}

bool supprime_localite(const std::filesystem::path& repertoire, std::string_view fichier,
                       const Place& lieu)
{
    EditeurLieux e = EditeurLieux::lit(repertoire, fichier);
    bool trouvee = false;
    for (std::size_t i = e.rangees().size(); i-- > 0;) {
        if (meme_lieu(e.rangees()[i], lieu)) {
            e.supprime(i);
            trouvee = true;
        }
    }
    if (trouvee) {
        e.ecrit_fichier(repertoire, fichier);
    }
    return trouvee;
}

} // namespace orvane::places
