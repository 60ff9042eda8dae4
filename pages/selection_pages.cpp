#include "selection_pages.h"

#include "annual_selection.h"
#include "data_sheet_builder.h"
#include "designation.h"
#include "version_text.h"

#include <stdexcept>

namespace velmarsund {

PageFrameValues PageFrameOf(const Selection& s, const std::vector<QString>& notes)
{
    PageFrameValues frame;
    frame.language = s.language;
    frame.versionText = ProgramVersionText().shortForm;
    frame.calculationDate = CalculationDate();
    frame.printHeader = s.printHeader;
    frame.header = s.header;
    frame.notes = notes;
    frame.showNotes = true;
    return frame;
}

QString DesignationOf(const Selection& s)
{
    try {
        return QString::fromStdString(
            BuildDesignation(s.seriesIndex, s.matrixType, s.profile, s.height, s.width, s.diameter).ModelDesignation);
    } catch (const std::invalid_argument&) {
        return {};
    }
}

QString DocumentTitleOf(PageKind kind, const Selection& s)
{
    return DocumentTitle(PageKindText(kind, s.language), DesignationOf(s));
}

DataSheetValues DataSheetValuesOf(const CalculatedSelection& c)
{
    const Selection& s = c.selection;
    DataSheetSelection d;
    d.winter = &c.winter;
    d.summer = c.summer ? &*c.summer : nullptr;
    d.view = c.summer ? SeasonView::WinterAndSummer : SeasonView::WinterOnly;
    d.useSeasons = s.useSeasons;
    d.seriesIndex = s.seriesIndex;
    d.profile = QString::fromStdString(s.profile);
    d.height = s.height;
    d.width = s.width;
    d.units = s.units;
    d.effectiveness = s.effectiveness;
    d.wetBulbOnDataSheet = s.wetBulbOnDataSheet;
    d.winterCaption = c.winterCaption;
    d.summerCaption = c.summerCaption;
    d.checkMessages = c.check.messages;
    d.frame = PageFrameOf(s, s.notes);
    return BuildDataSheetValues(d);
}

LeakagePageValues LeakagePageValuesOf(const CalculatedSelection& c)
{
    const Selection& s = c.selection;
    // As on the leakage window's activation: each entered pressure takes the sign of its fan.
    LeakageChoices choices = s.leakage;
    choices.pressure1 = SignedForFan(choices.pressure1, choices.fan1);
    choices.pressure2 = SignedForFan(choices.pressure2, choices.fan2);
    // The leakage page prints neither the offer header nor notes.
    PageFrameValues frame;
    frame.language = s.language;
    frame.versionText = ProgramVersionText().shortForm;
    frame.calculationDate = CalculationDate();
    return LeakagePageValuesOf(c.leakage, choices, QString::fromStdString(c.designation.ModelDesignation), frame);
}

AnnualPageValues AnnualPageValuesOf(const CalculatedSelection& c, const WeatherYear& weather,
                                    const AnnualResults& results) {
    const Selection& s = c.selection;
    AnnualPageValues v;
    v.frame = PageFrameOf(s, {});
    v.frame.showNotes = false;
    v.designation = QString::fromStdString(c.designation.ModelDesignation);
    v.units = s.units;
    v.separators = ProgramSeparators();
    v.inputs = s.annual.value_or(AnnualInputs{});
    QStringList place;
    for (const std::string* part :
         {&weather.location.city, &weather.location.region, &weather.location.country})
        if (!part->empty() && *part != "-") place << QString::fromStdString(*part);
    v.location = place.join(QStringLiteral(", "));
    v.coolingExtractTemp = AnnualAirOf(c).coolingExtractTemp;
    v.results = results;
    v.temps.reserve(weather.hours.size());
    for (const WeatherHour& h : weather.hours)
        v.temps.push_back(h.temp);
    return v;
}

DescriptionValues ProductDescriptionOf(const Selection& s)
{
    DescriptionValues v =
        ProductDescriptionValues(s.language, s.seriesIndex, DesignationOf(s), ProgramVersionText().shortForm);
    v.frame.calculationDate = CalculationDate();
    return v;
}

DescriptionValues ControllerDescriptionOf(const Selection& s)
{
    DescriptionValues v = ControllerDescriptionValues(s.language, ProgramVersionText().shortForm);
    v.frame.calculationDate = CalculationDate();
    return v;
}

} // namespace velmarsund
