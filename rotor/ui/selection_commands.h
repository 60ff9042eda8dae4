#pragma once
// The main window's commands for selection files and results: New, Open, Save, Save as, the four
// most recent files and Export results in the File menu, Copy results in the Edit menu; the file
// name with the change mark in the caption; the question before a change would be lost; files
// dropped on the window. The window is changed only through its own selection operations, so that
// an opened file fills it as if the user had typed it.
//
// A selection counts as changed when it differs from the one last opened or saved (the language
// aside, which a file does not set in the window). Without a file, closing
// loses nothing (the settings file keeps the inputs) and asks nothing.

#include "selection.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QMenu;

namespace velmarsund {

class TFormRotor;
struct ResultsTextInput;

class TSelectionCommands : public QObject {
    Q_OBJECT
  public:
    // Adds the commands to the window's File menu (before `exitItem`) and Edit menu.
    TSelectionCommands(TFormRotor& window, QMenu* fileMenu, QAction* exitItem, QMenu* editMenu);

    // Opens a file; with `ask`, the unsaved-changes question comes first. A file that cannot be
    // opened is reported and changes nothing. True when the window shows the file.
    bool OpenFile(const QString& path, bool ask = true);
    // Writes the selection to `path` (which becomes the window's file); reports a failure.
    bool SaveTo(const QString& path);
    // Writes the results as CSV to `path`; reports a failure.
    bool ExportResultsTo(const QString& path);
    // Asks before a change would be lost; false when the user keeps working (cancel, or a save
    // that did not happen). `closing`: the program is about to end.
    bool MayDiscardChanges(bool closing);

    bool Modified() const;
    const QString& FilePath() const { return path_; }
    const QStringList& RecentFiles() const { return recent_; }
    // The results as the tables show them now.
    ResultsTextInput ResultsInput() const;

    // Makes the window's selection the one in `path` (empty: none) as it was opened or saved.
    void TakeAsSaved(const QString& path);
    // The same for a selection opened or started anew: its undo history begins here.
    void StartAnew(const QString& path);
    // At start, with the last inputs restored from the settings: the file the window showed when
    // the program ended, named again when it still holds exactly these inputs; otherwise none.
    void TakeStartState();
    // At the end, after the question: which file the inputs kept in the settings belong to (none
    // when they are in no file).
    void KeepForNextStart();
    // Menu texts and caption in the current language.
    void SetTexts();
    // The caption with the change mark and the result commands after a change.
    void UpdateCaption();

    QAction* Menu_Datei_Neu = nullptr;
    QAction* Menu_Datei_Oeffnen = nullptr;
    QAction* Menu_Datei_Speichern = nullptr;
    QAction* Menu_Datei_SpeichernUnter = nullptr;
    QAction* Menu_Datei_Export = nullptr;
    std::array<QAction*, 4> Menu_Datei_Zuletzt{};
    QAction* Menu_Edit_ErgebnisseKopieren = nullptr;

  public slots:
    void Menu_Datei_NeuClick();
    void Menu_Datei_OeffnenClick();
    bool Menu_Datei_SpeichernClick();
    bool Menu_Datei_SpeichernUnterClick();
    void Menu_Datei_ExportClick();
    void Menu_Edit_ErgebnisseKopierenClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RecentClick(int index);
    void RememberFile(const QString& path);
    void ShowRecentFiles();
    QString FolderForDialogs() const;

    TFormRotor& window_;
    QString path_;          // the window's file; empty when it has none
    Selection saved_;       // as it was last opened, saved or started anew
    bool adjusted_ = false; // opened with values the window changed: not what the file holds
    QStringList recent_;
};

} // namespace velmarsund
