#pragma once
// The texts the rotor panel's lists show, in the current language.

#include <QString>

namespace velmarsund {

// The housing list entry of a series, e.g. "HXL - Aluminium"; empty for an index that names none.
QString HousingListText(int seriesIndex);

// The matrix-type list entry, e.g. "Enthalpy Rotor E"; empty for an index that names none.
QString MatrixTypeListText(int matrixTypeIndex);

} // namespace velmarsund
