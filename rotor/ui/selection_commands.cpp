#include "selection_commands.h"

#include "air_completion.h"
#include "form_rotor.h"
#include "message_box.h"
#include "modal_runner.h"
#include "number_separators.h"
#include "recent_captions.h"
#include "recent_files.h"
#include "result_grid_layout.h"
#include "result_table_texts.h"
#include "results_text.h"
#include "save_question_dialog.h"
#include "selection_file_messages.h"
#include "selection_file_reader.h"
#include "selection_file_writer.h"
#include "text_format.h"
#include "text_table.h"

#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <QTimer>
#include <QUndoStack>

namespace velmarsund {
namespace {

// The settings key of the file whose inputs the settings keep for the next start.
constexpr QLatin1StringView kShownFileKey{"SelectionFile"};
constexpr TextId kErrorCaption = 104;
constexpr TextId kCannotWrite = 580;
constexpr TextId kNewSelection = 620;
constexpr TextId kOpenSelection = 621;
constexpr TextId kSaveSelection = 622;
constexpr TextId kSaveSelectionAs = 623;
constexpr TextId kCopyResults = 624;
constexpr TextId kExportResults = 625;
constexpr TextId kSelections = 626;
constexpr TextId kCsvFiles = 627;
constexpr TextId kSaveChanges = 628;
constexpr TextId kSaveUnnamed = 629;

QString SelectionFilter() {
    return LoadText(kSelections) + QStringLiteral(" (*.") + QLatin1String(kSelectionFileSuffix) +
           QLatin1Char(')');
}

// A menu text without the dots that announce a dialog, for a dialog's caption.
QString Caption(TextId id) {
    return LoadText(id).remove(QStringLiteral("...")).trimmed();
}

// The first local file of a drag, if any.
QString DraggedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    const QList<QUrl> urls = mime->urls();
    return urls.isEmpty() || !urls.front().isLocalFile() ? QString() : urls.front().toLocalFile();
}

} // namespace

TSelectionCommands::TSelectionCommands(TFormRotor& window, QMenu* fileMenu, QAction* exitItem,
                                       QMenu* editMenu)
    : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("SelectionCommands"));
    const auto item = [this, fileMenu, exitItem](const char* name) {
        auto* action = new QAction(fileMenu);
        action->setObjectName(QLatin1String(name));
        fileMenu->insertAction(exitItem, action);
        return action;
    };
    Menu_Datei_Neu = item("Menu_Datei_Neu");
    Menu_Datei_Oeffnen = item("Menu_Datei_Oeffnen");
    Menu_Datei_Oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Menu_Datei_Speichern = item("Menu_Datei_Speichern");
    Menu_Datei_Speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Menu_Datei_SpeichernUnter = item("Menu_Datei_SpeichernUnter");
    fileMenu->insertSeparator(exitItem);
    Menu_Datei_Export = item("Menu_Datei_Export");
    fileMenu->insertSeparator(exitItem);
    for (std::size_t i = 0; i < Menu_Datei_Zuletzt.size(); ++i) {
        Menu_Datei_Zuletzt[i] = item(("Menu_Datei_Zuletzt" + std::to_string(i + 1)).c_str());
        connect(Menu_Datei_Zuletzt[i], &QAction::triggered, this,
                [this, i] { RecentClick(static_cast<int>(i)); });
    }
    fileMenu->insertSeparator(exitItem);
    connect(Menu_Datei_Neu, &QAction::triggered, this, &TSelectionCommands::Menu_Datei_NeuClick);
    connect(Menu_Datei_Oeffnen, &QAction::triggered, this, &TSelectionCommands::Menu_Datei_OeffnenClick);
    connect(Menu_Datei_Speichern, &QAction::triggered, this, &TSelectionCommands::Menu_Datei_SpeichernClick);
    connect(Menu_Datei_SpeichernUnter, &QAction::triggered, this,
            &TSelectionCommands::Menu_Datei_SpeichernUnterClick);
    connect(Menu_Datei_Export, &QAction::triggered, this, &TSelectionCommands::Menu_Datei_ExportClick);

    Menu_Edit_ErgebnisseKopieren = new QAction(editMenu);
    Menu_Edit_ErgebnisseKopieren->setObjectName(QStringLiteral("Menu_Edit_ErgebnisseKopieren"));
    Menu_Edit_ErgebnisseKopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    const QList<QAction*> editItems = editMenu->actions();
    QAction* first = editItems.isEmpty() ? nullptr : editItems.front();
    editMenu->insertAction(first, Menu_Edit_ErgebnisseKopieren);
    editMenu->insertSeparator(first);
    connect(Menu_Edit_ErgebnisseKopieren, &QAction::triggered, this,
            &TSelectionCommands::Menu_Edit_ErgebnisseKopierenClick);

    recent_ = ReadRecentFiles(window_.IniDatei(), TFormRotor::SettingsSection());
    ShowRecentFiles();
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// The state of the file

