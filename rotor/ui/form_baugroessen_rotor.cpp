#include "form_baugroessen_rotor.h"

#include "annual_page.h"
#include "annual_request.h"
#include "annual_sizes.h"
#include "form_rotor.h"
#include "message_box.h"
#include "modal_runner.h"
#include "size_table_texts.h"
#include "text_table.h"

#include <QEvent>
#include <QProgressDialog>
#include <QPushButton>

#include <filesystem>

namespace velmarsund {
namespace {

template <typename Texts> QStringList ListOf(const Texts& texts) { return QStringList(texts.begin(), texts.end()); }

// How long the sizes' years may run before a progress window shows.
constexpr int kProgressAfterMs = 500;

} // namespace

TFormBaugroessen_Rotor::TFormBaugroessen_Rotor(TFormRotor* main) : TFormBaugroessen(main), main_(main)
{
    setObjectName(QStringLiteral("FormBaugroessen_Rotor"));
    SetTexts();
}

void TFormBaugroessen_Rotor::SetTexts()
{
    setWindowTitle(QStringLiteral("Rotor ") + LoadText(181));
    Button_Cancel->setText(LoadText(161));
    QStringList row0 = ListOf(SizeTableHeading(0, units_));
    QStringList row1 = ListOf(SizeTableHeading(1, units_));
    if (annual_) {
        row0 += ListOf(SizeTableAnnualHeading(0));
        row1 += ListOf(SizeTableAnnualHeading(1));
    }
    SetHeadings(row0, row1);
}

void TFormBaugroessen_Rotor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    TFormBaugroessen::changeEvent(event);
}

void TFormBaugroessen_Rotor::Fill(UnitSystem units)
{
    units_ = units;
    // The sizes of the selection's series for its air, each on a copy of its winter record.
    const Selection& selection = main_->CurrentSelection();
    evaluation_ = EvaluateSizes(SeasonRecordOf(selection, selection.winter), selection.seriesIndex, selection.profile,
                                selection.effectiveness.useAhriEffectiveness);
    annual_ = SizeYearsOf(selection);
    SetTexts();
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < evaluation_.rows.size(); ++i) {
        QStringList row = ListOf(SizeTableRow(evaluation_.rows[i], units));
        if (annual_) row += ListOf(SizeTableAnnualCells((*annual_)[i]));
        rows.push_back(row);
    }
    SetDataRows(rows);
    SelectRow(evaluation_.selected + kHeadingRows);
}

std::optional<std::vector<std::optional<AnnualFigures>>>
TFormBaugroessen_Rotor::SizeYearsOf(const Selection& selection)
{
    if (!selection.annual) return std::nullopt;
    WeatherYear weather;
    const std::filesystem::path file = request::WeatherPathOf(selection.annual->weather, main_->SelectionFolder());
    try {
        weather = request::ReadWeatherFile(file);
    } catch (const WeatherFileError& e) {
        ShowMessageBox(LoadText(763) + QLatin1Char('\n') +
                           WeatherFileMessage(file.string(), e, CurrentLanguage()),
                       LoadText(103), MessageKind::Warning);
        return std::nullopt;
    }
    QProgressDialog progress(LoadText(762), LoadText(161), 0, 0, main_);
    progress.setObjectName(QStringLiteral("Progress_Jahreswerte"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    return AnnualFiguresOfSizes(selection, evaluation_, weather, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
}

void TFormBaugroessen_Rotor::Show(UnitSystem units)
{
    Fill(units);
    RunModal(*this);
}

void TFormBaugroessen_Rotor::Transfer() { main_->SelectStandardSize(SelectedRow() - kHeadingRows); }

} // namespace velmarsund
