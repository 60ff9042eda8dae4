// The main window as the user meets it: a committed entry until the inlet tables are refreshed and
// the window is painted, a calculation until every table is filled and the window is painted, and
// the data sheet's preview until its page is painted.
// The whole window is repainted each time, more than the changed cells need, so the times are an
// upper bound. Runs offscreen with a settings folder of its own.

#include "form_rotor.h"
#include "message_box.h"
#include "modal_runner.h"
#include "num_edit.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using velmarsund::TFormRotor;
using velmarsund::TNumEdit;

// No message box may wait for a click.
class SilentMessages : public velmarsund::MessagePresenter {
public:
    void Show(const QString&, const QString&, velmarsund::MessageKind) override {}
};

std::unique_ptr<TFormRotor> ShownWindow()
{
    auto window = std::make_unique<TFormRotor>();
    window->Start();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

void BM_EntryChangeRefreshesTables(benchmark::State& state)
{
    auto window = ShownWindow();
    auto* field = window->findChild<TNumEdit*>(QStringLiteral("Edit_Temp11"));
    int i = 0;
    for (auto _ : state) {
        // As typed: a changed text, committed as on Enter or on leaving the field.
        field->setText((i++ % 2) ? QStringLiteral("-15") : QStringLiteral("-14"));
        field->setModified(true);
        field->CommitPending();
        QCoreApplication::processEvents();
        window->repaint();
    }
}
BENCHMARK(BM_EntryChangeRefreshesTables)->Unit(benchmark::kMillisecond);

void BM_CalculateInTheWindow(benchmark::State& state)
{
    auto window = ShownWindow();
    auto* calculate = window->findChild<QPushButton*>(QStringLiteral("Button_Berechnen"));
    for (auto _ : state) {
        calculate->click();
        QCoreApplication::processEvents();
        window->repaint();
    }
    if (!window->ResultsValid()) state.SkipWithError("the calculation did not complete");
}
BENCHMARK(BM_CalculateInTheWindow)->Unit(benchmark::kMillisecond);

// Shows a dialog, lets it paint once and closes it, as a user who only looks.
class LookOnce : public velmarsund::ModalRunner {
public:
    int Run(QDialog& dialog) override
    {
        dialog.show();
        QCoreApplication::processEvents();
        dialog.repaint();
        ++shown;
        dialog.hide();
        return QDialog::Rejected;
    }
    int shown = 0;
};

void BM_DataSheetPreview(benchmark::State& state)
{
    auto window = ShownWindow();
    window->findChild<QPushButton*>(QStringLiteral("Button_Berechnen"))->click();
    auto* command = window->findChild<QAction*>(QStringLiteral("Menu_Ansicht_Datenblatt"));
    LookOnce runner;
    velmarsund::ModalRunner* previous = velmarsund::SetModalRunner(&runner);
    for (auto _ : state) {
        command->trigger();
        QCoreApplication::processEvents();
    }
    velmarsund::SetModalRunner(previous);
    if (runner.shown == 0) state.SkipWithError("the preview did not open");
}
BENCHMARK(BM_DataSheetPreview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    if (!config.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    SilentMessages messages;
    velmarsund::SetMessagePresenter(&messages);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velmarsund::SetMessagePresenter(nullptr);
    return 0;
}
