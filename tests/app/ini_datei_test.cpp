#include "ini_datei.h"
#include "test_files.h"

#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <random>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

const QString kFile = QStringLiteral("Test.ini");

class IniDateiTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    QString Path() const { return TIniDatei::AppDataFolder() + kFile; }
};

TEST_F(IniDateiTest, HashFolderIsCreatedBelowTheConfigFolder)
{
    const QString folder = TIniDatei::AppDataFolder();
    EXPECT_TRUE(folder.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Velmarsund/")));
    TIniDatei ini(kFile, QStringLiteral("#"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(ini.FilePath(), Path());
}

TEST_F(IniDateiTest, RoundTripOfEveryTypeInItsFormat)
{
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        ini.WriteBool(QStringLiteral("ROTOR"), QStringLiteral("SI"), false);
        ini.WriteInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), -1880);
        ini.WriteFloat(QStringLiteral("ROTOR"), QStringLiteral("pbar"), 1013);
        ini.WriteFloat(QStringLiteral("ROTOR"), QStringLiteral("Temp11"), -12.345678901234);
        ini.WriteChar(QStringLiteral("ROTOR"), QStringLiteral("DecimalSeparator"), QLatin1Char(','));
        ini.WriteChar(QStringLiteral("ROTOR"), QStringLiteral("ThousandSeparator"), QChar(0x00A0));
        ini.WriteString(QStringLiteral("ROTOR"), QStringLiteral("Header0"), QStringLiteral("  Angebot Nr. 4711 – Müller  "));
        ini.WriteString(QStringLiteral("ROTOR"), QStringLiteral("Header2"), QStringLiteral("\"quoted\""));
        ini.WriteString(QStringLiteral("ROTOR"), QStringLiteral("Header3"), QStringLiteral("项目"));
        ASSERT_TRUE(ini.UpdateFile());
    }
    const QByteArray bytes = ReadBytes(Path());
    EXPECT_TRUE(bytes.contains("pbar=1013.0000000000\n"));
    EXPECT_TRUE(bytes.contains("Temp11=-12.3456789012\n"));
    EXPECT_TRUE(bytes.contains("SI=0\n"));

    TIniDatei ini(kFile, QStringLiteral("#"));
    const QString r = QStringLiteral("rotor");
    EXPECT_FALSE(ini.ReadBool(r, QStringLiteral("si"), true));
    EXPECT_EQ(ini.ReadInteger(r, QStringLiteral("DIAMETER"), 0), -1880);
    EXPECT_EQ(ini.ReadFloat(r, QStringLiteral("pbar"), 0), 1013);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(r, QStringLiteral("Temp11"), 0), -12.3456789012);
    EXPECT_EQ(ini.ReadChar(r, QStringLiteral("DecimalSeparator"), QLatin1Char('.')), QLatin1Char(','));
    EXPECT_EQ(ini.ReadChar(r, QStringLiteral("ThousandSeparator"), QLatin1Char('.')), QChar(0x00A0));
    EXPECT_EQ(ini.ReadString(r, QStringLiteral("Header0"), {}), QStringLiteral("  Angebot Nr. 4711 – Müller  "));
    EXPECT_EQ(ini.ReadString(r, QStringLiteral("Header2"), {}), QStringLiteral("\"quoted\""));
    EXPECT_EQ(ini.ReadString(r, QStringLiteral("Header3"), {}), QStringLiteral("项目"));
}

