#include "records/tables/dbf_format.h"

#include "platform/encoding.h"
#include "platform/text.h"
#include "records/tables/code_pages.h"

#include <shapefil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace orvane::records
{

namespace
{

// ---------------------------------------------------------------------------
// shapelib reads and writes through file hooks; these make it work on a
// buffer in memory, so that the bytes reach the disk only by an atomic
// replacement of the whole file, and so that any bytes can be read without a
// file.

constexpr const char* nom_en_memoire = "orvane-table.dbf";

struct FichierEnMemoire {
    std::string_view lu; // the bytes read
    std::string ecrit;   // the bytes written
    bool en_ecriture = false;
    std::size_t position = 0;
    std::string erreur; // the last message of shapelib
    [[nodiscard]] std::size_t taille() const { return en_ecriture ? ecrit.size() : lu.size(); }
};

thread_local FichierEnMemoire* fichier_ouvert = nullptr;

/// Makes a buffer the one file the hooks open while it exists.
class FichierOuvert
{
public:
    explicit FichierOuvert(FichierEnMemoire& f) { fichier_ouvert = &f; }
    FichierOuvert(const FichierOuvert&) = delete;
    FichierOuvert& operator=(const FichierOuvert&) = delete;
    ~FichierOuvert() { fichier_ouvert = nullptr; }
};

FichierEnMemoire* du_fichier(SAFile f)
{
    return reinterpret_cast<FichierEnMemoire*>(f);
}

SAFile ouvre(const char* nom, const char* mode)
{
    // Only the table itself: shapelib also asks for a ".cpg" file beside it.
    if (fichier_ouvert == nullptr || std::strcmp(nom, nom_en_memoire) != 0) {
        return nullptr;
    }
    fichier_ouvert->position = 0;
    if (mode[0] == 'w') {
        fichier_ouvert->en_ecriture = true;
        fichier_ouvert->ecrit.clear();
    }
    return reinterpret_cast<SAFile>(fichier_ouvert);
}

SAOffset lit(void* p, SAOffset taille, SAOffset nombre, SAFile f)
{
    FichierEnMemoire& m = *du_fichier(f);
    if (taille == 0 || m.position >= m.taille()) {
        return 0;
    }
    const std::size_t restant = m.taille() - m.position;
    const std::size_t entiers = std::min<std::size_t>(nombre, restant / taille);
    const char* source = m.en_ecriture ? m.ecrit.data() : m.lu.data();
    std::memcpy(p, source + m.position, entiers * taille);
    m.position += entiers * taille;
    return entiers;
}

SAOffset ecrit(void* p, SAOffset taille, SAOffset nombre, SAFile f)
{
    FichierEnMemoire& m = *du_fichier(f);
    if (!m.en_ecriture) {
        return 0;
    }
    const std::size_t octets = taille * nombre;
    if (m.ecrit.size() < m.position + octets) {
        m.ecrit.resize(m.position + octets, '\0');
    }
    std::memcpy(m.ecrit.data() + m.position, p, octets);
    m.position += octets;
    return nombre;
}

SAOffset place(SAFile f, SAOffset decalage, int origine)
{
    FichierEnMemoire& m = *du_fichier(f);
    const std::size_t base = origine == SEEK_CUR   ? m.position
                             : origine == SEEK_END ? m.taille()
                                                   : 0;
    m.position = base + decalage;
    return 0;
}

SAOffset position(SAFile f)
{
    return du_fichier(f)->position;
}

int vide(SAFile)
{
    return 0;
}

int ferme(SAFile)
{
    return 0;
}

int supprime(const char*)
{
    return 0;
}

void erreur(const char* message)
{
    if (fichier_ouvert != nullptr) {
        fichier_ouvert->erreur = message;
    }
}

double nombre_de(const char* texte)
{
    return std::strtod(texte, nullptr);
}

SAHooks crochets_en_memoire()
{
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.FOpen = ouvre;
    h.FRead = lit;
    h.FWrite = ecrit;
    h.FSeek = place;
    h.FTell = position;
    h.FFlush = vide;
    h.FClose = ferme;
    h.Remove = supprime;
    h.Error = erreur;
    h.Atof = nombre_de;
    return h;
}

struct FermeDbf {
    void operator()(DBFHandle h) const noexcept { DBFClose(h); }
};
using PoigneeDbf = std::unique_ptr<DBFInfo, FermeDbf>;

// ---------------------------------------------------------------------------
// The header is checked before shapelib reads it, so that a damaged file is
// refused with its reason instead of being read past its end.

constexpr std::size_t taille_en_tete = 32;
constexpr std::size_t taille_descripteur = 32;
constexpr char fin_des_descripteurs = 0x0D;

struct Disposition {
    unsigned char version = 0;
    unsigned char pilote = 0;
    std::size_t longueur_en_tete = 0;
    std::size_t longueur_fiche = 0;
    std::size_t annoncees = 0; // records the header announces
    std::vector<ChampDbf> champs;
};

unsigned octet(std::string_view o, std::size_t i)
{
    return static_cast<unsigned char>(o[i]);
}

/// The version bytes of dBase II to 7 and of the FoxPro family.
bool version_connue(unsigned char v)
{
    constexpr unsigned char connues[] = {0x02, 0x03, 0x04, 0x05, 0x30, 0x31, 0x32, 0x43,
                                         0x63, 0x83, 0x8B, 0x8E, 0xCB, 0xE5, 0xF5, 0xFB};
    return std::find(std::begin(connues), std::end(connues), v) != std::end(connues);
}

ChampDbf descripteur(std::string_view o, std::size_t debut)
{
    ChampDbf c;
    // Ten characters and a zero, as dBase writes them (an eleventh one
    // would not be written back).
    const std::string_view nom = o.substr(debut, 10);
    c.nom = std::string(nom.substr(0, std::min(nom.find('\0'), nom.size())));
    c.type = o[debut + 11];
    c.taille = static_cast<int>(octet(o, debut + 16));
    c.decimales = c.type == 'N' || c.type == 'F' ? static_cast<int>(octet(o, debut + 17)) : 0;
    if (c.nom.empty()) {
        throw DbfInvalide("un champ n'a pas de nom");
    }
    if (c.taille == 0) {
        throw DbfInvalide("le champ « " + platform::utf8_from_windows1252(c.nom) +
                          " » a une largeur nulle");
    }
    return c;
}

Disposition disposition(std::string_view o)
{
    if (o.size() < taille_en_tete) {
        throw DbfInvalide("l'en-tête est incomplet");
    }
    Disposition d;
    d.version = static_cast<unsigned char>(o[0]);
    if (!version_connue(d.version)) {
        throw DbfInvalide("ce n'est pas une table dBase");
    }
    d.annoncees = octet(o, 4) | octet(o, 5) << 8 | octet(o, 6) << 16 |
                  static_cast<std::size_t>(octet(o, 7)) << 24;
    d.longueur_en_tete = octet(o, 8) | octet(o, 9) << 8;
    d.longueur_fiche = octet(o, 10) | octet(o, 11) << 8;
    d.pilote = static_cast<unsigned char>(o[29]);
    if (d.longueur_en_tete < taille_en_tete + 1 || d.longueur_en_tete > o.size()) {
        throw DbfInvalide("l'en-tête est incomplet");
    }
    std::size_t largeurs = 1; // the deletion mark
    for (std::size_t debut = taille_en_tete;
         debut + taille_descripteur <= d.longueur_en_tete && o[debut] != fin_des_descripteurs;
         debut += taille_descripteur) {
        d.champs.push_back(descripteur(o, debut));
        largeurs += static_cast<std::size_t>(d.champs.back().taille);
    }
    if (d.champs.empty()) {
        throw DbfInvalide("la table n'a aucun champ");
    }
    if (largeurs > d.longueur_fiche) {
        throw DbfInvalide("les champs sont plus larges que les enregistrements");
    }
    return d;
}

// ---------------------------------------------------------------------------

std::string valeur_lue(std::string_view octets, char type, PageDeCode page)
{
    switch (type) {
    case 'C': {
        std::string_view texte = octets.substr(0, octets.find('\0'));
        const std::size_t fin = texte.find_last_not_of(' ');
        texte = fin == std::string_view::npos ? std::string_view() : texte.substr(0, fin + 1);
        return utf8_de_la_page(texte, page);
    }
    case 'D':
    case 'N':
    case 'F':
    case 'L':
        return platform::trim(platform::utf8_from_windows1252(octets.substr(0, octets.find('\0'))));
    default:
        // Kept byte for byte: Windows-1252 gives every byte a character of
        // its own, so the value is written back as it was read.
        return platform::utf8_from_windows1252(octets);
    }
}

std::string nom_affiche(const ChampDbf& c)
{
    return "« " + platform::utf8_from_windows1252(c.nom) + " »";
}

bool est_un_nombre(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        ++i;
    }
    bool chiffres = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            chiffres = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return chiffres;
}

std::string octets_en_1252(const ChampDbf& champ, std::string_view valeur)
{
    try {
        return platform::windows1252_from_utf8(valeur);
    } catch (const platform::EncodingError& e) {
        throw ValeurRefusee("Le champ " + nom_affiche(champ) + " : " + e.clause());
    }
}

std::string complete(const ChampDbf& champ, std::string octets, bool a_droite = false)
{
    const auto taille = static_cast<std::size_t>(champ.taille);
    if (octets.size() > taille) {
        throw ValeurRefusee("Le champ " + nom_affiche(champ) + " ne peut contenir que " +
                            std::to_string(taille) + " caractères");
    }
    const std::string blancs(taille - octets.size(), ' ');
    return a_droite ? blancs + octets : octets + blancs;
}

/// The bytes of a value in the file: checked as typed values are, but a
/// date, number or logical that another program left damaged is written
/// back as it was read rather than refused.
std::string octets_ecrits(const ChampDbf& champ, std::string_view valeur)
{
    try {
        return octets_du_champ(champ, valeur);
    } catch (const ValeurRefusee&) {
        if (champ.type == 'C') {
            throw;
        }
        return complete(champ, octets_en_1252(champ, valeur),
                        champ.type == 'N' || champ.type == 'F');
    }
}

/// The fields as shapelib reads them, which must agree with the header.
std::vector<ChampDbf> champs_lus(DBFHandle h, const Disposition& d)
{
    std::vector<ChampDbf> champs = d.champs;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        const int n = static_cast<int>(i);
        char nom[XBASE_FLDNAME_LEN_READ + 1] = {};
        int largeur = 0;
        int decimales = 0;
        (void)DBFGetFieldInfo(h, n, nom, &largeur, &decimales);
        if (largeur != champs[i].taille) {
            throw DbfInvalide("la table est illisible");
        }
        champs[i].type = DBFGetNativeFieldType(h, n);
    }
    return champs;
}

