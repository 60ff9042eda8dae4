#pragma once
// What the preselection window shows: its two heading rows and the cells of one size, converted to
// the unit system and formatted with the program's separators.

#include "annual_energy.h"
#include "size_evaluation.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <optional>

namespace velmarsund {

constexpr int kSizeTableColumns = 9;
using SizeTableRowTexts = std::array<QString, kSizeTableColumns>;

// Row 0: the quantities; row 1: their units in the unit system.
SizeTableRowTexts SizeTableHeading(int row, UnitSystem system);

// Designation, height, width, diameter, then v max, dp max, phi 1, t 12 and psi 1 of a suitable
// size, or "--" in those five cells of a size outside the suitable range.
SizeTableRowTexts SizeTableRow(const SizeEvaluationRow& row, UnitSystem system);

// The annual columns a selection with an annual block adds: the heat the size saves in the year
// and the fan energy its pressure drops cost, in kWh a year in both unit systems, grouped in
// thousands.
constexpr int kSizeTableAnnualColumns = 2;
using SizeTableAnnualTexts = std::array<QString, kSizeTableAnnualColumns>;
SizeTableAnnualTexts SizeTableAnnualHeading(int row);
// "--" in both cells of a size without a year.
SizeTableAnnualTexts SizeTableAnnualCells(const std::optional<AnnualFigures>& year);

inline const QString kNotSuitable = QStringLiteral("--");

} // namespace velmarsund
