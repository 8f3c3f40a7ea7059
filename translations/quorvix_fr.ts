<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvix</source>
        <translation>À propos de Quorvix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Page &amp;web</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Courriel</translation>
    </message>
    <message>
        <source>No program here opens it. The address:
%1</source>
        <translation>Aucun programme ici ne peut l’ouvrir. L’adresse :
%1</translation>
    </message>
    <message>
        <source>A pairs-matching memory game by Dravontek</source>
        <translation>Un jeu de mémoire de Dravontek</translation>
    </message>
</context>
<context>
    <name>BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, face cachée</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Points: 0</source>
        <translation>Points : 0</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Points : %1</translation>
    </message>
    <message>
        <source>Pairs found: %1 of 18    Turns: %2    Show! left: %3</source>
        <translation>Paires trouvées : %1 sur 18    Coups : %2    Montrer ! restants : %3</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>Cannot load the card picture %1: the file is cut short</source>
        <translation>Impossible de charger l’image de carte %1 : le fichier est tronqué</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)</source>
        <translation>Impossible de charger l’image de carte %1 : l’image est trop grande (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: %2</source>
        <translation>Impossible de charger l’image de carte %1 : %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>%1 pictures given; a set takes %2: the back, then 18 faces</source>
        <translation>%1 images données ; un jeu en demande %2 : le dos, puis 18 faces</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture: %3</source>
        <translation>%1 et %2 sont la même image : %3</translation>
    </message>
    <message>
        <source>a face like the back could not be told from it</source>
        <translation>une face semblable au dos ne pourrait pas en être distinguée</translation>
    </message>
    <message>
        <source>two faces alike make a set that cannot be won without losing points</source>
        <translation>avec deux faces identiques, on ne peut pas gagner sans perdre de points</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1 : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 × %3 pixels)</source>
        <translation>%1 : l’image est trop grande (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>cannot make the set %1: %2</source>
        <translation>impossible de créer le jeu %1 : %2</translation>
    </message>
    <message>
        <source>the making was cancelled</source>
        <translation>la création a été annulée</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>the folder&apos;s name is not UTF-8 text</source>
        <translation>le nom du dossier n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>dossier introuvable</translation>
    </message>
    <message>
        <source>no back picture space.bmp</source>
        <translation>pas d’image de dos space.bmp</translation>
    </message>
    <message>
        <source>space.bmp is not a picture</source>
        <translation>space.bmp n’est pas une image</translation>
    </message>
    <message>
        <source>face %1.bmp missing</source>
        <translation>face %1.bmp absente</translation>
    </message>
    <message>
        <source>faces %1 missing</source>
        <translation>faces %1 absentes</translation>
    </message>
    <message>
        <source>face %1.bmp is not a picture</source>
        <translation>la face %1.bmp n’est pas une image</translation>
    </message>
    <message>
        <source>faces %1 are not pictures</source>
        <translation>les faces %1 ne sont pas des images</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carte %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>it is a symbolic link of another user</source>
        <translation>c’est un lien symbolique d’un autre utilisateur</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>GameOverText</name>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Game over: </source>
        <translation>Partie terminée : </translation>
    </message>
    <message>
        <source>, place %1 in the leaders table.</source>
        <translation>, %1ᵉ place du classement.</translation>
    </message>
    <message>
        <source>. The tenth place needs %1.</source>
        <translation>. La dixième place demande %1.</translation>
    </message>
    <message>
        <source>
F2 starts a new game.</source>
        <translation>
F2 lance une nouvelle partie.</translation>
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
&lt;h3&gt;Comment jouer&lt;/h3&gt;
&lt;p&gt;Trouvez les 18 paires parmi les 36 cartes. Retournez deux cartes : cliquez dessus,
ou allez sur une carte avec les flèches et appuyez sur Espace ou Entrée. Deux cartes
identiques restent visibles et rapportent &lt;b&gt;100 points&lt;/b&gt;. Deux cartes différentes
coûtent &lt;b&gt;10 points&lt;/b&gt; et se retournent après le délai réglé dans les Options.&lt;/p&gt;
&lt;h3&gt;Montrer !&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Jeu &amp;rarr; Montrer !&lt;/b&gt; (F4) fait clignoter le cadre bleu de la partenaire de la
carte retournée, ou celui d’une paire quand aucune carte n’est retournée. Chaque usage
coûte &lt;b&gt;75 points&lt;/b&gt;, et une partie en compte &lt;b&gt;50&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;Touches&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Flèches&lt;/td&gt;&lt;td&gt;passer d’une carte à l’autre&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Début, Fin&lt;/td&gt;&lt;td&gt;la première carte, la dernière carte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Espace, Entrée&lt;/td&gt;&lt;td&gt;retourner la carte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;une nouvelle partie&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;le classement&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Montrer !&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;quitter le jeu&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;cette aide&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Le classement&lt;/h3&gt;
&lt;p&gt;Une partie terminée avec plus de points que la dixième place demande votre nom et
entre dans le classement des dix meilleurs résultats (&lt;b&gt;Jeu &amp;rarr; Classement&lt;/b&gt;, F3).
Les noms acceptent les lettres des langues d’Europe occidentale, jusqu’à 10.&lt;/p&gt;
&lt;h3&gt;Vos propres jeux de cartes&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Options &amp;rarr; Créer un jeu&amp;hellip;&lt;/b&gt; demande une image pour le dos des cartes,
18 images pour les faces et un nom, puis crée le jeu ; les Options l’affichent alors en
premier, marqué &amp;laquo;&amp;nbsp;(le vôtre)&amp;nbsp;&amp;raquo;. Dans un terminal,
&lt;code&gt;cardgen make&lt;/code&gt; fait de même (&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play Quorvix</source>
        <translation>Comment jouer à Quorvix</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
</context>
<context>
    <name>LeadsBook</name>
    <message>
        <source>Your result could not be saved; it is kept until Quorvix closes.

</source>
        <translation>Votre résultat n’a pas pu être enregistré ; il est conservé jusqu’à la fermeture de Quorvix.

</translation>
    </message>
</context>
<context>
    <name>LeadsFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read the leaders table %1: %2</source>
        <translation>Impossible de lire le classement %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save the leaders table %1: %2</source>
        <translation>Impossible d’enregistrer le classement %1 : %2</translation>
    </message>
</context>
<context>
    <name>LeadsLock</name>
    <message>
        <source>the leaders table is in use by another program</source>
        <translation>le classement est utilisé par un autre programme</translation>
    </message>
</context>
<context>
    <name>NewSetDialogs</name>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the picture for the card back</source>
        <translation>Choisissez l’image du dos des cartes</translation>
    </message>
    <message>
        <source>Choose 18 pictures for the faces</source>
        <translation>Choisissez 18 images pour les faces</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Créer un jeu de cartes</translation>
    </message>
    <message>
        <source>%1 pictures chosen; a set takes 18 faces. Please choose 18.</source>
        <translation>%1 images choisies ; un jeu demande 18 faces. Choisissez-en 18.</translation>
    </message>
    <message>
        <source>Name of the new set:</source>
        <translation>Nom du nouveau jeu :</translation>
    </message>
    <message>
        <source>A set&apos;s name is a folder&apos;s name: not empty, without &quot;/&quot; or &quot;\&quot;, and not beginning with &quot;.&quot;.</source>
        <translation>Le nom d’un jeu est un nom de dossier : non vide, sans « / » ni « \ », et ne commençant pas par « . ».</translation>
    </message>
    <message>
        <source>Making the set “%1”…</source>
        <translation>Création du jeu « %1 »…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QuorvixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>SetFolders</name>
    <message>
        <source>the name is too long: %1 bytes, and a set&apos;s name may have %2 at most</source>
        <translation>le nom est trop long : %1 octets, et celui d’un jeu peut en avoir %2 au plus</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossible d’écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot put the set in place at %1: %2</source>
        <translation>impossible de mettre le jeu en place dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Failed to set data for &apos;cards&apos;
%1: %2</source>
        <translation>Impossible d’enregistrer les réglages
%1 : %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>, matched</source>
        <translation>, trouvée</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carte %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Classement</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Montrer !</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Quorvix: </source>
        <translation>Quorvix : </translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be played: %2.
Quorvix uses the set &quot;%3&quot; instead.</source>
        <translation>Le jeu de cartes « %1 » ne peut pas être utilisé : %2.
Quorvix utilise le jeu « %3 » à la place.</translation>
    </message>
    <message>
        <source>Quorvix: Error!</source>
        <translation>Quorvix : erreur !</translation>
    </message>
    <message>
        <source>Please reinstall Quorvix</source>
        <translation>Veuillez réinstaller Quorvix</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>%1: a pair. Points: %2</source>
        <translation>%1 : une paire. Points : %2</translation>
    </message>
    <message>
        <source>%1: no pair. Points: %2</source>
        <translation>%1 : pas de paire. Points : %2</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Points : %1</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>Your name for the leaders table</source>
        <translation>Votre nom pour le classement</translation>
    </message>
    <message>
        <source>“%1” cannot be stored</source>
        <translation>« %1 » non accepté</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the leaders table</source>
        <translation>Effacer le classement</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Place %1: %2, %3 points</source>
        <translation>%1ᵉ place : %2, %3 points</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Preview of the card set</source>
        <translation>Aperçu du jeu de cartes</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Turn-back delay in milliseconds</source>
        <translation>Délai avant de retourner les cartes, en millisecondes</translation>
    </message>
    <message>
        <source>Make a set…</source>
        <translation>Créer un jeu…</translation>
    </message>
    <message>
        <source>Make a card set of your own pictures</source>
        <translation>Créer un jeu de cartes avec vos images</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (le vôtre)</translation>
    </message>
    <message>
        <source> (unusable: %1)</source>
        <translation> (inutilisable : %1)</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Créer un jeu de cartes</translation>
    </message>
    <message>
        <source>You have a set named “%1”. Replace it?</source>
        <translation>Vous avez déjà un jeu nommé « %1 ». Le remplacer ?</translation>
    </message>
    <message>
        <source>The set was not made.
%1</source>
        <translation>Le jeu n’a pas été créé.
%1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Card set: %1</source>
        <translation>Jeu de cartes : %1</translation>
    </message>
    <message>
        <source>%1, unavailable: %2</source>
        <translation>%1, indisponible : %2</translation>
    </message>
</context>
</TS>
