#include "form_seite.h"

#include "message_box.h"
#include "modal_runner.h"
#include "page_documents.h"
#include "painter_canvas.h"
#include "preview_zoom.h"
#include "text_format.h"
#include "text_table.h"
#include "url_opener.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPaintEvent>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace velmarsund {

// The view of one page: a white sheet with a black outline on a grey ground, the page drawn on it
// through the canvas at the preview's zoom.
class TPageView : public QWidget {
public:
    explicit TPageView(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("PageView"));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(128, 128, 128));
        setPalette(p);
    }

    // `room` is the view's client area: a sheet that fits it but for the rounding of the zoom
    // takes from the grey margin on its right and below rather than bring up a scroll bar.
    void Show(const PageProcedure* page, QSize printerPage, double scale, QSize room, int number = 0,
              int count = 0) {
        page_ = page;
        number_ = number;
        count_ = count;
        printerPage_ = printerPage;
        scale_ = scale;
        sheet_ = QSize(ShownExtent(scale, printerPage.width()), ShownExtent(scale, printerPage.height()));
        const auto extent = [](int sheet, int room) {
            const int full = sheet + PreviewZoom::Margin;
            return full > room && sheet + PreviewZoom::Margin / 2 + 1 <= room ? room : full;
        };
        resize(extent(sheet_.width(), room.width()), extent(sheet_.height(), room.height()));
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        const QPoint corner(PreviewZoom::Margin / 2, PreviewZoom::Margin / 2);
        const QRect sheet(corner, sheet_);
        painter.fillRect(sheet, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(sheet.adjusted(0, 0, -1, -1));
        if (!page_ || !*page_) return;
        painter.setClipRect(sheet, Qt::IntersectClip);
        painter.translate(corner);
        const double scale = PageScale(printerPage_.width(), printerPage_.height(), scale_);
        painter.scale(scale, scale);
        PainterCanvas canvas(painter);
        canvas.SetPageNumber(number_, count_);
        (*page_)(canvas, 0);
    }

private:
    const PageProcedure* page_ = nullptr;
    QSize printerPage_;
    QSize sheet_;
    double scale_ = 1;
    int number_ = 0;
    int count_ = 0;
};

namespace {

constexpr TextId kCloseHint = 151;
constexpr TextId kPrintHint = 146;
constexpr TextId kNotesHint = 135;
constexpr TextId kZoomToWidth = 176;
constexpr TextId kZoomToFit = 177;
constexpr TextId kPageOf = 389;
constexpr TextId kCannotWrite = 580;
constexpr TextId kErrorCaption = 104;

// A file name made of a caption: characters that no file system takes become blanks.
QString FileNameOf(const QString& caption)
{
    QString name = caption;
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = QLatin1Char(' ');
    name = name.simplified();
    return name.isEmpty() ? QStringLiteral("Velmarsund") : name;
}

} // namespace

TFormSeite::TFormSeite(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSeite"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // The printer's page decides the zoom; without a printer, A4 at the resolution Qt gives.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setFullPage(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateToolBar();
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    pageView_ = new TPageView(ScrollBox);
    ScrollBox->setWidget(pageView_);
    layout->addWidget(ScrollBox, 1);

    // Page Up and Page Down turn the pages, also while the view has the focus.
    const auto key = [this](const QKeySequence& sequence, void (TFormSeite::*handler)()) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    key(QKeySequence(Qt::Key_PageUp), &TFormSeite::Button_PreviousClick);
    key(QKeySequence(Qt::Key_PageDown), &TFormSeite::Button_NextClick);
    SetTexts();
    resize(900, 700);
}

TFormSeite::~TFormSeite() = default;

