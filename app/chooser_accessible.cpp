#include "chooser_accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class ChooserAccessible : public QAccessibleWidget {
public:
    explicit ChooserAccessible(QComboBox* chooser)
        : QAccessibleWidget(chooser, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return static_cast<const QComboBox*>(widget())->currentText();
        }
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

QAccessibleInterface* ChooserAccessibleFactory(const QString& className, QObject* object) {
    auto* chooser = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || chooser == nullptr) {
        return nullptr;
    }
    return new ChooserAccessible(chooser);
}

void InstallChooserAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(ChooserAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
