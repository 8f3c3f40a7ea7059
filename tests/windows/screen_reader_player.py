#!/usr/bin/env python3
"""Plays whole games of the real program by keyboard only, as a blind player does:
everything it knows comes over AT-SPI, as it reaches a screen reader, and every key
goes to whichever window the window manager has focused.

Usage: screen_reader_player.py GAMES ORCA_DEBUG_FILE
Checks the cards (buttons with a press action, named by place, no empty frames
around them), plays GAMES games from what the announcements say (the first card
turned by the press action), enters a name after each, and checks that the keyboard
is back on the board afterwards. The first game is played at the turn-back delay
the settings hold; the delay is then set to 0 in Options, confirmed by Return.
Every announcement must also be in Orca's record of its speech, in order.
"""
import datetime
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []      # (monotonic time, text) of every announcement
focused = []    # names of the objects that took the focus, in order
last_key = [0.0]  # wall time of the last key or press


def fail(message):
    print("FAIL: " + message)
    print("last announcements: %s" % [text for _, text in heard[-5:]])
    print("last focus: %s" % focused[-5:])
    print("last speech: %s" % [text for _, text in orca.spoken[-5:]])
    sys.exit(1)


class OrcaRecord:
    """What Orca said, read from its debug file as it grows."""
    # "HH:MM:SS.micro - SPEECH OUTPUT: 'text'" and the voice after it: {...}
    LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{.*\}$", re.DOTALL)

    def __init__(self, path):
        self.file = open(path, errors="replace")
        self.spoken = []   # (seconds of the day, text)
        self.partial = ""  # a line Orca has not finished writing
        self.entry = None  # an announcement of several lines, so far
        self.position = 0  # what was matched so far
        self.slowest = (0.0, "")

    def read(self):
        """Takes what Orca wrote since; an announcement of several lines ends with its voice."""
        lines = (self.partial + self.file.read()).split("\n")
        self.partial = lines.pop()
        for line in lines:
            if self.entry is None and " - SPEECH OUTPUT: '" not in line:
                continue
            self.entry = line if self.entry is None else self.entry + "\n" + line
            match = self.LINE.match(self.entry)
            if match:
                self.spoken.append((int(match[1]) * 3600 + int(match[2]) * 60 + float(match[3]), match[4]))
            if match or re.search(r"\}$", line):
                self.entry = None

    def said(self, text, news=False):
        """Waits until Orca said the text after all it said before; a card's news is also
        timed from its key."""
        def find():
            self.read()
            return next((i for i in range(self.position, len(self.spoken)) if text(self.spoken[i][1])), None)
        index = wait_for(lambda: (lambda i: None if i is None else i + 1)(find()), "Orca to say it") - 1
        key_time = datetime.datetime.fromtimestamp(last_key[0])
        key_seconds = key_time.hour * 3600 + key_time.minute * 60 + key_time.second + key_time.microsecond / 1e6
        since_key = lambda i: (self.spoken[i][0] - key_seconds) % 86400
        # Nothing may tell of a card face down between the key and what it turned up.
        for i in range(self.position, index):
            if news and since_key(i) < 3600 and "face down" in self.spoken[i][1]:
                fail("Orca said %r before %r" % (self.spoken[i][1], self.spoken[index][1]))
        self.position = index + 1
        if news:
            self.slowest = max(self.slowest, (since_key(index), self.spoken[index][1]))
        return self.spoken[index][1]


orca = None


def on_event(event):
    try:
        role, name = event.source.getRole(), event.source.name
    except Exception:
        return
    if event.type.startswith("object:state-changed:showing") and event.detail1 and role == pyatspi.ROLE_NOTIFICATION:
        heard.append((time.monotonic(), name))
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        focused.append(name)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.005)


def wait_for(predicate, what, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        pump(0.02)
    fail("waited %d s for %s" % (timeout, what))


def key(*keys):
    last_key[0] = time.time()
    subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), check=True)


def next_news(since, what, turned=False):
    """The next announcement, once Orca said it too: after a card turned, before
    anything that tells of a card face down."""
    news = wait_for(lambda: next((text for t, text in heard if t > since), None), what)
    # Orca's record indents the lines of a text after its first.
    said = lambda text: " ".join(text.split()).rstrip(".")
    orca.said(lambda spoken: said(spoken) == said("notification " + news), news=turned)
    return news


def find(root, predicate, found=None):
    found = [] if found is None else found
    if predicate(root):
        found.append(root)
    for child in root:
        if child is not None:
            find(child, predicate, found)
    return found


PLACE = re.compile(r"^row (\d), column (\d), ")
TURN = re.compile(r"^(.*): (a pair|no pair)\. Points: (-?\d+)$")


def cell_of(name):
    match = PLACE.match(name or "")
    return (int(match.group(1)) - 1) * 6 + int(match.group(2)) if match else None