TEST_F(IniDateiTest, ReadingRulesAndDefaults)
{
    WriteBytes(Path(), "[S]\n"
                       "b2=2\nb0=0\nbx=x\nbneg=-1\n"
                       "i1= 42 \ni2=4.5\ni3=99999999999\ni4=\ni5=-17\n"
                       "f1=1013.5\nf2=abc\nf3=1,5\nf4=1e3\nf5=\nf6=nan\nf7=inf\nf8=1e999\nf9=.5\nf10=600.0000000000x\n"
                       "c1=,\nc2=\nc3=xyz\n"
                       "s1=\n");
    TIniDatei ini(kFile, QStringLiteral("#"));
    const QString s = QStringLiteral("S");
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("b2"), false));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("b0"), true));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("bx"), true));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("bx"), false));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("bneg"), false));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("missing"), true));

    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("i1"), 0), 42);
    for (const char* key : {"i2", "i3", "i4", "missing"}) EXPECT_EQ(ini.ReadInteger(s, QLatin1String(key), 7), 7) << key;
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("i5"), 0), -17);

    EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("f1"), 0), 1013.5);
    EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("f4"), 0), 1000);
    EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("f9"), 0), 0.5);
    for (const char* key : {"f2", "f3", "f5", "f6", "f7", "f8", "f10", "missing"})
        EXPECT_EQ(ini.ReadFloat(s, QLatin1String(key), 1013), 1013) << key;

    EXPECT_EQ(ini.ReadChar(s, QStringLiteral("c1"), QLatin1Char('.')), QLatin1Char(','));
    EXPECT_EQ(ini.ReadChar(s, QStringLiteral("c2"), QLatin1Char('.')), QLatin1Char('.'));
    EXPECT_EQ(ini.ReadChar(s, QStringLiteral("c3"), QLatin1Char('.')), QLatin1Char('x'));

    EXPECT_EQ(ini.ReadString(s, QStringLiteral("s1"), QStringLiteral("d")), QString());
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("missing"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("NoSection"), QStringLiteral("s1"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(IniDateiTest, SectionsAndKeysMatchWithoutRegardToCase)
{
    WriteBytes(Path(), "[GLOBAL]\nLanguage=7\n\n[Global]\nVersion=200409\n\n[ROTOR]\nSI=0\n");
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("global"), QStringLiteral("LANGUAGE"), 0), 7);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("version"), 0), 200409);
        ini.WriteInteger(QStringLiteral("Global"), QStringLiteral("VERSION"), 201710);
        ini.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("language"), 9);
        ini.EraseSection(QStringLiteral("rotor"));
        EXPECT_FALSE(ini.SectionExists(QStringLiteral("ROTOR")));
        ASSERT_TRUE(ini.UpdateFile());
    }
    // Updated in place under the key's first spelling, no new sections.
    EXPECT_EQ(ReadBytes(Path()), QByteArray("[GLOBAL]\nLanguage=9\n\n[Global]\nVersion=201710\n\n"));
}

TEST_F(IniDateiTest, UnknownKeysAndForeignLinesAreKeptByteForByte)
{
    const QByteArray original = "; written by hand\r\n[ROTOR]\r\nEU=1\r\nFutureKey = some value \r\nnot an entry\r\n"
                                "\r\n[Other]\r\nbinary=\xff\xfe\x01\r\n";
    WriteBytes(Path(), original);
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        ini.WriteBool(QStringLiteral("ROTOR"), QStringLiteral("SI"), true);
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(ReadBytes(Path()), QByteArray("; written by hand\n[ROTOR]\nEU=1\nFutureKey = some value \nnot an entry\nSI=1\n"
                                            "\n[Other]\nbinary=\xff\xfe\x01\n"));
}

TEST_F(IniDateiTest, LineBreaksInAValueCannotInjectEntries)
{
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        ini.WriteString(QStringLiteral("ROTOR"), QStringLiteral("NotesData1"), QStringLiteral("a\n[GLOBAL]\nLanguage=9\r\nb"));
        ASSERT_TRUE(ini.UpdateFile());
    }
    TIniDatei ini(kFile, QStringLiteral("#"));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("GLOBAL")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("NotesData1"), {}), QStringLiteral("a [GLOBAL] Language=9  b"));
}

TEST_F(IniDateiTest, TwoObjectsOnOneFileKeepEachOthersKeys)
{
    TIniDatei window(kFile, QStringLiteral("#")); // opened at start, written at close
    {
        TIniDatei language(kFile, QStringLiteral("#"));
        language.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 9);
    } // written by the destructor
    window.WriteInteger(QStringLiteral("Global"), QStringLiteral("Version"), 201710);
    ASSERT_TRUE(window.UpdateFile());
    TIniDatei reread(kFile, QStringLiteral("#"));
    EXPECT_EQ(reread.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 0), 9);
    EXPECT_EQ(reread.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("Version"), 0), 201710);
}

