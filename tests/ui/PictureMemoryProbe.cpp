// The game as a player runs it, for measuring its memory from outside: the windows
// for the program folder given, a whole game played, every window that opens closed
// again (error reports, the name entry), then the end.
// Usage: picture_memory_probe PROGRAM_FOLDER
#include <QDialog>
#include <QTimer>

#include "windows/CardImage.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"

int main(int argc, char** argv) {
    QuorvixApplication app(argc, argv);
    if (argc != 2) return 2;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(QDialog::Rejected);
    });
    closer.start(5);
    QuorvixWindows windows(QString::fromLocal8Bit(argv[1]));
    windows.form1.show();
    GameBoard& board = windows.form1.Board();
    for (int cell = 1; cell <= 36; ++cell) {
        if (board.IsMatched(cell)) continue;
        for (int partner = cell + 1; partner <= 36; ++partner)
            if (board.CardValue(partner) == board.CardValue(cell)) {
                for (int turned : {cell, partner})
                    emit windows.form1.findChild<CardImage*>(QStringLiteral("Image%1").arg(turned))->clicked();
            }
    }
    QCoreApplication::processEvents();
    return board.MatchedCount() == 36 ? 0 : 1;
}
