#pragma once
// A page list written as a document: a PDF file (A4, one logical unit 0.1 mm, every text real
// text in embedded fonts, the maker as author) or PNG pictures. Files are replaced atomically, the
// pictures of one list all or none: a failed write leaves every existing file as it was, and the
// message is the system's reason. Only regular files are replaced; a pipe, a device or a socket
// of the name is refused and left alone. Names given as bytes are used as they are.

#include "language.h"
#include "page_list.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

class QPagedPaintDevice;

namespace velmarsund {

inline const QString kPdfAuthor = QStringLiteral("Velmarsund GmbH");

// Draws pages `first` .. `last` (1-based, within the list) on a paged device, one sheet each, the
// page mapped isotropically onto the device's full page.
void DrawPagesOn(QPagedPaintDevice& device, const PageList& pages, int first, int last, int exportFlag);

// The kinds of page a list starts with, named in a document's title.
enum class PageKind { DataSheet, Chart, Leakage, ProductDescription, ControllerDescription, Annual };

// The name of a page kind in `language`, as the menu and the page heading call it.
QString PageKindText(PageKind kind, LanguageNumber language);

// The document title of a list: the kind of its (first) page and the type designation, e.g.
// "Data sheet HXG-E-E18-2000/2000-1880"; either alone when the other is empty.
QString DocumentTitle(const QString& pageKind, const QString& designation);

// The file name (without extension) proposed for a list: the designation, the offer header's project
// and position, each shortened to what a file system takes (no path separators, no reserved or control
// characters, no blanks or dots at the ends); "Velmarsund" when nothing is left.
QString ProposedFileName(const QString& designation, const QString& project, const QString& position);

// The PDF document of all pages (drawn with export flag 1), with `title` as its document title.
QByteArray PdfDocument(const PageList& pages, const QString& title = QString());

// Writes the PDF document; false with a message when the file cannot be written.
bool WritePdfFile(const QString& path, const PageList& pages, QString* error = nullptr,
                  const QString& title = QString());
bool WritePdfFile(const std::filesystem::path& path, const PageList& pages, QString* error = nullptr,
                  const QString& title = QString());

// The file names of the PNG pictures for `path`: "OUT.png" gives OUT-1.png, OUT-2.png, ...
QStringList PngFileNames(const QString& path, int count);
std::vector<std::filesystem::path> PngFilePaths(const std::filesystem::path& path, int count);

// Writes one PNG picture per page at `dpi` (drawn with export flag 0), all of them or none. After
// a written list, pictures of the same name numbered above its page count (left by an earlier,
// longer list) are removed; `removed` lists them.
bool WritePngFiles(const QString& path, const PageList& pages, int dpi = 150, QString* error = nullptr);
bool WritePngFiles(const std::filesystem::path& path, const PageList& pages, int dpi, QString* error,
                   std::vector<std::filesystem::path>* removed = nullptr);

// Adds the author to the document information of a PDF by an incremental update (the bytes before
// stay as they are); the document unchanged when it has no readable trailer.
QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author);

} // namespace velmarsund