/// One record from its bytes: the deletion mark, then each field.
FicheDbf fiche_lue(std::string_view octets, const std::vector<ChampDbf>& champs, PageDeCode page)
{
    FicheDbf f;
    f.effacee = octets[0] == '*';
    f.valeurs.reserve(champs.size());
    std::size_t debut = 1;
    for (const ChampDbf& c : champs) {
        const auto taille = static_cast<std::size_t>(c.taille);
        f.valeurs.push_back(valeur_lue(octets.substr(debut, taille), c.type, page));
        debut += taille;
    }
    return f;
}

/// The bytes of a record: its deletion mark, then each field.
void tuple_de(const FicheDbf& f, const std::vector<ChampDbf>& champs, std::string& tuple)
{
    tuple.assign(1, f.effacee ? '*' : ' ');
    for (std::size_t i = 0; i < champs.size(); ++i) {
        tuple += octets_ecrits(champs[i], i < f.valeurs.size() ? f.valeurs[i] : "");
    }
}

} // namespace

ContenuDbf lit_dbf(std::string_view octets)
{
    const Disposition d = disposition(octets);
    FichierEnMemoire fichier;
    fichier.lu = octets;
    const FichierOuvert ouvert(fichier);
    SAHooks crochets = crochets_en_memoire();
    const PoigneeDbf h(DBFOpenLL(nom_en_memoire, "rb", &crochets));
    if (!h || DBFGetFieldCount(h.get()) < static_cast<int>(d.champs.size())) {
        throw DbfInvalide("la table est illisible");
    }
    ContenuDbf contenu;
    contenu.version = d.version;
    contenu.champs = champs_lus(h.get(), d);
    const std::size_t disponibles = (octets.size() - d.longueur_en_tete) / d.longueur_fiche;
    const std::size_t nombre = std::min(d.annoncees, disponibles);
    const PageDeCode page = page_de_code_du_pilote(d.pilote);
    contenu.fiches.reserve(nombre);
    for (std::size_t n = 0; n < nombre; ++n) {
        const char* tuple = DBFReadTuple(h.get(), static_cast<int>(n));
        if (tuple == nullptr) {
            break;
        }
        contenu.fiches.push_back(
            fiche_lue(std::string_view(tuple, d.longueur_fiche), contenu.champs, page));
    }
    contenu.incomplet = contenu.fiches.size() < d.annoncees;
    return contenu;
}

