// The page preview on its own: zoom, navigation and page label, printing a range, PDF export and
// the notes button, every dialog through the seams.

#include "form_seite.h"
#include "page_canvas.h"
#include "page_frame.h"
#include "poppler_tools.h"
#include "preview_zoom.h"
#include "recording_seams.h"
#include "text_table.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        owner_.setWindowTitle(QStringLiteral("Velmarsund Rotor - test selection"));
    }

    // Pages that say their number and how often they were drawn.
    PageList Pages(int count)
    {
        PageList pages;
        for (int page = 1; page <= count; ++page)
            pages.push_back([this, page](PageCanvas& canvas, int exportFlag) {
                drawn_.push_back(page);
                PageFrameValues frame;
                frame.versionText = QStringLiteral("10/17");
                DrawPageTitle(canvas, frame);
                canvas.Text(250, 800, QStringLiteral("Page body %1 export %2 %3").arg(page).arg(exportFlag).arg(notes_));
            });
        return pages;
    }

    template <typename T>
    static T* Get(QWidget& w, const char* name)
    {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString Label(TFormSeite& p) { return Get<QLabel>(p, "L_Seitenzahl")->text(); }
    static bool Enabled(TFormSeite& p, const char* button) { return Get<QToolButton>(p, button)->isEnabled(); }

    // Opens the preview and lets `user` act in it while it is shown.
    void Open(TFormSeite& preview, const PageList& pages, std::function<void(TFormSeite&)> user)
    {
        seams_.onDialog = seams_.AsUser([&preview, user](QDialog&) { user(preview); });
        preview.DruckVorschau(&owner_, pages);
    }

    RecordingSeams seams_;
    QWidget owner_;
    std::vector<int> drawn_;
    QString notes_;
};

