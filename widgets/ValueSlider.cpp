#include "widgets/ValueSlider.h"

#include <QAccessible>
#include <QBackingStore>
#include <QDataStream>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVariantMap>

#include <algorithm>
#include <limits>

#include "widgets/SliderImages.h"
#include "widgets/ValueSliderAccessible.h"

namespace {

constexpr const char* kImageResources[4] = {"SLD_HTB", "SLD_HRL", "SLD_VTB", "SLD_VRL"};
constexpr const char* kImageNames[4] = {"ImageHThumb", "ImageHRuler", "ImageVThumb", "ImageVRuler"};
constexpr int kRepeatMs = 400;

// Inside a rectangle with its right and bottom edges (Left + Width, Top + Height) included.
bool InsideWithEdges(const QRect& r, QPoint p) {
    return p.x() >= r.left() && p.x() <= r.left() + r.width() && p.y() >= r.top() && p.y() <= r.top() + r.height();
}

}  // namespace

TCustomValueSlider::TCustomValueSlider(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(ValueSliderAccessibleFactory), true);
    (void)accessible;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(150, 40);
    for (int i = 0; i < 4; ++i) images_[size_t(i)] = LoadSliderResource(kImageResources[i]);
    constructing_ = false;
    RebuildLayout();
}

TCustomValueSlider::~TCustomValueSlider() {
    OnChange = nullptr;
    OnChanged = nullptr;
    OnDrawPoints = nullptr;
}

// ---- Properties ----

void TCustomValueSlider::SetValue(int32_t value) {
    if (value > maxValue_) value = maxValue_;
    if (value < minValue_) value = minValue_;
    const int32_t previous = value_;
    value_ = value;
    SetThumbPosition(ValueToPixel(value));
    if (value_ != previous) ValueChanged();
}

// Every change of the value: assistive technology is told, then OnChange.
void TCustomValueSlider::ValueChanged() {
    QAccessibleValueChangeEvent event(this, value_);
    QAccessible::updateAccessibility(&event);
    NotifyChange();
}

void TCustomValueSlider::SetMinValue(int32_t value) {
    if (value != minValue_) SetRange(value, maxValue_);
}

void TCustomValueSlider::SetMaxValue(int32_t value) {
    if (value != maxValue_) SetRange(minValue_, value);
}

void TCustomValueSlider::SetRange(int32_t minValue, int32_t maxValue) {
    if (maxValue <= minValue && !loading_) return;
    minValue_ = minValue;
    maxValue_ = maxValue;
    const int64_t range = int64_t(maxValue) - minValue;
    if (!loading_ && range < increment_) increment_ = int32_t(range);
    if (options_ & soShowPoints) update();
    SetValue(value_);
    AfterRangeChange();
}

void TCustomValueSlider::SetIncrement(int32_t value) {
    const int64_t range = int64_t(maxValue_) - minValue_;
    if (!loading_ && (value < 1 || value > range))
        throw SliderError(QStringLiteral("Value must be between %1 and %2").arg(1).arg(range).toStdString());
    if (value > 0 && value != increment_) {
        increment_ = value;
        SetValue(value_);
        update();
    }
}

void TCustomValueSlider::SetEdgeSize(int edgeSize) {
    const QImage& ruler = orientation_ == soHorizontal ? images_[ImageHRuler] : images_[ImageVRuler];
    const int length = orientation_ == soHorizontal ? ruler.width() : ruler.height();
    // A negative edge would tile from outside the picture; it is refused like a large one.
    if (edgeSize < 0 || 2 * int64_t(edgeSize) >= length || edgeSize == edgeSize_) return;
    edgeSize_ = edgeSize;
    RebuildLayout();
}

void TCustomValueSlider::SetNumThumbStates(int states) {
    if (states < 1 || states > 2 || states == numThumbStates_) return;
    numThumbStates_ = states;
    RebuildLayout();
}

void TCustomValueSlider::SetBevelStyle(TBevelCut bevelStyle) {
    if (bevelStyle == bevelStyle_) return;
    bevelStyle_ = bevelStyle;
    // Child controls are aligned inside the body.
    const int bevel = bevelStyle_ == bvNone ? 0 : 1;
    setContentsMargins(bevel, bevel, bevel, bevel);
    RebuildLayout();
    repaint();
}

