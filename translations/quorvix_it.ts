<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvix</source>
        <translation>Informazioni su Quorvix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Pagina &amp;web</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>No program here opens it. The address:
%1</source>
        <translation>Nessun programma qui può aprirlo. L’indirizzo:
%1</translation>
    </message>
    <message>
        <source>A pairs-matching memory game by Dravontek</source>
        <translation>Un gioco di memoria di Dravontek</translation>
    </message>
</context>
<context>
    <name>BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, coperta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Points: 0</source>
        <translation>Punti: 0</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Pairs found: %1 of 18    Turns: %2    Show! left: %3</source>
        <translation>Coppie trovate: %1 su 18    Turni: %2    Mostra! rimasti: %3</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>Cannot load the card picture %1: the file is cut short</source>
        <translation>Impossibile caricare l’immagine della carta %1: il file è troncato</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)</source>
        <translation>Impossibile caricare l’immagine della carta %1: l’immagine è troppo grande (%2 × %3 pixel)</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: %2</source>
        <translation>Impossibile caricare l’immagine della carta %1: %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>%1 pictures given; a set takes %2: the back, then 18 faces</source>
        <translation>%1 immagini date; un mazzo ne richiede %2: il dorso, poi 18 facce</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture: %3</source>
        <translation>%1 e %2 sono la stessa immagine: %3</translation>
    </message>
    <message>
        <source>a face like the back could not be told from it</source>
        <translation>una faccia uguale al dorso non si potrebbe distinguere da esso</translation>
    </message>
    <message>
        <source>two faces alike make a set that cannot be won without losing points</source>
        <translation>con due facce uguali non si può vincere senza perdere punti</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: non è un file normale</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 × %3 pixels)</source>
        <translation>%1: l’immagine è troppo grande (%2 × %3 pixel)</translation>
    </message>
    <message>
        <source>cannot make the set %1: %2</source>
        <translation>impossibile creare il mazzo %1: %2</translation>
    </message>
    <message>
        <source>the making was cancelled</source>
        <translation>la creazione è stata annullata</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>the folder&apos;s name is not UTF-8 text</source>
        <translation>il nome della cartella non è testo UTF-8</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>cartella inesistente</translation>
    </message>
    <message>
        <source>no back picture space.bmp</source>
        <translation>manca l’immagine del dorso space.bmp</translation>
    </message>
    <message>
        <source>space.bmp is not a picture</source>
        <translation>space.bmp non è un’immagine</translation>
    </message>
    <message>
        <source>face %1.bmp missing</source>
        <translation>manca la faccia %1.bmp</translation>
    </message>
    <message>
        <source>faces %1 missing</source>
        <translation>mancano le facce %1</translation>
    </message>
    <message>
        <source>face %1.bmp is not a picture</source>
        <translation>la faccia %1.bmp non è un’immagine</translation>
    </message>
    <message>
        <source>faces %1 are not pictures</source>
        <translation>le facce %1 non sono immagini</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carta %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>it is a symbolic link of another user</source>
        <translation>è un collegamento simbolico di un altro utente</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>GameOverText</name>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punti</translation>
    </message>
    <message>
        <source>Game over: </source>
        <translation>Partita finita: </translation>
    </message>
    <message>
        <source>, place %1 in the leaders table.</source>
        <translation>, %1º posto in classifica.</translation>
    </message>
    <message>
        <source>. The tenth place needs %1.</source>
        <translation>. Per il decimo posto servono %1.</translation>
    </message>
    <message>
        <source>
F2 starts a new game.</source>
        <translation>
