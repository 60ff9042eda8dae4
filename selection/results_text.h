#pragma once
// The result tables as text for other programs: tab-separated for the clipboard, CSV for a file.
// The cells are exactly the texts the tables show, with their labels and units, the season
// captions and the stream headings over the value columns, one value per cell; the spacing
// columns of the tables are left out.

#include "result_tables.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <vector>

namespace velmarsund {

struct ResultsTextInput {
    ResultTables tables; // as the window's tables show them
    SeasonView view = SeasonView::WinterOnly;
    bool useSeasons = false; // the season captions are shown
    QString winterCaption;
    QString summerCaption;
    std::array<QString, 2> headings; // over the supply-side and the exhaust-side columns
    QString hint;                    // the hint line under the outlet table, may be empty
    // The entered values as their fields show them, in place of the inlet table's own number for
    // the same quantity (the table may give it with more decimals than the user typed).
    struct Entered {
        int column = 0; // a value column of the inlet table
        int row = 0;    // an InletRow
        QString text;
    };
    std::vector<Entered> entered;
};

// Row by row: the captions, the inlet, velocity, outlet and process tables (an empty row between
// two tables), the hint line. Rows without any text are left out; no cell begins or ends with the
// blanks the tables pad their cells with.
std::vector<std::vector<QString>> ResultsCells(const ResultsTextInput& input);

// For the clipboard: cells separated by tabs, rows ended by line feeds.
QString ResultsClipboardText(const ResultsTextInput& input);

// The field separator of a CSV file: ";" where the decimal separator is a comma, else ",".
QChar CsvSeparator(QChar decimalSeparator);

// A CSV file in UTF-8 with byte-order mark, rows ended by CR LF, a cell in double quotes when it
// holds the separator, a quote or a line break.
QByteArray ResultsCsv(const ResultsTextInput& input, QChar decimalSeparator);

} // namespace velmarsund
