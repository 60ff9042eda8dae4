#include "form_mollier.h"

#include "chart_handover.h"
#include "chart_page.h"
#include "chart_point.h"
#include "number_separators.h"
#include "page_font.h"
#include "painter_canvas.h"
#include "text_table.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

namespace velmarsund {
namespace {

constexpr TextId kCaption = 156;
constexpr TextId kClose = 151;
constexpr TextId kPagePreview = 401;
constexpr QSize kZoomSizes[] = {{150, 200}, {300, 400}, {450, 600}, {600, 800}, {900, 1200}, {1200, 1600}};
constexpr const char* kZoomItems[] = {"25%", "50%", "75%", "100%", "150%", "200%", "Auto"};
constexpr const char* kZoomNames[] = {"Zoom25", "Zoom50", "Zoom75", "Zoom100", "Zoom150", "Zoom200", "ZoomAuto"};
constexpr int kAuto = 6;

} // namespace

// The drawing area: white, the chart picture and the process picture stretched over it.
class TChartView : public QWidget {
public:
    explicit TChartView(TFormMollier* owner) : QWidget(owner), owner_(owner)
    {
        setObjectName(QStringLiteral("Image_Mollier"));
        setMouseTracking(true);
    }

    void SetPictures(RecordingCanvas chart, RecordingCanvas processes)
    {
        chart_ = std::move(chart);
        processes_ = std::move(processes);
        update();
    }
    const RecordingCanvas& Chart() const { return chart_; }
    const RecordingCanvas& Processes() const { return processes_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        PainterCanvas canvas(painter);
        canvas.SetFont(PageFont(CurrentLanguage()));
        const QRectF picture(0, 0, kChartPictureWidth, kChartPictureHeight);
        chart_.PlayOn(canvas, picture, QRectF(rect()));
        processes_.PlayOn(canvas, picture, QRectF(rect()));
    }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(e);
            const QString hint = owner_->HintAt(help->pos());
            if (hint.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), hint, this);
            return true;
        }
        return QWidget::event(e);
    }

private:
    TFormMollier* owner_;
    RecordingCanvas chart_;
    RecordingCanvas processes_;
};

TFormMollier::TFormMollier(QWidget* parent, std::function<void(const PageList&)> showPages)
    : QDialog(parent), showPages_(std::move(showPages))
{
    setObjectName(QStringLiteral("FormMollier"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    const auto combo = [this, bar](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        bar->addWidget(c);
        return c;
    };
    Combo_Carrier = combo("Combo_Carrier");
    Combo_Carrier->addItems({QStringLiteral("Mollier"), QStringLiteral("Carrier")});
    Combo_Temperatur = combo("Combo_Temperatur");
    Combo_Feuchte = combo("Combo_Feuchte");
    Combo_Zoom = combo("Combo_Zoom");
    for (const char* item : kZoomItems) Combo_Zoom->addItem(QString::fromLatin1(item));
    bar->addStretch(1);
    Button_Seite = new QPushButton(this);
    Button_Seite->setObjectName(QStringLiteral("Button_Seite"));
    Button_Close = new QPushButton(this);
    Button_Close->setObjectName(QStringLiteral("Button_Close"));
    bar->addWidget(Button_Seite);
    bar->addWidget(Button_Close);
    layout->addLayout(bar);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAlignment(Qt::AlignCenter);
    view_ = new TChartView(this);
    ScrollBox->setWidget(view_);
    layout->addWidget(ScrollBox, 1);

    // The zoom menu of the drawing area, with the chosen item marked.
    zoomMenu_ = new QMenu(this);
    auto* group = new QActionGroup(this);
    for (int i = 0; i < 7; ++i) {
        QAction* item = zoomMenu_->addAction(QString::fromLatin1(kZoomItems[i]));
        item->setObjectName(QLatin1String(kZoomNames[i]));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { ZoomChange(i); });
        ZoomItems.push_back(item);
    }
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { zoomMenu_->popup(view_->mapToGlobal(at)); });

    connect(Combo_Carrier, &QComboBox::currentIndexChanged, this, &TFormMollier::Combo_CarrierChange);
    connect(Combo_Temperatur, &QComboBox::currentIndexChanged, this, &TFormMollier::RangeChange);
    connect(Combo_Feuchte, &QComboBox::currentIndexChanged, this, &TFormMollier::RangeChange);
    connect(Combo_Zoom, &QComboBox::currentIndexChanged, this, &TFormMollier::ZoomChange);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button_Seite, &QPushButton::clicked, this, &TFormMollier::Button_SeiteClick);

    SetTexts();
    FillRangeLists();
    resize(640, 760);
    ZoomChange(kAuto);
    Redraw();
}

TFormMollier::~TFormMollier() = default;

void TFormMollier::SetTexts()
{
    setWindowTitle(LoadText(kCaption));
    Button_Close->setText(LoadText(kClose));
    Button_Seite->setText(LoadText(kPagePreview));
}

void TFormMollier::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        FillRangeLists();
        Redraw();
    }
    QDialog::changeEvent(event);
}