TEST_F(PreviewTest, OnePageDisablesBothDirections)
{
    TFormSeite preview;
    bool seen = false;
    Open(preview, Pages(1), [&](TFormSeite& p) {
        seen = true;
        EXPECT_EQ(Label(p), QStringLiteral("Page 1 of 1"));
        EXPECT_FALSE(Enabled(p, "Button_Previous"));
        EXPECT_FALSE(Enabled(p, "Button_Next"));
        EXPECT_FALSE(Enabled(p, "Button_Edit")); // no notes callback
        EXPECT_FALSE(Get<QToolButton>(p, "Button_First")->isVisibleTo(&p));
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Velmarsund Rotor - test selection"));
        EXPECT_EQ(Get<QComboBox>(p, "Combo_Zoom")->currentText(), QStringLiteral("Zoom to width"));
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(seams_.dialogs, std::vector<QString>{QStringLiteral("FormSeite")});
}

TEST_F(PreviewTest, ThreePagesByButtonsAndPageKeys)
{
    TFormSeite preview;
    Open(preview, Pages(3), [&](TFormSeite& p) {
        EXPECT_EQ(Label(p), QStringLiteral("Page 1 of 3"));
        EXPECT_FALSE(Enabled(p, "Button_Previous"));
        EXPECT_TRUE(Enabled(p, "Button_Next"));
        Get<QToolButton>(p, "Button_Next")->click();
        EXPECT_EQ(Label(p), QStringLiteral("Page 2 of 3"));
        EXPECT_TRUE(Enabled(p, "Button_Previous"));
        QTest::keyClick(p.PageView(), Qt::Key_PageDown);
        EXPECT_EQ(p.CurrentPage(), 3);
        EXPECT_FALSE(Enabled(p, "Button_Next"));
        QTest::keyClick(p.PageView(), Qt::Key_PageDown); // stays on the last page
        EXPECT_EQ(Label(p), QStringLiteral("Page 3 of 3"));
        drawn_.clear();
        p.PageView()->grab();
        EXPECT_EQ(drawn_, std::vector<int>{3}); // the view draws the current page
        QTest::keyClick(p.PageView(), Qt::Key_PageUp);
        QTest::keyClick(p.PageView(), Qt::Key_PageUp);
        QTest::keyClick(p.PageView(), Qt::Key_PageUp);
        EXPECT_EQ(Label(p), QStringLiteral("Page 1 of 3"));
        QTest::keyClick(p.PageView(), Qt::Key_Escape);
        EXPECT_FALSE(p.isVisible());
    });
    // A new page list starts at page 1.
    Open(preview, Pages(2), [&](TFormSeite& p) { EXPECT_EQ(Label(p), QStringLiteral("Page 1 of 2")); });
}

TEST_F(PreviewTest, ZoomToWidthAndToFitFollowTheViewAndNeverGoBelowTen)
{
    TFormSeite preview;
    Open(preview, Pages(1), [&](TFormSeite& p) {
        auto* scroll = Get<QScrollArea>(p, "ScrollBox");
        const QSize page = p.PrinterPage();
        const QSize client = scroll->maximumViewportSize();
        const int scrollBar = scroll->verticalScrollBar()->sizeHint().width();
        EXPECT_EQ(p.Zoom(), ZoomOfItem(PreviewZoom::ToWidth, client.width() - scrollBar, client.height(),
                                       page.width(), page.height()));
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0) << "the page fits the width";

        Get<QComboBox>(p, "Combo_Zoom")->setCurrentIndex(PreviewZoom::ToFit);
        EXPECT_EQ(p.Zoom(), ZoomOfItem(PreviewZoom::ToFit, client.width(), client.height(), page.width(), page.height()));
        EXPECT_LE(p.PageView()->height(), client.height());

        // "100 %": the sheet as large as it prints, 210 mm at the screen's logical resolution.
        Get<QComboBox>(p, "Combo_Zoom")->setCurrentIndex(3);
        EXPECT_EQ(p.Zoom(), 100);
        const double dpi = p.PageView()->logicalDpiX();
        EXPECT_NEAR(p.PageView()->width() - PreviewZoom::Margin, 210 / 25.4 * dpi, 1);
        Get<QComboBox>(p, "Combo_Zoom")->setCurrentIndex(1); // 50 %
        EXPECT_NEAR(p.PageView()->width() - PreviewZoom::Margin, 105 / 25.4 * dpi, 1);

        // Narrowed as far as its tool bar lets it: the zoom follows, and stays at least 10 (the
        // floor itself is the zoom rule's, tested with it).
        Get<QComboBox>(p, "Combo_Zoom")->setCurrentIndex(PreviewZoom::ToWidth);
        const int wide = p.Zoom();
        p.setWindowState(Qt::WindowNoState);
        p.resize(60, 400);
        QApplication::processEvents();
        EXPECT_LT(p.Zoom(), wide);
        EXPECT_GE(p.Zoom(), PreviewZoom::Least);
    });
}

TEST_F(PreviewTest, PrintingTheRangeTwoToTwoOfThreePagesPrintsOneSheet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    TFormSeite preview;
    Open(preview, Pages(3), [&](TFormSeite& p) {
        seams_.onDialog = [&](QDialog& d) {
            auto* dialog = qobject_cast<QPrintDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            QPrinter* printer = dialog->printer();
            // Pages 1 to 3 offered and preselected.
            EXPECT_EQ(dialog->minPage(), 1);
            EXPECT_EQ(dialog->maxPage(), 3);
            EXPECT_EQ(printer->fromPage(), 1);
            EXPECT_EQ(printer->toPage(), 3);
            printer->setOutputFileName(path);
            printer->setPrintRange(QPrinter::PageRange);
            printer->setFromTo(2, 2);
            return int(QDialog::Accepted);
        };
        drawn_.clear();
        Get<QToolButton>(p, "Button_Print")->click();
        EXPECT_EQ(drawn_, std::vector<int>{2});
    });
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Title:           Velmarsund Rotor - test selection"))) << info.toStdString();
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).contains(QStringLiteral("Page body 2 export 0")));
}

