// The hour rule on weather years whose figures follow by hand from one hour's record: a constant
// year gives every scheduled hour the same record, so the year is the hour times the hours.

#include "annual_reference.h"
#include "annual_selection.h"
#include "generated_epw.h"
#include "rotor_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace velmarsund {
namespace {

using testing::EpwHour;
using testing::GeneratedEpw;

Selection Reference(bool summerShown = true) { return testing::AnnualReference(summerShown); }

WeatherYear Constant(double temp, double humidity, std::optional<double> pressure = std::nullopt) {
    return ReadEpw(GeneratedEpw([&](std::size_t) { return EpwHour{temp, humidity, pressure}; }));
}

// The hour as the rule calculates it, for the expected figures.
TDatenRWT HourOf(const Selection& s, const WeatherYear& year, bool cooling) {
    TDatenRWT r = HourRecordOf(AnnualAirOf(CalculateSelection(s)), year.hours.front(), cooling);
    r.Calculate();
    EXPECT_EQ(r.Status, 0);
    return r;
}

double FanKwh(const TDatenRWT& r, double efficiency) {
    return (r.DeltaP1 * r.State11.AVol + r.DeltaP2 * r.State21.AVol) / 3600 / efficiency / 1000;
}

// Every field of the year is the sum of its months, and the kinds of the hours count as the year.
void ExpectMonthsAddUp(const AnnualResults& r) {
    const auto count = [&](HourKind kind) { return std::count(r.hours.begin(), r.hours.end(), kind); };
    EXPECT_EQ(count(HourKind::Heating), r.year.heating);
    EXPECT_EQ(count(HourKind::Cooling), r.year.cooling);
    EXPECT_EQ(count(HourKind::Idle), r.year.idle);
    EXPECT_EQ(count(HourKind::Failed), r.year.failed);
    EXPECT_EQ(static_cast<std::int64_t>(r.hours.size()) - count(HourKind::OutsideSchedule), r.year.scheduled);
    AnnualFigures sum;
    for (const AnnualFigures& m : r.months)
        sum += m;
    const AnnualFigures& y = r.year;
    EXPECT_EQ(sum.scheduled, y.scheduled);
    EXPECT_EQ(sum.heating + sum.cooling + sum.idle + sum.failed, y.scheduled);
    EXPECT_EQ(sum.frost, y.frost);
    for (double AnnualFigures::*f :
         {&AnnualFigures::heatingSensible, &AnnualFigures::heatingLatent, &AnnualFigures::heatingTotal,
          &AnnualFigures::coolingTotal, &AnnualFigures::fanEnergy, &AnnualFigures::driveEnergy,
          &AnnualFigures::waterRecovered})
        EXPECT_DOUBLE_EQ(sum.*f, y.*f);
}

void ExpectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-12);
}

TEST(AnnualEnergy, AColdYearHeatsEveryHourWithTheRotorSlowedAboveTheSetpoint) {
    const WeatherYear year = Constant(-10, 80);
    for (const double setpoint : {18.0, 5.0}) {
        SCOPED_TRACE(setpoint);
        Selection s = Reference();
        s.annual->supplySetpoint = setpoint;
        const TDatenRWT hour = HourOf(s, year, false);
        const double f = hour.State12.Temp <= setpoint ? 1 : (setpoint + 10) / (hour.State12.Temp + 10);
        if (setpoint == 18) {
            EXPECT_EQ(f, 1) << "the wheel reaches " << hour.State12.Temp << " degC";
        } else {
            EXPECT_LT(f, 0.9);
        }

        const AnnualResults r = CalculateAnnualEnergy(s, year);
        const AnnualFigures& y = r.year;
        EXPECT_EQ(y.scheduled, 8760);
        EXPECT_EQ(y.heating, 8760);
        EXPECT_EQ(y.cooling + y.idle + y.failed, 0);
        EXPECT_EQ(y.frost, hour.FrostRisk ? 8760 : 0);
        ExpectNear(y.heatingSensible, 8760 * f * hour.SensibleHeat1);
        ExpectNear(y.heatingLatent, 8760 * f * hour.LatentHeat1);
        ExpectNear(y.heatingTotal, 8760 * f * hour.TotalHeat1);
        ExpectNear(y.waterRecovered, 8760 * f * hour.WaterTransfer1);
        ExpectNear(y.fanEnergy, 8760 * FanKwh(hour, 0.6));
        ExpectNear(y.driveEnergy, 8760 * MotorPower(hour.Diameter, hour.MatrixType) / 1000);
        EXPECT_GT(y.heatingTotal, 0);
        EXPECT_EQ(r.months[1].heating, 28 * 24);
        ExpectMonthsAddUp(r);
    }
}