void TCustomValueSlider::SetOrientation(TSliderOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    if (!loading_) resize(height(), width());
    RebuildLayout();
}

void TCustomValueSlider::SetOptions(TSliderOptions options) {
    if (options == options_) return;
    options_ = options;
    update();
}

void TCustomValueSlider::SetImage(TSliderImage index, const QImage& image) {
    const auto i = size_t(index);
    if (image.isNull()) {
        images_[i] = LoadSliderResource(kImageResources[i]);
        userImages_ &= uint8_t(~(1u << i));
        if (!loading_) {
            const bool thumb = index == ImageHThumb || index == ImageVThumb;
            options_ &= ~TSliderOptions(thumb ? soThumbOpaque : soRulerOpaque);
            update();
        }
    } else {
        images_[i] = image.copy();
        userImages_ |= uint8_t(1u << i);
    }
    if (!constructing_) RebuildLayout();
}

// ---- Geometry ----

QRect TCustomValueSlider::GetBodyRect() const {
    return bevelStyle_ == bvNone ? rect() : rect().adjusted(1, 1, -1, -1);
}

const QImage& TCustomValueSlider::ThumbImage() const {
    return orientation_ == soHorizontal ? images_[ImageHThumb] : images_[ImageVThumb];
}

SliderAxis TCustomValueSlider::Axis() const {
    SliderAxis axis;
    axis.orientation = orientation_;
    axis.body = GetBodyRect();
    axis.thumbW = ThumbImage().width() / numThumbStates_;
    axis.thumbH = ThumbImage().height();
    axis.rulerW = rulerSize_.width();
    axis.rulerH = rulerSize_.height();
    axis.minValue = minValue_;
    axis.maxValue = maxValue_;
    axis.increment = increment_;
    axis.smooth = options_.testFlag(soSmooth);
    return axis;
}

void TCustomValueSlider::RebuildLayout() {
    const int32_t value = value_;
    const QRect body = GetBodyRect();
    // A control too short for a ruler gets an empty one.
    if (orientation_ == soHorizontal) {
        rulerSize_ = QSize(std::max(body.width() - 12, 0), images_[ImageHRuler].height());
        rulerBitmap_ = ComposeRuler(images_[ImageHRuler], edgeSize_, rulerSize_.width(), soHorizontal);
    } else {
        rulerSize_ = QSize(images_[ImageVRuler].width(), std::max(body.height() - 12, 0));
        rulerBitmap_ = ComposeRuler(images_[ImageVRuler], edgeSize_, rulerSize_.height(), soVertical);
    }
    const SliderLayout layout = ComputeLayout(Axis());
    rulerOrigin_ = layout.rulerOrigin;
    thumbRect_ = layout.thumbRect;
    tickLine_ = layout.tickLine;
    SetValue(value);
    update();
}

void TCustomValueSlider::SetThumbPosition(int pixel) {
    const int32_t previous = value_;
    const SliderAxis axis = Axis();
    pixel = axis.SnapPixel(pixel);
    InvalidateThumb();
    if (orientation_ == soHorizontal)
        thumbRect_.moveLeft(pixel);
    else
        thumbRect_.moveTop(pixel);
    InvalidateThumb();
    if (dragging_) {
        value_ = axis.PixelToValue(pixel);
        if (value_ != previous) ValueChanged();
    }
}

void TCustomValueSlider::InvalidateThumb() { update(thumbRect_); }

void TCustomValueSlider::ApplyStep(SlideStep step) {
    if (step == ssNone) return;
    const int32_t target = StepTarget(step, value_, minValue_, maxValue_, increment_);
    if (target != value_) SetValue(target);
}

// ---- Notifications ----

void TCustomValueSlider::NotifyChange() {
    if (OnChange) OnChange(this);
}

void TCustomValueSlider::NotifyChanged() {
    if (OnChanged) OnChanged(this);
}

// ---- Input ----

void TCustomValueSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!loading_) RebuildLayout();
}

void TCustomValueSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    if (InsideWithEdges(thumbRect_, point)) {
        BeginThumbDrag(event->button(), event->modifiers(), point.x(), point.y());
        return;
    }
    QRect pressArea(rulerOrigin_, rulerSize_);
    pressArea = orientation_ == soHorizontal ? pressArea.adjusted(0, -3, 0, 3) : pressArea.adjusted(-3, 0, 3, 0);
    if (InsideWithEdges(pressArea, point) && IsUserChangeAllowed()) {
        // The press keeps the mouse: Qt grabs it for this widget until the release.
        rulerPress_ = true;
        lastMousePoint_ = point;
        pressSide_ = HitSide(orientation_, thumbRect_, point);
        RepeatStep();
    }
}

// The second press of a double click starts nothing.
void TCustomValueSlider::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void TCustomValueSlider::RepeatStep() {
    if (HitSide(orientation_, thumbRect_, lastMousePoint_) != pressSide_) return;
    ApplyStep(pressSide_);
    if (!repeatTimer_.isActive()) repeatTimer_.start(kRepeatMs, this);
}

void TCustomValueSlider::timerEvent(QTimerEvent* event) {
    if (event->timerId() == repeatTimer_.timerId())
        RepeatStep();
    else
        QWidget::timerEvent(event);
}

void TCustomValueSlider::BeginThumbDrag(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    if (button != Qt::LeftButton || !IsUserChangeAllowed()) return;
    dragging_ = true;
    thumbDown_ = true;
    dragOffset_ = orientation_ == soHorizontal ? x - thumbRect_.left() : y - thumbRect_.top();
    InvalidateThumb();
    repaint();
}

void TCustomValueSlider::DragThumb(Qt::KeyboardModifiers, int x, int y) {
    if (IsUserChangeAllowed()) SetThumbPosition((orientation_ == soHorizontal ? x : y) - dragOffset_);
}

void TCustomValueSlider::EndThumbDrag(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button != Qt::LeftButton) return;
    dragging_ = false;
    thumbDown_ = false;
    InvalidateThumb();
    repaint();
    if (IsUserChangeAllowed()) NotifyChanged();
}

void TCustomValueSlider::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if ((event->buttons() & Qt::LeftButton) && dragging_)
        DragThumb(event->modifiers(), point.x(), point.y());
    else if (rulerPress_)
        lastMousePoint_ = point;
    UpdateCursor(point);
    QWidget::mouseMoveEvent(event);
}

void TCustomValueSlider::StopRulerPress() {
    if (!rulerPress_) return;
    repeatTimer_.stop();
    rulerPress_ = false;
    NotifyChanged();
}

void TCustomValueSlider::mouseReleaseEvent(QMouseEvent* event) {
    StopRulerPress();
    if (dragging_) {
        const QPoint point = event->position().toPoint();
        EndThumbDrag(event->button(), event->modifiers(), point.x(), point.y());
    }
    QWidget::mouseReleaseEvent(event);
}

void TCustomValueSlider::keyPressEvent(QKeyEvent* event) {
    SlideStep step = ssNone;
    if (!(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        const bool horizontal = orientation_ == soHorizontal;
        switch (event->key()) {
            case Qt::Key_Home: step = ssToMinimum; break;
            case Qt::Key_End: step = ssToMaximum; break;
            case Qt::Key_Left: step = horizontal ? ssDown : ssNone; break;
            case Qt::Key_Right: step = horizontal ? ssUp : ssNone; break;
            case Qt::Key_Up: step = horizontal ? ssNone : ssUp; break;
            case Qt::Key_Down: step = horizontal ? ssNone : ssDown; break;
            default: break;
        }
    }
    if (step == ssNone || !IsUserChangeAllowed()) return QWidget::keyPressEvent(event);
    event->accept();
    ApplyStep(step);
    NotifyChanged();
}

void TCustomValueSlider::FocusChanged(bool focused) {
    if (focused == focused_) return;
    focused_ = focused;
    if (options_ & soShowFocus) update();
}

void TCustomValueSlider::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    FocusChanged(true);
}

void TCustomValueSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    FocusChanged(false);
}

void TCustomValueSlider::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) InvalidateThumb();
}

// The hand over the thumb while the user may move it; elsewhere the Cursor property.
void TCustomValueSlider::UpdateCursor(QPoint point) { ApplyCursor(thumbRect_.contains(point) && IsUserChangeAllowed()); }

void TCustomValueSlider::ApplyCursor(bool hand) {
    if (hand == showingHand_) return;
    showingHand_ = hand;
    settingCursor_ = true;
    if (hand)
        setCursor(SliderHandCursor());
    else if (cursorProperty_)
        setCursor(*cursorProperty_);
    else
        unsetCursor();
    settingCursor_ = false;
}

bool TCustomValueSlider::event(QEvent* event) {
    // A cursor set from outside is the property, also while the hand stands in for it.
    if (event->type() == QEvent::CursorChange && !settingCursor_) {
        cursorProperty_ = testAttribute(Qt::WA_SetCursor) ? std::optional<QCursor>(cursor()) : std::nullopt;
        if (showingHand_) {
            showingHand_ = false;
            ApplyCursor(true);
        }
    }
    return QWidget::event(event);
}

// ---- Painting ----

void TCustomValueSlider::DrawTransparent(QPainter& painter, QPoint at, const QImage& image, const QRect& source,
                                         bool opaque) {
    if (opaque || image.isNull()) {
        painter.drawImage(at, image, source);
        return;
    }
    // The transparent colour is the bottom-left pixel's (white for one bit per pixel).
    const QRgb transparent =
        image.depth() == 1 ? qRgb(255, 255, 255) : image.pixel(0, image.height() - 1) | 0xff000000u;
    QImage piece = image.copy(source).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < piece.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x)
            if ((line[x] | 0xff000000u) == transparent) line[x] = 0;
    }
    painter.drawImage(at, piece);
}

void TCustomValueSlider::DrawTickMarks(int32_t step, int length, int endLength) {
    if (!painter_) return;  // only while the control paints
    const QColor pen = palette().color(QPalette::WindowText);
    const int across = orientation_ == soHorizontal ? Axis().thumbW / 2 : images_[ImageVThumb].height() / 2;
    for (const TickMark& mark : TickMarks(Axis(), step, length, endLength)) {
        if (orientation_ == soHorizontal)
            painter_->fillRect(mark.position + across, tickLine_, 1, mark.length, pen);
        else
            painter_->fillRect(tickLine_, mark.position + across, mark.length, 1, pen);
    }
}

// A copy (QWidget::render, grab) is painted into a device of its own; the control's
// window on the screen is painted into its window's back buffer.
bool TCustomValueSlider::PaintingCopy(const QPainter& painter) const {
    QBackingStore* store = window()->backingStore();
    return !store || painter.paintEngine()->paintDevice() != store->paintDevice();
}

