// Selections as files in the main window: a saved selection opens to the same records and tables,
// gives rotorsheet the data sheet the preview shows, a refused file changes nothing, a change is
// never lost without a question, and the results reach the clipboard and a CSV file as the tables
// show them.

#include "apply_language.h"
#include "data_sheet_page.h"
#include "daten_grid.h"
#include "form_rot_leakage.h"
#include "main_window_fixture.h"
#include "num_edit.h"
#include "number_separators.h"
#include "options_values.h"
#include "recent_files.h"
#include "recording_canvas.h"
#include "results_text.h"
#include "save_question_dialog.h"
#include "selection_commands.h"
#include "selection_file_writer.h"
#include "selection_pages.h"
#include "sheet_job.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include <atomic>
#include <bit>
#include <chrono>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using rotorsheet::Json;

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

void ExpectSameState(const AirStreamState& a, const AirStreamState& b, const char* name) {
    for (const AirStreamField& f : kAirStreamFields)
        EXPECT_EQ(Bits(a.*f.member), Bits(b.*f.member))
            << name << "." << f.name << ": " << a.*f.member << " " << b.*f.member;
}

// Every input and result of a record, to the last bit.
void ExpectSameRecord(const TDatenRWT& a, const TDatenRWT& b) {
    EXPECT_EQ(a.Status, b.Status);
    EXPECT_EQ(a.HumidityKind, b.HumidityKind);
    EXPECT_EQ(a.VolumeKind, b.VolumeKind);
    EXPECT_EQ(a.MatrixType, b.MatrixType);
    EXPECT_EQ(a.Diameter, b.Diameter);
    EXPECT_EQ(a.WheelDepth, b.WheelDepth);
    EXPECT_EQ(a.HClassLabel, b.HClassLabel);
    ExpectSameState(a.State11, b.State11, "State11");
    ExpectSameState(a.State12, b.State12, "State12");
    ExpectSameState(a.State21, b.State21, "State21");
    ExpectSameState(a.State22, b.State22, "State22");
    for (double TDatenRWT::*member : std::initializer_list<double TDatenRWT::*>{
             &TDatenRWT::AirPressure, &TDatenRWT::FoilThickness, &TDatenRWT::ProfileHeight,
             &TDatenRWT::ProfilePitch, &TDatenRWT::Speed, &TDatenRWT::DeltaP1, &TDatenRWT::DeltaP2,
             &TDatenRWT::FaceVelocity1, &TDatenRWT::SensibleHeat1, &TDatenRWT::LatentHeat2,
             &TDatenRWT::WaterTransfer1, &TDatenRWT::TempEff1, &TDatenRWT::HumEff2, &TDatenRWT::AhriTotal1,
             &TDatenRWT::TotalHeat2, &TDatenRWT::Condensate1, &TDatenRWT::EnergyEff,
             &TDatenRWT::TempEffBalanced})
        EXPECT_EQ(Bits(a.*member), Bits(b.*member)) << a.*member << " " << b.*member;
}

