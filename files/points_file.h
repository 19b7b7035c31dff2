#pragma once

#include <QString>

#include "core/datasheet_points.h"
#include "texts/texts.h"

/// A datasheet's table is a few hundred lines; 10000 points are well inside this.
inline constexpr qsizetype kMaxPointsFileBytes = 4 * 1024 * 1024;

/// A points text as read from a file or the clipboard.
struct PointsSource {
    PointsReading Reading;
    bool CannotRead = false;  ///< the file is missing, not a plain file or unreadable
    bool TooLarge = false;    ///< more than kMaxPointsFileBytes
    QString Detail;           ///< the system's reason for CannotRead, when it gave one

    bool Ok() const { return !CannotRead && !TooLarge && Reading.Ok(); }
};

/// The frame the points are read for: the spans limit them, the resolution places them.
struct PointsFrame {
    int InputRangeMax = 15;
    int OutputRangeMax = 15;
    int Resolution = 128;
    char DecimalSeparator = '.';  ///< the locale's
};

PointsSource ReadPointsFile(const QString& fileName, const PointsFrame& frame);
PointsSource ReadPointsText(const QString& text, const PointsFrame& frame);

/// Nothing was imported: where the points came from, the bad line and why.
QString PointsRefusedMessage(const Texts& texts, const QString& source, const PointsSource& points,
                             const PointsFrame& frame);

/// The largest difference between a point and what the BOX puts out at its input, in whole
/// millivolts, and the point (its input and output, and its line).
QString PointsDifferenceMessage(const Texts& texts, const PointsReading& reading,
                                const PointsFit& fit, char decimalSeparator);
