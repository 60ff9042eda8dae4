#pragma once
// What the leakage window shows: the leakage record of a rotor selection calculated for the
// window's choices (fans, entered pressures, purge sector), and every text of its labels in the
// unit system, with the checks the window makes. The window writes these texts into its labels;
// the leakage page and rotorsheet take them from here too.

#include "leakage_choices.h"
#include "rot_leakage.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <string>

namespace velmarsund {

// What the leakage window takes from the main window's selection.
struct LeakageSelection {
    int housingCode = 1;        // 1 HXL, 2 HXG, 3 HXV, 10 HXK
    double v12 = 0;             // m³/h at standard density: the supply stream's standard volume flow
    double v21 = 0;             // the extract stream's
    int diameter = 0;           // mm
    double speed = 10;          // 1/min
    int matrixType = 1;
    std::string profileCode;    // matrix letter, "-" and the profile, e.g. E-E20
};

class TDatenRWT;

// The leakage window's selection of a calculated winter record in a housing (its code) with the
// shown profile (e.g. "E20"): both standard volume flows, the wheel, its speed and matrix, and the
// profile code of matrix letter and profile (e.g. "E-E20").
LeakageSelection LeakageSelectionOf(const TDatenRWT& winter, int housingCode, const std::string& profile);

// Every label the window fills, in the unit system; empty when the calculation failed.
struct LeakageTexts {
    QString dpS1, dpS2;                         // LB_dpS1, LB_dpS2: with their unit
    QString p11, p12, p21, p22;                 // LB_p_11 ...: without unit
    QString svol11, svol12, svol21, svol22;     // LB_SVol11, LB_SVol12, LB_Svol21, LB_SVol22: without unit
    QString rim11, rim12, rim21, rim22;         // LB_SL_Geh_AU, _ZU, _AB, _FO
    QString seal11, seal22, seal12, seal21;     // LB_SL_AU_FO, LB_SL_FO_AU, LB_SL_ZU_AB, LB_SL_AB_ZU
    QString carry11, carry22, carry12, carry21; // LB_CO_AU_FO, LB_CO_FO_AU, LB_CO_ZU_AB, LB_CO_AB_ZU
    QString purge11, purge22;                   // LB_Spuelluft_AU, LB_Spuelluft_FO (with its prefix)
    QString oacf, eatr;                         // LB_OACF, LB_EATR
    QString pressureUnit;                       // Label9: "Pa" or "in. WG"
    QString volumeUnit;                         // Label11: m³/h or "scfm"
    QString allAirVolumes;                      // LB_AlleLuftmengen: the note on the reference density

    bool operator==(const LeakageTexts&) const = default;
};

struct LeakageView {
    TDatenRotLeakage record;
    bool calculated = false;      // false when the calculation met an arithmetic error
    bool pressureTooHigh = false; // a difference across the seals above 2500 Pa
    bool purgeWarning = false;    // the purge air does not take away the carried-over air
    LeakageTexts texts;
};

// The fixed captions of the leakage window in the current language.
struct LeakageCaptions {
    QString outsideAir, supplyAir, extractAir, exhaustAir; // the four sections
    QString stream1, stream2;                              // "Outside air / Supply air", "Return air / Exhaust air"
    QString fanGroup;                                      // the fan group's title, a blank on each side
    std::array<QString, 2> fanItems;                       // draw through, blow through
    std::array<QString, 3> purgeItems;                     // "-", "2 x 2.5 Degrees", "2 x 5 Degrees"
    QString purgeSector;                                   // the purge list's caption
    QString purgeWarning;                                  // LB_SpuelkammerFunktion
};
LeakageCaptions CurrentLeakageCaptions();

// Calculates the leakage of a selection for the window's choices, with the window's gap widths
// and loss coefficients, and formats what the window shows (current language and separators).
LeakageView CalculateLeakageView(const LeakageSelection& selection, const LeakageChoices& choices,
                                 UnitSystem system);

} // namespace velmarsund
