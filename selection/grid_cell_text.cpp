#include "grid_cell_text.h"

namespace velmarsund {

GridCellText CellTextToDraw(const QString& cell)
{
    if (cell.isEmpty()) return {cell, false};
    const QChar first = cell.front();
    if (first == QLatin1Char('#')) return {cell.mid(1), true};
    if (first == QLatin1Char('+') || first == QLatin1Char('-') || (first >= QLatin1Char('0') && first <= QLatin1Char('9')))
        return {cell, true};
    const bool heatRecoveryClass = cell.size() == 2 && first == QLatin1Char('H') && cell[1] >= QLatin1Char('1') &&
                                   cell[1] <= QLatin1Char('6');
    return {cell, heatRecoveryClass};
}

} // namespace velmarsund
