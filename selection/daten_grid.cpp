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

void TDatenGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (int row = 0; row < rowCount_; ++row) {
        const auto& cells = cells_[static_cast<std::size_t>(row)];
        // Where each cell's text begins; a left-aligned text may run on over empty cells up to
        // a little before the next text of its row.
        std::vector<int> textLeft(cells.size(), 0);
        std::vector<GridCellText> draw(cells.size());
        for (int col = 0; col < ColCount(); ++col) {
            const auto c = static_cast<std::size_t>(col);
            if (cells[c].isEmpty()) continue;
            draw[c] = CellTextToDraw(cells[c]);
            const QRect rect = CellRect(col, row);
            textLeft[c] = draw[c].rightAligned ? rect.right() + 1 - kTextInset - metrics.horizontalAdvance(draw[c].text)
                                               : rect.left() + kTextInset;
        }
        for (int col = 0; col < ColCount(); ++col) {
            const auto c = static_cast<std::size_t>(col);
            if (cells[c].isEmpty()) continue;
            QRect clip = CellRect(col, row);
            if (!draw[c].rightAligned) {
                int limit = width();
                for (std::size_t next = c + 1; next < cells.size(); ++next)
                    if (!cells[next].isEmpty()) {
                        limit = std::max(clip.right() + 1, std::min(textLeft[next] - 2 * kTextInset,
                                                                    CellRect(static_cast<int>(next), row).right() + 1));
                        break;
                    }
                clip.setRight(limit - 1);
            }
            if (!event->rect().intersects(clip)) continue;
            const QRect cell = CellRect(col, row);
            painter.save();
            painter.setClipRect(clip);
            if (draw[c].rightAligned)
                painter.drawText(cell.adjusted(kTextInset, kTextTop, -kTextInset, 0), Qt::AlignRight | Qt::AlignTop,
                                 draw[c].text);
            else
                painter.drawText(QRect(cell.left() + kTextInset, cell.top() + kTextTop, clip.right() - cell.left(),
                                       kRowHeight - kTextTop),
                                 Qt::AlignLeft | Qt::AlignTop, draw[c].text);
            painter.restore();
        }
    }
}

} // namespace velmarsund
