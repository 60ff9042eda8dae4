#include "int_edit.h"

#include "number_parse.h"

namespace velmarsund {

TIntEdit::TIntEdit(QWidget* parent) : TNumEditBase(parent) { WriteText(); }

int TIntEdit::Value()
{
    ParseModifiedText();
    return value_;
}

void TIntEdit::SetValue(int value)
{
    value_ = value;
    WriteText();
}

void TIntEdit::ParseModifiedText()
{
    if (isModified()) value_ = TextToInteger(text());
}

void TIntEdit::WriteText() { setText(QString::number(value_)); }

} // namespace velmarsund
