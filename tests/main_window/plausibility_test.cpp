#include "daten.h"
#include "message_dialog.h"
#include "number_separators.h"
#include "plausibility_check.h"
#include "text_table.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

namespace velmarsund {
namespace {

// A record whose inlets, velocities and pressure drops pass every limit.
TDatenII PlausibleRecord()
{
    TDatenII r;
    r.State11.Temp = -12;
    r.State21.Temp = 22;
    r.State11.Humidity = 90;
    r.State21.Humidity = 40;
    r.State11.X = 1.2;
    r.State21.X = 6.6;
    r.State11.SVol = 10000;
    r.State21.SVol = 10000;
    r.FaceVelocity1 = 2;
    r.FaceVelocity2 = 2;
    r.DeltaP1 = 100;
    r.DeltaP2 = 100;
    return r;
}

std::vector<int> Numbers(const CheckMessages& m)
{
    std::vector<int> n;
    for (int i = 0; i < 256; ++i)
        if (m.test(static_cast<std::size_t>(i))) n.push_back(i);
    return n;
}

CheckMessages Set(std::initializer_list<int> numbers)
{
    CheckMessages m;
    for (int n : numbers) m.set(static_cast<std::size_t>(n));
    return m;
}

class PlausibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    }
};

TEST_F(PlausibilityTest, EachLimitWithItsBoundaries)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::function<void(TDatenII&)> change;
        std::vector<int> expected;
    };
    const std::vector<Case> cases{
        {"plausible", [](TDatenII&) {}, {}},
        {"temperatures at -30 and 80", [](TDatenII& r) { r.State11.Temp = -30, r.State21.Temp = 80; }, {}},
        {"supply side -31 degC", [](TDatenII& r) { r.State11.Temp = -31; }, {1}},
        {"exhaust side 80.01 degC", [](TDatenII& r) { r.State21.Temp = 80.01; }, {2}},
        {"humidity 100.00005 %", [](TDatenII& r) { r.State11.Humidity = 100.00005; }, {}},
        {"humidity 100.001 %", [](TDatenII& r) { r.State21.Humidity = 100.001; }, {4}},
        {"humidity -0.1 %", [](TDatenII& r) { r.State11.Humidity = -0.1; }, {3}},
        {"humidity ratio 150.1 g/kg", [](TDatenII& r) { r.State21.X = 150.1; }, {30}},
        {"humidity ratio below 0", [](TDatenII& r) { r.State11.X = -0.01; }, {30}},
        {"velocities 1 and 5", [](TDatenII& r) { r.FaceVelocity1 = 1, r.FaceVelocity2 = 5; }, {}},
        {"velocity 5.2 m/s", [](TDatenII& r) { r.FaceVelocity2 = 5.2; }, {5}},
        {"velocity 0.9 m/s", [](TDatenII& r) { r.FaceVelocity1 = 0.9; }, {5}},
        {"velocity 5.6 m/s", [](TDatenII& r) { r.FaceVelocity1 = 5.6; }, {6}},
        {"velocity 0.29 m/s", [](TDatenII& r) { r.FaceVelocity2 = 0.29; }, {6}},
        {"ratio 1.515", [](TDatenII& r) { r.State21.SVol = 6600; }, {7}},
        {"ratio 0.66", [](TDatenII& r) { r.State11.SVol = 6600; }, {7}},
        {"ratio 2.04", [](TDatenII& r) { r.State21.SVol = 4900; }, {8}},
        {"ratio 0.49", [](TDatenII& r) { r.State11.SVol = 4900; }, {8}},
        {"no air at all", [](TDatenII& r) { r.State11.SVol = 0, r.State21.SVol = 0; }, {8}},
        {"pressure drop 250 Pa", [](TDatenII& r) { r.DeltaP1 = 250; }, {}},
        {"pressure drop 300 Pa", [](TDatenII& r) { r.DeltaP1 = 300; }, {11}},
        {"pressure drop 350 Pa", [](TDatenII& r) { r.DeltaP2 = 350; }, {11}},
        {"pressure drop 351 Pa", [](TDatenII& r) { r.DeltaP2 = 351; }, {12}},
        {"temperature not a number", [](TDatenII& r) { r.State21.Temp = nan; }, {1, 2}},
        {"several at once", [](TDatenII& r) { r.State11.Temp = -31, r.FaceVelocity1 = 5.2, r.DeltaP1 = 400; },
         {1, 5, 12}},
    };
    for (const Case& c : cases) {
        TDatenII r = PlausibleRecord();
        c.change(r);
        EXPECT_EQ(Numbers(TestRecord(r)), c.expected) << c.what;
    }
}