class Player:
    def __init__(self, app):
        self.app = app
        self.frame = next(w for w in app if w.getRole() == pyatspi.ROLE_FRAME)
        self.cards = {}
        for card in find(self.frame, lambda o: cell_of(o.name) is not None):
            self.cards[cell_of(card.name)] = card

    def check_cards(self):
        if sorted(self.cards) != list(range(1, 37)):
            fail("the board shows %d cards by place" % len(self.cards))
        for cell, card in self.cards.items():
            if card.getRole() != pyatspi.ROLE_PUSH_BUTTON:
                fail("card %d is a %s, not a button" % (cell, card.getRoleName()))
            action = card.queryAction()
            names = [action.getName(i).lower() for i in range(action.nActions)]
            if "press" not in names:
                fail("card %d has no press action, only %s" % (cell, names))
            parent = card.parent
            if parent.getRole() == pyatspi.ROLE_FRAME or not parent.name:
                fail("card %d sits in an unnamed %s" % (cell, parent.getRoleName()))
        frames = find(self.frame, lambda o: o.getRole() == pyatspi.ROLE_FRAME)
        if frames != [self.frame]:
            fail("%d frames inside the game window" % (len(frames) - 1))

    def focused_cell(self):
        for cell, card in self.cards.items():
            if card.getState().contains(pyatspi.STATE_FOCUSED):
                return cell
        return None

    def move_to(self, cell):
        here = wait_for(self.focused_cell, "a card with the keyboard focus")
        keys = []
        row, column = divmod(cell - 1, 6)
        here_row, here_column = divmod(here - 1, 6)
        keys += ["Down"] * (row - here_row) + ["Up"] * (here_row - row)
        keys += ["Right"] * (column - here_column) + ["Left"] * (here_column - column)
        if keys:
            key(*keys)
            wait_for(lambda: self.focused_cell() == cell, "the focus on card %d" % cell)
            # A player listens for the place before turning the card.
            place = "row %d, column %d, " % (row + 1, column + 1)
            orca.said(lambda spoken: spoken.startswith(place))

    def turn(self, cell, press_action=False):
        since = time.monotonic()
        if press_action:
            last_key[0] = time.time()
            self.cards[cell].queryAction().doAction(0)
        else:
            self.move_to(cell)
            key("space")
        return next_news(since, "the news of card %d" % cell, turned=True)

    def play(self, first_by_action):
        faces = {}      # cell -> face, of the cards seen and not yet matched
        matched = set()
        points = 0
        first_turn = True
        while len(matched) < 36:
            known_pair = next(((a, b) for a in faces for b in faces
                               if a < b and faces[a] == faces[b]), None)
            unseen = [c for c in range(1, 37) if c not in faces and c not in matched]
            first = known_pair[0] if known_pair else unseen[0]
            face = self.turn(first, press_action=first_by_action and first_turn)
            first_turn = False
            if TURN.match(face):
                fail("the first card of a turn told %r" % face)
            faces[first] = face
            partner = next((c for c, f in faces.items() if f == face and c != first), None)
            second = partner or next(c for c in unseen if c != first)
            news = TURN.match(self.turn(second))
            if not news:
                fail("the second card of a turn told %r" % heard[-1][1])
            faces[second] = news.group(1)
            pair = news.group(2) == "a pair"
            if pair != (faces[first] == faces[second]):
                fail("%r and %r told as %s" % (faces[first], faces[second], news.group(2)))
            points += 100 if pair else -10
            if int(news.group(3)) != points:
                fail("points told as %s, %d expected" % (news.group(3), points))
            if pair:
                matched |= {first, second}
                del faces[first], faces[second]
        return points


def main():
    global orca
    games = int(sys.argv[1])
    orca = OrcaRecord(sys.argv[2])
    registry = pyatspi.Registry
    registry.registerEventListener(on_event, "object:state-changed:showing", "object:state-changed:focused")
    desktop = registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a and a.name == "Quorvix"), None), "the game on the bus")
    player = wait_for(lambda: (lambda p: p if len(p.cards) == 36 else None)(Player(app)), "the board")
    player.check_cards()
    for game in range(1, games + 1):
        points = player.play(first_by_action=game == 1)
        # A top-10 result: the name entry has the keyboard; its name goes in by Return.
        wait_for(lambda: focused and focused[-1] == "Your name for the leaders table", "the name entry's field")
        orca.said(lambda spoken: spoken.startswith("Your name for the leaders table text"))
        since = time.monotonic()
        key("B", "l", "i", "n", "d", "Return")
        wait_for(lambda: any(w.getRole() == pyatspi.ROLE_DIALOG and w.name == "Leads" and
                             w.getState().contains(pyatspi.STATE_ACTIVE) for w in app), "the leaders window")
        # The rows, each once, as a player hears them when the window opens.
        entry = re.compile(r": Blind, %d points( Place |\.?$)" % points)
        orca.said(lambda spoken: spoken.startswith("Leads dialog Place 1: ") and entry.search(spoken))
        key("Return")
        over = next_news(since, "the end-of-game note")
        if "%d point" % points not in over and str(points) not in over:
            fail("the end-of-game note %r does not tell %d points" % (over, points))
        # The keyboard is back on the board: a card has the focus, and the next game
        # starts with F2 and is played by arrows and Space.
        wait_for(lambda: player.frame.getState().contains(pyatspi.STATE_ACTIVE) and player.focused_cell(),
                 "the keyboard focus back on the board after game %d" % game, timeout=10)
        since = time.monotonic()
        key("F2")
        if next_news(since, "a new game after F2") != "New game":
            fail("F2 told %r" % heard[-1][1])
        if game == 1:
            set_no_delay(app)
    print("played %d games by keyboard; Orca said all %d announcements in order, the slowest %.2f s after its key (%r)"
          % (games, len(heard), orca.slowest[0], orca.slowest[1]))


def set_no_delay(app):
    key("alt+o")
    wait_for(lambda: any(w.name == "Options" and w.getState().contains(pyatspi.STATE_ACTIVE) for w in app),
             "the options window")
    orca.said(lambda spoken: spoken.startswith("Card set: animals combo box"))
    key("Tab")
    wait_for(lambda: focused and focused[-1] == "Turn-back delay in milliseconds", "the delay slider")
    orca.said(lambda spoken: spoken.startswith("Turn-back delay in milliseconds slider 500"))
    key("Home", "Return")
    wait_for(lambda: not any(w.name == "Options" and w.getState().contains(pyatspi.STATE_SHOWING) for w in app),
             "Return to confirm the options")


if __name__ == "__main__":
    main()
