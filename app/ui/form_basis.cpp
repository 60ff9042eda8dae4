#include "form_basis.h"

#include "apply_language.h"
#include "form_angebot.h"
#include "form_bemerkungen.h"
#include "form_hilfe.h"
#include "form_seite.h"
#include "info_window.h"
#include "language.h"
#include "maker_contact.h"
#include "modal_runner.h"
#include "number_separators.h"
#include "text_table.h"
#include "url_opener.h"
#include "version_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace velmarsund {

TFormBasis::TFormBasis(QWidget* parent)
    : QMainWindow(parent), iniDatei_(std::make_unique<TIniDatei>(kSettingsFileName, QStringLiteral("#")))
{
    setObjectName(QStringLiteral("FormRotor"));
    setWindowIcon(QIcon(QStringLiteral(":/velmarsund/app-icon.svg")));
    setCentralWidget(new QWidget(this));
    resize(648, 560);
    CreateMenus();
}

TFormBasis::~TFormBasis() = default;

void TFormBasis::CreateMenus()
{
    QMenuBar* bar = menuBar();
    Menu_Datei = bar->addMenu(QString());
    Menu_Datei->setObjectName(QStringLiteral("Menu_Datei"));
    Menu_Datei_Beenden = Menu_Datei->addAction(QString(), this, &TFormBasis::Menu_Datei_BeendenClick);
    Menu_Datei_Beenden->setObjectName(QStringLiteral("Menu_Datei_Beenden"));

    Menu_Edit = bar->addMenu(QString());
    Menu_Edit->setObjectName(QStringLiteral("Menu_Edit"));
    Menu_Edit_Kopfzeile = Menu_Edit->addAction(QString(), this, &TFormBasis::Menu_Edit_KopfzeileClick);
    Menu_Edit_Kopfzeile->setObjectName(QStringLiteral("Menu_Edit_Kopfzeile"));
    Menu_Edit_Bemerkungen = Menu_Edit->addMenu(QString());
    Menu_Edit_Bemerkungen->setObjectName(QStringLiteral("Menu_Edit_Bemerkungen"));
    Menu_Edit_Bem_Datenblatt = Menu_Edit_Bemerkungen->addAction(QString(), this, &TFormBasis::Menu_Edit_BemClick);
    Menu_Edit_Bem_Datenblatt->setObjectName(QStringLiteral("Menu_Edit_Bem_Datenblatt"));
    Menu_Edit_Bem_Diagramm = Menu_Edit_Bemerkungen->addAction(QString(), this, &TFormBasis::Menu_Edit_BemClick);
    Menu_Edit_Bem_Diagramm->setObjectName(QStringLiteral("Menu_Edit_Bem_Diagramm"));

    Menu_Optionen = bar->addMenu(QString());
    Menu_Optionen->setObjectName(QStringLiteral("Menu_Optionen"));
    Menu_Optionen_Sprache = Menu_Optionen->addMenu(QString());
    Menu_Optionen_Sprache->setObjectName(QStringLiteral("Menu_Optionen_Sprache"));
    // Only the languages of AllowedLanguages get an item.
    for (const LanguageInfo& language : OfferedLanguages()) {
        if (!IsAllowedLanguage(language.number)) continue;
        QAction* item = Menu_Optionen_Sprache->addAction(LanguageCaption(language.number));
        item->setObjectName(QStringLiteral("Menu_Optionen_") + QLatin1String(language.fileCode));
        item->setCheckable(true);
        item->setData(language.number);
        connect(item, &QAction::triggered, this, &TFormBasis::Menu_Optionen_DeutschClick);
        languageItems_.push_back(item);
    }

    Menu_Hilfe = bar->addMenu(QString());
    Menu_Hilfe->setObjectName(QStringLiteral("Menu_Hilfe"));
    Menu_Hilfe_Anleitung = Menu_Hilfe->addAction(QString(), this, &TFormBasis::Menu_Hilfe_AnleitungClick);
    Menu_Hilfe_Anleitung->setObjectName(QStringLiteral("Menu_Hilfe_Anleitung"));
    Menu_Hilfe_Anleitung->setShortcut(QKeySequence(Qt::Key_F1));
    Menu_Hilfe_Anleitung->setShortcutContext(Qt::WindowShortcut);
    Menu_Hilfe_Info = Menu_Hilfe->addAction(QStringLiteral("Info"), this, &TFormBasis::Menu_Hilfe_InfoClick);
    Menu_Hilfe_Info->setObjectName(QStringLiteral("Menu_Hilfe_Info"));
    Menu_Hilfe_Homepage = Menu_Hilfe->addAction(QStringLiteral("Velmarsund Homepage"), this,
                                                &TFormBasis::Menu_Hilfe_HomepageClick);
    Menu_Hilfe_Homepage->setObjectName(QStringLiteral("Menu_Hilfe_Homepage"));
    Menu_Hilfe_EMail = Menu_Hilfe->addAction(QStringLiteral("Velmarsund e-mail"), this,
                                             &TFormBasis::Menu_Hilfe_EMailClick);
    Menu_Hilfe_EMail->setObjectName(QStringLiteral("Menu_Hilfe_EMail"));

    // F10 opens the first menu, as everywhere on the desktop; Alt and the underlined letter open
    // each menu (the access keys are set with the captions).
    auto* firstMenu = new QAction(this);
    firstMenu->setObjectName(QStringLiteral("Menu_F10"));
    firstMenu->setShortcut(QKeySequence(Qt::Key_F10));
    firstMenu->setShortcutContext(Qt::WindowShortcut);
    connect(firstMenu, &QAction::triggered, this, [bar] {
        for (QAction* title : bar->actions())
            if (title->isVisible() && title->isEnabled() && title->menu()) {
                bar->setActiveAction(title);
                return;
            }
    });
    addAction(firstMenu);
    // F1 in the dialogs, and in this window while a modal dialog holds the shortcuts back.
    InstallUserGuideKey(*this, [this](QWidget* window) {
        if (window != formHilfe_) ShowUserGuide(window);
    });
}

