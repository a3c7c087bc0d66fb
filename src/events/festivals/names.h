// The name tables of the festivals, fasts, day marks and eves, and of the
// weekly readings. Names pad with "*" and "-" to their column; every output
// turns those into blanks. Entry 0 of the festival and day-mark tables is not
// fixed: it reads twelve "*" on a Saturday and twelve "-" on other days.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvane::events
{

/// Festival and fast names (1..34) and weekly readings (49..104); 35..48
/// are empty. An index above 48 is a reading, below 40 a festival.
inline constexpr std::array<std::string_view, 105> libelles_fetes = {
    "",                     // 0: see nom_entree_zero
    "Roch-Hachana---",      // 1
    "Jeûne Guedalia-",      // 2
    "Kippour--------",      // 3
    "Soukot---------",      // 4
    "'Hanouka-------",      // 5
    "Jeûne 10 Tevet-",      // 6
    "Tou Bichevat---",      // 7
    "Jeûne d'Esther-",      // 8
    "Pourim---------",      // 9
    "Pessa'h--------",      // 10
    "Lag Ba'Omer----",      // 11
    "Chavou'ot------",      // 12
    "Jeûne 17 Tamouz",      // 13
    "Jeûne du 9 Av--",      // 14
    "Tou Beav-------",      // 15
    "'Hanouka----",         // 16
    "Pourim Chouchan",      // 17
    "Veille de Kippour",    // 18
    "Veille de 'Hanouka",   // 19
    "Veille de Roch-Hacha", // 20
    "Hochaana Rabba-",      // 21
    "Chemini Atseret",      // 22
    "Simha Torah----",      // 23
    "Yom Yérouchalaïm",     // 24
    "Jeûne 1ers Nés-",      // 25
    "Yom Haatsmaout-",      // 26
    "Chekalim****",         // 27
    "Pessah Chéni---",      // 28
    "HolAmoed Soukot",      // 29
    "HolAmoed Pessa'h",     // 30
    "C.Atseret S.Tora",     // 31
    "Soukot (YomTov)",      // 32
    "Pessa'h (YomTov)",     // 33
    "Yom Hazikaron--",      // 34
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Vayèlekh****",  // 49
    "Haazinou****",  // 50
    "Berèchit****",  // 51
    "Noa'h*******",  // 52
    "Lekh-Lekha**",  // 53
    "Vayèra******",  // 54
    "Hayè-Sarah**",  // 55
    "Toledot*****",  // 56
    "Vayètsé*****",  // 57
    "Vayichla'h**",  // 58
    "Vayèchev****",  // 59
    "Mikets******",  // 60
    "Vayigache***",  // 61
    "Vaye'hi*****",  // 62
    "Chemot******",  // 63
    "Vaèra*******",  // 64
    "Bo**********",  // 65
    "Bechala'h***",  // 66
    "Yitro*******",  // 67
    "Michpatim***",  // 68
    "Terouma*****",  // 69
    "Tetsavè*****",  // 70
    "Ki-Tissa****",  // 71
    "Vayakhel****",  // 72
    "Pekoudé*****",  // 73
    "Vayikra*****",  // 74
    "Tsav********",  // 75
    "Chemini*****",  // 76
    "Tazria******",  // 77
    "Metsora*****",  // 78
    "A'harè-Mot**",  // 79
    "Kedochim****",  // 80
    "Emor********",  // 81
    "Behar*******",  // 82
    "Be'houkotaï*",  // 83
    "Bemidbar****",  // 84
    "Nasso*******",  // 85
    "Behaalotkha*",  // 86
    "Chela'h-Lekha", // 87
    "Kora'h******",  // 88
    "'Houkat*****",  // 89
    "Balak*******",  // 90
    "Pin'has*****",  // 91
    "Matot*******",  // 92
    "Mass'è******",  // 93
    "Devarim*****",  // 94
    "Vaèt'hanan**",  // 95
    "Ekev********",  // 96
    "Reé*********",  // 97
    "Choftim*****",  // 98
    "Ki-Tétsè****",  // 99
    "Ki-Tavo*****",  // 100
    "Nitsavim****",  // 101
    "Vayèlekh****",  // 102
    "Haazinou****",  // 103
    "V.Haberakha*",  // 104
};

/// Indexes of the festival table that other code names.
inline constexpr int premiere_lecture = 49; // Vayèlekh read early in Tichri
inline constexpr int derniere_lecture = 104;
inline constexpr int fete_hanouka_jour = 16; // 'Hanouka in the day labels

/// Day marks (1..24): new moon, intermediate days, minor days, the special
/// Sabbaths (8..13) and a few notes.
inline constexpr std::array<std::string_view, 25> libelles_jours = {
    "",                      // 0: see nom_entree_zero
    "Roch-Hodech ",          // 1
    "Hol-Hamoed  ",          // 2
    "Tou Bichvat ",          // 3
    "Lag Ba'omer-",          // 4
    "Tou Beav----",          // 5
    "Pourim Kat. ",          // 6
    "Pessah Chéni",          // 7
    "Chekalim ",             // 8
    "Zakhor ",               // 9
    "Para ",                 // 10
    "Hahodech ",             // 11
    "Hagadol ",              // 12
    "Chouva ",               // 13
    "Pourim Chouchan",       // 14
    "Simha Tora ",           // 15
    "Isrou 'Hag ",           // 16
    "Selihot Sepharad",      // 17
    "Selihot Achkénaz",      // 18
    "Heure d'été",           // 19
    "Heure d'hiver",         // 20
    "Tikoun Haguéchem",      // 21
    "Guéchem",               // 22
    "Yizkor",                // 23
    "Pourim Chouchan Katan", // 24
};

/// Eves, used by the calendar documents (1..10).
inline constexpr std::array<std::string_view, 11> libelles_veilles = {
    "",
    "Veille de Roch-Hachana",
    "Veille de Kippour",
    "Veille de Soukot",
    "Le soir, Veillée de Hochaana Rabba",
    "Veille de Chemini Atseret",
    "Veille de Pessa'h",
    "Le soir, Veillée de Chavou'ot",
    "Veille de Tich'a Béav",
    "Veille de Roch-Hodech ",
    "Avant-veille de Roch-Hodech ",
};

/// Entry 0 of the festival and day-mark tables for a day of weekday
/// `jour_semaine`: twelve "*" on a Saturday, twelve "-" otherwise.
[[nodiscard]] constexpr std::string_view nom_entree_zero(int jour_semaine) noexcept
{
    return jour_semaine == 7 ? "************" : "------------";
}

/// A label as printed: every "*" and "-" of the padding turned into a blank.
[[nodiscard]] std::string sans_remplissage(std::string_view nom);

/// A label with its padding turned into blanks but its own hyphens kept:
/// every "*", and every "-" that does not join two letters ("A'harè-Mot",
/// "Roch-Hodech" stay; "Lag Ba'omer-" and "---------" lose theirs).
[[nodiscard]] std::string sans_remplissage_garde_traits(std::string_view nom);

} // namespace orvane::events