F2 avvia una nuova partita.</translation>
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
&lt;h3&gt;Come si gioca&lt;/h3&gt;
&lt;p&gt;Trova le 18 coppie tra le 36 carte. Gira due carte: fai clic su di esse, oppure vai su
una carta con le frecce e premi Spazio o Invio. Due carte uguali restano scoperte e
valgono &lt;b&gt;100 punti&lt;/b&gt;. Due diverse costano &lt;b&gt;10 punti&lt;/b&gt; e si rigirano dopo la
pausa impostata nelle Opzioni.&lt;/p&gt;
&lt;h3&gt;Mostra!&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Gioco &amp;rarr; Mostra!&lt;/b&gt; (F4) fa lampeggiare la cornice blu della compagna della
carta scoperta, o quella di una coppia quando nessuna carta è scoperta. Ogni uso costa
&lt;b&gt;75 punti&lt;/b&gt;, e una partita ne ha &lt;b&gt;50&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;Tasti&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Frecce&lt;/td&gt;&lt;td&gt;passare da una carta all’altra&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Inizio, Fine&lt;/td&gt;&lt;td&gt;la prima carta, l’ultima carta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Spazio, Invio&lt;/td&gt;&lt;td&gt;girare la carta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;una nuova partita&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;la classifica&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Mostra!&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;uscire dal gioco&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;questa guida&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;La classifica&lt;/h3&gt;
&lt;p&gt;Una partita finita con più punti del decimo posto chiede il tuo nome ed entra nella
classifica dei dieci migliori risultati (&lt;b&gt;Gioco &amp;rarr; Classifica&lt;/b&gt;, F3). I nomi
accettano le lettere delle lingue dell’Europa occidentale, fino a 10.&lt;/p&gt;
&lt;h3&gt;I tuoi mazzi&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Opzioni &amp;rarr; Crea mazzo&amp;hellip;&lt;/b&gt; chiede un’immagine per il dorso, 18 immagini
per le facce e un nome, e crea il mazzo; le Opzioni lo mostrano poi per primo, segnato
&amp;laquo;(tuo)&amp;raquo;. Da un terminale, &lt;code&gt;cardgen make&lt;/code&gt; fa lo stesso
(&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play Quorvix</source>
        <translation>Come si gioca a Quorvix</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
</context>
<context>
    <name>LeadsBook</name>
    <message>
        <source>Your result could not be saved; it is kept until Quorvix closes.

</source>
        <translation>Non è stato possibile salvare il risultato; viene conservato fino alla chiusura di Quorvix.

</translation>
    </message>
</context>
<context>
    <name>LeadsFile</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>Cannot read the leaders table %1: %2</source>
        <translation>Impossibile leggere la classifica %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the leaders table %1: %2</source>
        <translation>Impossibile salvare la classifica %1: %2</translation>
    </message>
</context>
<context>
    <name>LeadsLock</name>
    <message>
        <source>the leaders table is in use by another program</source>
        <translation>la classifica è in uso da un altro programma</translation>
    </message>
</context>
<context>
    <name>NewSetDialogs</name>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Immagini (%1);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose the picture for the card back</source>
        <translation>Scegli l’immagine per il dorso delle carte</translation>
    </message>
    <message>
        <source>Choose 18 pictures for the faces</source>
        <translation>Scegli 18 immagini per le facce</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Crea un mazzo</translation>
    </message>
    <message>
        <source>%1 pictures chosen; a set takes 18 faces. Please choose 18.</source>
        <translation>%1 immagini scelte; un mazzo richiede 18 facce. Scegline 18.</translation>
    </message>
    <message>
        <source>Name of the new set:</source>
        <translation>Nome del nuovo mazzo:</translation>
    </message>
    <message>
        <source>A set&apos;s name is a folder&apos;s name: not empty, without &quot;/&quot; or &quot;\&quot;, and not beginning with &quot;.&quot;.</source>
        <translation>Il nome di un mazzo è il nome di una cartella: non vuoto, senza «/» o «\» e che non inizi con «.».</translation>
    </message>
    <message>
        <source>Making the set “%1”…</source>
        <translation>Creazione del mazzo «%1»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QuorvixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>SetFolders</name>
    <message>
        <source>the name is too long: %1 bytes, and a set&apos;s name may have %2 at most</source>
        <translation>il nome è troppo lungo: %1 byte, e quello di un mazzo può averne al massimo %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot put the set in place at %1: %2</source>
        <translation>impossibile mettere il mazzo in %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Failed to set data for &apos;cards&apos;
%1: %2</source>
        <translation>Impossibile salvare le impostazioni
%1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>, matched</source>
        <translation>, accoppiata</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carta %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Mostra!</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Quorvix: </source>
        <translation>Quorvix: </translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be played: %2.
Quorvix uses the set &quot;%3&quot; instead.</source>
        <translation>Non si può giocare con il mazzo «%1»: %2.
Quorvix usa invece il mazzo «%3».</translation>
    </message>
    <message>
        <source>Quorvix: Error!</source>
        <translation>Quorvix: errore!</translation>
    </message>
    <message>
        <source>Please reinstall Quorvix</source>
        <translation>Reinstalla Quorvix</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>%1: a pair. Points: %2</source>
        <translation>%1: una coppia. Punti: %2</translation>
    </message>
    <message>
        <source>%1: no pair. Points: %2</source>
        <translation>%1: nessuna coppia. Punti: %2</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punti: %1</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Your name for the leaders table</source>
        <translation>Il tuo nome per la classifica</translation>
    </message>
    <message>
        <source>“%1” cannot be stored</source>
        <translation>«%1» non ammesso</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear the leaders table</source>
        <translation>Cancella la classifica</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Place %1: %2, %3 points</source>
        <translation>Posto %1: %2, %3 punti</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Preview of the card set</source>
        <translation>Anteprima del mazzo</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Turn-back delay in milliseconds</source>
        <translation>Pausa prima di girare le carte, in millisecondi</translation>
    </message>
    <message>
        <source>Make a set…</source>
        <translation>Crea mazzo…</translation>
    </message>
    <message>
        <source>Make a card set of your own pictures</source>
        <translation>Crea un mazzo con le tue immagini</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (tuo)</translation>
    </message>
    <message>
        <source> (unusable: %1)</source>
        <translation> (inutilizzabile: %1)</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Crea un mazzo</translation>
    </message>
    <message>
        <source>You have a set named “%1”. Replace it?</source>
        <translation>Hai già un mazzo chiamato «%1». Sostituirlo?</translation>
    </message>
    <message>
        <source>The set was not made.
%1</source>
        <translation>Il mazzo non è stato creato.
%1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Card set: %1</source>
        <translation>Mazzo: %1</translation>
    </message>
    <message>
        <source>%1, unavailable: %2</source>
        <translation>%1, non disponibile: %2</translation>
    </message>
</context>
</TS>
