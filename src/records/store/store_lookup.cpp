#include "records/store/store_lookup.h"

#include "records/store/messages.h"
#include "records/store/numbered_line.h"

namespace orvane::records
{

std::variant<FicheTrouvee, std::string> fiche_a_la_position(const ContenuPaire& contenu,
                                                            int position)
{
    if (contenu.nombre() == 0) {
        return std::string(message_aucune_fiche);
    }
    if (position < 1 || position > contenu.nombre()) {
        return message_position_absente(position, contenu.nombre());
    }
    const std::size_t ligne = contenu.lignes_des_fiches[static_cast<std::size_t>(position - 1)];
    const auto noms = separe_numero(contenu.noms[ligne]).numero;
    const auto dates = separe_numero(contenu.dates[ligne]).numero;
    if (!noms || noms != dates) {
        return message_lignes_discordantes(position);
    }
    return FicheTrouvee{ligne, *noms};
}

std::variant<std::size_t, std::string> ligne_de_la_fiche(const ContenuPaire& contenu, int position,
                                                         int numero)
{
    auto trouvee = fiche_a_la_position(contenu, position);
    if (auto* message = std::get_if<std::string>(&trouvee)) {
        return std::move(*message);
    }
    const FicheTrouvee f = std::get<FicheTrouvee>(trouvee);
    if (f.numero != numero) {
        return message_fiche_deplacee(position, numero);
    }
    return f.ligne;
}

} // namespace orvane::records
