// TValueSlider: a focusable control that shows an integer value between MinValue
// and MaxValue as a thumb on a ruler, horizontal or vertical, drawn entirely from
// four replaceable pictures. The value changes by dragging the thumb, by holding
// the left button on the ruler beside it (one Increment at once, then every 400 ms),
// or with Home, End and the arrow keys.
#pragma once

#include <QBasicTimer>
#include <QCursor>
#include <QFlags>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <stdexcept>

#include "widgets/SliderGeometry.h"

enum TSliderOption { soShowFocus = 1, soShowPoints = 2, soSmooth = 4, soRulerOpaque = 8, soThumbOpaque = 16 };
Q_DECLARE_FLAGS(TSliderOptions, TSliderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSliderOptions)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Image indexes; bit i of UserImages stands for image i.
enum TSliderImage { ImageHThumb = 0, ImageHRuler = 1, ImageVThumb = 2, ImageVRuler = 3 };

// An Increment outside 1 .. MaxValue - MinValue.
class SliderError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class TCustomValueSlider : public QWidget {
    Q_OBJECT
public:
    using Notification = std::function<void(TCustomValueSlider* sender)>;

    explicit TCustomValueSlider(QWidget* parent = nullptr);
    ~TCustomValueSlider() override;

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    int32_t Increment() const { return increment_; }
    int32_t Value() const { return value_; }
    TSliderOrientation Orientation() const { return orientation_; }
    TSliderOptions Options() const { return options_; }
    int EdgeSize() const { return edgeSize_; }
    TBevelCut BevelStyle() const { return bevelStyle_; }
    int NumThumbStates() const { return numThumbStates_; }
    const QImage& Image(TSliderImage index) const { return images_[index]; }
    uint8_t UserImages() const { return userImages_; }

    void SetMinValue(int32_t value);
    void SetMaxValue(int32_t value);
    void SetRange(int32_t minValue, int32_t maxValue);
    void SetIncrement(int32_t value);  // throws SliderError outside 1 .. MaxValue - MinValue
    void SetValue(int32_t value);
    void SetOrientation(TSliderOrientation orientation);
    void SetOptions(TSliderOptions options);
    void SetEdgeSize(int edgeSize);
    void SetBevelStyle(TBevelCut bevelStyle);
    void SetNumThumbStates(int states);
    // A null image restores the built-in one.
    void SetImage(TSliderImage index, const QImage& image);

    Notification OnChange;     // whenever Value changes
    Notification OnChanged;    // when a user interaction ends
    Notification OnDrawPoints; // when set, draws the tick marks instead of DrawTickMarks

    // The geometry, in whole pixels.
    const QImage& RulerBitmap() const { return rulerBitmap_; }
    // The ruler's size along and across the slider, also when it has no pixels.
    QSize RulerSize() const { return rulerSize_; }
    QPoint RulerOrigin() const { return rulerOrigin_; }
    QRect ThumbRect() const { return thumbRect_; }
    int TickLine() const { return tickLine_; }
    int Travel() const { return Axis().Travel(); }
    int ValueToPixel(int64_t value) const { return Axis().ValueToPixel(value); }
    int32_t PixelToValue(int pixel) const { return Axis().PixelToValue(pixel); }
    void SetThumbPosition(int pixel);
    void ApplyStep(SlideStep step);

    // The stored form: the properties, with UserImages and the user images.
    QByteArray SaveForm() const;
    void LoadForm(const QByteArray& form);

    // Draws tick marks on the control; OnDrawPoints handlers may call it while painting.
    virtual void DrawTickMarks(int32_t step, int length, int endLength);

protected:
    // Overridable operations, in the order subclasses find them.
    virtual bool IsUserChangeAllowed() const { return true; }
    virtual QRect GetBodyRect() const;
    virtual int32_t GetPaintValue() const { return value_; }
    virtual void RebuildLayout();
    virtual void AfterRangeChange() {}
    virtual void BeginThumbDrag(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void DragThumb(Qt::KeyboardModifiers shift, int x, int y);
    virtual void EndThumbDrag(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void NotifyChange();
    virtual void NotifyChanged();

    bool IsLoading() const { return loading_; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    SliderAxis Axis() const;
    const QImage& ThumbImage() const;
    void InvalidateThumb();
    void RepeatStep();
    void StopRulerPress();
    void UpdateCursor(QPoint point);
    void ApplyCursor(bool hand);
    void ValueChanged();
    bool PaintingCopy(const QPainter& painter) const;
    void FocusChanged(bool focused);
    void DrawTransparent(QPainter& painter, QPoint at, const QImage& image, const QRect& source, bool opaque);
    void Loaded();

    int32_t minValue_ = 0, maxValue_ = 100, increment_ = 10, value_ = 0;
    TSliderOrientation orientation_ = soHorizontal;
    TSliderOptions options_ = soShowFocus | soShowPoints | soSmooth;
    int edgeSize_ = 2;
    TBevelCut bevelStyle_ = bvNone;
    int numThumbStates_ = 2;
    std::array<QImage, 4> images_;
    uint8_t userImages_ = 0;

    QImage rulerBitmap_;
    QSize rulerSize_;
    QPoint rulerOrigin_;
    QRect thumbRect_;
    int tickLine_ = 0;

    bool constructing_ = true;
    bool loading_ = false;
    bool thumbDown_ = false;
    bool dragging_ = false;
    int dragOffset_ = 0;
    bool rulerPress_ = false;
    QBasicTimer repeatTimer_;
    QPoint lastMousePoint_;
    SlideStep pressSide_ = ssNone;
    bool focused_ = false;
    QPainter* painter_ = nullptr;  // while painting, for DrawTickMarks
    // The control's Cursor property as set from outside (none: the parent's), which the
    // hand over the thumb only stands in for.
    std::optional<QCursor> cursorProperty_;
    bool showingHand_ = false;
    bool settingCursor_ = false;
};

// The control with its properties published; it adds nothing else.
class TValueSlider : public TCustomValueSlider {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int EdgeSize READ EdgeSize WRITE SetEdgeSize)
    Q_PROPERTY(int NumThumbStates READ NumThumbStates WRITE SetNumThumbStates)
public:
    using TCustomValueSlider::TCustomValueSlider;
};
