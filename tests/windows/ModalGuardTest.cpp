// The window tests' safety net, tested: a check that fails inside a modal window
// leaves that window open, and the test must still end, quickly, with the check's
// message. Every test here fails on purpose, inside another kind of window; the
// program passes when all of them failed, each within 10 seconds.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

#include "ui/ErrorReport.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"

namespace {
constexpr int kFailingTests = 5;
constexpr qint64 kLimitMs = 10000;
qint64 slowestMs = 0;
}  // namespace

class ModalGuardTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sandbox = std::make_unique<GameSandbox>();
        clock.start();
    }
    void cleanup() {
        sandbox.reset();
        slowestMs = std::max(slowestMs, clock.elapsed());
    }

    void failureInsideTheNameEntry() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        WhenModal([](QWidget* nameEntry) { QCOMPARE(nameEntry->windowTitle(), QStringLiteral("planted failure")); });
        windows.form2.Open(100);
    }
    void failureInsideTheLeadersWindow() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        WhenModal([](QWidget*) { QVERIFY2(false, "planted failure"); });
        windows.form3.exec();
    }
    void failureInsideTheOptionsWindow() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        WhenModal([](QWidget*) { QVERIFY2(false, "planted failure"); });
        windows.form4.exec();
    }
    void failureInsideTheAboutWindow() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        WhenModal([](QWidget*) { QVERIFY2(false, "planted failure"); });
        windows.about.exec();
    }
    void failureInsideAMessageBox() {
        WhenModal([](QWidget*) { QVERIFY2(false, "planted failure"); });
        ShowErrorReport(QStringLiteral("an error"));
    }

private:
    std::unique_ptr<GameSandbox> sandbox;
    QElapsedTimer clock;
};

int main(int argc, char** argv) {
    QuorvixApplication app(argc, argv);
    ModalGuardTest test;
    qInfo("Each test below fails on purpose inside a modal window; what counts is that each ends within 10 s.");
    const int failed = QTest::qExec(&test, argc, argv);
    const bool ok = failed == kFailingTests && slowestMs < kLimitMs;
    qInfo("%d of %d planted failures reported, the slowest after %lld ms: %s", failed, kFailingTests, slowestMs,
          ok ? "the safety net holds" : "THE SAFETY NET FAILED");
    return ok ? 0 : 1;
}

#include "ModalGuardTest.moc"
