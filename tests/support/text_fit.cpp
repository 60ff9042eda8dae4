#include "text_fit.h"

#include "daten_grid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

#include <cmath>
#include <set>
#include <sstream>

namespace velmarsund::testing {
namespace {

const QChar kEllipsis(0x2026);

// The size of a text in `font`, line by line, with the fallback fonts the glyphs need.
QSize TextSize(const QFont& font, const QString& text)
{
    int width = 0;
    int height = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font);
        layout.beginLayout();
        QTextLine l = layout.createLine();
        layout.endLayout();
        width = std::max(width, static_cast<int>(std::ceil(l.naturalTextWidth())));
        height += static_cast<int>(std::ceil(l.height()));
    }
    return {width, height};
}

QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString NameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

class Collector {
public:
    explicit Collector(const QWidget& window) : window_(window) {}

    void Visit(const QWidget* w)
    {
        if (!w->isVisible()) return;
        if (const auto* grid = qobject_cast<const TDatenGrid*>(w))
            Grid(grid);
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            Label(label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            Button(button);
        else if (const auto* bar = qobject_cast<const QTabBar*>(w))
            Tabs(bar);
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            Combo(combo);
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            Edit(edit);
        else if (const auto* table = qobject_cast<const QTableWidget*>(w))
            Table(table);
        else if (const auto* list = qobject_cast<const QListWidget*>(w))
            List(list);
        else if (const auto* box = qobject_cast<const QGroupBox*>(w))
            Check(box, box->title(), TextSize(box->font(), box->title()).width() + 8, box->width());
    }

    std::vector<CutText> cut;

private:
    // Width of `w` that its ancestors up to the window leave visible.
    int VisibleWidth(const QWidget* w) const
    {
        QRect visible(w->mapTo(&window_, QPoint(0, 0)), w->size());
        for (const QWidget* p = w->parentWidget(); p && p != &window_; p = p->parentWidget())
            visible &= QRect(p->mapTo(&window_, QPoint(0, 0)), p->size());
        visible &= window_.rect();
        return visible.isValid() ? visible.width() : 0;
    }

    void Add(const QWidget* w, const QString& detail, const QString& text, int need, int room)
    {
        const QString where = detail.isEmpty() ? NameOf(w) : NameOf(w) + QLatin1Char(' ') + detail;
        if (!seen_.insert((where + QLatin1Char('|') + text).toStdString()).second) return;
        cut.push_back({where, text, need, room});
    }

    // A text of `w` taking `need` pixels of `room`; the part of `w` its ancestors hide is no room.
    void Check(const QWidget* w, const QString& text, int need, int room, const QString& detail = {})
    {
        if (text.trimmed().isEmpty()) return;
        room -= w->width() - VisibleWidth(w);
        if (text.contains(kEllipsis) || need > room) Add(w, detail, text, need, room);
    }

    void Grid(const TDatenGrid* grid)
    {
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col) {
                const auto place = grid->TextPlaceOf(col, row);
                if (!place) continue;
                const int need = TextSize(grid->font(), place->text).width();
                // The part of the text that its room shows.
                const int left = std::max(place->origin.x(), place->room.left());
                const int right = std::min(place->origin.x() + need, place->room.right() + 1);
                Check(grid, place->text, need, right - left, QStringLiteral("cell %1,%2").arg(col).arg(row));
            }
    }

