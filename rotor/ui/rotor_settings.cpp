#include "rotor_settings.h"

#include "housing_series.h"
#include "matrix_types.h"

#include <algorithm>

namespace velmarsund {
namespace {

QString Key(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

TRotorSettings ReadRotorSettings(const TIniDatei& ini, const QString& section) {
    const TRotorSettings d;
    TRotorSettings s;
    s.matrixType = MatrixTypeByStoredCode(ini.ReadInteger(section, Key("RotorType"), 2)).MatrixType;
    // Every series of the housing list is written as its index + 1 and comes back as such.
    const int housing = ini.ReadInteger(section, Key("Housing"), d.seriesIndex + 1);
    // Compared before subtracting: the smallest integer has no predecessor.
    s.seriesIndex = housing > 0 && HousingSeriesByIndex(housing - 1) ? housing - 1 : d.seriesIndex;
    s.sizeIndex = std::max(0, ini.ReadInteger(section, Key("Size"), d.sizeIndex));
    s.profileIndex = ini.ReadInteger(section, Key("RotorProfile"), d.profileIndex);
    s.height = ini.ReadInteger(section, Key("Hight"), d.height);
    s.width = ini.ReadInteger(section, Key("Width"), d.width);
    s.diameter = ini.ReadInteger(section, Key("Diameter"), d.diameter);
    return s;
}

void WriteRotorSettings(TIniDatei& ini, const QString& section, const TRotorSettings& s) {
    const MatrixTypeEntry* type = MatrixTypeByCode(s.matrixType);
    ini.WriteInteger(section, Key("RotorType"), type ? type->MatrixCode : kMatrixTypes[0].MatrixCode);
    ini.WriteInteger(section, Key("RotorProfile"), s.profileIndex);
    ini.WriteInteger(section, Key("Housing"), s.seriesIndex + 1);
    ini.WriteInteger(section, Key("Size"), s.sizeIndex);
    ini.WriteInteger(section, Key("Hight"), s.height);
    ini.WriteInteger(section, Key("Width"), s.width);
    ini.WriteInteger(section, Key("Diameter"), s.diameter);
}

} // namespace velmarsund
