<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvix</source>
        <translation>O programie Quorvix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Strona &amp;WWW</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>No program here opens it. The address:
%1</source>
        <translation>Żaden program tutaj tego nie otworzy. Adres:
%1</translation>
    </message>
    <message>
        <source>A pairs-matching memory game by Dravontek</source>
        <translation>Gra pamięciowa firmy Dravontek</translation>
    </message>
</context>
<context>
    <name>BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, zakryta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Points: 0</source>
        <translation>Punkty: 0</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punkty: %1</translation>
    </message>
    <message>
        <source>Pairs found: %1 of 18    Turns: %2    Show! left: %3</source>
        <translation>Znalezione pary: %1 z 18    Ruchy: %2    Pokaż! zostało: %3</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>Cannot load the card picture %1: the file is cut short</source>
        <translation>Nie można wczytać obrazka karty %1: plik jest niekompletny</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)</source>
        <translation>Nie można wczytać obrazka karty %1: obrazek jest za duży (%2 × %3 pikseli)</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: %2</source>
        <translation>Nie można wczytać obrazka karty %1: %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>%1 pictures given; a set takes %2: the back, then 18 faces</source>
        <translation>Podano obrazków: %1; zestaw wymaga %2: rewers, potem 18 awersów</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture: %3</source>
        <translation>%1 i %2 to ten sam obrazek: %3</translation>
    </message>
    <message>
        <source>a face like the back could not be told from it</source>
        <translation>awersu takiego jak rewers nie dałoby się od niego odróżnić</translation>
    </message>
    <message>
        <source>two faces alike make a set that cannot be won without losing points</source>
        <translation>z dwoma jednakowymi awersami nie da się wygrać bez utraty punktów</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 × %3 pixels)</source>
        <translation>%1: obrazek jest za duży (%2 × %3 pikseli)</translation>
    </message>
    <message>
        <source>cannot make the set %1: %2</source>
        <translation>nie można utworzyć zestawu %1: %2</translation>
    </message>
    <message>
        <source>the making was cancelled</source>
        <translation>tworzenie zostało anulowane</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>the folder&apos;s name is not UTF-8 text</source>
        <translation>nazwa folderu nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>brak takiego folderu</translation>
    </message>
    <message>
        <source>no back picture space.bmp</source>
        <translation>brak obrazka rewersu space.bmp</translation>
    </message>
    <message>
        <source>space.bmp is not a picture</source>
        <translation>space.bmp nie jest obrazkiem</translation>
    </message>
    <message>
        <source>face %1.bmp missing</source>
        <translation>brak awersu %1.bmp</translation>
    </message>
    <message>
        <source>faces %1 missing</source>
        <translation>brak awersów %1</translation>
    </message>
    <message>
        <source>face %1.bmp is not a picture</source>
        <translation>awers %1.bmp nie jest obrazkiem</translation>
    </message>
    <message>
        <source>faces %1 are not pictures</source>
        <translation>awersy %1 nie są obrazkami</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>karta %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>it is a symbolic link of another user</source>
        <translation>to dowiązanie symboliczne innego użytkownika</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>GameOverText</name>
    <message>
        <source>%1 point</source>
        <translation>%1 punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punktów</translation>
    </message>
    <message>
        <source>Game over: </source>
        <translation>Koniec gry: </translation>
    </message>
    <message>
        <source>, place %1 in the leaders table.</source>
        <translation>, miejsce %1 w rankingu.</translation>
    </message>
    <message>
        <source>. The tenth place needs %1.</source>
        <translation>. Dziesiąte miejsce wymaga: %1.</translation>
    </message>
    <message>
        <source>
F2 starts a new game.</source>
        <translation>
