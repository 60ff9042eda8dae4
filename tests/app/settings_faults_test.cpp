// The settings file under faults: a pipe, a full disk, a write failing half-way, a link, a file
// that cannot be read. The user's file is never lost, and the user is told once.

#include "apply_language.h"
#include "basis_settings.h"
#include "ini_datei.h"
#include "recording_seams.h"
#include "test_files.h"
#include "text_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

const QString kFile = QStringLiteral("Faults.ini");
const QByteArray kUsersFile = "; the user's own comment\n[GLOBAL]\nLanguage=1\n[ROTOR]\nSI=0\nMyKey=kept\n[Other]\nA=1\n";

class SettingsFaultsTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override
    {
        TIniDatei::SetWriterForTests(nullptr);
        TIniDatei::SetOpenerForTests(nullptr);
    }
    QString Path() const { return TIniDatei::AppDataFolder() + kFile; }
    bool Save(const QString& file = kFile)
    {
        TIniDatei ini(file, QStringLiteral("#"));
        ini.WriteInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 1880);
        return ini.UpdateFile();
    }
};

// Writes half of the bytes, then fails as a full disk does.
bool HalfThenFail(QFileDevice& file, const QByteArray& bytes)
{
    file.write(bytes.left(bytes.size() / 2));
    file.flush();
    return false;
}

TEST_F(SettingsFaultsTest, AWriteThatFailsHalfWayLeavesTheOldFile)
{
    WriteBytes(Path(), kUsersFile);
    TIniDatei::SetWriterForTests(&HalfThenFail);
    EXPECT_FALSE(Save());
    EXPECT_EQ(ReadBytes(Path()), kUsersFile);
    EXPECT_EQ(QDir(TIniDatei::AppDataFolder()).entryList(QDir::Files), QStringList{kFile}); // no leftovers
}

TEST_F(SettingsFaultsTest, AFullDiskLeavesTheOldFile)
{
    // A tiny file system of its own where the machine lets the test mount one.
    QTemporaryDir mountPoint;
    const QString dir = mountPoint.path();
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=16k"), QStringLiteral("tmpfs"), dir}) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString path = dir + QStringLiteral("/Velmarsund.ini");
    WriteBytes(path, kUsersFile);
    // Fill what is left, but for a few bytes.
    {
        QFile filler(dir + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    bool saved = true;
    {
        TIniDatei ini(path, QString());
        ini.WriteString(QStringLiteral("ROTOR"), QStringLiteral("Long"), QString(8000, QLatin1Char('y')));
        saved = ini.UpdateFile();
    }
    const QByteArray after = ReadBytes(path);
    QProcess::execute(QStringLiteral("umount"), {dir});
    EXPECT_FALSE(saved);
    EXPECT_EQ(after, kUsersFile);
}

TEST_F(SettingsFaultsTest, APipeInPlaceOfTheFileIsNeitherReadNorWritten)
{
    QDir().mkpath(TIniDatei::AppDataFolder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    TIniDatei ini(kFile, QStringLiteral("#")); // does not wait for a writer
    EXPECT_EQ(ini.State(), TIniDatei::FileState::Unreadable);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 7), 7);
    ini.WriteInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 1880);
    EXPECT_FALSE(ini.UpdateFile());
    const QFileInfo info(Path());
    EXPECT_FALSE(info.isFile()); // still the pipe
    EXPECT_TRUE(info.exists());
}

TEST_F(SettingsFaultsTest, ALinkIsFollowedToItsFileAndADanglingOneIsLeftAlone)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("real.ini"));
    WriteBytes(target, kUsersFile);
    QDir().mkpath(TIniDatei::AppDataFolder());
    ASSERT_TRUE(QFile::link(target, Path()));
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("MyKey"), QString()), QStringLiteral("kept"));
    }
    ASSERT_TRUE(Save());
    EXPECT_TRUE(QFileInfo(Path()).isSymLink()); // the link stays a link
    const QByteArray written = ReadBytes(target);
    EXPECT_TRUE(written.contains("Diameter=1880"));
    EXPECT_TRUE(written.contains("MyKey=kept"));
    EXPECT_TRUE(written.contains("; the user's own comment"));

    // A link to nothing: nothing is written anywhere.
    QFile::remove(target);
    EXPECT_FALSE(Save());
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    // A link to a device is no file of ours.
    QFile::remove(Path());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path()));
    EXPECT_FALSE(Save());
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
}

TEST_F(SettingsFaultsTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    WriteBytes(Path(), kUsersFile);
    // Mode 0200 for any user, root included: the file is there but does not open for reading.
    TIniDatei::SetOpenerForTests([](QFile&) { return false; });
    {
        TIniDatei ini(kFile, QStringLiteral("#"));
        EXPECT_EQ(ini.State(), TIniDatei::FileState::Unreadable);
        ini.WriteInteger(QStringLiteral("ROTOR"), QStringLiteral("Diameter"), 1880);
        EXPECT_FALSE(ini.UpdateFile());
    }
    TIniDatei::SetOpenerForTests(nullptr);
    EXPECT_EQ(ReadBytes(Path()), kUsersFile);
}

TEST_F(SettingsFaultsTest, AFolderInPlaceOfTheFileIsNeverReplaced)
{
    // What root cannot be kept from reading: a folder where the file should be.
    QDir().mkpath(Path());
    EXPECT_FALSE(Save());
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

TEST_F(SettingsFaultsTest, TheUserIsToldOnceWhenTheSettingsCannotBeSaved)
{
    RecordingSeams seams;
    QDir().mkpath(TIniDatei::AppDataFolder() + kSettingsFileName); // the real file's place taken
    ApplyLanguage(Language::English);
    ApplyLanguage(Language::German);
    ApplyLanguage(Language::English);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.contains(kSettingsFileName)) << seams.messages[0].text.toStdString();
    EXPECT_EQ(seams.messages[0].kind, MessageKind::Warning);
    QDir(TIniDatei::AppDataFolder() + kSettingsFileName).removeRecursively();
}

} // namespace
} // namespace velmarsund
