#pragma once
// What the four result tables of the main window show: for every row its label, its unit and the
// text of a value, converted to the unit system and formatted with the table's decimals and the
// program's separators. The window only writes these texts into its grids.

#include "air_stream_state.h"
#include "result_grid_layout.h"
#include "unit_system.h"

#include <QString>

#include <array>

namespace velmarsund {

class TDatenREG;

// How the process-data table shows efficiencies (settings window, process-data page).
struct EffectivenessOptions {
    bool useAhriEffectiveness = false;  // ASHRAE 84 / AHRI 1060 instead of EN 308
    bool totalEffectiveness = false;    // with AHRI: the total effectiveness row
    bool energyEfficiencyClass = true;  // with EN 308: energy efficiency, class and ErP row

    bool operator==(const EffectivenessOptions&) const = default;
};

namespace InletRow {
constexpr int StreamHeadings = 0, StandardVolume = 1, MassFlow = 2, Heading = 3, ActualVolume = 4, Temperature = 5,
              RelativeHumidity = 6, HumidityRatio = 7, WetBulb = 8, Enthalpy = 9, Count = 10;
}
namespace VelocityRow {
constexpr int FaceVelocity = 0, PressureDrop = 1, PressureDropStd = 2, Count = 3;
}
namespace OutletRow {
constexpr int Heading = 0, ActualVolume = 1, Temperature = 2, RelativeHumidity = 3, HumidityRatio = 4, WetBulb = 5,
              Enthalpy = 6, Count = 7;
}
namespace ProcessRow {
constexpr int Efficiency = 0, HumidityEfficiency = 1, TotalOrClass = 2, ErpLot6 = 3, SensibleHeat = 4,
              LatentHeat = 5, TotalHeat = 6, MoistureRecovery = 7, WaterTransfer = 8, Count = 9;
}

using InletTexts = std::array<QString, InletRow::Count>;
using VelocityTexts = std::array<QString, VelocityRow::Count>;
using OutletTexts = std::array<QString, OutletRow::Count>;
using ProcessTexts = std::array<QString, ProcessRow::Count>;

InletTexts InletLabels();
InletTexts InletUnits(UnitSystem system);
// The values of one inlet state (State11 or State21).
InletTexts InletValues(const AirStreamState& inlet, UnitSystem system);

VelocityTexts VelocityLabels();
VelocityTexts VelocityUnits(UnitSystem system);
// A pressure drop above PressureDropShownLimit stays empty.
VelocityTexts VelocityValues(double faceVelocity, double deltaP, double deltaPStd, double pressureDropLimit,
                             UnitSystem system);
// The largest pressure drop in Pa that is shown: the recommended limit x 1.5, rounded.
double PressureDropShownLimit(double pressureDropLimit);

OutletTexts OutletLabels();
OutletTexts OutletUnits(UnitSystem system);
OutletTexts OutletValues(const AirStreamState& outlet, UnitSystem system);

ProcessTexts ProcessLabels(const EffectivenessOptions& options);
ProcessTexts ProcessUnits(UnitSystem system, const EffectivenessOptions& options);
// The column of one stream; rows 0 to 3 belong to the supply side, except the remark of the
// ErP row, which stands in the exhaust-side column.
ProcessTexts ProcessValues(const TDatenREG& record, Stream stream, UnitSystem system,
                           const EffectivenessOptions& options);
// "(2016 ready)" from 67 %, "(2018 ready)" from 73 % (the efficiency rounded to 1 decimal), else
// empty.
QString ErpReadyRemark(double tempEffBalanced);

} // namespace velmarsund
