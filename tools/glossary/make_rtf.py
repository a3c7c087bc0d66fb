#!/usr/bin/env python3
"""Makes data/Glossair.rtf, the printable glossary, from data/glossair.dta.

The glossary window sends the user who wants the whole glossary on paper
to this document ("Imprimer tout"). It holds every chapter and paragraph
of glossair.dta in their order: the chapter names as headings, each
paragraph's name in bold with its subtitle in italics, then its text, the
lines of a block (blocks are separated by empty lines) joined into one
paragraph so that a word processor fills the width of its page. Comment
lines and the end marks of the paragraphs are left out.

glossair.dta is Windows-1252 text with CR LF line ends; the document is
pure ASCII, the characters beyond it written as \\'hh of Windows-1252.

    python3 tools/glossary/make_rtf.py          # writes data/Glossair.rtf
    python3 tools/glossary/make_rtf.py --check  # exit status 1 when it differs

The test of the delivered glossary runs the check.
"""

import pathlib
import sys

DATA = pathlib.Path(__file__).resolve().parents[2] / "data"
SOURCE = DATA / "glossair.dta"
DOCUMENT = DATA / "Glossair.rtf"
TITRE = "Terminologie utilisée"


def rtf_text(texte):
    """The RTF form of a text: \\, { and } escaped, the rest of
    Windows-1252 beyond ASCII as \\'hh."""
    sortie = []
    for c in texte:
        if c in "\\{}":
            sortie.append("\\" + c)
        elif ord(c) < 128:
            sortie.append(c)
        else:
            sortie.append("\\'%02x" % c.encode("cp1252")[0])
    return "".join(sortie)


def nom_de_chapitre(ligne):
    debut = ligne.find("@@")
    if debut < 0:
        return None
    fin = ligne.find("@", debut + 2)
    return ligne[debut + 2:fin] if fin > debut + 2 else None


def en_tete_de_paragraphe(ligne):
    """(name, subtitle) of a paragraph line, or None."""
    if "@@" in ligne:
        return None
    debut = ligne.find("@")
    fin = ligne.find("@", debut + 1) if debut >= 0 else -1
    if fin <= debut + 1:
        return None
    reste = ligne[fin + 1:]
    tab = reste.find("\t")
    sous_titre = reste[tab + 1:].lstrip("\t") if tab >= 0 else ""
    if sous_titre.startswith("@"):
        sous_titre = ""
    return ligne[debut + 1:fin], sous_titre


def blocs(lignes):
    """The blocks of a paragraph's text, each as one string."""
    bloc = []
    for ligne in lignes:
        if ligne.strip():
            bloc.append(ligne.strip())
        elif bloc:
            yield " ".join(bloc)
            bloc = []
    if bloc:
        yield " ".join(bloc)


def document(lignes):
    entete = [
        "{\\rtf1\\ansi\\ansicpg1252\\deff0",
        "{\\fonttbl{\\f0\\fswiss Arial;}}",
        "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134",
        "\\pard\\qc\\sb0\\sa240\\f0\\fs36\\b " + rtf_text(TITRE) + "\\b0\\par",
    ]
    corps = []
    texte = []

    def ferme_texte():
        for b in blocs(texte):
            corps.append("\\pard\\sa120\\fs20 " + rtf_text(b) + "\\par")
        texte.clear()

    for ligne in lignes:
        if ligne.startswith(";") or ligne.startswith("_"):
            if ligne.startswith("_"):
                ferme_texte()
            continue
        chapitre = nom_de_chapitre(ligne)
        if chapitre is not None:
            ferme_texte()
            corps.append("\\pard\\keepn\\sb360\\sa120\\fs28\\b " + rtf_text(chapitre)
                         + "\\b0\\par")
            continue
        paragraphe = en_tete_de_paragraphe(ligne)
        if paragraphe is not None:
            ferme_texte()
            nom, sous_titre = paragraphe
            suite = " \\i " + rtf_text(sous_titre) + "\\i0" if sous_titre else ""
            corps.append("\\pard\\keepn\\sb180\\sa60\\fs22\\b " + rtf_text(nom) + "\\b0"
                         + suite + "\\par")
            continue
        texte.append(ligne)
    ferme_texte()
    return "\r\n".join(entete + corps + ["}"]) + "\r\n"


def lignes_du_glossaire():
    octets = SOURCE.read_bytes()
    return octets.decode("cp1252").split("\r\n")[:-1]


def main(arguments):
    attendu = document(lignes_du_glossaire()).encode("ascii")
    if arguments == ["--check"]:
        if not DOCUMENT.exists() or DOCUMENT.read_bytes() != attendu:
            print(f"{DOCUMENT} n'est pas à jour : lancer tools/glossary/make_rtf.py",
                  file=sys.stderr)
            return 1
        return 0
    if arguments:
        print(__doc__, file=sys.stderr)
        return 2
    DOCUMENT.write_bytes(attendu)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
