#include "widgets/ValueSliderAccessible.h"

#include <QAccessibleWidget>

#include "widgets/ValueSlider.h"

namespace {

class ValueSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ValueSliderAccessible(TCustomValueSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) return QString::number(Slider()->Value());
        return QAccessibleWidget::text(type);
    }
    QVariant currentValue() const override { return Slider()->Value(); }
    void setCurrentValue(const QVariant& value) override { Slider()->SetValue(value.toInt()); }
    QVariant maximumValue() const override { return Slider()->MaxValue(); }
    QVariant minimumValue() const override { return Slider()->MinValue(); }
    QVariant minimumStepSize() const override { return Slider()->Increment(); }

private:
    TCustomValueSlider* Slider() const { return static_cast<TCustomValueSlider*>(widget()); }
};

}  // namespace

QAccessibleInterface* ValueSliderAccessibleFactory(const QString&, QObject* object) {
    auto* slider = qobject_cast<TCustomValueSlider*>(object);
    return slider ? new ValueSliderAccessible(slider) : nullptr;
}
