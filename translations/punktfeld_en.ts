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
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Klein</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Groß</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>6 - Meister</source>
        <translation>6 - Master</translation>
    </message>
    <message>
        <source>5 - Stark</source>
        <translation>5 - Strong</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>3 - Mittel</source>
        <translation>3 - Medium</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>1 - Schwach</source>
        <translation>1 - Weak</translation>
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
        <source>Spiel speichern unter</source>
        <translation>Save Game As</translation>
    </message>
    <message>
        <source>Ctrl+Alt+S</source>
        <translation>Ctrl+Alt+S</translation>
    </message>
    <message>
        <source>Mensch startet</source>
        <translation>Human Starts</translation>
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
        <source>Analyse …</source>
        <translation>Analysis …</translation>
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