void TFormMollier::FillRangeLists()
{
    const QSignalBlocker t(Combo_Temperatur);
    const QSignalBlocker x(Combo_Feuchte);
    const auto fill = [](QComboBox* combo, const std::array<QString, kChartRangeCount>& items, int index) {
        combo->clear();
        for (const QString& item : items) combo->addItem(item);
        combo->setCurrentIndex(index);
    };
    fill(Combo_Temperatur, TemperatureRangeItems(settings_.units), settings_.temperatureRange);
    fill(Combo_Feuchte, HumidityRangeItems(settings_.units), settings_.humidityRange);
}

ChartSettings TFormMollier::Settings() const
{
    ChartSettings s = settings_;
    s.language = CurrentLanguage();
    s.separators = ProgramSeparators();
    return s;
}

void TFormMollier::Redraw()
{
    const ChartSettings settings = Settings();
    RecordingCanvas chart;
    chart.SetFont(PageFont(settings.language));
    RecordingCanvas processes;
    DrawChartPictures(chart, processes, settings, lines_);
    view_->SetPictures(std::move(chart), std::move(processes));
}

const RecordingCanvas& TFormMollier::ChartPicture() const { return view_->Chart(); }
const RecordingCanvas& TFormMollier::ProcessPicture() const { return view_->Processes(); }

void TFormMollier::SetAirPressure(double pressure)
{
    settings_.pressure = pressure;
    Redraw();
}

void TFormMollier::SetCarrier(bool carrier)
{
    settings_.carrier = carrier;
    const QSignalBlocker block(Combo_Carrier);
    Combo_Carrier->setCurrentIndex(carrier ? 1 : 0);
    Redraw();
}

void TFormMollier::SetUnitSystem(UnitSystem system)
{
    settings_.units = system;
    GrowRanges(settings_, lines_);
    FillRangeLists();
    Redraw();
}

void TFormMollier::SetProcessLines(const std::vector<ProcessLine>& lines)
{
    lines_ = lines;
    GrowRanges(settings_, lines_);
    FillRangeLists();
    Redraw();
}

void TFormMollier::Combo_CarrierChange()
{
    settings_.carrier = Combo_Carrier->currentIndex() == 1;
    Redraw();
}

void TFormMollier::RangeChange()
{
    settings_.temperatureRange = std::max(0, Combo_Temperatur->currentIndex());
    settings_.humidityRange = std::max(0, Combo_Feuchte->currentIndex());
    Redraw();
}

void TFormMollier::ZoomChange(int item)
{
    zoomItem_ = std::clamp(item, 0, kAuto);
    {
        const QSignalBlocker block(Combo_Zoom);
        Combo_Zoom->setCurrentIndex(zoomItem_);
    }
    ZoomItems[static_cast<std::size_t>(zoomItem_)]->setChecked(true);
    ApplyZoom();
}

void TFormMollier::ApplyZoom()
{
    QSize size;
    if (zoomItem_ < kAuto) {
        size = kZoomSizes[zoomItem_];
    } else {
        const QSize client = ScrollBox->maximumViewportSize();
        const double s = std::max(1.0, std::min((client.height() - 8) / 4.0, (client.width() - 8) / 3.0));
        size = QSize(static_cast<int>(std::lround(3 * s)), static_cast<int>(std::lround(4 * s)));
    }
    view_->resize(size);
}

QSize TFormMollier::DrawingSize() const { return view_->size(); }

void TFormMollier::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (zoomItem_ == kAuto) ApplyZoom();
}

void TFormMollier::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ApplyZoom();
}

QString TFormMollier::HintAt(const QPoint& drawingPoint) const
{
    const QSize size = view_->size();
    if (size.isEmpty()) return {};
    const QPointF picture(drawingPoint.x() * kChartPictureWidth / size.width(),
                          drawingPoint.y() * kChartPictureHeight / size.height());
    const ChartScale scale(Settings());
    // A process point under the pointer names its state.
    const double radius = 3 * scale.PenWidth() + 2;
    for (const ProcessLine& line : lines_)
        for (const ProcessPoint& p : line) {
            const QPointF at = scale.At(scale.Ordinate(p.t, p.x), p.x);
            if (std::hypot(at.x() - picture.x(), at.y() - picture.y()) <= radius && !p.name.isEmpty())
                return p.name + QLatin1Char('\n') + StateHint(ChartState{p.t, p.x, 0, 0}, settings_.units).section(QLatin1Char('\n'), 0, 1);
        }
    const auto state = StateAt(scale, picture);
    return state ? StateHint(*state, settings_.units) : QString();
}

void TFormMollier::Button_SeiteClick()
{
    if (!showPages_) return;
    showPages_({[this](PageCanvas& canvas, int exportFlag) {
        ChartPageValues page;
        if (pageFrame_) page.frame = pageFrame_();
        page.settings = Settings();
        page.lines = lines_;
        DrawChartPage(canvas, page, exportFlag);
    }});
}

} // namespace velmarsund
