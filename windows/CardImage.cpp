#include "windows/CardImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
    if (!hasFocus()) return;
    painter.setPen(QPen(QColor::fromRgb(kFocusColour), 4));
    painter.drawRect(rect().adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(5, 5, -6, -6));
}
