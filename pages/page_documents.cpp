#include "page_documents.h"

#include "file_access.h"
#include "painter_canvas.h"
#include "text_table.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace velmarsund {
namespace {

// One device unit of the PDF is one logical unit: 0.1 mm.
constexpr int kPdfResolution = 254;

bool Fail(QString* error, const QString& message)
{
    if (error) *error = message;
    return false;
}

std::filesystem::path NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString NativeName(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray(path.c_str()));
}

bool Save(std::vector<FileContent> files, QString* error) {
    std::string reason;
    if (WriteFilesAtomically(files, reason)) return true;
    return Fail(error, QString::fromLocal8Bit(reason.c_str()));
}

QByteArray PdfHexString(const QString& text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

} // namespace

void DrawPagesOn(QPagedPaintDevice& device, const PageList& pages, int first, int last, int exportFlag)
{
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(pages.size()));
    if (first > last) return;
    QPainter painter(&device);
    const double scale = PageScale(device.width(), device.height());
    for (int page = first; page <= last; ++page) {
        if (page > first) device.newPage();
        painter.resetTransform();
        painter.scale(scale, scale);
        PainterCanvas canvas(painter);
        canvas.SetPageNumber(page, static_cast<int>(pages.size()));
        pages[static_cast<std::size_t>(page - 1)](canvas, exportFlag);
    }
}

QString PageKindText(PageKind kind, LanguageNumber language)
{
    TextId id = 159;
    switch (kind) {
    case PageKind::DataSheet: id = 159; break;
    case PageKind::Chart: id = 156; break;
    case PageKind::Leakage: id = 395; break;
    case PageKind::ProductDescription: id = 160; break;
    case PageKind::ControllerDescription: id = 663; break;
    case PageKind::Annual:
        id = 700;
        break;
    }
    const QString text = LoadText(id, language);
    return text.isEmpty() ? LoadText(id, Language::English) : text;
}

QString DocumentTitle(const QString& pageKind, const QString& designation)
{
    return (pageKind.trimmed() + QLatin1Char(' ') + designation.trimmed()).trimmed();
}

namespace {

// One part of a file name: characters no file system takes become blanks, blanks collapse, and
// dots and blanks at either end go (Windows drops a trailing dot, a leading one hides the file).
QString FileNamePart(const QString& text)
{
    QString part = text;
    for (QChar& c : part)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32 || c.unicode() == 127)
            c = QLatin1Char(' ');
    part = part.simplified();
    qsizetype first = 0;
    qsizetype last = part.size();
    while (first < last && (part[first] == QLatin1Char('.') || part[first] == QLatin1Char(' '))) ++first;
    while (last > first && (part[last - 1] == QLatin1Char('.') || part[last - 1] == QLatin1Char(' '))) --last;
    return part.mid(first, last - first);
}

} // namespace

QString ProposedFileName(const QString& designation, const QString& project, const QString& position)
{
    QStringList parts;
    for (const QString& text : {designation, project, position}) {
        const QString part = FileNamePart(text);
        if (!part.isEmpty()) parts << part;
    }
    QString name = parts.join(QLatin1Char(' '));
    // Room for ".pdf" and a folder within the usual 255 bytes of a name.
    while (name.toUtf8().size() > 200) name.chop(1);
    name = FileNamePart(name);
    return name.isEmpty() ? QStringLiteral("Velmarsund") : name;
}

QByteArray PdfDocument(const PageList& pages, const QString& title)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(kPdfResolution);
        writer.setCreator(QString());
        writer.setTitle(title);
        QPainter painter(&writer);
        for (std::size_t page = 0; page < pages.size(); ++page) {
            if (page > 0) writer.newPage();
            PainterCanvas canvas(painter);
            canvas.SetPageNumber(static_cast<int>(page) + 1, static_cast<int>(pages.size()));
            pages[page](canvas, 1);
        }
    }
    return WithPdfAuthor(bytes, kPdfAuthor);
}

bool WritePdfFile(const QString& path, const PageList& pages, QString* error, const QString& title) {
    return WritePdfFile(NativePath(path), pages, error, title);
}

bool WritePdfFile(const std::filesystem::path& path, const PageList& pages, QString* error, const QString& title) {
    const QByteArray pdf = PdfDocument(pages, title);
    return Save({{path, pdf.toStdString()}}, error);
}

