// The value slider's geometry in whole pixels: where the ruler, the thumb and the
// tick marks lie, and how values map to thumb positions and back. Pure functions,
// so the widget only keeps state and draws.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

enum TSliderOrientation { soHorizontal, soVertical };

// SlideStep: what a key or a ruler press asks for.
enum SlideStep : uint8_t { ssNone = 0, ssToMinimum = 1, ssToMaximum = 2, ssUp = 3, ssDown = 4 };

// Rounds to the nearest integer, halves to the even neighbour.
int64_t RoundHalfEven(double value);

// Everything the mapping between values and pixels depends on.
struct SliderAxis {
    TSliderOrientation orientation = soHorizontal;
    QRect body;          // SliderBody
    int thumbW = 0;      // one thumb state
    int thumbH = 0;
    int rulerW = 0;      // RulerBitmap's size
    int rulerH = 0;
    int32_t minValue = 0;
    int32_t maxValue = 100;
    int32_t increment = 10;
    bool smooth = true;

    int64_t Range() const { return int64_t(maxValue) - minValue; }
    int Travel() const { return orientation == soHorizontal ? rulerW - thumbW : rulerH - thumbH; }
    int Base() const { return orientation == soHorizontal ? body.left() + 6 : body.top() + 6; }
    // The bottom edge of SliderBody as an exclusive coordinate (Left + Width, Top + Height).
    int BodyBottom() const { return body.top() + body.height(); }

    int ValueToPixel(int64_t value) const;
    int32_t PixelToValue(int pixel) const;
    // ValueToPixel(PixelToValue(p)) with p first limited to the thumb's travel.
    int SnapPixel(int pixel) const;
};

// Where the parts of the control lie after a layout change.
struct SliderLayout {
    QPoint rulerOrigin;
    QRect thumbRect;  // at the base; SetThumbPosition moves it along the slider
    int tickLine = 0;
};

SliderLayout ComputeLayout(const SliderAxis& axis);

// The step a point beside the thumb asks for (HitSide).
SlideStep HitSide(TSliderOrientation orientation, const QRect& thumbRect, QPoint point);

// ApplyStep's target value for a step from `value`, already limited to the range.
int32_t StepTarget(SlideStep step, int32_t value, int32_t minValue, int32_t maxValue, int32_t increment);

// Three-slice stretching of a ruler image to `length` pixels along the slider.
QImage ComposeRuler(const QImage& source, int edgeSize, int length, TSliderOrientation orientation);

struct TickMark {
    int32_t value;
    int position;  // the thumb's leading edge for the value
    int length;
};

// The tick marks DrawTickMarks draws for a step: one every step × f from the minimum,
// f the first spacing factor that leaves at least 4 pixels between marks, and the last
// at the maximum.
std::vector<TickMark> TickMarks(const SliderAxis& axis, int32_t step, int length, int endLength);