void TFormBasis::Start()
{
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
    CompleteStart();
}

void TFormBasis::ReadSettings()
{
    TIniDatei& ini = IniDatei();
    const QString section = SettingsSection();
    EraseOutdatedSection(ini, section);
    const NumberSeparators system = SystemSeparators();
    const TBasisDefaults defaults{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                  system.decimal, system.thousand,
                                  QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)};
    basis_ = ReadBasisSettings(ini, section, defaults);
    unitSystem_ = UnitSystemFromFlag(basis_.si);
    SetProgramSeparators({basis_.decimalSeparator, basis_.thousandSeparator});
}

void TFormBasis::WriteSettings()
{
    basis_.si = UnitSystemFlag(unitSystem_);
    basis_.decimalSeparator = ProgramSeparators().decimal;
    basis_.thousandSeparator = ProgramSeparators().thousand;
    WriteBasisSettings(IniDatei(), SettingsSection(), basis_);
}

void TFormBasis::SetTexts()
{
    setWindowTitle(QStringLiteral("Velmarsund Rotor - ") + LoadText(70));
    Menu_Datei->setTitle(LoadText(145));
    Menu_Datei_Beenden->setText(LoadText(164));
    Menu_Edit->setTitle(LoadText(153));
    Menu_Edit_Kopfzeile->setText(LoadText(137));
    Menu_Edit_Bemerkungen->setTitle(LoadText(135));
    Menu_Edit_Bem_Datenblatt->setText(LoadText(159));
    Menu_Edit_Bem_Diagramm->setText(LoadText(156));
    Menu_Optionen->setTitle(LoadText(173));
    Menu_Optionen_Sprache->setTitle(LoadText(174));
    for (QAction* item : languageItems_) item->setChecked(item->data().toInt() == CurrentLanguage());
    Menu_Hilfe->setTitle(LoadText(169));
    Menu_Hilfe_Anleitung->setText(LoadText(kUserGuide));
}

void TFormBasis::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QMainWindow::changeEvent(event);
}

void TFormBasis::closeEvent(QCloseEvent* event)
{
    WriteSettings();
    // The window closes all the same; the old file stays as it was.
    if (!IniDatei().UpdateFile()) ReportSettingsNotSaved(IniDatei().FilePath());
    QMainWindow::closeEvent(event);
}

void TFormBasis::Menu_Datei_BeendenClick() { close(); }

