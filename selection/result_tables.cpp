#include "result_tables.h"

#include "daten_rwt.h"
#include "text_table.h"

namespace velmarsund {
namespace {

const QString kNoText;

template <std::size_t N>
void WriteColumn(GridTexts& grid, int column, const std::array<QString, N>& texts)
{
    for (std::size_t row = 0; row < N; ++row) grid.SetCell(column, static_cast<int>(row), texts[row]);
}

} // namespace

GridTexts::GridTexts(int columns, int rows)
    : columns_(columns), rows_(rows), cells_(static_cast<std::size_t>(columns * rows))
{
}

const QString& GridTexts::Cell(int col, int row) const
{
    if (col < 0 || col >= columns_ || row < 0 || row >= rows_) return kNoText;
    return cells_[static_cast<std::size_t>(row * columns_ + col)];
}

void GridTexts::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || col >= columns_ || row < 0 || row >= rows_) return;
    cells_[static_cast<std::size_t>(row * columns_ + col)] = text;
}

ResultTables BuildResultTables(const ResultTablesInput& in)
{
    const int columns = ResultColumnCount(in.view);
    const int unit = UnitColumn(in.view);
    ResultTables t{GridTexts(columns, InletRow::Count), GridTexts(columns, VelocityRow::Count),
                   GridTexts(columns, OutletRow::Count), GridTexts(columns, ProcessRow::Count)};

    WriteColumn(t.inlet, 0, InletLabels());
    WriteColumn(t.velocity, 0, VelocityLabels());
    WriteColumn(t.outlet, 0, OutletLabels());
    WriteColumn(t.process, 0, ProcessLabels(in.effectiveness));
    WriteColumn(t.inlet, unit, InletUnits(in.units));
    WriteColumn(t.velocity, unit, VelocityUnits(in.units));
    WriteColumn(t.outlet, unit, OutletUnits(in.units));
    WriteColumn(t.process, unit, ProcessUnits(in.units, in.effectiveness));

    const auto season = [&](Season s, const TDatenRWT& r) {
        for (Stream stream : {Stream::Supply, Stream::Exhaust}) {
            const bool supply = stream == Stream::Supply;
            const int column = ValueColumn(s, stream);
            InletTexts inlet = InletValues(supply ? r.State11 : r.State21, in.units);
            inlet[InletRow::StreamHeadings].clear();
            inlet[InletRow::Heading].clear();
            WriteColumn(t.inlet, column, inlet);
            WriteColumn(t.velocity, column,
                        supply ? VelocityValues(r.FaceVelocity1, r.DeltaP1, r.DeltaP1Std, in.pressureDropLimit,
                                                in.units)
                               : VelocityValues(r.FaceVelocity2, r.DeltaP2, r.DeltaP2Std, in.pressureDropLimit,
                                                in.units));
            if (!in.resultsValid) continue;
            OutletTexts outlet = OutletValues(supply ? r.State12 : r.State22, in.units);
            outlet[OutletRow::Heading].clear();
            WriteColumn(t.outlet, column, outlet);
            WriteColumn(t.process, column, ProcessValues(r, stream, in.units, in.effectiveness));
        }
    };
    if (in.winter) season(Season::Winter, *in.winter);
    if (in.summer && in.view == SeasonView::WinterAndSummer) season(Season::Summer, *in.summer);
    return t;
}

std::array<QString, 2> StreamHeadings()
{
    // The entries below the supply-side heading are those of the outside air entering the rotor.
    return {LoadText(5), LoadText(4)};
}

QString FrostHint(const TDatenRWT& winter, const TDatenRWT* summer)
{
    const bool frost = winter.FrostRisk || (summer && summer->FrostRisk);
    return frost ? LoadText(43) : QString();
}

} // namespace velmarsund
