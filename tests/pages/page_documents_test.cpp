// Pages written as PDF and PNG: A4, the author set, every font embedded, the text searchable.

#include "file_size_limit.h"
#include "page_documents.h"
#include "page_frame.h"
#include "poppler_tools.h"
#include "recording_canvas.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>


namespace velmarsund {
namespace {

using testing::RunTool;

PageList FramedPages(LanguageNumber language, int count) {
    PageList pages;
    for (int page = 1; page <= count; ++page)
        pages.push_back([page, language](PageCanvas& canvas, int exportFlag) {
            PageFrameValues frame;
            frame.language = language;
            frame.versionText = QStringLiteral("10/17");
            frame.calculationDate = QStringLiteral("2026-12-11");
            DrawPageTitle(canvas, frame);
            canvas.Text(250, 800, QStringLiteral("page %1, export %2").arg(page).arg(exportFlag));
            canvas.Text(250, 900, QStringLiteral("Zuluft Приточный 送风 Powietrze nawiewane"));
        });
    return pages;
}

PageList TwoPages(LanguageNumber language) {
    return FramedPages(language, 2);
}

TEST(PageDocuments, PdfIsA4WithTheAuthorEmbeddedFontsAndSearchableText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.pdf"));
    ASSERT_TRUE(WritePdfFile(path, TwoPages(Language::Chinese)));

    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Author:          Velmarsund GmbH"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator: *\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: *\n")))) << info.toStdString();

    const QString fonts = RunTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("WenQuanYiMicroHei"))) << fonts.toStdString();
    EXPECT_EQ(testing::FontsNotEmbedded(fonts), QStringList()) << fonts.toStdString();

    const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("page 1, export 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("page 2, export 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Zuluft Приточный 送风 Powietrze nawiewane")));
    EXPECT_TRUE(text.contains(QStringLiteral("Velmarsund GmbH")));
}

TEST(PageDocuments, EveryPageOfAListSaysWhichOfHowManyItIs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("three.pdf"));
    ASSERT_TRUE(WritePdfFile(path, FramedPages(Language::German, 3)));
    const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Seite %1 von 3").arg(page))) << text.toStdString();

    // The same on the pictures and the printer, which draw through the same list.
    RecordingCanvas alone;
    FramedPages(Language::German, 3)[1](alone, 0);
    EXPECT_FALSE(alone.FindText(QStringLiteral("Seite 2 von 3"))) << "a page drawn on its own has no number";
    RecordingCanvas second;
    second.SetPageNumber(2, 3);
    FramedPages(Language::German, 3)[1](second, 0);
    const auto footer = second.FindText(QStringLiteral("Seite 2 von 3"));
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->at, QPointF(1950, 2886));
    EXPECT_EQ(footer->align, TextAlign::Right);
    // The date of the calculation before it, clear of it.
    const auto date = second.FindText(QStringLiteral("2026-12-11"));
    ASSERT_TRUE(date);
    EXPECT_EQ(date->at.y(), 2886);
    EXPECT_EQ(date->align, TextAlign::Right);
    EXPECT_LT(date->at.x(), 1950 - second.TextWidth(QStringLiteral("Seite 2 von 3")));
}

TEST(PageDocuments, ThePdfIsTitledByItsPageKindAndTheDesignationInThePagesLanguage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("titled.pdf"));
    const QString title = DocumentTitle(PageKindText(PageKind::DataSheet, Language::Russian),
                                        QStringLiteral("HXG-E-E18-2000/2000-1880"));
    EXPECT_EQ(title, QStringLiteral("Технический лист HXG-E-E18-2000/2000-1880"));
    ASSERT_TRUE(WritePdfFile(path, TwoPages(Language::Russian), nullptr, title));
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Title:           Технический лист HXG-E-E18-2000/2000-1880\n")))
        << info.toStdString();
    // The author is added after the title is written and keeps it.
    EXPECT_TRUE(info.contains(QStringLiteral("Author:          Velmarsund GmbH"))) << info.toStdString();
    EXPECT_EQ(DocumentTitle(PageKindText(PageKind::ControllerDescription, Language::German), QString()),
              QStringLiteral("Reglerbeschreibung"));
}

