#pragma once

#include <QPixmap>
#include <QSize>

/// Picture3: red, white and green stripes, 41 x 31 pixels.
QPixmap HungarianFlag();

/// Picture4: a Union-Jack-like flag, 46 x 30 pixels.
QPixmap EnglishFlag();

/// Picture2: a banner with the program's name that opens the maker's web page.
QPixmap WebPagePicture(QSize size);
