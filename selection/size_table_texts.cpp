#include "size_table_texts.h"

#include "convert_unit.h"
#include "number_format.h"
#include "text_table.h"

namespace velmarsund {

SizeTableRowTexts SizeTableHeading(int row, UnitSystem system)
{
    if (row == 0)
        return {LoadText(180), LoadText(54), LoadText(55), LoadText(83), QStringLiteral("v max"),
                QStringLiteral("dp max"), QStringLiteral("phi 1"), QStringLiteral("t 12"), QStringLiteral("psi 1")};
    const QString mm = QStringLiteral("mm");
    const QString percent = QStringLiteral("[%]");
    return {QString(),
            mm,
            mm,
            mm,
            UnitChoice(system, QStringLiteral("[m/s]"), QStringLiteral("[fpm]")),
            UnitChoice(system, QStringLiteral("[Pa]"), QStringLiteral("[in. WG]")),
            percent,
            QLatin1Char('[') + UnitChoice(system, LoadText(411), LoadText(412)) + QLatin1Char(']'),
            percent};
}

SizeTableRowTexts SizeTableRow(const SizeEvaluationRow& row, UnitSystem system)
{
    SizeTableRowTexts t;
    t[0] = QString::fromStdString(row.designation);
    t[1] = QString::number(row.height);
    t[2] = QString::number(row.width);
    t[3] = QString::number(row.diameter);
    if (!row.suitable) {
        for (int c = 4; c < kSizeTableColumns; ++c) t[static_cast<std::size_t>(c)] = kNotSuitable;
        return t;
    }
    using namespace Unit;
    t[4] = FormatFixed(ConvertUnit(Quantity::AirVelocity, MetrePerSecond, UnitChoice(system, MetrePerSecond, FeetPerMinute),
                                   row.vMax),
                       UnitChoice(system, 2, 0));
    t[5] = FormatFixed(ConvertUnit(Quantity::PressureDrop, Pascal, UnitChoice(system, Pascal, InchWaterGauge), row.dpMax),
                       UnitChoice(system, 0, 3));
    t[6] = FormatFixed(row.phi1, 1);
    t[7] = FormatFixed(ConvertUnit(Quantity::Temperature, Celsius, UnitChoice(system, Celsius, Fahrenheit), row.t12), 1);
    t[8] = FormatFixed(row.psi1, 1);
    return t;
}

SizeTableAnnualTexts SizeTableAnnualHeading(int row)
{
    if (row == 0) return {LoadText(760), LoadText(761)};
    const QString perYear = QLatin1Char('[') + LoadText(764) + QLatin1Char(']');
    return {perYear, perYear};
}

SizeTableAnnualTexts SizeTableAnnualCells(const std::optional<AnnualFigures>& year)
{
    if (!year) return {kNotSuitable, kNotSuitable};
    return {FormatNumber(year->heatingTotal, 0), FormatNumber(year->fanEnergy, 0)};
}

} // namespace velmarsund