bool TSelectionCommands::Modified() const {
    if (adjusted_) return true;
    // What the window shows now, also before the current action's change is committed; the
    // language is the window's and no change of the selection.
    Selection shown = window_.SelectionOfWindow();
    shown.language = saved_.language;
    return shown != saved_;
}

void TSelectionCommands::TakeAsSaved(const QString& path) {
    path_ = path;
    saved_ = window_.CurrentSelection();
    window_.UndoStack().setClean();
    adjusted_ = false;
    UpdateCaption();
}

void TSelectionCommands::StartAnew(const QString& path) {
    window_.StartHistory();
    TakeAsSaved(path);
}

void TSelectionCommands::UpdateCaption() {
    QString caption = QStringLiteral("Velmarsund Rotor - ") + LoadText(70);
    if (!path_.isEmpty())
        caption = QFileInfo(path_).fileName() + (Modified() ? QStringLiteral("*") : QString()) +
                  QStringLiteral(" - ") + caption;
    if (window_.windowTitle() != caption) window_.setWindowTitle(caption);
    const bool results = window_.ResultsValid();
    Menu_Edit_ErgebnisseKopieren->setEnabled(results);
    Menu_Datei_Export->setEnabled(results);
}

void TSelectionCommands::TakeStartState() {
    const QString path =
        window_.IniDatei().ReadString(TFormRotor::SettingsSection(), kShownFileKey, QString());
    StartAnew(QString());
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    try {
        OpenedSelection opened = ReadSelectionFile(path);
        opened.selection.language = saved_.language;
        if (opened.adjustments.empty() && opened.selection == saved_)
            TakeAsSaved(QFileInfo(path).absoluteFilePath());
    } catch (const SelectionRefused&) {
        // A file that cannot be read now names nothing; the inputs stay as the settings keep them.
    }
}

void TSelectionCommands::KeepForNextStart() {
    window_.IniDatei().WriteString(TFormRotor::SettingsSection(), kShownFileKey,
                                   Modified() ? QString() : path_);
}

void TSelectionCommands::SetTexts() {
    Menu_Datei_Neu->setText(LoadText(kNewSelection));
    Menu_Datei_Oeffnen->setText(LoadText(kOpenSelection));
    Menu_Datei_Speichern->setText(LoadText(kSaveSelection));
    Menu_Datei_SpeichernUnter->setText(LoadText(kSaveSelectionAs));
    Menu_Datei_Export->setText(LoadText(kExportResults));
    Menu_Edit_ErgebnisseKopieren->setText(LoadText(kCopyResults));
    UpdateCaption();
}

QString TSelectionCommands::FolderForDialogs() const {
    return path_.isEmpty() ? window_.BasisSettings().projectPath : QFileInfo(path_).absolutePath();
}

// ---------------------------------------------------------------------------------------------
// Recent files

void TSelectionCommands::ShowRecentFiles() {
    // Names alike are told apart by their folders; the full path is the item's status tip.
    const QStringList captions = RecentFileCaptions(recent_);
    for (std::size_t i = 0; i < Menu_Datei_Zuletzt.size(); ++i) {
        QAction* action = Menu_Datei_Zuletzt[i];
        const QString path = recent_.value(static_cast<int>(i));
        action->setVisible(!path.isEmpty());
        QString name = captions.value(static_cast<int>(i));
        action->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                        name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(path);
        action->setStatusTip(path);
    }
}

