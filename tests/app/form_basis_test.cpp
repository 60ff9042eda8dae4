#include "apply_language.h"
#include "form_basis.h"
#include "language_choice.h"
#include "number_separators.h"
#include "recording_seams.h"
#include "test_files.h"
#include "text_table.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMenu>

#include <gtest/gtest.h>

#include <random>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

// Each test starts on an English system without a settings file.
class FormBasisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveSettings();
        SetSystemLocaleSource([] { return QLocale(QStringLiteral("en_US")); });
    }
    void TearDown() override { SetSystemLocaleSource({}); }

    // The start sequence of the program: language from the settings file, then the window.
    static std::unique_ptr<TFormBasis> StartWindow()
    {
        SetCurrentLanguage(ReadLanguage(kSettingsFileName, kGlobalSection, kLanguageKey));
        auto window = std::make_unique<TFormBasis>();
        window->Start();
        return window;
    }
    static QMenu* Menu(TFormBasis& w, const char* name) { return w.findChild<QMenu*>(QLatin1String(name)); }
    static QAction* Item(TFormBasis& w, const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }
    static std::vector<QAction*> LanguageItems(TFormBasis& w)
    {
        std::vector<QAction*> items;
        for (QAction* a : Menu(w, "Menu_Optionen_Sprache")->actions()) items.push_back(a);
        return items;
    }
    static int StoredInteger(const char* key)
    {
        return TIniDatei(kSettingsFileName, QStringLiteral("#")).ReadInteger(kGlobalSection, QLatin1String(key), -1);
    }

    RecordingSeams seams_;
};

TEST_F(FormBasisTest, FirstStartInEnglishWritesVersionAndLanguageAtClose)
{
    auto window = StartWindow();
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(Menu(*window, "Menu_Datei")->title(), QStringLiteral("File"));
    EXPECT_EQ(Item(*window, "Menu_Datei_Beenden")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(Menu(*window, "Menu_Optionen")->title(), QStringLiteral("Options"));
    EXPECT_EQ(Menu(*window, "Menu_Optionen_Sprache")->title(), QStringLiteral("Language"));
    EXPECT_EQ(Menu(*window, "Menu_Hilfe")->title(), QStringLiteral("Help"));
    EXPECT_EQ(Item(*window, "Menu_Hilfe_Info")->text(), QStringLiteral("Info"));

    QStringList captions;
    for (QAction* item : LanguageItems(*window)) {
        captions << item->text();
        EXPECT_EQ(item->isChecked(), item->data().toInt() == Language::English) << item->text().toStdString();
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Francais"),
                                     QStringLiteral("Polski"), QStringLiteral("Chinese"), QStringLiteral("Russian")}));
    EXPECT_EQ(window->GetUnitSystem(), UnitSystem::SI);
    EXPECT_EQ(window->BasisSettings().header[1], QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));

    window->show();
    Item(*window, "Menu_Datei_Beenden")->trigger(); // File / Exit closes the window
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(StoredInteger("Version"), 201710);
    EXPECT_EQ(StoredInteger("Language"), Language::English);
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("ROTOR"), QStringLiteral("SI"), false));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("ROTOR"), QStringLiteral("DecimalSeparator")));
}

TEST_F(FormBasisTest, EachLanguageRelabelsTheMenusAndComesBackAtTheNextStart)
{
    for (const LanguageInfo& language : OfferedLanguages()) {
        {
            auto window = StartWindow();
            QAction* item = nullptr;
            for (QAction* a : LanguageItems(*window))
                if (a->data().toInt() == language.number) item = a;
            ASSERT_NE(item, nullptr);
            item->trigger();
            EXPECT_EQ(CurrentLanguage(), language.number);
            EXPECT_EQ(StoredInteger("Language"), language.number); // written at once
            const QString file = Menu(*window, "Menu_Datei")->title();
            EXPECT_FALSE(file.isEmpty());
            EXPECT_EQ(file, LoadText(145, language.number));
            EXPECT_EQ(Menu(*window, "Menu_Optionen")->title(), LoadText(173, language.number));
            EXPECT_EQ(Item(*window, "Menu_Datei_Beenden")->text(), LoadText(164, language.number));
            if (language.number != Language::English) {
                EXPECT_NE(file, QStringLiteral("File")) << language.caption;
            }
            int checked = 0;
            for (QAction* a : LanguageItems(*window)) checked += a->isChecked() ? 1 : 0;
            EXPECT_EQ(checked, 1);
            EXPECT_TRUE(item->isChecked());
            window->close();
        }
        SetCurrentLanguage(Language::English);
        auto next = StartWindow();
        EXPECT_EQ(CurrentLanguage(), language.number) << language.caption;
        EXPECT_EQ(Menu(*next, "Menu_Hilfe")->title(), LoadText(169, language.number));
        EXPECT_EQ(StoredInteger("Version"), 201710);
    }
}

