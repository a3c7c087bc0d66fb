#include "cli/parser_messages.h"

#include "platform/text.h"

#include <regex>
#include <sstream>

namespace orvane::cli
{

namespace
{

/// One English form of the parser and its French sentence; $1, $2 ... are
/// the parts the expression captured.
struct Traduction {
    const char* anglais;
    const char* francais;
};

// The messages of CLI11 2.x, most specific first.
const Traduction traductions[] = {
    {R"(Could not convert: (.*) = (.*))", "« $2 » ne convient pas à $1 : un nombre est attendu."},
    {R"(The value (.*) is not an allowed value for (.*))",
     "« $1 » n'est pas une valeur permise pour $2."},
    {R"((.*): too many inputs for a flag)", "$1 ne prend pas de valeur."},
    {R"((.*): Should be true/false or a number)", "$1 attend true, false ou un nombre."},
    {R"(A subcommand is required)", "Indiquez une commande (voir --help)."},
    {R"((.*) is required)", "$1 est obligatoire."},
    {R"((.*) excludes (.*))", "$1 et $2 ne vont pas ensemble."},
    {R"((.*) requires (.*))", "$1 demande aussi $2."},
    {R"(The following arguments were not expected: (.*))", "Arguments inattendus : $1"},
    {R"(The following argument was not expected: (.*))", "Argument inattendu : $1"},
    {R"(Expected exactly (\d+) arguments to (.*), got (\d+))",
     "$2 attend $1 valeurs ($3 données)."},
    {R"(Expected at least (\d+) arguments to (.*), got (\d+))",
     "$2 attend au moins $1 valeurs ($3 données)."},
    {R"((.*): At least (\d+) required but received (\d+))",
     "$1 attend au moins $2 valeurs ($3 données)."},
    {R"((.*): At Most (\d+) required but received (\d+))",
     "$1 attend au plus $2 valeurs ($3 données)."},
    {R"((.*): (\d+) required (.*) missing)", "$1 : valeur manquante."},
    {R"((.*) was given a disallowed flag override)", "$1 ne prend pas de valeur."},
    {R"((.*): Too many positional arguments with unlimited expected args)",
     "$1 : trop d'arguments."},
    {R"((.*) was not readable \(missing\?\))", "$1 ne peut pas être lu."},
    // A validator of ours already speaks French: "--dst: « 2 » n'est pas ..."
    {R"((--?[A-Za-z][-A-Za-z]*|[a-z]+): (.*[«àéèêç].*))", "$1 : $2"},
    {R"((.*): Value (.*) not in range (.*) to (.*))", "$1 : « $2 » n'est pas entre $3 et $4."},
};

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
        const std::regex forme(t.anglais);
        if (std::regex_match(anglais, forme)) {
            return std::regex_replace(anglais, forme, t.francais);
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
