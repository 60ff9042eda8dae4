#pragma once
// The leakage page: the schematic of the rotor between the two ducts with the pressures and flows
// of the four sections (and, with the details, every leakage, carry-over and purge flow), OACF and
// EATR, and below it the input data of the calculation. It prints the texts the leakage window
// shows; it formats only OACF, EATR, the speed and the gap widths itself.

#include "leakage_view.h"
#include "number_separators.h"
#include "page_frame.h"

#include <QString>

namespace velmarsund {

class PageCanvas;

struct LeakagePageValues {
    PageFrameValues frame; // language and version; never the offer header or notes

    LeakageTexts texts;    // the window's labels
    bool details = false;
    int fan1 = 0;
    int fan2 = 0;
    int purgeSector = 0;
    bool purgeWarningShown = false; // LB_SpuelkammerFunktion visible

    // The window's other captions as shown.
    QString outsideAir, supplyAir, extractAir, exhaustAir; // LB_Aussenluft, LB_Zuluft, LB_Abluft, LB_Fortluft
    QString stream1, stream2;                              // LB_AUZU, LB_ABFO
    QString fan1Text, fan2Text, purgeText;                 // the combos' shown texts
    QString purgeWarning;                                  // LB_SpuelkammerFunktion

    // Of the record and the main window.
    QString designation; // L_Baugroesse
    int diameter = 0;
    QString profileCode;
    double speed = 0;
    double gapCircumference = 0;
    double gapSeparation = 0;
    double oacf = 0;
    double eatr = 0;
    NumberSeparators separators;

    bool operator==(const LeakagePageValues&) const = default;
};

namespace LeakagePicture {
constexpr int OutsideAir = 1931, SupplyAir = 1932, ExtractAir = 1933, ExhaustAir = 1934;
constexpr int FanSupply = 1935, FanExhaust = 1936;
constexpr int RotorPurgeDetails = 1937, RotorDetails = 1938, RotorPurge = 1939, RotorPlain = 1940;
} // namespace LeakagePicture

// The page of what the leakage window shows for a selection and its choices (captions in the
// current language, numbers with the program's separators).
LeakagePageValues LeakagePageValuesOf(const LeakageView& view, const LeakageChoices& choices,
                                      const QString& designation, const PageFrameValues& frame);

// The rotor picture for a purge sector and the details switch.
int LeakageRotorPicture(int purgeSector, bool details);

void DrawLeakagePage(PageCanvas& canvas, const LeakagePageValues& values);

} // namespace velmarsund
