// The rules a typed date must pass, with their messages.

#include "engine/date_validity.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

TEST(ValiditeCivile, DatesAcceptees)
{
    EXPECT_FALSE(erreur_date_civile({2024, 2, 29}));
    EXPECT_FALSE(erreur_date_civile({1500, 2, 29})) << "Julian century leap year";
    EXPECT_FALSE(erreur_date_civile({1582, 10, 4}));
    EXPECT_FALSE(erreur_date_civile({1582, 10, 15}));
    EXPECT_FALSE(erreur_date_civile({100, 1, 1}));
    EXPECT_FALSE(erreur_date_civile({9999, 12, 31}));
}

TEST(ValiditeCivile, DatesRefusees)
{
    EXPECT_EQ(erreur_date_civile({2023, 2, 29}), "Cette date civile est incorrecte");
    EXPECT_EQ(erreur_date_civile({1900, 2, 29}), "Cette date civile est incorrecte");
    EXPECT_EQ(erreur_date_civile({2024, 4, 31}), "Cette date civile est incorrecte");
    EXPECT_EQ(erreur_date_civile({2024, 13, 1}), "Cette date civile est incorrecte");
    EXPECT_EQ(erreur_date_civile({2024, 1, 0}), "Cette date civile est incorrecte");
    for (int jour = 5; jour <= 14; ++jour) {
        EXPECT_EQ(erreur_date_civile({1582, 10, jour}),
                  "Cette date n'existe pas\rdans le calendrier grégorien");
    }
    const std::string limites =
        "Année date hébraïque min 3860  max 13759\r    Année date civile  min 100  max 9999";
    EXPECT_EQ(erreur_date_civile({99, 12, 31}), limites);
    EXPECT_EQ(erreur_date_civile({10000, 1, 1}), limites);
}

TEST(ValiditeHebraique, DatesAcceptees)
{
    EXPECT_FALSE(erreur_date_hebraique({5784, 7, 29}));
    EXPECT_FALSE(erreur_date_hebraique({5785, 2, 30})) << "complete year";
    EXPECT_FALSE(erreur_date_hebraique({5784, 6, 30})) << "Adar I has 30 days";
    EXPECT_FALSE(erreur_date_hebraique({3860, 1, 1}));
    EXPECT_FALSE(erreur_date_hebraique({13759, 13, 29}));
}

TEST(ValiditeHebraique, DatesRefusees)
{
    EXPECT_EQ(erreur_date_hebraique({5785, 7, 1}), "Cette date n'existe pas\rl'année est commune");
    EXPECT_EQ(erreur_date_hebraique({5784, 7, 30}),
              "Cette date n'existe pas\rl'année est embolismique\rIl n'y a que 29 jour en Adar II");
    EXPECT_EQ(erreur_date_hebraique({5784, 2, 30}), "Cette date hébraïque est incorrecte")
        << "deficient year: Hechvan of 29 days";
    EXPECT_EQ(erreur_date_hebraique({5784, 3, 30}), "Cette date hébraïque est incorrecte");
    EXPECT_EQ(erreur_date_hebraique({5785, 6, 30}), "Cette date hébraïque est incorrecte")
        << "Adar of a common year";
    EXPECT_EQ(erreur_date_hebraique({5785, 13, 30}), "Cette date hébraïque est incorrecte");
    EXPECT_EQ(erreur_date_hebraique({5785, 14, 1}), "Cette date hébraïque est incorrecte");
    EXPECT_EQ(erreur_date_hebraique({5785, 1, 0}), "Cette date hébraïque est incorrecte");
    EXPECT_EQ(erreur_date_hebraique({3859, 1, 1}), message_annees_hors_limites());
    EXPECT_EQ(erreur_date_hebraique({13760, 1, 1}), message_annees_hors_limites());
}

} // namespace
} // namespace orvane::engine
