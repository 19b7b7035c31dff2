#pragma once

#include <QFont>
#include <QString>

/// A font the window's design names, sized in pixels at 96 dpi like the twips layout.
/// Where the family is not installed, as on most Linux systems, DejaVu Sans stands in.
inline QFont DesignFont(const QString& family, int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
