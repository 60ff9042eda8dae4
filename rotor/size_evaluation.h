#pragma once
// Every standard size of a housing series at the current air conditions: the range of suitable
// wheel diameters from the two air flows, and for each suitable size the face velocity, pressure
// drop, efficiencies and supply-air temperature of the rotor in that size. The preselection window
// and rotorcalc's sizes mode both show this.

#include <string>
#include <vector>

namespace velmarsund {

class TDatenRWT;

struct SizeEvaluationRow {
    std::string designation; // e.g. HXL-E-E20-600/750-505
    int height = 0;          // mm
    int width = 0;
    int diameter = 0;
    // Within DLow .. DHigh and calculated without failure.
    bool suitable = false;
    int status = 0;          // the record's Status after the calculation of this size
    // Of a suitable size, internal units:
    double vMax = 0;  // the larger face velocity, m/s
    double dpMax = 0; // the larger pressure drop, Pa
    double phi1 = 0;  // AhriSensible1 with the AHRI option, else TempEff1, %
    double t12 = 0;   // supply-air temperature, °C
    double psi1 = 0;  // HumEff1, %
};

struct SizeEvaluation {
    long dLow = 0;  // mm: the larger flow passes half the face at 5 m/s
    long dHigh = 0; // mm: the smaller flow passes half the face at 1 m/s
    int selected = 0; // the largest suitable size, else the first
    std::vector<SizeEvaluationRow> rows;
};

// The diameters of the suitable range for two actual volume flows in m³/h, rounded to whole mm
// with halves to even.
// Both raise MathError for a flow that is negative or gives no diameter within an int.
long LowestSuitableDiameter(double largerFlow);
long HighestSuitableDiameter(double smallerFlow);

// Evaluates the sizes of a series on a copy of `record` (its air, matrix and profile; Update is run
// first, so that the inlet states are current); `profile` names the sizes. The record itself is
// left as it was.
SizeEvaluation EvaluateSizes(const TDatenRWT& record, int seriesIndex, const std::string& profile,
                             bool useAhriEffectiveness);

} // namespace velmarsund
