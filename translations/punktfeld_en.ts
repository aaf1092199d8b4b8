<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Analyse</name>
    <message>
        <source> rechts</source>
        <translation> right</translation>
    </message>
    <message>
        <source> unten</source>
        <translation> bottom</translation>
    </message>
    <message>
        <source> oben</source>
        <translation> top</translation>
    </message>
    <message>
        <source> links</source>
        <translation> left</translation>
    </message>
</context>
<context>
    <name>AnalyseDialog</name>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Kein Fehler</source>
        <translation>No mistakes</translation>
    </message>
    <message>
        <source>Zug</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Gezogen</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Verlust</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>Besser</source>
        <translation>Better</translation>
    </message>
    <message>
        <source>exakt</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>geschätzt</source>
        <translation>estimated</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Dein Vorsprung am Ende, bei bestem Spiel von hier an</source>
        <translation>Your lead at the end, with best play from here on</translation>
    </message>
    <message>
        <source>nach Zug</source>
        <translation>after turn</translation>
    </message>
    <message>
        <source>Kästchen</source>
        <translation>Boxes</translation>
    </message>
    <message numerus="yes">
        <source>%n Fehler</source>
        <translation>
            <numerusform>%n mistake</numerusform>
            <numerusform>%n mistakes</numerusform>
        </translation>
    </message>
    <message>
        <source>du</source>
        <translation>you</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Spalten A, B, … von links, Zeilen 1, 2, … von oben; eine Seite heißt nach dem Kästchen links von ihr oder über ihr, am Rand nach dem daneben. „≈“ ist geschätzt, „—“ noch nicht bekannt. Kontrolle: wer nach der Regel der langen Ketten auf Kurs ist, die langen Ketten zu bekommen.</source>
        <translation>Columns A, B, … from the left, rows 1, 2, … from the top; a side is named by the box left of it or above it, at the frame by the one beside it. “≈” is an estimate, “—” not known yet. Control: who is on course to get the long chains by the long-chain rule.</translation>
    </message>
    <message numerus="yes">
        <source>: %n Kästchen verschenkt</source>
        <translation>
            <numerusform>: %n box given away</numerusform>
            <numerusform>: %n boxes given away</numerusform>
        </translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Control</translation>
    </message>
    <message numerus="yes">
        <source>Gezählt sind nur Verluste, die sicher feststehen: bei %n deiner Züge steht er noch nicht fest.</source>
        <translation>
            <numerusform>Only losses known for certain are counted: for %n of your turns it is not known yet.</numerusform>
            <numerusform>Only losses known for certain are counted: for %n of your turns it is not known yet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Endmeldung</name>
    <message>
        <source>Gewonnen, %1 zu %2!</source>
        <translation>You won, %1 to %2!</translation>
    </message>
    <message>
        <source>Verloren, %1 zu %2.</source>
        <translation>You lost, %1 to %2.</translation>
    </message>
    <message>
        <source>Unentschieden, %1 zu %2.</source>
        <translation>A draw, %1 to %2.</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>Ein lächelndes Gesicht: dein Kästchen. Ein abgerundetes Quadrat: ein Kästchen des Computers.</source>
        <translation>A smiling face: your box. A rounded square: a box of the computer&apos;s.</translation>
    </message>
    <message>
        <source>Du spielst gegen den Computer. Ihr zieht abwechselnd je eine freie Seite eines Kästchens, eine der hellgrauen Linien: Klicke dazu auf die Linie, oder wähle sie mit den Pfeiltasten und ziehe sie mit der Eingabetaste oder der Leertaste.</source>
        <translation>You play against the computer. You take turns to draw one free side of a box, one of the light gray lines: click on the line, or choose it with the arrow keys and draw it with Return or Space.</translation>
    </message>
    <message>
        <source>Wer die letzte freie Seite eines Kästchens zieht, schließt es: Das Kästchen gehört ihm, und er zieht gleich noch einmal. Ein lächelndes Gesicht zeigt deine Kästchen, ein abgerundetes Quadrat die des Computers.</source>
        <translation>Whoever draws the last free side of a box closes it: the box is theirs, and they draw again. A smiling face marks your boxes, a rounded square the computer&apos;s.</translation>
    </message>
    <message>
        <source>Der schwarze Rahmen um das Brett zählt als gezogen, ebenso der Rand der grauen Löcher auf dem mittleren und dem großen Brett. Ein Kästchen am Rahmen oder neben einem Loch ist also geschlossen, sobald seine übrigen Seiten gezogen sind: an einem Rand drei, in einer Ecke zwei.</source>
        <translation>The black frame around the board counts as drawn, and so do the edges of the gray holes on the medium and the large board. A box at the frame or beside a hole is thus closed as soon as its other sides are drawn: three along an edge, two in a corner.</translation>
    </message>
    <message>
        <source>Das Spiel ist aus, wenn jedes Kästchen einen Besitzer hat. Wer mehr Kästchen hat, gewinnt.</source>
        <translation>The game is over when every box has an owner. Whoever owns more boxes wins.</translation>
    </message>
    <message>
        <source>Unter „Einstellungen“ wählst du die Größe des Bretts und das Level des Computers. Auf Level 5 schließt er jedes Kästchen, das er bekommen kann, zieht sonst eine Seite, die nichts verschenkt, und verschenkt sonst die kürzeste Kette; auf den Levels darunter lässt er diese Regeln umso öfter aus, je niedriger das Level ist. „6 - Meister“ spielt wie starke Spieler: Er kämpft um die langen Ketten und rechnet das Ende genau aus.</source>
        <translation>In “Settings” you choose the size of the board and the computer&apos;s level. At level 5 it closes every box it can get, else draws a side that gives nothing away, else gives away the shortest chain; at the levels below it skips these rules the more often, the lower the level. “6 - Master” plays as strong players do: it fights for the long chains and works out the end exactly.</translation>
    </message>
    <message>
        <source>„Tipp“ im Menü „Bearbeiten“ lässt die Seite grün blinken, die der Meister an deiner Stelle ziehen würde.</source>
        <translation>“Hint” in the “Edit” menu makes the side the Master would draw in your place blink green.</translation>
    </message>
    <message>
        <source>Spielregeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Punktfeld %1&lt;/h3&gt;&lt;p&gt;Punkte und Kästchen für eine Person gegen den Computer.&lt;/p&gt;&lt;p&gt;© 2026 Die Entwickler von Punktfeld&lt;/p&gt;&lt;p&gt;Lizenz: GNU General Public License, Version 3 oder jede spätere Version (GPL-3.0-or-later). Punktfeld ist freie Software und kommt ohne jede Gewährleistung.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Punktfeld %1&lt;/h3&gt;&lt;p&gt;Dots and boxes for one person against the computer.&lt;/p&gt;&lt;p&gt;© 2026 The Punktfeld developers&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Punktfeld is free software and comes with no warranty.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Über Punktfeld</source>
        <translation>About Punktfeld</translation>
    </message>
