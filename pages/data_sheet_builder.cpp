#include "data_sheet_builder.h"

#include "daten_rwt.h"
#include "designation.h"
#include "panel_geometry.h"
#include "panel_texts.h"
#include "panel_weight.h"

#include <stdexcept>

namespace velmarsund {

void TakeWinterRecord(DataSheetValues& v, const TDatenRWT& winter)
{
    v.matrixType = winter.MatrixType;
    v.airPressure = winter.AirPressure;
    v.speed = winter.Speed;
    v.foilThickness = winter.FoilThickness;
    v.profileHeight = winter.ProfileHeight;
    v.wheelDepth = winter.WheelDepth;
    v.diameter = winter.Diameter;
    v.faceVelocity1 = winter.FaceVelocity1;
    v.faceVelocity2 = winter.FaceVelocity2;
}

DataSheetValues BuildDataSheetValues(const DataSheetSelection& s)
{
    const TDatenRWT& winter = *s.winter;
    const TDatenRWT* summer = s.view == SeasonView::WinterAndSummer ? s.summer : nullptr;
    DataSheetValues v;
    v.frame = s.frame;
    v.frame.showNotes = true;

    ResultTablesInput tables;
    tables.winter = &winter;
    tables.summer = summer;
    tables.view = s.view;
    tables.units = s.units;
    tables.effectiveness = s.effectiveness;
    tables.pressureDropLimit = s.pressureDropLimit;
    tables.resultsValid = true;
    v.tables = BuildResultTables(tables);
    v.hint = FrostHint(winter, summer);
    v.headings = StreamHeadings();
    v.winterCaption = s.winterCaption;
    v.summerCaption = s.summerCaption;

    const PanelGeometry geometry = ComputePanelGeometry(s.height, s.width, s.seriesIndex);
    try {
        v.designation = QString::fromStdString(BuildDesignation(s.seriesIndex, winter.MatrixType,
                                                                s.profile.toStdString(), s.height, s.width,
                                                                winter.Diameter)
                                                   .ModelDesignation);
    } catch (const std::invalid_argument&) {
    }
    v.seriesIndex = s.seriesIndex;
    v.seriesText = HousingListText(s.seriesIndex);
    v.profileText = s.profile;
    v.height = s.height;
    v.width = s.width;
    v.depth = geometry.Depth;
    v.heightText = QString::number(s.height);
    v.widthText = QString::number(s.width);
    v.depthText = QString::number(geometry.Depth);
    v.diameterText = QString::number(winter.Diameter);

    TakeWinterRecord(v, winter);

    v.units = s.units;
    v.view = s.view;
    v.useSeasons = s.useSeasons;
    v.wetBulbOnDataSheet = s.wetBulbOnDataSheet;
    v.effectiveness = s.effectiveness;
    v.checkMessages = s.checkMessages;
    v.separators = ProgramSeparators();
    v.weightKg = PanelRotorWeight(geometry.HousingCode, s.height, s.width, geometry.Depth, winter.Diameter, winter);
    return v;
}

} // namespace velmarsund
