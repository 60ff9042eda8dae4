#include "form_baugroessen_rotor.h"

#include "form_rotor.h"
#include "modal_runner.h"
#include "size_table_texts.h"
#include "text_table.h"

#include <QEvent>
#include <QPushButton>

namespace velmarsund {
namespace {

QStringList ListOf(const SizeTableRowTexts& texts) { return QStringList(texts.begin(), texts.end()); }

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
    SetHeadings(ListOf(SizeTableHeading(0, units_)), ListOf(SizeTableHeading(1, units_)));
}

void TFormBaugroessen_Rotor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    TFormBaugroessen::changeEvent(event);
}

void TFormBaugroessen_Rotor::Fill(UnitSystem units)
{
    units_ = units;
    SetTexts();
    // The sizes of the selection's series for its air, each on a copy of its winter record.
    const Selection& selection = main_->CurrentSelection();
    evaluation_ = EvaluateSizes(SeasonRecordOf(selection, selection.winter), selection.seriesIndex, selection.profile,
                                selection.effectiveness.useAhriEffectiveness);
    std::vector<QStringList> rows;
    for (const SizeEvaluationRow& row : evaluation_.rows) rows.push_back(ListOf(SizeTableRow(row, units)));
    SetDataRows(rows);
    SelectRow(evaluation_.selected + kHeadingRows);
}

void TFormBaugroessen_Rotor::Show(UnitSystem units)
{
    Fill(units);
    RunModal(*this);
}

void TFormBaugroessen_Rotor::Transfer() { main_->SelectStandardSize(SelectedRow() - kHeadingRows); }

} // namespace velmarsund
