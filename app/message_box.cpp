#include "message_box.h"

#include <cstdio>

namespace velmarsund {
namespace {

MessagePresenter* gPresenter = nullptr;

} // namespace

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = gPresenter;
    gPresenter = presenter;
    return previous;
}

void ShowMessageBox(const QString& text, const QString& caption, MessageKind kind)
{
    if (gPresenter) {
        gPresenter->Show(text, caption, kind);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
}

} // namespace velmarsund
