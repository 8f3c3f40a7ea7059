// The value slider: geometry, setters, painting checked on rendered pixels, and
// real mouse and key events.
#include <QScreen>
#include <QtTest>

#include "widgets/SliderImages.h"
#include "widgets/ValueSlider.h"

namespace {

// The options window's delay slider.
void MakeOptionsSlider(TValueSlider& slider) {
    slider.resize(297, 33);
    slider.SetEdgeSize(4);
    slider.SetMaxValue(2000);
    slider.SetIncrement(50);
    slider.SetOptions(soShowFocus | soShowPoints);
}

QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }
QColor Role(const QWidget& widget, QPalette::ColorRole role) { return QColor(widget.palette().color(role).rgb()); }

// A mouse move with no button held, as the pointer passes over the control.
void Hover(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// What the control shows on the screen after a repaint (offscreen: its window's buffer).
QImage OnScreen(QWidget& widget) {
    widget.repaint();
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    return widget.screen()->grabWindow(widget.window()->winId(), at.x(), at.y(), widget.width(), widget.height()).toImage();
}

// A control that shows another value than it holds, as subclasses do for previews.
class PreviewSlider : public TValueSlider {
public:
    using TValueSlider::TValueSlider;
    int32_t paintValue = 0;

protected:
    int32_t GetPaintValue() const override { return paintValue; }
};

// A control whose value the user may not change.
class LockedSlider : public TValueSlider {
public:
    using TValueSlider::TValueSlider;

protected:
    bool IsUserChangeAllowed() const override { return false; }
};

struct Counter {
    int change = 0, changed = 0;
    void Attach(TValueSlider& slider) {
        slider.OnChange = [this](TCustomValueSlider*) { ++change; };
        slider.OnChanged = [this](TCustomValueSlider*) { ++changed; };
    }
};

}  // namespace

class ValueSliderTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("bevel");
        QTest::addColumn<QSize>("ruler");
        QTest::addColumn<QPoint>("rulerOrigin");
        QTest::addColumn<QRect>("thumb");
        QTest::addColumn<int>("tickLine");
        QTest::addColumn<int>("travel");
        QTest::newRow("default control") << QSize(150, 40) << int(soHorizontal) << int(bvNone) << QSize(138, 8)
                                         << QPoint(6, 10) << QRect(6, 6, 9, 17) << 24 << 129;
        QTest::newRow("with a bevel") << QSize(150, 40) << int(soHorizontal) << int(bvLowered) << QSize(136, 8)
                                      << QPoint(7, 11) << QRect(7, 7, 9, 17) << 25 << 127;
        QTest::newRow("vertical, minimum at the bottom") << QSize(40, 150) << int(soVertical) << int(bvNone)
                                                         << QSize(8, 138) << QPoint(11, 6) << QRect(6, 135, 19, 9)
                                                         << 26 << 129;
        QTest::newRow("vertical, too short for a ruler") << QSize(40, 8) << int(soVertical) << int(bvNone)
                                                         << QSize(8, 0) << QPoint(11, 6) << QRect(6, 6, 19, 9) << 26
                                                         << -9;
    }
    void layout() {
        QFETCH(QSize, size);
        QFETCH(int, orientation);
        QFETCH(int, bevel);
        TValueSlider slider;
        slider.resize(size);
        if (orientation == soVertical) {
            slider.resize(size.height(), size.width());
            slider.SetOrientation(soVertical);
        }
        slider.SetBevelStyle(TBevelCut(bevel));
        slider.show();
        QCOMPARE(slider.size(), size);
        QTEST(slider.RulerSize(), "ruler");
        QTEST(slider.RulerOrigin(), "rulerOrigin");
        QTEST(slider.ThumbRect(), "thumb");
        QTEST(slider.TickLine(), "tickLine");
        QTEST(slider.Travel(), "travel");
        slider.grab();  // painting never divides by a zero range or travel
    }

    void optionsSliderPositions_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("thumbX");
        QTest::newRow("minimum") << 0 << 0 << 6;
        QTest::newRow("maximum") << 2000 << 2000 << 282;
        QTest::newRow("middle") << 1000 << 1000 << 144;
        QTest::newRow("125 is drawn where 100 is") << 125 << 125 << 20;
        QTest::newRow("above the range") << 5000 << 2000 << 282;
        QTest::newRow("below the range") << -1 << 0 << 6;
    }
    void optionsSliderPositions() {
        QFETCH(int, value);
        TValueSlider slider;
        MakeOptionsSlider(slider);
        slider.show();
        QCOMPARE(slider.RulerBitmap().size(), QSize(285, 8));
        QCOMPARE(slider.Travel(), 276);
        slider.SetValue(value);
        QTEST(int(slider.Value()), "stored");
        QTEST(slider.ThumbRect().left(), "thumbX");
        QCOMPARE(slider.ThumbRect().top(), 6);
    }

    void rulerIsComposedFromThreeSlices() {
        TValueSlider slider;
        MakeOptionsSlider(slider);
        slider.show();
        const QImage source = LoadSliderResource("SLD_HRL");
        const QImage ruler = slider.RulerBitmap();
        auto sourceColumn = [](int x) { return x < 6 ? x : x >= 280 ? x - 275 : 4 + (x - 6) % 2; };
        for (int x = 0; x < ruler.width(); ++x)
            for (int y = 0; y < ruler.height(); ++y)
                QCOMPARE(QColor(ruler.pixel(x, y)), QColor(source.pixel(sourceColumn(x), y)));
    }

    void tickMarksOnTheRenderedOptionsSlider() {
        TValueSlider slider;
        MakeOptionsSlider(slider);
        slider.SetValue(1000);
        slider.show();
        const QImage image = slider.grab().toImage();
        const QColor ink = Role(slider, QPalette::WindowText);
        QList<int> marks;
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, 24) == ink) marks << x;
        QCOMPARE(marks.size(), 41);
        QCOMPARE(marks.first(), 10);
        QCOMPARE(marks.last(), 286);
        QVERIFY(Pixel(image, 23, 23) != ink);
        for (int x : {10, 286}) {
            QCOMPARE(Pixel(image, x, 28), ink);  // 5 pixels long
            QVERIFY(Pixel(image, x, 29) != ink);
        }
        QCOMPARE(Pixel(image, marks[1], 26), ink);  // 3 pixels long
        QVERIFY(Pixel(image, marks[1], 27) != ink);
        // The ruler's groove, drawn with magenta transparent: row 3 is dark then black.
        QCOMPARE(Pixel(image, 6, 13), QColor(128, 128, 128));
        QCOMPARE(Pixel(image, 50, 13), QColor(0, 0, 0));
        QCOMPARE(Pixel(image, 50, 10), Role(slider, QPalette::Window));
        // The thumb at x 144: a white left edge, silver face, a black point at the bottom.
        QCOMPARE(Pixel(image, 144, 10), QColor(255, 255, 255));
        QCOMPARE(Pixel(image, 146, 10), QColor(192, 192, 192));
        QCOMPARE(Pixel(image, 148, 22), QColor(0, 0, 0));
        QCOMPARE(Pixel(image, 144, 22), Role(slider, QPalette::Window));
    }

    void tickSpacing_data() {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("default control: 11 marks, gap 12") << 100 << 10
                                                           << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QList<int> every31;
        for (int v = 0; v <= 961; v += 31) every31 << v;
        every31 << 1000;
        QTest::newRow("0..1000 step 1: factor 31") << 1000 << 1 << every31;
    }
    void tickSpacing() {
        QFETCH(int, maximum);
        QFETCH(int, increment);
        QFETCH(QList<int>, values);
        TValueSlider slider;
        slider.SetMaxValue(maximum);
        slider.SetIncrement(increment);
        slider.show();
        SliderAxis axis;
        axis.body = slider.rect();
        axis.thumbW = 9;
        axis.thumbH = 17;
        axis.rulerW = slider.RulerBitmap().width();
        axis.rulerH = 8;
        axis.maxValue = maximum;
        axis.increment = increment;
        QList<int> got;
        for (const TickMark& mark : TickMarks(axis, increment, 3, 5)) got << mark.value;
        QCOMPARE(got, values);
        const QImage image = slider.grab().toImage();
        int drawn = 0;
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, slider.TickLine()) == Role(slider, QPalette::WindowText)) ++drawn;
        QCOMPARE(drawn, values.size());
    }

    void setterRules() {
        TValueSlider slider;
        try {
            slider.SetIncrement(0);
            QFAIL("no error");
        } catch (const SliderError& error) {
            QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("Value must be between 1 and 100"));
        }
        QCOMPARE(slider.Increment(), 10);
        QVERIFY_THROWS_EXCEPTION(SliderError, slider.SetIncrement(101));
        slider.SetValue(80);
        slider.SetMaxValue(5);  // below MinValue + Increment: the increment shrinks
        QCOMPARE(slider.Increment(), 5);
        QCOMPARE(slider.Value(), 5);
        slider.SetMinValue(5);  // an empty range is refused
        QCOMPARE(slider.MinValue(), 0);
        slider.SetEdgeSize(5);  // 2 x 5 is not less than the ruler's 10 pixels
        QCOMPARE(slider.EdgeSize(), 2);
        slider.SetEdgeSize(-1);
        QCOMPARE(slider.EdgeSize(), 2);
        slider.SetEdgeSize(4);
        QCOMPARE(slider.EdgeSize(), 4);
        slider.SetNumThumbStates(3);
        QCOMPARE(slider.NumThumbStates(), 2);
        slider.SetOrientation(soVertical);
        QCOMPARE(slider.size(), QSize(40, 150));
    }

    void userImagesAndOpaqueOptions() {
        TValueSlider slider;
        QImage thumb(10, 10, QImage::Format_RGB32);
        thumb.fill(Qt::green);
        slider.SetImage(ImageHThumb, thumb);
        slider.SetOptions(slider.Options() | soThumbOpaque | soRulerOpaque);
        QCOMPARE(slider.UserImages(), uint8_t(1));
        QCOMPARE(slider.ThumbRect().size(), QSize(5, 10));
        slider.SetImage(ImageHThumb, QImage());  // the built-in thumb again
        QCOMPARE(slider.UserImages(), uint8_t(0));
        QVERIFY(!slider.Options().testFlag(soThumbOpaque));
        QVERIFY(slider.Options().testFlag(soRulerOpaque));
        QCOMPARE(slider.ThumbRect().size(), QSize(9, 17));
    }

    void opaqueThumbShowsItsBackground() {
        TValueSlider slider;
        slider.show();
        const QRect thumb = slider.ThumbRect();
        QVERIFY(Pixel(slider.grab().toImage(), thumb.left(), thumb.bottom()) != QColor(255, 0, 255));
        slider.SetOptions(slider.Options() | soThumbOpaque);
        QCOMPARE(Pixel(slider.grab().toImage(), thumb.left(), thumb.bottom()), QColor(255, 0, 255));
    }

    void disabledThumbUsesTheSecondPicture() {
        TValueSlider slider;
        slider.show();
        const QPoint face = slider.ThumbRect().topLeft() + QPoint(2, 2);
        QCOMPARE(Pixel(slider.grab().toImage(), face.x(), face.y()), QColor(192, 192, 192));
        slider.setEnabled(false);
        QCOMPARE(Pixel(slider.grab().toImage(), face.x(), face.y()), QColor(255, 255, 255));
    }

    void bevelColours_data() {
        QTest::addColumn<int>("bevel");
        QTest::addColumn<bool>("shadowTopLeft");
        QTest::newRow("lowered") << int(bvLowered) << true;
        QTest::newRow("raised") << int(bvRaised) << false;
        QTest::newRow("space looks raised") << int(bvSpace) << false;
    }
    void bevelColours() {
        QFETCH(int, bevel);
        QFETCH(bool, shadowTopLeft);
        TValueSlider slider;
        slider.SetBevelStyle(TBevelCut(bevel));
        slider.show();
        const QImage image = slider.grab().toImage();
        const QColor shadow = Role(slider, QPalette::Dark), light = Role(slider, QPalette::Light);
        QCOMPARE(Pixel(image, 5, 0), shadowTopLeft ? shadow : light);
        QCOMPARE(Pixel(image, 0, 5), shadowTopLeft ? shadow : light);
        QCOMPARE(Pixel(image, 5, 39), shadowTopLeft ? light : shadow);
        QCOMPARE(slider.contentsRect(), QRect(1, 1, 148, 38));
    }

    void keys_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("changed");
        QTest::newRow("Right steps up") << int(soHorizontal) << int(Qt::Key_Right) << 0 << 40 << 50 << 1 << 1;
        QTest::newRow("Left from 15 rounds first") << int(soHorizontal) << int(Qt::Key_Left) << 0 << 15 << 10 << 1 << 1;
        QTest::newRow("Right from 15 gives 30") << int(soHorizontal) << int(Qt::Key_Right) << 0 << 15 << 30 << 1 << 1;
        QTest::newRow("End") << int(soHorizontal) << int(Qt::Key_End) << 0 << 15 << 100 << 1 << 1;
        QTest::newRow("Home at the minimum") << int(soHorizontal) << int(Qt::Key_Home) << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("Shift+Left") << int(soHorizontal) << int(Qt::Key_Left) << int(Qt::ShiftModifier) << 40 << 40
                                    << 0 << 0;
        QTest::newRow("Ctrl+Home") << int(soHorizontal) << int(Qt::Key_Home) << int(Qt::ControlModifier) << 40 << 40
                                   << 0 << 0;
        QTest::newRow("Up on a horizontal slider") << int(soHorizontal) << int(Qt::Key_Up) << 0 << 40 << 40 << 0 << 0;
        QTest::newRow("Up on a vertical slider") << int(soVertical) << int(Qt::Key_Up) << 0 << 40 << 50 << 1 << 1;
        QTest::newRow("Down on a vertical slider") << int(soVertical) << int(Qt::Key_Down) << 0 << 40 << 30 << 1 << 1;
        QTest::newRow("Right on a vertical slider") << int(soVertical) << int(Qt::Key_Right) << 0 << 40 << 40 << 0 << 0;
    }
    void keys() {
        QFETCH(int, orientation);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, start);
        TValueSlider slider;
        slider.SetOrientation(TSliderOrientation(orientation));
        slider.SetValue(start);
        Counter counter;
        counter.Attach(slider);
        slider.show();
        QTest::keyClick(&slider, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(int(slider.Value()), "value");
        QTEST(counter.change, "changes");
        QTEST(counter.changed, "changed");
    }

    void verticalMinimumIsAtTheBottom() {
        TValueSlider slider;
        slider.SetOrientation(soVertical);
        slider.show();
        const int bottom = slider.ThumbRect().top();
        slider.SetValue(100);
        QVERIFY(slider.ThumbRect().top() < bottom);
        QCOMPARE(slider.ThumbRect().top(), 6);
    }

    void draggingSnapsToTheIncrementAndGoesOnOutside() {
        TValueSlider slider;
        MakeOptionsSlider(slider);
        Counter counter;
        counter.Attach(slider);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 14));
        QSet<int> values;
        for (int x = 10; x <= 400; x += 7) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 14), slider.mapToGlobal(QPointF(x, 14)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&slider, &move);
            values << slider.Value();
            QCOMPARE(slider.ThumbRect().left(), slider.ValueToPixel(slider.Value()));
        }
        for (int value : values) QCOMPARE(value % 50, 0);
        QCOMPARE(slider.Value(), 2000);  // the mouse left the control; the drag went on
        QCOMPARE(counter.changed, 0);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 14));
        QCOMPARE(counter.changed, 1);
        QVERIFY(counter.change >= 10);
    }

    void holdingTheRulerStepsUntilTheThumbArrives() {
        TValueSlider slider;
        MakeOptionsSlider(slider);
        Counter counter;
        counter.Attach(slider);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(40, 14));
        QCOMPARE(slider.Value(), 50);  // one step at once
        QTRY_COMPARE(slider.Value(), 200);  // then one every 400 ms until the thumb covers x 40
        QTest::qWait(900);
        QCOMPARE(slider.Value(), 200);
        QCOMPARE(counter.changed, 0);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(40, 14));
        QCOMPARE(counter.changed, 1);
        QCOMPARE(counter.change, 4);
    }

    void storedFormRoundTrip() {
        TValueSlider original;
        original.resize(297, 33);
        original.SetRange(-500, 1500);
        original.SetIncrement(25);
        original.SetValue(725);
        original.SetEdgeSize(3);
        original.SetBevelStyle(bvRaised);
        original.SetNumThumbStates(1);
        original.SetOptions(soShowPoints | soRulerOpaque);
        QImage ruler(12, 6, QImage::Format_RGB32);
        ruler.fill(Qt::darkCyan);
        original.SetImage(ImageHRuler, ruler);
        const QByteArray form = original.SaveForm();

        TValueSlider copy;
        copy.LoadForm(form);
        QCOMPARE(copy.size(), QSize(297, 33));
        QCOMPARE(copy.MinValue(), -500);
        QCOMPARE(copy.MaxValue(), 1500);
        QCOMPARE(copy.Increment(), 25);
        QCOMPARE(copy.Value(), 725);
        QCOMPARE(copy.EdgeSize(), 3);
        QCOMPARE(copy.BevelStyle(), bvRaised);
        QCOMPARE(copy.NumThumbStates(), 1);
        QCOMPARE(copy.Options(), soShowPoints | soRulerOpaque);
        QCOMPARE(copy.UserImages(), uint8_t(1 << ImageHRuler));
        QCOMPARE(copy.Image(ImageHRuler), original.Image(ImageHRuler));
        QCOMPARE(copy.RulerBitmap().size(), QSize(283, 6));
        QCOMPARE(copy.ThumbRect(), original.ThumbRect());
    }

    // Over the thumb the hand, elsewhere the control's own Cursor property, which hovering
    // must never wipe (the options window gives its slider the pointing hand).
    void cursorPropertySurvivesHovering_data() {
        QTest::addColumn<bool>("setProperty");
        QTest::addColumn<int>("expectedOff");
        QTest::newRow("property set") << true << int(Qt::PointingHandCursor);
        QTest::newRow("no property: the parent's") << false << int(Qt::ArrowCursor);
    }
    void cursorPropertySurvivesHovering() {
        QFETCH(bool, setProperty);
        QFETCH(int, expectedOff);
        QWidget window;  // a control inside a window, as in the options window
        TValueSlider slider(&window);
        MakeOptionsSlider(slider);
        if (setProperty) slider.setCursor(Qt::PointingHandCursor);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint thumb = slider.ThumbRect().center(), off(250, 5);
        for (int pass = 0; pass < 2; ++pass) {
            Hover(slider, off);
            QCOMPARE(int(slider.cursor().shape()), expectedOff);
            QCOMPARE(slider.testAttribute(Qt::WA_SetCursor), setProperty);
            Hover(slider, thumb);
            QCOMPARE(slider.cursor().shape(), SliderHandCursor().shape());
            QCOMPARE(slider.cursor().pixmap().toImage(), SliderHandCursor().pixmap().toImage());
        }
        // Set while the hand stands in for it, the property applies once the mouse leaves the thumb.
        slider.setCursor(Qt::CrossCursor);
        QCOMPARE(slider.cursor().shape(), SliderHandCursor().shape());
        Hover(slider, off);
        QCOMPARE(slider.cursor().shape(), Qt::CrossCursor);
    }

    void noHandWhereTheUserMayNotChangeTheValue() {
        QWidget window;
        LockedSlider slider(&window);
        slider.setCursor(Qt::IBeamCursor);
        window.show();
        Hover(slider, slider.ThumbRect().center());
        QCOMPARE(slider.cursor().shape(), Qt::IBeamCursor);
    }

    // A copy shows the thumb at GetPaintValue's place; the screen and ThumbRect keep the value's.
    void copyShowsThePaintValue_data() {
        QTest::addColumn<int>("orientation");
        QTest::newRow("horizontal") << int(soHorizontal);
        QTest::newRow("vertical") << int(soVertical);
    }
    void copyShowsThePaintValue() {
        QFETCH(int, orientation);
        PreviewSlider slider;
        MakeOptionsSlider(slider);
        if (orientation == soVertical) {
            slider.SetOrientation(soVertical);
            slider.resize(33, 297);
        }
        slider.SetValue(400);
        slider.paintValue = 1530;  // snapped to 1550: no soSmooth here
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        const QRect atValue = slider.ThumbRect();
        QRect atPaintValue = atValue;
        if (orientation == soHorizontal)
            atPaintValue.moveLeft(slider.ValueToPixel(1550));
        else
            atPaintValue.moveTop(slider.ValueToPixel(1550));
        const QPoint face(2, 2);  // the silver face of the normal thumb, away from its edges
        const QImage copy = slider.grab().toImage();
        QCOMPARE(Pixel(copy, atPaintValue.x() + face.x(), atPaintValue.y() + face.y()), QColor(192, 192, 192));
        QCOMPARE(Pixel(copy, atValue.x() + face.x(), atValue.y() + face.y()), Role(slider, QPalette::Window));
        QCOMPARE(slider.ThumbRect(), atValue);
        const QImage screen = OnScreen(slider);
        QCOMPARE(Pixel(screen, atValue.x() + face.x(), atValue.y() + face.y()), QColor(192, 192, 192));
        QCOMPARE(Pixel(screen, atPaintValue.x() + face.x(), atPaintValue.y() + face.y()), Role(slider, QPalette::Window));
    }

    // While the thumb is held the screen shows it pressed; a copy shows the normal picture.
    void copyDuringADragShowsTheNormalThumb() {
        TValueSlider slider;
        MakeOptionsSlider(slider);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mousePress(&slider, Qt::LeftButton, {}, slider.ThumbRect().center());
        const QPoint face = slider.ThumbRect().topLeft() + QPoint(2, 2);
        QCOMPARE(Pixel(OnScreen(slider), face.x(), face.y()), QColor(255, 255, 255));
        QCOMPARE(Pixel(slider.grab().toImage(), face.x(), face.y()), QColor(192, 192, 192));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.ThumbRect().center());
        QCOMPARE(Pixel(OnScreen(slider), face.x(), face.y()), QColor(192, 192, 192));
    }

    void storedFormWithAnEmptyRangeNeverDividesByZero() {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << QVariantMap{{QStringLiteral("MinValue"), 10}, {QStringLiteral("MaxValue"), 10},
                           {QStringLiteral("Increment"), 0}, {QStringLiteral("Width"), 20},
                           {QStringLiteral("Height"), 20}};
        TValueSlider slider;
        slider.LoadForm(bytes);
        QCOMPARE(slider.MinValue(), 10);
        QCOMPARE(slider.MaxValue(), 10);
        slider.show();
        slider.grab();
        QTest::keyClick(&slider, Qt::Key_Right);
        QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(15, 10));
        QCOMPARE(slider.Value(), 10);
        QVERIFY_THROWS_EXCEPTION(SliderError, slider.LoadForm(QByteArray("\x01\x02", 2)));
    }
};

QTEST_MAIN(ValueSliderTest)
#include "ValueSliderTest.moc"
