<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvix</source>
        <translation>Über Quorvix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>No program here opens it. The address:
%1</source>
        <translation>Kein Programm hier kann das öffnen. Die Adresse:
%1</translation>
    </message>
    <message>
        <source>A pairs-matching memory game by Dravontek</source>
        <translation>Ein Memory-Spiel von Dravontek</translation>
    </message>
</context>
<context>
    <name>BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, verdeckt</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Points: 0</source>
        <translation>Punkte: 0</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Pairs found: %1 of 18    Turns: %2    Show! left: %3</source>
        <translation>Paare gefunden: %1 von 18    Züge: %2    Zeigen! übrig: %3</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>Cannot load the card picture %1: the file is cut short</source>
        <translation>Das Kartenbild %1 kann nicht geladen werden: die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)</source>
        <translation>Das Kartenbild %1 kann nicht geladen werden: das Bild ist zu groß (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: %2</source>
        <translation>Das Kartenbild %1 kann nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>%1 pictures given; a set takes %2: the back, then 18 faces</source>
        <translation>%1 Bilder angegeben; ein Set braucht %2: die Rückseite, dann 18 Vorderseiten</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture: %3</source>
        <translation>%1 und %2 sind dasselbe Bild: %3</translation>
    </message>
    <message>
        <source>a face like the back could not be told from it</source>
        <translation>eine Vorderseite wie die Rückseite wäre von ihr nicht zu unterscheiden</translation>
    </message>
    <message>
        <source>two faces alike make a set that cannot be won without losing points</source>
        <translation>mit zwei gleichen Vorderseiten ist ein Set nicht ohne Punktverlust zu gewinnen</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 × %3 pixels)</source>
        <translation>%1: das Bild ist zu groß (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>cannot make the set %1: %2</source>
        <translation>das Set %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>the making was cancelled</source>
        <translation>das Erstellen wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>the folder&apos;s name is not UTF-8 text</source>
        <translation>der Ordnername ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>kein solcher Ordner</translation>
    </message>
    <message>
        <source>no back picture space.bmp</source>
        <translation>kein Rückseitenbild space.bmp</translation>
    </message>
    <message>
        <source>space.bmp is not a picture</source>
        <translation>space.bmp ist kein Bild</translation>
    </message>
    <message>
        <source>face %1.bmp missing</source>
        <translation>Vorderseite %1.bmp fehlt</translation>
    </message>
    <message>
        <source>faces %1 missing</source>
        <translation>Vorderseiten %1 fehlen</translation>
    </message>
    <message>
        <source>face %1.bmp is not a picture</source>
        <translation>Vorderseite %1.bmp ist kein Bild</translation>
    </message>
    <message>
        <source>faces %1 are not pictures</source>
        <translation>Vorderseiten %1 sind keine Bilder</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>it is a symbolic link of another user</source>
        <translation>es ist ein symbolischer Link eines anderen Benutzers</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>GameOverText</name>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Game over: </source>
        <translation>Spiel zu Ende: </translation>
    </message>
    <message>
        <source>, place %1 in the leaders table.</source>
        <translation>, Platz %1 in der Rangliste.</translation>
    </message>
    <message>
        <source>. The tenth place needs %1.</source>
        <translation>. Für den zehnten Platz braucht es %1.</translation>
    </message>
    <message>
        <source>
F2 starts a new game.</source>
        <translation>
F2 startet ein neues Spiel.</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>
&lt;h3&gt;How to play&lt;/h3&gt;
&lt;p&gt;Find the 18 pairs among the 36 cards. Turn two cards: click them, or move to a card
with the arrow keys and press Space or Enter. Two alike stay face up and score
&lt;b&gt;100 points&lt;/b&gt;. Two that differ cost &lt;b&gt;10 points&lt;/b&gt; and turn back after the delay
set in Options.&lt;/p&gt;
&lt;h3&gt;Show!&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Game &amp;rarr; Show!&lt;/b&gt; (F4) flashes the blue frame of the partner of the card
turned up, or of a pair when no card is up. Each use costs &lt;b&gt;75 points&lt;/b&gt;, and a game
has &lt;b&gt;50&lt;/b&gt; of them.&lt;/p&gt;
&lt;h3&gt;Keys&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Arrows&lt;/td&gt;&lt;td&gt;move between the cards&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Home, End&lt;/td&gt;&lt;td&gt;the first card, the last card&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Space, Enter&lt;/td&gt;&lt;td&gt;turn the card&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;a new game&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;the leaders table&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Show!&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;end the game&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;this help&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;The leaders table&lt;/h3&gt;
&lt;p&gt;A finished game with more points than the tenth place asks for your name and enters
the table of the ten best results (&lt;b&gt;Game &amp;rarr; Leads&lt;/b&gt;, F3). Names take the letters
of Western European languages, up to 10.&lt;/p&gt;
&lt;h3&gt;Your own card sets&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Options &amp;rarr; Make a set&amp;hellip;&lt;/b&gt; asks for a picture for the card back, 18
pictures for the faces and a name, and makes the set; Options then lists it first,
marked &amp;ldquo;(yours)&amp;rdquo;. From a terminal, &lt;code&gt;cardgen make&lt;/code&gt; does the same
(&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;So wird gespielt&lt;/h3&gt;
&lt;p&gt;Finden Sie die 18 Paare unter den 36 Karten. Drehen Sie zwei Karten um: klicken Sie
sie an, oder gehen Sie mit den Pfeiltasten zu einer Karte und drücken Sie die Leertaste
oder die Eingabetaste. Zwei gleiche bleiben offen liegen und bringen &lt;b&gt;100 Punkte&lt;/b&gt;.
Zwei verschiedene kosten &lt;b&gt;10 Punkte&lt;/b&gt; und werden nach der in den Optionen
eingestellten Pause wieder umgedreht.&lt;/p&gt;
&lt;h3&gt;Zeigen!&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Spiel &amp;rarr; Zeigen!&lt;/b&gt; (F4) lässt den blauen Rahmen des Partners der offenen Karte
aufblinken, oder den eines Paares, wenn keine Karte offen ist. Jedes Zeigen kostet
&lt;b&gt;75 Punkte&lt;/b&gt;, und ein Spiel hat &lt;b&gt;50&lt;/b&gt; davon.&lt;/p&gt;
&lt;h3&gt;Tasten&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Pfeiltasten&lt;/td&gt;&lt;td&gt;von Karte zu Karte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Pos1, Ende&lt;/td&gt;&lt;td&gt;die erste Karte, die letzte Karte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Leertaste, Eingabe&lt;/td&gt;&lt;td&gt;die Karte umdrehen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;ein neues Spiel&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;die Rangliste&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Zeigen!&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;das Spiel beenden&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;diese Hilfe&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Die Rangliste&lt;/h3&gt;
&lt;p&gt;Ein beendetes Spiel mit mehr Punkten als der zehnte Platz fragt nach Ihrem Namen und
kommt in die Liste der zehn besten Ergebnisse (&lt;b&gt;Spiel &amp;rarr; Rangliste&lt;/b&gt;, F3). Namen
nehmen die Buchstaben westeuropäischer Sprachen an, bis zu 10.&lt;/p&gt;
&lt;h3&gt;Eigene Kartensets&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Optionen &amp;rarr; Eigenes Set&amp;hellip;&lt;/b&gt; fragt nach einem Bild für die Rückseite,
18 Bildern für die Vorderseiten und einem Namen und erstellt das Set; die Optionen
zeigen es dann zuerst, mit &amp;bdquo;(eigenes)&amp;ldquo; markiert. Im Terminal tut
&lt;code&gt;cardgen make&lt;/code&gt; dasselbe (&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play Quorvix</source>
        <translation>So spielt man Quorvix</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
</context>
<context>
    <name>LeadsBook</name>
    <message>
        <source>Your result could not be saved; it is kept until Quorvix closes.

</source>
        <translation>Ihr Ergebnis konnte nicht gespeichert werden; es bleibt erhalten, bis Quorvix beendet wird.

</translation>
    </message>
</context>
<context>
    <name>LeadsFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot read the leaders table %1: %2</source>
        <translation>Die Rangliste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the leaders table %1: %2</source>
        <translation>Die Rangliste %1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>LeadsLock</name>
    <message>
        <source>the leaders table is in use by another program</source>
        <translation>die Rangliste wird von einem anderen Programm benutzt</translation>
    </message>
</context>
<context>
    <name>NewSetDialogs</name>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the picture for the card back</source>
        <translation>Bild für die Kartenrückseite wählen</translation>
    </message>
    <message>
        <source>Choose 18 pictures for the faces</source>
        <translation>18 Bilder für die Vorderseiten wählen</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Kartenset erstellen</translation>
    </message>
    <message>
        <source>%1 pictures chosen; a set takes 18 faces. Please choose 18.</source>
        <translation>%1 Bilder gewählt; ein Set braucht 18 Vorderseiten. Bitte wählen Sie 18.</translation>
    </message>
    <message>
        <source>Name of the new set:</source>
        <translation>Name des neuen Sets:</translation>
    </message>
    <message>
        <source>A set&apos;s name is a folder&apos;s name: not empty, without &quot;/&quot; or &quot;\&quot;, and not beginning with &quot;.&quot;.</source>
        <translation>Der Name eines Sets ist ein Ordnername: nicht leer, ohne „/“ oder „\“ und nicht mit „.“ beginnend.</translation>
    </message>
    <message>
        <source>Making the set “%1”…</source>
        <translation>Das Set „%1“ wird erstellt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QuorvixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>SetFolders</name>
    <message>
        <source>the name is too long: %1 bytes, and a set&apos;s name may have %2 at most</source>
        <translation>der Name ist zu lang: %1 Bytes, der Name eines Sets darf höchstens %2 haben</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot put the set in place at %1: %2</source>
        <translation>das Set kann nicht nach %1 gelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Failed to set data for &apos;cards&apos;
%1: %2</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden
%1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>, matched</source>
        <translation>, gefunden</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Rangliste</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Zeigen!</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Quorvix</translation>
    </message>
    <message>
        <source>Quorvix: </source>
        <translation>Quorvix: </translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be played: %2.
Quorvix uses the set &quot;%3&quot; instead.</source>
        <translation>Mit dem Kartenset „%1“ kann nicht gespielt werden: %2.
Quorvix nimmt stattdessen das Set „%3“.</translation>
    </message>
    <message>
        <source>Quorvix: Error!</source>
        <translation>Quorvix: Fehler!</translation>
    </message>
    <message>
        <source>Please reinstall Quorvix</source>
        <translation>Bitte installieren Sie Quorvix neu</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>%1: a pair. Points: %2</source>
        <translation>%1: ein Paar. Punkte: %2</translation>
    </message>
    <message>
        <source>%1: no pair. Points: %2</source>
        <translation>%1: kein Paar. Punkte: %2</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>Your name for the leaders table</source>
        <translation>Ihr Name für die Rangliste</translation>
    </message>
    <message>
        <source>“%1” cannot be stored</source>
        <translation>„%1“ nicht möglich</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear the leaders table</source>
        <translation>Rangliste löschen</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Place %1: %2, %3 points</source>
        <translation>Platz %1: %2, %3 Punkte</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Kartenset</translation>
    </message>
    <message>
        <source>Preview of the card set</source>
        <translation>Vorschau des Kartensets</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Turn-back delay in milliseconds</source>
        <translation>Pause vor dem Zurückdrehen in Millisekunden</translation>
    </message>
    <message>
        <source>Make a set…</source>
        <translation>Eigenes Set…</translation>
    </message>
    <message>
        <source>Make a card set of your own pictures</source>
        <translation>Ein Kartenset aus eigenen Bildern erstellen</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (eigenes)</translation>
    </message>
    <message>
        <source> (unusable: %1)</source>
        <translation> (unbrauchbar: %1)</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Kartenset erstellen</translation>
    </message>
    <message>
        <source>You have a set named “%1”. Replace it?</source>
        <translation>Sie haben schon ein Set namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>The set was not made.
%1</source>
        <translation>Das Set wurde nicht erstellt.
%1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Card set: %1</source>
        <translation>Kartenset: %1</translation>
    </message>
    <message>
        <source>%1, unavailable: %2</source>
        <translation>%1, nicht verfügbar: %2</translation>
    </message>
</context>
</TS>
