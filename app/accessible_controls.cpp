#include "app/accessible_controls.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

namespace {

/// Where the chart keeps its value and span for its accessible interface.
constexpr const char* kValueProperty = "accessibleValue";
constexpr const char* kSpanProperty = "accessibleSpan";

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

class ChartAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ChartAccessible(QWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const double volts = widget()->property(kValueProperty).toDouble();
            return volts < 0 ? QString() : QString::number(volts, 'f', 3) + " V";
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override {
        const QVariant value = widget()->property(kValueProperty);
        return value.toDouble() < 0 ? QVariant() : value;
    }
    // The value is set on the chart itself (keys, mouse, step buttons), not by a reader.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return widget()->property(kSpanProperty); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.001; }
};

}  // namespace

QAccessibleInterface* ChooserAccessibleFactory(const QString& className, QObject* object) {
    auto* chooser = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || chooser == nullptr) {
        return nullptr;
    }
    return new ChooserAccessible(chooser);
}

QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("ChartView") || !object->isWidgetType()) {
        return nullptr;
    }
    return new ChartAccessible(static_cast<QWidget*>(object));
}

void SetChartAccessibleValue(QWidget* chart, double volts, double span) {
    chart->setProperty(kSpanProperty, span);
    const QVariant shown = chart->property(kValueProperty);
    if (shown.isValid() && shown.toDouble() == volts) {
        return;
    }
    chart->setProperty(kValueProperty, volts);
    QAccessibleValueChangeEvent event(chart, volts < 0 ? QVariant() : QVariant(volts));
    QAccessible::updateAccessibility(&event);
}

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(ChooserAccessibleFactory);
        QAccessible::installFactory(ChartAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
