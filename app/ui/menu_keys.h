#pragma once
// Access keys for every caption of a window's menus (see access_keys.h), applied after the
// captions were set; run again whenever captions change.

class QMenu;
class QMenuBar;

namespace velmarsund {

// The bar's menu titles and, menu by menu, every item and submenu title.
void MarkAccessKeys(QMenuBar& bar);
void MarkAccessKeys(QMenu& menu);

} // namespace velmarsund
