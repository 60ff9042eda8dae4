#pragma once
// The general size-table window: a grid of standard sizes under two heading rows, OK and Cancel.
// A row is suitable when its fifth cell holds a value; OK and a double click take only a suitable
// row. The specialisations fill the rows and transfer the chosen size.

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

namespace velmarsund {

class TFormBaugroessen : public QDialog {
    Q_OBJECT
public:
    explicit TFormBaugroessen(QWidget* parent = nullptr);

    // The text of a cell, rows counted as the window shows them: 0 and 1 the headings, data from 2.
    QString CellText(int row, int column) const;
    // The selected row in the same counting; 2 for the first data row.
    int SelectedRow() const;
    int RowCount() const; // heading rows included
    bool RowSuitable(int row) const;

    QTableWidget* Tabelle_Baugroessen = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;

protected:
    static constexpr int kHeadingRows = 2;

    void SetHeadings(const QStringList& row0, const QStringList& row1);
    void SetDataRows(const std::vector<QStringList>& rows);
    // Selects a row (window counting) and enables OK by its suitability.
    void SelectRow(int row);
    // Takes the selected size over; called on OK and on a double click on a suitable row.
    virtual void Transfer() = 0;

private:
    // Widens a column whose heading or cells need more than its usual width, and the table with it.
    void FitColumns();

private slots:
    void Button_OKClick();
    void RowClicked();
    void RowDoubleClicked(int row);
};

} // namespace velmarsund