void TFormSeite::CreateToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    const auto button = [this, bar, row](const char* name, const char* icon, void (TFormSeite::*handler)()) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setIcon(QIcon(QStringLiteral(":/velmarsund/pages/") + QLatin1String(icon)));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
        // Reached with Tab, never taken by a click: the page keeps the keys that turn it.
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QToolButton::clicked, this, handler);
        row->addWidget(b);
        return b;
    };
    Button_Close = button("Button_Close", "button-close.svg", &TFormSeite::Button_CloseClick);
    Button_Print = button("Button_Print", "button-print.svg", &TFormSeite::Button_PrintClick);
    Button_PDF = button("Button_PDF", "button-pdf.svg", &TFormSeite::Button_PDFClick);
    Button_Edit = button("Button_Edit", "button-notes.svg", &TFormSeite::Button_EditClick);
    Combo_Zoom = new QComboBox(bar);
    Combo_Zoom->setObjectName(QStringLiteral("Combo_Zoom"));
    Combo_Zoom->setFocusPolicy(Qt::TabFocus);
    for (const char* item : {"25 %", "50 %", "75 %", "100 %", "125 %", "150 %", "175 %", "200 %", "300 %"})
        Combo_Zoom->addItem(QString::fromLatin1(item));
    Combo_Zoom->addItem(QString());
    Combo_Zoom->addItem(QString());
    Combo_Zoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(Combo_Zoom, &QComboBox::currentIndexChanged, this, &TFormSeite::Combo_ZoomChange);
    row->addSpacing(8);
    row->addWidget(Combo_Zoom);
    row->addSpacing(8);
    Button_First = button("Button_First", "button-first.svg", &TFormSeite::Button_FirstClick);
    Button_Previous = button("Button_Previous", "button-previous.svg", &TFormSeite::Button_PreviousClick);
    L_Seitenzahl = new QLabel(bar);
    L_Seitenzahl->setObjectName(QStringLiteral("L_Seitenzahl"));
    row->addWidget(L_Seitenzahl);
    Button_Next = button("Button_Next", "button-next.svg", &TFormSeite::Button_NextClick);
    Button_Last = button("Button_Last", "button-last.svg", &TFormSeite::Button_LastClick);
    Button_First->hide();
    Button_Last->hide();
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);
}

void TFormSeite::SetTexts()
{
    Button_Close->setToolTip(LoadText(kCloseHint));
    Button_Print->setToolTip(LoadText(kPrintHint));
    Button_PDF->setToolTip(QStringLiteral("PDF"));
    Button_Edit->setToolTip(LoadText(kNotesHint));
    Combo_Zoom->setItemText(PreviewZoom::ToWidth, LoadText(kZoomToWidth));
    Combo_Zoom->setItemText(PreviewZoom::ToFit, LoadText(kZoomToFit));
    UpdateNavigation();
}

void TFormSeite::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

void TFormSeite::SetPdfProposal(const QString& folder, const QString& name, const QString& title)
{
    pdfFolder_ = folder;
    pdfName_ = name;
    pdfTitle_ = title;
}

QSize TFormSeite::PrinterPage() const
{
    return printer_->pageLayout().fullRectPixels(printer_->resolution()).size();
}

QWidget* TFormSeite::PageView() const { return pageView_; }

PageProcedure TFormSeite::CurrentPageProcedure() const
{
    if (currentPage_ < 1 || currentPage_ > PageCount()) return [](PageCanvas&, int) {};
    return pages_[static_cast<std::size_t>(currentPage_ - 1)];
}

void TFormSeite::DruckVorschau(QWidget* owner, const PageList& pages)
{
    owner_ = owner;
    pages_ = pages;
    currentPage_ = 1;
    if (owner) {
        setWindowTitle(owner->windowTitle());
        setWindowIcon(owner->windowIcon());
    }
    // Maximised; where no window manager maximises, the screen's work area all the same.
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    // Every opening re-applies the zoom, the notes button and the page label.
    if (!activated_) {
        const QSignalBlocker block(Combo_Zoom);
        Combo_Zoom->setCurrentIndex(PreviewZoom::ToWidth);
        activated_ = true;
    }
    Button_Edit->setEnabled(static_cast<bool>(notesCallback_));
    ApplyZoom();
    RunModal(*this);
    pages_.clear();
    pageView_->Show(nullptr, PrinterPage(), zoom_ / 350.0, QSize());
}