class SelectionWindowTest : public MainWindowFixture {
  protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    }

    TSelectionCommands& Commands() { return window_->SelectionCommands(); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Types into a field as the user does, then commits with Enter.
    void Enter(const char* name, const QString& text) {
        auto* field = Get<TNumEditBase>(*window_, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void ShowSummer() {
        Get<QAction>(*window_, "Menu_Optionen_UseSeasons")->trigger();
        Get<QToolButton>(*window_, "Button_Seasons")->click();
        ASSERT_EQ(window_->GetSeasonView(), SeasonView::WinterAndSummer);
    }

    // What the window's four tables show, cell by cell.
    std::vector<QString> Grids() {
        std::vector<QString> cells;
        for (const char* name :
             {"Tabelle_Lufteintritt", "Tabelle_w_dp", "Tabelle_Luftaustritt", "Tabelle_Prozessdaten"}) {
            const auto* grid = Get<TDatenGrid>(*window_, name);
            for (int row = 0; row < grid->RowCount(); ++row)
                for (int col = 0; col < grid->ColCount(); ++col)
                    cells.push_back(grid->Cell(col, row));
        }
        return cells;
    }

    QString SelectionText() { return QString::fromUtf8(SelectionFileBytes(window_->CurrentSelection())); }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
};

// A selection in inch-pound units with typed values that no unit converts to round numbers.
void SetUpInchPound(SelectionWindowTest& t, TFormRotor& w,
                    const std::function<void(const char*, const QString&)>& enter) {
    TOptionsValues options;
    options.unitSystem = UnitSystem::IP;
    options.humidityKind = 1;
    options.airVolumeKind = 1;
    options.airPressure = 987.5;
    options.separators = {QLatin1Char(','), QLatin1Char('.')};
    options.useAhriEffectiveness = true;
    options.totalEffectiveness = true;
    w.ApplyOptions(options);
    enter("Edit_Temp11", QStringLiteral("10,3"));
    enter("Edit_Feuchte11", QStringLiteral("7,7"));
    enter("Edit_SVol21", QStringLiteral("5123"));
    enter("Edit_Temp11_S", QStringLiteral("91,3"));
    enter("Edit_Feuchte21_S", QStringLiteral("55,5"));
    (void)t;
}

TEST_F(SelectionWindowTest, SavedAndOpenedGivesBitIdenticalRecordsAndTheSameTables) {
    for (const bool inchPound : {false, true}) {
        SCOPED_TRACE(inchPound ? "IP" : "SI");
        StartWindow();
        ShowSummer();
        if (inchPound) {
            SetUpInchPound(*this, *window_, [this](const char* f, const QString& t) { Enter(f, t); });
            Get<QComboBox>(*window_, "Combo_Rotorprofil")->setCurrentIndex(0);
        } else {
            Enter("Edit_Temp11", QStringLiteral("-13.37"));
            Enter("Edit_Feuchte21", QStringLiteral("33.3"));
            Enter("Edit_SVol11_S", QStringLiteral("8765"));
            Enter("Edit_Rad", QStringLiteral("1700"));
        }
        Get<QLineEdit>(*window_, "Edit_Sommer")->setText(QStringLiteral("Summer 2026"));
        Calculate();
        ASSERT_TRUE(window_->ResultsValid())
            << (seams_.messages.empty() ? "" : seams_.messages[0].text.toStdString());
        const TDatenRWT winter = window_->WinterRecord();
        const TDatenRWT summer = window_->SummerRecord();
        const std::vector<QString> grids = Grids();
        const QString saved = SelectionText();
        ASSERT_TRUE(Commands().SaveTo(Path("a.vrsel")));
        EXPECT_FALSE(Commands().Modified());

        // Another selection in between, then the file again.
        Get<QAction>(*window_, "Menu_Datei_Neu")->trigger();
        EXPECT_TRUE(seams_.dialogs.empty()) << "nothing to ask: the selection was saved";
        EXPECT_NE(Grids(), grids);
        EXPECT_EQ(window_->GetUnitSystem(), UnitSystem::SI);
        ASSERT_TRUE(Commands().OpenFile(Path("a.vrsel")));
        EXPECT_FALSE(window_->ResultsValid()) << "results wait for Calculate";
        EXPECT_FALSE(Commands().Modified());
        EXPECT_EQ(SelectionText(), saved);
        Calculate();
        ASSERT_TRUE(window_->ResultsValid());
        ExpectSameRecord(window_->WinterRecord(), winter);
        ExpectSameRecord(window_->SummerRecord(), summer);
        EXPECT_EQ(Grids(), grids);
        EXPECT_EQ(window_->SummerCaption(), QStringLiteral("Summer 2026"));
        EXPECT_TRUE(seams_.messages.empty());
        window_.reset();
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    }
}

TEST_F(SelectionWindowTest, ASavedSelectionGivesRotorsheetTheDataSheetThePreviewShows) {
    StartWindow();
    ApplyLanguage(Language::German);
    ShowSummer();
    SetUpInchPound(*this, *window_, [this](const char* f, const QString& t) { Enter(f, t); });
    window_->DataSheetNotes()[0] = QStringLiteral("Lüftungsgerät 3, Dach");
    Calculate();
    ASSERT_TRUE(window_->ResultsValid());
    ASSERT_TRUE(Commands().SaveTo(Path("sheet.vrsel")));
    RecordingCanvas shown;
    DrawDataSheet(shown, DataSheetValuesOf(window_->CalculatedForPages()));

    QFile file(Path("sheet.vrsel"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const rotorsheet::PreparedSheet sheet =
        rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest(Json::parse(file.readAll().toStdString())));
    ASSERT_EQ(sheet.pages.size(), 1u);
    RecordingCanvas written;
    sheet.pages[0](written, 0);
    EXPECT_GT(shown.Texts().size(), 100u);
    EXPECT_TRUE(shown.Operations() == written.Operations()) << "window:\n"
                                                            << shown.Dump().toStdString() << "\nrotorsheet:\n"
                                                            << written.Dump().toStdString();

    // And the program itself takes the file as it is.
    QProcess rotorsheet;
    rotorsheet.start(QStringLiteral(ROTORSHEET_PATH),
                     {Path("sheet.vrsel"), QStringLiteral("-o"), Path("sheet.pdf")});
    ASSERT_TRUE(rotorsheet.waitForFinished(60000));
    EXPECT_EQ(rotorsheet.exitCode(), 0) << rotorsheet.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(Path("sheet.pdf")));
}

TEST_F(SelectionWindowTest, AFileOfFormatOneOpens) {
    StartWindow();
    ASSERT_TRUE(Commands().OpenFile(QStringLiteral(SELECTION_FIXTURES "/format-1.vrsel")));
    EXPECT_EQ(window_->GetSeasonView(), SeasonView::WinterAndSummer);
    EXPECT_EQ(window_->ProfileText(), QStringLiteral("E20"));
    EXPECT_EQ(Get<TNumEdit>(*window_, "Edit_Temp11_S")->text(), QStringLiteral("32"));
    EXPECT_EQ(ProgramSeparators().decimal, QLatin1Char(','));
    EXPECT_EQ(CurrentLanguage(), Language::English) << "a file does not set the language";
    EXPECT_EQ(window_->BasisSettings().header[1], QStringLiteral("10.12.2026"));
}

TEST_F(SelectionWindowTest, ARefusedFileIsNamedWithItsFieldAndChangesNothing) {
    StartWindow();
    Enter("Edit_Temp11", QStringLiteral("-14"));
    ASSERT_TRUE(Commands().SaveTo(Path("kept.vrsel")));
    Enter("Edit_Temp21", QStringLiteral("23"));
    const QString before = SelectionText();
    const QString caption = window_->windowTitle();
    ASSERT_TRUE(caption.startsWith(QStringLiteral("kept.vrsel* - ")));

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* named; // what the message names
    };
    const Case cases[] = {
        {"damaged.vrsel", QByteArray(R"({"Format":1,"Height":2000,"Width")"), "damaged"},
        {"foreign.vrsel", QByteArray(R"({"name":"velmarsund","dependencies":{}})"), "\"name\""},
        {"newer.vrsel", QByteArray(R"({"Format":7,"Height":2000,"Width":2000})"), "format 7"},
        {"pressure.vrsel", QByteArray(R"({"Height":2000,"Width":2000,"AirPressure":1500})"),
         "\"AirPressure\" must lie between 600 and 1100"},
        {"summer.vrsel", QByteArray(R"({"Height":2000,"Width":2000,"Summer":{"State21":{"Temp":99}}})"),
         "\"Summer.State21.Temp\""},
    };
    for (const Case& c : cases) {
        WriteFile(Path(c.name), c.bytes);
        seams_.messages.clear();
        EXPECT_FALSE(Commands().OpenFile(Path(c.name), false)) << c.name;
        ASSERT_EQ(seams_.messages.size(), 1u) << c.name;
        EXPECT_EQ(seams_.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(
            seams_.messages[0].text.startsWith(QStringLiteral("The selection \"") + QLatin1String(c.name)))
            << seams_.messages[0].text.toStdString();
        EXPECT_TRUE(seams_.messages[0].text.contains(QString::fromUtf8(c.named)))
            << seams_.messages[0].text.toStdString();
        EXPECT_EQ(SelectionText(), before) << c.name;
        EXPECT_EQ(window_->windowTitle(), caption) << c.name;
        EXPECT_EQ(Commands().FilePath(), Path("kept.vrsel"));
        EXPECT_FALSE(Commands().RecentFiles().contains(Path(c.name)));
    }

    // In the user's language.
    ApplyLanguage(Language::German);
    seams_.messages.clear();
    EXPECT_FALSE(Commands().OpenFile(Path("pressure.vrsel"), false));
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text,
              QStringLiteral("Die Auswahl „pressure.vrsel“ kann nicht geöffnet werden.\n"
                             "Das Feld „AirPressure“ muss zwischen 600 und 1100 liegen.\n"
                             "Das Fenster behält die angezeigte Auswahl."));
}

TEST_F(SelectionWindowTest, APipeAFolderOrADeviceNamedAtStartIsRefusedWithoutWaiting) {
    // As at a start with FILE named: the window is shown, then the file is opened.
    StartWindow();
    const QString pipe = Path("pipe.vrsel");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path("device.vrsel")));
    QDir(dir_.path()).mkdir(QStringLiteral("folder.vrsel"));
    const QString before = SelectionText();
    for (const char* name : {"pipe.vrsel", "device.vrsel", "folder.vrsel"}) {
        // Should opening wait for a writer, one comes after a while, so that the test ends and fails.
        std::atomic<bool> done{false};
        std::atomic<bool> rescued{false};
        std::thread writer([&] {
            for (int i = 0; i < 100 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (done) return;
            rescued = true;
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        });
        seams_.messages.clear();
        const bool opened = Commands().OpenFile(Path(name), false);
        done = true;
        writer.join();
        EXPECT_FALSE(rescued) << name << ": the window waited for a writer";
        EXPECT_FALSE(opened) << name;
        EXPECT_TRUE(window_->isVisible());
        ASSERT_EQ(seams_.messages.size(), 1u) << name;
        EXPECT_EQ(seams_.messages[0].text, QStringLiteral("The selection \"") + QLatin1String(name) +
                                               QStringLiteral("\" cannot be opened.\n"
                                                              "The file is damaged or is no selection file.\n"
                                                              "The window keeps the selection it shows."));
        EXPECT_EQ(SelectionText(), before);
        EXPECT_FALSE(Commands().RecentFiles().contains(Path(name)));
    }
}

