#include "documents/workbook_writer.h"

#include "platform/file_error.h"
#include "platform/text.h"

#include <xlsxwriter.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <system_error>

namespace orvane::documents
{

namespace fs = std::filesystem;

namespace
{

constexpr std::uint8_t papier_a4 = 9;
constexpr double minutes_par_jour = 24 * 60;
constexpr lxw_color_t gris_marque = 0xE4E4E4;

/// ".<name>.tmp-<process>-<number>": the name the program gives every file
/// being written, so that one left by a crash is recognised and removed.
fs::path nom_temporaire(const fs::path& destination)
{
    static std::atomic<long> compteur{0};
    return destination.parent_path() /
           ("." + destination.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
            std::to_string(compteur.fetch_add(1) + 1));
}

std::optional<int> entier(std::string_view texte)
{
    const std::string t = platform::trim(texte);
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), valeur);
    if (t.empty() || erreur != std::errc{} || fin != t.data() + t.size()) {
        return std::nullopt;
    }
    return valeur;
}

/// Flushes the written file to the disk before it is renamed.
int synchronise(const fs::path& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int resultat = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return resultat;
}

} // namespace

std::optional<int> minutes_du_jour(const zmanim::TexteHoraire& h)
{
    if (!h.definie()) {
        return std::nullopt;
    }
    const std::optional<int> heures = entier(h.heures);
    const std::optional<int> minutes = entier(h.minutes);
    if (!heures || !minutes || *heures < 0 || *minutes < 0 || *minutes > 59) {
        return std::nullopt;
    }
    return *heures * 60 + *minutes;
}

void FeuilleXlsx::texte(int ligne, int colonne, std::string_view texte, StyleCellule style)
{
    const std::string t(texte);
    classeur_->verifie(worksheet_write_string(feuille_, static_cast<lxw_row_t>(ligne),
                                              static_cast<lxw_col_t>(colonne), t.c_str(),
                                              classeur_->format(style)));
}

void FeuilleXlsx::nombre(int ligne, int colonne, double valeur, StyleCellule style)
{
    classeur_->verifie(worksheet_write_number(feuille_, static_cast<lxw_row_t>(ligne),
                                              static_cast<lxw_col_t>(colonne), valeur,
                                              classeur_->format(style)));
}

void FeuilleXlsx::heure(int ligne, int colonne, const zmanim::TexteHoraire& h, StyleCellule style)
{
    const std::optional<int> minutes = minutes_du_jour(h);
    if (!minutes) {
        texte(ligne, colonne, "--:--", style);
        return;
    }
    // A time of the day is a fraction of a day in a spreadsheet; one past
    // midnight of the next day (24:10) still reads as a time.
    nombre(ligne, colonne, *minutes / minutes_par_jour, style);
}

void FeuilleXlsx::fusionne(int ligne, int premiere, int derniere, std::string_view texte,
                           StyleCellule style)
{
    const std::string t(texte);
    if (premiere == derniere) {
        this->texte(ligne, premiere, texte, style);
        return;
    }
    classeur_->verifie(worksheet_merge_range(
        feuille_, static_cast<lxw_row_t>(ligne), static_cast<lxw_col_t>(premiere),
        static_cast<lxw_row_t>(ligne), static_cast<lxw_col_t>(derniere), t.c_str(),
        classeur_->format(style)));
}

void FeuilleXlsx::largeurs(int premiere, int derniere, double caracteres)
{
    classeur_->verifie(worksheet_set_column(feuille_, static_cast<lxw_col_t>(premiere),
                                            static_cast<lxw_col_t>(derniere), caracteres, nullptr));
}

void FeuilleXlsx::hauteur(int ligne, double points)
{
    classeur_->verifie(worksheet_set_row(feuille_, static_cast<lxw_row_t>(ligne), points, nullptr));
}

void FeuilleXlsx::fige(int lignes, int colonnes)
{
    worksheet_freeze_panes(feuille_, static_cast<lxw_row_t>(lignes),
                           static_cast<lxw_col_t>(colonnes));
}