void TFormSeite::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ApplyZoom();
}

void TFormSeite::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int item = Combo_Zoom->currentIndex();
    if (item == PreviewZoom::ToWidth || item == PreviewZoom::ToFit) ApplyZoom();
}

void TFormSeite::ApplyZoom()
{
    const QSize page = PrinterPage();
    const QSize client = ScrollBox->maximumViewportSize();
    const int item = Combo_Zoom->currentIndex();
    // Zoomed to the width, the page is taller than the view: its vertical scroll bar takes room.
    const int scrollBar = ScrollBox->verticalScrollBar()->sizeHint().width();
    const int width = item == PreviewZoom::ToWidth ? client.width() - scrollBar : client.width();
    zoom_ = ZoomOfItem(item, width, client.height(), page.width(), page.height());
    const PageProcedure* shown =
        currentPage_ >= 1 && currentPage_ <= PageCount() ? &pages_[static_cast<std::size_t>(currentPage_ - 1)] : nullptr;
    const QSize room(width, item == PreviewZoom::ToFit ? client.height() : 0);
    pageView_->Show(shown, page, SheetScale(item, zoom_, printer_->resolution(), pageView_->logicalDpiX()),
                    room, currentPage_, PageCount());
    for (QScrollBar* bar : {ScrollBox->horizontalScrollBar(), ScrollBox->verticalScrollBar()})
        bar->setSingleStep(std::max(1, (bar->maximum() - bar->minimum() + bar->pageStep()) / 30));
    UpdateNavigation();
}

void TFormSeite::UpdateNavigation()
{
    L_Seitenzahl->setText(FormatText(LoadText(kPageOf), {QString::number(currentPage_), QString::number(PageCount())}));
    Button_Previous->setEnabled(currentPage_ > 1);
    Button_First->setEnabled(currentPage_ > 1);
    Button_Next->setEnabled(currentPage_ < PageCount());
    Button_Last->setEnabled(currentPage_ < PageCount());
}

void TFormSeite::GoToPage(int page)
{
    if (page < 1 || page > PageCount() || page == currentPage_) return;
    currentPage_ = page;
    ApplyZoom();
}

void TFormSeite::Button_CloseClick() { accept(); }

void TFormSeite::Button_EditClick()
{
    if (!notesCallback_) return;
    notesCallback_();
    ApplyZoom();
}

void TFormSeite::Button_PrintClick()
{
    const int count = PageCount();
    if (count == 0) return;
    QPrintDialog dialog(printer_.get(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setMinMax(1, count);
    printer_->setPrintRange(QPrinter::PageRange);
    printer_->setFromTo(1, count);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Printing to a file is the only way out on a machine without a printer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, QPrinterInfo::availablePrinters().isEmpty());
    if (RunModal(dialog) != QDialog::Accepted) return;
    ApplyZoom();
    int first = 1;
    int last = count;
    if (printer_->printRange() == QPrinter::PageRange && printer_->fromPage() > 0) {
        first = printer_->fromPage();
        last = printer_->toPage() > 0 ? printer_->toPage() : count;
    }
    printer_->setDocName(owner_ ? owner_->windowTitle() : windowTitle());
    printer_->setFullPage(true);
    DrawPagesOn(*printer_, pages_, first, last, 0);
}

void TFormSeite::Button_PDFClick()
{
    QFileDialog dialog(this, QStringLiteral("PDF"));
    dialog.setObjectName(QStringLiteral("PdfSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Adobe PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (!pdfFolder_.isEmpty()) dialog.setDirectory(pdfFolder_);
    dialog.selectFile(FileNameOf(pdfName_) + QStringLiteral(".pdf"));
    if (RunModal(dialog) != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty()) return;
    QString error;
    if (!WritePdfFile(path, pages_, &error, pdfTitle_)) {
        ShowMessageBox(FormatText(LoadText(kCannotWrite), {path, error}), LoadText(kErrorCaption), MessageKind::Error);
        return;
    }
    OpenUrl(QUrl::fromLocalFile(path));
}

} // namespace velmarsund
