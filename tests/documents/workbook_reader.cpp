#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <sstream>

extern char** environ;

namespace orvane::documents::test
{

namespace
{

const std::filesystem::path lecteur = ORVANE_SOURCE_DIR "/tests/documents/read_workbook.py";

std::vector<std::string> champs(const std::string& ligne)
{
    std::vector<std::string> c(1);
    for (std::size_t i = 0; i < ligne.size(); ++i) {
        if (ligne[i] == '\t') {
            c.emplace_back();
        } else if (ligne[i] == '\\' && i + 1 < ligne.size()) {
            const char e = ligne[++i];
            c.back() += e == 't' ? '\t' : e == 'n' ? '\n' : e;
        } else {
            c.back() += ligne[i];
        }
    }
    return c;
}

/// <python> read_workbook.py <classeur> [<option>], its standard output and
/// exit status.
SortiePython execute_lecteur(const std::filesystem::path& classeur, std::string option = {})
{
    return execute_python(lecteur, classeur, std::move(option));
}

} // namespace

SortiePython execute_python(const std::filesystem::path& script_python,
                            const std::filesystem::path& fichier, std::string option)
{
    int tube[2];
    if (::pipe(tube) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    std::string programme = ORVANE_PYTHON3, script = script_python.string(), lu = fichier.string();
    std::array<char*, 5> arguments = {programme.data(), script.data(), lu.data(),
                                      option.empty() ? nullptr : option.data(), nullptr};
    pid_t pid = 0;
    const int erreur =
        posix_spawn(&pid, programme.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(tube[1]);
    SortiePython s;
    if (erreur != 0) {
        ::close(tube[0]);
        return s;
    }
    std::array<char, 65536> tampon;
    for (ssize_t n; (n = ::read(tube[0], tampon.data(), tampon.size())) > 0;) {
        s.texte.append(tampon.data(), static_cast<std::size_t>(n));
    }
    ::close(tube[0]);
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    s.statut = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

std::string FeuilleLue::texte(int ligne, int colonne) const
{
    const auto it = cellules.find({ligne, colonne});
    return it == cellules.end() ? std::string() : it->second.valeur;
}

char FeuilleLue::genre(int ligne, int colonne) const
{
    const auto it = cellules.find({ligne, colonne});
    return it == cellules.end() ? '\0' : it->second.genre;
}

std::vector<std::string> ClasseurLu::noms() const
{
    std::vector<std::string> n;
    for (const FeuilleLue& f : feuilles) {
        n.push_back(f.nom);
    }
    return n;
}

const FeuilleLue& ClasseurLu::feuille(const std::string& nom) const
{
    static const FeuilleLue vide;
    for (const FeuilleLue& f : feuilles) {
        if (f.nom == nom) {
            return f;
        }
    }
    ADD_FAILURE() << "no sheet « " << nom << " »";
    return vide;
}

ClasseurLu lit_classeur(const std::filesystem::path& classeur)
{
    const SortiePython s = execute_lecteur(classeur);
    ClasseurLu c;
    if (s.statut != 0) {
        ADD_FAILURE() << "read_workbook.py (openpyxl) failed with status " << s.statut << " on "
                      << classeur;
        return c;
    }
    std::istringstream flux(s.texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        const std::vector<std::string> f = champs(ligne);
        if (f[0] == "sheet" && f.size() == 9) {
            c.feuilles.push_back({f[1], f[2], f[3], f[4] == "1", f[5], f[6], f[7], f[8], {}});
        } else if (f[0] == "cell" && f.size() == 6 && !c.feuilles.empty()) {
            const std::size_t indice = std::stoul(f[1]);
            c.feuilles.at(indice).cellules[{std::stoi(f[2]), std::stoi(f[3])}] = {f[4][0], f[5]};
        } else {
            ADD_FAILURE() << "read_workbook.py printed an unknown line: " << ligne;
        }
    }
    return c;
}

DetailsLus lit_details(const std::filesystem::path& classeur)
{
    const SortiePython s = execute_lecteur(classeur, "--details");
    DetailsLus d;
    if (s.statut != 0) {
        ADD_FAILURE() << "read_workbook.py --details (openpyxl) failed with status " << s.statut
                      << " on " << classeur;
        return d;
    }
    std::istringstream flux(s.texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        const std::vector<std::string> f = champs(ligne);
        if (f[0] == "format" && f.size() == 6) {
            d.formats[{std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3])}] = {f[4], f[5]};
        } else if (f[0] == "freeze" && f.size() == 3) {
            d.figees[std::stoi(f[1])] = f[2];
        } else if (f[0] == "chart" && f.size() == 5) {
            d.graphiques.push_back({std::stoi(f[1]), f[2], std::stoi(f[3]), f[4]});
        } else {
            ADD_FAILURE() << "read_workbook.py --details printed an unknown line: " << ligne;
        }
    }
    return d;
}

} // namespace orvane::documents::test