</context>
<context>
    <name>Kontrollband</name>
    <message>
        <source>Wer nach der Regel der langen Ketten auf Kurs zur Kontrolle ist: grün du, rot der Computer, grau offen</source>
        <translation>Who is on course for control by the long-chain rule: green you, red the computer, gray open</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Punktfeld</source>
        <translation>Punktfeld</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Spiel öffnen</source>
        <translation>Open Game</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Spiel speichern</source>
        <translation>Save Game</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+Alt+S</source>
        <translation>Ctrl+Alt+S</translation>
    </message>
    <message>
        <source>Spiel speichern unter ...</source>
        <translation>Save Game As ...</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gespeichert werden.</source>
        <translation>The file cannot be saved.</translation>
    </message>
    <message>
        <source>Datei gespeichert</source>
        <translation>Game saved</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Analyse läuft …</source>
        <translation>Analysing …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Größe</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Neues Spiel</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Tipp</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Analyse …</source>
        <translation>&amp;Analysis …</translation>
    </message>
    <message>
        <source>&amp;Klein</source>
        <translation>&amp;Small</translation>
    </message>
    <message>
        <source>&amp;Mittel</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>&amp;Groß</source>
        <translation>&amp;Large</translation>
    </message>
    <message>
        <source>&amp;6 - Meister</source>
        <translation>&amp;6 - Master</translation>
    </message>
    <message>
        <source>&amp;5 - Stark</source>
        <translation>&amp;5 - Strong</translation>
    </message>
    <message>
        <source>&amp;4</source>
        <translation>&amp;4</translation>
    </message>
    <message>
        <source>&amp;3 - Mittel</source>
        <translation>&amp;3 - Medium</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>&amp;1 - Schwach</source>
        <translation>&amp;1 - Weak</translation>
    </message>
    <message>
        <source>Spiel ö&amp;ffnen</source>
        <translation>&amp;Open Game</translation>
    </message>
    <message>
        <source>&amp;Spiel speichern</source>
        <translation>&amp;Save Game</translation>
    </message>
    <message>
        <source>Spiel speichern &amp;unter</source>
        <translation>Save Game &amp;As</translation>
    </message>
    <message>
        <source>&amp;Mensch startet</source>
        <translation>&amp;Human Starts</translation>
    </message>
    <message>
        <source>&amp;Zügig spielen</source>
        <translation>&amp;Fast Play</translation>
    </message>
    <message>
        <source>&amp;Spielregeln</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Über &amp;Punktfeld</source>
        <translation>&amp;About Punktfeld</translation>
    </message>
</context>
<context>
    <name>Partie</name>
    <message>
        <source>Mensch: %1, Computer: %2</source>
        <translation>Human: %1, Computer: %2</translation>
    </message>
    <message>
        <source>, fertig</source>
        <translation>, game over</translation>
    </message>
    <message>
        <source>, du bist dran</source>
        <translation>, your turn</translation>
    </message>
</context>
<context>
    <name>Tipp</name>
    <message>
        <source>Tipp: noch %1 von %2 Kästchen für dich</source>
        <translation>Hint: %1 of %2 boxes for you</translation>
    </message>
</context>
</TS>
