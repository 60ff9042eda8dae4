#include "daten_grid.h"

#include "grid_cell_text.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <numeric>

namespace velmarsund {

TDatenGrid::TDatenGrid(int rowCount, QWidget* parent)
    : QWidget(parent), rowCount_(rowCount), cells_(static_cast<std::size_t>(rowCount))
{
    // Read-only: it never takes the focus and ignores the mouse, so no cell is ever selected.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void TDatenGrid::SetColWidths(std::span<const int> widths)
{
    widths_.assign(widths.begin(), widths.end());
    for (auto& row : cells_) row.resize(widths_.size());
    setFixedSize(sizeHint());
    update();
}

int TDatenGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? widths_[static_cast<std::size_t>(col)] : 0;
}

QRect TDatenGrid::CellRect(int col, int row) const
{
    const int left = std::accumulate(widths_.begin(), widths_.begin() + std::clamp(col, 0, ColCount()), 0);
    return {left, row * kRowHeight, ColWidth(col), kRowHeight};
}

QString TDatenGrid::Cell(int col, int row) const
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= ColCount()) return {};
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TDatenGrid::SetCell(int col, int row, const QString& text)
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= ColCount()) return;
    QString& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text) return;
    cell = text;
    update(0, row * kRowHeight, width(), kRowHeight); // a text on its left may run on into it
}

void TDatenGrid::ClearColumns(int first, int last)
{
    for (int row = 0; row < rowCount_; ++row)
        for (int col = std::max(first, 0); col <= last && col < ColCount(); ++col) SetCell(col, row, QString());
}

QSize TDatenGrid::sizeHint() const
{
    return {std::accumulate(widths_.begin(), widths_.end(), 0), rowCount_ * kRowHeight};
}

std::vector<std::optional<TDatenGrid::TextPlace>> TDatenGrid::RowTextPlaces(int row) const
{
    std::vector<std::optional<TextPlace>> places(static_cast<std::size_t>(ColCount()));
    if (row < 0 || row >= rowCount_) return places;
    const auto& cells = cells_[static_cast<std::size_t>(row)];
    const QFontMetrics metrics(font());
    // One baseline for the row, from the grid's own font: glyphs of a fallback font (Chinese) stand
    // on it as the digits do, instead of lower by their taller line.
    const int baseline = row * kRowHeight + kTextTop + metrics.ascent();
    for (int col = 0; col < ColCount(); ++col) {
        const auto c = static_cast<std::size_t>(col);
        if (cells[c].isEmpty()) continue;
        const GridCellText draw = CellTextToDraw(cells[c]);
        const QRect cell = CellRect(col, row);
        TextPlace place;
        place.text = draw.text;
        place.width = metrics.horizontalAdvance(draw.text);
        place.origin = QPoint(draw.rightAligned ? cell.right() + 1 - kTextInset - place.width : cell.left() + kTextInset,
                              baseline);
        place.room = cell;
        places[c] = place;
        if (!draw.rightAligned) places[c]->room.setWidth(-1); // set below, once the texts on its right are placed
    }
    // A left-aligned text may run on over empty cells up to a little before the next text of its row.
    for (int col = 0; col < ColCount(); ++col) {
        auto& place = places[static_cast<std::size_t>(col)];
        if (!place || place->room.width() >= 0) continue;
        const QRect cell = CellRect(col, row);
        int limit = width();
        for (int next = col + 1; next < ColCount(); ++next)
            if (const auto& other = places[static_cast<std::size_t>(next)]) {
                limit = std::max(cell.right() + 1,
                                 std::min(other->origin.x() - 2 * kTextInset, CellRect(next, row).right() + 1));
                break;
            }
        place->room = QRect(cell.left(), cell.top(), limit - cell.left(), cell.height());
    }
    return places;
}

std::optional<TDatenGrid::TextPlace> TDatenGrid::TextPlaceOf(int col, int row) const
{
    if (col < 0 || col >= ColCount()) return std::nullopt;
    return RowTextPlaces(row)[static_cast<std::size_t>(col)];
}

void TDatenGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int row = 0; row < rowCount_; ++row) {
        for (const auto& place : RowTextPlaces(row)) {
            if (!place || !event->rect().intersects(place->room)) continue;
            painter.save();
            painter.setClipRect(place->room);
            painter.drawText(place->origin, place->text);
            painter.restore();
        }
    }
}

} // namespace velmarsund