void TFormBasis::Menu_Edit_KopfzeileClick()
{
    if (!formAngebot_) formAngebot_ = new TFormAngebot(this);
    if (const auto header = formAngebot_->Edit({basis_.printHeader, basis_.header})) {
        basis_.printHeader = header->printHeader;
        basis_.header = header->lines;
        SelectionEdited();
    }
}

void TFormBasis::Menu_Edit_BemClick()
{
    EditNotes(sender() == Menu_Edit_Bem_Diagramm ? basis_.notesChart : basis_.notesData);
}

bool TFormBasis::EditNotes(std::array<QString, 3>& notes)
{
    if (!formBemerkungen_) formBemerkungen_ = new TFormBemerkungen(this);
    const bool edited = formBemerkungen_->Edit(notes);
    if (edited) SelectionEdited();
    return edited;
}

PageFrameValues TFormBasis::PageFrame(const std::array<QString, 3>& notes) const
{
    PageFrameValues frame;
    frame.language = CurrentLanguage();
    frame.versionText = ProgramVersionText().shortForm;
    frame.calculationDate = CalculationDate();
    frame.printHeader = basis_.printHeader;
    frame.header = basis_.header;
    frame.notes.assign(notes.begin(), notes.end());
    frame.showNotes = true;
    return frame;
}

TFormSeite& TFormBasis::FormSeite()
{
    if (!formSeite_) formSeite_ = new TFormSeite(this);
    return *formSeite_;
}

void TFormBasis::ShowPages(const PageList& pages, std::array<QString, 3>* notes, QWidget* owner, PageKind kind,
                           const QString& designation)
{
    if (!owner) owner = this;
    TFormSeite& preview = FormSeite();
    if (notes)
        preview.SetNotesCallback([this, notes] { EditNotes(*notes); });
    else
        preview.SetNotesCallback(nullptr);
    // The project's value follows its label in the header's second box, the position's below it.
    preview.SetPdfProposal(basis_.projectPath, ProposedFileName(designation, basis_.header[5], basis_.header[7]),
                           DocumentTitle(PageKindText(kind, CurrentLanguage()), designation));
    RunHidden(*owner, [&] { preview.DruckVorschau(owner, pages); });
}

void TFormBasis::Menu_Optionen_DeutschClick()
{
    if (const auto* item = qobject_cast<QAction*>(sender())) ApplyLanguage(item->data().toInt());
}

void TFormBasis::ShowUserGuide(QWidget* window)
{
    // The guide goes with a modal dialog, else that would block it.
    QWidget* owner = QApplication::activeModalWidget();
    if (!BelongsToWindow(owner, this)) owner = this;
    if (!formHilfe_) {
        formHilfe_ = new TFormHilfe(owner);
        // Beside this window where the screen has room, else as far right as it goes.
        if (const QScreen* screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            QPoint at = frameGeometry().topRight() + QPoint(8, 0);
            at.setX(std::max(room.left(), std::min(at.x(), room.right() - formHilfe_->width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - formHilfe_->height())));
            formHilfe_->move(at);
        }
    }
    if (formHilfe_->parentWidget() != owner) formHilfe_->setParent(owner, Qt::Window);
    formHilfe_->show();
    formHilfe_->ShowSection(UserGuideSection(window));
    formHilfe_->raise();
    formHilfe_->activateWindow();
}

TFormHilfe* TFormBasis::UserGuide() const { return formHilfe_; }

void TFormBasis::Menu_Hilfe_AnleitungClick()
{
    // The shortcut F1 or the menu: the section of the window the user is in.
    QWidget* active = QApplication::activeWindow();
    ShowUserGuide(BelongsToWindow(active, this) ? active : this);
}

void TFormBasis::Menu_Hilfe_InfoClick()
{
    if (!formInfo_) formInfo_ = new TFormInfo(TFormInfo::Mode::InfoBox, this);
    RunModal(*formInfo_);
}

void TFormBasis::Menu_Hilfe_HomepageClick() { OpenUrl(QUrl(kMakerHomepage)); }

void TFormBasis::Menu_Hilfe_EMailClick() { OpenUrl(SupportMailUrl(windowTitle(), ProgramVersionText().longForm)); }

} // namespace velmarsund
