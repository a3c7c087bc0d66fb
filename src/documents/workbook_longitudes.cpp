#include "documents/workbook_longitudes.h"

#include "places/angle.h"
#include "platform/text.h"

#include <cmath>

namespace orvane::documents
{

bool avis_rav_rottenberg(std::string_view opinion)
{
    return opinion.starts_with("Rav Rot");
}

std::string longitude_decalee(std::string_view longitude, int minutes_est)
{
    const double degres_est = places::longitude_degres_est(longitude) + minutes_est / 60.0;
    std::string texte = places::texte_longitude(degres_est);
    // "O" (Ouest) stays "O" when the town is still west of Greenwich.
    const std::string origine = platform::trim(longitude);
    const char lettre = origine.empty() ? 'E' : origine.back();
    if (texte.back() == 'W' && (lettre == 'O' || lettre == 'o')) {
        texte.back() = 'O';
    }
    return texte;
}

TroisLongitudes trois_longitudes(std::string_view centre, int minutes_est_ouest)
{
    return {std::string(centre), longitude_decalee(centre, minutes_est_ouest),
            longitude_decalee(centre, -minutes_est_ouest)};
}

} // namespace orvane::documents
