#pragma once
// A page procedure draws one page on a canvas; a page list is the pages of one document in order.

#include <functional>
#include <vector>

namespace velmarsund {

class PageCanvas;

// `exportFlag` is 1 while the page is drawn for a PDF file and 0 for the screen and the printer.
using PageProcedure = std::function<void(PageCanvas& canvas, int exportFlag)>;
using PageList = std::vector<PageProcedure>;

} // namespace velmarsund
