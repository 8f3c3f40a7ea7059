#include "windows/CardImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(QWidget* parent) : QLabel(parent) {
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

void CardImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor::fromRgb(kFocusColour), 4));
    painter.drawRect(rect().adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(5, 5, -6, -6));
}
