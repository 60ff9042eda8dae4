#pragma once
// Entry field for a 32-bit integer, written in plain decimal digits.

#include "num_edit_base.h"

namespace velmarsund {

class TIntEdit : public TNumEditBase {
    Q_OBJECT
public:
    explicit TIntEdit(QWidget* parent = nullptr);

    // The committed number; a modified text is parsed first (ConversionError when it is no
    // integer, the stored value then stays).
    int Value();
    // Stores the number and writes the text; no notification, no range check.
    void SetValue(int value);

protected:
    void ParseModifiedText() override;
    void WriteText() override;

private:
    int value_ = 0;
};

} // namespace velmarsund