std::string octets_du_champ(const ChampDbf& champ, std::string_view valeur)
{
    switch (champ.type) {
    case 'C':
        return complete(champ, octets_en_1252(champ, valeur));
    case 'D':
        if (!valeur.empty() &&
            (valeur.size() != 8 || valeur.find_first_not_of("0123456789") != std::string::npos)) {
            throw ValeurRefusee("Le champ " + nom_affiche(champ) + " attend une date");
        }
        return complete(champ, std::string(valeur));
    case 'N':
    case 'F':
        if (!valeur.empty() && !est_un_nombre(valeur)) {
            throw ValeurRefusee("Le champ " + nom_affiche(champ) + " attend un nombre");
        }
        return complete(champ, std::string(valeur), true);
    case 'L':
        if (valeur.size() > 1 ||
            (valeur.size() == 1 &&
             std::string_view("TtFfYyNn?").find(valeur[0]) == std::string_view::npos)) {
            throw ValeurRefusee("Le champ " + nom_affiche(champ) + " attend Vrai ou Faux");
        }
        return complete(champ, std::string(valeur));
    default:
        return complete(champ, octets_en_1252(champ, valeur));
    }
}

std::string ecrit_dbf(const ContenuDbf& contenu, engine::DateCivile modification)
{
    std::size_t largeur = 1;
    for (const ChampDbf& c : contenu.champs) {
        largeur += static_cast<std::size_t>(c.taille);
    }
    FichierEnMemoire fichier;
    fichier.ecrit.reserve(taille_en_tete + taille_descripteur * contenu.champs.size() + 2 +
                          largeur * contenu.fiches.size());
    const FichierOuvert ouvert(fichier);
    SAHooks crochets = crochets_en_memoire();
    {
        const PoigneeDbf h(DBFCreateLL(nom_en_memoire, "LDID/3", &crochets));
        if (!h) {
            throw std::runtime_error("la table ne peut pas être créée : " + fichier.erreur);
        }
        for (const ChampDbf& c : contenu.champs) {
            if (DBFAddNativeFieldType(h.get(), c.nom.c_str(), c.type, c.taille, c.decimales) < 0) {
                throw ValeurRefusee("Le champ " + nom_affiche(c) + " ne peut pas être créé");
            }
        }
        // The bytes go to memory: a value refused half-way leaves no file.
        std::string tuple;
        tuple.reserve(largeur);
        for (std::size_t n = 0; n < contenu.fiches.size(); ++n) {
            tuple_de(contenu.fiches[n], contenu.champs, tuple);
            if (!DBFWriteTuple(h.get(), static_cast<int>(n), tuple.data())) {
                throw std::runtime_error("l'enregistrement " + std::to_string(n + 1) +
                                         " ne peut pas être écrit : " + fichier.erreur);
            }
        }
        DBFSetLastModifiedDate(h.get(), std::clamp(modification.annee - 1900, 0, 255),
                               modification.mois, modification.jour);
    }
    std::string octets = std::move(fichier.ecrit);
    const bool memo = std::any_of(contenu.champs.begin(), contenu.champs.end(),
                                  [](const ChampDbf& c) { return c.type == 'M'; });
    if (!octets.empty()) {
        octets[0] = static_cast<char>(memo && (contenu.version & 0x80) ? contenu.version : 0x03);
    }
    return octets;
}

} // namespace orvane::records
