#pragma once
// The keys the main window's air-stream level keeps in its section of the settings file: the
// efficiency and chart options, the air pressure, the input kinds, the seasons option and the
// last air conditions of both seasons, which are always kept as standard volume (m3/h),
// temperature (degC) and relative humidity (%), whatever the input kinds.

#include "ini_datei.h"

#include <array>

namespace velmarsund {

// One inlet as the settings file keeps it.
struct TAirInletSetting {
    double svol = 0;     // m3/h
    double temp = 0;     // degC
    double humidity = 0; // %
};

namespace AirInlet {
// Index into TProduktSettings::inlets: the keys SVol11, SVol21, SVol11_S, SVol21_S and their
// temperature and humidity keys.
constexpr int Winter11 = 0, Winter21 = 1, Summer11 = 2, Summer21 = 3;
} // namespace AirInlet

struct TProduktSettings {
    bool useAhriEffectiveness = false;  // EU
    bool totalEffectiveness = false;    // TotalEff
    bool energyEfficiencyClass = true;  // HCLASS
    bool wetBulbOnDataSheet = false;    // WB_DB
    bool mollier = true;                // Mollier: h,x diagram, else psychrometric chart
    double airPressure = 1013;          // pbar, mbar
    int airVolumeKind = 0;              // AirQuant
    int humidityKind = 0;               // AirState
    bool useSeasons = false;            // Seasons
    std::array<TAirInletSetting, 4> inlets{{{10000, -12, 90}, {10000, 22, 40}, {10000, 32, 40}, {10000, 22, 50}}};
};

constexpr double kMinAirPressure = 600;  // mbar
constexpr double kMaxAirPressure = 1100; // mbar

// Reads the keys with their defaults: the air pressure limited to 600 .. 1100 mbar; a stored
// mass-flow kind (3), like any kind the window does not offer, reads as 0; volumes rounded to
// whole numbers, temperatures and humidities to 2 decimals.
TProduktSettings ReadProduktSettings(const TIniDatei& ini, const QString& section);

void WriteProduktSettings(TIniDatei& ini, const QString& section, const TProduktSettings& settings);

} // namespace velmarsund
