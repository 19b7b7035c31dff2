#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

/// Picture3: red, white and green stripes, 41 x 31 pixels.
QPixmap HungarianFlag();

/// Picture4: a Union-Jack-like flag, 46 x 30 pixels.
QPixmap EnglishFlag();

/// Picture2: a banner with the program's name over the caption; it opens the user guide.
QPixmap WebPagePicture(QSize size, const QString& caption);
