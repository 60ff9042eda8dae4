#include "num_edit.h"

#include "number_parse.h"

namespace velmarsund {

TNumEdit::TNumEdit(QWidget* parent) : TNumEditBase(parent) { WriteText(); }

double TNumEdit::Value()
{
    ParseModifiedText();
    return value_;
}

void TNumEdit::SetValue(double value)
{
    value_ = value;
    WriteText();
}

void TNumEdit::SetFormat(NumberFormat format)
{
    format_ = format;
    WriteText();
}

void TNumEdit::SetDigits(int digits)
{
    digits_ = digits;
    WriteText();
}

void TNumEdit::SetPrecision(int precision)
{
    precision_ = precision;
    WriteText();
}

void TNumEdit::ParseModifiedText()
{
    if (isModified()) value_ = TextToNumber(text());
}

void TNumEdit::WriteText() { setText(FormatFloat(format_, value_, precision_, digits_)); }

} // namespace velmarsund
