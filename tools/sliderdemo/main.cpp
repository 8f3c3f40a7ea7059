// Tries the value slider: horizontal and vertical sliders with several option sets,
// each with its value beside it. Usage: sliderdemo [SCREENSHOT.png]
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>

#include "widgets/ValueSlider.h"

namespace {

struct Sample {
    const char* title;
    TSliderOrientation orientation;
    TSliderOptions options;
    TBevelCut bevel;
    int minValue, maxValue, increment, value;
};

const Sample kSamples[] = {
    {"Delay 0..2000, step 50, snapping", soHorizontal, soShowFocus | soShowPoints, bvNone, 0, 2000, 50, 500},
    {"Default: 0..100, smooth", soHorizontal, soShowFocus | soShowPoints | soSmooth, bvNone, 0, 100, 10, 30},
    {"0..1000, step 1, lowered bevel", soHorizontal, soShowFocus | soShowPoints | soSmooth, bvLowered, 0, 1000, 1, 640},
    {"No tick marks, opaque thumb", soHorizontal, soShowFocus | soThumbOpaque, bvRaised, -50, 50, 5, 0},
    {"Vertical 0..100", soVertical, soShowFocus | soShowPoints, bvNone, 0, 100, 10, 70},
    {"Vertical -10..10, bevel", soVertical, soShowFocus | soShowPoints | soSmooth, bvSpace, -10, 10, 2, -4},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Value slider"));
    auto* grid = new QGridLayout(&window);
    int horizontalRow = 0, verticalColumn = 0;
    for (const Sample& sample : kSamples) {
        auto* slider = new TValueSlider(&window);
        slider->SetOrientation(sample.orientation);
        slider->SetRange(sample.minValue, sample.maxValue);
        slider->SetIncrement(sample.increment);
        slider->SetOptions(sample.options);
        slider->SetBevelStyle(sample.bevel);
        slider->SetValue(sample.value);
        if (sample.orientation == soHorizontal) {
            slider->setFixedSize(297, 33 + 8);
        } else {
            slider->setFixedSize(45, 200);
        }
        auto* title = new QLabel(QString::fromUtf8(sample.title), &window);
        auto* value = new QLabel(QString::number(sample.value), &window);
        value->setMinimumWidth(40);
        slider->OnChange = [value](TCustomValueSlider* sender) { value->setNum(sender->Value()); };
        if (sample.orientation == soHorizontal) {
            grid->addWidget(title, horizontalRow, 0);
            grid->addWidget(slider, horizontalRow, 1);
            grid->addWidget(value, horizontalRow, 2);
            ++horizontalRow;
        } else {
            auto* column = new QVBoxLayout;
            column->addWidget(title);
            column->addWidget(slider, 0, Qt::AlignHCenter);
            column->addWidget(value, 0, Qt::AlignHCenter);
            grid->addLayout(column, 0, 3 + verticalColumn++, 5, 1);
        }
    }
    window.show();
    if (argc > 1) {
        const QString path = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(300, &window, [&window, path] {
            window.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
