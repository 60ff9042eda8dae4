#pragma once
// The page preview: a maximised window with a tool bar (close, print, PDF, notes, zoom, page
// number, previous and next) over a scrolling view of the current page. It shows the pages of a
// page list, prints them and exports them to PDF. Created once, reused for every page list.

#include "page_list.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace velmarsund {

class TPageView;

class TFormSeite : public QDialog {
    Q_OBJECT
public:
    explicit TFormSeite(QWidget* parent = nullptr);
    ~TFormSeite() override;

    // Shows the pages modally for `owner`, whose caption the preview and the print job take;
    // starts at page 1. The caller sets the notes callback (or clears it) first.
    void DruckVorschau(QWidget* owner, const PageList& pages);
    // Edits the notes list of the page list; without one the notes button is disabled.
    void SetNotesCallback(std::function<void()> callback) { notesCallback_ = std::move(callback); }
    // Where the PDF export proposes to save, the name it proposes (without extension) and the
    // document title it writes.
    void SetPdfProposal(const QString& folder, const QString& name, const QString& title = QString());

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int Zoom() const { return zoom_; }
    // The printer's page in device pixels (W x H): the zoom's reference.
    QSize PrinterPage() const;
    QWidget* PageView() const;
    // The page procedure of the current page (an empty one without pages).
    PageProcedure CurrentPageProcedure() const;

    // Moves to a page within 1 .. page count and redraws.
    void GoToPage(int page);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void Button_CloseClick();
    void Button_PrintClick();
    void Button_PDFClick();
    void Button_EditClick();
    void Button_PreviousClick() { GoToPage(currentPage_ - 1); }
    void Button_NextClick() { GoToPage(currentPage_ + 1); }
    void Button_FirstClick() { GoToPage(1); }
    void Button_LastClick() { GoToPage(PageCount()); }
    void Combo_ZoomChange() { ApplyZoom(); }

private:
    void CreateToolBar();
    void SetTexts();
    void ApplyZoom();
    void UpdateNavigation();

    QToolButton* Button_Close = nullptr;
    QToolButton* Button_Print = nullptr;
    QToolButton* Button_PDF = nullptr;
    QToolButton* Button_Edit = nullptr;
    QComboBox* Combo_Zoom = nullptr;
    QLabel* L_Seitenzahl = nullptr;
    QToolButton* Button_Previous = nullptr;
    QToolButton* Button_Next = nullptr;
    QToolButton* Button_First = nullptr;
    QToolButton* Button_Last = nullptr;
    QScrollArea* ScrollBox = nullptr;
    TPageView* pageView_ = nullptr;

    std::unique_ptr<QPrinter> printer_;
    QWidget* owner_ = nullptr;
    PageList pages_;
    std::function<void()> notesCallback_;
    QString pdfFolder_;
    QString pdfName_;
    QString pdfTitle_;
    int currentPage_ = 1;
    int zoom_ = 100;
    bool activated_ = false;
};

} // namespace velmarsund
