#pragma once
// The main window's first level: the settings file, the menu bar with the commands of the
// application frame, the settings of this level, and the relabelling on a language change. The
// next levels add the air streams and result tables, then the rotor panel.
//
// Creation has two steps: the constructors of every level, then Start, which reads the settings
// of all levels and applies the language (virtual calls do not reach the later levels from a
// constructor).

#include "basis_settings.h"
#include "ini_datei.h"
#include "page_documents.h"
#include "page_frame.h"
#include "page_list.h"
#include "unit_system.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace velmarsund {

class TFormAngebot;
class TFormBemerkungen;
class TFormHilfe;
class TFormInfo;
class TFormSeite;

class TFormBasis : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormBasis(QWidget* parent = nullptr);
    ~TFormBasis() override;

    void Start();

    TIniDatei& IniDatei() { return *iniDatei_; }
    // The window's section of the settings file.
    static QString SettingsSection() { return QStringLiteral("ROTOR"); }

    UnitSystem GetUnitSystem() const { return unitSystem_; }
    const TBasisSettings& BasisSettings() const { return basis_; }

    // The page frame with the offer header and the given notes, in the current language.
    PageFrameValues PageFrame(const std::array<QString, 3>& notes) const;
    // The page preview, created on first use.
    TFormSeite& FormSeite();
    // The notes lists of the data sheet and of the chart page.
    std::array<QString, 3>& DataSheetNotes() { return basis_.notesData; }
    std::array<QString, 3>& ChartNotes() { return basis_.notesChart; }
    // The user guide at the section of `window` (this or one of its dialogs); the guide window
    // while it exists.
    void ShowUserGuide(QWidget* window);
    TFormHilfe* UserGuide() const;

protected:
    // Each level reads and writes its keys after its base level.
    virtual void ReadSettings();
    virtual void WriteSettings();
    // Each level sets its captions from the text table after its base level.
    virtual void SetTexts();
    // Runs at the end of Start, after the settings were read and the language applied; each
    // level completes its start after its base level.
    virtual void CompleteStart() {}
    // After the user changed something of the selection outside the entry fields (offer header,
    // notes, season captions, a window's choices): the next level takes it into its selection.
    virtual void SelectionEdited() {}

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Shows a page list in the preview with the notes list it edits (none: nullptr) for `owner`
    // (none: this window), which is hidden meanwhile. The list starts with a page of `kind` for
    // the unit `designation`: its PDF is titled by both, and its file name proposed from the
    // designation and the offer header's project and position.
    void ShowPages(const PageList& pages, std::array<QString, 3>* notes, QWidget* owner, PageKind kind,
                   const QString& designation);

    QMenu* Menu_Datei = nullptr;
    QAction* Menu_Datei_Beenden = nullptr;
    QMenu* Menu_Edit = nullptr;
    QAction* Menu_Edit_Kopfzeile = nullptr;
    QMenu* Menu_Edit_Bemerkungen = nullptr;
    QAction* Menu_Edit_Bem_Datenblatt = nullptr;
    QAction* Menu_Edit_Bem_Diagramm = nullptr;
    QMenu* Menu_Optionen = nullptr;
    QMenu* Menu_Optionen_Sprache = nullptr;
    QMenu* Menu_Hilfe = nullptr;
    QAction* Menu_Hilfe_Anleitung = nullptr;
    QAction* Menu_Hilfe_Info = nullptr;
    QAction* Menu_Hilfe_Homepage = nullptr;
    QAction* Menu_Hilfe_EMail = nullptr;

    UnitSystem unitSystem_ = UnitSystem::SI;
    TBasisSettings basis_;

private slots:
    void Menu_Datei_BeendenClick();
    void Menu_Edit_KopfzeileClick();
    void Menu_Edit_BemClick(); // shared by both notes items
    void Menu_Optionen_DeutschClick(); // shared by every language item
    void Menu_Hilfe_AnleitungClick();
    void Menu_Hilfe_InfoClick();
    void Menu_Hilfe_HomepageClick();
    void Menu_Hilfe_EMailClick();

private:
    void CreateMenus();

    std::unique_ptr<TIniDatei> iniDatei_;
    std::vector<QAction*> languageItems_;
    // Shows the notes window on a notes list; true on OK.
    bool EditNotes(std::array<QString, 3>& notes);

    TFormInfo* formInfo_ = nullptr; // created on first use, as the following
    TFormAngebot* formAngebot_ = nullptr;
    TFormBemerkungen* formBemerkungen_ = nullptr;
    TFormSeite* formSeite_ = nullptr;
    // Belongs to the window it was last opened from, so that a modal dialog leaves it usable.
    QPointer<TFormHilfe> formHilfe_;
};

} // namespace velmarsund
