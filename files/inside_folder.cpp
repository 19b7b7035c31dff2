#include "files/inside_folder.h"

#include <QFileInfo>

bool IsInsideFolder(const QString& path, const QString& folder) {
    const QString outer = QFileInfo(folder).canonicalFilePath();
    // The file itself need not exist yet: a save dialog names new files.
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (outer.isEmpty() || parent.isEmpty()) {
        return false;
    }
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return parent.compare(outer, cs) == 0 || parent.startsWith(outer + QLatin1Char('/'), cs);
}
