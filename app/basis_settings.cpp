#include "basis_settings.h"

#include "message_box.h"
#include "text_format.h"
#include "text_table.h"

namespace velmarsund {
namespace {

QString IndexedKey(const char* name, int index) { return QLatin1String(name) + QString::number(index); }

} // namespace

void ReportSettingsNotSaved(const QString& path)
{
    static bool reported = false;
    if (reported) return;
    reported = true;
    ShowMessageBox(FormatText(LoadText(581), {path}), LoadText(104), MessageKind::Warning);
}

bool EraseOutdatedSection(TIniDatei& ini, const QString& section)
{
    // An old file: a version of at most 200409, or none at all. A version that cannot be read is
    // no old version, and the inputs stay.
    if (ini.ValueExists(kGlobalSection, kVersionKey) && !ini.ReadOptionalInteger(kGlobalSection, kVersionKey))
        return false;
    if (ini.ReadInteger(kGlobalSection, kVersionKey, 0) > kLastOutdatedVersion) return false;
    ini.EraseSection(section);
    return true;
}

TBasisSettings ReadBasisSettings(const TIniDatei& ini, const QString& section, const TBasisDefaults& defaults)
{
    TBasisSettings s;
    s.projectPath = ini.ReadString(section, QStringLiteral("ProjectPath"), defaults.documentsFolder);
    s.si = ini.ReadBool(section, QStringLiteral("SI"), true);
    s.decimalSeparator = ini.ReadChar(section, QStringLiteral("DecimalSeparator"), defaults.decimalSeparator);
    s.thousandSeparator = ini.ReadChar(section, QStringLiteral("ThousandSeparator"), defaults.thousandSeparator);
    s.printHeader = ini.ReadBool(section, QStringLiteral("PrintHeader"), false);
    for (int i = 0; i < 8; ++i) s.header[i] = ini.ReadString(section, IndexedKey("Header", i), QString());
    s.header[1] = defaults.today;
    for (int i = 0; i < 3; ++i) {
        s.notesData[i] = ini.ReadString(section, IndexedKey("NotesData", i + 1), QString());
        s.notesChart[i] = ini.ReadString(section, IndexedKey("NotesChart", i + 1), QString());
    }
    return s;
}

void WriteBasisSettings(TIniDatei& ini, const QString& section, const TBasisSettings& s)
{
    ini.WriteInteger(kGlobalSectionWritten, kVersionKey, kSettingsVersion);
    ini.WriteString(section, QStringLiteral("ProjectPath"), s.projectPath);
    ini.WriteBool(section, QStringLiteral("SI"), s.si);
    ini.WriteChar(section, QStringLiteral("DecimalSeparator"), s.decimalSeparator);
    ini.WriteChar(section, QStringLiteral("ThousandSeparator"), s.thousandSeparator);
    ini.WriteBool(section, QStringLiteral("PrintHeader"), s.printHeader);
    for (int i = 0; i < 8; ++i) ini.WriteString(section, IndexedKey("Header", i), s.header[i]);
    for (int i = 0; i < 3; ++i) ini.WriteString(section, IndexedKey("NotesData", i + 1), s.notesData[i]);
    for (int i = 0; i < 3; ++i) ini.WriteString(section, IndexedKey("NotesChart", i + 1), s.notesChart[i]);
}

} // namespace velmarsund
