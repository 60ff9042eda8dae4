#pragma once
// The user guide: a window with a text browser that shows the guide of the current language,
// compiled into the program, with one section for each window of the program. F1 in a window
// opens the guide at that window's section.

#include "text_table.h"
#include "language.h"

#include <QString>
#include <QWidget>

#include <functional>

class QTextBrowser;

namespace velmarsund {

// The menu item's and the window's caption.
inline constexpr TextId kUserGuide = 664;

// The guide of a language as HTML; English for a language without a guide of its own.
QString UserGuideHtml(LanguageNumber language);

// The guide's section of a window: the section named after the window, else that of the nearest
// window it belongs to; empty (the beginning of the guide) when none has one.
QString UserGuideSection(const QWidget* window);

// True when `widget` is `window` or lies in it, also in a window of its own (a dialog).
bool BelongsToWindow(const QWidget* widget, const QWidget* window);

// F1 in `mainWindow` or in a window that belongs to it calls `open` with that window.
void InstallUserGuideKey(QWidget& mainWindow, std::function<void(QWidget*)> open);

class TFormHilfe : public QWidget {
    Q_OBJECT
  public:
    explicit TFormHilfe(QWidget* parent = nullptr);

    // Shows the guide of the current language at `section` (empty: its beginning).
    void ShowSection(const QString& section);
    QString Section() const { return section_; }
    QTextBrowser* Browser() const { return browser_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Load();

    QTextBrowser* browser_ = nullptr;
    QString section_;
    LanguageNumber language_ = -1;
};

} // namespace velmarsund
