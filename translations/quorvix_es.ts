<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvix</source>
        <translation>Acerca de Quorvix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Correo</translation>
    </message>
    <message>
        <source>No program here opens it. The address:
%1</source>
        <translation>Ningún programa de este equipo puede abrirla. La dirección:
%1</translation>
    </message>
    <message>
        <source>A pairs-matching memory game by Dravontek</source>
        <translation>Un juego de memoria de Dravontek</translation>
    </message>
</context>
<context>
    <name>BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, boca abajo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Points: 0</source>
        <translation>Puntos: 0</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Pairs found: %1 of 18    Turns: %2    Show! left: %3</source>
        <translation>Parejas: %1 de 18    Turnos: %2    Mostrar restantes: %3</translation>
    </message>
</context>
<context>
    <name>CardPictures</name>
    <message>
        <source>Cannot load the card picture %1: the file is cut short</source>
        <translation>No se puede cargar la imagen de carta %1: el archivo está incompleto</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)</source>
        <translation>No se puede cargar la imagen de carta %1: la imagen es demasiado grande (%2 × %3 píxeles)</translation>
    </message>
    <message>
        <source>Cannot load the card picture %1: %2</source>
        <translation>No se puede cargar la imagen de carta %1: %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>%1 pictures given; a set takes %2: the back, then 18 faces</source>
        <translation>Se han dado %1 imágenes; una baraja necesita %2: el reverso y luego 18 caras</translation>
    </message>
    <message>
        <source>%1 and %2 are the same picture: %3</source>
        <translation>%1 y %2 son la misma imagen: %3</translation>
    </message>
    <message>
        <source>a face like the back could not be told from it</source>
        <translation>una cara igual al reverso no se podría distinguir de él</translation>
    </message>
    <message>
        <source>two faces alike make a set that cannot be won without losing points</source>
        <translation>con dos caras iguales no se puede ganar sin perder puntos</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 × %3 pixels)</source>
        <translation>%1: la imagen es demasiado grande (%2 × %3 píxeles)</translation>
    </message>
    <message>
        <source>cannot make the set %1: %2</source>
        <translation>no se puede crear la baraja %1: %2</translation>
    </message>
    <message>
        <source>the making was cancelled</source>
        <translation>se canceló la creación</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>the folder&apos;s name is not UTF-8 text</source>
        <translation>el nombre de la carpeta no es texto UTF-8</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>no existe la carpeta</translation>
    </message>
    <message>
        <source>no back picture space.bmp</source>
        <translation>falta la imagen del reverso space.bmp</translation>
    </message>
    <message>
        <source>space.bmp is not a picture</source>
        <translation>space.bmp no es una imagen</translation>
    </message>
    <message>
        <source>face %1.bmp missing</source>
        <translation>falta la cara %1.bmp</translation>
    </message>
    <message>
        <source>faces %1 missing</source>
        <translation>faltan las caras %1</translation>
    </message>
    <message>
        <source>face %1.bmp is not a picture</source>
        <translation>la cara %1.bmp no es una imagen</translation>
    </message>
    <message>
        <source>faces %1 are not pictures</source>
        <translation>las caras %1 no son imágenes</translation>
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
        <translation>es un enlace simbólico de otro usuario</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
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
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Game over: </source>
        <translation>Fin de la partida: </translation>
    </message>
    <message>
        <source>, place %1 in the leaders table.</source>
        <translation>, puesto %1 en la clasificación.</translation>
    </message>
    <message>
        <source>. The tenth place needs %1.</source>
        <translation>. El décimo puesto requiere %1.</translation>
    </message>
    <message>
        <source>
F2 starts a new game.</source>
        <translation>
