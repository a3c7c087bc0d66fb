"""Hand-kept list of the willefr.cal generator: the towns of metropolitan
France that have a Jewish community (a synagogue or an oratory with its
community: the consistorial communities and the communities of Paris and
its suburbs), by department, written as the places files name them
("NAME (department)", capitals without accents).

Kept from the public directories of the communities of France; a town is
listed once, under its own name, even when its community serves the towns
around it.
"""

FRENCH_COMMUNITIES = {
    # Paris and its suburbs
    "75": ["PARIS"],
    "77": ["MEAUX", "MELUN", "CHELLES", "FONTAINEBLEAU", "PONTAULT-COMBAULT", "TORCY",
           "LAGNY-SUR-MARNE", "BUSSY-SAINT-GEORGES"],
    "78": ["VERSAILLES", "SAINT-GERMAIN-EN-LAYE", "LE CHESNAY", "SARTROUVILLE",
           "MANTES-LA-JOLIE", "POISSY", "MAISONS-LAFFITTE", "LE VESINET", "CHATOU",
           "CONFLANS-SAINTE-HONORINE", "VELIZY-VILLACOUBLAY"],
    "91": ["EVRY", "MASSY", "SAVIGNY-SUR-ORGE", "CORBEIL-ESSONNES", "PALAISEAU", "RIS-ORANGIS",
           "YERRES", "DRAVEIL", "SAINTE-GENEVIEVE-DES-BOIS", "VIRY-CHATILLON", "ATHIS-MONS",
           "LONGJUMEAU", "BRUNOY"],
    "92": ["BOULOGNE-BILLANCOURT", "NEUILLY-SUR-SEINE", "LEVALLOIS-PERRET", "ASNIERES-SUR-SEINE",
           "COURBEVOIE", "PUTEAUX", "NANTERRE", "RUEIL-MALMAISON", "SAINT-CLOUD", "CLICHY",
           "ISSY-LES-MOULINEAUX", "MONTROUGE", "ANTONY", "COLOMBES", "BAGNEUX", "SURESNES",
           "MEUDON", "CLAMART", "BOIS-COLOMBES"],
    "93": ["SAINT-DENIS", "AUBERVILLIERS", "PANTIN", "BOBIGNY", "BONDY", "AULNAY-SOUS-BOIS",
           "LE BLANC-MESNIL", "DRANCY", "NOISY-LE-GRAND", "LE RAINCY", "GAGNY", "LES LILAS",
           "MONTREUIL", "PIERREFITTE-SUR-SEINE", "EPINAY-SUR-SEINE", "ROSNY-SOUS-BOIS",
           "NEUILLY-PLAISANCE", "VILLEMOMBLE", "LIVRY-GARGAN", "SEVRAN",
           "LES PAVILLONS-SOUS-BOIS"],
    "94": ["CRETEIL", "VINCENNES", "SAINT-MANDE", "NOGENT-SUR-MARNE", "LE PERREUX-SUR-MARNE",
           "CHAMPIGNY-SUR-MARNE", "VITRY-SUR-SEINE", "IVRY-SUR-SEINE", "MAISONS-ALFORT",
           "ALFORTVILLE", "CHARENTON-LE-PONT", "SAINT-MAUR-DES-FOSSES", "FONTENAY-SOUS-BOIS",
           "VILLEJUIF", "SUCY-EN-BRIE", "BOISSY-SAINT-LEGER", "VILLIERS-SUR-MARNE",
           "LE KREMLIN-BICETRE", "CACHAN", "THIAIS", "CHOISY-LE-ROI", "JOINVILLE-LE-PONT"],
    "95": ["SARCELLES", "GARGES-LES-GONESSE", "ARGENTEUIL", "ENGHIEN-LES-BAINS", "CERGY",
           "VILLIERS-LE-BEL", "SAINT-BRICE-SOUS-FORET", "GONESSE", "EAUBONNE", "ERMONT",
           "SANNOIS", "FRANCONVILLE", "DEUIL-LA-BARRE", "SOISY-SOUS-MONTMORENCY", "MONTMORENCY",
           "PONTOISE", "GOUSSAINVILLE", "BEZONS"],
    # Alsace and Lorraine
    "54": ["NANCY", "LUNEVILLE", "TOUL"],
    "55": ["VERDUN"],
    "57": ["METZ", "THIONVILLE", "SARREGUEMINES", "FORBACH", "SARREBOURG", "SAINT-AVOLD",
           "CREUTZWALD", "BITCHE"],
    "67": ["STRASBOURG", "HAGUENAU", "SELESTAT", "OBERNAI", "BISCHHEIM", "SCHILTIGHEIM",
           "BRUMATH", "WISSEMBOURG", "SAVERNE", "ILLKIRCH-GRAFFENSTADEN"],
    "68": ["COLMAR", "MULHOUSE", "SAINT-LOUIS", "GUEBWILLER", "ALTKIRCH", "THANN"],
    "88": ["EPINAL"],
    # The north and the east
    "10": ["TROYES"],
    "21": ["DIJON"],
    "25": ["BESANCON", "MONTBELIARD"],
    "51": ["REIMS", "CHALONS-EN-CHAMPAGNE"],
    "59": ["LILLE", "ROUBAIX", "VALENCIENNES", "DUNKERQUE", "DOUAI"],
    "62": ["ARRAS"],
    "80": ["AMIENS"],
    "90": ["BELFORT"],
    # The west and the centre
    "14": ["CAEN"],
    "17": ["LA ROCHELLE"],
    "35": ["RENNES"],
    "37": ["TOURS"],
    "44": ["NANTES"],
    "45": ["ORLEANS"],
    "49": ["ANGERS"],
    "63": ["CLERMONT-FERRAND"],
    "03": ["VICHY"],
    "72": ["LE MANS"],
    "76": ["ROUEN", "LE HAVRE", "ELBEUF"],
    "86": ["POITIERS"],
    "87": ["LIMOGES"],
    # The south-west
    "31": ["TOULOUSE"],
    "33": ["BORDEAUX", "ARCACHON"],
    "64": ["PAU", "BAYONNE", "BIARRITZ"],
    # The Rhône and the Alps
    "26": ["VALENCE"],
    "38": ["GRENOBLE"],
    "42": ["SAINT-ETIENNE", "ROANNE"],
    "69": ["LYON", "VILLEURBANNE", "VENISSIEUX", "CALUIRE-ET-CUIRE", "BRON",
           "VILLEFRANCHE-SUR-SAONE"],
    "73": ["CHAMBERY", "AIX-LES-BAINS"],
    "74": ["ANNECY", "ANNEMASSE", "THONON-LES-BAINS"],
    # The Mediterranean and Corsica
    "06": ["NICE", "CANNES", "ANTIBES", "MENTON", "GRASSE", "CAGNES-SUR-MER"],
    "11": ["NARBONNE", "CARCASSONNE"],
    "13": ["MARSEILLE", "AIX-EN-PROVENCE", "AUBAGNE", "SALON-DE-PROVENCE", "MARTIGUES", "ARLES"],
    "30": ["NIMES"],
    "34": ["MONTPELLIER", "BEZIERS", "SETE"],
    "66": ["PERPIGNAN"],
    "83": ["TOULON", "HYERES", "FREJUS", "SAINT-RAPHAEL", "DRAGUIGNAN"],
    "84": ["AVIGNON", "CARPENTRAS", "CAVAILLON", "ORANGE"],
    "2A": ["AJACCIO"],
    "2B": ["BASTIA"],
}
