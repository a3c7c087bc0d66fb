#!/usr/bin/env python3
"""Checks the layout of the help texts delivered in data/Aide.

Each text must be UTF-8 without a byte-order mark, with LF line ends only,
no tab, no line longer than 78 characters, no blank at the end of a line,
no run of blank lines, a title on its first line underlined with "=" and
section headings underlined with "-" (each underline exactly as long as its
heading, with a blank line around the heading). Every fault is reported
with its file and line; the exit status is 1 when a text has a fault, 2
when a text is missing.

    python3 tools/docs/check_docs.py [FILE ...]

Without arguments the three delivered texts are checked.
"""

import pathlib
import sys

LARGEUR_MAX = 78
TEXTES = ("autres_regles.txt", "bases_de_donnees.txt", "lisez_moi.txt")
DOSSIER_AIDE = pathlib.Path(__file__).resolve().parents[2] / "data" / "Aide"


def fautes_des_octets(nom, octets):
    """Faults of the raw bytes: byte-order mark, encoding, line ends."""
    fautes = []
    if octets.startswith(b"\xef\xbb\xbf"):
        fautes.append(f"{nom}:1: marque d'ordre des octets (BOM) en tête")
    try:
        octets.decode("utf-8")
    except UnicodeDecodeError as e:
        ligne = octets.count(b"\n", 0, e.start) + 1
        fautes.append(f"{nom}:{ligne}: texte non UTF-8 (octet {e.start})")
    if b"\r" in octets:
        ligne = octets.count(b"\n", 0, octets.index(b"\r")) + 1
        fautes.append(f"{nom}:{ligne}: fin de ligne CR (seul LF est admis)")
    derniere = octets.count(b"\n") + (0 if octets.endswith(b"\n") else 1)
    if octets and not octets.endswith(b"\n"):
        fautes.append(f"{nom}:{derniere}: la dernière ligne n'est pas "
                      "terminée par LF")
    if octets.endswith(b"\n\n"):
        fautes.append(f"{nom}:{derniere}: ligne vide à la fin du fichier")
    return fautes


def est_soulignement(ligne, trait):
    return len(ligne) > 0 and ligne == trait * len(ligne)


def fautes_des_lignes(nom, lignes):
    """Faults of the decoded lines: width, tabs, blanks, headings."""
    fautes = []
    for numero, ligne in enumerate(lignes, start=1):
        if len(ligne) > LARGEUR_MAX:
            fautes.append(f"{nom}:{numero}: ligne de {len(ligne)} caractères "
                          f"(au plus {LARGEUR_MAX})")
        if "\t" in ligne:
            fautes.append(f"{nom}:{numero}: tabulation")
        if ligne != ligne.rstrip():
            fautes.append(f"{nom}:{numero}: blanc en fin de ligne")
        if numero > 1 and ligne == "" and lignes[numero - 2] == "":
            fautes.append(f"{nom}:{numero}: deux lignes vides de suite")
    if len(lignes) < 2 or not lignes[0].strip() \
            or not est_soulignement(lignes[1], "="):
        fautes.append(f"{nom}:1: le titre doit être souligné de « = »")
    elif len(lignes[1]) != len(lignes[0]):
        fautes.append(f"{nom}:2: le soulignement du titre n'a pas la "
                      "longueur du titre")
    for numero in range(2, len(lignes) + 1):
        ligne = lignes[numero - 1]
        if est_soulignement(ligne, "-") or est_soulignement(ligne, "="):
            titre = lignes[numero - 2]
            if not titre.strip() or est_soulignement(titre, ligne[0]):
                fautes.append(f"{nom}:{numero}: soulignement sans titre")
            elif numero > 2 and len(titre) != len(ligne):
                fautes.append(f"{nom}:{numero}: le soulignement n'a pas la "
                              "longueur de son titre")
            if numero < len(lignes) and lignes[numero] != "":
                fautes.append(f"{nom}:{numero + 1}: une ligne vide doit "
                              "suivre le titre")
            if numero > 2 and lignes[numero - 3] != "":
                fautes.append(f"{nom}:{numero - 1}: une ligne vide doit "
                              "précéder le titre")
    return fautes


def verifie(chemin):
    nom = str(chemin)
    octets = chemin.read_bytes()
    fautes = fautes_des_octets(nom, octets)
    texte = octets.decode("utf-8", errors="replace").replace("\r", "")
    texte = texte.removeprefix("\ufeff")
    lignes = texte.split("\n")
    if lignes and lignes[-1] == "":
        lignes.pop()
    fautes += fautes_des_lignes(nom, lignes)
    return fautes


def main(arguments):
    chemins = [pathlib.Path(a) for a in arguments] or \
        [DOSSIER_AIDE / t for t in TEXTES]
    manquants = [c for c in chemins if not c.is_file()]
    for c in manquants:
        print(f"{c}: fichier introuvable", file=sys.stderr)
    if manquants:
        return 2
    fautes = [f for c in chemins for f in verifie(c)]
    for faute in fautes:
        print(faute, file=sys.stderr)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
