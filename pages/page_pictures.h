#pragma once
// The program's pictures for pages, by the number the page procedures load them with: vector
// drawings compiled into the program.

#include <QString>

class QSvgRenderer;

namespace velmarsund {

namespace PagePicture {
constexpr int MakerLogo = 101;       // the address block of every page
constexpr int QualityMark = 203;     // the data sheet
constexpr int HousingHxlHxg = 1310;  // housing drawings of the data sheet, with the letters A, B, C
constexpr int HousingHxv = 1311;
constexpr int HousingHxk = 1312;
// 1931 to 1940: the leakage schematic (leakage_page.h).
} // namespace PagePicture

// The resource path of a picture; empty for a number that names none.
QString PagePictureResource(int id);

// The renderer of a picture, loaded once and kept; nullptr for a number that names none.
QSvgRenderer* PagePictureRenderer(int id);

} // namespace velmarsund