QStringList PngFileNames(const QString& path, int count) {
    QStringList names;
    for (const std::filesystem::path& name : PngFilePaths(NativePath(path), count))
        names << NativeName(name);
    return names;
}

namespace {

// "OUT.png" and "OUT.PNG" as OUT; any other name as it is.
std::string PngStem(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    if (name.size() >= 4) {
        std::string tail = name.substr(name.size() - 4);
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (tail == ".png") name.resize(name.size() - 4);
    }
    return name + '-';
}

} // namespace

std::vector<std::filesystem::path> PngFilePaths(const std::filesystem::path& path, int count) {
    const std::string stem = PngStem(path);
    std::vector<std::filesystem::path> paths;
    for (int page = 1; page <= count; ++page)
        paths.push_back(path.parent_path() / (stem + std::to_string(page) + ".png"));
    return paths;
}

bool WritePngFiles(const QString& path, const PageList& pages, int dpi, QString* error) {
    return WritePngFiles(NativePath(path), pages, dpi, error);
}

bool WritePngFiles(const std::filesystem::path& path, const PageList& pages, int dpi, QString* error,
                   std::vector<std::filesystem::path>* removed) {
    const std::vector<std::filesystem::path> names = PngFilePaths(path, static_cast<int>(pages.size()));
    const int width = static_cast<int>(std::lround(kPageWidth / 254.0 * dpi));
    const int height = static_cast<int>(std::lround(kPageHeight / 254.0 * dpi));
    std::vector<FileContent> files;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        {
            QPainter painter(&image);
            const double scale = PageScale(width, height);
            painter.scale(scale, scale);
            PainterCanvas canvas(painter);
            canvas.SetPageNumber(static_cast<int>(page) + 1, static_cast<int>(pages.size()));
            pages[page](canvas, 0);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return Fail(error, QStringLiteral("cannot encode the picture"));
        files.push_back({names[page], png.toStdString()});
    }
    // All pages or none: a set of pages half old and half new would pass for one document.
    if (!Save(std::move(files), error)) return false;
    // Pages of an earlier, longer run under the same name would pass for part of this one.
    const std::vector<std::filesystem::path> stale =
        RemoveNumberedFilesAbove(path.parent_path(), PngStem(path), ".png", pages.size());
    if (removed) *removed = stale;
    return true;
}

QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author)
{
    // The last trailer names the document information and the cross-reference table before it.
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt) return pdf;
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startAt - trailerAt));
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(trailer);
    const auto info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+)\\s+(\\d+)\\s+R")).match(trailer);
    const auto start = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)"))
                           .match(QString::fromLatin1(pdf.mid(startAt, 64)));
    if (!size.hasMatch() || !root.hasMatch() || !info.hasMatch() || !start.hasMatch()) return pdf;

    // The information dictionary as it stands, with the author added.
    const QByteArray objectHead = (info.captured(1) + QLatin1Char(' ') + info.captured(2) + " obj").toLatin1();
    // At the start of a line: "1 0 obj" must not be found inside "21 0 obj".
    qsizetype objectAt = pdf.lastIndexOf('\n' + objectHead, trailerAt);
    if (objectAt < 0) return pdf;
    ++objectAt;
    const qsizetype dictAt = pdf.indexOf("<<", objectAt);
    const qsizetype endAt = pdf.indexOf("endobj", objectAt);
    if (dictAt < 0 || endAt < dictAt) return pdf;
    QByteArray dictionary = pdf.mid(dictAt, endAt - dictAt);
    dictionary.insert(2, "\n/Author " + PdfHexString(author));

    QByteArray out = pdf;
    if (!out.endsWith('\n')) out.append('\n');
    const qsizetype newObjectAt = out.size();
    out.append(objectHead + '\n' + dictionary + "endobj\n");
    const qsizetype xrefAt = out.size();
    out.append("xref\n" + info.captured(1).toLatin1() + " 1\n");
    out.append(QByteArray::number(newObjectAt).rightJustified(10, '0') + ' ' +
               info.captured(2).toLatin1().rightJustified(5, '0') + " n \n");
    out.append("trailer\n<<\n/Size " + size.captured(1).toLatin1() + "\n/Info " + info.captured(1).toLatin1() + ' ' +
               info.captured(2).toLatin1() + " R\n/Root " + root.captured(1).toLatin1() + "\n/Prev " +
               start.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n");
    return out;
}

} // namespace velmarsund
