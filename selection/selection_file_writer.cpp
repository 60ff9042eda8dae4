#include "selection_file_writer.h"

#include "air_completion.h"
#include "language.h"

#include <QSaveFile>

namespace velmarsund {
namespace {

using rotorsheet::Json;

// The flow quantity of an input kind; the window offers standard volume, actual volume and mass flow.
double AirStreamState::*VolumeMember(int kind) {
    switch (kind) {
    case ActualVolume:
        return &AirStreamState::AVol;
    case DryMassFlowGiven:
        return &AirStreamState::DryMassFlow;
    case MassFlowGiven:
        return &AirStreamState::MassFlow;
    default:
        return &AirStreamState::SVol;
    }
}

const char* VolumeName(int kind) {
    switch (kind) {
    case ActualVolume:
        return "AVol";
    case DryMassFlowGiven:
        return "DryMassFlow";
    case MassFlowGiven:
        return "MassFlow";
    default:
        return "SVol";
    }
}

// The two humidity quantities of the kinds the window offers besides the temperature.
struct HumidityName {
    const char* name;
    double AirStreamState::*member;
};

HumidityName HumidityOf(int kind) {
    switch (kind) {
    case AbsoluteHumidity:
        return {"X", &AirStreamState::X};
    case WetBulbTemperature:
        return {"WetBulb", &AirStreamState::WetBulb};
    default:
        return {"Humidity", &AirStreamState::Humidity};
    }
}

Json EnteredState(const AirStreamState& s, int humidityKind, int volumeKind) {
    Json j = Json::object();
    j[VolumeName(volumeKind)] = s.*VolumeMember(volumeKind);
    j["Temp"] = s.Temp;
    const HumidityName humidity = HumidityOf(humidityKind);
    j[humidity.name] = s.*humidity.member;
    return j;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The lines up to the last one that is not empty.
template <typename Lines> Json LinesJson(const Lines& lines) {
    auto end = lines.end();
    while (end != lines.begin() && (end - 1)->isEmpty())
        --end;
    Json j = Json::array();
    for (auto it = lines.begin(); it != end; ++it)
        j.push_back(Utf8(*it));
    return j;
}

std::string LanguageCode(LanguageNumber language) {
    const LanguageInfo* info = FindLanguage(language);
    return info && info->fileCode && *info->fileCode ? info->fileCode : "en";
}

} // namespace

Json SelectionJson(const rotorsheet::SheetRequest& s) {
    const TDatenRWT& winter = s.winter;
    const int humidityKind = winter.HumidityKind;
    const int volumeKind = winter.VolumeKind;
    Json j = Json::object();
    j["Format"] = rotorsheet::kSelectionFormat;
    j["Language"] = LanguageCode(s.language);
    j["Units"] = s.units == UnitSystem::IP ? "IP" : "SI";
    j["AirPressure"] = winter.AirPressure;
    j["HumidityKind"] = humidityKind;
    j["VolumeKind"] = volumeKind;
    j["SeriesIndex"] = s.seriesIndex;
    j["MatrixType"] = winter.MatrixType;
    j["Profile"] = s.profile;
    j["Height"] = s.height;
    j["Width"] = s.width;
    j["Diameter"] = winter.Diameter;
    j["State11"] = EnteredState(winter.State11, humidityKind, volumeKind);
    j["State21"] = EnteredState(winter.State21, humidityKind, volumeKind);
    j["UseSeasons"] = s.useSeasons;
    if (s.summer) {
        j["Summer"] = {{"State11", EnteredState(s.summer->State11, humidityKind, volumeKind)},
                       {"State21", EnteredState(s.summer->State21, humidityKind, volumeKind)}};
        j["ShowSummer"] = s.summerShown;
    }
    if (s.winterCaption) j["WinterCaption"] = Utf8(*s.winterCaption);
    if (s.summerCaption) j["SummerCaption"] = Utf8(*s.summerCaption);
    j["UseAhriEffectiveness"] = s.effectiveness.useAhriEffectiveness;
    j["TotalEffectiveness"] = s.effectiveness.totalEffectiveness;
    j["EnergyEfficiencyClass"] = s.effectiveness.energyEfficiencyClass;
    j["WetBulbOnDataSheet"] = s.wetBulbOnDataSheet;
    j["DecimalSeparator"] = Utf8(QString(s.separators.decimal));
    j["ThousandSeparator"] =
        s.separators.thousand.isNull() ? std::string() : Utf8(QString(s.separators.thousand));
    j["Mollier"] = s.mollier;
    j["PrintHeader"] = s.printHeader;
    j["Header"] = LinesJson(s.header);
    j["Notes"] = LinesJson(s.notes);
    j["ChartNotes"] = LinesJson(s.chartNotes);
    j["Leakage"] = {{"FanPosition1", s.leakage.fan1},       {"FanPosition2", s.leakage.fan2},
                    {"Pressure1", s.leakage.pressure1},     {"Pressure2", s.leakage.pressure2},
                    {"PurgeSector", s.leakage.purgeSector}, {"Details", s.leakage.details}};
    return j;
}

QByteArray SelectionFileBytes(const rotorsheet::SheetRequest& selection) {
    const std::string text = SelectionJson(selection).dump(2) + "\n";
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool WriteSelectionFile(const QString& path, const rotorsheet::SheetRequest& selection, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = SelectionFileBytes(selection);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace velmarsund
