#pragma once
// Entry field for a real value, shown in the general, fixed or number format with the program's
// separators.

#include "num_edit_base.h"
#include "number_format.h"

namespace velmarsund {

class TNumEdit : public TNumEditBase {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // The committed number; a modified text is parsed first (ConversionError when it is no
    // number, the stored value then stays).
    double Value();
    // Stores the number and writes the text; no notification, no range check.
    void SetValue(double value);

    NumberFormat Format() const { return format_; }
    void SetFormat(NumberFormat format);
    int Digits() const { return digits_; }
    void SetDigits(int digits);
    int Precision() const { return precision_; }
    void SetPrecision(int precision);

protected:
    void ParseModifiedText() override;
    void WriteText() override;

private:
    double value_ = 0;
    NumberFormat format_ = NumberFormat::Fixed;
    int digits_ = 2;
    int precision_ = 10;
};

} // namespace velmarsund
