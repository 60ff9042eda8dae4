#include "modal_runner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QVariant>

namespace velmarsund {
namespace {

ModalRunner* gRunner = nullptr;

// The program's own modal run. QDialog::exec ends its loop whenever the dialog is hidden; a dialog
// that hid itself around a window of its own (its page preview) then came back with no one
// waiting for it, still registered as modal, and its caller ran on as if it had closed. The main
// window stayed blocked behind it for good. This run waits for the dialog's result instead.
int RunDialog(QDialog& dialog) {
    const QPointer<QDialog> guard(&dialog);
    const bool wasShowModal = dialog.testAttribute(Qt::WA_ShowModal);
    dialog.setAttribute(Qt::WA_ShowModal, true);
    dialog.setResult(0);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, [&loop] { loop.exit(); });
    QObject::connect(&dialog, &QObject::destroyed, &loop, [&loop] { loop.exit(); });
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
    if (!guard) return QDialog::Rejected;
    if (dialog.isVisible()) dialog.hide();
    dialog.setAttribute(Qt::WA_ShowModal, wasShowModal);
    return dialog.result();
}

} // namespace

ModalRunner* SetModalRunner(ModalRunner* runner) {
    ModalRunner* previous = gRunner;
    gRunner = runner;
    return previous;
}

int RunModal(QDialog& dialog) {
    // A dialog shown before opens where it was when it closed (where the user left it). It is
    // placed by its client area, as that was read: placing it by its frame's corner made it creep
    // down by the height of the title bar from one opening to the next wherever the window system
    // reports the frame late or not at all.
    static const char* const kLastPosition = "velmarsundLastPosition";
    const QVariant last = dialog.property(kLastPosition);
    if (last.isValid()) dialog.setGeometry(QRect(last.toPoint(), dialog.size()));
    const int result = gRunner ? gRunner->Run(dialog) : RunDialog(dialog);
    dialog.setProperty(kLastPosition, dialog.geometry().topLeft());
    return result;
}

void RunHidden(QWidget& owner, const std::function<void()>& run) {
    // Put back by its client area where it was: a window shown again is otherwise placed anew by
    // the window system (or by its frame, a title bar lower each time).
    const QRect place = owner.geometry();
    const bool enabled = owner.isEnabled();
    owner.hide();
    run();
    owner.setGeometry(place);
    owner.setEnabled(enabled);
    owner.show();
    // A window manager may place a window that maps again as if it were new; once it has, put the
    // window back.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (owner.geometry().topLeft() != place.topLeft()) owner.setGeometry(place);
    owner.activateWindow();
}

} // namespace velmarsund
