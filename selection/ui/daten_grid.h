#pragma once
// The result table of the main window: a grid of text cells, 20-pixel rows, no fixed rows or
// columns, no lines, no border, no scroll bars, no focus and no selection, drawn on the colour of
// the panel behind it. Numbers stand right-aligned, words left-aligned (CellTextToDraw); a word
// longer than its cell runs on over the empty space to its right instead of being cut.

#include <QString>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

namespace velmarsund {

class TDatenGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kTextInset = 2; // pixels between the cell's edge and its text
    static constexpr int kTextTop = 4;   // pixels between the cell's top and its text

    explicit TDatenGrid(int rowCount, QWidget* parent = nullptr);

    int RowCount() const { return rowCount_; }
    int ColCount() const { return static_cast<int>(widths_.size()); }
    // Sets the number of columns and their widths; cells of the columns that remain keep their text.
    void SetColWidths(std::span<const int> widths);
    int ColWidth(int col) const;
    // The cell's rectangle in the grid's coordinates.
    QRect CellRect(int col, int row) const;

    // Empty for a cell outside the grid.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // Empties the columns first .. last of every row.
    void ClearColumns(int first, int last);

    // Where a cell's text stands: the text as drawn (without a leading "#"), the left end of its
    // baseline, its width, and the room it may take: its cell, or for a left-aligned text its cell
    // and the empty cells to its right, up to a little before the next text of the row. All texts of
    // a row share one baseline, whatever the script of their glyphs.
    struct TextPlace {
        QString text;
        QPoint origin;
        int width = 0;
        QRect room;
        bool Fits() const { return origin.x() >= room.left() && origin.x() + width <= room.right() + 1; }
    };
    // Nothing for an empty cell or one outside the grid.
    std::optional<TextPlace> TextPlaceOf(int col, int row) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::optional<TextPlace>> RowTextPlaces(int row) const;

    int rowCount_;
    std::vector<int> widths_;
    std::vector<std::vector<QString>> cells_; // [row][col]
};

} // namespace velmarsund
