#pragma once
// Fills the placeholders of a text from the text table.

#include <QString>
#include <QStringList>

namespace velmarsund {

// Replaces the placeholders %s, %g and %d of `pattern` in order by `args` (already formatted by
// the caller with the program's separators); "%%" is a percent sign. Missing arguments leave
// their placeholder empty, extra ones are ignored.
QString FormatText(const QString& pattern, const QStringList& args);

// The placeholders of `pattern` in order, e.g. "sg" for "%s .. %g".
QString Placeholders(const QString& pattern);

} // namespace velmarsund
