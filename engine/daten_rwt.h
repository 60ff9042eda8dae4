#pragma once
// The rotor calculation records: TDatenREG adds the rotor and its results to the two-stream
// record, TDatenRWT runs the rotor calculation.

#include "daten.h"

#include <cstdint>
#include <string>

namespace velmarsund {

class TDatenREG : public TDatenII {
public:
    void SwapAll() override;

    std::uint8_t MatrixType = 1;   // MatrixTypeCode
    double SensibleHeat1 = 0;      // kW gained by stream 1 (negative when given up)
    double SensibleHeat2 = 0;
    double LatentHeat1 = 0;        // kW
    double LatentHeat2 = 0;
    double WaterTransfer1 = 0;     // kg/h taken up by stream 1
    double WaterTransfer2 = 0;
    std::int32_t Diameter = 0;     // mm
    double FoilThickness = 0.08;   // mm
    double ProfileHeight = 1.9;    // mm
    double Speed = 10;             // 1/min
    std::int32_t WheelDepth = 200; // mm
    double TempEff1 = 0;           // % (EN 308)
    double TempEff2 = 0;
    double HumEff1 = 0;            // % (EN 308)
    double HumEff2 = 0;
    double AhriSensible1 = 0;      // % (ASHRAE 84 / AHRI 1060)
    double AhriLatent1 = 0;
    double AhriTotal1 = 0;
    double AhriSensible2 = 0;
    double AhriLatent2 = 0;
    double AhriTotal2 = 0;
    double TotalHeat1 = 0;         // kW
    double TotalHeat2 = 0;
    double Condensate1 = 0;        // kg/h
    double Condensate2 = 0;
    double EnergyEff = 0;          // % (DIN EN 13053)
    std::string HClassText;        // "H1" .. "H6"
    std::uint8_t HClass = 0;       // 1 .. 6
    std::string HClassLabel;       // e.g. "73.4% / H1"
    double TempEffBalanced = 0;    // % at the test conditions of the energy class
    double ProfilePitch = 5.2;     // mm
};

class TDatenRWT : public TDatenREG {
public:
    void Update() override;
    void Calculate() override;

    // Energy efficiency and heat-recovery class at the test conditions (balanced flows).
    // Fills EnergyEff, HClass, HClassText, HClassLabel, TempEffBalanced; an arithmetic
    // failure reaches the caller as MathError and leaves those fields as they were.
    void CalcEnergyClass(char decimalSeparator = '.');

private:
    void RotorCalculation();
    void TransferHeatAndMoisture();
};

} // namespace velmarsund
