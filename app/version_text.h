#pragma once
// The program's version text: "10/2017" (long, for the e-mail subject) and "10/17" (short, for
// the page footer), prefixed by a product version when the executable's name starts with one of
// the product keys.

#include <QString>

namespace velmarsund {

struct VersionText {
    QString longForm;
    QString shortForm;
};

// For an executable file name such as "velmarsund-rotor".
VersionText VersionTextFor(const QString& executableName);

// For the running program.
VersionText ProgramVersionText();

} // namespace velmarsund
