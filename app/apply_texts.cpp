#include "app/apply_texts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "texts/accessible_texts.h"

namespace {

QWidget* FindControl(QWidget* root, const char* name) {
    if (root->objectName() == QLatin1String(name)) {
        return root;
    }
    return root->findChild<QWidget*>(QString::fromLatin1(name));
}

// Only the widget kinds that carry a caption in this window; others keep theirs.
void SetCaption(QWidget* control, const QString& caption) {
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    }
}

}  // namespace

void ApplyTexts(QWidget* root, UiLanguage language) {
    const bool hun = language == UiLanguage::Hun;
    for (const ControlText& row : ControlTexts()) {
        QWidget* control = FindControl(root, row.control);
        if (control == nullptr) {
            continue;
        }
        if (const char* caption = hun ? row.captionHun : row.captionEng) {
            SetCaption(control, QString::fromUtf8(caption));
        }
        if (const char* toolTip = hun ? row.toolTipHun : row.toolTipEng) {
            control->setToolTip(QString::fromUtf8(toolTip));
        }
    }
    for (const AccessibleName& row : AccessibleNames()) {
        if (QWidget* control = FindControl(root, row.control)) {
            control->setAccessibleName(QString::fromUtf8(hun ? row.hun : row.eng));
        }
    }
}

void ApplyHungarianTexts(QWidget* root) {
    ApplyTexts(root, UiLanguage::Hun);
}

void ApplyEnglishTexts(QWidget* root) {
    ApplyTexts(root, UiLanguage::Eng);
}