TEST_F(SelectionWindowTest, InvisibleSeparatorsAndOverlongTextsInAFileAreRefusedWithTheField) {
    StartWindow();
    const QString before = SelectionText();
    struct Case {
        QByteArray bytes;
        const char* reason;
    };
    const QByteArray line(1 << 20, 'x');
    const Case cases[] = {
        {R"({"Height":2000,"Width":2000,"DecimalSeparator":"\u200B"})",
         "The field \"DecimalSeparator\" must be one of: \".\", \",\", \"'\"."},
        {R"({"Height":2000,"Width":2000,"DecimalSeparator":"\u00AD"})",
         "The field \"DecimalSeparator\" must be one of"},
        {R"({"Height":2000,"Width":2000,"ThousandSeparator":"\u0301"})",
         "The field \"ThousandSeparator\" must be one of"},
        {R"({"Height":2000,"Width":2000,"Header":[")" + QByteArray(301, 'x') + R"("]})",
         "The field \"Header[0]\" is longer than 300 characters."},
        {R"({"Height":2000,"Width":2000,"Notes":["a",")" + line.left(900000) + R"("]})",
         "The field \"Notes[1]\" is longer than 300 characters."},
        {R"({"Height":2000,"Width":2000,"WinterCaption":")" + QByteArray(101, 'x') + R"("})",
         "The field \"WinterCaption\" is longer than 100 characters."},
    };
    int i = 0;
    for (const Case& c : cases) {
        const QString path = Path("case.vrsel") + QString::number(++i);
        WriteFile(path, c.bytes);
        seams_.messages.clear();
        EXPECT_FALSE(Commands().OpenFile(path, false)) << c.reason;
        ASSERT_EQ(seams_.messages.size(), 1u);
        EXPECT_TRUE(seams_.messages[0].text.contains(QString::fromUtf8(c.reason)))
            << seams_.messages[0].text.toStdString();
        EXPECT_EQ(SelectionText(), before);
    }
    ApplyLanguage(Language::German);
    seams_.messages.clear();
    EXPECT_FALSE(Commands().OpenFile(Path("case.vrsel4"), false));
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_TRUE(
        seams_.messages[0].text.contains(QStringLiteral("Das Feld „Header[0]“ ist länger als 300 Zeichen.")))
        << seams_.messages[0].text.toStdString();
}

