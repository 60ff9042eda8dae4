// Every number a product description states, read line by line in each language and held against
// what the catalogue, the motor tables and the result tables give for its series: housing sizes,
// wheel diameters, housing depths, the height/width ratio, motor powers, speeds, foil and profile
// data and the efficiency marks. A stated range must be the range of the data.

#include "drive_texts.h"
#include "geometry_check.h"
#include "geometry_rules.h"
#include "housing_series.h"
#include "matrix_types.h"
#include "profiles.h"
#include "result_table_texts.h"
#include "rotor_data.h"
#include "tender_text.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace velmarsund {
namespace {

// What the program's data give for a housing series.
struct SeriesFacts {
    int smallestSide = 0, largestSide = 0;   // housing height and width, mm
    int smallestWheel = 0, largestWheel = 0; // largest wheel of the smallest and largest housing
    std::set<int> depths;                    // every housing depth over the sizes
    std::set<int> motorPowers;               // least and most power, other types and N apart
    std::set<int> speeds;                    // 1/min
    std::set<QString> profiles;              // "E14", ...
    std::set<double> profileHeights;         // mm
    std::set<double> foilThicknesses;        // mm
    double profileDigitUnit = 0;             // mm per unit of a profile code's digits
    std::set<int> efficiencyMarks;           // balanced temperature efficiency, %, of each mark
};

int LargestWheel(int side, int code) {
    return static_cast<int>(MaxWheelDiameter(side, side, ProfileSizeByShortSide(side, side, code), code));
}

bool HousingAccepted(int height, int width, int series, int* finding = nullptr) {
    const int code = kHousingSeries[static_cast<std::size_t>(series)].HousingCode;
    const std::int64_t largest =
        MaxWheelDiameter(height, width, ProfileSizeByShortSide(height, width, code), code);
    const GeometryCheckResult r =
        GeometryCheck(height, width, largest, MinWheelDiameter(largest), largest, series);
    if (finding) *finding = r.Finding;
    return r.Valid();
}

SeriesFacts FactsOf(int series) {
    SeriesFacts f;
    const int code = kHousingSeries[static_cast<std::size_t>(series)].HousingCode;
    for (int side = 100; side <= 10000; side += 5) {
        if (!HousingAccepted(side, side, series)) continue;
        if (f.smallestSide == 0) f.smallestSide = side;
        f.largestSide = side;
        f.depths.insert(static_cast<int>(HousingDepth(side, side, code)));
    }
    f.smallestWheel = LargestWheel(f.smallestSide, code);
    f.largestWheel = LargestWheel(f.largestSide, code);
    const int firstWheel = static_cast<int>(MinWheelDiameter(f.smallestWheel));
    for (bool sorption : {false, true}) {
        std::set<int> powers;
        for (const MatrixTypeEntry& t : kMatrixTypes) {
            if ((t.MatrixType == MatrixN) != sorption) continue;
            for (int d = firstWheel; d <= f.largestWheel; d += 5)
                powers.insert(static_cast<int>(MotorPower(d, t.MatrixType)));
        }
        f.motorPowers.insert(*powers.begin());
        f.motorPowers.insert(*powers.rbegin());
    }
    for (const MatrixTypeEntry& t : kMatrixTypes) {
        f.speeds.insert(static_cast<int>(t.Speed));
        EXPECT_EQ(t.Speed, DefaultSpeed(t.MatrixType));
        for (const std::string& p : SplitProfileList(ProfileList(series, t.Index))) {
            f.profiles.insert(QString::fromStdString(p));
            const std::optional<ProfileData> d = DecodeProfile(p);
            f.profileHeights.insert(d->ProfileHeight);
            f.foilThicknesses.insert(d->FoilThickness);
            f.profileDigitUnit = d->ProfileHeight / std::stoi(p.substr(1, 2));
        }
    }
    QString last;
    for (int tenths = 0; tenths <= 1000; ++tenths) {
        const QString mark = ErpReadyRemark(tenths / 10.0);
        if (mark != last && !mark.isEmpty()) f.efficiencyMarks.insert(tenths / 10);
        last = mark;
    }
    return f;
}

struct Number {
    double value = 0;
    QString after; // the rest of the line
};

// The numbers of a line: "2200", "2 200" (a space, no-break or thin space between thousands),
// "0.06" and "0,06" alike. A digit group after a letter ("E16", "H1") counts as well.
std::vector<Number> NumbersOf(const QString& line) {
    static const QRegularExpression number(
        QStringLiteral("(?<![\\d.,])(\\d{1,3}(?:[ \\x{a0}\\x{202f}]\\d{3})+(?!\\d)|\\d+)(?:[.,](\\d+))?"));
    std::vector<Number> numbers;
    for (auto it = number.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString digits = m.captured(1);
        digits.remove(QRegularExpression(QStringLiteral("[ \\x{a0}\\x{202f}]")));
        if (!m.captured(2).isEmpty()) digits += QLatin1Char('.') + m.captured(2);
        numbers.push_back({digits.toDouble(), line.mid(m.capturedEnd(0))});
    }
    return numbers;
}

// Whether a number is followed by its unit, directly or as the first end of a range ("90 to 750 W",
// "90–750 W", "od 90 do 750 W", "90～750 W").
bool Before(const Number& n, const QString& unitPattern) {
    const QString gap = QStringLiteral("[ \\x{a0}\\x{202f}]?");
    const QString range = QStringLiteral("(?:[–\\-～~]|to|bis|à|do|до)") + gap +
                          QStringLiteral("\\d[\\d.,\\x{a0}\\x{202f} ]*?");
    return QRegularExpression(QStringLiteral("^") + gap + QStringLiteral("(?:") + range +
                              QStringLiteral(")?") + gap + QStringLiteral("(?:") + unitPattern +
                              QStringLiteral(")(?!\\w)"))
        .match(n.after)
        .hasMatch();
}

template <typename Keep> std::set<double> Values(const QString& line, Keep keep) {
    std::set<double> values;
    for (const Number& n : NumbersOf(line))
        if (keep(n)) values.insert(n.value);
    return values;
}

template <typename T> std::set<double> AsDoubles(const std::set<T>& s) {
    return {s.begin(), s.end()};
}

const QString kMillimetre = QStringLiteral("mm|мм");
const QString kWatt = QStringLiteral("W|Вт");
const QString kSpeed = QStringLiteral("rpm|U/min|tr/min|obr/min|об/мин|r/min");
const QString kPercent = QStringLiteral("%|％");

// Where each language states the facts that are told apart by their place (line numbers from 1).
struct LanguageLines {
    LanguageNumber language;
    int motor;      // motor powers
    int sizes;      // housing sizes, then wheel diameters
    int depth;      // housing depths
    int heights;    // profile heights, 0 where the text names the rule instead
    int efficiency; // the efficiency marks
};

constexpr LanguageLines kLanguages[] = {
    {Language::German, 24, 28, 22, 12, 16},   {Language::English, 24, 28, 21, 13, 16},
    {Language::French, 14, 28, 21, 12, 17},   {Language::Polish, 24, 28, 21, 13, 16},
    {Language::Chinese, 25, 28, 21, 12, 16}, {Language::Russian, 24, 28, 21, 12, 17},
};

TEST(TenderFacts, EveryProductTextStatesTheDataOfItsSeries) {
    for (int series = 0; series < 4; ++series) {
        const SeriesFacts f = FactsOf(series);
        for (const LanguageLines& at : kLanguages) {
            const int resource = ProductDescriptionResource(at.language, series);
            const std::vector<QString> lines = LoadTenderText(resource);
            ASSERT_EQ(lines.size(), 52u) << resource;
            const auto line = [&](int i) { return lines[static_cast<std::size_t>(i - 1)]; };
            SCOPED_TRACE(testing::Message() << "resource " << resource);

            // Motor powers: the least and the most of the other types and of N.
            EXPECT_EQ(Values(line(at.motor), [](const Number& n) { return Before(n, kWatt); }),
                      AsDoubles(f.motorPowers))
                << "motor: " << line(at.motor).toStdString();

            // Housing sizes as a range, then the wheel diameters as a range or as their limit.
            std::vector<double> sizes;
            for (const Number& n : NumbersOf(line(at.sizes)))
                if (n.value >= 100) sizes.push_back(n.value);
            // Two housing sides, then two wheel diameters or the largest one; nothing else.
            const std::string sizeLine = line(at.sizes).toStdString();
            if (sizes.size() == 4) {
                EXPECT_EQ(sizes, (std::vector<double>{double(f.smallestSide), double(f.largestSide),
                                                      double(f.smallestWheel), double(f.largestWheel)}))
                    << sizeLine;
            } else if (sizes.size() == 3) {
                EXPECT_EQ(sizes[0], f.smallestSide) << sizeLine;
                EXPECT_EQ(sizes[1], f.largestSide) << sizeLine;
                EXPECT_GE(sizes[2], f.largestWheel) << sizeLine;
            } else {
                ADD_FAILURE() << "sizes: " << sizeLine;
            }

            // Housing depths: the least and the most.
            const std::set<double> depths =
                Values(line(at.depth), [](const Number& n) { return n.value >= 100; });
            EXPECT_EQ(depths, (std::set<double>{double(*f.depths.begin()), double(*f.depths.rbegin())}))
                << "depth: " << line(at.depth).toStdString();

            // The height/width ratio, stated once: both limits accepted, a step beyond refused.
            int ratioLines = 0;
            for (const QString& l : lines) {
                const std::vector<Number> n = NumbersOf(l);
                for (std::size_t k = 0; k + 1 < n.size(); ++k) {
                    if (n[k].value != 0.5) continue;
                    ++ratioLines;
                    const double lo = n[k].value, hi = n[k + 1].value;
                    const int h = f.smallestSide, w = static_cast<int>(std::lround(h / lo));
                    int finding = 0;
                    EXPECT_TRUE(HousingAccepted(h, w, series)) << l.toStdString();
                    HousingAccepted(h, w + 5, series, &finding);
                    EXPECT_EQ(finding, RatioOutOfRange) << l.toStdString();
                    const int tall = static_cast<int>(std::lround(f.smallestSide * hi));
                    EXPECT_TRUE(HousingAccepted(tall, f.smallestSide, series)) << l.toStdString();
                    HousingAccepted(tall + 5, f.smallestSide, series, &finding);
                    EXPECT_EQ(finding, RatioOutOfRange) << l.toStdString();
                }
            }
            EXPECT_EQ(ratioLines, 1) << "the height/width ratio";

            // Speeds: both speeds stated, no other.
            std::set<double> speeds;
            for (const QString& l : lines)
                speeds.merge(Values(l, [](const Number& n) { return Before(n, kSpeed); }));
            EXPECT_EQ(speeds, AsDoubles(f.speeds));

            // Profiles by name, the foil thickness (or the unit of a code's digits), the wave heights.
            std::set<QString> named;
            bool foilStated = false;
            for (const QString& l : lines) {
                for (auto it = QRegularExpression(QStringLiteral("\\b[A-E]\\d\\d\\b")).globalMatch(l);
                     it.hasNext();)
                    named.insert(it.next().captured(0));
                for (const Number& n : NumbersOf(l)) {
                    if (n.value >= 0.5 || !Before(n, kMillimetre)) continue;
                    const bool foil = f.foilThicknesses.count(n.value) > 0;
                    foilStated = foilStated || foil;
                    EXPECT_TRUE(foil || std::abs(n.value - f.profileDigitUnit) < 1e-9) << l.toStdString();
                }
            }
            EXPECT_EQ(named, f.profiles);
            EXPECT_TRUE(foilStated) << "foil thickness";
            if (at.heights != 0) {
                const std::set<double> heights =
                    Values(line(at.heights), [](const Number& n) { return n.value >= 1 && n.value < 3; });
                const std::set<double> range{*f.profileHeights.begin(), *f.profileHeights.rbegin()};
                EXPECT_TRUE(heights == f.profileHeights || heights == range)
                    << line(at.heights).toStdString();
            }

            // The efficiency marks on their line, and no other percentage anywhere.
            EXPECT_EQ(Values(line(at.efficiency), [](const Number& n) { return Before(n, kPercent); }),
                      AsDoubles(f.efficiencyMarks))
                << line(at.efficiency).toStdString();
            for (const QString& l : lines)
                for (const Number& n : NumbersOf(l))
                    if (Before(n, kPercent)) {
                        EXPECT_TRUE(f.efficiencyMarks.count(static_cast<int>(n.value))) << l.toStdString();
                    }
        }
    }
}

// Every controller text states its single-phase supply once, at the voltage the data sheet prints.
TEST(TenderFacts, EveryControllerTextStatesTheSupplyOfTheDataSheet) {
    static const QRegularExpression supply(QStringLiteral("1[ \\x{a0}\\x{202f}]?×[ \\x{a0}\\x{202f}]?(\\d+)[ \\x{a0}\\x{202f}]?(?:V|В)(?!\\w)"));
    for (const LanguageLines& at : kLanguages) {
        const int resource = ControllerDescriptionResource(at.language);
        std::vector<int> volts;
        for (const QString& l : LoadTenderText(resource))
            for (auto it = supply.globalMatch(l); it.hasNext();)
                volts.push_back(it.next().captured(1).toInt());
        EXPECT_EQ(volts, std::vector<int>{kControllerSupplyVolts}) << "resource " << resource;
    }
}

// The data themselves, so that a text cannot pass against a broken reading of them.
TEST(TenderFacts, TheDataReadAsTheCatalogueHasThem) {
    const SeriesFacts hxl = FactsOf(0), hxg = FactsOf(1), hxv = FactsOf(2), hxk = FactsOf(3);
    EXPECT_EQ(hxl.motorPowers, (std::set<int>{90, 1500, 2200}));
    EXPECT_EQ(hxg.motorPowers, (std::set<int>{90, 750}));
    EXPECT_EQ(hxv.motorPowers, (std::set<int>{90, 180, 370}));
    EXPECT_EQ(hxk.motorPowers, (std::set<int>{90, 370}));
    EXPECT_EQ(std::make_pair(hxl.smallestSide, hxl.largestSide), std::make_pair(600, 6400));
    EXPECT_EQ(std::make_pair(hxv.smallestSide, hxv.largestSide), std::make_pair(600, 2500));
    EXPECT_EQ(std::make_pair(hxk.smallestSide, hxk.largestSide), std::make_pair(1250, 3000));
    EXPECT_EQ(hxg.largestWheel, 4010);
    EXPECT_EQ(hxv.depths, (std::set<int>{290, 330}));
    EXPECT_EQ(hxl.efficiencyMarks, (std::set<int>{67, 73}));
    EXPECT_EQ(hxl.speeds, (std::set<int>{10, 20}));
    EXPECT_DOUBLE_EQ(hxl.profileDigitUnit, 0.1);
}

TEST(TenderFacts, NumbersInEveryLanguagesFormat) {
    struct Case {
        const char* line;
        std::vector<double> values;
    };
    const Case cases[] = {
        {"90 W to 2200 W", {90, 2200}},
        {"0,06 mm; 1,4 / 1,6 mm", {0.06, 1.4, 1.6}},
        {"2\u00a0200 W, 1 500 W", {2200, 1500}},
        {"90～1500 W（N 型最大 2200 W）", {90, 1500, 2200}},
        {"от 0,5 до 2; E14, E16", {0.5, 2, 14, 16}},
        {"600 to 6400 mm", {600, 6400}},
    };
    for (const Case& c : cases) {
        std::vector<double> got;
        for (const Number& n : NumbersOf(QString::fromUtf8(c.line)))
            got.push_back(n.value);
        EXPECT_EQ(got, c.values) << c.line;
    }
    EXPECT_TRUE(Before(NumbersOf(QStringLiteral("370 Вт"))[0], kWatt));
    EXPECT_FALSE(Before(NumbersOf(QStringLiteral("0,37 kW"))[0], kWatt));
    EXPECT_FALSE(Before(NumbersOf(QStringLiteral("12 Watt"))[0], kWatt));
    for (const char* range : {"90–750 W", "90 to 750 W", "od 90 do 750 W", "90～750 W", "от 90 до 750 Вт"}) {
        EXPECT_TRUE(Before(NumbersOf(QString::fromUtf8(range))[0], kWatt)) << range;
    }
    EXPECT_FALSE(Before(NumbersOf(QStringLiteral("90 mm to 750 W"))[0], kWatt));
}

} // namespace
} // namespace velmarsund
