#pragma once
// The keys the rotor panel keeps in the main window's section of the settings file: matrix type,
// housing series, standard-size and profile index, housing height and width, wheel diameter.

#include "ini_datei.h"

namespace velmarsund {

struct TRotorSettings {
    int matrixType = 1;   // MatrixTypeCode of the rotor record (RotorType stores its MatrixCode)
    int seriesIndex = 1;  // housing list index (Housing stores it + 1)
    int sizeIndex = 7;    // Size
    int profileIndex = 1; // RotorProfile
    int height = 2000;    // Hight, mm
    int width = 2000;     // Width, mm
    int diameter = 1880;  // Diameter, mm
};

// Reads the keys with their defaults: a stored matrix code other than 1, 2, 3 or 6 selects P; a
// housing that names no series selects HXG; a negative size index reads as 0.
TRotorSettings ReadRotorSettings(const TIniDatei& ini, const QString& section);

void WriteRotorSettings(TIniDatei& ini, const QString& section, const TRotorSettings& settings);

} // namespace velmarsund
