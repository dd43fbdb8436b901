<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>Markierungen: es fehlt %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>Markierungen: nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>Markierungen: alle gesetzt</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>Rahmen: geschlossen</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>Rahmen: offen bei (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>im Zeitfeld steht keine ganze Zahl (nötig: %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>Zeitlimit %1 s reicht (nötig: %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>Zeitlimit %1 s ist zu kurz (nötig: %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>lösbar: %1 Schritte + %2 Schübe%3, kürzeste Zeit %4; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (nicht sicher die kürzeste: Suchgrenze)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>unlösbar</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>unentschieden (Suchgrenze)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>unentschieden (Zeitgrenze)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>wird geprüft …</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>wird geprüft, sobald es spielbar ist</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>das Spiel kann dieses Level nicht lesen: %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>Felder: %1 Juwel(en), %2 Ziel(e)</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>im Feld %1 steht „%2“, keine ganze Zahl von 1 bis %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>Neues Raster nicht möglich: %1.
Das Level im Editor bleibt unverändert.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>%1 konnte nicht aus %2 geladen werden:
%3.
Das Level im Editor bleibt unverändert.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>%1 konnte nicht in %2 gespeichert werden:
%3.
Es wurde nichts geschrieben; das Level im Editor bleibt unverändert.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>dort, wo der %2 sein sollte, liegt eine Datei namens %1</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>dort, wo der %2 sein sollte, liegt etwas namens %1, aber es ist kein Ordner</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>Maps-Ordner</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>Level-Ordner</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>den Maps-Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>die Zeit „%1“ ist keine ganze Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>der %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Änderungen an %1 vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Aktuell : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>ein Levelname darf weder „/“ noch „\“ enthalten; nur den Namen eingeben, z. B. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>ein Levelname darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>ein Levelname darf nicht nur aus Leerzeichen bestehen</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>Das Level konnte nicht eingefügt werden:
%1.
Das Level im Editor bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>LEVEL : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>GEWONNEN!</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Bereit zum Spielen …</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUSE</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Dieses Level ist von hier aus nicht mehr zu gewinnen. Mit F3 neu starten.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>Kein Tipp rechtzeitig gefunden.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>ZEIT :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>LEVEL :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>ZEIT : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>Leveldatei nicht gefunden!</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>Level %1 kann nicht gespielt werden.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>Die Levelsammlung „%1“ kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>Die Levelsammlung „%1“ enthält kein Level.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Levelauswahl</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Laufendes Spiel beenden</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Level neu starten</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Kelvaro beenden</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Levelnummer eingeben (1–%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>Die Leveldatei %1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>Die Leveldatei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>Die Leveldatei %1 ist beschädigt:
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie ist nicht lesbar</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>Zeile %1 ist beschädigt</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>Die Bestleistungsdatei %1 ist beschädigt (%2).

Sie konnte nicht beiseitegelegt werden (%3), daher werden in diesem Spiel keine Bestleistungen gespeichert.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>Die Bestleistungsdatei %1 ist beschädigt (%2).

Sie wurde als %3 beiseitegelegt; die Bestleistungen beginnen neu.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>Ihre Bestleistungen können nicht gespeichert werden: %1.

Das Spiel geht ohne sie weiter.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Erzeugtes Rätsel</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rätsel des Tages</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>Der Code „%1“ beginnt nicht mit einem Stufenbuchstaben: E, M, H oder X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>Der Code „%1“ hat keine Zahl nach seinem Stufenbuchstaben.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>Der Code „%1“ muss auf eine Zahl enden, wie M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>Der Code „%1“ hat eine Zahl über 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>Kein Level gefunden, versuche einen anderen Code.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>Das Level %1 ist als %2 behalten.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>Das Level %1 ist schon als %2 behalten.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>Das Level %1 konnte nicht in %2 behalten werden:
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>Das Level %1 wurde nicht behalten: %2 lässt sich nicht als Beschreibung einer Sammlung lesen. Berichtige oder entferne die Datei zuerst.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>Das Level %1 wurde nicht behalten: Die Sammlung %2 hat schon 999 Level.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>Das Level %1 wurde nicht behalten: Es gibt keinen Ordner für deine Level, da weder XDG_DATA_HOME noch HOME gesetzt ist.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro Rätsel des Tages %1 (%2): gelöst, %3 s übrig, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro Rätsel des Tages %1 (%2): gelöst, %3 s übrig, %4 · Serie von %n Tag</numerusform>
            <numerusform>Kelvaro Rätsel des Tages %1 (%2): gelöst, %3 s übrig, %4 · Serie von %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n Zug (Par %1)</numerusform>
            <numerusform>%n Züge (Par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Eine Lösung zeigen</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>Eine Lösung zeigen? Das Level zählt dann nicht als gelöst.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Für dieses Level ist noch keine Lösung von dir gespeichert.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>Der Löser hat vom Start des Levels aus keine Lösung gefunden.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>Die Lösungsdatei %1 ist beschädigt (%2).

Sie konnte nicht beiseitegelegt werden (%3), daher werden in diesem Spiel keine Lösungen gespeichert.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>Die Lösungsdatei %1 ist beschädigt (%2).

Sie wurde als %3 beiseitegelegt; Ihre Lösungen werden neu gespeichert.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>Ihre Lösungen können nicht gespeichert werden: %1.

Das Spiel geht ohne sie weiter.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>lesbar</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>Marken</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>kürzeste Zeit</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>Schübe</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>Wechsel</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>Fallen</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>Aufwand</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>übergangen</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>DURCHGEFALLEN</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>lösbar</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>unlösbar</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>unbekannt (Grenze erreicht)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>nein: %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>ja, %1 x %2 Felder</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>nicht gesucht: das Level lässt sich so nicht beurteilen</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>keine: unentschieden (Zeitgrenze erreicht)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>keine: %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(kürzeste)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(nicht sicher die kürzeste: Grenze erreicht)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n Schritt</numerusform>
            <numerusform>%n Schritte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n Schub</numerusform>
            <numerusform>%n Schübe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n Aktion</numerusform>
            <numerusform>%n Aktionen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, ohne Lösung nicht beurteilt</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, reicht (nötig: %2 oder mehr)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, ZU KURZ (nötig: %2 oder mehr)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1: %2 des Juwels, %3 von Kisten</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 des geschobenen Objekts, längste Folge %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n Wechsel</numerusform>
            <numerusform>%n Wechsel</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>%1 müssen in jeder Lösung bewegt werden, %2 bewegt in der kürzesten</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n verlierender Schub</numerusform>
            <numerusform>%n verlierende Schübe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>%1 entlang der kürzesten Lösung, schon der erste Schub kann verlieren</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>%1 entlang der kürzesten Lösung</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>%1 bewegt in der kürzesten</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>nicht gezählt: %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>mehr Stellungen als die Grenze</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>ausgelassen (--quick)</translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n Zustand</numerusform>
            <numerusform>%n Zustände</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide, %2 in all</source>
        <translation>%1 zur Entscheidung erweitert, %2 insgesamt</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n Stellung</numerusform>
            <numerusform>%n Stellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>%1 zur Entscheidung erweitert</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>Start, Juwel und Ziel im gezeichneten Bereich</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>außerhalb des gezeichneten Bereichs: %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>offen bei (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>ein Juwel, ein Ziel, nur Codes 0 bis 4</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>Sammlung „%1“</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>keine: keine Datei namens maze1.txt bis maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, nummeriert %2 bis %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n Level</numerusform>
            <numerusform>%n Level</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, Nummer %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1: das Spiel spielt nur maze1.txt bis maze999.txt, jede Nummer in einer Schreibweise</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>beschädigt: der Name des Ordners steht für den Titel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Schübe</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Kürzeste Zeit</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Limit / kürzeste Zeit</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Schübe Juwel / Kisten</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Objektwechsel</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Folge</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Kisten zu bewegen (bewegt)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Fallen</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>Erster Schub kann verlieren</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Suchaufwand</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>DATEI oder ORDNER</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>bestanden: %1 von %n Datei</numerusform>
            <numerusform>bestanden: %1 von %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>%1 bis %2 fehlen</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>Statistik</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n Objektwechsel</numerusform>
            <numerusform>%n Objektwechsel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n Schubfolge</numerusform>
            <numerusform>%n Schubfolgen</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: kel_check [--moves] [--markdown] [--quick] [--limit STATES] [--seconds S] FILE|DIR...
       kel_check --picture FILE|DIR...
       kel_check --help | --version
  Checks each level file as the game reads it; exits 0 only when every file passes.
  A file may also hold a picture of a level (see --picture).
  A folder is a level set: its maze1.txt to maze999.txt are checked in number order,
  and missing numbers are reported (they do not fail it); a set without a level fails.
  --moves      also print a shortest solution (r l u d walk, R L U D push)
  --markdown   print a table of the levels instead of the checks
  --quick      leave out the costly depth figures (crates that must move, traps)
  --limit N    states each search may hold (default 1000000)
  --seconds S  time each search may take (default 30)
  --picture    print each level&apos;s picture in plain characters instead of checking it
  --help       print this text and exit
  --version    print the version and exit

Depth figures, on the shortest solution and the level&apos;s positions:
  pushes       pushes of the shortest solution, of the jewel and of crates.
  changes      how often the pushed object differs from the one pushed just before;
               longest run: the most pushes of one object in one direction in a row.
  crates       crates that must move: those that every solution moves, since with
               the crate fixed in place the level is proven unsolvable; and how many
               crates the shortest solution moves.
  traps        distinct pushes (what is pushed, from where, which way) available in
               a position along the shortest solution that leave a position proven
               unwinnable, so the player has to restart; and whether one is
               available before the first push.
  effort       states the search that decides the level expanded before it knew;
               positions: all the level can reach, the player counted once per
               area it walks in. Crates and traps are only counted when they fit
               the state limit.
  statistics   what the game&apos;s Records window shows of a kept solution, here of the
               shortest: actions, pushes, object changes and push runs (runs of
               pushes with no walk between them).
</source>
        <translation>Aufruf: kel_check [--moves] [--markdown] [--quick] [--limit ZUSTÄNDE] [--seconds S] DATEI|ORDNER...
       kel_check --picture DATEI|ORDNER...
       kel_check --help | --version
  Prüft jede Leveldatei so, wie das Spiel sie liest; endet nur mit 0, wenn jede Datei besteht.
  Eine Datei darf auch ein Bild eines Levels enthalten (siehe --picture).
  Ein Ordner ist eine Levelsammlung: ihre maze1.txt bis maze999.txt werden nach Nummer geprüft,
  fehlende Nummern werden gemeldet (sie lassen sie nicht durchfallen); eine Sammlung ohne Level fällt durch.
  --moves      auch eine kürzeste Lösung ausgeben (r l u d Schritt, R L U D Schub)
  --markdown   statt der Prüfungen eine Tabelle der Level ausgeben
  --quick      die aufwendigen Tiefenwerte auslassen (Kisten, die bewegt werden müssen, Fallen)
  --limit N    Zustände, die jede Suche halten darf (Vorgabe 1000000)
  --seconds S  Zeit, die jede Suche dauern darf (Vorgabe 30)
  --picture    statt der Prüfung das Bild jedes Levels in einfachen Zeichen ausgeben
  --help       diesen Text ausgeben und beenden
  --version    die Version ausgeben und beenden

Tiefenwerte, zur kürzesten Lösung und den Stellungen des Levels:
  Schübe       Schübe der kürzesten Lösung, des Juwels und der Kisten.
  Wechsel      wie oft sich das geschobene Objekt vom zuvor geschobenen unterscheidet;
               längste Folge: die meisten Schübe eines Objekts in eine Richtung hintereinander.
  Kisten       Kisten, die bewegt werden müssen: die jede Lösung bewegt, weil das Level
               mit der Kiste an ihrem Platz nachweislich unlösbar ist; und wie viele
               Kisten die kürzeste Lösung bewegt.
  Fallen       verschiedene Schübe (was geschoben wird, von wo, in welche Richtung), die
               in einer Stellung entlang der kürzesten Lösung möglich sind und eine
               nachweislich verlorene Stellung hinterlassen, sodass neu begonnen werden muss;
               und ob einer schon vor dem ersten Schub möglich ist.
  Aufwand      Zustände, die die entscheidende Suche erweiterte, bevor sie es wusste;
               Stellungen: alle, die das Level erreichen kann, die Spielfigur einmal je
               Bereich gezählt, in dem sie läuft. Kisten und Fallen werden nur gezählt,
               wenn sie in die Zustandsgrenze passen.
  Statistik    was das Fenster Bestleistungen von einer behaltenen Lösung zeigt, hier
               von der kürzesten: Aktionen, Schübe, Objektwechsel und Schubfolgen
               (Folgen von Schüben ohne Schritt dazwischen).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>Das eingefügte Level kann nicht gespielt werden:
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Die eingefügten Züge brauchen ein Level im Spiel.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 liegt außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>die Datei endet vor: %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>Feld (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 bei (%2, %3) liegt außerhalb des Rasters von %4 x %5 Feldern</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>es ist keine lesbare Datei</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>sie lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>die Datei ist schreibgeschützt; sie blieb unverändert</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>die Daten konnten nicht auf die Platte geschrieben werden</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>Sie dürfen diesen Ordner nicht lesen.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>Den Ordner gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Der Ordner kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>Juwel</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>Höchster Spaltenindex</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>Höchster Zeilenindex</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>Juwel-Spalte</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>Juwel-Zeile</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>Ziel-Spalte</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>Ziel-Zeile</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>Start-Spalte</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>Start-Zeile</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>Start (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>Juwel (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>Ziel (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>%1 Feld(er) mit Code %2</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>Juwelfelder: %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>Zielfelder: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>„%1“ steht für kein Feld</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>die Zeile hat %1 Felder, die erste hat %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>das Bild hat keine Zeilen mit Feldern</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 ein zweites Mal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>„%1“ ist kein Wort eines Bildes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>„%1“ braucht %2 Zahlen</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 liegt außerhalb des Rasters von %2 x %3 Feldern</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>keine Zeile „cell“ gibt den Code von %1 an</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Level-Ordner öffnen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>etwa M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Ohne Code ein neues Rätsel der Stufe.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Das Rätsel entsteht …</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>„%1“ ist kleiner als %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>„%1“ ist größer als %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>Option „%1“ braucht %2 Werte</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>Option „%1“: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Level öffnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Level-Dateien …</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Level-Ordner …</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Mit den Pfeilen schieben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>Der Browser hat der Seite das Lesen der Zwischenablage nicht erlaubt. Zum Einfügen %1 drücken.</translation>
    </message>
</context>
<context>
    <name>kelvaro::EditorUsage</name>
    <message>
        <source>usage: kel_edit [--levels DIR] [--help | --version | --self-test]
  The Kelvaro level editor: paint, load and save levels. It saves in the Maps folder
  beside it where that folder takes new files, else in &quot;My levels&quot; in the level home
  ($XDG_DATA_HOME/kelvaro/levels, by default ~/.local/share/kelvaro/levels).
  Without an option the editor opens its window.
  --levels DIR  save in the level set DIR (such as &quot;Generated&quot; in the level home) and
               load from it before the Maps folder
  --self-test  check that the maps folder beside the program can be read, then exit
  --help       print this text and exit
  --version    print the version and exit
</source>
        <translation>Aufruf: kel_edit [--levels ORDNER] [--help | --version | --self-test]
  Der Kelvaro-Leveleditor: Level zeichnen, laden und speichern. Er speichert im Maps-Ordner
  neben sich, wenn dieser neue Dateien aufnimmt, sonst in „My levels“ im Level-Zuhause
  ($XDG_DATA_HOME/kelvaro/levels, standardmäßig ~/.local/share/kelvaro/levels).
  Ohne Option öffnet der Editor sein Fenster.
  --levels ORDNER  im Level-Set ORDNER speichern (etwa „Generated“ im Level-Zuhause) und
                   aus ihm vor dem Maps-Ordner laden
  --self-test  prüfen, ob der Maps-Ordner neben dem Programm lesbar ist, dann beenden
  --help       diesen Text ausgeben und beenden
  --version    die Version ausgeben und beenden
</translation>
    </message>
</context>
<context>
    <name>kelvaro::EditorWindow</name>
    <message>
        <source>X :</source>
        <translation>X :</translation>
    </message>
    <message>
        <source>Y :</source>
        <translation>Y :</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Zeit :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>Datei :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Hinweis 1: Der Levelname muss „mazeX“ lauten, X eine Zahl von 1 bis 999, z. B. maze5 oder maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Hinweis 2: Jedes Level MUSS einen Startpunkt, ein Ziel und das runde Juwel enthalten!</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Kelvaro-Leveleditor v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Speichert in: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Zeit anpassen</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Probespielen (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Lösung anhalten</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>Probespielen nicht möglich: Die Zeit „%1“ ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>Probespielen nicht möglich: Erst Start, Juwel und Ziel setzen.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>Probespielen nicht möglich: Kein temporärer Ordner konnte angelegt werden.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>Probespielen nicht möglich:
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>Das Spiel %1 konnte nicht gestartet werden:
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Level kopieren</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Level einfügen</translation>
    </message>
</context>
<context>
    <name>kelvaro::GameUsage</name>
    <message>
        <source>usage: kelvaro [--levels DIR | --level FILE | --self-test | --help | --version]
  Kelvaro, a push puzzle: walk with the arrow keys, hold Ctrl to push the jewel onto the goal.
  Without an option the game opens its window and plays the level set chosen last
  (Game &gt; Choose level...), at first the fifty levels in the Maps folder beside the program.
  --levels DIR  play the level set in the folder DIR (its files maze1.txt, maze2.txt, ...):
                New game asks for a number from 1 to its highest
  --level FILE  play the level file FILE at once, with its start effect, countdown,
                win and loss; New game, Next and Retry play it again
  --self-test   check that the sounds and levels beside the program can be read, then exit
  --help        print this text and exit
  --version     print the version and exit
</source>
        <translation>Aufruf: kelvaro [--levels ORDNER | --level DATEI | --self-test | --help | --version]
  Kelvaro, ein Schiebe-Puzzle: mit den Pfeiltasten laufen, mit gehaltenem Strg das Juwel aufs Ziel schieben.
  Ohne Option öffnet das Spiel sein Fenster und spielt die zuletzt gewählte Levelsammlung
  (Spiel &gt; Level wählen …), anfangs die fünfzig Level im Maps-Ordner neben dem Programm.
  --levels ORDNER  die Levelsammlung im Ordner ORDNER spielen (seine Dateien maze1.txt, maze2.txt, …):
                   Neues Spiel fragt nach einer Zahl von 1 bis zu ihrer höchsten
  --level DATEI    die Leveldatei DATEI sofort spielen, mit Starteffekt, Countdown,
                   Sieg und Niederlage; Neues Spiel, Weiter und Nochmal spielen sie erneut
  --self-test      prüfen, ob die Klänge und Level neben dem Programm lesbar sind, dann beenden
  --help           diesen Text ausgeben und beenden
  --version        die Version ausgeben und beenden
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Wähle eine Taste für %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>Die Taste %1 ist für %2 und %3 zugleich gewählt.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>Die Taste %1 des Controllers ist für %2 und %3 zugleich gewählt.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Taste drücken…</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Zweite Taste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>WASD</source>
        <translation>WASD</translation>
    </message>
    <message>
        <source>HJKL</source>
        <translation>HJKL</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n Level</numerusform>
            <numerusform>%n Level</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>Level %1 kann nicht gespielt werden.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>Sein Ordner %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Level wählen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>In diesem Ordner liegt keine Leveldatei (maze1.txt, maze2.txt, …).</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, nummeriert von 1 bis %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation>; kein Level %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>Ihre set.txt ist nicht lesbar, daher trägt die Sammlung den Namen ihres Ordners.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Meine Lösung abspielen</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>nicht gelöst</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>beste Restzeit %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>wenigste Züge %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>Lösung gemerkt</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Level neu starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Bestleistungen</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Level wählen …</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Level-Ordner öffnen …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Spielhilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über …</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Erzeugtes Rätsel …</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rätsel des Tages</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Dieses Level behalten</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Meine Lösung abspielen</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Eine Lösung zeigen</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Tasten…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Level kopieren</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Level einfügen</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Bestleistungen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Beste Restzeit</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Tagesrätsel</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>%n Tag gelöst</numerusform>
            <numerusform>%n Tage gelöst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Laufende Serie: %n Tag</numerusform>
            <numerusform>Laufende Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Längste Serie: %n Tag</numerusform>
            <numerusform>Längste Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>gesehen</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Schübe</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Objektwechsel</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Schubfolgen</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  Ganz einfach:</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Bewege Kelvaro mit den Pfeiltasten.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Mit der Strg-Taste schiebst du die Hindernisse.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Bringst du die Kugel auf das Ziel,</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  bevor die Zeit abläuft, gewinnst du!</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>Über Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – ein Schiebe-Puzzle für den Desktop</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Spiel, Level und Editor: das Kelvaro-Team</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Bilder und Klänge mit eigenen Werkzeugen gemacht</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Frei zum Spielen, Weitergeben und Ändern</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Bewege Kelvaro mit den Tasten %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Mit der Taste %1 schiebst du die Hindernisse.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pause %1, zurücknehmen %2, wiederholen %3, Tipp %4.</translation>
    </message>
</context>
</TS>
