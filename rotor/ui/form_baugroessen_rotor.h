#pragma once
// The preselection window of the rotor: every standard size of the selected series at the current
// air conditions, the largest suitable one proposed, the chosen one taken over by the rotor panel.
// The sizes are computed on a copy of the main window's winter record: its record and results
// stay as they are unless a size is taken over. A selection with an annual block adds each
// size's heating saved and fan energy in the year, computed on copies of the selection.

#include "annual_energy.h"
#include "form_baugroessen.h"
#include "selection.h"
#include "size_evaluation.h"
#include "unit_system.h"

#include <optional>
#include <vector>

namespace velmarsund {

class TFormRotor;

class TFormBaugroessen_Rotor : public TFormBaugroessen {
    Q_OBJECT
public:
    explicit TFormBaugroessen_Rotor(TFormRotor* main);

    // Fills the table for the main window's selection in `units` and shows the window modally.
    void Show(UnitSystem units);
    // Fills the table without showing it.
    void Fill(UnitSystem units);

    const SizeEvaluation& Evaluation() const { return evaluation_; }
    // The year of each size when the annual columns are shown.
    const std::optional<std::vector<std::optional<AnnualFigures>>>& SizeYears() const { return annual_; }

protected:
    void Transfer() override;
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();
    // The years of the sizes for a selection with an annual block whose weather file reads, with a
    // progress window while they take longer than half a second; none otherwise (a weather file
    // that does not read is reported).
    std::optional<std::vector<std::optional<AnnualFigures>>> SizeYearsOf(const Selection& selection);

    TFormRotor* main_;
    UnitSystem units_ = UnitSystem::SI;
    SizeEvaluation evaluation_;
    std::optional<std::vector<std::optional<AnnualFigures>>> annual_;
};

} // namespace velmarsund
