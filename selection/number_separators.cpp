#include "number_separators.h"

#include <QLocale>

namespace velmarsund {
namespace {

NumberSeparators& Current() {
    static NumberSeparators separators = MakeUsableSeparators(SystemSeparators(), NumberSeparators{});
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

bool IsDecimalSeparator(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('\'');
}

bool IsThousandSeparator(QChar c) {
    return c.isNull() || c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('\'') ||
           c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

NumberSeparators MakeUsableSeparators(NumberSeparators separators, NumberSeparators fallback) {
    // What is allowed is listed, not what is refused: a zero-width space, a soft hyphen or a
    // combining accent would make -12.0 read as -120.
    if (!IsDecimalSeparator(separators.decimal))
        separators.decimal = IsDecimalSeparator(fallback.decimal) ? fallback.decimal : QLatin1Char('.');
    const QChar t = separators.thousand;
    if (!IsThousandSeparator(t) || t == separators.decimal)
        separators.thousand = separators.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return separators;
}

} // namespace velmarsund
