#include "Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <QTime>

#include <cstdio>
#include <utility>
#include <unistd.h>

#include "CardImage.h"
#include "CardSets.h"
#include "ErrorReport.h"
#include "FormLook.h"
#include "GameReady.h"
#include "LeadsFile.h"
#include "Unit2.h"
#include "Unit3.h"

namespace {

constexpr QColor kFrameGrey(160, 160, 164);
constexpr QColor kFrameHint(0, 0, 255);

uint32_t SeedFromClock() {
    const QTime now = QDateTime::currentDateTimeUtc().time();
    return ClockSeed(now.hour(), now.minute(), now.second(), now.msec());
}

}  // namespace

TForm1::TForm1(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(programFolder.endsWith(QLatin1Char('/')) ? programFolder : programFolder + QLatin1Char('/')),
      board_(*this, SeedFromClock, [this] { return settings_.TurnDelay; },
             [this] { return leads_.Table().points[kLeadEntries - 1]; }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(FormFont(11));
    BuildBoard();
    BuildMenu();
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetWindows(TForm3* leads, TForm2* nameEntry, QDialog* options, QDialog* about) {
    leadsWindow_ = leads;
    nameEntryWindow_ = nameEntry;
    optionsWindow_ = options;
    aboutWindow_ = about;
}

void TForm1::BuildBoard() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(500, 505);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    SetBackgroundColour(Panel1, Qt::white);
    setCentralWidget(Panel1);

    for (int cell = 1; cell <= kCells; ++cell) {
        const int row = (cell - 1) / 6, column = (cell - 1) % 6;
        QFrame* frame = new QFrame(Panel1);
        frame->setObjectName(QStringLiteral("p%1").arg(cell));
        frame->setGeometry(32 + 72 * column, 24 + 72 * row, 70, 70);
        SetBackgroundColour(frame, kFrameGrey);
        CardImage* image = new CardImage(frame);
        image->setObjectName(QStringLiteral("Image%1").arg(cell));
        image->setGeometry(5, 5, 60, 60);
        connect(image, &CardImage::clicked, this, [this, cell] { ReportingErrors([&] { board_.TurnCard(cell); }, this); });
        p[size_t(cell - 1)] = frame;
        Image[size_t(cell - 1)] = image;
    }

    const QFont big = FormFont(24, true);
    Label1 = new QLabel(QStringLiteral("Points"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("0"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(big);
        label->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
        label->setTextFormat(Qt::PlainText);
    }
    // "Points" ends just left of the readout whatever the font's width.
    Label1->setGeometry(158, 462, 160, 32);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2->setGeometry(326, 462, 160, 32);
}

void TForm1::BuildMenu() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    auto add = [this](QMenu* menu, const char* name, const QString& text, QKeySequence key, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text, this, handler);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        return action;
    };
    add(game, "new1", QStringLiteral("&New"), Qt::Key_F2, &TForm1::new1Click);
    add(game, "Leads1", QStringLiteral("&Leads"), Qt::Key_F3, &TForm1::Leads1Click);
    game->addSeparator();
    Showmeplease1 = add(game, "Showmeplease1", QStringLiteral("&Show!"), Qt::Key_F4, &TForm1::Showmeplease1Click);
    game->addSeparator();
    add(game, "ExitF101", QStringLiteral("E&xit"), Qt::Key_F10, &TForm1::ExitF101Click);
    QAction* options = menuBar()->addAction(QStringLiteral("&Options"), this, &TForm1::Options1Click);
    options->setObjectName(QStringLiteral("Options1"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"), this, &TForm1::About1Click)->setObjectName(QStringLiteral("About1"));
}

void TForm1::FormCreate() {
    GameReady = false;
    LoadSettings(settings_, *OpenSettingsStore());
    // A stored set that is gone or incomplete must not lock the player out for good.
    const QString problem = CardSetProblem(BuildCardFolder(programFolder_, settings_.CardSetName));
    if (!problem.isEmpty() && !FallBackFromCardSet(problem, {})) StopForReinstall();
    ApplyCardSet();
    if (const QString text = leads_.Load(); !text.isEmpty()) ShowErrorReport(text, this);
    NewGameOrStop();
}

void TForm1::ApplyCardSet() {
    settings_.CardFolder = BuildCardFolder(programFolder_, settings_.CardSetName);
    setWindowTitle(QStringLiteral("Quorvix: ") + settings_.CardSetName);
}

bool TForm1::FallBackFromCardSet(const QString& reason, const QStringList& excluded) {
    const QString broken = settings_.CardSetName;
    const QString chosen = ChooseCardSet(CardSetsFolder(programFolder_), QString(), excluded + QStringList{broken});
    if (chosen.isEmpty()) return false;
    settings_.CardSetName = chosen;
    ApplyCardSet();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quorvix"),
                    QStringLiteral("The card set \"%1\" cannot be played: %2.\nQuorvix uses the set \"%3\" instead.")
                        .arg(broken, reason, chosen),
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.setObjectName(QStringLiteral("CardSetFallBack"));
    box.exec();
    return true;
}

void TForm1::NewGameOrStop() {
    QStringList tried;
    for (;;) {
        pictures_.Clear();  // a new deal reads the pictures afresh
        try {
            board_.NewGame();
            return;
        } catch (const CardImageError& error) {
            tried << settings_.CardSetName;
            if (!FallBackFromCardSet(QString::fromStdString(error.what()), tried)) StopForReinstall();
        }
    }
}

void TForm1::StopForReinstall() {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvix: Error!"), QStringLiteral("Please reinstall Quorvix"),
                    QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Ends at once: nothing is saved.
    std::fflush(nullptr);
    ::_exit(0);
}

// A face that cannot be loaded shows a stand-in, so that the board always shows
// what the game counts; its error is raised once per picture.
void TForm1::ShowFace(int cell, int value) {
    CardImage* image = Image[size_t(cell - 1)];
    CardPictures::Picture& face =
        pictures_.Get(settings_.CardFolder + QString::number(value) + QStringLiteral(".bmp"), image->devicePixelRatioF());
    image->setPixmap(face.pixmap.isNull() ? StandInFace(value, image->size(), image->devicePixelRatioF()) : face.pixmap);
    if (!face.error.isEmpty() && !std::exchange(face.reported, true)) throw CardImageError(face.error.toStdString());
}

void TForm1::ShowBack(int cell) {
    CardImage* image = Image[size_t(cell - 1)];
    const CardPictures::Picture& back = pictures_.Get(settings_.CardFolder + QStringLiteral("space.bmp"), image->devicePixelRatioF());
    if (back.pixmap.isNull()) throw CardImageError(back.error.toStdString());
    image->setPixmap(back.pixmap);
}

void TForm1::RepaintNow(int cell) { Image[size_t(cell - 1)]->repaint(); }

void TForm1::ProcessEvents() { QCoreApplication::processEvents(); }

// Blocks without handling input: clicks and keys stay queued until the turn is done.
void TForm1::Wait(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(ulong(milliseconds));
}

void TForm1::ShowPoints(int32_t points) { Label2->setText(QString::number(points)); }

void TForm1::SetFrameColour(int cell, FrameColour colour) {
    SetBackgroundColour(p[size_t(cell - 1)], colour == FrameColour::Hint ? kFrameHint : kFrameGrey);
}

void TForm1::SetHintEnabled(bool enabled) { Showmeplease1->setEnabled(enabled); }

void TForm1::OpenNameEntry() {
    if (nameEntryWindow_) nameEntryWindow_->Open(board_.Points());
    GameReady = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    try {
        SaveSettings(settings_, SettingsFilePath(), programFolder_);
    } catch (const SettingsError& error) {
        // Reported; closing goes ahead.
        ShowErrorReport(QString::fromStdString(error.what()), this);
    }
}

void TForm1::new1Click() {
    if (GameReady) NewGameOrStop();
}

void TForm1::Leads1Click() {
    if (GameReady && leadsWindow_) leadsWindow_->exec();
}

void TForm1::Showmeplease1Click() {
    ReportingErrors([this] { board_.ShowHint(); }, this);
}

void TForm1::ExitF101Click() { close(); }

void TForm1::Options1Click() {
    if (GameReady && optionsWindow_) optionsWindow_->exec();
}

void TForm1::About1Click() {
    if (GameReady && aboutWindow_) aboutWindow_->exec();
}
