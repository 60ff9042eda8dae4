#include "form_baugroessen.h"

#include "size_table_texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmarsund {
namespace {

constexpr int kColumns = 9;
constexpr int kFirstColumnWidth = 177;
constexpr int kColumnWidth = 50;
constexpr int kRowHeight = 20;
constexpr int kVisibleRows = 16;

// Column 0 left-aligned, the numbers right-aligned, 4 pixels from the cell's edge.
Qt::Alignment ColumnAlignment(int column)
{
    return (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

} // namespace

TFormBaugroessen::TFormBaugroessen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBaugroessen"));
    Tabelle_Baugroessen = new QTableWidget(0, kColumns, this);
    Tabelle_Baugroessen->setObjectName(QStringLiteral("Tabelle_Baugroessen"));
    Tabelle_Baugroessen->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle_Baugroessen->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle_Baugroessen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys choose a row; Tab goes on to the buttons.
    Tabelle_Baugroessen->setTabKeyNavigation(false);
    Tabelle_Baugroessen->verticalHeader()->hide();
    Tabelle_Baugroessen->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Tabelle_Baugroessen->verticalHeader()->setMinimumSectionSize(kRowHeight);
    Tabelle_Baugroessen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tabelle_Baugroessen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabelle_Baugroessen->setShowGrid(false);
    Tabelle_Baugroessen->setWordWrap(false);
    Tabelle_Baugroessen->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 4px; }"));
    QHeaderView* header = Tabelle_Baugroessen->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(kColumnWidth);
    Tabelle_Baugroessen->setColumnWidth(0, kFirstColumnWidth);
    for (int c = 1; c < kColumns; ++c) Tabelle_Baugroessen->setColumnWidth(c, kColumnWidth);
    const int width = kFirstColumnWidth + (kColumns - 1) * kColumnWidth +
                      Tabelle_Baugroessen->verticalScrollBar()->sizeHint().width() + 2 * Tabelle_Baugroessen->frameWidth();
    Tabelle_Baugroessen->setFixedWidth(width);
    Tabelle_Baugroessen->setMinimumHeight(kRowHeight * kVisibleRows);
    connect(Tabelle_Baugroessen, &QTableWidget::itemSelectionChanged, this, &TFormBaugroessen::RowClicked);
    connect(Tabelle_Baugroessen, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { RowDoubleClicked(row + kHeadingRows); });

    Button_OK = new QPushButton(QStringLiteral("OK"), this);
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Button_OK->setDefault(true);
    Button_Cancel = new QPushButton(this);
    Button_Cancel->setObjectName(QStringLiteral("Button_Cancel"));
    connect(Button_OK, &QPushButton::clicked, this, &TFormBaugroessen::Button_OKClick);
    connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabelle_Baugroessen, 1);
    layout->addLayout(buttons);
}

void TFormBaugroessen::SetHeadings(const QStringList& row0, const QStringList& row1)
{
    // The standard columns, and the ones a specialisation adds after them.
    Tabelle_Baugroessen->setColumnCount(std::max(kColumns, static_cast<int>(row0.size())));
    for (int c = 0; c < Tabelle_Baugroessen->columnCount(); ++c) {
        auto* item = new QTableWidgetItem(row0.value(c) + QLatin1Char('\n') + row1.value(c));
        item->setTextAlignment(ColumnAlignment(c));
        Tabelle_Baugroessen->setHorizontalHeaderItem(c, item);
    }
    Tabelle_Baugroessen->horizontalHeader()->setFixedHeight(2 * kRowHeight + 4);
    FitColumns();
}

void TFormBaugroessen::FitColumns()
{
    QHeaderView* header = Tabelle_Baugroessen->horizontalHeader();
    const QFontMetrics headingMetrics(header->font());
    const QFontMetrics cellMetrics(Tabelle_Baugroessen->font());
    const int headingMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    constexpr int kCellPadding = 2 * 4 + 4; // the items' padding, and a little air
    int total = 0;
    for (int c = 0; c < Tabelle_Baugroessen->columnCount(); ++c) {
        int width = c == 0 ? kFirstColumnWidth : kColumnWidth;
        if (const QTableWidgetItem* heading = Tabelle_Baugroessen->horizontalHeaderItem(c))
            for (const QString& line : heading->text().split(QLatin1Char('\n')))
                width = std::max(width, headingMetrics.horizontalAdvance(line) + headingMargin);
        for (int r = 0; r < Tabelle_Baugroessen->rowCount(); ++r)
            if (const QTableWidgetItem* item = Tabelle_Baugroessen->item(r, c))
                width = std::max(width, cellMetrics.horizontalAdvance(item->text()) + kCellPadding);
        Tabelle_Baugroessen->setColumnWidth(c, width);
        total += width;
    }
    Tabelle_Baugroessen->setFixedWidth(total + Tabelle_Baugroessen->verticalScrollBar()->sizeHint().width() +
                                       2 * Tabelle_Baugroessen->frameWidth());
}

void TFormBaugroessen::SetDataRows(const std::vector<QStringList>& rows)
{
    Tabelle_Baugroessen->clearContents();
    Tabelle_Baugroessen->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < Tabelle_Baugroessen->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[static_cast<std::size_t>(r)].value(c));
            item->setTextAlignment(ColumnAlignment(c));
            Tabelle_Baugroessen->setItem(r, c, item);
        }
    FitColumns();
}

QString TFormBaugroessen::CellText(int row, int column) const
{
    if (row < kHeadingRows) {
        const QTableWidgetItem* item = Tabelle_Baugroessen->horizontalHeaderItem(column);
        return item ? item->text().section(QLatin1Char('\n'), row, row) : QString();
    }
    const QTableWidgetItem* item = Tabelle_Baugroessen->item(row - kHeadingRows, column);
    return item ? item->text() : QString();
}

int TFormBaugroessen::RowCount() const { return Tabelle_Baugroessen->rowCount() + kHeadingRows; }

int TFormBaugroessen::SelectedRow() const { return Tabelle_Baugroessen->currentRow() + kHeadingRows; }

bool TFormBaugroessen::RowSuitable(int row) const
{
    return row >= kHeadingRows && row < RowCount() && CellText(row, 4) != kNotSuitable;
}

void TFormBaugroessen::SelectRow(int row)
{
    if (row >= kHeadingRows && row < RowCount()) {
        Tabelle_Baugroessen->setCurrentCell(row - kHeadingRows, 0);
        Tabelle_Baugroessen->scrollToItem(Tabelle_Baugroessen->item(row - kHeadingRows, 0));
    }
    Button_OK->setEnabled(RowSuitable(row));
}

void TFormBaugroessen::RowClicked() { Button_OK->setEnabled(RowSuitable(SelectedRow())); }

void TFormBaugroessen::Button_OKClick()
{
    if (!RowSuitable(SelectedRow())) return;
    Transfer();
    accept();
}

void TFormBaugroessen::RowDoubleClicked(int row)
{
    if (!RowSuitable(row)) return;
    SelectRow(row);
    Transfer();
    accept();
}

} // namespace velmarsund
