#include "windows/AboutBox.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/FormLook.h"
#include "QuorvixVersion.h"

AboutBox::AboutBox(QWidget* parent) : GameHoldingDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Quorvix"));
    setModal(true);
    setFont(FormFont(11));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/quorvix/quorvix.png")));
    auto* name = new QLabel(QStringLiteral("Quorvix"), this);
    name->setFont(FormFont(24, true));
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(QUORVIX_VERSION)), this);
    auto* maker = new QLabel(tr("A pairs-matching memory game by Dravontek"), this);

    auto* web = new QPushButton(tr("&Web page"), this);
    auto* mail = new QPushButton(tr("&Mail"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    const QUrl webPage(QString::fromLatin1(kWebPage)), mailTo(QString::fromLatin1(kMail));
    connect(web, &QPushButton::clicked, this, [this, webPage] { Open(webPage, webPage.toString()); });
    connect(mail, &QPushButton::clicked, this, [this, mailTo] { Open(mailTo, mailTo.path()); });
    opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // Selectable, so that the address can be copied into whatever the player uses.
    addressNote_ = new QLabel(this);
    addressNote_->setObjectName(QStringLiteral("AddressNote"));
    addressNote_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    addressNote_->setFocusPolicy(Qt::StrongFocus);
    addressNote_->hide();
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
    layout->addWidget(addressNote_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::Open(const QUrl& url, const QString& address) {
    if (opener_(url)) {
        addressNote_->hide();
        return;
    }
    addressNote_->setText(tr("No program here opens it. The address:\n%1").arg(address));
    addressNote_->show();
    addressNote_->setFocus();
}
