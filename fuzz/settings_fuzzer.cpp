// Any bytes as the settings file: no port at all, or one of com 1 to com 16.
#include <cstdint>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

#include "files/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("SOLVA-TX.ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::abort();
    }
    file.close();
    for (const char separator : {'.', ','}) {
        const std::optional<int> port = ReadSettings(path, separator);
        if (port && (*port < 1 || *port > 16)) {
            std::abort();
        }
    }
    return 0;
}
