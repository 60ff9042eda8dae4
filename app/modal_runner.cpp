#include "modal_runner.h"

#include <QDialog>

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

int RunModal(QDialog& dialog) { return gRunner ? gRunner->Run(dialog) : dialog.exec(); }

} // namespace velmarsund
