// The about window: the program's picture, name and version, and the maker's
// web page and mail address opened with the system's default programs; where no
// program opens them, the window shows the address instead.
#pragma once

#include <QUrl>

#include <functional>

#include "windows/GameHoldingDialog.h"

class QLabel;

class AboutBox : public GameHoldingDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    static constexpr const char* kWebPage = "https://www.dravontek.com/quorvix";
    static constexpr const char* kMail = "mailto:quorvix@dravontek.com?subject=Quorvix";

    // Opens an address with the system's programs; whether one took it.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }

private:
    void Open(const QUrl& url, const QString& address);

    UrlOpener opener_;
    QLabel* addressNote_ = nullptr;
};
