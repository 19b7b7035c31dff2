// The pictures are drawn rather than loaded, so the program carries no image files.
#include "app/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "platform/design_font.h"

namespace {

const QColor kHungarianRed(0xCD, 0x2A, 0x3E);
const QColor kHungarianGreen(0x43, 0x6F, 0x4D);
const QColor kUnionBlue(0x01, 0x21, 0x69);
const QColor kUnionRed(0xC8, 0x10, 0x2E);

QFont BannerFont(int pixelSize, bool bold) {
    return DesignFont(QStringLiteral("Lucida Sans Unicode"), pixelSize, bold);
}

void DrawBand(QPainter& painter, QLineF line, const QColor& color, double width) {
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line);
}

}  // namespace

QPixmap HungarianFlag() {
    constexpr int kWidth = 41;
    constexpr int kHeight = 31;
    // 31 rows do not split in three: the white stripe takes the extra row.
    constexpr int kOuterStripe = 10;
    QPixmap flag(kWidth, kHeight);
    flag.fill(Qt::white);
    QPainter painter(&flag);
    painter.fillRect(0, 0, kWidth, kOuterStripe, kHungarianRed);
    painter.fillRect(0, kHeight - kOuterStripe, kWidth, kOuterStripe, kHungarianGreen);
    return flag;
}

QPixmap EnglishFlag() {
    constexpr int kWidth = 46;
    constexpr int kHeight = 30;
    QPixmap flag(kWidth, kHeight);
    flag.fill(kUnionBlue);
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 60 x 30 design grid and squeezed to the picture box.
    painter.scale(kWidth / 60.0, kHeight / 30.0);
    const QLineF falling(0, 0, 60, 30);
    const QLineF rising(0, 30, 60, 0);
    DrawBand(painter, falling, Qt::white, 6);
    DrawBand(painter, rising, Qt::white, 6);
    DrawBand(painter, falling, kUnionRed, 2);
    DrawBand(painter, rising, kUnionRed, 2);
    const QLineF across(0, 15, 60, 15);
    const QLineF down(30, 0, 30, 30);
    DrawBand(painter, across, Qt::white, 10);
    DrawBand(painter, down, Qt::white, 10);
    DrawBand(painter, across, kUnionRed, 6);
    DrawBand(painter, down, kUnionRed, 6);
    return flag;
}

QPixmap WebPagePicture(QSize size, const QString& caption) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRect area(QPoint(0, 0), size);
    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
    background.setColorAt(1, QColor(0x0B, 0x23, 0x45));
    painter.fillRect(area, background);
    painter.setPen(QPen(QColor(0xF2, 0xB1, 0x34), 2));
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));

    const int height = size.height();
    const QRect titleArea(0, 0, size.width(), height * 62 / 100);
    const QRect subtitleArea(0, titleArea.bottom(), size.width(), height - titleArea.height());
    painter.setPen(Qt::white);
    painter.setFont(BannerFont(qMax(1, height * 42 / 100), true));
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("SOLVA-TX"));
    painter.setPen(QColor(0xF2, 0xB1, 0x34));
    painter.setFont(BannerFont(qMax(1, height * 20 / 100), false));
    painter.drawText(subtitleArea, Qt::AlignHCenter | Qt::AlignTop, caption);
    return picture;
}