void TCustomValueSlider::paintEvent(QPaintEvent*) {
    // Qt paints widgets through a back buffer, so the control never flickers.
    QPainter painter(this);
    painter_ = &painter;
    // A copy shows the thumb where GetPaintValue puts it, in its normal picture even
    // while it is dragged; ThumbRect itself does not move.
    const bool copy = PaintingCopy(painter);
    QPoint thumbAt = thumbRect_.topLeft();
    if (copy) {
        const SliderAxis axis = Axis();
        const int pixel = axis.SnapPixel(axis.ValueToPixel(GetPaintValue()));
        (orientation_ == soHorizontal ? thumbAt.rx() : thumbAt.ry()) = pixel;
    }
    QRect r = rect();
    if (bevelStyle_ != bvNone) {
        const QColor shadow = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
        const QColor topLeft = bevelStyle_ == bvLowered ? shadow : light;
        const QColor bottomRight = bevelStyle_ == bvLowered ? light : shadow;
        painter.fillRect(0, 0, r.width(), 1, topLeft);
        painter.fillRect(0, 0, 1, r.height(), topLeft);
        painter.fillRect(0, r.height() - 1, r.width(), 1, bottomRight);
        painter.fillRect(r.width() - 1, 0, 1, r.height(), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
    painter.fillRect(r, palette().color(QPalette::Window));
    if (rulerBitmap_.width() > 0)
        DrawTransparent(painter, rulerOrigin_, rulerBitmap_, rulerBitmap_.rect(), options_.testFlag(soRulerOpaque));
    if (options_.testFlag(soShowFocus) && focused_) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = GetBodyRect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (options_.testFlag(soShowPoints)) {
        if (OnDrawPoints)
            OnDrawPoints(this);
        else
            DrawTickMarks(increment_, 3, 5);
    }
    const QImage& thumb = ThumbImage();
    const int w = thumb.width(), h = thumb.height();
    const bool second = (thumbDown_ && !copy) || !isEnabled();
    const QRect source = numThumbStates_ == 1 ? thumb.rect() : second ? QRect(w / 2, 0, w - w / 2, h) : QRect(0, 0, w / 2, h);
    DrawTransparent(painter, thumbAt, thumb, source, options_.testFlag(soThumbOpaque));
    painter_ = nullptr;
}

// ---- Stored form ----

QByteArray TCustomValueSlider::SaveForm() const {
    QVariantMap form;
    form[QStringLiteral("Width")] = width();
    form[QStringLiteral("Height")] = height();
    form[QStringLiteral("MinValue")] = minValue_;
    form[QStringLiteral("MaxValue")] = maxValue_;
    form[QStringLiteral("Increment")] = increment_;
    form[QStringLiteral("Value")] = value_;
    form[QStringLiteral("Orientation")] = int(orientation_);
    form[QStringLiteral("Options")] = int(options_);
    form[QStringLiteral("EdgeSize")] = edgeSize_;
    form[QStringLiteral("BevelStyle")] = int(bevelStyle_);
    form[QStringLiteral("NumThumbStates")] = numThumbStates_;
    // Written only when some image is the user's; each image only when it is.
    if (userImages_) form[QStringLiteral("UserImages")] = QByteArray(1, char(userImages_));
    for (int i = 0; i < 4; ++i)
        if (userImages_ & (1u << i)) form[QString::fromLatin1(kImageNames[i])] = images_[size_t(i)];
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << form;
    return bytes;
}

void TCustomValueSlider::LoadForm(const QByteArray& bytes) {
    QVariantMap form;
    QDataStream in(bytes);
    in >> form;
    if (in.status() != QDataStream::Ok) throw SliderError("The stored slider form is damaged");
    loading_ = true;
    auto integer = [&form](const char* name, int fallback) {
        const QVariant value = form.value(QString::fromLatin1(name));
        return value.isValid() ? value.toInt() : fallback;
    };
    resize(integer("Width", width()), integer("Height", height()));
    SetRange(integer("MinValue", minValue_), integer("MaxValue", maxValue_));
    SetIncrement(integer("Increment", increment_));
    SetValue(integer("Value", value_));
    SetOrientation(integer("Orientation", orientation_) == soVertical ? soVertical : soHorizontal);
    SetOptions(TSliderOptions::fromInt(integer("Options", int(options_)) & 31));
    SetEdgeSize(integer("EdgeSize", edgeSize_));
    SetBevelStyle(TBevelCut(std::clamp(integer("BevelStyle", bevelStyle_), int(bvNone), int(bvSpace))));
    SetNumThumbStates(integer("NumThumbStates", numThumbStates_));
    const QByteArray user = form.value(QStringLiteral("UserImages")).toByteArray();
    const uint8_t stored = user.isEmpty() ? 0 : uint8_t(user[0]) & 15;
    for (int i = 0; i < 4; ++i) {
        const QImage image = form.value(QString::fromLatin1(kImageNames[i])).value<QImage>();
        if ((stored & (1u << i)) && !image.isNull()) SetImage(TSliderImage(i), image);
    }
    Loaded();
}

void TCustomValueSlider::Loaded() {
    loading_ = false;
    for (int i = 0; i < 4; ++i)
        if (userImages_ & (1u << i)) SetImage(TSliderImage(i), images_[size_t(i)]);
    RebuildLayout();
}
