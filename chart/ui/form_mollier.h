#pragma once
// The chart window: the h,x chart (Mollier or the turned Carrier chart) at the calculation's air
// pressure with the rotor's processes drawn in, its ranges, its zoom, and the page preview of the
// chart page. The main window hands it the processes; the orientation goes back into its settings.

#include "chart_picture.h"
#include "page_frame.h"
#include "page_list.h"
#include "recording_canvas.h"

#include <QDialog>

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QScrollArea;

namespace velmarsund {

class TChartView;

class TFormMollier : public QDialog {
    Q_OBJECT
public:
    // `showPages` shows a page list in the preview with this window as its owner.
    explicit TFormMollier(QWidget* parent, std::function<void(const PageList&)> showPages);
    ~TFormMollier() override;

    // The hand-over of the main window: pressure, orientation, unit system and processes; the
    // ranges grow until the states fit.
    void SetAirPressure(double pressure);
    void SetCarrier(bool carrier);
    void SetUnitSystem(UnitSystem system);
    void SetProcessLines(const std::vector<ProcessLine>& lines);
    // The chart page's frame (header and chart notes), read when the page is drawn.
    void SetPageFrame(std::function<PageFrameValues()> frame) { pageFrame_ = std::move(frame); }

    bool Carrier() const { return settings_.carrier; }
    // The settings the pictures are drawn with now (language and separators current).
    ChartSettings Settings() const;
    const std::vector<ProcessLine>& ProcessLines() const { return lines_; }
    QSize DrawingSize() const;
    // The two pictures as drawn last.
    const RecordingCanvas& ChartPicture() const;
    const RecordingCanvas& ProcessPicture() const;
    // The hint the pointer shows at a point of the drawing area.
    QString HintAt(const QPoint& drawingPoint) const;

    QComboBox* Combo_Carrier = nullptr;
    QComboBox* Combo_Temperatur = nullptr;
    QComboBox* Combo_Feuchte = nullptr;
    QComboBox* Combo_Zoom = nullptr;
    QPushButton* Button_Seite = nullptr;
    QPushButton* Button_Close = nullptr;
    std::vector<QAction*> ZoomItems; // Zoom25 .. ZoomAuto

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void Combo_CarrierChange();
    void RangeChange();
    void ZoomChange(int item);
    void Button_SeiteClick();

private:
    void SetTexts();
    void FillRangeLists();
    void ApplyZoom();
    void Redraw();

    std::function<void(const PageList&)> showPages_;
    std::function<PageFrameValues()> pageFrame_;
    ChartSettings settings_;
    std::vector<ProcessLine> lines_{ProcessLine{}, ProcessLine{}};
    QScrollArea* ScrollBox = nullptr;
    TChartView* view_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    int zoomItem_ = 6; // Auto
};

} // namespace velmarsund