TEST_F(IniDateiTest, DamagedFilesReadWhatTheyCan)
{
    std::mt19937 random(4711);
    QByteArray noise(256 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    // Random bytes with ini characters mixed in, a binary file, and one over the size limit.
    QByteArray iniNoise = noise;
    for (qsizetype i = 0; i < iniNoise.size(); i += 37) iniNoise[i] = "[]=\n\r"[random() % 5];
    QByteArray huge(TIniDatei::kMaxFileBytes + 1024, 'x');
    huge.prepend("[ROTOR]\nSI=0\n");
    huge.append("\n[ROTOR]\nDiameter=1234\n"); // beyond the limit
    for (const QByteArray& content : {noise, iniNoise, huge, QByteArray("\0\0\0[ROTOR\0]\nSI\0=0", 17)}) {
        WriteBytes(Path(), content);
        {
            TIniDatei ini(kFile, QStringLiteral("#"));
            EXPECT_EQ(ini.ReadInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 1880), 1880);
            EXPECT_EQ(ini.ReadFloat(QStringLiteral("ROTOR"), QStringLiteral("pbar"), 1013), 1013);
            ini.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Version"), 201710);
            ASSERT_TRUE(ini.UpdateFile());
        }
        EXPECT_LT(QFileInfo(Path()).size(), TIniDatei::kMaxFileBytes);
        TIniDatei reread(kFile, QStringLiteral("#"));
        EXPECT_EQ(reread.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("Version"), 0), 201710);
    }
    WriteBytes(Path(), huge);
    EXPECT_FALSE(TIniDatei(kFile, QStringLiteral("#")).ReadBool(QStringLiteral("ROTOR"), QStringLiteral("SI"), true));
}

TEST_F(IniDateiTest, AFileOverTheReadLimitKeepsEveryEntryWhole) {
    // 5 MB of entries of 83 bytes each, in two sections; one of them straddles the read limit.
    QByteArray content = "[GLOBAL]\nVersion=201710\n[ROTOR]\n";
    QList<QByteArray> lines;
    for (int i = 0; content.size() < 5 * 1024 * 1024; ++i) {
        if (i == 40000) {
            lines << "[Recent]";
            content += "[Recent]\n";
        }
        QByteArray line = "Key" + QByteArray::number(i).rightJustified(6, '0') + '=';
        line += QByteArray(82 - line.size(), 'v');
        lines << line;
        content += line + '\n';
    }
    const qsizetype straddleAt = content.lastIndexOf('\n', TIniDatei::kMaxFileBytes) + 1;
    const QByteArray straddling = content.mid(straddleAt, content.indexOf('=', straddleAt) - straddleAt);
    ASSERT_LT(straddleAt, TIniDatei::kMaxFileBytes);
    ASSERT_GT(content.indexOf('\n', straddleAt), TIniDatei::kMaxFileBytes);
    WriteBytes(Path(), content);
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        // An entry is read whole or not at all.
        EXPECT_EQ(
            ini.ReadString(QStringLiteral("Recent"), QString::fromLatin1(straddling), QStringLiteral("none")),
            QStringLiteral("none"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Recent"), QStringLiteral("Key045000"), {}).size(), 72);
        ini.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 3);
        ini.WriteInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 1500);
        ASSERT_TRUE(ini.UpdateFile());
    }
    const QByteArray written = ReadBytes(Path());
    const QList<QByteArray> writtenLines = written.split('\n');
    QSet<QByteArray> present(writtenLines.begin(), writtenLines.end());
    for (const QByteArray& line : lines)
        ASSERT_TRUE(present.contains(line)) << line.toStdString();
    for (const QByteArray& line : writtenLines)
        EXPECT_TRUE(line.isEmpty() || line.startsWith('[') || line.size() == 82 || line == "Version=201710" ||
                    line == "Language=3" || line == "Diameter=1500")
            << "a cut entry: " << line.toStdString();
    // The entries after the limit stay in their section, whatever was added before them.
    EXPECT_LT(written.indexOf("\n[Recent]\n"), written.indexOf("\nKey040000="));
    TIniDatei reread(kFile, QStringLiteral("#"));
    EXPECT_EQ(reread.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 0), 3);
    EXPECT_EQ(reread.ReadInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 0), 1500);
}

TEST_F(IniDateiTest, AFailedWriteKeepsThePreviousFileAndReportsIt) {
    // A folder where the file should be: nothing can replace it.
    QDir().mkpath(Path());
    {
        TIniDatei blocked(kFile, QStringLiteral("#"));
        blocked.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 1);
        EXPECT_FALSE(blocked.UpdateFile());
        EXPECT_EQ(blocked.ReadInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 0), 1);
    }
    QDir(Path()).removeRecursively();

    WriteBytes(Path(), "[GLOBAL]\nLanguage=7\n");
    TIniDatei ini(QStringLiteral("Sub/Test.ini"), TIniDatei::AppDataFolder() + kFile); // parent is a file
    ini.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Language"), 1);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(ReadBytes(Path()), QByteArray("[GLOBAL]\nLanguage=7\n"));
}

} // namespace
} // namespace velmarsund
