#include "annual_energy.h"

#include "air_completion.h"
#include "rotor_data.h"

#include <algorithm>

namespace velmarsund {

AnnualFigures& AnnualFigures::operator+=(const AnnualFigures& o) {
    scheduled += o.scheduled;
    heating += o.heating;
    cooling += o.cooling;
    idle += o.idle;
    frost += o.frost;
    failed += o.failed;
    heatingSensible += o.heatingSensible;
    heatingLatent += o.heatingLatent;
    heatingTotal += o.heatingTotal;
    coolingTotal += o.coolingTotal;
    fanEnergy += o.fanEnergy;
    driveEnergy += o.driveEnergy;
    waterRecovered += o.waterRecovered;
    return *this;
}

AnnualAir AnnualAirOf(const TDatenRWT& winter, const TDatenRWT* summer) {
    AnnualAir air;
    air.rotor = winter;
    air.airPressure = winter.AirPressure;
    const TDatenRWT& cooling = summer ? *summer : winter;
    air.coolingExtractTemp = cooling.State21.Temp;
    air.coolingExtractHumidity = cooling.State21.Humidity;
    // The hour's record starts from the rotor alone.
    air.rotor.HClassText.clear();
    air.rotor.HClassLabel.clear();
    return air;
}

TDatenRWT HourRecordOf(const AnnualAir& air, const WeatherHour& hour, bool coolingHour) {
    TDatenRWT r;
    const TDatenRWT& rotor = air.rotor;
    r.MatrixType = rotor.MatrixType;
    r.Diameter = rotor.Diameter;
    r.FoilThickness = rotor.FoilThickness;
    r.ProfileHeight = rotor.ProfileHeight;
    r.ProfilePitch = rotor.ProfilePitch;
    r.Speed = rotor.Speed;
    r.WheelDepth = rotor.WheelDepth;
    r.HumidityKind = RelativeHumidity;
    r.VolumeKind = StandardVolume;
    r.AirPressure = hour.pressure ? *hour.pressure / 100 : air.airPressure;
    r.State11.SVol = rotor.State11.SVol;
    r.State11.Temp = hour.temp;
    r.State11.Humidity = hour.humidity;
    r.State21.SVol = rotor.State21.SVol;
    r.State21.Temp = coolingHour ? air.coolingExtractTemp : rotor.State21.Temp;
    r.State21.Humidity = coolingHour ? air.coolingExtractHumidity : rotor.State21.Humidity;
    return r;
}

AnnualResults CalculateAnnualEnergy(const AnnualAir& air, const AnnualInputs& in, const WeatherYear& weather,
                                    const AnnualProgress& progress) {
    AnnualResults results;
    const std::size_t total = weather.hours.size();
    results.hours.assign(total, HourKind::OutsideSchedule);
    const std::size_t step = std::max<std::size_t>(1, total / 100);
    const double setpoint = in.supplySetpoint;
    const double motorKw = MotorPower(air.rotor.Diameter, air.rotor.MatrixType) / 1000;
    for (std::size_t i = 0; i < total; ++i) {
        if (progress && i % step == 0 && i > 0) progress(i, total);
        const WeatherHour& hour = weather.hours[i];
        // The row of hour field H covers H-1 .. H.
        const int start = hour.hour - 1;
        if (start < in.scheduleFrom || start >= in.scheduleTo) continue;
        if (in.scheduleDays == 5 && weather.WeekdayOf(i) > 5) continue;
        AnnualFigures& m = results.months[static_cast<std::size_t>(std::clamp(hour.month, 1, 12) - 1)];
        ++m.scheduled;

        const bool heating = hour.temp < setpoint;
        const bool cooling = !heating && hour.temp > air.coolingExtractTemp;
        TDatenRWT r = HourRecordOf(air, hour, cooling);
        r.Calculate();
        if (r.Status != 0) {
            results.hours[i] = HourKind::Failed;
            ++m.failed;
            continue;
        }
        // The matrix stays in both streams whether it turns or not.
        m.fanEnergy +=
            (r.DeltaP1 * r.State11.AVol + r.DeltaP2 * r.State21.AVol) / 3600 / in.fanEfficiency / 1000;
        if (heating) {
            const double t11 = r.State11.Temp, t12 = r.State12.Temp;
            // Above the setpoint the rotor is slowed to reach it.
            const double f = t12 <= setpoint ? 1 : (setpoint - t11) / (t12 - t11);
            m.heatingSensible += f * r.SensibleHeat1;
            m.heatingLatent += f * r.LatentHeat1;
            m.heatingTotal += f * r.TotalHeat1;
            m.waterRecovered += f * r.WaterTransfer1;
            ++m.heating;
            results.hours[i] = HourKind::Heating;
            if (r.FrostRisk) ++m.frost;
        } else if (cooling) {
            m.coolingTotal += std::max(0.0, -r.TotalHeat1);
            ++m.cooling;
            results.hours[i] = HourKind::Cooling;
        } else {
            ++m.idle;
            results.hours[i] = HourKind::Idle;
            continue;
        }
        m.driveEnergy += motorKw;
    }
    for (const AnnualFigures& m : results.months)
        results.year += m;
    if (progress) progress(total, total);
    return results;
}

AnnualProgress DelayedProgress(AnnualProgress report, std::chrono::milliseconds delay) {
    const auto start = std::chrono::steady_clock::now();
    return
        [report = std::move(report), start, delay, last = -1](std::size_t done, std::size_t total) mutable {
            if (!report || total == 0) return;
            if (last < 0 && std::chrono::steady_clock::now() - start < delay) return;
            const int percent = static_cast<int>(done * 100 / total);
            if (percent == last) return;
            last = percent;
            report(done, total);
        };
}

std::optional<double> MoneySaved(const AnnualFigures& f, const AnnualInputs& in) {
    if (!in.heatPrice || !in.electricityPrice) return std::nullopt;
    return f.heatingTotal * *in.heatPrice + f.coolingTotal / in.coolingCop * *in.electricityPrice -
           (f.fanEnergy + f.driveEnergy) * *in.electricityPrice;
}

std::optional<double> PaybackYears(const AnnualFigures& year, const AnnualInputs& in) {
    const std::optional<double> saved = MoneySaved(year, in);
    if (!in.investment || !saved || *saved <= 0) return std::nullopt;
    return *in.investment / *saved;
}

} // namespace velmarsund
