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
#include "unit_system.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace velmarsund {

class TFormInfo;

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

protected:
    // Each level reads and writes its keys after its base level.
    virtual void ReadSettings();
    virtual void WriteSettings();
    // Each level sets its captions from the text table after its base level.
    virtual void SetTexts();
    // Runs at the end of Start, after the settings were read and the language applied; each
    // level completes its start after its base level.
    virtual void CompleteStart() {}

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QMenu* Menu_Datei = nullptr;
    QAction* Menu_Datei_Beenden = nullptr;
    QMenu* Menu_Optionen = nullptr;
    QMenu* Menu_Optionen_Sprache = nullptr;
    QMenu* Menu_Hilfe = nullptr;
    QAction* Menu_Hilfe_Info = nullptr;
    QAction* Menu_Hilfe_Homepage = nullptr;
    QAction* Menu_Hilfe_EMail = nullptr;

    UnitSystem unitSystem_ = UnitSystem::SI;
    TBasisSettings basis_;

private slots:
    void Menu_Datei_BeendenClick();
    void Menu_Optionen_DeutschClick(); // shared by every language item
    void Menu_Hilfe_InfoClick();
    void Menu_Hilfe_HomepageClick();
    void Menu_Hilfe_EMailClick();

private:
    void CreateMenus();

    std::unique_ptr<TIniDatei> iniDatei_;
    std::vector<QAction*> languageItems_;
    TFormInfo* formInfo_ = nullptr; // created on first use
};

} // namespace velmarsund
