#include "size_evaluation.h"

#include "daten_rwt.h"
#include "designation.h"
#include "math_error.h"
#include "size_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velmarsund {
namespace {

// 2000 × sqrt(share) rounded to the nearest whole number, halves to even. A flow that is negative
// or too large has no such diameter: an arithmetic error, as the square root of a negative number is.
long RoundedDiameter(double share) { return checked::RoundToInt(2000 * checked::Sqrt(share)); }

} // namespace

long LowestSuitableDiameter(double largerFlow)
{
    return RoundedDiameter(2 * largerFlow / (5 * std::numbers::pi) / 3600);
}

long HighestSuitableDiameter(double smallerFlow)
{
    return RoundedDiameter(2 * smallerFlow / std::numbers::pi / 3600);
}

SizeEvaluation EvaluateSizes(const TDatenRWT& original, int seriesIndex, const std::string& profile,
                             bool useAhriEffectiveness)
{
    TDatenRWT r = original;
    r.Update();
    const double v11 = r.State11.AVol;
    const double v21 = r.State21.AVol;
    SizeEvaluation e;
    try {
        e.dLow = LowestSuitableDiameter(std::max(v11, v21));
        e.dHigh = HighestSuitableDiameter(std::min(v11, v21));
    } catch (const MathError&) {
        // A negative or unbounded flow suits no wheel: with the range 0 … 0 every size is shown
        // as unsuitable.
        e.dLow = 0;
        e.dHigh = 0;
    }

    std::string prefix;
    try {
        prefix = BuildDesignation(seriesIndex, r.MatrixType, profile, 0, 0, 0).DesignationPrefix;
    } catch (const std::invalid_argument&) {
        return e; // no such series or matrix type: no sizes
    }
    e.selected = 0;
    bool anySuitable = false;
    for (const std::string& entry : LoadSizeTable(seriesIndex)) {
        const auto size = ParseSizeRow(entry);
        if (!size) continue;
        SizeEvaluationRow row;
        row.designation = prefix + "-" + SizeListEntry(*size);
        row.height = size->Height;
        row.width = size->Width;
        row.diameter = size->Diameter;
        // Every size is calculated in table order, as the record runs from one to the next.
        r.Diameter = size->Diameter;
        r.Calculate();
        row.status = r.Status;
        row.suitable = size->Diameter >= e.dLow && size->Diameter <= e.dHigh && r.Status == 0;
        if (row.suitable) {
            row.vMax = std::max(r.FaceVelocity1, r.FaceVelocity2);
            row.dpMax = std::max(r.DeltaP1, r.DeltaP2);
            row.phi1 = useAhriEffectiveness ? r.AhriSensible1 : r.TempEff1;
            row.t12 = r.State12.Temp;
            row.psi1 = r.HumEff1;
            e.selected = static_cast<int>(e.rows.size());
            anySuitable = true;
        }
        e.rows.push_back(row);
    }
    if (!anySuitable) e.selected = 0;
    return e;
}

} // namespace velmarsund
