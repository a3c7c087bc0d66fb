#!/usr/bin/env python3
"""Writes the delivered configuration files with every key at its default.

data/config.dta      options of the program (summer-time mode, Diaspora,
                     languages, inscriptions, compatibility, HTML site,
                     fields of the table exports);
data/config_ciop.txt settings of the consistory tables;
data/openerro.dta    the error numbers of the opening of documents.

A key contained in a longer key ("Affichage" in "Pas_Affichage",
"Table1N" in "Table1NOM") must stand above it, because a line belongs to
every key found in its key part: the lines are ordered so. Windows-1252,
CR LF. Usage: gen_config.py [--root REPO]
"""

import argparse
import pathlib

CONFIG = [
    ("Horaire", "true"),
    ("avec_chgt_d_heure", "true"),
    ("heure_hiver_toute_l_annee", "false"),
    ("heure_ete_toute_l_annee", "false"),
    ("Diaspora", "true"),
    ("Israel", "false"),
    ("Affichage", "false"),
    ("Pas_Affichage", "true"),
    ("francais", "true"),
    ("anglais", "false"),
    ("hebreu", "false"),
    ("langage", "français"),
    ("Categorie", ""),
    ("pas_tahanoun", "false"),
    ("pas_ytro", "false"),
    ("win7", "false"),
    ("Site", ""),
    ("Vaudrel", "false"),
]

# Fields of the birth and death tables that the table window can export.
TABLE_FIELDS = ["N", "NOM", "PRE", "PREH", "CHEZ", "NUM", "ADRESSE", "CODE", "VILLE", "PAYS",
                "TEL", "J_N", "NAI_CV_N", "NAI_HB_N", "ACT_CV_N", "NAI_CV_LT", "NAI_HB_LT",
                "ACT_CV_LT", "ACT_HB_LT", "BAR_MITSVA", "PARACHA", "NOTES", "B_MITZ_CIV",
                "N_DC", "NOM_DC", "PRE_DC", "PREH_DC"]

CIOP = [
    ("Nbr_annees_a_calculer_ciop", "1"),
    ("Calculs_horaires_est_ouest_secondes_ciop", "30"),
    ("Valeur_min_houmra_ciop", "3"),
    ("Valeur_max_houmra_ciop", "57"),
    ("taanit", "120"),
    ("FICHIERS", "NOSAVE"),
    ("tempo_calendrier_ciop_NOSAVE", "300"),
    ("tempo_calendrier_ciop_SAVE", "660"),
    ("tempo_tables_horaires_ciop", "120"),
]

OPENERRO = [
    "Erreurs à l'ouverture d'un document",
    "",
    "Erreur 2 : le document n'existe pas dans le répertoire du programme.",
    "           Vérifiez son nom, ou relancez le calcul qui le produit.",
    "Erreur 31 : aucun programme n'est associé à ce type de document, ou le",
    "            programme associé n'a pas pu être lancé. Installez un tableur",
    "            pour les classeurs .xls, un navigateur pour les pages .htm,",
    "            un éditeur de texte pour les fichiers .txt.",
]


def ordered(entries):
    """Each key above every longer key that contains it."""
    result = []
    for key, value in entries:
        position = next((i for i, (k, _) in enumerate(result) if key in k), len(result))
        result.insert(position, (key, value))
    return result


def check(entries):
    for i, (key, _) in enumerate(entries):
        for earlier, _ in entries[:i]:
            if key in earlier:
                raise SystemExit(f"{key} stands below {earlier}")


def write_cp1252(path, lines):
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    root = pathlib.Path(parser.parse_args().root)
    config = ordered(CONFIG + [("Table1" + f, "false") for f in TABLE_FIELDS])
    ciop = ordered(CIOP)
    for entries in (config, ciop):
        check(entries)
    write_cp1252(root / "data" / "config.dta", [f"{k} {v}" for k, v in config])
    write_cp1252(root / "data" / "config_ciop.txt", [f"{k} {v}" for k, v in ciop])
    write_cp1252(root / "data" / "openerro.dta", OPENERRO)


if __name__ == "__main__":
    main()