void TSelectionCommands::RememberFile(const QString& path) {
    recent_ = WithRecentFile(recent_, QFileInfo(path).absoluteFilePath());
    ShowRecentFiles();
    // Kept at once; what cannot be written now stays pending until the window closes.
    WriteRecentFiles(window_.IniDatei(), TFormRotor::SettingsSection(), recent_);
    window_.IniDatei().UpdateFile();
}

void TSelectionCommands::RecentClick(int index) {
    const QString path = recent_.value(index);
    if (path.isEmpty() || !MayDiscardChanges(false)) return;
    OpenFile(path, false);
}

// ---------------------------------------------------------------------------------------------
// Commands

bool TSelectionCommands::MayDiscardChanges(bool closing) {
    if (!window_.CommitPendingEntries()) return false;
    if (!Modified() || (closing && path_.isEmpty())) return true;
    const QString text = path_.isEmpty() ? LoadText(kSaveUnnamed)
                                         : FormatText(LoadText(kSaveChanges), {QFileInfo(path_).fileName()});
    TSaveQuestionDialog question(text, &window_);
    switch (RunModal(question)) {
    case TSaveQuestionDialog::Save:
        return Menu_Datei_SpeichernClick();
    case TSaveQuestionDialog::Discard:
        // At the end the file stays as it was saved, and so do the inputs the settings keep for
        // the next start: what the user last agreed to keep, under the file's name.
        if (closing && !path_.isEmpty()) {
            window_.ApplySelection(saved_);
            adjusted_ = false;
        }
        return true;
    default:
        return false;
    }
}

void TSelectionCommands::Menu_Datei_NeuClick() {
    if (!MayDiscardChanges(false)) return;
    window_.NewSelection();
    StartAnew(QString());
}

