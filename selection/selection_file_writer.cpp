#include "selection_file_writer.h"

#include "selection_json.h"

#include <QSaveFile>

namespace velmarsund {

QByteArray SelectionFileBytes(const Selection& selection) {
    const std::string text = SelectionJson(selection).dump(2) + "\n";
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool WriteSelectionFile(const QString& path, const Selection& selection, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = SelectionFileBytes(selection);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace velmarsund