F2 zaczyna nową grę.</translation>
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
&lt;h3&gt;Jak grać&lt;/h3&gt;
&lt;p&gt;Znajdź 18 par wśród 36 kart. Odkryj dwie karty: kliknij je albo przejdź do karty
strzałkami i naciśnij Spację lub Enter. Dwie jednakowe zostają odkryte i dają
&lt;b&gt;100 punktów&lt;/b&gt;. Dwie różne kosztują &lt;b&gt;10 punktów&lt;/b&gt; i zakrywają się po czasie
ustawionym w Opcjach.&lt;/p&gt;
&lt;h3&gt;Pokaż!&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Gra &amp;rarr; Pokaż!&lt;/b&gt; (F4) podświetla na niebiesko ramkę karty do pary z odkrytą
kartą, a gdy żadna nie jest odkryta &amp;ndash; ramki jednej pary. Każde użycie kosztuje
&lt;b&gt;75 punktów&lt;/b&gt;, a w jednej grze jest ich &lt;b&gt;50&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;Klawisze&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Strzałki&lt;/td&gt;&lt;td&gt;przejście między kartami&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Home, End&lt;/td&gt;&lt;td&gt;pierwsza karta, ostatnia karta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Spacja, Enter&lt;/td&gt;&lt;td&gt;odkrycie karty&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;nowa gra&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;ranking&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Pokaż!&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;koniec gry&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;ta pomoc&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Ranking&lt;/h3&gt;
&lt;p&gt;Ukończona gra z większą liczbą punktów niż dziesiąte miejsce prosi o imię i trafia do
tabeli dziesięciu najlepszych wyników (&lt;b&gt;Gra &amp;rarr; Ranking&lt;/b&gt;, F3). Imiona przyjmują
litery języków zachodnioeuropejskich, do 10 znaków; polskie litery, takie jak
&amp;bdquo;ł&amp;rdquo; czy &amp;bdquo;ą&amp;rdquo;, nie mieszczą się w tabeli.&lt;/p&gt;
&lt;h3&gt;Własne zestawy kart&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Opcje &amp;rarr; Nowy zestaw&amp;hellip;&lt;/b&gt; prosi o obrazek na rewers, 18 obrazków na
awersy i nazwę, po czym tworzy zestaw; Opcje pokazują go wtedy na początku listy,
z dopiskiem &amp;bdquo;(twój)&amp;rdquo;. W terminalu to samo robi &lt;code&gt;cardgen make&lt;/code&gt;
(&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play Quorvix</source>
        <translation>Jak grać w Quorvix</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
</context>
<context>
    <name>LeadsBook</name>
    <message>
        <source>Your result could not be saved; it is kept until Quorvix closes.

</source>
        <translation>Nie udało się zapisać wyniku; zostanie zachowany do zamknięcia Quorvix.

</translation>
    </message>
</context>
<context>
    <name>LeadsFile</name>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Cannot read the leaders table %1: %2</source>
        <translation>Nie można odczytać rankingu %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the leaders table %1: %2</source>
        <translation>Nie można zapisać rankingu %1: %2</translation>
    </message>
</context>
<context>
    <name>LeadsLock</name>
    <message>
        <source>the leaders table is in use by another program</source>
        <translation>ranking jest używany przez inny program</translation>
    </message>
</context>
<context>
    <name>NewSetDialogs</name>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Obrazki (%1);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose the picture for the card back</source>
        <translation>Wybierz obrazek na rewers kart</translation>
    </message>
    <message>
        <source>Choose 18 pictures for the faces</source>
        <translation>Wybierz 18 obrazków na awersy</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Utwórz zestaw kart</translation>
    </message>
    <message>
        <source>%1 pictures chosen; a set takes 18 faces. Please choose 18.</source>
        <translation>Wybrano obrazków: %1; zestaw wymaga 18 awersów. Wybierz 18.</translation>
    </message>
    <message>
        <source>Name of the new set:</source>
        <translation>Nazwa nowego zestawu:</translation>
    </message>
    <message>
        <source>A set&apos;s name is a folder&apos;s name: not empty, without &quot;/&quot; or &quot;\&quot;, and not beginning with &quot;.&quot;.</source>
        <translation>Nazwa zestawu to nazwa folderu: niepusta, bez „/” i „\” i nie zaczynająca się od „.”.</translation>
    </message>
    <message>
        <source>Making the set “%1”…</source>
        <translation>Tworzenie zestawu „%1”…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>QuorvixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>SetFolders</name>
    <message>
        <source>the name is too long: %1 bytes, and a set&apos;s name may have %2 at most</source>
        <translation>nazwa jest za długa: %1 bajtów, a nazwa zestawu może mieć najwyżej %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>nie można zapisywać w %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot put the set in place at %1: %2</source>
        <translation>nie można umieścić zestawu w %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Failed to set data for &apos;cards&apos;
%1: %2</source>
        <translation>Nie udało się zapisać ustawień
%1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>, matched</source>
        <translation>, dopasowana</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>karta %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Ranking</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Pokaż!</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Quorvix: </source>
        <translation>Quorvix: </translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be played: %2.
Quorvix uses the set &quot;%3&quot; instead.</source>
        <translation>Zestawem kart „%1” nie można grać: %2.
Quorvix używa w zamian zestawu „%3”.</translation>
    </message>
    <message>
        <source>Quorvix: Error!</source>
        <translation>Quorvix: błąd!</translation>
    </message>
    <message>
        <source>Please reinstall Quorvix</source>
        <translation>Zainstaluj Quorvix ponownie</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>%1: a pair. Points: %2</source>
        <translation>%1: para. Punkty: %2</translation>
    </message>
    <message>
        <source>%1: no pair. Points: %2</source>
        <translation>%1: nie para. Punkty: %2</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punkty: %1</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Podaj swoje imię</translation>
    </message>
    <message>
        <source>Your name for the leaders table</source>
        <translation>Twoje imię do rankingu</translation>
    </message>
    <message>
        <source>“%1” cannot be stored</source>
        <translation>„%1” niedozwolone</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear the leaders table</source>
        <translation>Wyczyść ranking</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Place %1: %2, %3 points</source>
        <translation>Miejsce %1: %2, %3 punktów</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Zestaw kart</translation>
    </message>
    <message>
        <source>Preview of the card set</source>
        <translation>Podgląd zestawu kart</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Turn-back delay in milliseconds</source>
        <translation>Czas do zakrycia kart w milisekundach</translation>
    </message>
    <message>
        <source>Make a set…</source>
        <translation>Nowy zestaw…</translation>
    </message>
    <message>
        <source>Make a card set of your own pictures</source>
        <translation>Utwórz zestaw kart z własnych obrazków</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (twój)</translation>
    </message>
    <message>
        <source> (unusable: %1)</source>
        <translation> (nieużywalny: %1)</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Utwórz zestaw kart</translation>
    </message>
    <message>
        <source>You have a set named “%1”. Replace it?</source>
        <translation>Masz już zestaw o nazwie „%1”. Zastąpić go?</translation>
    </message>
    <message>
        <source>The set was not made.
%1</source>
        <translation>Zestawu nie utworzono.
%1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Card set: %1</source>
        <translation>Zestaw kart: %1</translation>
    </message>
    <message>
        <source>%1, unavailable: %2</source>
        <translation>%1, niedostępny: %2</translation>
    </message>
</context>
</TS>
