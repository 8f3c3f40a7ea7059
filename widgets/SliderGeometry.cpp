#include "widgets/SliderGeometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

int64_t RoundHalfEven(double value) {
    // The default floating-point rounding mode is to nearest, ties to even.
    return int64_t(std::nearbyint(value));
}

int SliderAxis::ValueToPixel(int64_t value) const {
    const int64_t range = Range();
    // An empty range (only a stored form can make one) puts every value at the start.
    const int64_t offset = range > 0 ? RoundHalfEven(double(Travel()) * double(value - minValue) / double(range)) : 0;
    const int64_t pixel = orientation == soHorizontal ? Base() + offset : BodyBottom() - 6 - thumbH - offset;
    return int(std::max<int64_t>(pixel, Base()));
}

int32_t SliderAxis::PixelToValue(int pixel) const {
    const int travel = Travel();
    const int offset = orientation == soHorizontal ? pixel - Base() : BodyBottom() - 6 - thumbH - pixel;
    // Without travel every position means the minimum.
    int64_t k = travel > 0 ? RoundHalfEven(double(offset) * double(Range()) / double(travel)) : 0;
    if (!smooth && increment > 0) k = RoundHalfEven(double(k) / increment) * increment;
    const int64_t value = std::max<int64_t>(k, 0) + minValue;
    return int32_t(std::min<int64_t>(value, maxValue));
}

int SliderAxis::SnapPixel(int pixel) const {
    const int limit = Base() + std::max(Travel(), 0);
    pixel = std::clamp(pixel, Base(), limit);
    return std::min(ValueToPixel(PixelToValue(pixel)), limit);
}

SliderLayout ComputeLayout(const SliderAxis& axis) {
    SliderLayout layout;
    const int left = axis.body.left() + 6, top = axis.body.top() + 6;
    if (axis.orientation == soHorizontal) {
        if (axis.thumbH > axis.rulerH) {
            layout.thumbRect = QRect(left, top, axis.thumbW, axis.thumbH);
            layout.rulerOrigin = QPoint(left, top + (axis.thumbH - axis.rulerH) / 2);
            layout.tickLine = top + axis.thumbH + 1;
        } else {
            layout.thumbRect = QRect(left, top + (axis.rulerH - axis.thumbH) / 2, axis.thumbW, axis.thumbH);
            layout.rulerOrigin = QPoint(left, top);
            layout.tickLine = top + axis.rulerH + 1;
        }
    } else {
        if (axis.thumbW > axis.rulerW) {
            layout.thumbRect = QRect(left, top, axis.thumbW, axis.thumbH);
            layout.rulerOrigin = QPoint(left + (axis.thumbW - axis.rulerW) / 2, top);
            layout.tickLine = left + axis.thumbW + 1;
        } else {
            layout.thumbRect = QRect(left + (axis.rulerW - axis.thumbW) / 2, top, axis.thumbW, axis.thumbH);
            layout.rulerOrigin = QPoint(left, top);
            layout.tickLine = left + axis.rulerW + 1;
        }
    }
    return layout;
}

SlideStep HitSide(TSliderOrientation orientation, const QRect& thumbRect, QPoint point) {
    // Right and Bottom as exclusive edges (Left + Width, Top + Height).
    const int right = thumbRect.left() + thumbRect.width(), bottom = thumbRect.top() + thumbRect.height();
    if (orientation == soHorizontal) {
        if (point.x() < thumbRect.left()) return ssDown;
        if (point.x() > right) return ssUp;
    } else {
        if (point.y() < thumbRect.top()) return ssUp;
        if (point.y() > bottom) return ssDown;
    }
    return ssNone;
}

int32_t StepTarget(SlideStep step, int32_t value, int32_t minValue, int32_t maxValue, int32_t increment) {
    const int64_t inc = std::max(increment, 1);
    int64_t target = value;
    switch (step) {
        case ssNone: return value;
        case ssToMinimum: target = minValue; break;
        case ssToMaximum: target = maxValue; break;
        // Rounded to a multiple of the increment counted from zero, not from the minimum.
        case ssUp: target = RoundHalfEven(double(value) / double(inc)) * inc + inc; break;
        case ssDown: target = RoundHalfEven(double(value) / double(inc)) * inc - inc; break;
    }
    if (target >= maxValue) return maxValue;
    if (target <= minValue) return minValue;
    return int32_t(target);
}

QImage ComposeRuler(const QImage& source, int edgeSize, int length, TSliderOrientation orientation) {
    const bool horizontal = orientation == soHorizontal;
    const int across = horizontal ? source.height() : source.width();
    const int sourceLength = horizontal ? source.width() : source.height();
    QImage ruler(horizontal ? QSize(std::max(length, 0), across) : QSize(across, std::max(length, 0)),
                 QImage::Format_RGB32);
    if (ruler.isNull()) return ruler;
    ruler.fill(Qt::black);
    if (sourceLength <= 0) return ruler;
    // An edge that leaves no middle tile (a user image shorter than twice the edge)
    // is narrowed until one column is left to repeat.
    const int edge = std::min(edgeSize, (sourceLength - 1) / 2);
    const int middle = sourceLength - 2 * edge;
    const int total = length - 2 * edge;
    const int count = total / middle + 1;
    const int rest = total % middle;

    QPainter painter(&ruler);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    auto copy = [&](int targetFrom, int targetTo, int sourceFrom) {
        const int size = targetTo - targetFrom;
        if (size <= 0) return;
        if (horizontal)
            painter.drawImage(QPoint(targetFrom, 0), source, QRect(sourceFrom, 0, size, across));
        else
            painter.drawImage(QPoint(0, targetFrom), source, QRect(0, sourceFrom, across, size));
    };
    for (int i = 0; i < count; ++i) {
        if (i == 0)
            copy(0, sourceLength - edge, 0);
        else if (i < count - 1)
            copy(edge + i * middle, edge + (i + 1) * middle, edge);
        else
            copy(edge + i * middle, length, edge + middle - rest);
    }
    return ruler;
}

std::vector<TickMark> TickMarks(const SliderAxis& axis, int32_t step, int length, int endLength) {
    std::vector<TickMark> marks;
    const int travel = axis.Travel();
    const int64_t range = axis.Range();
    const int64_t unit = std::max<int64_t>(step, 1);
    int64_t n = 1, factor = 1;
    if (travel <= 0) {
        // No room to space marks: only the two ends.
        n = range > 0 ? 2 : 1;
        factor = std::max<int64_t>(range, 1) / unit + 1;
    } else {
        for (factor = 1;; ++factor) {
            n = RoundHalfEven(double(range) / double(unit * factor)) + 1;
            const int64_t gap = n > 1 ? travel / (n - 1) : travel;
            if (gap >= 4 || gap >= travel) break;
        }
    }
    int64_t value = axis.minValue;
    for (int64_t i = 1; i <= n; ++i) {
        if (i == n) value = axis.maxValue;
        const bool end = value == axis.minValue || value == axis.maxValue;
        marks.push_back({int32_t(value), axis.ValueToPixel(value), end ? endLength : length});
        value += unit * factor;
    }
    return marks;
}