TEST_F(PlausibilityTest, MessagesNameTheRangesOfTheUnitSystem)
{
    EXPECT_EQ(CheckMessageText(1, UnitSystem::SI), QString::fromUtf8("The temperature is not in the range -30 .. 80°C !"));
    EXPECT_EQ(CheckMessageText(2, UnitSystem::IP), QString::fromUtf8("The temperature is not in the range -22 .. 176°F !"));
    EXPECT_EQ(CheckMessageText(4, UnitSystem::IP), QStringLiteral("The relative humidity is not in the range 0 .. 100% !"));
    EXPECT_EQ(CheckMessageText(6, UnitSystem::SI),
              QStringLiteral("The face air velocity is not in the range 1.0 .. 5.0 m/s !"));
    EXPECT_EQ(CheckMessageText(5, UnitSystem::IP),
              QStringLiteral("The face air velocity is not in the range 200 .. 984 fmp !"));
    EXPECT_EQ(CheckMessageText(8, UnitSystem::IP),
              QStringLiteral("The ratio of the air quantities is not in the recommended range 0.66 .. 1.5 !"));
    EXPECT_EQ(CheckMessageText(12, UnitSystem::SI), QStringLiteral("The pressure drop is too high!"));
    EXPECT_EQ(CheckMessageText(30, UnitSystem::IP),
              QStringLiteral("The absolute humidity is not in the range 0 .. 1050 gr/lb !"));
    SetProgramSeparators({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(CheckMessageText(7, UnitSystem::SI),
              QStringLiteral("The ratio of the air quantities is not in the recommended range 0,66 .. 1,5 !"));
}

TEST_F(PlausibilityTest, ReportOfOneSeasonAndOfBoth)
{
    const QString pressure = QStringLiteral("The pressure drop is too high!");
    const QString velocity = CheckMessageText(5, UnitSystem::SI);
    const QString temperature = CheckMessageText(2, UnitSystem::SI);
    const QString ratio = CheckMessageText(7, UnitSystem::SI);
    const QString heating = QStringLiteral("Heating"), cooling = QStringLiteral("Cooling");
    const QString br = QStringLiteral("\n\r\n\r");

    const auto winterOnly = BuildPlausibilityReport(Set({2, 5}), std::nullopt, heating, cooling, UnitSystem::SI);
    EXPECT_EQ(winterOnly.text, temperature + br + velocity);
    EXPECT_EQ(winterOnly.caption, QStringLiteral("Error!"));
    EXPECT_FALSE(winterOnly.Proceeds());

    const auto warning = BuildPlausibilityReport(Set({7}), std::nullopt, heating, cooling, UnitSystem::SI);
    EXPECT_EQ(warning.caption, QStringLiteral("Attention!"));
    EXPECT_TRUE(warning.ShowsMessage());
    EXPECT_TRUE(warning.Proceeds());

    const auto none = BuildPlausibilityReport({}, CheckMessages{}, heating, cooling, UnitSystem::SI);
    EXPECT_FALSE(none.ShowsMessage());
    EXPECT_TRUE(none.Proceeds());

    // A warning in winter only: no hyphen line.
    const auto winterWarning = BuildPlausibilityReport(Set({11}), CheckMessages{}, heating, cooling, UnitSystem::SI);
    EXPECT_EQ(winterWarning.text, heating + QStringLiteral(":") + br + pressure);
    EXPECT_EQ(winterWarning.caption, QStringLiteral("Attention!"));

    const auto summerOnly = BuildPlausibilityReport({}, Set({7}), heating, cooling, UnitSystem::SI);
    EXPECT_EQ(summerOnly.text, cooling + QStringLiteral(":") + br + ratio);

    // Both seasons: the summer error decides the caption, the set holds both.
    const auto both = BuildPlausibilityReport(Set({5}), Set({2, 7}), QStringLiteral("Winter A"),
                                              QStringLiteral("Summer B"), UnitSystem::SI);
    EXPECT_EQ(both.text, QStringLiteral("Winter A:") + br + velocity + br + QString(22, QLatin1Char('-')) + br +
                             QStringLiteral("Summer B:") + br + temperature + br + ratio);
    EXPECT_EQ(both.caption, QStringLiteral("Error!"));
    EXPECT_EQ(Numbers(both.messages), (std::vector<int>{2, 5, 7}));
    EXPECT_FALSE(both.Proceeds());
}

TEST_F(PlausibilityTest, TheMessageBoxShowsTheEmptyLinesWithoutStrayCharacters)
{
    const auto report = BuildPlausibilityReport(Set({1}), Set({7}), QStringLiteral("Heating"),
                                                QStringLiteral("Cooling"), UnitSystem::SI);
    const TMessageDialog box(report.text, report.caption, MessageKind::Warning, QFont());
    const QStringList lines = box.TextLabel()->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines, (QStringList{"Heating:", "", CheckMessageText(1, UnitSystem::SI), "", QString(22, QLatin1Char('-')),
                                  "", "Cooling:", "", CheckMessageText(7, UnitSystem::SI)}));
}

} // namespace
} // namespace velmarsund