void FeuilleXlsx::graphique(const GraphiqueLignes& g)
{
    lxw_chart* chart = workbook_add_chart(classeur_->classeur_, LXW_CHART_LINE);
    if (chart == nullptr) {
        classeur_->verifie(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return;
    }
    const auto premiere = static_cast<lxw_row_t>(g.premiere_ligne);
    const auto derniere = static_cast<lxw_row_t>(g.derniere_ligne);
    const auto abscisses = static_cast<lxw_col_t>(g.colonne_abscisses);
    for (const auto& [nom, colonne] : g.courbes) {
        lxw_chart_series* serie = chart_add_series(chart, nullptr, nullptr);
        if (serie == nullptr) {
            classeur_->verifie(LXW_ERROR_MEMORY_MALLOC_FAILED);
            return;
        }
        const auto c = static_cast<lxw_col_t>(colonne);
        chart_series_set_categories(serie, feuille_->name, premiere, abscisses, derniere,
                                    abscisses);
        chart_series_set_values(serie, feuille_->name, premiere, c, derniere, c);
        chart_series_set_name(serie, nom.c_str());
    }
    chart_title_set_name(chart, g.titre.c_str());
    chart_axis_set_name(chart->x_axis, g.titre_abscisses.c_str());
    chart_axis_set_name(chart->y_axis, g.titre_ordonnees.c_str());
    chart_axis_set_num_format(chart->y_axis, g.format_ordonnees.c_str());
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options options{};
    options.x_scale = g.echelle_x;
    options.y_scale = g.echelle_y;
    classeur_->verifie(worksheet_insert_chart_opt(feuille_, static_cast<lxw_row_t>(g.ligne),
                                                  static_cast<lxw_col_t>(g.colonne), chart,
                                                  &options));
}

ClasseurXlsx::ClasseurXlsx(fs::path destination)
    : destination_(std::move(destination)), temporaire_(nom_temporaire(destination_))
{
    classeur_ = workbook_new(temporaire_.c_str());
    if (classeur_ == nullptr) {
        throw platform::file_error(platform::FileAction::write, destination_, ENOMEM);
    }
    cree_formats();
}

ClasseurXlsx::~ClasseurXlsx()
{
    if (classeur_ != nullptr) {
        // Not finished: the workbook is freed, and what it wrote removed.
        (void)workbook_close(classeur_);
        std::error_code ignore;
        fs::remove(temporaire_, ignore);
    }
}

void ClasseurXlsx::cree_formats()
{
    const auto nouveau = [this](StyleCellule style) {
        lxw_format* f = workbook_add_format(classeur_);
        format_set_font_name(f, "Liberation Sans");
        format_set_font_size(f, 9);
        formats_[style] = f;
        return f;
    };
    const auto grille = [](lxw_format* f) { format_set_border(f, LXW_BORDER_THIN); };
    const auto marque = [](lxw_format* f) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, gris_marque);
        format_set_bold(f);
    };
    lxw_format* titre = nouveau(StyleCellule::titre);
    format_set_font_size(titre, 14);
    format_set_bold(titre);
    format_set_align(titre, LXW_ALIGN_CENTER);
    lxw_format* sous_titre = nouveau(StyleCellule::sous_titre);
    format_set_font_size(sous_titre, 11);
    format_set_bold(sous_titre);
    format_set_align(sous_titre, LXW_ALIGN_CENTER);
    lxw_format* colonne = nouveau(StyleCellule::colonne);
    grille(colonne);
    format_set_bold(colonne);
    format_set_align(colonne, LXW_ALIGN_CENTER);
    format_set_text_wrap(colonne);
    for (const auto& [simple, ombre] : {std::pair{StyleCellule::texte, StyleCellule::texte_marque},
                                        {StyleCellule::nombre, StyleCellule::nombre_marque},
                                        {StyleCellule::heure, StyleCellule::heure_marque},
                                        {StyleCellule::case_mois, StyleCellule::case_mois_marque},
                                        {StyleCellule::hebreu, StyleCellule::hebreu_marque}}) {
        for (const bool avec_marque : {false, true}) {
            lxw_format* f = nouveau(avec_marque ? ombre : simple);
            grille(f);
            if (avec_marque) {
                marque(f);
            }
            if (simple == StyleCellule::nombre || simple == StyleCellule::heure) {
                format_set_align(f, LXW_ALIGN_CENTER);
            }
            if (simple == StyleCellule::heure) {
                format_set_num_format(f, "hh:mm");
            }
            if (simple == StyleCellule::case_mois) {
                format_set_text_wrap(f);
                format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
            }
            if (simple == StyleCellule::hebreu) {
                format_set_reading_order(f, 2); // right to left
                format_set_align(f, LXW_ALIGN_RIGHT);
            }
        }
    }
    lxw_format* vide = nouveau(StyleCellule::case_vide);
    grille(vide);
    for (const bool avec_marque : {false, true}) {
        lxw_format* f = nouveau(avec_marque ? StyleCellule::heure_secondes_marque
                                            : StyleCellule::heure_secondes);
        grille(f);
        if (avec_marque) {
            marque(f);
        }
        format_set_align(f, LXW_ALIGN_CENTER);
        format_set_num_format(f, "hh:mm:ss");
    }
    lxw_format* date = nouveau(StyleCellule::date);
    grille(date);
    format_set_align(date, LXW_ALIGN_CENTER);
    format_set_num_format(date, "dd/mm/yyyy");
}

