#include "app/chooser_font.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "platform/design_font.h"

namespace {

/// Where the closed chooser draws its text: the edit field less a pixel on each side.
QRect TextArea(const QComboBox* chooser) {
    QStyleOptionComboBox option;
    option.initFrom(chooser);
    option.frame = true;
    option.subControls = QStyle::SC_All;
    return chooser->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, chooser)
        .adjusted(1, 0, -1, 0);
}

}  // namespace

bool ChooserItemsFit(const QComboBox* chooser, const QFont& font) {
    const QRect area = TextArea(chooser);
    const QFontMetrics metrics(font);
    if (metrics.height() > area.height()) {
        return false;
    }
    for (int i = 0; i < chooser->count(); ++i) {
        const QString item = chooser->itemText(i);
        if (std::max(metrics.horizontalAdvance(item), metrics.boundingRect(item).right()) >
            area.width()) {
            return false;
        }
    }
    return true;
}

QFont ChooserFont(const QComboBox* chooser) {
    QFont font = DesignFont(QStringLiteral("MS Sans Serif"), 11);
    for (const int stretch :
         {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        font.setStretch(stretch);
        if (ChooserItemsFit(chooser, font)) {
            break;
        }
    }
    return font;
}
