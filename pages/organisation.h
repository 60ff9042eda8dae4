#pragma once
// The organisations whose address block a page can carry: logo, name, address and contact lines.
// Every page prints entry 0, the maker's own.

#include <QString>

#include <array>
#include <span>

namespace velmarsund {

struct ContactLine {
    QString label;
    QString value;
};

struct Organisation {
    int logo;                          // page picture number
    QString name;
    std::array<QString, 3> address;
    std::array<ContactLine, 3> contacts; // right column, lines 6 to 8
    ContactLine web;                     // right column, line 9
};

std::span<const Organisation> Organisations();

// Entry 0: the maker.
const Organisation& MakerOrganisation();

} // namespace velmarsund
