#include "menu_keys.h"

#include "access_keys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace velmarsund {
namespace {

void MarkActions(const QList<QAction*>& all) {
    QList<QAction*> actions;
    std::vector<QString> captions;
    for (QAction* action : all) {
        if (action->isSeparator()) continue;
        actions.push_back(action);
        captions.push_back(action->text());
    }
    const std::vector<QString> marked = WithAccessKeys(captions);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        if (action->text() != marked[static_cast<std::size_t>(i)])
            action->setText(marked[static_cast<std::size_t>(i)]);
        if (QMenu* sub = action->menu()) MarkAccessKeys(*sub);
    }
}

} // namespace

void MarkAccessKeys(QMenuBar& bar) {
    MarkActions(bar.actions());
}

void MarkAccessKeys(QMenu& menu) {
    MarkActions(menu.actions());
}

} // namespace velmarsund
