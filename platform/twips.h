#pragma once

#include <QRect>
#include <QWidget>

/// Design geometry is in twips; 15 twips are one device-independent pixel.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline QRect TwipsRect(double left, double top, double width, double height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

inline void PlaceInTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}
