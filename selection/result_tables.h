#pragma once
// Every cell of the main window's four result tables, built in one place from the records and the
// window's switches. The window writes these texts into its grids; the data sheet of a program
// without windows takes them from here too, so that a table and a page never disagree.

#include "result_grid_layout.h"
#include "result_table_texts.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <vector>

namespace velmarsund {

class TDatenRWT;

// The texts of one grid, by column and row.
class GridTexts {
public:
    GridTexts() = default;
    GridTexts(int columns, int rows);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Empty for a cell outside the grid.
    const QString& Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    bool operator==(const GridTexts&) const = default;

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<QString> cells_; // row by row
};

struct ResultTablesInput {
    const TDatenRWT* winter = nullptr;
    const TDatenRWT* summer = nullptr; // shown only in WinterAndSummer
    SeasonView view = SeasonView::WinterOnly;
    UnitSystem units = UnitSystem::SI;
    EffectivenessOptions effectiveness;
    double pressureDropLimit = 250;
    // Without results the outlet and process values stay empty; labels, units and the inlet
    // states are always shown.
    bool resultsValid = false;
};

struct ResultTables {
    GridTexts inlet;    // Tabelle_Lufteintritt
    GridTexts velocity; // Tabelle_w_dp
    GridTexts outlet;   // Tabelle_Luftaustritt
    GridTexts process;  // Tabelle_Prozessdaten

    bool operator==(const ResultTables&) const = default;
};

ResultTables BuildResultTables(const ResultTablesInput& input);

// The headings over the supply-side and the exhaust-side value columns: the outside air and the
// return air, the two streams whose entries stand below them.
std::array<QString, 2> StreamHeadings();

// The hint line under the outlet table: the frost note when a shown season reports a frost risk
// (summer may be nullptr), else empty.
QString FrostHint(const TDatenRWT& winter, const TDatenRWT* summer);

} // namespace velmarsund
