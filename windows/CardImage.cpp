#include "windows/CardImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// To assistive technology a card is a button that turns when pressed, named by its
// place and what is known of it; its parent is the board, past the frame it sits in.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(CardImage* card) : QAccessibleWidget(card, QAccessible::Button) {}
    QAccessibleInterface* parent() const override {
        QWidget* frame = widget()->parentWidget();
        return QAccessible::queryAccessibleInterface(frame && frame->parentWidget() ? frame->parentWidget() : frame);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<CardImage*>(widget())->Press();
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QStringLiteral("space")} : QStringList{};
    }
};

// Watches the whole program's input, since shortcuts and menus take keys before any
// card sees them; repaints the focused card when the mark comes or goes.
class InputWatch : public QObject {
public:
    bool keysInUse = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool keys = keysInUse;
        switch (event->type()) {
            case QEvent::KeyPress: case QEvent::ShortcutOverride: keys = true; break;
            case QEvent::MouseButtonPress: case QEvent::MouseButtonDblClick: keys = false; break;
            default: break;
        }
        if (keys != std::exchange(keysInUse, keys))
            if (auto* card = qobject_cast<CardImage*>(QApplication::focusWidget())) card->update();
        return QObject::eventFilter(watched, event);
    }
};

// One per application object, and gone with it.
InputWatch& Input() {
    static QPointer<InputWatch> watch;
    if (!watch) {
        watch = new InputWatch;
        watch->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
    }
    return *watch;
}

QAccessibleInterface* CardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CardImage") && object)
        return new CardAccessible(static_cast<CardImage*>(object));
    return nullptr;
}

}  // namespace

CardImage::CardImage(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(CardFactory);
        return true;
    }();
    (void)installed;
    Input();
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button over the card.
void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

void CardImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter:
            if (event->modifiers() & ~Qt::KeypadModifier) break;  // leave shortcuts with modifiers alone
            emit keyPressed(event->key());
            return;
        default:
            break;
    }
    QLabel::keyPressEvent(event);
}

bool CardImage::KeysInUse() { return Input().keysInUse; }

void CardImage::SetMatched(bool matched) {
    if (matched_ == matched) return;
    matched_ = matched;
    update();
}

QRect CardImage::TickRect() const {
    const int side = std::max(12, width() / 4);
    return {width() - side - 3, height() - side - 3, side, side};
}

void CardImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (matched_) {
        // A light veil keeps the face recognisable; the tick says the pair is found.
        painter.fillRect(rect(), QColor(255, 255, 255, 70));
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tick = TickRect();
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor::fromRgb(kMatchedColour));
        painter.drawEllipse(tick);
        painter.setPen(QPen(Qt::white, std::max(2.0, tick.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF mark{{tick.left() + tick.width() * 0.27, tick.top() + tick.height() * 0.52},
                             {tick.left() + tick.width() * 0.44, tick.top() + tick.height() * 0.70},
                             {tick.left() + tick.width() * 0.75, tick.top() + tick.height() * 0.33}};
        painter.drawPolyline(mark);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
    }
    if (!hasFocus() || !KeysInUse()) return;
    painter.setPen(QPen(QColor::fromRgb(kFocusColour), 4));
    painter.drawRect(rect().adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(5, 5, -6, -6));
}
