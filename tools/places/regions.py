"""Hand-kept names of the places generator for the regions whose clocks do
not follow the main time zone of their country.

ZONE_REGIONS: the French name of the region of a time zone, written after
the country's name in the country field of its cities: "Australie
(Queensland)" (30 characters at most in all). The generator uses only the
zones whose summer time between 2000 and 2040 is not their country's
table; the others keep their country.
"""

ZONE_REGIONS = {
    # Argentina: provinces that stayed out of some summers (2004, 2007-2009).
    "America/Argentina/Catamarca": "Catamarca",
    "America/Argentina/Jujuy": "Jujuy",
    "America/Argentina/La_Rioja": "La Rioja",
    "America/Argentina/Mendoza": "Mendoza",
    "America/Argentina/Rio_Gallegos": "Santa Cruz",
    "America/Argentina/Salta": "Salta",
    "America/Argentina/San_Juan": "San Juan",
    "America/Argentina/San_Luis": "San Luis",
    "America/Argentina/Ushuaia": "Terre de Feu",
    # Australia: the states without summer time, or with other days.
    "Australia/Adelaide": "Méridionale",
    "Australia/Brisbane": "Queensland",
    "Australia/Darwin": "Territoire du Nord",
    "Australia/Hobart": "Tasmanie",
    "Australia/Perth": "Occidentale",
    # Brazil: the states that had no summer time, or not every year, before 2019.
    "America/Araguaina": "Tocantins",
    "America/Bahia": "Bahia",
    "America/Belem": "Pará",
    "America/Boa_Vista": "Roraima",
    "America/Cuiaba": "Mato Grosso",
    "America/Fortaleza": "Ceará",
    "America/Maceio": "Alagoas",
    "America/Manaus": "Amazonas",
    "America/Porto_Velho": "Rondônia",
    "America/Recife": "Pernambouc",
    "America/Rio_Branco": "Acre",
    "America/Santarem": "Pará occidental",
    # Canada: Saskatchewan without summer time; the western provinces on
    # summer time all the year from 2026.
    "America/Edmonton": "Alberta",
    "America/Regina": "Saskatchewan",
    "America/Vancouver": "Colombie-Britannique",
    "America/Winnipeg": "Manitoba",
    # Chile: Magallanes left summer time in 2016.
    "America/Punta_Arenas": "Magallanes",
    # Cyprus: the north followed Turkey in 2016-2017.
    "Asia/Famagusta": "Nord",
    # Kazakhstan: the western regions, on their own offsets until 2024.
    "Asia/Aqtau": "Manguistaou",
    "Asia/Aqtobe": "Aktioubé",
    "Asia/Atyrau": "Atyraou",
    "Asia/Oral": "Occidental",
    "Asia/Qostanay": "Kostanaï",
    "Asia/Qyzylorda": "Kyzylorda",
    # Mexico: the states and border towns that did not follow Mexico City.
    "America/Cancun": "Quintana Roo",
    "America/Chihuahua": "Chihuahua",
    "America/Ciudad_Juarez": "Chihuahua frontalier",
    "America/Hermosillo": "Sonora",
    "America/Matamoros": "frontière nord-est",
    "America/Tijuana": "Basse-Californie",
    # Palestine: the West Bank, on other days than Gaza in some years.
    "Asia/Hebron": "Cisjordanie",
    # Russia: the regions that moved their offset between 2010 and 2020.
    "Asia/Barnaul": "Altaï",
    "Asia/Chita": "Transbaïkalie",
    "Asia/Kamchatka": "Kamtchatka",
    "Asia/Magadan": "Magadan",
    "Asia/Novokuznetsk": "Kemerovo",
    "Asia/Novosibirsk": "Novossibirsk",
    "Asia/Sakhalin": "Sakhaline",
    "Asia/Tomsk": "Tomsk",
    "Europe/Astrakhan": "Astrakhan",
    "Europe/Samara": "Samara",
    "Europe/Saratov": "Saratov",
    "Europe/Ulyanovsk": "Oulianovsk",
    "Europe/Volgograd": "Volgograd",
    # Ukraine: Crimea, on Moscow time since 2014.
    "Europe/Simferopol": "Crimée",
    # United States: the states without summer time, or without it before 2006.
    "America/Indiana/Indianapolis": "Indiana",
    "America/Phoenix": "Arizona",
    "Pacific/Honolulu": "Hawaï",
}
