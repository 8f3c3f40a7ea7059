// One card picture: shows a bitmap stretched to its size, reports clicks, and takes
// the keyboard focus, which it shows with a mark of its own. A card of a found pair
// is softened and carries a green tick, so that found pairs look found.
#pragma once

#include <QLabel>

class CardImage : public QLabel {
    Q_OBJECT
public:
    explicit CardImage(QWidget* parent = nullptr);

    // The focus mark: orange and dashed, unlike the grey frame and the blue hint frame.
    // It shows only while the player uses the keys: from a key press to the next
    // click, so that a mouse player sees the grey frames only.
    static constexpr QRgb kFocusColour = 0xffff8c00;
    static constexpr QRgb kMatchedColour = 0xff1e8c3c;

    static bool KeysInUse();

    void SetMatched(bool matched);
    // The press of assistive technology (a screen reader, switch access): as a click.
    void Press() { emit clicked(); }
    bool Matched() const { return matched_; }
    // Where the tick sits: the lower right corner, a quarter of the card wide.
    QRect TickRect() const;

signals:
    void clicked();
    // A key pressed while the card has the focus.
    void keyPressed(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
    bool matched_ = false;
};
