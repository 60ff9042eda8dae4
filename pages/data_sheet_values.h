#pragma once
// Everything the data sheet prints, as one plain value: the cell texts of the four result tables,
// the texts of the headings, captions and panel fields, the switches, the findings of the last
// check, the weight and the few record fields the page formats itself. The main window fills it
// from its controls; a program without windows fills it from the core (data_sheet_builder.h).

#include "number_separators.h"
#include "page_frame.h"
#include "plausibility_check.h"
#include "result_tables.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <cstdint>

namespace velmarsund {

struct DataSheetValues {
    PageFrameValues frame; // with the data-sheet notes

    ResultTables tables;
    QString hint;                    // LB_Hinweis
    std::array<QString, 2> headings; // LB_Zuluft, LB_Abluft
    QString winterCaption;           // Edit_Winter
    QString summerCaption;           // Edit_Sommer

    QString designation;   // L_Baugroesse, the ModelDesignation
    int seriesIndex = 0;   // of Combo_RahmenMaterial: 0 HXL, 1 HXG, 2 HXV, 3 HXK
    QString seriesText;    // its shown text, e.g. "HXL - Aluminium"
    QString profileText;   // Combo_Rotorprofil, e.g. "E20"
    QString heightText;    // Edit_Hoehe
    QString widthText;     // Edit_Breite
    QString diameterText;  // Edit_Rad
    QString depthText;     // L_Tiefe
    std::int64_t height = 0; // the housing in mm, for the inch lines
    std::int64_t width = 0;
    std::int64_t depth = 0;

    // Of the winter record.
    int matrixType = 0;
    double airPressure = 1013;
    double speed = 0;
    double foilThickness = 0;
    double profileHeight = 0;
    int wheelDepth = 0;
    int diameter = 0;
    double faceVelocity1 = 0;
    double faceVelocity2 = 0;

    UnitSystem units = UnitSystem::SI;
    SeasonView view = SeasonView::WinterOnly;
    bool useSeasons = false;
    bool wetBulbOnDataSheet = false;
    EffectivenessOptions effectiveness;
    CheckMessages checkMessages;
    int weightKg = 0;
    // The numbers the page formats itself are written with these.
    NumberSeparators separators;

    bool operator==(const DataSheetValues&) const = default;
};

} // namespace velmarsund
