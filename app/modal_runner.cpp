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
    // A dialog shown before opens where it was when it closed (where the user left it). Placing it
    // by its frame's corner, as it was read, keeps it from creeping down by the height of the title
    // bar from one opening to the next.
    static const char* const kLastPosition = "velmarsundLastPosition";
    const QVariant last = dialog.property(kLastPosition);
    if (last.isValid()) dialog.move(last.toPoint());
    const int result = gRunner ? gRunner->Run(dialog) : dialog.exec();
    dialog.setProperty(kLastPosition, dialog.pos());
    return result;
}

} // namespace velmarsund
