#include "produkt_settings.h"

#include "air_completion.h"
#include "number_rounding.h"

#include <algorithm>

namespace velmarsund {
namespace {

QString Key(const char* name) { return QString::fromLatin1(name); }

// SVol11, SVol21, SVol11_S, SVol21_S (and the same for Temp and Humidity).
QString InletKey(const char* quantity, int inlet)
{
    const bool summer = inlet == AirInlet::Summer11 || inlet == AirInlet::Summer21;
    const bool exhaust = inlet == AirInlet::Winter21 || inlet == AirInlet::Summer21;
    return Key(quantity) + (exhaust ? QStringLiteral("21") : QStringLiteral("11")) +
           (summer ? QStringLiteral("_S") : QString());
}

} // namespace

TProduktSettings ReadProduktSettings(const TIniDatei& ini, const QString& section)
{
    const TProduktSettings d;
    TProduktSettings s;
    s.useAhriEffectiveness = ini.ReadBool(section, Key("EU"), d.useAhriEffectiveness);
    s.totalEffectiveness = ini.ReadBool(section, Key("TotalEff"), d.totalEffectiveness);
    s.energyEfficiencyClass = ini.ReadBool(section, Key("HCLASS"), d.energyEfficiencyClass);
    s.wetBulbOnDataSheet = ini.ReadBool(section, Key("WB_DB"), d.wetBulbOnDataSheet);
    s.mollier = ini.ReadBool(section, Key("Mollier"), d.mollier);
    s.airPressure = std::clamp(ini.ReadFloat(section, Key("pbar"), d.airPressure), kMinAirPressure, kMaxAirPressure);
    const int volumeKind = ini.ReadInteger(section, Key("AirQuant"), d.airVolumeKind);
    s.airVolumeKind = volumeKind == ActualVolume ? ActualVolume : StandardVolume;
    const int humidityKind = ini.ReadInteger(section, Key("AirState"), d.humidityKind);
    s.humidityKind = humidityKind == AbsoluteHumidity || humidityKind == WetBulbTemperature ? humidityKind
                                                                                           : RelativeHumidity;
    s.useSeasons = ini.ReadBool(section, Key("Seasons"), d.useSeasons);
    for (int i = 0; i < 4; ++i) {
        const TAirInletSetting& def = d.inlets[static_cast<std::size_t>(i)];
        TAirInletSetting& in = s.inlets[static_cast<std::size_t>(i)];
        in.svol = RoundTo(ini.ReadFloat(section, InletKey("SVol", i), def.svol), 0);
        in.temp = RoundTo(ini.ReadFloat(section, InletKey("Temp", i), def.temp), 2);
        in.humidity = RoundTo(ini.ReadFloat(section, InletKey("Humidity", i), def.humidity), 2);
    }
    return s;
}

void WriteProduktSettings(TIniDatei& ini, const QString& section, const TProduktSettings& s)
{
    ini.WriteBool(section, Key("EU"), s.useAhriEffectiveness);
    ini.WriteBool(section, Key("TotalEff"), s.totalEffectiveness);
    ini.WriteBool(section, Key("WB_DB"), s.wetBulbOnDataSheet);
    ini.WriteBool(section, Key("HCLASS"), s.energyEfficiencyClass);
    ini.WriteBool(section, Key("Seasons"), s.useSeasons);
    ini.WriteBool(section, Key("Mollier"), s.mollier);
    ini.WriteFloat(section, Key("pbar"), s.airPressure);
    ini.WriteInteger(section, Key("AirQuant"), s.airVolumeKind);
    ini.WriteInteger(section, Key("AirState"), s.humidityKind);
    for (int i = 0; i < 4; ++i) {
        const TAirInletSetting& in = s.inlets[static_cast<std::size_t>(i)];
        ini.WriteFloat(section, InletKey("SVol", i), in.svol);
        ini.WriteFloat(section, InletKey("Temp", i), in.temp);
        ini.WriteFloat(section, InletKey("Humidity", i), in.humidity);
    }
}

} // namespace velmarsund
