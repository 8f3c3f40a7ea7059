// A container that shows assistive technology the parts it chooses, in their order,
// instead of every child widget: the frames around the cards and labels that only
// repeat another's words stay out of a screen reader's way. The container has
// `QList<QWidget*> AccessibleParts() const`.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

template <class Container>
class ChosenPartsAccessible : public QAccessibleWidget {
public:
    ChosenPartsAccessible(Container* container, QAccessible::Role role) : QAccessibleWidget(container, role) {}
    int childCount() const override { return int(Parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> parts = Parts();
        return index >= 0 && index < parts.size() ? QAccessible::queryAccessibleInterface(parts[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(Parts().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> Parts() const { return static_cast<const Container*>(widget())->AccessibleParts(); }
};

// Gives every Container that interface, from the first call on.
template <class Container, QAccessible::Role kRole>
void UseChosenParts() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (!object || className != QLatin1String(Container::staticMetaObject.className())) return nullptr;
            return new ChosenPartsAccessible<Container>(static_cast<Container*>(object), kRole);
        });
        return true;
    }();
    (void)installed;
}
