#include "number_separators.h"

#include <QLocale>

namespace velmarsund {
namespace {

bool ClashesWithNumbers(QChar c)
{
    return c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('e') ||
           c == QLatin1Char('E');
}

NumberSeparators& Current()
{
    static NumberSeparators separators =
        MakeUsableSeparators(SystemSeparators(), NumberSeparators{});
    return separators;
}

} // namespace

NumberSeparators SystemSeparators()
{
    const QLocale locale = QLocale::system();
    NumberSeparators result;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1) result.decimal = decimal.front();
    result.thousand = group.size() == 1 ? group.front() : QChar();
    return result;
}

const NumberSeparators& ProgramSeparators() { return Current(); }

void SetProgramSeparators(NumberSeparators separators)
{
    Current() = MakeUsableSeparators(separators, Current());
}

NumberSeparators MakeUsableSeparators(NumberSeparators separators, NumberSeparators fallback)
{
    const auto usableDecimal = [](QChar c) {
        return !c.isNull() && !ClashesWithNumbers(c) && !c.isSpace() && c.category() != QChar::Other_Control &&
               !c.isSurrogate();
    };
    if (!usableDecimal(separators.decimal))
        separators.decimal = usableDecimal(fallback.decimal) ? fallback.decimal : QLatin1Char('.');
    const QChar t = separators.thousand;
    if (!t.isNull() && (ClashesWithNumbers(t) || t == separators.decimal || t.isSurrogate() ||
                        t.category() == QChar::Other_Control))
        separators.thousand = separators.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return separators;
}

} // namespace velmarsund
