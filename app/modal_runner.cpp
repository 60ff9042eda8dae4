#include "modal_runner.h"

#include <QDialog>
#include <QVariant>

namespace velmarsund {
namespace {

ModalRunner* gRunner = nullptr;

} // namespace

ModalRunner* SetModalRunner(ModalRunner* runner)
{
    ModalRunner* previous = gRunner;
    gRunner = runner;
    return previous;
}

int RunModal(QDialog& dialog)
{
    // A dialog shown before opens where it was when it closed (where the user left it). It is
    // placed by its client area, as that was read: placing it by its frame's corner made it creep
    // down by the height of the title bar from one opening to the next wherever the window system
    // reports the frame late or not at all.
    static const char* const kLastPosition = "velmarsundLastPosition";
    const QVariant last = dialog.property(kLastPosition);
    if (last.isValid()) dialog.setGeometry(QRect(last.toPoint(), dialog.size()));
    const int result = gRunner ? gRunner->Run(dialog) : dialog.exec();
    dialog.setProperty(kLastPosition, dialog.geometry().topLeft());
    return result;
}

} // namespace velmarsund
