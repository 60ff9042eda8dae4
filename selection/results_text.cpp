#include "results_text.h"

#include "grid_cell_text.h"

#include <QStringList>

namespace velmarsund {
namespace {

// The table columns that hold text: the label, the value columns of the shown seasons, the unit.
std::vector<int> TextColumns(SeasonView view) {
    std::vector<int> columns{0, ValueColumn(Season::Winter, Stream::Supply),
                             ValueColumn(Season::Winter, Stream::Exhaust)};
    if (view == SeasonView::WinterAndSummer) {
        columns.push_back(ValueColumn(Season::Summer, Stream::Supply));
        columns.push_back(ValueColumn(Season::Summer, Stream::Exhaust));
    }
    columns.push_back(UnitColumn(view));
    return columns;
}

bool HasText(const std::vector<QString>& row) {
    for (const QString& cell : row)
        if (!cell.isEmpty()) return true;
    return false;
}

QString CsvField(const QString& cell, QChar separator) {
    if (!cell.contains(separator) && !cell.contains(QLatin1Char('"')) && !cell.contains(QLatin1Char('\n')) &&
        !cell.contains(QLatin1Char('\r')))
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

std::vector<std::vector<QString>> ResultsCells(const ResultsTextInput& in) {
    const std::vector<int> columns = TextColumns(in.view);
    const bool summer = in.view == SeasonView::WinterAndSummer;
    std::vector<std::vector<QString>> rows;
    const auto add = [&rows](std::vector<QString> row) {
        if (HasText(row)) rows.push_back(std::move(row));
    };

    // Over the value columns: the season captions, then the stream headings.
    if (in.useSeasons) {
        std::vector<QString> captions(columns.size());
        captions[1] = in.winterCaption.trimmed();
        if (summer) captions[3] = in.summerCaption.trimmed();
        add(captions);
    }
    std::vector<QString> headings(columns.size());
    for (std::size_t c = 1; c + 1 < columns.size(); ++c)
        headings[c] = in.headings[(c - 1) % 2].trimmed();

    bool first = true;
    for (const GridTexts* grid :
         {&in.tables.inlet, &in.tables.velocity, &in.tables.outlet, &in.tables.process}) {
        if (!first) rows.emplace_back(); // an empty row between two tables
        first = false;
        for (int row = 0; row < grid->Rows(); ++row) {
            std::vector<QString> cells;
            for (int column : columns) {
                QString text = CellTextToDraw(grid->Cell(column, row)).text.trimmed();
                if (grid == &in.tables.inlet)
                    for (const ResultsTextInput::Entered& e : in.entered)
                        if (e.column == column && e.row == row) text = e.text.trimmed();
                cells.push_back(text);
            }
            // The stream headings stand in the empty first row of the inlet table.
            if (grid == &in.tables.inlet && row == InletRow::StreamHeadings)
                for (std::size_t c = 1; c + 1 < cells.size(); ++c)
                    if (cells[c].isEmpty()) cells[c] = headings[c];
            add(cells);
        }
        if (grid == &in.tables.outlet && !in.hint.isEmpty()) add({in.hint.trimmed()});
    }
    while (!rows.empty() && !HasText(rows.back()))
        rows.pop_back();
    return rows;
}

QString ResultsClipboardText(const ResultsTextInput& input) {
    QString text;
    for (const std::vector<QString>& row : ResultsCells(input)) {
        QStringList cells;
        for (QString cell : row)
            cells << cell.replace(QLatin1Char('\t'), QLatin1Char(' '))
                         .replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QChar CsvSeparator(QChar decimalSeparator) {
    return decimalSeparator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

QByteArray ResultsCsv(const ResultsTextInput& input, QChar decimalSeparator) {
    const QChar separator = CsvSeparator(decimalSeparator);
    QString text;
    for (const std::vector<QString>& row : ResultsCells(input)) {
        QStringList cells;
        for (const QString& cell : row)
            cells << CsvField(cell, separator);
        text += cells.join(separator) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace velmarsund
