#include "tables/tossefet_questions.h"

#include "zmanim/settings/parametres.h"

namespace orvane::tables
{

namespace
{

constexpr std::string_view texte_marseille =
    "Il existe des horaires d'entrée et de sortie de Chabbat spécifiques au Beth Din de "
    "Marseille.\r(Pour info : Entrée Chab. 20m avant Chkia, Sortie. 7,35°.)\r\rPour cela, nous "
    "avons prévu 2 modes de calcul pour cette ville.\r\rLe calcul spécifique au Beth Din de "
    "Marseille (réponse OUI)\rLe calcul standard, à l'instar des autres villes de France "
    "(réponse NON)\r";

constexpr std::string_view information_marseille =
    "Pour information, cela consiste à avoir une Tossefet à l'entrée du Chabbat de 20 minutes au "
    "lieu de 18 minutes, et une sortie à 7,35° au lieu de 8,5°.\r(Ces valeurs sont prises en "
    "compte par le programme sans que vous ayez à les selectionner)";

constexpr int tossefet_marseille = 20;

std::string fin_de_question(int tossefet_case)
{
    return "Cliquez sur \"OUI\" pour appliquer cette valeur standard.\r\rCliquez sur \"NON\" pour "
           "appliquer la valeur de " +
           std::to_string(tossefet_case) + " choisie sur la boîte \"Tossefet, entrée Chab.\"" +
           "\r";
}

} // namespace

std::optional<QuestionTossefet> question_tossefet(const places::Place& lieu, int tossefet_case)
{
    const std::string& ville = lieu.ville;
    if (ville.starts_with("Marseille") || ville.starts_with("MARSEILLE")) {
        return QuestionTossefet{std::string(texte_marseille), tossefet_marseille, true,
                                std::string(information_marseille)};
    }
    if (places::est_israel(lieu.pays) || ville.starts_with("JERUSALEM") ||
        ville.starts_with("Jérusalem")) {
        if (ville.starts_with("JERUSALEM") || ville.starts_with("Jérusalem")) {
            if (tossefet_case == zmanim::tossefet_jerusalem) {
                return std::nullopt;
            }
            return QuestionTossefet{"L'entrée de Chabbat spécifiques à JERUSALEM est de 40 "
                                    "minutes avant le coucher du Soleil.\r\r" +
                                        fin_de_question(tossefet_case),
                                    zmanim::tossefet_jerusalem,
                                    false,
                                    {}};
        }
        if (tossefet_case == zmanim::tossefet_israel) {
            return std::nullopt;
        }
        return QuestionTossefet{"L'entrée de Chabbat dans les villes d'Israël est de 20 minutes "
                                "avant le coucher du Soleil.\r\r" +
                                    fin_de_question(tossefet_case),
                                zmanim::tossefet_israel,
                                false,
                                {}};
    }
    if (tossefet_case == zmanim::tossefet_diaspora) {
        return std::nullopt;
    }
    return QuestionTossefet{
        "L'entrée de Chabbat est de 18 minutes avant le coucher du Soleil.\rCliquez sur \"OUI\" "
        "pour l'appliquer.\r\rSi vous cliquez sur \"NON\", l'entrée du Chabbat se fera selon la "
        "valeur choisie sur la boîte \"Tossefet, entrée Chab.\"\r",
        zmanim::tossefet_diaspora,
        false,
        {}};
}

std::optional<TossefetRetenue> tossefet_retenue(const std::optional<QuestionTossefet>& q,
                                                ReponseTossefet r, int tossefet_case)
{
    if (!q) {
        return TossefetRetenue{tossefet_case, false};
    }
    switch (r) {
    case ReponseTossefet::annuler:
        return std::nullopt;
    case ReponseTossefet::oui:
        return TossefetRetenue{q->valeur_oui, q->marseille};
    case ReponseTossefet::non:
        break;
    }
    return TossefetRetenue{tossefet_case, false};
}

} // namespace orvane::tables
