#!/usr/bin/python3
"""An independent reader of a record store: the names file and the dates file
given, each read as Windows-1252 with CR LF line ends. Prints, for each record,
its number and the two contents after the number and its tab:
    fiche <number>
    noms <content>
    dates <content>
Exits with 1 and a message on standard error when a file is not CR LF text in
Windows-1252, or when the two files do not give the same number line by line.
"""
import sys


def lignes(chemin):
    with open(chemin, "rb") as f:
        octets = f.read()
    if octets and not octets.endswith(b"\r\n"):
        sys.exit(f"{chemin}: la dernière ligne ne finit pas par CR LF")
    texte = octets.decode("cp1252")  # strict: a byte cp1252 lacks is an error
    morceaux = texte.split("\r\n")[:-1] if texte else []
    for i, ligne in enumerate(morceaux, 1):
        if "\r" in ligne or "\n" in ligne:
            sys.exit(f"{chemin}: ligne {i}: fin de ligne qui n'est pas CR LF")
    return morceaux


def numero(ligne):
    tete, _, contenu = ligne.partition("\t")
    return int(tete), contenu


def main():
    sys.stdout.reconfigure(encoding="utf-8")
    noms = lignes(sys.argv[1])
    dates = lignes(sys.argv[2])
    if len(noms) != len(dates):
        sys.exit(f"{len(noms)} lignes de noms, {len(dates)} lignes de dates")
    for i, (n, d) in enumerate(zip(noms, dates), 1):
        if not n.strip(" \t") and not d.strip(" \t"):
            continue
        (nn, cn), (nd, cd) = numero(n), numero(d)
        if nn != nd:
            sys.exit(f"ligne {i}: fiche {nn} dans les noms, {nd} dans les dates")
        print(f"fiche {nn}")
        print(f"noms {cn}")
        print(f"dates {cd}")


main()