TEST(AnnualEnergy, AWarmYearCoolsWithTheSummerExtractAir) {
    struct Case {
        const char* what;
        double outside;
        bool summerShown;
        bool cooling; // else idle
    };
    const Case cases[] = {
        {"30 degC against the summer's 24 degC extract", 30, true, true},
        {"23 degC: below the summer's extract air", 23, true, false},
        {"23 degC without a summer case: above the winter's 22 degC", 23, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Selection s = Reference(c.summerShown);
        const WeatherYear year = Constant(c.outside, 40);
        const TDatenRWT hour = HourOf(s, year, c.cooling);
        EXPECT_EQ(hour.State21.Temp, c.cooling && c.summerShown ? 24 : 22);
        const AnnualResults r = CalculateAnnualEnergy(s, year);
        const AnnualFigures& y = r.year;
        EXPECT_EQ(y.heating, 0);
        EXPECT_EQ(y.cooling, c.cooling ? 8760 : 0);
        EXPECT_EQ(y.idle, c.cooling ? 0 : 8760);
        if (c.cooling) {
            EXPECT_LT(hour.TotalHeat1, 0) << "the outside air gives up heat";
        }
        ExpectNear(y.coolingTotal, c.cooling ? 8760 * std::max(0.0, -hour.TotalHeat1) : 0);
        ExpectNear(y.driveEnergy, c.cooling ? 8760 * MotorPower(hour.Diameter, hour.MatrixType) / 1000 : 0);
        ExpectNear(y.fanEnergy, 8760 * FanKwh(hour, 0.6));
        EXPECT_EQ(y.heatingTotal + y.waterRecovered, 0);
        ExpectMonthsAddUp(r);
    }
}

TEST(AnnualEnergy, AYearAtTheSetpointRunsNoHourButCostsFanEnergy) {
    const Selection s = Reference();
    const WeatherYear year = Constant(18, 50);
    const AnnualResults r = CalculateAnnualEnergy(s, year);
    EXPECT_EQ(r.year.idle, 8760);
    EXPECT_EQ(r.year.heating + r.year.cooling, 0);
    EXPECT_EQ(r.year.driveEnergy, 0);
    EXPECT_EQ(r.year.heatingTotal + r.year.coolingTotal, 0);
    ExpectNear(r.year.fanEnergy, 8760 * FanKwh(HourOf(s, year, false), 0.6));
}

TEST(AnnualEnergy, AScheduleOfOneHourADayCountsTheRowEndingAtItsEndOnWeekdays) {
    // Cold only in the row of hour field 8 (07:00 to 08:00).
    const auto coldAtSeven = [](std::size_t i) {
        return EpwHour{i % 24 == 7 ? -10.0 : 18.0, 50, std::nullopt};
    };
    struct Case {
        const char* startWeekday;
        int days;
        std::int64_t scheduled;
        std::int64_t january;
    };
    const Case cases[] = {
        {"Saturday", 5, 52 * 5, 21},   // 3 January is a Monday, 31 January too
        {"Monday", 5, 52 * 5 + 1, 23}, // the year ends on a Monday
        {"Saturday", 7, 365, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.startWeekday) + " " + std::to_string(c.days));
        Selection s = Reference();
        s.annual->scheduleFrom = 7;
        s.annual->scheduleTo = 8;
        s.annual->scheduleDays = c.days;
        const AnnualResults r = CalculateAnnualEnergy(s, ReadEpw(GeneratedEpw(coldAtSeven, c.startWeekday)));
        EXPECT_EQ(r.year.scheduled, c.scheduled);
        EXPECT_EQ(r.year.heating, c.scheduled) << "only the cold row is scheduled";
        EXPECT_EQ(r.months[0].scheduled, c.january);
        ExpectMonthsAddUp(r);
    }
}

