// Mutated settings files through the settings readers and through the start of the main window.
// The contract: no crash, no hang, every value the file cannot give takes its default, the window
// starts and calculates, and the file is still a settings file after the window has closed.

#include "basis_settings.h"
#include "fuzz_scale.h"
#include "ini_datei.h"
#include "main_window_fixture.h"
#include "produkt_settings.h"
#include "rotor_settings.h"
#include "test_files.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

const std::vector<std::string> kIniTokens = {
    "[", "]", "=", "\n", "\r\n", ";", "[ROTOR]\n", "[GLOBAL]\n", "Version=", "\n=\n", std::string(1, '\0'), "\xFF",
    "\xC3", "-2147483648", "2147483648", "99999999999999", "1e308", "nan", "-", ".", " ", "\t",
    std::string(300, 'x'),
};

const std::vector<std::string> kIniValues = {
    "", "0", "-0", "1", "-1", "2147483647", "-2147483648", "2147483648", "-2147483649", "99999999999999",
    "2017.10", "1e308", "-1e308", "1e400", "nan", "inf", "0x10", " 12", "12 ", "+5", "abc", "\xE2\x80\x94",
    "\xFF\xFE", ".", ",", "1,5", "1.5", std::string(5000, '9'),
    // Separators that cannot be seen: a zero-width space, a soft hyphen, a combining accent.
    "\xE2\x80\x8B", "\xC2\xAD", "\xCC\x81", "\xC2\xA0", "'",
};

// Every value of the file replaced, now and then, by one from the edges.
std::string MutateValues(const std::string& text, std::mt19937_64& random)
{
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && random() % 4 == 0) line = line.substr(0, eq + 1) + kIniValues[random() % kIniValues.size()];
        out += line + "\n";
        start = end + 1;
    }
    return out;
}

class SettingsFuzzTest : public MainWindowFixture {
protected:
    // The settings file the program writes after a calculation with both seasons shown.
    std::string WrittenByTheProgram()
    {
        TFormRotor& w = StartWindow();
        Calculate();
        w.close();
        window_.reset();
        return ReadBytes(SettingsPath()).toStdString();
    }

    std::string NextInput(const std::string& seed, std::mt19937_64& random)
    {
        std::string text = random() % 2 ? MutateValues(seed, random) : seed;
        if (random() % 2) text = Mutate(text, random, kIniTokens);
        return text;
    }
};

TEST_F(SettingsFuzzTest, ReadersTakeTheirDefaultsForWhatTheFileCannotGive)
{
    const std::string seed = WrittenByTheProgram();
    ASSERT_FALSE(seed.empty());
    std::mt19937_64 random(2026);
    const TBasisDefaults defaults{QStringLiteral("/tmp"), QLatin1Char('.'), QLatin1Char(','), QStringLiteral("10.12.2026")};
    const int count = FuzzCount(600);
    for (int i = 0; i < count; ++i) {
        const std::string input = NextInput(seed, random);
        WriteBytes(SettingsPath(), QByteArray::fromStdString(input));
        TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
        const TBasisSettings basis = ReadBasisSettings(ini, TFormBasis::SettingsSection(), defaults);
        const TProduktSettings produkt = ReadProduktSettings(ini, TFormBasis::SettingsSection());
        const TRotorSettings rotor = ReadRotorSettings(ini, TFormBasis::SettingsSection());
        (void)basis;
        (void)produkt;
        EXPECT_GE(rotor.seriesIndex, 0) << input;
        EXPECT_GE(rotor.sizeIndex, 0) << input;
        (void)ReadLanguage(kSettingsFileName, kGlobalSection, kLanguageKey);
        // The pending writes of a program run: merged into the damaged file without a fault.
        WriteRotorSettings(ini, TFormBasis::SettingsSection(), rotor);
        EXPECT_TRUE(ini.UpdateFile()) << input;
    }
}

TEST_F(SettingsFuzzTest, TheWindowStartsCalculatesAndClosesWithAnyFile)
{
    const std::string seed = WrittenByTheProgram();
    std::mt19937_64 random(1013);
    const int count = FuzzCount(40);
    for (int i = 0; i < count; ++i) {
        const std::string input = NextInput(seed, random);
        WriteBytes(SettingsPath(), QByteArray::fromStdString(input));
        TFormRotor& w = StartWindow();
        ASSERT_TRUE(w.isVisible()) << input;
        Calculate();
        w.close();
        window_.reset();
        // What the program wrote at close reads again.
        TIniDatei again(kSettingsFileName, QStringLiteral("#"));
        EXPECT_EQ(again.State(), TIniDatei::FileState::Readable) << input;
        seams_.messages.clear();
    }
}

} // namespace
} // namespace velmarsund
