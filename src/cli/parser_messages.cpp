#include "cli/parser_messages.h"

#include "platform/text.h"

#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace orvane::cli
{

namespace
{

/// One English form of the parser, "*" standing for a part of the message,
/// and its French sentence, $1, $2 ... being those parts in order.
struct Traduction {
    std::string_view anglais;
    std::string_view francais;
};

// The messages of CLI11 2.x, most specific first.
constexpr Traduction traductions[] = {
    {"Could not convert: * = *", "« $2 » ne convient pas à $1 : un nombre est attendu."},
    {"The value * is not an allowed value for *", "« $1 » n'est pas une valeur permise pour $2."},
    {"*: too many inputs for a flag", "$1 ne prend pas de valeur."},
    {"*: Should be true/false or a number", "$1 attend true, false ou un nombre."},
    {"A subcommand is required", "Indiquez une commande (voir --help)."},
    {"* is required", "$1 est obligatoire."},
    {"* excludes *", "$1 et $2 ne vont pas ensemble."},
    {"* requires *", "$1 demande aussi $2."},
    {"The following arguments were not expected: *", "Arguments inattendus : $1"},
    {"The following argument was not expected: *", "Argument inattendu : $1"},
    {"Expected exactly * arguments to *, got *", "$2 attend $1 valeurs ($3 données)."},
    {"Expected at least * arguments to *, got *", "$2 attend au moins $1 valeurs ($3 données)."},
    {"*: At least * required but received *", "$1 attend au moins $2 valeurs ($3 données)."},
    {"*: At Most * required but received *", "$1 attend au plus $2 valeurs ($3 données)."},
    {"*: * required * missing", "$1 : valeur manquante."},
    {"* was given a disallowed flag override", "$1 ne prend pas de valeur."},
    {"*: Too many positional arguments with unlimited expected args", "$1 : trop d'arguments."},
    {"* was not readable (missing?)", "$1 ne peut pas être lu."},
    // A validator of ours already speaks French: "--dst: « 2 » n'est pas ..."
    {"*: «*", "$1 : «$2"},
    {"*: Value * not in range * to *", "$1 : « $2 » n'est pas entre $3 et $4."},
};

/// The literal pieces of a form, between its stars.
std::vector<std::string_view> morceaux_de(std::string_view forme)
{
    std::vector<std::string_view> morceaux;
    for (std::size_t debut = 0;;) {
        const std::size_t etoile = forme.find('*', debut);
        morceaux.push_back(forme.substr(debut, etoile - debut));
        if (etoile == std::string_view::npos) {
            return morceaux;
        }
        debut = etoile + 1;
    }
}

/// The parts of `texte` that the stars of `forme` stand for, or nothing
/// when the text is not of that form. Each piece between two stars is taken
/// at its first place after the one before.
std::optional<std::vector<std::string>> parties(std::string_view forme, std::string_view texte)
{
    const std::vector<std::string_view> morceaux = morceaux_de(forme);
    if (morceaux.size() == 1) {
        return texte == forme ? std::optional(std::vector<std::string>{}) : std::nullopt;
    }
    const std::string_view premier = morceaux.front();
    const std::string_view dernier = morceaux.back();
    if (!texte.starts_with(premier) || !texte.ends_with(dernier) ||
        texte.size() < premier.size() + dernier.size()) {
        return std::nullopt;
    }
    const std::size_t fin = texte.size() - dernier.size();
    std::vector<std::string> trouvees;
    std::size_t position = premier.size();
    for (std::size_t i = 1; i + 1 < morceaux.size(); ++i) {
        const std::size_t ici = texte.find(morceaux[i], position);
        if (ici == std::string_view::npos || ici + morceaux[i].size() > fin) {
            return std::nullopt;
        }
        trouvees.emplace_back(texte.substr(position, ici - position));
        position = ici + morceaux[i].size();
    }
    trouvees.emplace_back(texte.substr(position, fin - position));
    return trouvees;
}

/// The French sentence with $1, $2 ... replaced by the parts.
std::string phrase(std::string_view francais, const std::vector<std::string>& trouvees)
{
    std::string resultat;
    for (std::size_t i = 0; i < francais.size(); ++i) {
        const char c = francais[i];
        if (c == '$' && i + 1 < francais.size() && francais[i + 1] >= '1' &&
            francais[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(francais[++i] - '1');
            resultat += n < trouvees.size() ? trouvees[n] : std::string();
        } else {
            resultat += c;
        }
    }
    return resultat;
}

// CLI11 lists the unexpected arguments last first.
std::string sans_inversion(const CLI::Error& e, std::string texte)
{
    const std::string_view debut = "The following arguments were not expected: ";
    if (dynamic_cast<const CLI::ExtrasError*>(&e) == nullptr || texte.rfind(debut, 0) != 0) {
        return texte;
    }
    std::vector<std::string> mots;
    std::istringstream flux(texte.substr(debut.size()));
    for (std::string mot; flux >> mot;) {
        mots.push_back(mot);
    }
    std::string remis(debut);
    for (auto it = mots.rbegin(); it != mots.rend(); ++it) {
        remis += (it == mots.rbegin() ? "" : " ") + *it;
    }
    return remis;
}

} // namespace

std::string french_parse_error(const CLI::Error& e)
{
    const std::string anglais = sans_inversion(e, platform::escape_for_display(e.what()));
    for (const Traduction& t : traductions) {
        if (const std::optional<std::vector<std::string>> p = parties(t.anglais, anglais)) {
            return phrase(t.francais, *p);
        }
    }
    return "Arguments incorrects (" + std::string(e.get_name()) + ").";
}

std::string french_failure(const CLI::App* app, const CLI::Error& e)
{
    return "Erreur : " + french_parse_error(e) + "\nAide : " + app->get_name() + " --help\n";
}

CLI::Validator one_of(std::vector<std::string> names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == names.size() ? " ou " : ", ") + names[i];
    }
    return CLI::Validator(
        [names, list](std::string& value) -> std::string {
            if (std::find(names.begin(), names.end(), value) != names.end()) {
                return {};
            }
            return "« " + value + " » n'est pas permis (" + list + ")";
        },
        "{" + list + "}");
}

void set_french_help(CLI::App& app)
{
    const auto f = app.get_formatter();
    f->label("Usage", "Utilisation");
    f->label("OPTIONS", "OPTIONS");
    f->label("SUBCOMMAND", "COMMANDE");
    f->label("SUBCOMMANDS", "COMMANDES");
    f->label("Positionals", "Arguments");
    f->label("Options", "Options");
    f->label("Subcommands", "Commandes");
    f->label("REQUIRED", "OBLIGATOIRE");
    f->label("TEXT", "TEXTE");
    f->label("INT", "ENTIER");
    f->label("UINT", "ENTIER");
    f->label("FLOAT", "NOMBRE");
    f->label("Needs", "Demande");
    f->label("Excludes", "Exclut");
    app.set_help_flag("-h,--help", "Affiche cette aide");
    app.option_defaults()->group("Options");
}

} // namespace orvane::cli
