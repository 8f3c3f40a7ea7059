#include "ui/FlatButton.h"

#include <QPushButton>

#include "ui/FormLook.h"

QPushButton* MakeFlatButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    QFont font = FormFont(11, true);
    font.setUnderline(true);
    button->setFont(font);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
