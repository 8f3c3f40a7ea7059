// News for screen readers: a line that is never drawn but is announced whenever it
// is told something. Orca 43 over Qt 6.4 speaks neither a changed name of an
// unfocused label nor an alert event; it does speak a notification each time one is
// shown. So the line is a notification that hides and shows again for every piece of
// news. It keeps its text afterwards: a reader that asks only once the game's thread
// is free again (after the turn-back wait) still hears what was said, as long as the
// line is not told something else first.
#pragma once

#include <QWidget>

class SpokenNews : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNews(QWidget* parent);

    void Say(const QString& text);
};
