#pragma once
// The preselection window of the rotor: every standard size of the selected series at the current
// air conditions, the largest suitable one proposed, the chosen one taken over by the rotor panel.
// The sizes are computed on a copy of the main window's winter record: its record and results
// stay as they are unless a size is taken over.

#include "form_baugroessen.h"
#include "size_evaluation.h"
#include "unit_system.h"

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

protected:
    void Transfer() override;
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();

    TFormRotor* main_;
    UnitSystem units_ = UnitSystem::SI;
    SizeEvaluation evaluation_;
};

} // namespace velmarsund
