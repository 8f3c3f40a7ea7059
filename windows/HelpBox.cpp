#include "windows/HelpBox.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/FormLook.h"

namespace {

const char* const kHowToPlay = QT_TRANSLATE_NOOP("HelpBox", R"(
<h3>How to play</h3>
<p>Find the 18 pairs among the 36 cards. Turn two cards: click them, or move to a card
with the arrow keys and press Space or Enter. Two alike stay face up and score
<b>100 points</b>. Two that differ cost <b>10 points</b> and turn back after the delay
set in Options.</p>
<h3>Show!</h3>
<p><b>Game &rarr; Show!</b> (F4) flashes the blue frame of the partner of the card
turned up, or of a pair when no card is up. Each use costs <b>75 points</b>, and a game
has <b>50</b> of them.</p>
<h3>Keys</h3>
<table cellpadding="2">
<tr><td>Arrows</td><td>move between the cards</td></tr>
<tr><td>Home, End</td><td>the first card, the last card</td></tr>
<tr><td>Space, Enter</td><td>turn the card</td></tr>
<tr><td>F2</td><td>a new game</td></tr>
<tr><td>F3</td><td>the leaders table</td></tr>
<tr><td>F4</td><td>Show!</td></tr>
<tr><td>F10</td><td>end the game</td></tr>
<tr><td>F1</td><td>this help</td></tr>
</table>
<h3>The leaders table</h3>
<p>A finished game with more points than the tenth place asks for your name and enters
the table of the ten best results (<b>Game &rarr; Leads</b>, F3). Names take the letters
of Western European languages, up to 10.</p>
<h3>Your own card sets</h3>
<p><b>Options &rarr; Make a set&hellip;</b> asks for a picture for the card back, 18
pictures for the faces and a name, and makes the set; Options then lists it first,
marked &ldquo;(yours)&rdquo;. From a terminal, <code>cardgen make</code> does the same
(<code>man cardgen</code>).</p>
)");

}  // namespace

HelpBox::HelpBox(QWidget* parent) : GameHoldingDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpBox"));
    setWindowTitle(tr("How to play Quorvix"));
    setModal(true);
    setFont(FormFont(11));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setHtml(tr(kHowToPlay));
    text->setAccessibleName(tr("How to play"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(460, 520);
}