lxw_format* ClasseurXlsx::format(StyleCellule style) const
{
    return formats_.at(style);
}

void ClasseurXlsx::verifie(int erreur)
{
    if (erreur != LXW_NO_ERROR && premiere_erreur_ == LXW_NO_ERROR) {
        premiere_erreur_ = erreur;
    }
}

FeuilleXlsx ClasseurXlsx::feuille(std::string_view nom, const MiseEnPage& m)
{
    const std::string n(nom);
    lxw_worksheet* f = workbook_add_worksheet(classeur_, n.c_str());
    if (f == nullptr) {
        throw platform::file_error(platform::FileAction::write, destination_,
                                   "la feuille « " + n + " » ne peut pas être ajoutée");
    }
    worksheet_set_paper(f, papier_a4);
    if (m.paysage) {
        worksheet_set_landscape(f);
    } else {
        worksheet_set_portrait(f);
    }
    worksheet_set_margins(f, 0.4, 0.4, 0.5, 0.5);
    worksheet_fit_to_pages(f, 1, m.une_seule_page ? 1 : 0);
    if (m.lignes_titre > 0) {
        verifie(worksheet_repeat_rows(f, 0, static_cast<lxw_row_t>(m.lignes_titre - 1)));
    }
    verifie(worksheet_set_footer(f, "&C&8Page &P / &N"));
    worksheet_center_horizontally(f);
    return {*this, f};
}

void ClasseurXlsx::termine()
{
    lxw_workbook* classeur = classeur_;
    classeur_ = nullptr;
    const lxw_error fermeture = workbook_close(classeur);
    const int erreur = premiere_erreur_ != LXW_NO_ERROR ? premiere_erreur_ : fermeture;
    int systeme = 0;
    if (erreur == LXW_NO_ERROR) {
        systeme = synchronise(temporaire_);
    }
    if (erreur == LXW_NO_ERROR && systeme == 0) {
        std::error_code e;
        fs::rename(temporaire_, destination_, e);
        systeme = e.value();
    }
    if (erreur == LXW_NO_ERROR && systeme == 0) {
        return;
    }
    std::error_code ignore;
    fs::remove(temporaire_, ignore);
    if (systeme != 0) {
        throw platform::file_error(platform::FileAction::write, destination_, systeme);
    }
    throw platform::file_error(platform::FileAction::write, destination_,
                               std::string("le classeur n'a pas pu être écrit (") +
                                   lxw_strerror(static_cast<lxw_error>(erreur)) + ")");
}

double date_tableur(const engine::DateCivile& d)
{
    return static_cast<double>(engine::numero_du_civil(d) -
                               engine::numero_du_civil({1899, 12, 30}));
}

} // namespace orvane::documents
