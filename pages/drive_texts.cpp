#include "drive_texts.h"

#include "convert_unit.h"
#include "number_format.h"
#include "rotor_data.h"

namespace velmarsund {

DriveTexts DriveTextsOf(int weightKg, int diameter, int matrixType, UnitSystem units,
                        const NumberSeparators& separators)
{
    const bool ip = units == UnitSystem::IP;
    const auto fixed = [&separators](double value, int digits) { return FormatFixed(value, digits, 10, separators); };
    const double watts = MotorPower(diameter, matrixType);
    DriveTexts t;
    t.weight = fixed(ip ? ConvertUnit(Quantity::Mass, Unit::Kilogram, Unit::Pound, weightKg) : weightKg, 0);
    t.weightUnit = ip ? QStringLiteral("lb") : QStringLiteral("kg");
    t.power =
        ip ? fixed(ConvertUnit(Quantity::Power, Unit::Watt, Unit::Horsepower, watts), 2) : fixed(watts, 0);
    t.powerUnit = ip ? QStringLiteral("HP") : QStringLiteral("Watt");
    t.current = fixed(MotorCurrent(diameter, matrixType), 2);
    return t;
}

} // namespace velmarsund