F2 empieza una partida nueva.</translation>
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
&lt;h3&gt;Cómo se juega&lt;/h3&gt;
&lt;p&gt;Encuentre las 18 parejas entre las 36 cartas. Dé la vuelta a dos cartas: haga clic en
ellas, o vaya a una carta con las flechas y pulse Espacio o Intro. Dos cartas iguales
quedan boca arriba y suman &lt;b&gt;100 puntos&lt;/b&gt;. Dos distintas cuestan &lt;b&gt;10 puntos&lt;/b&gt; y
vuelven a ponerse boca abajo tras la pausa fijada en Opciones.&lt;/p&gt;
&lt;h3&gt;Mostrar&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Juego &amp;rarr; Mostrar&lt;/b&gt; (F4) hace parpadear el marco azul de la pareja de la carta
que está boca arriba, o el de una pareja cuando no hay ninguna. Cada uso cuesta
&lt;b&gt;75 puntos&lt;/b&gt;, y una partida tiene &lt;b&gt;50&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;Teclas&lt;/h3&gt;
&lt;table cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Flechas&lt;/td&gt;&lt;td&gt;ir de carta en carta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Inicio, Fin&lt;/td&gt;&lt;td&gt;la primera carta, la última carta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Espacio, Intro&lt;/td&gt;&lt;td&gt;dar la vuelta a la carta&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;una partida nueva&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F3&lt;/td&gt;&lt;td&gt;la clasificación&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F4&lt;/td&gt;&lt;td&gt;Mostrar&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F10&lt;/td&gt;&lt;td&gt;salir del juego&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;esta ayuda&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;La clasificación&lt;/h3&gt;
&lt;p&gt;Una partida terminada con más puntos que el décimo puesto pide su nombre y entra en la
tabla de los diez mejores resultados (&lt;b&gt;Juego &amp;rarr; Clasificación&lt;/b&gt;, F3). Los nombres
admiten las letras de los idiomas de Europa occidental, hasta 10.&lt;/p&gt;
&lt;h3&gt;Sus propias barajas&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Opciones &amp;rarr; Crear baraja&amp;hellip;&lt;/b&gt; pide una imagen para el reverso, 18
imágenes para las caras y un nombre, y crea la baraja; Opciones la muestra entonces en
primer lugar, marcada &amp;laquo;(suya)&amp;raquo;. Desde un terminal, &lt;code&gt;cardgen make&lt;/code&gt;
hace lo mismo (&lt;code&gt;man cardgen&lt;/code&gt;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play Quorvix</source>
        <translation>Cómo jugar a Quorvix</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
</context>
<context>
    <name>LeadsBook</name>
    <message>
        <source>Your result could not be saved; it is kept until Quorvix closes.

</source>
        <translation>No se pudo guardar su resultado; se conserva hasta que se cierre Quorvix.

</translation>
    </message>
</context>
<context>
    <name>LeadsFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read the leaders table %1: %2</source>
        <translation>No se puede leer la clasificación %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the leaders table %1: %2</source>
        <translation>No se puede guardar la clasificación %1: %2</translation>
    </message>
</context>
<context>
    <name>LeadsLock</name>
    <message>
        <source>the leaders table is in use by another program</source>
        <translation>otro programa está usando la clasificación</translation>
    </message>
</context>
<context>
    <name>NewSetDialogs</name>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the picture for the card back</source>
        <translation>Elija la imagen del reverso de las cartas</translation>
    </message>
    <message>
        <source>Choose 18 pictures for the faces</source>
        <translation>Elija 18 imágenes para las caras</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Crear una baraja</translation>
    </message>
    <message>
        <source>%1 pictures chosen; a set takes 18 faces. Please choose 18.</source>
        <translation>Ha elegido %1 imágenes; una baraja necesita 18 caras. Elija 18, por favor.</translation>
    </message>
    <message>
        <source>Name of the new set:</source>
        <translation>Nombre de la baraja nueva:</translation>
    </message>
    <message>
        <source>A set&apos;s name is a folder&apos;s name: not empty, without &quot;/&quot; or &quot;\&quot;, and not beginning with &quot;.&quot;.</source>
        <translation>El nombre de una baraja es el de una carpeta: no vacío, sin «/» ni «\» y sin empezar por «.».</translation>
    </message>
    <message>
        <source>Making the set “%1”…</source>
        <translation>Creando la baraja «%1»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QuorvixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>SetFolders</name>
    <message>
        <source>the name is too long: %1 bytes, and a set&apos;s name may have %2 at most</source>
        <translation>el nombre es demasiado largo: %1 bytes, y el de una baraja puede tener %2 como máximo</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot put the set in place at %1: %2</source>
        <translation>no se puede colocar la baraja en %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Failed to set data for &apos;cards&apos;
%1: %2</source>
        <translation>No se pudieron guardar los ajustes
%1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>, matched</source>
        <translation>, emparejada</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carta %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;alir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Quorvix: </source>
        <translation>Quorvix: </translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be played: %2.
Quorvix uses the set &quot;%3&quot; instead.</source>
        <translation>No se puede jugar con la baraja «%1»: %2.
Quorvix usa la baraja «%3» en su lugar.</translation>
    </message>
    <message>
        <source>Quorvix: Error!</source>
        <translation>Quorvix: ¡error!</translation>
    </message>
    <message>
        <source>Please reinstall Quorvix</source>
        <translation>Vuelva a instalar Quorvix</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>%1: a pair. Points: %2</source>
        <translation>%1: una pareja. Puntos: %2</translation>
    </message>
    <message>
        <source>%1: no pair. Points: %2</source>
        <translation>%1: sin pareja. Puntos: %2</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Your name for the leaders table</source>
        <translation>Su nombre para la clasificación</translation>
    </message>
    <message>
        <source>“%1” cannot be stored</source>
        <translation>«%1» no admitido</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the leaders table</source>
        <translation>Borrar la clasificación</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Place %1: %2, %3 points</source>
        <translation>Puesto %1: %2, %3 puntos</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Preview of the card set</source>
        <translation>Vista previa de la baraja</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Turn-back delay in milliseconds</source>
        <translation>Pausa antes de volver las cartas, en milisegundos</translation>
    </message>
    <message>
        <source>Make a set…</source>
        <translation>Crear baraja…</translation>
    </message>
    <message>
        <source>Make a card set of your own pictures</source>
        <translation>Crear una baraja con sus propias imágenes</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (suya)</translation>
    </message>
    <message>
        <source> (unusable: %1)</source>
        <translation> (inservible: %1)</translation>
    </message>
    <message>
        <source>Make a card set</source>
        <translation>Crear una baraja</translation>
    </message>
    <message>
        <source>You have a set named “%1”. Replace it?</source>
        <translation>Ya tiene una baraja llamada «%1». ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>The set was not made.
%1</source>
        <translation>No se ha creado la baraja.
%1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Card set: %1</source>
        <translation>Baraja: %1</translation>
    </message>
    <message>
        <source>%1, unavailable: %2</source>
        <translation>%1, no disponible: %2</translation>
    </message>
</context>
</TS>
