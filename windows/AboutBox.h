// The about window: the program's picture, name and version, and the maker's
// web page and mail address opened with the system's default programs.
#pragma once

#include <QDialog>

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    static constexpr const char* kWebPage = "https://www.dravontek.com/quorvix";
    static constexpr const char* kMail = "mailto:quorvix@dravontek.com?subject=Quorvix";

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