TEST(AnnualEnergy, AMissingStationPressureTakesTheSelectionsAirPressure) {
    Selection s = Reference();
    s.airPressure = 950;
    const AnnualResults missing = CalculateAnnualEnergy(s, Constant(-5, 70));
    const AnnualResults given = CalculateAnnualEnergy(s, Constant(-5, 70, 95000));
    const AnnualResults higher = CalculateAnnualEnergy(s, Constant(-5, 70, 101325));
    EXPECT_EQ(missing.year.fanEnergy, given.year.fanEnergy);
    EXPECT_EQ(missing.year.heatingTotal, given.year.heatingTotal);
    EXPECT_NE(missing.year.fanEnergy, higher.year.fanEnergy) << "the hour's own pressure is used";
}

TEST(AnnualEnergy, AFailingHourCountsAsFailedAndAddsNothing) {
    // Saturated air at 70 degC holds more vapour than a pressure of 32 kPa allows.
    const WeatherHour bad{70, 100, 32000, 3, 10};
    const Selection s = Reference();
    TDatenRWT failing = HourRecordOf(AnnualAirOf(CalculateSelection(s)), bad, true);
    failing.Calculate();
    ASSERT_NE(failing.Status, 0);

    const std::size_t at = 24 * 70 + 9; // in March
    const auto year = ReadEpw(GeneratedEpw([&](std::size_t i) {
        return i == at ? EpwHour{bad.temp, bad.humidity, bad.pressure} : EpwHour{-10, 80, std::nullopt};
    }));
    const AnnualResults r = CalculateAnnualEnergy(s, year);
    const AnnualResults cold = CalculateAnnualEnergy(s, Constant(-10, 80));
    EXPECT_EQ(r.year.failed, 1);
    EXPECT_EQ(r.months[2].failed, 1);
    EXPECT_EQ(r.hours[at], HourKind::Failed);
    EXPECT_EQ(r.year.scheduled, 8760);
    EXPECT_EQ(r.year.heating, 8759);
    ExpectNear(r.year.heatingTotal, cold.year.heatingTotal / 8760 * 8759);
    ExpectNear(r.year.fanEnergy, cold.year.fanEnergy / 8760 * 8759);
    ExpectNear(r.year.driveEnergy, cold.year.driveEnergy / 8760 * 8759);
    ExpectMonthsAddUp(r);
}

TEST(AnnualEnergy, HoursOutsideTheScheduleCountNothing) {
    Selection s = Reference();
    s.annual = AnnualInputs{}; // 6 to 20, Monday to Friday
    const AnnualResults r = CalculateAnnualEnergy(s, Constant(-10, 80));
    EXPECT_EQ(r.year.scheduled, (52 * 5 + 1) * 14); // the generated year begins on a Monday
    EXPECT_EQ(r.year.heating, r.year.scheduled);
}

TEST(AnnualEnergy, MoneySavedAndPaybackFollowThePricesAndTheInvestment) {
    AnnualFigures f;
    f.heatingTotal = 100000;
    f.coolingTotal = 9000;
    f.fanEnergy = 4000;
    f.driveEnergy = 1000;
    AnnualInputs in;
    EXPECT_FALSE(MoneySaved(f, in));
    in.heatPrice = 0.08;
    EXPECT_FALSE(MoneySaved(f, in)) << "without an electricity price";
    in.electricityPrice = 0.25;
    in.coolingCop = 3;
    ExpectNear(*MoneySaved(f, in), 100000 * 0.08 + 9000 / 3.0 * 0.25 - 5000 * 0.25);
    EXPECT_FALSE(PaybackYears(f, in));
    in.investment = 15000;
    ExpectNear(*PaybackYears(f, in), 15000 / (8000 + 750 - 1250.0));
    f.heatingTotal = 0;
    EXPECT_FALSE(PaybackYears(f, in)) << "a year that saves nothing never pays back";
}

// The year tells its progress only when it runs longer than the delay, each percent once.
TEST(AnnualEnergy, ProgressIsToldOnlyAfterTheDelay) {
    const Selection s = Reference();
    const WeatherYear year = Constant(-10, 80);
    std::vector<std::size_t> told;
    const auto record = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 8760u);
        told.push_back(done);
    };
    CalculateAnnualEnergy(CalculateSelection(s), *s.annual, year,
                          DelayedProgress(record, std::chrono::hours(1)));
    EXPECT_TRUE(told.empty());

    AnnualProgress late = DelayedProgress(record, std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    CalculateAnnualEnergy(CalculateSelection(s), *s.annual, year, late);
    ASSERT_EQ(told.size(), 101u) << "every percent from 0 to 100 once";
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 8760u);
}

} // namespace
} // namespace velmarsund
