#pragma once
// The zoom of the page preview: the zoom number z of the list's items and of the two fitting
// modes. A page of W x H printer pixels is shown z/350 of that size.

namespace velmarsund {

namespace PreviewZoom {
constexpr int ItemCount = 11;
constexpr int ToWidth = 9; // "Zoom to width"
constexpr int ToFit = 10;  // "Zoom to fit"
constexpr int Least = 10;  // no zoom goes below
constexpr int Margin = 40; // pixels around the page in the view
} // namespace PreviewZoom

// The zoom number of a list item for a view client area and a printer page of `pageWidth` x
// `pageHeight` pixels; never below PreviewZoom::Least.
int ZoomOfItem(int item, int clientWidth, int clientHeight, int pageWidth, int pageHeight);

// z/350 of a printer extent, rounded: the shown page's extent in pixels in a fitting mode.
int ZoomedExtent(int zoom, int extent);

// Screen pixels per printer pixel of the shown page. A list item's zoom is a percentage of the
// printed size on a screen of `screenDpi` logical pixels per inch (the printer has `printerDpi`):
// "100 %" shows the sheet as large as it prints. The fitting modes show z/350 of the printer's
// pixels, so that the page fills the view's width or the whole view.
double SheetScale(int item, int zoom, double printerDpi, double screenDpi);

// An extent of the printer's page on the screen at a sheet scale, rounded.
int ShownExtent(double scale, int extent);

} // namespace velmarsund
