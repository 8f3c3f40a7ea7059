// One card picture: shows a bitmap stretched to its size and reports clicks.
#pragma once

#include <QLabel>

class CardImage : public QLabel {
    Q_OBJECT
public:
    explicit CardImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
