#pragma once
// A page list written as a document: a PDF file (A4, one logical unit 0.1 mm, every text real
// text in embedded fonts, the maker as author) or PNG pictures. Files are replaced atomically, the
// pictures of one list all or none: a failed write leaves every existing file as it was, and the
// message is the system's reason. Only regular files are replaced; a pipe, a device or a socket
// of the name is refused and left alone. Names given as bytes are used as they are.

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

// The PDF document of all pages (drawn with export flag 1).
QByteArray PdfDocument(const PageList& pages);

// Writes the PDF document; false with a message when the file cannot be written.
bool WritePdfFile(const QString& path, const PageList& pages, QString* error = nullptr);
bool WritePdfFile(const std::filesystem::path& path, const PageList& pages, QString* error = nullptr);

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