void TSelectionCommands::Menu_Datei_OeffnenClick() {
    if (!MayDiscardChanges(false)) return;
    QFileDialog dialog(&window_, Caption(kOpenSelection));
    dialog.setObjectName(QStringLiteral("SelectionOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({SelectionFilter(), QStringLiteral("JSON (*.json)"), QStringLiteral("* (*)")});
    if (const QString folder = FolderForDialogs(); !folder.isEmpty()) dialog.setDirectory(folder);
    if (RunModal(dialog) != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty()) OpenFile(path, false);
}

bool TSelectionCommands::OpenFile(const QString& path, bool ask) {
    if (ask && !MayDiscardChanges(false)) return false;
    const QString name = QFileInfo(path).fileName();
    OpenedSelection opened;
    try {
        opened = ReadSelectionFile(path);
    } catch (const SelectionRefused& refused) {
        ShowMessageBox(RefusalMessage(refused, name), LoadText(kErrorCaption), MessageKind::Error);
        return false;
    }
    window_.ApplySelection(opened.selection);
    StartAnew(QFileInfo(path).absoluteFilePath());
    RememberFile(path);
    if (!opened.adjustments.empty()) {
        adjusted_ = true;
        UpdateCaption();
        ShowMessageBox(AdjustmentMessage(opened.adjustments, name), Caption(kOpenSelection),
                       MessageKind::Information);
    }
    return true;
}

bool TSelectionCommands::Menu_Datei_SpeichernClick() {
    if (path_.isEmpty()) return Menu_Datei_SpeichernUnterClick();
    return SaveTo(path_);
}

bool TSelectionCommands::Menu_Datei_SpeichernUnterClick() {
    if (!window_.CommitPendingEntries()) return false;
    QFileDialog dialog(&window_, Caption(kSaveSelectionAs));
    dialog.setObjectName(QStringLiteral("SelectionSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(SelectionFilter());
    dialog.setDefaultSuffix(QLatin1String(kSelectionFileSuffix));
    if (const QString folder = FolderForDialogs(); !folder.isEmpty()) dialog.setDirectory(folder);
    const QString proposal = path_.isEmpty()
                                 ? QString::fromStdString(window_.CurrentDesignation().ModelDesignation)
                                 : QFileInfo(path_).completeBaseName();
    dialog.selectFile((proposal.isEmpty() ? QStringLiteral("Rotor") : proposal) + QLatin1Char('.') +
                      QLatin1String(kSelectionFileSuffix));
    if (RunModal(dialog) != QDialog::Accepted) return false;
    const QString path = dialog.selectedFiles().value(0);
    return !path.isEmpty() && SaveTo(path);
}

bool TSelectionCommands::SaveTo(const QString& path) {
    if (!window_.CommitPendingEntries()) return false;
    QString error;
    if (!WriteSelectionFile(path, window_.CurrentSelection(), &error)) {
        ShowMessageBox(FormatText(LoadText(kCannotWrite), {path, error}), LoadText(kErrorCaption),
                       MessageKind::Error);
        return false;
    }
    TakeAsSaved(QFileInfo(path).absoluteFilePath());
    RememberFile(path);
    return true;
}

ResultsTextInput TSelectionCommands::ResultsInput() const {
    ResultsTextInput in;
    in.tables = window_.CurrentResultTables();
    in.view = window_.GetSeasonView();
    in.useSeasons = window_.UseSeasons();
    in.winterCaption = window_.WinterCaption();
    in.summerCaption = window_.SummerCaption();
    in.headings = window_.StreamHeadingTexts();
    in.hint = window_.HintLine();
    // The entered quantities as their fields show them.
    const int volumeRow = window_.AirVolumeInputKind() == ActualVolume     ? InletRow::ActualVolume
                          : window_.AirVolumeInputKind() == StandardVolume ? InletRow::StandardVolume
                                                                           : InletRow::MassFlow;
    const int humidityRow = window_.HumidityInputKind() == AbsoluteHumidity     ? InletRow::HumidityRatio
                            : window_.HumidityInputKind() == WetBulbTemperature ? InletRow::WetBulb
                                                                                : InletRow::RelativeHumidity;
    std::vector<Season> seasons{Season::Winter};
    if (in.view == SeasonView::WinterAndSummer) seasons.push_back(Season::Summer);
    for (const Season season : seasons)
        for (const Stream stream : {Stream::Supply, Stream::Exhaust}) {
            const int column = ValueColumn(season, stream);
            in.entered.push_back({column, volumeRow, window_.AirFieldText(season, stream, 0)});
            in.entered.push_back({column, InletRow::Temperature, window_.AirFieldText(season, stream, 1)});
            in.entered.push_back({column, humidityRow, window_.AirFieldText(season, stream, 2)});
        }
    return in;
}

void TSelectionCommands::Menu_Edit_ErgebnisseKopierenClick() {
    if (!window_.ResultsValid()) return;
    QGuiApplication::clipboard()->setText(ResultsClipboardText(ResultsInput()));
}

void TSelectionCommands::Menu_Datei_ExportClick() {
    if (!window_.ResultsValid()) return;
    QFileDialog dialog(&window_, Caption(kExportResults));
    dialog.setObjectName(QStringLiteral("ResultsExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(LoadText(kCsvFiles) + QStringLiteral(" (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (const QString folder = FolderForDialogs(); !folder.isEmpty()) dialog.setDirectory(folder);
    const QString base = path_.isEmpty()
                             ? QString::fromStdString(window_.CurrentDesignation().ModelDesignation)
                             : QFileInfo(path_).completeBaseName();
    dialog.selectFile((base.isEmpty() ? QStringLiteral("Rotor") : base) + QStringLiteral(".csv"));
    if (RunModal(dialog) != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty()) ExportResultsTo(path);
}

bool TSelectionCommands::ExportResultsTo(const QString& path) {
    const QByteArray bytes = ResultsCsv(ResultsInput(), ProgramSeparators().decimal);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        ShowMessageBox(FormatText(LoadText(kCannotWrite), {path, error}), LoadText(kErrorCaption),
                       MessageKind::Error);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Events of the window

bool TSelectionCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::DragEnter: {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (DraggedFile(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = DraggedFile(drop->mimeData());
            if (path.isEmpty()) return false;
            drop->acceptProposedAction();
            // Opened once the drop is over: the question or a message may need a dialog.
            QTimer::singleShot(0, this, [this, path] { OpenFile(path, true); });
            return true;
        }
        case QEvent::WindowActivate:
            // Back from a dialog (header, notes, chart, leakage ...) that may have changed the selection.
            UpdateCaption();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmarsund
