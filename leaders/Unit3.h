// The leaders window TForm3: the ten best results, "Clear" and "OK".
#pragma once

#include <QDialog>

#include <array>

#include "LeadsTable.h"

class QLabel;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(LeadsTable& leads, QString leadsPath, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void ReloadAndFill();
    void FillLabels();
    void SpeedButton1Click();

    LeadsTable& leads_;
    QString leadsPath_;
    std::array<QLabel*, kLeadEntries> names_{};
    std::array<QLabel*, kLeadEntries> points_{};
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
};

// A flat, bold, underlined button with a hand cursor, as both leaders windows use.
QPushButton* MakeFlatButton(const QString& text, QWidget* parent);
