#include "windows/Unit4.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QStandardItemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "ui/CardPictures.h"
#include "ui/CardSetMaker.h"
#include "ui/ErrorReport.h"
#include "model/CardSets.h"
#include "ui/FlatButton.h"
#include "ui/FormLook.h"
#include "model/GameReady.h"
#include "widgets/ValueSlider.h"

TForm4::TForm4(QWidget* owner, OptionsLinks links)
    : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      owner_(owner),
      links_(std::move(links)) {
    SetUpFixedDialog(this, QStringLiteral("Form4"), tr("Options"), QSize(315, 178));

    auto* GroupBox1 = new QGroupBox(tr("Cards"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(9, 8, 297, 73);

    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 27, 217, 19);
    ComboBox1->setCursor(Qt::PointingHandCursor);
    ComboBox1->setAccessibleName(tr("Card set"));
    // What names the list to a screen reader on Linux, where Qt names a combo box by
    // its current text and offers no selection to read it from: a label with the
    // list as its buddy, which says the set chosen too. It lies under the list, which
    // covers it, so the window keeps its look.
    auto* comboLabel = new QLabel(tr("Card set"), GroupBox1);
    comboLabel->setObjectName(QStringLiteral("ComboBox1Label"));
    comboLabel->setGeometry(ComboBox1->geometry());
    comboLabel->setBuddy(ComboBox1);
    comboLabel->lower();
    connect(ComboBox1, &QComboBox::currentTextChanged, comboLabel, [comboLabel](const QString& set) {
        comboLabel->setText(set.isEmpty() ? tr("Card set") : tr("Card set: %1").arg(set));
    });
    connect(ComboBox1, &QComboBox::activated, this, &TForm4::ComboBox1Change);  // the player's choices only

    Panel1 = new QFrame(GroupBox1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(240, 12, 49, 49);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    SetBackgroundColour(Panel1, Qt::white);
    // The caption lies under the picture and shows only while there is none.
    Panel1Caption = new QLabel(Panel1);
    Panel1Caption->setObjectName(QStringLiteral("Panel1Caption"));
    Panel1Caption->setGeometry(1, 1, 47, 47);
    Panel1Caption->setAlignment(Qt::AlignCenter);
    Panel1Caption->setFont(FormFont(11, true));
    Panel1Caption->setStyleSheet(QStringLiteral("color: red;"));
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 47, 47);
    Image1->setScaledContents(true);
    Image1->setAccessibleName(tr("Preview of the card set"));

    auto* Label2 = new QLabel(tr("Delay"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(16, 88);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(53, 88, 120, 13);

    ValueSlider1 = new TValueSlider(this);
    ValueSlider1->setObjectName(QStringLiteral("ValueSlider1"));
    ValueSlider1->setGeometry(9, 104, 297, 33);
    ValueSlider1->SetMaxValue(2000);
    ValueSlider1->SetIncrement(50);
    ValueSlider1->SetEdgeSize(4);
    ValueSlider1->SetOptions(soShowFocus | soShowPoints);
    ValueSlider1->SetValue(100);
    ValueSlider1->setPalette(palette());  // the window's white
    ValueSlider1->setCursor(Qt::PointingHandCursor);
    ValueSlider1->setAccessibleName(tr("Turn-back delay in milliseconds"));
    ValueSlider1->OnChange = [this](TCustomValueSlider*) { ValueSlider1Change(); };

    SpeedButton1 = MakeFlatButton(QStringLiteral("OK"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(233, 146, 73, 25);
    SpeedButton1->setAccessibleName(QStringLiteral("OK"));
    connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::accept);

    // A set of the player's own pictures, made as cardgen makes one.
    MakeSetButton = MakeFlatButton(tr("Make a set\u2026"), this);
    MakeSetButton->setObjectName(QStringLiteral("MakeSetButton"));
    MakeSetButton->setGeometry(9, 146, 110, 25);
    MakeSetButton->setAccessibleName(tr("Make a card set of your own pictures"));
    connect(MakeSetButton, &QPushButton::clicked, this, &TForm4::MakeSetClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    // The keyboard reaches the buttons after the list and the slider.
    for (QPushButton* button : {MakeSetButton, SpeedButton1}) button->setFocusPolicy(Qt::TabFocus);
    setTabOrder(ComboBox1, ValueSlider1);
    setTabOrder(ValueSlider1, MakeSetButton);
    setTabOrder(MakeSetButton, SpeedButton1);
    FormCreate();
}

void TForm4::FormCreate() { SetTimerEnabled(false); }

// Return and Enter press the button that has the focus, and confirm, as "OK" does,
// anywhere else (an open list takes them first, to choose).
void TForm4::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : SpeedButton1)->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A timer with an interval of 0 stays silent until a non-zero interval is set.
void TForm4::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (timerEnabled_ && timerInterval_ > 0)
        Timer1->start(timerInterval_);
    else
        Timer1->stop();
}

void TForm4::SetTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    SetTimerEnabled(timerEnabled_);  // a new interval restarts the countdown
}

QString TForm4::DelayText(int milliseconds) {
    return QLocale().toString(milliseconds / 1000.0, 'g', 15) + tr(" sec");
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    move(owner_->frameGeometry().center() - rect().center());
    FormShow();
}

void TForm4::FormShow() {
    GameSettings& settings = links_.settings;
    ValueSlider1->SetValue(settings.TurnDelay);
    Label3->setText(DelayText(settings.TurnDelay));
    GameReady = false;
    FillCardSets();
    SelectCurrentSet();
    previewFrame_ = 0;
    settings.CardSetName = ComboBox1->currentIndex() >= 0 ? SetNameAt(ComboBox1->currentIndex()) : QString();
    settings.CardFolder = CardSetFolder(links_.programFolder, settings.CardSetName);
    SetTimerEnabled(true);
    optionsChanged_ = false;
}

// The sets are listed from the folders the game loads its pictures from, wherever
// the program was started: the player's own first, marked. A set that cannot be
// dealt is listed, greyed, with the reason, and cannot be chosen.
void TForm4::FillCardSets() {
    ComboBox1->clear();
    auto* model = qobject_cast<QStandardItemModel*>(ComboBox1->model());
    for (const CardSet& set : AllCardSets(links_.programFolder)) {
        QString text = set.name;
        if (set.user) text += tr(" (yours)");
        if (!set.problem.isEmpty()) text += tr(" (unusable: %1)").arg(set.problem);
        ComboBox1->addItem(text, set.name);
        if (set.problem.isEmpty()) continue;
        QStandardItem* item = model->item(ComboBox1->count() - 1);
        item->setEnabled(false);
        // Qt 6.4 tells assistive technology nothing of a disabled item: the name does.
        item->setData(tr("%1, unavailable: %2").arg(set.name, set.problem), Qt::AccessibleTextRole);
    }
}

QString TForm4::SetNameAt(int index) const { return ComboBox1->itemData(index).toString(); }

// The current set, matched exactly, letter case included, anywhere in the list.
void TForm4::SelectCurrentSet() {
    const QString& current = links_.settings.CardSetName;
    int index = -1;
    for (int i = 0; i < ComboBox1->count() && index < 0 && !current.isEmpty(); ++i)
        if (SetNameAt(i) == current) index = i;
    ComboBox1->setCurrentIndex(index);
}

// Choosing the set already in use changes nothing, so the game in progress goes on.
void TForm4::ComboBox1Change(int index) { ChooseSet(SetNameAt(index)); }

void TForm4::ChooseSet(const QString& name) {
    if (name == links_.settings.CardSetName) return;
    previewFrame_ = 0;
    links_.settings.CardSetName = name;
    links_.cardSetChanged();  // caption "Quorvix: " + the set, and its card folder
    SetTimerEnabled(true);
    optionsChanged_ = true;
}

// Makes a set in the player's own folder from the pictures they choose, and chooses
// it; what went wrong is told, and the sets stay as they were.
void TForm4::MakeSetClick() {
    const std::optional<NewSetChoice> choice = askForNewSet_(this);
    if (!choice) return;
    const QString folder = UserCardSetsFolder() + choice->name;
    if (QFileInfo::exists(folder) &&
        QMessageBox::question(this, tr("Make a card set"),
                              tr("You have a set named \u201c%1\u201d. Replace it?").arg(choice->name)) !=
            QMessageBox::Yes)
        return;
    const std::optional<QString> problem = MakeSetShowingProgress(this, folder, *choice);
    if (!problem) return;
    if (!problem->isEmpty()) {
        ShowErrorReport(tr("The set was not made.\n%1").arg(*problem), this);
        return;
    }
    FillCardSets();
    links_.settings.CardSetName.clear();  // the set of this name is a new one, even if it was chosen
    ChooseSet(choice->name);
    SelectCurrentSet();
}

void TForm4::ValueSlider1Change() {
    GameSettings& settings = links_.settings;
    settings.TurnDelay = ValueSlider1->Value();
    SetTimerInterval(settings.TurnDelay);
    Label3->setText(DelayText(settings.TurnDelay));
    optionsChanged_ = true;
}

bool TForm4::ShowPreview(const QString& path) {
    const qreal ratio = Image1->devicePixelRatioF();
    QString error;
    const QImage picture = ReadCardPicture(path, Image1->size() * ratio, &error);
    if (picture.isNull()) {
        Panel1Caption->setText(tr("ERROR"));
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(ratio);
    Image1->setPixmap(pixmap);
    return true;
}

void TForm4::Timer1Timer() {
    const QString& folder = links_.settings.CardFolder;
    if (previewFrame_ == 0) {
        if (!ShowPreview(folder + QStringLiteral("space.bmp"))) return;
        QCoreApplication::processEvents();
        previewFrame_ = 1;
    } else {
        if (!ShowPreview(folder + QString::number(previewFrame_) + QStringLiteral(".bmp"))) return;
        previewFrame_ = previewFrame_ + 1 == 19 ? 0 : previewFrame_ + 1;
    }
}

void TForm4::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    FormHide();
}

void TForm4::FormHide() {
    SetTimerEnabled(false);
    if (optionsChanged_) {
        GameReady = false;
        links_.dealAgain();
    } else {
        GameReady = true;
    }
}
