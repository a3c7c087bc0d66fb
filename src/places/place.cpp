#include "places/place.h"

#include "platform/text.h"

namespace orvane::places
{

namespace
{

bool finit_par_une_de(const std::string& texte, std::string_view lettres)
{
    return !texte.empty() && lettres.find(texte.back()) != std::string_view::npos;
}

} // namespace

bool lieu_enregistrable(const Place& lieu)
{
    return !lieu.pays.empty() && !lieu.ville.empty() && !lieu.longitude.empty() &&
           finit_par_une_de(lieu.latitude, "NSns") && finit_par_une_de(lieu.longitude, "EOWeow");
}

bool est_israel(const std::string& pays)
{
    return platform::left(pays, 6) == "Israël";
}

} // namespace orvane::places
