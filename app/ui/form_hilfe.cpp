#include "form_hilfe.h"

#include "text_table.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmarsund {
namespace {

// The windows that have a section of their own, by object name; the section is named the same.
constexpr const char* kSections[] = {"FormRotor",   "FormOptionen",      "FormBaugroessen", "FormMollier",
                                     "FormRotLeakage", "FormJahresenergie", "FormSeite",   "FormAngebot",
                                     "FormBemerkungen"};

QString SectionOf(const QString& objectName) {
    for (const char* section : kSections) {
        const QLatin1String name(section);
        // The size table of the rotor window ("FormBaugroessen_Rotor") is the preselection.
        if (objectName == name || objectName.startsWith(name + QLatin1Char('_'))) return QString(name);
    }
    return {};
}

// Watches the key presses of the whole program for F1 in the windows of one main window.
class TUserGuideKey : public QObject {
  public:
    TUserGuideKey(QWidget& mainWindow, std::function<void(QWidget*)> open)
        : QObject(&mainWindow), mainWindow_(mainWindow), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!BelongsToWindow(window, &mainWindow_)) return false;
        open_(window);
        return true;
    }

  private:
    QWidget& mainWindow_;
    std::function<void(QWidget*)> open_;
};

} // namespace

bool BelongsToWindow(const QWidget* widget, const QWidget* window) {
    for (; widget; widget = widget->parentWidget())
        if (widget == window) return true;
    return false;
}

void InstallUserGuideKey(QWidget& mainWindow, std::function<void(QWidget*)> open) {
    qApp->installEventFilter(new TUserGuideKey(mainWindow, std::move(open)));
}

QString UserGuideHtml(LanguageNumber language) {
    const LanguageInfo* info = FindLanguage(language);
    const QString code = info && *info->fileCode ? QString::fromLatin1(info->fileCode) : QStringLiteral("en");
    QFile file(QStringLiteral(":/velmarsund/guide/%1.html").arg(code));
    if (!file.open(QIODevice::ReadOnly)) {
        file.setFileName(QStringLiteral(":/velmarsund/guide/en.html"));
        if (!file.open(QIODevice::ReadOnly)) return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString UserGuideSection(const QWidget* window) {
    for (const QWidget* w = window; w; w = w->parentWidget())
        if (const QString section = SectionOf(w->objectName()); !section.isEmpty()) return section;
    return {};
}

TFormHilfe::TFormHilfe(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormHilfe"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Browser_Anleitung"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 720);
}

void TFormHilfe::ShowSection(const QString& section) {
    section_ = section;
    Load();
    if (section_.isEmpty())
        browser_->moveCursor(QTextCursor::Start);
    else
        browser_->scrollToAnchor(section_);
}

void TFormHilfe::Load() {
    setWindowTitle(QStringLiteral("Velmarsund Rotor - ") + LoadText(kUserGuide));
    if (language_ == CurrentLanguage()) return;
    language_ = CurrentLanguage();
    browser_->setHtml(UserGuideHtml(language_));
}

void TFormHilfe::changeEvent(QEvent* event) {
    // A new language: the same section in the new language's guide.
    if (event->type() == QEvent::LanguageChange && language_ != -1) ShowSection(section_);
    QWidget::changeEvent(event);
}

} // namespace velmarsund
