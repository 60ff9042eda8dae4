#include "basis_settings.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

const QString kRotor = QStringLiteral("ROTOR");
const TBasisDefaults kDefaults{QStringLiteral("/home/user/Documents"), QLatin1Char(','), QLatin1Char('.'),
                               QStringLiteral("10.12.26")};

class BasisSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
};

TEST_F(BasisSettingsTest, OutdatedFileLosesTheWindowSection)
{
    const std::pair<const char*, bool> cases[] = {
        {"[GLOBAL]\nVersion=200409\n", true},
        {"[Global]\nVersion=200410\n", false},
        {"[GLOBAL]\nVersion=201710\n", false},
        {"", true},                             // no version counts as 0
        // A version that cannot be read is no old version: the inputs stay.
        {"[GLOBAL]\nVersion=10/2017\n", false},
        {"[GLOBAL]\nVersion=2017.10\n", false},
        {"[GLOBAL]\nVersion=99999999999999\n", false},
        {"[GLOBAL]\nVersion=\n", false},
    };
    for (const auto& [global, erased] : cases) {
        WriteBytes(SettingsPath(), QByteArray(global) + "[ROTOR]\nSI=0\nDiameter=2500\n[Other]\nKeep=1\n");
        TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
        EXPECT_EQ(EraseOutdatedSection(ini, kRotor), erased) << global;
        EXPECT_EQ(ini.ReadBool(kRotor, QStringLiteral("SI"), true), erased) << global;
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Other"), QStringLiteral("Keep"), 0), 1);
    }
}

TEST_F(BasisSettingsTest, DefaultsOnAFirstStart)
{
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    const TBasisSettings s = ReadBasisSettings(ini, kRotor, kDefaults);
    EXPECT_EQ(s.projectPath, kDefaults.documentsFolder);
    EXPECT_TRUE(s.si);
    EXPECT_EQ(s.decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(s.thousandSeparator, QLatin1Char('.'));
    EXPECT_FALSE(s.printHeader);
    EXPECT_EQ(s.header[0], QString());
    EXPECT_EQ(s.header[1], kDefaults.today);
    EXPECT_EQ(s.notesChart[2], QString());
}

TEST_F(BasisSettingsTest, StoredValuesAndTheDateLine)
{
    WriteBytes(SettingsPath(), "[GLOBAL]\nVersion=201710\n[ROTOR]\nProjectPath=/srv/projects\nSI=0\nDecimalSeparator=.\n"
                               "ThousandSeparator=\"'\"\nPrintHeader=1\nHeader0=Offer 12\nHeader1=01.01.99\nHeader7=Pos. 3\n"
                               "NotesData1=Note A\nNotesChart3=Note C\n");
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    const TBasisSettings s = ReadBasisSettings(ini, kRotor, kDefaults);
    EXPECT_EQ(s.projectPath, QStringLiteral("/srv/projects"));
    EXPECT_FALSE(s.si);
    EXPECT_EQ(s.decimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(s.thousandSeparator, QLatin1Char('\''));
    EXPECT_TRUE(s.printHeader);
    EXPECT_EQ(s.header[0], QStringLiteral("Offer 12"));
    EXPECT_EQ(s.header[1], kDefaults.today); // whatever the file held
    EXPECT_EQ(s.header[7], QStringLiteral("Pos. 3"));
    EXPECT_EQ(s.notesData[0], QStringLiteral("Note A"));
    EXPECT_EQ(s.notesChart[2], QStringLiteral("Note C"));
}

TEST_F(BasisSettingsTest, EveryValueMalformedGivesTheDefaults)
{
    WriteBytes(SettingsPath(), "[GLOBAL]\nVersion=20x1710\nLanguage=zz\n[ROTOR]\nSI=yes\nDecimalSeparator=\n"
                               "ThousandSeparator=\nPrintHeader=-\npbar=abc\n");
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    const TBasisSettings s = ReadBasisSettings(ini, kRotor, kDefaults);
    EXPECT_TRUE(s.si);
    EXPECT_EQ(s.decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(s.thousandSeparator, QLatin1Char('.'));
    EXPECT_FALSE(s.printHeader);
}

TEST_F(BasisSettingsTest, WriteThenReadBack)
{
    TBasisSettings written;
    written.projectPath = QStringLiteral("/data/offers");
    written.si = false;
    written.decimalSeparator = QLatin1Char(',');
    written.thousandSeparator = QLatin1Char(' ');
    written.printHeader = true;
    for (int i = 0; i < 8; ++i) written.header[i] = QStringLiteral("line %1").arg(i);
    written.notesData = {QStringLiteral("d1"), QStringLiteral("d2"), QStringLiteral("d3")};
    written.notesChart = {QStringLiteral("c1"), QString(), QStringLiteral("c3")};
    {
        TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
        WriteBasisSettings(ini, kRotor, written);
        ASSERT_TRUE(ini.UpdateFile());
    }
    const QByteArray bytes = ReadBytes(SettingsPath());
    EXPECT_TRUE(bytes.startsWith("[Global]\nVersion=201710\n[ROTOR]\nProjectPath=/data/offers\n")) << bytes.constData();
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    const TBasisSettings read = ReadBasisSettings(ini, kRotor, kDefaults);
    EXPECT_EQ(read.projectPath, written.projectPath);
    EXPECT_FALSE(read.si);
    EXPECT_EQ(read.thousandSeparator, QLatin1Char(' ')); // a space survives
    EXPECT_EQ(read.header[0], QStringLiteral("line 0"));
    EXPECT_EQ(read.header[1], kDefaults.today);
    EXPECT_EQ(read.header[7], QStringLiteral("line 7"));
    EXPECT_EQ(read.notesData, written.notesData);
    EXPECT_EQ(read.notesChart, written.notesChart);
}

} // namespace
} // namespace velmarsund
