#include "selection_file_messages.h"

#include "text_format.h"
#include "text_table.h"

namespace velmarsund {
namespace {

using request::RequestProblem;

constexpr TextId kCannotOpen = 600;
constexpr TextId kUnreadable = 601;
constexpr TextId kTooLarge = 602;
constexpr TextId kNoSelection = 603;
constexpr TextId kNewerFormat = 604;
constexpr TextId kWindowKeeps = 616;
constexpr TextId kOpenedWithChanges = 617;
constexpr TextId kTooLong = 640;
constexpr TextId kChange = 618;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString FieldReason(const SelectionRefused& r) {
    const QString field = Utf8(r.Field());
    QStringList values;
    for (const std::string& v : r.Values())
        values << Utf8(v);
    switch (r.Problem()) {
    case RequestProblem::UnknownField:
        return FormatText(LoadText(605), {field});
    case RequestProblem::Required:
        return FormatText(LoadText(606), {field});
    case RequestProblem::NotNumber:
        return FormatText(LoadText(607), {field});
    case RequestProblem::NotWholeNumber:
        return FormatText(LoadText(608), {field});
    case RequestProblem::NotBoolean:
        return FormatText(LoadText(609), {field});
    case RequestProblem::NotString:
        return FormatText(LoadText(610), {field});
    case RequestProblem::NotObject:
        return FormatText(LoadText(611), {field});
    case RequestProblem::NotArray:
        return FormatText(LoadText(612), {field});
    case RequestProblem::OutOfRange:
        return FormatText(LoadText(613), {field, values.value(0), values.value(1)});
    case RequestProblem::NotOffered:
        return FormatText(LoadText(614), {field, values.join(QStringLiteral(", "))});
    case RequestProblem::NewerFormat:
        return FormatText(LoadText(kNewerFormat), values);
    case RequestProblem::TooLong:
        return FormatText(LoadText(kTooLong), {field, values.value(0)});
    case RequestProblem::Invalid:
    case RequestProblem::Other:
        break;
    }
    return FormatText(LoadText(615), {field});
}

QString Reason(const SelectionRefused& r) {
    switch (r.Fault()) {
    case SelectionFault::Unreadable:
        return FormatText(LoadText(kUnreadable),
                          {Utf8(r.Values().empty() ? std::string() : r.Values().front())});
    case SelectionFault::TooLarge:
        return LoadText(kTooLarge);
    case SelectionFault::NotAFile:
    case SelectionFault::NotJson:
    case SelectionFault::NotRequest:
        return LoadText(kNoSelection);
    case SelectionFault::Field:
        return FieldReason(r);
    }
    return LoadText(kNoSelection);
}

} // namespace

QString RefusalMessage(const SelectionRefused& refused, const QString& fileName) {
    return FormatText(LoadText(kCannotOpen), {fileName}) + QLatin1Char('\n') + Reason(refused) +
           QLatin1Char('\n') + LoadText(kWindowKeeps);
}

QString AdjustmentMessage(const std::vector<SelectionAdjustment>& adjustments, const QString& fileName) {
    if (adjustments.empty()) return {};
    QString text = FormatText(LoadText(kOpenedWithChanges), {fileName});
    for (const SelectionAdjustment& a : adjustments)
        text +=
            QLatin1Char('\n') + FormatText(LoadText(kChange), {Utf8(a.field), Utf8(a.given), Utf8(a.shown)});
    return text;
}

} // namespace velmarsund
