#include "records/tables/dbase_table.h"

#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/raw_file.h"
#include "platform/text.h"
#include "records/tables/french_order.h"
#include "records/tables/hebrew_order.h"
#include "records/tables/schemas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace orvane::records
{

namespace
{

engine::DateCivile aujourdhui()
{
    const platform::LocalDate d = platform::SystemClock{}.today();
    return {d.annee, d.mois, d.jour};
}

std::string huit_chiffres(engine::DateCivile d)
{
    std::string s = std::to_string(d.annee * 10000 + d.mois * 100 + d.jour);
    return std::string(8 - std::min<std::size_t>(8, s.size()), '0') + s;
}

/// The date of a value "YYYYMMDD" as stored; none for an empty or damaged one.
std::optional<engine::DateCivile> date_stockee(std::string_view v)
{
    if (v.size() != 8 || v.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const int n = std::atoi(std::string(v).c_str());
    const engine::DateCivile d{n / 10000, n / 100 % 100, n % 100};
    if (d.annee < 1 || d.mois < 1 || d.mois > 12 || d.jour < 1 ||
        d.jour > engine::jours_du_mois_civil(d.annee, d.mois)) {
        return std::nullopt;
    }
    return d;
}

std::string texte_affiche(const ChampDbf& c, const std::string& v)
{
    switch (c.type) {
    case 'D': {
        const auto d = date_stockee(v);
        return d ? texte_de_date(*d) : v;
    }
    case 'L':
        if (v == "T" || v == "t" || v == "Y" || v == "y") {
            return "Vrai";
        }
        if (v == "F" || v == "f" || v == "N" || v == "n") {
            return "Faux";
        }
        return "";
    case 'M':
        // The text of a memo lies in the memo file of another program.
        return "";
    default:
        return v;
    }
}

bool est_numerique(char type)
{
    return type == 'N' || type == 'F';
}

std::string nom_du_champ(std::string_view nom)
{
    return "« " + std::string(nom) + " »";
}

[[noreturn]] void pendant_la_saisie()
{
    throw std::logic_error("un enregistrement est en cours de saisie");
}

} // namespace

std::string texte_de_date(engine::DateCivile d)
{
    const std::string s = huit_chiffres(d);
    return s.substr(6, 2) + "/" + s.substr(4, 2) + "/" + s.substr(0, 4);
}

std::optional<engine::DateCivile> date_du_texte(std::string_view texte)
{
    int parties[3] = {0, 0, 0};
    std::size_t chiffres[3] = {0, 0, 0};
    std::size_t p = 0;
    for (const char c : texte) {
        if (c == '/' && p < 2 && chiffres[p] > 0) {
            ++p;
        } else if (c >= '0' && c <= '9' && chiffres[p] < 4) {
            parties[p] = parties[p] * 10 + (c - '0');
            ++chiffres[p];
        } else {
            return std::nullopt;
        }
    }
    if (p != 2 || chiffres[0] > 2 || chiffres[1] > 2 || chiffres[2] != 4) {
        return std::nullopt;
    }
    const engine::DateCivile d{parties[2], parties[1], parties[0]};
    if (d.annee < 1 || d.mois < 1 || d.mois > 12 || d.jour < 1 ||
        d.jour > engine::jours_du_mois_civil(d.annee, d.mois)) {
        return std::nullopt;
    }
    return d;
}

// -- Opening ----------------------------------------------------------------

Table Table::ouvre(const std::filesystem::path& fichier)
{
    Table t;
    t.fichier_ = fichier;
    t.lit_le_fichier();
    return t;
}

Table Table::ouvre_ou_cree(const std::filesystem::path& fichier,
                           const std::vector<ChampDbf>& champs)
{
    if (!platform::file_exists(fichier)) {
        ContenuDbf vide;
        vide.champs = champs;
        remplace_table(fichier, ecrit_dbf(vide, aujourdhui()));
    }
    return ouvre(fichier);
}

void Table::lit_le_fichier()
{
    const std::string octets = platform::read_bytes(fichier_);
    try {
        contenu_ = lit_dbf(octets);
    } catch (const DbfInvalide& e) {
        throw platform::file_error(platform::FileAction::read, fichier_,
                                   std::string("la table dBase est illisible (") + e.what() + ")");
    }
    etat_ = EtatTable::consultation;
    tampon_ = {};
    if (!index_.empty()) {
        champ_index_ = champ(index_);
        if (!champ_index_) {
            index_.clear();
            limites_.reset();
        }
    }
    if (selection_) {
        selection_->resize(contenu_.fiches.size(), false);
    }
    recalcule_cles();
    recalcule_vue(std::nullopt);
}

void Table::rouvre()
{
    verifie_ouverte();
    lit_le_fichier();
}

void Table::ferme() noexcept
{
    etat_ = EtatTable::fermee;
    contenu_ = {};
    tampon_ = {};
    cles_.clear();
    vue_.clear();
    courant_.reset();
    selection_.reset();
    limites_.reset();
    index_.clear();
    champ_index_.reset();
}

void Table::verifie_ouverte() const
{
    if (etat_ == EtatTable::fermee) {
        throw std::logic_error("la table « " + fichier_.filename().string() + " » est fermée");
    }
    if (etat_ != EtatTable::consultation) {
        pendant_la_saisie();
    }
}

std::optional<std::size_t> Table::champ(std::string_view nom) const
{
    // Field names are ASCII: compared letter by letter, small or capital.
    const auto egaux = [nom](const std::string& n) {
        return n.size() == nom.size() &&
               std::equal(n.begin(), n.end(), nom.begin(), [](char a, char b) {
                   const auto petite = [](char c) {
                       return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                   };
                   return petite(a) == petite(b);
               });
    };
    for (std::size_t i = 0; i < contenu_.champs.size(); ++i) {
        if (egaux(contenu_.champs[i].nom)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t Table::indice(std::string_view nom) const
{
    const auto i = champ(nom);
    if (!i) {
        throw ValeurRefusee("La table « " + fichier_.filename().string() + " » n'a pas de champ " +
                            nom_du_champ(nom));
    }
    return *i;
}

// -- Order ------------------------------------------------------------------

Table::Cle Table::cle_de(std::size_t fiche) const
{
    const ChampDbf& c = contenu_.champs[*champ_index_];
    const std::string& v = contenu_.fiches[fiche].valeurs[*champ_index_];
    if (est_numerique(c.type)) {
        return {v.empty() ? -HUGE_VAL : std::strtod(v.c_str(), nullptr), {}};
    }
    if (c.type == 'D' || c.type == 'L') {
        return {0, v};
    }
    return {0, est_champ_hebreu(c.nom) ? cle_hebraique(v) : cle_francaise(v)};
}

void Table::recalcule_cles()
{
    cles_.clear();
    if (!champ_index_) {
        return;
    }
    cles_.reserve(contenu_.fiches.size());
    for (std::size_t i = 0; i < contenu_.fiches.size(); ++i) {
        cles_.push_back(cle_de(i));
    }
}

bool Table::dans_la_vue(std::size_t fiche) const
{
    if (contenu_.fiches[fiche].effacee || (selection_ && !(*selection_)[fiche])) {
        return false;
    }
    if (!limites_) {
        return true;
    }
    const Cle& k = cles_[fiche];
    const auto& [de, a] = *limites_;
    if (est_numerique(contenu_.champs[*champ_index_].type)) {
        return de.nombre <= k.nombre && k.nombre <= a.nombre;
    }
    return dans_les_limites(k.texte, de.texte, a.texte);
}

void Table::recalcule_vue(std::optional<std::size_t> garder)
{
    vue_.clear();
    for (std::size_t i = 0; i < contenu_.fiches.size(); ++i) {
        if (dans_la_vue(i)) {
            vue_.push_back(i);
        }
    }
    if (champ_index_) {
        std::stable_sort(vue_.begin(), vue_.end(), [this](std::size_t a, std::size_t b) {
            const Cle& x = cles_[a];
            const Cle& y = cles_[b];
            return x.nombre < y.nombre || (x.nombre == y.nombre && x.texte < y.texte);
        });
    }
    courant_.reset();
    if (garder) {
        const auto it = std::find(vue_.begin(), vue_.end(), *garder);
        if (it != vue_.end()) {
            courant_ = static_cast<std::size_t>(it - vue_.begin());
            return;
        }
    }
    if (!vue_.empty()) {
        courant_ = 0;
    }
}

void Table::trie_par(std::string_view index)
{
    verifie_ouverte();
    if (index.empty()) {
        champ_index_.reset();
        index_.clear();
    } else {
        champ_index_ = indice(index);
        index_ = contenu_.champs[*champ_index_].nom;
    }
    limites_.reset();
    recalcule_cles();
    recalcule_vue(std::nullopt);
}

void Table::limite(std::string_view de, std::string_view a)
{
    verifie_ouverte();
    if (!champ_index_) {
        throw ValeurRefusee("La table « " + fichier_.filename().string() +
                            " » n'est triée par aucun index");
    }
    const ChampDbf& c = contenu_.champs[*champ_index_];
    const auto borne = [&](std::string_view t) -> Cle {
        if (c.type == 'D') {
            const auto d = date_du_texte(t);
            if (!d) {
                throw ValeurRefusee("« " + std::string(t) + " » n'est pas une date");
            }
            return {0, huit_chiffres(*d)};
        }
        if (est_numerique(c.type)) {
            char* fin = nullptr;
            const std::string s(t);
            const double n = std::strtod(s.c_str(), &fin);
            if (s.empty() || *fin != '\0') {
                throw ValeurRefusee("« " + s + " » n'est pas un nombre");
            }
            return {n, {}};
        }
        return {0, est_champ_hebreu(c.nom) ? cle_hebraique(t) : cle_francaise(t)};
    };
    limites_.emplace(borne(de), borne(a));
    recalcule_vue(std::nullopt);
}

void Table::limite_dates(engine::DateCivile de, engine::DateCivile a)
{
    limite(texte_de_date(de), texte_de_date(a));
}

void Table::supprime_limites()
{
    verifie_ouverte();
    limites_.reset();
    recalcule_vue(std::nullopt);
}

void Table::selectionne(std::vector<std::size_t> fiches)
{
    verifie_ouverte();
    std::vector<bool> choisies(contenu_.fiches.size(), false);
    for (const std::size_t f : fiches) {
        if (f < choisies.size()) {
            choisies[f] = true;
        }
    }
    selection_ = std::move(choisies);
    recalcule_vue(std::nullopt);
}

void Table::supprime_selection()
{
    verifie_ouverte();
    selection_.reset();
    recalcule_vue(std::nullopt);
}

// -- Moves ------------------------------------------------------------------

std::optional<std::size_t> Table::position() const noexcept
{
    return courant_;
}

bool Table::premier()
{
    verifie_ouverte();
    if (vue_.empty()) {
        return false;
    }
    courant_ = 0;
    return true;
}

bool Table::dernier()
{
    verifie_ouverte();
    if (vue_.empty()) {
        return false;
    }
    courant_ = vue_.size() - 1;
    return true;
}

bool Table::suivant()
{
    verifie_ouverte();
    if (!courant_ || *courant_ + 1 >= vue_.size()) {
        return false;
    }
    ++*courant_;
    return true;
}

bool Table::precedent()
{
    verifie_ouverte();
    if (!courant_ || *courant_ == 0) {
        return false;
    }
    --*courant_;
    return true;
}

void Table::va_a(std::size_t position)
{
    verifie_ouverte();
    if (!vue_.empty()) {
        courant_ = std::min(position, vue_.size() - 1);
    }
}

bool Table::trouve(std::string_view champ, std::string_view texte)
{
    verifie_ouverte();
    const std::size_t k = indice(champ);
    const std::string cherchee = cle_francaise(texte);
    for (std::size_t r = 0; r < vue_.size(); ++r) {
        if (cle_francaise(contenu_.fiches[vue_[r]].valeurs[k]) == cherchee) {
            courant_ = r;
            return true;
        }
    }
    return false;
}

// -- Values -----------------------------------------------------------------

const FicheDbf* Table::fiche_lue() const
{
    if (etat_ == EtatTable::insertion || etat_ == EtatTable::modification) {
        return &tampon_;
    }
    if (!courant_) {
        return nullptr;
    }
    return &contenu_.fiches[vue_[*courant_]];
}

std::string Table::texte(std::string_view champ) const
{
    const std::size_t k = indice(champ);
    const FicheDbf* f = fiche_lue();
    return f == nullptr ? std::string() : texte_affiche(contenu_.champs[k], f->valeurs[k]);
}

std::optional<engine::DateCivile> Table::date(std::string_view champ) const
{
    const std::size_t k = indice(champ);
    const FicheDbf* f = fiche_lue();
    return f == nullptr ? std::nullopt : date_stockee(f->valeurs[k]);
}

std::vector<std::size_t> Table::fiches() const
{
    std::vector<std::size_t> numeros;
    numeros.reserve(contenu_.fiches.size());
    for (std::size_t i = 0; i < contenu_.fiches.size(); ++i) {
        if (!contenu_.fiches[i].effacee) {
            numeros.push_back(i);
        }
    }
    return numeros;
}

std::optional<std::size_t> Table::fiche_courante() const noexcept
{
    if (!courant_) {
        return std::nullopt;
    }
    return vue_[*courant_];
}

std::string Table::texte_de(std::size_t fiche, std::string_view champ) const
{
    const std::size_t k = indice(champ);
    return texte_affiche(contenu_.champs[k], contenu_.fiches.at(fiche).valeurs[k]);
}

std::string Table::texte_du_champ(std::size_t fiche, std::size_t champ) const
{
    return texte_affiche(contenu_.champs.at(champ), contenu_.fiches.at(fiche).valeurs.at(champ));
}

std::optional<engine::DateCivile> Table::date_de(std::size_t fiche, std::string_view champ) const
{
    const std::size_t k = indice(champ);
    return date_stockee(contenu_.fiches.at(fiche).valeurs[k]);
}

// -- Editing ----------------------------------------------------------------

void Table::insere()
{
    verifie_ouverte();
    tampon_ = {};
    tampon_.valeurs.assign(contenu_.champs.size(), std::string());
    etat_ = EtatTable::insertion;
}

void Table::modifie()
{
    verifie_ouverte();
    if (!courant_) {
        throw std::logic_error("la table « " + fichier_.filename().string() +
                               " » n'a pas d'enregistrement courant");
    }
    tampon_ = contenu_.fiches[vue_[*courant_]];
    etat_ = EtatTable::modification;
}

void Table::change_texte(std::string_view champ, std::string_view valeur)
{
    if (etat_ != EtatTable::insertion && etat_ != EtatTable::modification) {
        throw std::logic_error("aucun enregistrement n'est en cours de saisie");
    }
    const std::size_t k = indice(champ);
    const ChampDbf& c = contenu_.champs[k];
    std::string stockee;
    switch (c.type) {
    case 'D':
        if (!platform::trim(valeur).empty()) {
            const auto d = date_du_texte(platform::trim(valeur));
            if (!d) {
                throw ValeurRefusee("Le champ " + nom_du_champ(c.nom) + " : « " +
                                    std::string(valeur) + " » n'est pas une date");
            }
            stockee = huit_chiffres(*d);
        }
        break;
    case 'C': {
        const std::size_t fin = valeur.find_last_not_of(' ');
        stockee =
            fin == std::string_view::npos ? std::string() : std::string(valeur.substr(0, fin + 1));
        break;
    }
    case 'N':
    case 'F':
    case 'L':
        stockee = platform::trim(valeur);
        break;
    default:
        throw ValeurRefusee("Le champ " + nom_du_champ(c.nom) + " ne peut pas être modifié ici");
    }
    (void)octets_du_champ(c, stockee); // refuses what the file cannot hold
    tampon_.valeurs[k] = std::move(stockee);
}

void Table::change_date(std::string_view champ, std::optional<engine::DateCivile> date)
{
    change_texte(champ, date ? texte_de_date(*date) : std::string());
}

void Table::ecrit_le_fichier()
{
    remplace_table(fichier_, ecrit_dbf(contenu_, aujourdhui()), crochet_);
}

void Table::valide()
{
    if (etat_ == EtatTable::insertion) {
        contenu_.fiches.push_back(tampon_);
        try {
            ecrit_le_fichier();
        } catch (...) {
            contenu_.fiches.pop_back();
            throw;
        }
        const std::size_t n = contenu_.fiches.size() - 1;
        if (selection_) {
            selection_->push_back(false);
        }
        if (champ_index_) {
            cles_.push_back(cle_de(n));
        }
        etat_ = EtatTable::consultation;
        tampon_ = {};
        recalcule_vue(n);
    } else if (etat_ == EtatTable::modification) {
        const std::size_t n = vue_[*courant_];
        std::swap(contenu_.fiches[n], tampon_);
        try {
            ecrit_le_fichier();
        } catch (...) {
            std::swap(contenu_.fiches[n], tampon_);
            throw;
        }
        if (champ_index_) {
            cles_[n] = cle_de(n);
        }
        etat_ = EtatTable::consultation;
        tampon_ = {};
        recalcule_vue(n);
    }
}

void Table::annule() noexcept
{
    if (etat_ == EtatTable::insertion || etat_ == EtatTable::modification) {
        etat_ = EtatTable::consultation;
        tampon_ = {};
    }
}

void Table::supprime()
{
    verifie_ouverte();
    if (!courant_) {
        return;
    }
    const std::size_t rang = *courant_;
    const std::size_t n = vue_[rang];
    const auto place = contenu_.fiches.begin() + static_cast<std::ptrdiff_t>(n);
    FicheDbf retiree = std::move(*place);
    contenu_.fiches.erase(place);
    try {
        ecrit_le_fichier();
    } catch (...) {
        contenu_.fiches.insert(contenu_.fiches.begin() + static_cast<std::ptrdiff_t>(n),
                               std::move(retiree));
        throw;
    }
    if (champ_index_) {
        cles_.erase(cles_.begin() + static_cast<std::ptrdiff_t>(n));
    }
    if (selection_) {
        selection_->erase(selection_->begin() + static_cast<std::ptrdiff_t>(n));
    }
    recalcule_vue(std::nullopt);
    if (!vue_.empty()) {
        courant_ = std::min(rang, vue_.size() - 1);
    }
}

} // namespace orvane::records
