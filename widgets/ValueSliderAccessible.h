// The value slider as assistive technology sees it: a slider with a value, a range
// and a step, and an event whenever the value changes.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Installed with QAccessible::installFactory: the interface for value sliders.
QAccessibleInterface* ValueSliderAccessibleFactory(const QString& className, QObject* object);
