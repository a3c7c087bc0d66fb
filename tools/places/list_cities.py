"""Hand-kept lists of the city-list generators, written as the places files
name the towns (the city field of data/lieu.cal or data/lieu_all.cal).

PLAQUE_CITIES: the main Jewish communities of France, for the plaque lists
(villepl.cal), the largest first: the plaque files are made from the
cities ten by ten, and the first ten make the first plaque.

DAY_CITIES: the cities of the list of the day's times (villactu.cal),
spread over the world, by city and country, in the order of the list.

ISRAEL_COMMUNITIES, OVERSEAS_COMMUNITIES: the towns of the world list
(willemd.cal) that communities.py leaves out because it lists the
communities outside Israel and France: the main Jewish towns of Israel,
and the communities of the French overseas departments and territories,
which the places files put under their own country names.

PLACE_NAMES: the city field of the communities of communities.py that the
places files write otherwise than their French name or the name of the
list (GeoNames' main name differs: "Vinnytsya", "Oujda-Angad").

US_STATES: the state of a community of the United States whose name
several towns of the places files share ("Lakewood (NJ)", not "Lakewood
(CO)"), and of a community of NOT_IN_PLACES whose name the places
files give to other towns only ("Monroe (LA)").

NOT_IN_PLACES: the communities of communities.py that the places files do
not hold (GeoNames' cities500 has them under no name the places generator
looks for, or only as another town: Deerfield Beach is not Deerfield,
Sharonville not Sharon, Monroe (LA) not the Monroe of New York). The world
generator checks that they are still absent, so that a new run of the
places generator that finds them makes this list be corrected.
"""

PLAQUE_CITIES = [
    "PARIS (75)", "MARSEILLE (13)", "LYON (69)", "TOULOUSE (31)", "NICE (06)",
    "STRASBOURG (67)", "SARCELLES (95)", "CRETEIL (94)", "BORDEAUX (33)", "METZ (57)",
    "NANCY (54)", "GRENOBLE (38)", "MONTPELLIER (34)", "LILLE (59)", "AIX-EN-PROVENCE (13)",
    "CANNES (06)",
]

DAY_CITIES = [
    ("PARIS (75)", "France"), ("MARSEILLE (13)", "France"), ("LYON (69)", "France"),
    ("TOULOUSE (31)", "France"), ("NICE (06)", "France"), ("STRASBOURG (67)", "France"),
    ("Jérusalem", "Israël"), ("Tel-Aviv", "Israël"), ("Haïfa", "Israël"),
    ("Bnei Brak", "Israël"), ("Beer-Sheva", "Israël"),
    ("Londres", "Royaume-Uni"), ("Bruxelles", "Belgique"), ("Anvers", "Belgique"),
    ("Genève", "Suisse"), ("Rome", "Italie"), ("Vienne", "Autriche"), ("Moscou", "Russie"),
    ("Istanbul", "Turquie"),
    ("New York (NY)", "États-Unis"), ("Los Angeles (CA)", "États-Unis"),
    ("Miami (FL)", "États-Unis"), ("Montréal", "Canada"), ("Toronto", "Canada"),
    ("Mexico", "Mexique"), ("Buenos Aires", "Argentine"), ("São Paulo", "Brésil"),
    ("Casablanca", "Maroc"), ("Djerba (Houmt Souk)", "Tunisie"),
    ("Johannesbourg", "Afrique du Sud"), ("Sydney", "Australie"),
]

ISRAEL_COMMUNITIES = [
    "Jérusalem", "Tel-Aviv", "Haïfa", "Bnei Brak", "Beer-Sheva", "Netanya", "Ashdod",
    "Ashkelon", "Petah Tiqva", "Rishon LeTsiyyon", "Holon", "Bat Yam", "Ramat Gan",
    "Givatayim", "Herzliya", "Ra'anana", "Kfar Saba", "Hod HaSharon", "Rehovot", "Ness Ziona",
    "Yavné", "Lod", "Ramla", "Modi‘in Makkabbim Re‘ut", "Modiin Ilit", "Bet Shemesh", "El‘ad",
    "Or Yehuda", "Kiryat Ono", "Yehud", "Rosh Ha‘Ayin", "Hadera", "Zikhron Ya‘aqov",
    "Or Akiva", "Nahariyya", "Karmi’el", "Safed", "Tibériade", "Afula", "Nazerat ‘Illit",
    "Qiryat Shmona", "Qiryat Ata", "Qiryat Bialik", "Qiryat Motsqin", "Qiryat Yam", "Nesher",
    "Tirat Karmel", "Kfar Habad", "Gedera", "Qiryat Mal’akhi", "Kiryat Gat", "Sderot",
    "Netivot", "Ofaqim", "Dimona", "Arad", "Eilat", "Ariel", "Mevasseret Tsiyyon", "Katzrin",
]

OVERSEAS_COMMUNITIES = [
    ("LE GOSIER (971)", "Guadeloupe"), ("FORT-DE-FRANCE (972)", "Martinique"),
    ("CAYENNE (973)", "Guyane"), ("SAINT-DENIS (974)", "La Réunion"),
    ("Nouméa", "Nouvelle-Calédonie"), ("Papeete", "Polynésie française"),
]

PLACE_NAMES = {
    ("GR", "Chania"): "Chaniá",
    ("UA", "Vinnytsia"): "Vinnytsya",
    ("UA", "Zaporizhzhia"): "Zaporizhzhya",
    ("MA", "Oujda"): "Oujda-Angad",
    ("MA", "Ouarzazate"): "Ouarzazat",
    ("TN", "Houmt Souk"): "Djerba (Houmt Souk)",
    ("IN", "Kochi"): "Cochin",
    ("AR", "Tucumán"): "San Miguel de Tucumán",
}

US_STATES = {
    "Lakewood": "NJ", "Spring Valley": "NY", "Springfield": "MA", "Hollywood": "FL",
    "Long Beach": "NY", "Wilmington": "DE", "Monroe": "NY", "Deerfield": "IL", "Sharon": "MA",
}

NOT_IN_PLACES = {
    ("CZ", "Plzeň"), ("GR", "Rhodes"), ("MA", "El Jadida"), ("US", "Great Neck"),
    ("US", "Deerfield"), ("US", "Sharon"), ("US", "Monroe"),
}
