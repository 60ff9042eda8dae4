#pragma once
// The one way a selection is calculated, for the window's Calculate command, the preselection,
// rotorsheet and the tests alike: the wheel the housing takes, the geometry check, the
// plausibility check, the calculation and energy class of each season shown, the weight and the
// leakage with the selection's choices. Messages are in the current language.

#include "daten_rwt.h"
#include "designation.h"
#include "leakage_view.h"
#include "panel_geometry.h"
#include "plausibility_check.h"
#include "selection.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmarsund {

// A selection that is not calculated, with the program's message and the selection file's fields
// it concerns.
class SelectionNotCalculated : public std::runtime_error {
  public:
    enum class Reason { Geometry, Plausibility, Calculation };
    SelectionNotCalculated(Reason reason, std::string fields, const QString& message, const QString& caption);
    Reason Why() const { return reason_; }
    const std::string& Fields() const { return fields_; }
    const QString& Message() const { return message_; }
    const QString& Caption() const { return caption_; } // "Error!" or "Attention!"

  private:
    Reason reason_;
    std::string fields_;
    QString message_;
    QString caption_;
};

struct CalculatedSelection {
    Selection selection; // as calculated: the wheel is one the housing takes
    std::vector<SelectionAdjustment> adjustments;
    TDatenRWT winter;                // calculated
    std::optional<TDatenRWT> summer; // calculated, when the summer case is shown
    PanelGeometry geometry;
    Designation designation;
    PlausibilityReport check; // its warnings go on the data sheet
    QString winterCaption;    // as shown: the selection's or the language's
    QString summerCaption;
    int weightKg = 0;
    LeakageView leakage; // for the selection's leakage choices
};

// The season caption as shown: the selection's own, or the language's "Heating" / "Cooling".
QString WinterCaptionOf(const Selection& selection);
QString SummerCaptionOf(const Selection& selection);

// The wheel diameter the housing takes: the selection's, or the largest of the housing when the
// selection's is larger.
std::int32_t KeptDiameterOf(const Selection& selection);

// A season's record before its calculation: the air as entered, the rotor from the catalogue
// (matrix type with its speed, the profile's foil, height and pitch, the wheel).
TDatenRWT SeasonRecordOf(const Selection& selection, const SeasonInlets& inlets);

// The leakage window's selection for a calculated winter record.
LeakageSelection LeakageSelectionOf(const CalculatedSelection& calculated);

// Calculates the selection; raises SelectionNotCalculated when a check refuses it or the
// calculation fails.
CalculatedSelection CalculateSelection(const Selection& selection);

} // namespace velmarsund
