#include "ui/SpokenNews.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class NewsAccessible : public QAccessibleWidget {
public:
    explicit NewsAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* NewsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("SpokenNews") && object && object->isWidgetType())
        return new NewsAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

SpokenNews::SpokenNews(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(NewsFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("SpokenNews"));
    // Present, so that it can be shown, but nothing to see or to click.
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void SpokenNews::Say(const QString& text) {
    setAccessibleName(text);
    hide();
    show();
}
