#pragma once
// The settings window's working copy and its rules, without widgets: the unit flag with the
// pressure and altitude shown in its units, the pressure-altitude coupling, the input kinds and
// their list indices, the effectiveness choice and the separators taken on OK. The window reads
// its controls, calls these and writes the results back.

#include "convert_unit.h"
#include "options_values.h"

#include <QString>

namespace velmarsund {

struct TValueRange {
    double min = 0;
    double max = 0;
};

// The list index of an input kind and back: index 0, 1, 2 stands for the air-volume kinds 0, 1, 3
// and for the humidity kinds 0, 1, 7. A kind the lists do not offer shows as index 0; an index
// outside the lists gives kind 0.
int AirVolumeKindOfIndex(int index);
int IndexOfAirVolumeKind(int kind);
int HumidityKindOfIndex(int index);
int IndexOfHumidityKind(int kind);

// The separators typed into the two one-character fields. An empty field keeps the separator of
// `previous`: the window has no character to take, and clearing a field is no way to choose "none".
// The characters are taken as typed; making the pair usable is left to SetProgramSeparators.
NumberSeparators TakeSeparators(const QString& decimalText, const QString& thousandText,
                                const NumberSeparators& previous);

class TOptionsModel {
public:
    // Takes the main window's values as the working copy.
    void Open(const TOptionsValues& current);
    // The working copy with the separators of the two fields, as handed back on OK.
    TOptionsValues Result(const QString& decimalText, const QString& thousandText) const;

    // Unit flag. The pressure is kept in mbar and the altitude in m whatever the flag; the shown
    // values, ranges and unit labels follow the flag.
    UnitSystem Units() const { return values_.unitSystem; }
    void ChangeUnits(UnitSystem units) { values_.unitSystem = units; }
    double Pressure() const { return values_.airPressure; } // mbar
    double Altitude() const { return altitude_; }           // m
    double ShownPressure() const;                           // mbar or atm
    double ShownAltitude() const;                           // m or ft
    TValueRange PressureRange() const;                      // in the shown unit
    TValueRange AltitudeRange() const;                      // in the shown unit
    QString PressureUnit() const;
    QString AltitudeUnit() const;

    // A committed pressure in the shown unit; the altitude follows from it.
    void ChangePressure(double shown);
    // A committed altitude in the shown unit: the pressure follows from it, and the altitude is
    // taken back from that pressure, so that the pair shown is consistent.
    void ChangeAltitude(double shown);

    // Input kinds and their list indices.
    int AirVolumeKind() const { return values_.airVolumeKind; }
    int HumidityKind() const { return values_.humidityKind; }
    int AirVolumeIndex() const { return IndexOfAirVolumeKind(values_.airVolumeKind); }
    int HumidityIndex() const { return IndexOfHumidityKind(values_.humidityKind); }
    void ChooseAirVolumeIndex(int index) { values_.airVolumeKind = AirVolumeKindOfIndex(index); }
    void ChooseHumidityIndex(int index) { values_.humidityKind = HumidityKindOfIndex(index); }

    // Effectiveness. Total effectiveness goes with AHRI, the energy-efficiency class with EN 308:
    // choosing one ticks and enables its option and clears and disables the other's.
    bool UseAhri() const { return values_.useAhriEffectiveness; }
    void ChooseEffectiveness(bool ahri);
    bool TotalEffectiveness() const { return values_.totalEffectiveness; }
    bool TotalEffectivenessEnabled() const { return values_.useAhriEffectiveness; }
    void SetTotalEffectiveness(bool on) { values_.totalEffectiveness = on; }
    bool EnergyEfficiencyClass() const { return values_.energyEfficiencyClass; }
    bool EnergyEfficiencyClassEnabled() const { return !values_.useAhriEffectiveness; }
    void SetEnergyEfficiencyClass(bool on) { values_.energyEfficiencyClass = on; }
    bool WetBulbOnDataSheet() const { return values_.wetBulbOnDataSheet; }
    void SetWetBulbOnDataSheet(bool on) { values_.wetBulbOnDataSheet = on; }

    // The separators at opening (the fields start with them; an empty field keeps them).
    const NumberSeparators& Separators() const { return values_.separators; }

private:
    UnitCode PressureUnitCode() const;
    UnitCode AltitudeUnitCode() const;

    TOptionsValues values_;
    double altitude_ = 0; // m
};

} // namespace velmarsund