TEST_F(SelectionWindowTest, AWheelTooLargeForTheHousingIsReportedAndMarked) {
    StartWindow();
    WriteFile(Path("large.vrsel"), QByteArray(R"({"Height":2000,"Width":2000,"Diameter":2400})"));
    ASSERT_TRUE(Commands().OpenFile(Path("large.vrsel"), false));
    EXPECT_EQ(window_->WinterRecord().Diameter, 1880);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(
        seams_.messages[0].text.contains(QStringLiteral("Diameter: 2400 in the file, 1880 in the window")));
    EXPECT_TRUE(Commands().Modified()) << "the window does not show what the file holds";
    EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("large.vrsel* - ")));
}

TEST_F(SelectionWindowTest, CaptionShowsTheFileAndTheChangeMark) {
    StartWindow();
    const QString program = QStringLiteral("Velmarsund Rotor - Regenerative Rotating Heat Exchanger");
    EXPECT_EQ(window_->windowTitle(), program);
    ASSERT_TRUE(Commands().SaveTo(Path("Nord 7.vrsel")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Nord 7.vrsel - ") + program);
    Enter("Edit_SVol11", QStringLiteral("9000"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Nord 7.vrsel* - ") + program);
    Enter("Edit_SVol11", QStringLiteral("10000"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Nord 7.vrsel - ") + program)
        << "back as saved: no change";
    // Changes outside the fields count as well: the notes, once the window is active again.
    window_->DataSheetNotes()[2] = QStringLiteral("note");
    Commands().UpdateCaption();
    EXPECT_TRUE(Commands().Modified());
    Get<QAction>(*window_, "Menu_Datei_Speichern")->trigger();
    EXPECT_FALSE(Commands().Modified());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Nord 7.vrsel - ") + program);
    ApplyLanguage(Language::German);
    EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("Nord 7.vrsel - Velmarsund Rotor - ")));
    EXPECT_FALSE(Commands().Modified()) << "the language is no change of the selection";
}

TEST_F(SelectionWindowTest, TheQuestionBeforeAChangeIsLost) {
    StartWindow();
    ASSERT_TRUE(Commands().SaveTo(Path("q.vrsel")));
    Enter("Edit_Temp11", QStringLiteral("-5"));
    const auto answer = [this](int result) {
        seams_.dialogs.clear();
        seams_.onDialog = [this, result](QDialog& d) {
            auto* question = qobject_cast<TSaveQuestionDialog*>(&d);
            EXPECT_NE(question, nullptr);
            if (question) {
                EXPECT_EQ(
                    question->TextLabel()->text(),
                    QStringLiteral("The selection \"q.vrsel\" has changes that are not saved. Save them?"));
            }
            seams_.onDialog = nullptr;
            return result;
        };
    };

    // New: Cancel keeps everything, Don't save starts anew.
    answer(TSaveQuestionDialog::Cancel);
    Get<QAction>(*window_, "Menu_Datei_Neu")->trigger();
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -5);
    EXPECT_EQ(Commands().FilePath(), Path("q.vrsel"));
    answer(TSaveQuestionDialog::Discard);
    Get<QAction>(*window_, "Menu_Datei_Neu")->trigger();
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -12);
    EXPECT_EQ(Commands().FilePath(), QString());

    // Open: Save writes the changes first.
    ASSERT_TRUE(Commands().OpenFile(Path("q.vrsel"), false));
    Enter("Edit_Temp11", QStringLiteral("-7"));
    WriteFile(Path("other.vrsel"), QByteArray(R"({"Height":2000,"Width":2000})"));
    answer(TSaveQuestionDialog::Save);
    ASSERT_TRUE(Commands().OpenFile(Path("other.vrsel")));
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    ASSERT_TRUE(Commands().OpenFile(Path("q.vrsel")));
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -7) << "saved by the answer";

    // A recent file asks as well.
    Enter("Edit_Temp11", QStringLiteral("-8"));
    answer(TSaveQuestionDialog::Cancel);
    Commands().Menu_Datei_Zuletzt[1]->trigger();
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    EXPECT_EQ(Commands().FilePath(), Path("q.vrsel"));

    // Closing: Cancel keeps the window open; Don't save closes it.
    answer(TSaveQuestionDialog::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    answer(TSaveQuestionDialog::Discard);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(seams_.dialogs.size(), 1u);
}

TEST_F(SelectionWindowTest, TheNextStartShowsWhatTheUserLastKept) {
    const QString program = QStringLiteral(" - Velmarsund Rotor - Regenerative Rotating Heat Exchanger");
    const auto closeAnswering = [this](int answer) {
        seams_.onDialog = [answer](QDialog&) { return answer; };
        EXPECT_TRUE(window_->close());
        seams_.onDialog = nullptr;
    };
    struct Case {
        const char* what;
        int answer;             // to the question at the end
        bool editFileMeanwhile; // the file changes on disk before the next start
        double temperature;     // at the next start
        bool named;             // the caption names the file
    };
    const Case cases[] = {
        {"don't save: the file as saved, under its name", TSaveQuestionDialog::Discard, false, -4, true},
        {"save: the changes, under the file's name", TSaveQuestionDialog::Save, false, -9, true},
        {"the file changed meanwhile: the inputs kept, in no file", TSaveQuestionDialog::Discard, true, -4,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(TIniDatei::AppDataFolder()).removeRecursively();
        StartWindow();
        Enter("Edit_Temp11", QStringLiteral("-4"));
        ASSERT_TRUE(Commands().SaveTo(Path("AHU-1.vrsel")));
        Enter("Edit_Temp11", QStringLiteral("-9"));
        closeAnswering(c.answer);
        if (c.editFileMeanwhile) {
            window_.reset();
            StartWindow();
            Enter("Edit_Temp11", QStringLiteral("-2"));
            ASSERT_TRUE(Commands().SaveTo(Path("AHU-1.vrsel")));
            Enter("Edit_Temp11", QStringLiteral("-4"));
            // another copy of the program wrote the file; this one closes on its own inputs
            ASSERT_TRUE(Commands().SaveTo(Path("AHU-1.vrsel")));
            WriteFile(Path("AHU-1.vrsel"), QByteArray(R"({"Height":2000,"Width":2000})"));
            EXPECT_TRUE(window_->close());
        }
        window_.reset();
        StartWindow();
        EXPECT_EQ(window_->WinterRecord().State11.Temp, c.temperature);
        EXPECT_EQ(Get<TNumEditBase>(*window_, "Edit_Temp11")->text(), QString::number(c.temperature));
        EXPECT_EQ(Commands().FilePath(),
                  c.named ? QFileInfo(Path("AHU-1.vrsel")).absoluteFilePath() : QString());
        EXPECT_EQ(window_->windowTitle().startsWith(QStringLiteral("AHU-1.vrsel") + program), c.named)
            << window_->windowTitle().toStdString();
        EXPECT_FALSE(Commands().Modified());
        window_.reset();
    }
}

TEST_F(SelectionWindowTest, ClosingWithoutAFileAsksNothing) {
    StartWindow();
    Enter("Edit_Temp11", QStringLiteral("-5"));
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(seams_.dialogs.empty()) << "the settings file keeps the inputs";
    // New, though, would lose them.
    StartWindow();
    Enter("Edit_Temp11", QStringLiteral("-6"));
    seams_.onDialog = [](QDialog& d) {
        EXPECT_EQ(static_cast<TSaveQuestionDialog&>(d).TextLabel()->text(),
                  QStringLiteral("The entered selection is not saved in a file. Save it?"));
        return int(TSaveQuestionDialog::Cancel);
    };
    Get<QAction>(*window_, "Menu_Datei_Neu")->trigger();
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -6);
}

TEST_F(SelectionWindowTest, ResultsToTheClipboardAndToCsvInBothSeparatorSettings) {
    StartWindow();
    ShowSummer();
    auto* copy = Get<QAction>(*window_, "Menu_Edit_ErgebnisseKopieren");
    auto* exportItem = Get<QAction>(*window_, "Menu_Datei_Export");
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(exportItem->isEnabled());
    for (const NumberSeparators separators : {NumberSeparators{QLatin1Char('.'), QLatin1Char(',')},
                                              NumberSeparators{QLatin1Char(','), QLatin1Char('.')}}) {
        TOptionsValues options;
        options.separators = separators;
        window_->ApplyOptions(options);
        Calculate();
        ASSERT_TRUE(copy->isEnabled());
        QGuiApplication::clipboard()->clear();
        copy->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        const QStringList rows = text.split(QLatin1Char('\n'));
        // The temperature row of the inlet table: its label and unit as the table shows them, the
        // entered temperatures as their fields show them ("-12", not the table's "-12.0").
        const auto* inlet = Get<TDatenGrid>(*window_, "Tabelle_Lufteintritt");
        const auto field = [this](const char* name) { return Get<TNumEdit>(*window_, name)->text(); };
        int row = InletRow::Temperature;
        const QString expected =
            QStringList{inlet->Cell(0, row).trimmed(), field("Edit_Temp11"),   field("Edit_Temp21"),
                        field("Edit_Temp11_S"),        field("Edit_Temp21_S"), inlet->Cell(9, row).trimmed()}
                .join(QLatin1Char('\t'));
        EXPECT_TRUE(rows.contains(expected)) << text.toStdString();
        EXPECT_TRUE(expected.contains(QStringLiteral("\t-12\t"))) << expected.toStdString();
        // A calculated row, cell by cell as the table shows it without its padding.
        row = InletRow::Enthalpy;
        EXPECT_TRUE(rows.contains(QStringList{inlet->Cell(0, row).trimmed(), inlet->Cell(1, row).trimmed(),
                                              inlet->Cell(3, row).trimmed(), inlet->Cell(5, row).trimmed(),
                                              inlet->Cell(7, row).trimmed(), inlet->Cell(9, row).trimmed()}
                                      .join(QLatin1Char('\t'))))
            << text.toStdString();
        for (const QString& line : rows)
            for (const QString& cell : line.split(QLatin1Char('\t')))
                EXPECT_EQ(cell, cell.trimmed()) << "padded cell in: " << line.toStdString();
        EXPECT_TRUE(rows[0].startsWith(QStringLiteral("\tHeating\t\tCooling")));

        const QString csv = Path(separators.decimal == QLatin1Char(',') ? "comma.csv" : "point.csv");
        ASSERT_TRUE(Commands().ExportResultsTo(csv));
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes, ResultsCsv(Commands().ResultsInput(), separators.decimal));
        const QString separator =
            separators.decimal == QLatin1Char(',') ? QStringLiteral(";") : QStringLiteral(",");
        EXPECT_TRUE(
            QString::fromUtf8(bytes).contains(QString(expected).replace(QLatin1Char('\t'), separator)));
    }
    Enter("Edit_Temp11", QStringLiteral("-3"));
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(exportItem->isEnabled());
}

TEST_F(SelectionWindowTest, FourRecentFilesKeptInTheSettingsFile) {
    StartWindow();
    for (const char* name : {"1.vrsel", "2.vrsel", "3.vrsel", "4.vrsel", "5.vrsel"})
        ASSERT_TRUE(Commands().SaveTo(Path(name)));
    const QStringList expected{Path("5.vrsel"), Path("4.vrsel"), Path("3.vrsel"), Path("2.vrsel")};
    EXPECT_EQ(Commands().RecentFiles(), expected);
    EXPECT_EQ(Commands().Menu_Datei_Zuletzt[0]->text(), QStringLiteral("&1 5.vrsel"));
    EXPECT_TRUE(Commands().Menu_Datei_Zuletzt[3]->isVisible());
    EXPECT_EQ(
        ReadRecentFiles(TIniDatei(kSettingsFileName, QStringLiteral("#")), TFormRotor::SettingsSection()),
        expected);

    window_->close();
    StartWindow();
    EXPECT_EQ(Commands().RecentFiles(), expected);
    Commands().Menu_Datei_Zuletzt[2]->trigger();
    EXPECT_EQ(Commands().FilePath(), Path("3.vrsel"));
    EXPECT_EQ(Commands().RecentFiles().front(), Path("3.vrsel"));
}

TEST_F(SelectionWindowTest, ADroppedFileOpens) {
    StartWindow();
    WriteFile(Path("dropped.vrsel"), QByteArray(R"({"Height":2000,"Width":2000,"State11":{"Temp":-21}})"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Path("dropped.vrsel"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    QTRY_COMPARE(Commands().FilePath(), Path("dropped.vrsel"));
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -21);
}

TEST_F(SelectionWindowTest, FileAndEditMenusInEveryLanguage) {
    StartWindow();
    QMenu* file = Get<QMenu>(*window_, "Menu_Datei");
    ApplyLanguage(Language::German);
    QStringList items;
    for (QAction* action : file->actions())
        if (!action->isSeparator() && action->isVisible())
            items << QString(action->text()).remove(QLatin1Char('&')); // without the access keys
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("Neue Auswahl"), QStringLiteral("Auswahl öffnen..."),
                           QStringLiteral("Auswahl speichern"), QStringLiteral("Auswahl speichern unter..."),
                           QStringLiteral("Ergebnisse exportieren..."), LoadText(164)}));
    EXPECT_EQ(Get<QAction>(*window_, "Menu_Datei_Oeffnen")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Get<QAction>(*window_, "Menu_Datei_Speichern")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+S")));
    for (const LanguageInfo& language : OfferedLanguages()) {
        ApplyLanguage(language.number);
        for (const char* name :
             {"Menu_Datei_Neu", "Menu_Datei_Oeffnen", "Menu_Datei_Speichern", "Menu_Datei_SpeichernUnter",
              "Menu_Datei_Export", "Menu_Edit_ErgebnisseKopieren"})
            EXPECT_FALSE(Get<QAction>(*window_, name)->text().isEmpty()) << language.fileCode << " " << name;
    }
}

TEST_F(SelectionWindowTest, SaveAsAndOpenThroughTheirFileDialogs)
{
    StartWindow();
    Enter("Edit_Temp11", QStringLiteral("-9"));
    // Save without a file asks where, proposing the designation in the project folder.
    seams_.onDialog = [this](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return int(QDialog::Rejected);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("vrsel"));
        EXPECT_EQ(dialog->nameFilters().value(0), QStringLiteral("Selections (*.vrsel)"));
        dialog->selectFile(Path("dialog.vrsel"));
        return int(QDialog::Accepted);
    };
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    EXPECT_EQ(Commands().FilePath(), Path("dialog.vrsel"));
    EXPECT_TRUE(QFile::exists(Path("dialog.vrsel")));

    // Open shows the selections first; Cancel changes nothing.
    Get<QAction>(*window_, "Menu_Datei_Neu")->trigger();
    seams_.dialogs.clear();
    seams_.onDialog = [](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        }
        return int(QDialog::Rejected);
    };
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(seams_.dialogs.size(), 1u);
    EXPECT_EQ(Commands().FilePath(), QString());
    seams_.onDialog = [this](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(Path("dialog.vrsel"));
        return int(QDialog::Accepted);
    };
    Get<QAction>(*window_, "Menu_Datei_Oeffnen")->trigger();
    EXPECT_EQ(Commands().FilePath(), Path("dialog.vrsel"));
    EXPECT_EQ(window_->WinterRecord().State11.Temp, -9);
}

