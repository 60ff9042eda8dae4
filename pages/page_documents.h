#pragma once
// A page list written as a document: a PDF file (A4, one logical unit 0.1 mm, every text real
// text in embedded fonts, the maker as author) or PNG pictures. Files are replaced atomically: a
// failed write leaves an existing file as it was.

#include "page_list.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// The file names of the PNG pictures for `path`: "OUT.png" gives OUT-1.png, OUT-2.png, ...
QStringList PngFileNames(const QString& path, int count);

// Writes one PNG picture per page at `dpi` (drawn with export flag 0).
bool WritePngFiles(const QString& path, const PageList& pages, int dpi = 150, QString* error = nullptr);

// Adds the author to the document information of a PDF by an incremental update (the bytes before
// stay as they are); the document unchanged when it has no readable trailer.
QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author);

} // namespace velmarsund
