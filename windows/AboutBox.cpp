#include "windows/AboutBox.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/FormLook.h"
#include "model/GameReady.h"
#include "QuorvixVersion.h"

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Quorvix"));
    setModal(true);
    setFont(FormFont(11));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/quorvix/quorvix.png")));
    auto* name = new QLabel(QStringLiteral("Quorvix"), this);
    name->setFont(FormFont(24, true));
    auto* version = new QLabel(QStringLiteral("Version " QUORVIX_VERSION), this);
    auto* maker = new QLabel(QStringLiteral("A pairs-matching memory game by Dravontek"), this);

    auto* web = new QPushButton(QStringLiteral("&Web page"), this);
    auto* mail = new QPushButton(QStringLiteral("&Mail"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(web, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebPage))); });
    connect(mail, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMail))); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(maker);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(web);
    buttons->addWidget(mail);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GameReady = false;
}

void AboutBox::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    GameReady = true;
}
