#include "records/mailing/letter.h"

#include "platform/text.h"

namespace orvane::records
{

namespace
{

// Characters 30 to 129 of the notes: the part after the date that the
// program writes at their start.
constexpr std::size_t debut_des_notes = 29;
constexpr std::size_t longueur_des_notes = 100;

// The text with its ASCII capitals in lower case, byte for byte, so that a
// position in it is a position in the text. The field names are ASCII.
std::string minuscules_ascii(std::string_view texte)
{
    std::string r(texte);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return r;
}

// Replaces every occurrence of `marque` in `texte`, without regard to case.
std::string remplace_sans_casse(std::string texte, std::string_view marque, std::string_view valeur)
{
    const std::string marque_min = minuscules_ascii(marque);
    std::size_t depuis = 0;
    for (;;) {
        const std::string minuscules = minuscules_ascii(texte);
        const std::size_t trouve = minuscules.find(marque_min, depuis);
        if (trouve == std::string::npos) {
            return texte;
        }
        texte.replace(trouve, marque.size(), valeur);
        depuis = trouve + valeur.size();
    }
}

} // namespace

std::string marque_champ(std::string_view champ)
{
    return "<@" + std::string(champ) + ">";
}

std::string valeur_dans_la_lettre(std::string_view champ, std::string_view valeur,
                                  bool notes_entieres)
{
    if (valeur == "M" || valeur == "M." || valeur == "Mr") {
        return "Monsieur";
    }
    if (valeur == "Mme") {
        return "Madame";
    }
    if (valeur == "Mle") {
        return "Mademoiselle";
    }
    if (champ == "NOTES" && !notes_entieres) {
        return platform::mid(valeur, debut_des_notes, longueur_des_notes);
    }
    return std::string(valeur);
}

std::string remplit_modele(std::string_view modele, const ChampsFiche& champs,
                           std::string_view date_du_jour, bool notes_entieres)
{
    std::string lettre =
        remplace_sans_casse(std::string(modele), marque_champ("DATE"), date_du_jour);
    for (const auto& [champ, valeur] : champs) {
        lettre = remplace_sans_casse(std::move(lettre), marque_champ(champ),
                                     valeur_dans_la_lettre(champ, valeur, notes_entieres));
    }
    return lettre;
}

std::vector<std::string> liste_des_champs(const std::vector<std::string>& champs)
{
    std::vector<std::string> r{"DATE"};
    r.insert(r.end(), champs.begin(), champs.end());
    return r;
}

std::string insertion_champ(std::string_view champ)
{
    return " " + marque_champ(champ);
}

} // namespace orvane::records