TEST_F(SelectionWindowTest, AFailedWriteIsReportedAndKeepsTheChanges)
{
    StartWindow();
    ASSERT_TRUE(Commands().SaveTo(Path("w.vrsel")));
    Enter("Edit_Temp11", QStringLiteral("-4"));
    EXPECT_FALSE(Commands().SaveTo(Path("missing/w.vrsel")));
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(seams_.messages[0].text.startsWith(QStringLiteral("The file \"") + Path("missing/w.vrsel")));
    EXPECT_EQ(Commands().FilePath(), Path("w.vrsel"));
    EXPECT_TRUE(Commands().Modified());
    Calculate();
    seams_.messages.clear();
    EXPECT_FALSE(Commands().ExportResultsTo(Path("missing/r.csv")));
    EXPECT_EQ(seams_.messages.size(), 1u);
}

TEST_F(SelectionWindowTest, CopyResultsFromTheKeyboardWhileAnEntryHasTheFocus)
{
    StartWindow();
    Calculate();
    QGuiApplication::clipboard()->clear();
    auto* field = Get<TNumEdit>(*window_, "Edit_SVol11");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ResultsClipboardText(Commands().ResultsInput()));
    EXPECT_EQ(field->text(), QStringLiteral("10000")) << "the entry itself is untouched";
}

} // namespace
} // namespace velmarsund
