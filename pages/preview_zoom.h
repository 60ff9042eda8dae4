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

// z/350 of a printer extent, rounded: the shown page's extent in pixels.
int ZoomedExtent(int zoom, int extent);

} // namespace velmarsund