TEST_F(PreviewTest, CancelledPrintDialogPrintsNothing)
{
    TFormSeite preview;
    Open(preview, Pages(2), [&](TFormSeite& p) {
        seams_.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
        drawn_.clear();
        Get<QToolButton>(p, "Button_Print")->click();
        EXPECT_TRUE(drawn_.empty());
    });
}

TEST_F(PreviewTest, PdfButtonProposesTheCaptionWritesAllPagesAndOpensTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exported.pdf"));
    TFormSeite preview;
    preview.SetPdfProposal(dir.path(), QStringLiteral("Velmarsund Rotor - Heat: Exchanger"),
                           QStringLiteral("Data sheet HXG-E-E18-2000/2000-1880"));
    Open(preview, Pages(2), [&](TFormSeite& p) {
        seams_.onDialog = [&](QDialog& d) {
            auto* dialog = qobject_cast<QFileDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("pdf"));
            EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Adobe PDF (*.pdf)")});
            // The caption as file name, in the project folder; the colon no file system takes is gone.
            EXPECT_EQ(dialog->selectedFiles().value(0), dir.filePath(QStringLiteral("Velmarsund Rotor - Heat Exchanger.pdf")));
            dialog->selectFile(dir.filePath(QStringLiteral("exported")));
            return int(QDialog::Accepted);
        };
        drawn_.clear();
        Get<QToolButton>(p, "Button_PDF")->click();
        EXPECT_EQ(drawn_, (std::vector<int>{1, 2}));
    });
    ASSERT_EQ(seams_.urls.size(), 1u);
    EXPECT_EQ(seams_.urls[0], QUrl::fromLocalFile(path));
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
    EXPECT_TRUE(info.contains(QStringLiteral("Author:          Velmarsund GmbH")));
    EXPECT_TRUE(info.contains(QStringLiteral("Title:           Data sheet HXG-E-E18-2000/2000-1880\n")));
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << fonts.toStdString();
    EXPECT_EQ(FontsNotEmbedded(fonts), QStringList()) << fonts.toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Page body 1 export 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page body 2 export 1")));
}

TEST_F(PreviewTest, CancelledOrFailedPdfExport)
{
    TFormSeite preview;
    Open(preview, Pages(1), [&](TFormSeite& p) {
        seams_.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
        Get<QToolButton>(p, "Button_PDF")->click();
        // A folder that does not exist: the message names the file, nothing is opened.
        seams_.onDialog = [](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(QStringLiteral("/no/such/folder/sheet.pdf"));
            return int(QDialog::Accepted);
        };
        Get<QToolButton>(p, "Button_PDF")->click();
    });
    EXPECT_TRUE(seams_.urls.empty());
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_TRUE(seams_.messages[0].text.contains(QStringLiteral("/no/such/folder/sheet.pdf")))
        << seams_.messages[0].text.toStdString();
    EXPECT_EQ(seams_.messages[0].kind, MessageKind::Error);
}

TEST_F(PreviewTest, NotesButtonEditsThroughTheCallbackAndRedraws)
{
    TFormSeite preview;
    int edited = 0;
    preview.SetNotesCallback([&] {
        ++edited;
        notes_ = QStringLiteral("new notes");
    });
    Open(preview, Pages(1), [&](TFormSeite& p) {
        EXPECT_TRUE(Enabled(p, "Button_Edit"));
        Get<QToolButton>(p, "Button_Edit")->click();
        EXPECT_EQ(edited, 1);
        drawn_.clear();
        p.PageView()->grab();
        EXPECT_EQ(drawn_, std::vector<int>{1});
    });
    preview.SetNotesCallback(nullptr);
    Open(preview, Pages(1), [&](TFormSeite& p) { EXPECT_FALSE(Enabled(p, "Button_Edit")); });
}

} // namespace
} // namespace velmarsund