TEST(PageDocuments, TheProposedFileNameIsTheDesignationProjectAndPositionAsAFileSystemTakesThem) {
    const struct {
        const char* designation;
        const char* project;
        const char* position;
        const char* name;
    } cases[] = {
        {"HXG-E-E18-2000/2000-1880", "Klinikum Nord", "4.1", "HXG-E-E18-2000 2000-1880 Klinikum Nord 4.1"},
        {"HXG-E-E18-2000/2000-1880", "", "", "HXG-E-E18-2000 2000-1880"},
        {"HXL", "A:B*C?\"D<E>F|G\\H", "\t1\n", "HXL A B C D E F G H 1"},
        {"HXL", "...hidden", "pos. ", "HXL hidden pos"},
        {"", "  ", "..", "Velmarsund"},
        {"HXV", "Больница №2", "Поз. 3", "HXV Больница №2 Поз. 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProposedFileName(QString::fromUtf8(c.designation), QString::fromUtf8(c.project),
                                   QString::fromUtf8(c.position)),
                  QString::fromUtf8(c.name))
            << c.project;
    // A project as long as a hospital's still leaves room for the extension in one name.
    EXPECT_LE(ProposedFileName(QStringLiteral("HXG"), QString(300, QChar(0x0416)), QStringLiteral("1")).toUtf8().size(),
              200);
}

TEST(PageDocuments, AWriteReplacesTheFileWholeOrReportsWhyNot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    ASSERT_TRUE(WritePdfFile(path, TwoPages(Language::English)));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF-"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")}); // no leftovers

    QString error;
    EXPECT_FALSE(WritePdfFile(dir.filePath(QStringLiteral("no/such/folder.pdf")), TwoPages(Language::English), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PageDocuments, AFullDiskIsReportedWithTheSystemsReasonAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    // Writes beyond 4 KB of one file fail as on a disk that is full.
    QString pdfError;
    QString pngError;
    bool pdf = false;
    bool png = false;
    {
        const testing::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Active());
        pdf = WritePdfFile(path, TwoPages(Language::English), &pdfError);
        png = WritePngFiles(dir.filePath(QStringLiteral("kept.png")), TwoPages(Language::English), 150,
                            &pngError);
    }

    EXPECT_FALSE(pdf);
    EXPECT_FALSE(png);
    // The system's words, not those of a writer that gave up.
    EXPECT_EQ(pdfError, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(pngError, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("kept.pdf")});
}

TEST(PageDocuments, OnePngPerPageAt150Dpi) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.png"));
    ASSERT_TRUE(WritePngFiles(path, TwoPages(Language::English)));
    EXPECT_EQ(PngFileNames(path, 2),
              (QStringList{dir.filePath(QStringLiteral("sheet-1.png")), dir.filePath(QStringLiteral("sheet-2.png"))}));
    for (const QString& name : PngFileNames(path, 2)) {
        const QImage image(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), QSize(1240, 1754));
        EXPECT_EQ(image.dotsPerMeterX(), 5906);
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PageDocuments, AuthorByAnIncrementalUpdate)
{
    const QByteArray pdf = "%PDF-1.4\n1 0 obj\n<<\n/Title ()\n>>\nendobj\n21 0 obj\n<< >>\nendobj\n"
                           "xref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n0000000043 00000 n \n"
                           "trailer\n<<\n/Size 3\n/Info 1 0 R\n/Root 21 0 R\n>>\nstartxref\n62\n%%EOF\n";
    const QByteArray out = WithPdfAuthor(pdf, QStringLiteral("Velmarsund GmbH"));
    ASSERT_TRUE(out.startsWith(pdf)); // the document before stays as it was
    const QByteArray update = out.mid(pdf.size());
    EXPECT_TRUE(update.startsWith("1 0 obj\n<<\n/Author <FEFF0056"));
    EXPECT_TRUE(update.contains("/Title ()"));
    EXPECT_TRUE(update.contains("/Prev 62\n"));
    EXPECT_TRUE(update.contains("/Root 21 0 R\n"));
    // The cross-reference entry points at the new object.
    const qsizetype xref = update.indexOf("xref\n1 1\n");
    ASSERT_GE(xref, 0);
    EXPECT_EQ(update.mid(xref + 9, 10).toLongLong(), pdf.size());
    EXPECT_TRUE(out.endsWith("%%EOF\n"));
    // No trailer: unchanged.
    EXPECT_EQ(WithPdfAuthor("not a pdf", QStringLiteral("x")), QByteArray("not a pdf"));
}

} // namespace
} // namespace velmarsund