    void Label(const QLabel* label)
    {
        if (!label->pixmap().isNull() || label->text().isEmpty()) return;
        QRect room = label->contentsRect();
        const int margin = label->margin();
        room.adjust(margin, margin, -margin, -margin);
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0) indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        if (indent > 0) room.setLeft(room.left() + indent);
        QString text = label->text();
        QSize need;
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(text);
            text = doc.toPlainText();
            if (label->wordWrap()) doc.setTextWidth(room.width());
            need = QSize(static_cast<int>(std::ceil(label->wordWrap() ? doc.idealWidth() : doc.size().width())),
                         static_cast<int>(std::ceil(doc.size().height())));
        } else if (label->wordWrap()) {
            const QRect r = label->fontMetrics().boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
            need = r.size();
        } else {
            need = TextSize(label->font(), text);
        }
        Check(label, text, need.width(), room.width());
        if (need.height() > room.height() + 2) Add(label, QStringLiteral("(height)"), text, need.height(), room.height());
    }

    void Button(const QAbstractButton* button)
    {
        const QString text = WithoutMnemonic(button->text());
        if (text.isEmpty()) return;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
            Check(button, text, button->sizeHint().width(), button->width());
            return;
        }
        if (const auto* tool = qobject_cast<const QToolButton*>(button))
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) return;
        // As the style sizes a button for its caption: the text, the button margin and the frame.
        const QStyle* style = button->style();
        int need = TextSize(button->font(), text).width() + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                   2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (!button->icon().isNull()) need += button->iconSize().width() + 4;
        Check(button, text, need, button->width());
    }

    void Tabs(const QTabBar* bar)
    {
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            const QString text = WithoutMnemonic(bar->tabText(i));
            Check(bar, text, TextSize(bar->font(), text).width() + space, bar->tabRect(i).width(),
                  QStringLiteral("tab %1").arg(i));
        }
    }

    void Combo(const QComboBox* combo)
    {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        // Every item, as the field shows it once chosen.
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            Check(combo, text, TextSize(combo->font(), text).width() + 2, field.width(), QStringLiteral("item %1").arg(i));
        }
    }

    void Edit(const QLineEdit* edit)
    {
        if (qobject_cast<const QComboBox*>(edit->parentWidget())) return;
        const int frame = edit->hasFrame() ? 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        const QMargins margins = edit->textMargins();
        const int room = edit->width() - frame - 4 - margins.left() - margins.right();
        Check(edit, edit->text(), TextSize(edit->font(), edit->text()).width(), room);
    }

    void Table(const QTableWidget* table)
    {
        const int padding = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->isRowHidden(row) || table->rowHeight(row) == 0) continue;
            for (int col = 0; col < table->columnCount(); ++col) {
                if (table->isColumnHidden(col)) continue;
                const QTableWidgetItem* item = table->item(row, col);
                if (!item || item->text().isEmpty()) continue;
                const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : table->font();
                int room = table->columnWidth(col);
                for (int span = 1; span < table->columnSpan(row, col); ++span) room += table->columnWidth(col + span);
                Check(table, item->text(), TextSize(font, item->text()).width() + padding, room,
                      QStringLiteral("cell %1,%2").arg(col).arg(row));
            }
        }
        const QHeaderView* header = table->horizontalHeader();
        if (header->isVisible()) {
            const int margin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int col = 0; col < table->columnCount(); ++col) {
                const QTableWidgetItem* item = table->horizontalHeaderItem(col);
                if (!item || table->isColumnHidden(col)) continue;
                Check(table, item->text(), TextSize(header->font(), item->text()).width() + margin,
                      header->sectionSize(col), QStringLiteral("heading %1").arg(col));
            }
        }
    }

    void List(const QListWidget* list)
    {
        const int room = list->viewport()->width();
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->item(i)->text();
            Check(list, text, TextSize(list->font(), text).width() + 6, room, QStringLiteral("item %1").arg(i));
        }
    }

    const QWidget& window_;
    std::set<std::string> seen_;
};

void CollectAll(Collector& collector, const QWidget& window)
{
    collector.Visit(&window);
    for (const QWidget* w : window.findChildren<QWidget*>()) collector.Visit(w);
}

} // namespace

std::vector<CutText> CutTexts(const QWidget& window)
{
    Collector collector(window);
    CollectAll(collector, window);
    // The pages of every tab widget in turn; the page shown before comes back.
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (!tabs->isVisible()) continue;
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == shown) continue;
            tabs->setCurrentIndex(i);
            CollectAll(collector, window);
        }
        tabs->setCurrentIndex(shown);
    }
    return collector.cut;
}

std::string Describe(const std::vector<CutText>& cut)
{
    std::ostringstream out;
    for (const CutText& c : cut)
        out << "  " << c.where.toStdString() << ": \"" << c.text.toStdString() << "\" needs " << c.need << " px, has "
            << c.room << " px\n";
    return out.str();
}

} // namespace velmarsund::testing
