// The leaders window TForm3: the ten best results, "Clear" and "OK".
#pragma once

#include <QDialog>

#include <array>

#include "model/LeadsBook.h"

class QLabel;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(LeadsBook& leads, QWidget* parent = nullptr);

    // The width a name label needs for any ten characters the file can hold.
    static int NameWidth(const QFont& font);
    // What assistive technology finds in the window: one line a place (the name
    // label, named with the points), the headings and the buttons; the rank and
    // points labels would only say again what the line says.
    QList<QWidget*> AccessibleParts() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void ReloadAndFill();
    void FillLabels();
    void SpeedButton1Click();

    LeadsBook& leads_;
    std::array<QLabel*, kLeadEntries> names_{};
    std::array<QLabel*, kLeadEntries> points_{};
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
};