TEST_F(FormBasisTest, ChoosingTheCurrentLanguageAgainKeepsEverything)
{
    auto window = StartWindow();
    ApplyLanguage(Language::German);
    const QString title = Menu(*window, "Menu_Datei")->title();
    ApplyLanguage(Language::German);
    EXPECT_EQ(Menu(*window, "Menu_Datei")->title(), title);
    EXPECT_EQ(CurrentLanguage(), Language::German);
}

TEST_F(FormBasisTest, InfoOpensTheInformationBoxThroughTheModalSeam)
{
    auto window = StartWindow();
    Item(*window, "Menu_Hilfe_Info")->trigger();
    Item(*window, "Menu_Hilfe_Info")->trigger(); // created once, shown again
    EXPECT_EQ(seams_.dialogs, (std::vector<QString>{QStringLiteral("FormInfo"), QStringLiteral("FormInfo")}));
}

TEST_F(FormBasisTest, DamagedSettingsFilesStartWithDefaults)
{
    std::mt19937 random(20171);
    QByteArray noise(64 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const QByteArray malformed = "[GLOBAL]\nLanguage=ru\nVersion=abc\n[ROTOR]\nSI=maybe\nDecimalSeparator=\n"
                                 "ThousandSeparator=\nPrintHeader=x\npbar=abc\nProjectPath\n";
    const QByteArray digitSeparators =
        "[GLOBAL]\nVersion=201710\n[ROTOR]\nDecimalSeparator=5\nThousandSeparator=5\n";
    // Invisible ones would show 1.78 m/s as "178": a zero-width space, a soft hyphen, a combining accent.
    const QByteArray invisibleSeparators = "[GLOBAL]\nVersion=201710\n[ROTOR]\nDecimalSeparator=\u200B\n"
                                           "ThousandSeparator=\u00AD\n";
    const QByteArray combiningSeparators = "[GLOBAL]\nVersion=201710\n[ROTOR]\nDecimalSeparator=\u0301\n"
                                           "ThousandSeparator=\u0301\n";
    const NumberSeparators system = MakeUsableSeparators(SystemSeparators(), {});
    for (const QByteArray& content :
         {noise, malformed, digitSeparators, invisibleSeparators, combiningSeparators}) {
        WriteBytes(SettingsPath(), content);
        auto window = StartWindow();
        EXPECT_EQ(CurrentLanguage(), Language::English);
        EXPECT_EQ(window->GetUnitSystem(), UnitSystem::SI);
        EXPECT_FALSE(window->BasisSettings().printHeader);
        EXPECT_EQ(ProgramSeparators().decimal, system.decimal);
        EXPECT_NE(ProgramSeparators().thousand, ProgramSeparators().decimal);
        EXPECT_TRUE(IsThousandSeparator(ProgramSeparators().thousand));
        window->close();
        EXPECT_EQ(StoredInteger("Version"), 201710);
    }
}

TEST_F(FormBasisTest, StoredSeparatorsAndUnitSystemAreTakenOver)
{
    WriteBytes(SettingsPath(), "[GLOBAL]\nVersion=201710\nLanguage=1\n[ROTOR]\nSI=0\nDecimalSeparator=,\nThousandSeparator=.\n"
                               "Header1=old date\nFutureKey=kept\n");
    {
        auto window = StartWindow();
        EXPECT_EQ(CurrentLanguage(), Language::German);
        EXPECT_EQ(window->GetUnitSystem(), UnitSystem::IP);
        EXPECT_EQ(ProgramSeparators().decimal, QLatin1Char(','));
        EXPECT_EQ(ProgramSeparators().thousand, QLatin1Char('.'));
        window->close();
    }
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("FutureKey"), {}), QStringLiteral("kept"));
    EXPECT_NE(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("Header1"), {}), QStringLiteral("old date"));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("ROTOR"), QStringLiteral("SI"), true));
}

} // namespace
} // namespace velmarsund
