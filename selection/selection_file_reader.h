#pragma once
// Reading a selection file for the window: the bytes must be one selection (a saved selection,
// or a rotorsheet request a script wrote) that the window can show. Anything else is refused with the
// field it concerns, so that the window can say so and keep what it has. Values the window would
// change on its own (a wheel above the largest of the housing) are taken as the window takes them
// and listed, never changed silently.

#include "request_reader.h"
#include "selection.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace velmarsund {

// Why a file opens nothing.
enum class SelectionFault {
    Unreadable, // values: the system's reason
    NotAFile,   // a folder, a pipe, a device: nothing that holds a selection
    TooLarge,   // no selection is this large
    NotJson,    // damaged, or no text of ours
    NotRequest, // JSON, but not one request object (an array of requests, a number ...)
    Field,      // a field is wrong: see problem, field and values
};

class SelectionRefused : public std::runtime_error {
  public:
    SelectionRefused(SelectionFault fault, const std::string& what, request::RequestProblem problem = {},
                     std::string field = {}, std::vector<std::string> values = {});
    SelectionFault Fault() const { return fault_; }
    request::RequestProblem Problem() const { return problem_; }
    const std::string& Field() const { return field_; }
    const std::vector<std::string>& Values() const { return values_; }

  private:
    SelectionFault fault_;
    request::RequestProblem problem_;
    std::string field_;
    std::vector<std::string> values_;
};

struct OpenedSelection {
    Selection selection; // with the adjustments made
    std::vector<SelectionAdjustment> adjustments;
};

// The largest selection file that is read, bytes.
inline constexpr qsizetype kMaxSelectionFileBytes = 1024 * 1024;

// The input kinds the window offers: relative humidity, humidity ratio, wet bulb; standard
// volume, actual volume, mass flow.
bool WindowOffersHumidityKind(int kind);
bool WindowOffersVolumeKind(int kind);
// The summer temperatures the window's entry fields take, degC.
inline constexpr double kSummerTempMin = -30;
inline constexpr double kSummerTempMax = 80;

// Reads the bytes of a selection file; raises SelectionRefused.
OpenedSelection ReadSelection(const QByteArray& bytes);
// Reads the file at `path`, a regular file or a link to one, without ever waiting for a writer
// (a pipe named as a selection must not hold up the window); raises SelectionRefused.
OpenedSelection ReadSelectionFile(const QString& path);

} // namespace velmarsund
