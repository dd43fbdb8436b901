<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>znaczniki: brak %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>znaczniki: nienarysowane: %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>znaczniki: wszystkie na miejscu</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>ramka: zamknięta</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>ramka: otwarta w (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>w polu czasu nie ma liczby całkowitej (potrzeba %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>limit czasu %1 s wystarczy (potrzeba %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>limit czasu %1 s jest za krótki (potrzeba %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>rozwiązywalny: kroki %1 + pchnięcia %2%3, najkrótszy czas %4; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (nie dowiedziono, że najkrótsze: limit wyszukiwania)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>nierozwiązywalny</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>nierozstrzygnięty (limit wyszukiwania)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>nierozstrzygnięty (limit czasu)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>sprawdzanie…</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>zostanie sprawdzony, gdy da się go zagrać</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>gra nie może odczytać tego poziomu: %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>pola: klejnoty: %1, cele: %2</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>pole %1 zawiera „%2”, co nie jest liczbą całkowitą od 1 do %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>Nie można utworzyć nowej siatki: %1.
Poziom w edytorze pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>Nie można wczytać %1 z %2:
%3.
Poziom w edytorze pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>Nie można zapisać %1 w %2:
%3.
Nic nie zapisano; poziom w edytorze pozostał bez zmian.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>w miejscu, gdzie powinien być %2, jest plik o nazwie %1</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>w miejscu, gdzie powinien być %2, jest coś o nazwie %1, ale to nie jest katalog</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>katalog Maps</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>katalog poziomów</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>katalog Maps nie istnieje</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>czas „%1” nie jest liczbą całkowitą od -32768 do 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>nie można utworzyć: %1: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Zapisać zmiany w %1 przed zamknięciem?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Bieżące : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>nazwa poziomu nie może zawierać „/” ani „\”; wpisz samą nazwę, np. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>nazwa poziomu nie może zawierać znaków sterujących</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>nazwa poziomu nie może składać się z samych spacji</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>Nie można wkleić poziomu:
%1.
Poziom w edytorze pozostał bez zmian.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>POZIOM : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>WYGRANA!</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Gotowy do gry…</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUZA</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Z tego miejsca nie da się już wygrać tego poziomu. Zacznij go od nowa klawiszem F3.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>Nie znaleziono podpowiedzi na czas.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>CZAS :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>POZIOM :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>CZAS : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>Nie znaleziono pliku poziomu!</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>Nie można zagrać poziomu %1.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>Nie można odczytać zestawu poziomów „%1”:
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>Zestaw poziomów „%1” nie zawiera żadnego poziomu.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Wybór poziomu</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Zakończ bieżącą grę</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Zakończ Kelvaro</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Podaj numer poziomu (1–%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>Plik poziomu %1 już nie istnieje.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>Nie można odczytać pliku poziomu %1:
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>Plik poziomu %1 jest uszkodzony:
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie da się go odczytać</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>wiersz %1 jest uszkodzony</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>Plik rekordów %1 jest uszkodzony (%2).

Nie udało się go odłożyć (%3), więc w tej grze rekordy nie są zapisywane.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>Plik rekordów %1 jest uszkodzony (%2).

Odłożono go jako %3; rekordy zaczynają się od nowa.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>Nie można zapisać rekordów: %1.

Gra toczy się dalej bez nich.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Wygenerowana łamigłówka</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Łamigłówka dnia</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>Kod „%1” nie zaczyna się od litery poziomu trudności: E, M, H lub X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>Kod „%1” nie ma liczby po literze poziomu trudności.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>Kod „%1” musi kończyć się liczbą, jak M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>Kod „%1” ma liczbę większą niż 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>Nie znaleziono poziomu, spróbuj innego kodu.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>Poziom %1 zachowano jako %2.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>Poziom %1 jest już zachowany jako %2.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>Nie można zachować poziomu %1 w %2:
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>Poziomu %1 nie zachowano: %2 nie da się odczytać jako opisu zestawu. Najpierw go popraw lub usuń.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>Poziomu %1 nie zachowano: zestaw %2 ma już 999 poziomów.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>Poziomu %1 nie zachowano: nie ma folderu na twoje poziomy, bo nie ustawiono ani XDG_DATA_HOME, ani HOME.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro dnia %1 (%2): rozwiązano, zostało %3 s, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro dnia %1 (%2): rozwiązano, zostało %3 s, %4 · seria: %n dzień</numerusform>
            <numerusform>Kelvaro dnia %1 (%2): rozwiązano, zostało %3 s, %4 · seria: %n dni</numerusform>
            <numerusform>Kelvaro dnia %1 (%2): rozwiązano, zostało %3 s, %4 · seria: %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n ruch (par %1)</numerusform>
            <numerusform>%n ruchy (par %1)</numerusform>
            <numerusform>%n ruchów (par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>Pokazać rozwiązanie? Poziom nie będzie liczony jako rozwiązany.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Dla tego poziomu nie zachowano jeszcze żadnego twojego rozwiązania.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>Solver nie znalazł rozwiązania od początku poziomu.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>Plik rozwiązań %1 jest uszkodzony (%2).

Nie udało się go odłożyć (%3), więc w tej grze rozwiązania nie są zapisywane.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>Plik rozwiązań %1 jest uszkodzony (%2).

Odłożono go jako %3; rozwiązania są zapisywane od nowa.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>Nie można zapisać rozwiązań: %1.

Gra toczy się dalej bez nich.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>odczyt</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>znaczniki</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>ramka</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>pola</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>rozwiązanie</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>najkrótszy czas</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limit czasu</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>pchnięcia</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>zmiany</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>skrzynie</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>pułapki</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>wysiłek</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>ruchy</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>poziomy</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>luka</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>pominięte</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>ZALICZONY</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>NIEZALICZONY</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>rozwiązywalny</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>nierozwiązywalny</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>nieznany (osiągnięto limit)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>nie: %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>tak, %1 x %2 pól</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>nie szukano: poziomu w tej postaci nie da się ocenić</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>brak: nierozstrzygnięty (osiągnięto limit czasu)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>brak: %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(najkrótsze)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(nie dowiedziono, że najkrótsze: osiągnięto limit)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n krok</numerusform>
            <numerusform>%n kroki</numerusform>
            <numerusform>%n kroków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n pchnięcie</numerusform>
            <numerusform>%n pchnięcia</numerusform>
            <numerusform>%n pchnięć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n akcja</numerusform>
            <numerusform>%n akcje</numerusform>
            <numerusform>%n akcji</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, bez rozwiązania nieoceniony</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, wystarczy (potrzeba %2 lub więcej)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, ZA KRÓTKI (potrzeba %2 lub więcej)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1: klejnotu %2, skrzyń %3</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 pchanego obiektu, najdłuższa seria %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n zmiana</numerusform>
            <numerusform>%n zmiany</numerusform>
            <numerusform>%n zmian</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>muszą się ruszyć w każdym rozwiązaniu: %1, ruszone w najkrótszym: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n przegrywające pchnięcie</numerusform>
            <numerusform>%n przegrywające pchnięcia</numerusform>
            <numerusform>%n przegrywających pchnięć</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>wzdłuż najkrótszego rozwiązania: %1, już pierwsze pchnięcie może przegrać</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>wzdłuż najkrótszego rozwiązania: %1</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>ruszone w najkrótszym: %1</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>nie policzono: %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>więcej pozycji niż limit</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>pominięto (--quick)</translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n stan</numerusform>
            <numerusform>%n stany</numerusform>
            <numerusform>%n stanów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide, %2 in all</source>
        <translation>do rozstrzygnięcia rozwinięto: %1, łącznie %2</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n pozycja</numerusform>
            <numerusform>%n pozycje</numerusform>
            <numerusform>%n pozycji</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>do rozstrzygnięcia rozwinięto: %1</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>start, klejnot i cel w rysowanym obszarze</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>poza rysowanym obszarem: %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>otwarta w (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięta</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>jeden klejnot, jeden cel, tylko kody od 0 do 4</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>zestaw „%1”</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>brak: żaden plik nie nazywa się od maze1.txt do maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, numery od %2 do %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n poziom</numerusform>
            <numerusform>%n poziomy</numerusform>
            <numerusform>%n poziomów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, numer %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1: gra gra tylko od maze1.txt do maze999.txt, każdy numer w jednej pisowni</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>uszkodzony: nazwa katalogu służy za tytuł</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limit czasu</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Pchnięcia</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Akcje</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Najkrótszy czas</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Limit / najkrótszy czas</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Pchnięcia klejnotu / skrzyń</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Zmiany obiektu</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Skrzynie do ruszenia (ruszone)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Pułapki</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>Pierwsze pchnięcie może przegrać</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Wysiłek wyszukiwania</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>PLIK lub KATALOG</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>zaliczone: %1 z %n pliku</numerusform>
            <numerusform>zaliczone: %1 z %n plików</numerusform>
            <numerusform>zaliczone: %1 z %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>brakuje %1</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>brakuje od %1 do %2</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>statystyki</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n zmiana obiektu</numerusform>
            <numerusform>%n zmiany obiektu</numerusform>
            <numerusform>%n zmian obiektu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n seria pchnięć</numerusform>
            <numerusform>%n serie pchnięć</numerusform>
            <numerusform>%n serii pchnięć</numerusform>
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
        <translation>użycie: kel_check [--moves] [--markdown] [--quick] [--limit STANY] [--seconds S] PLIK|KATALOG...
        kel_check --picture PLIK|KATALOG...
        kel_check --help | --version
  Sprawdza każdy plik poziomu tak, jak czyta go gra; kończy się kodem 0 tylko wtedy, gdy każdy plik przejdzie.
  Plik może też zawierać obraz poziomu (zob. --picture).
  Katalog to zestaw poziomów: jego pliki od maze1.txt do maze999.txt są sprawdzane według numerów,
  a brakujące numery są zgłaszane (nie oblewają zestawu); zestaw bez poziomu nie przechodzi.
  --moves      wypisz też najkrótsze rozwiązanie (r l u d krok, R L U D pchnięcie)
  --markdown   wypisz tabelę poziomów zamiast sprawdzeń
  --quick      pomiń kosztowne miary głębi (skrzynie, które muszą się ruszyć, pułapki)
  --limit N    liczba stanów, które może trzymać każde wyszukiwanie (domyślnie 1000000)
  --seconds S  czas, jaki może zająć każde wyszukiwanie (domyślnie 30)
  --picture    wypisz obraz każdego poziomu w zwykłych znakach zamiast go sprawdzać
  --help       wypisz ten tekst i zakończ
  --version    wypisz wersję i zakończ

Miary głębi, dla najkrótszego rozwiązania i pozycji poziomu:
  pchnięcia    pchnięcia najkrótszego rozwiązania, klejnotu i skrzyń.
  zmiany       jak często pchany obiekt różni się od pchniętego tuż przedtem;
               najdłuższa seria: najwięcej pchnięć jednego obiektu w jednym kierunku z rzędu.
  skrzynie     skrzynie, które muszą się ruszyć: te, które rusza każde rozwiązanie, bo ze
               skrzynią unieruchomioną na miejscu poziom jest dowiedzenie nierozwiązywalny;
               oraz ile skrzyń rusza najkrótsze rozwiązanie.
  pułapki      różne pchnięcia (co jest pchane, skąd, w którą stronę) dostępne w pozycji
               wzdłuż najkrótszego rozwiązania, które zostawiają pozycję dowiedzenie
               przegraną, więc gracz musi zacząć od nowa; oraz czy któreś jest dostępne
               przed pierwszym pchnięciem.
  wysiłek      stany rozwinięte przez rozstrzygające wyszukiwanie, zanim poznało wynik;
               pozycje: wszystkie, które poziom może osiągnąć, gracz liczony raz na
               obszar, po którym chodzi. Skrzynie i pułapki są liczone tylko wtedy,
               gdy mieszczą się w limicie stanów.
  statystyki   to, co okno Rekordy pokazuje dla zachowanego rozwiązania, tu dla
               najkrótszego: akcje, pchnięcia, zmiany obiektu i serie pchnięć (ciągi
               pchnięć bez kroku pomiędzy).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>Nie można zagrać wklejonego poziomu:
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Wklejone ruchy wymagają poziomu w grze.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 „%2” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 wykracza poza zakres od %3 do %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>nie udało się odczytać pliku do końca</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>plik kończy się przed: %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>pole (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 w (%2, %3) leży poza siatką %4 x %5 pól</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>to nie jest plik, który da się odczytać</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>nie można go otworzyć: %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>plik jest tylko do odczytu; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>nie udało się zapisać danych na dysk</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>Nie masz uprawnień do odczytu tego katalogu.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>Katalog już nie istnieje.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Nie można odczytać katalogu: %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>klejnot</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>cel</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>najwyższy indeks kolumny</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>najwyższy indeks wiersza</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>kolumna klejnotu</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>wiersz klejnotu</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>kolumna celu</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>wiersz celu</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>kolumna startu</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>wiersz startu</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limit czasu</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>start (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>klejnot (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>cel (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>pola o kodzie %2: %1</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>pola klejnotu: %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>pola celu: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>„%1” nie oznacza żadnego pola</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>rząd ma %1 pól, a pierwszy ma %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>obraz nie ma rzędów pól</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 po raz drugi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>„%1” nie jest słowem obrazu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>„%1” wymaga liczb: %2</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 leży poza siatką %2 x %3 pól</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>żaden wiersz „cell” nie podaje kodu dla: %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Otwórz katalog poziomów</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>na przykład M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Poziom trudności:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Kod:</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Bez kodu: nowa łamigłówka o tym poziomie trudności.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Tworzenie łamigłówki…</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>„%1” jest mniejsze niż %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>„%1” jest większe niż %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>brak: %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>opcja „%1” nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja „%1” wymaga wartości</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>opcja „%1” wymaga wartości w liczbie %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>opcja „%1”: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Otwórz poziomy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Cofnij ruch</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Pliki poziomów…</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Katalog poziomów…</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pchaj</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Pchaj strzałkami</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>Przeglądarka nie pozwoliła stronie odczytać schowka. Naciśnij %1, aby wkleić.</translation>
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
        <translation>użycie: kel_edit [--levels KATALOG] [--help | --version | --self-test]
  Edytor poziomów Kelvaro: rysuj, wczytuj i zapisuj poziomy. Zapisuje w katalogu Maps
  obok siebie, jeśli przyjmuje on nowe pliki, a w przeciwnym razie w „My levels” w katalogu poziomów
  ($XDG_DATA_HOME/kelvaro/levels, domyślnie ~/.local/share/kelvaro/levels).
  Bez opcji edytor otwiera swoje okno.
  --levels KATALOG  zapisuj w zestawie poziomów KATALOG (np. „Generated” w katalogu poziomów)
                    i wczytuj z niego przed katalogiem Maps
  --self-test  sprawdź, czy katalog Maps obok programu daje się odczytać, i zakończ
  --help       wypisz ten tekst i zakończ
  --version    wypisz wersję i zakończ
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
        <translation>Czas :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>Plik :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Uwaga 1: nazwa poziomu musi mieć postać „mazeX”, gdzie X to liczba od 1 do 999, np. maze5 lub maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Uwaga 2: każdy poziom MUSI mieć punkt startu, wyjście i okrągły klejnot!</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>WCZYTAJ</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Edytor poziomów Kelvaro v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Zapisuje w: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Dopasuj czas</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Wypróbuj (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Zatrzymaj rozwiązanie</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>Nie można wypróbować poziomu: czas „%1” nie jest liczbą całkowitą od -32768 do 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>Nie można wypróbować poziomu: najpierw umieść start, klejnot i cel.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>Nie można wypróbować poziomu: nie udało się utworzyć katalogu tymczasowego.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>Nie można wypróbować poziomu:
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>Nie można uruchomić gry %1:
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Kopiuj poziom</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Wklej poziom</translation>
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
        <translation>użycie: kelvaro [--levels KATALOG | --level PLIK | --self-test | --help | --version]
  Kelvaro, łamigłówka z pchaniem: chodź strzałkami, przytrzymaj Ctrl, by pchnąć klejnot do celu.
  Bez opcji gra otwiera okno i gra ostatnio wybrany zestaw poziomów
  (Gra &gt; Wybierz poziom…), na początku pięćdziesiąt poziomów z katalogu Maps obok programu.
  --levels KATALOG  graj zestaw poziomów z katalogu KATALOG (jego pliki maze1.txt, maze2.txt…):
                    Nowa gra pyta o numer od 1 do najwyższego
  --level PLIK      od razu graj plik poziomu PLIK, z efektem startu, odliczaniem,
                    wygraną i przegraną; Nowa gra, Dalej i Ponów grają go ponownie
  --self-test       sprawdź, czy dźwięki i poziomy obok programu dają się odczytać, i zakończ
  --help            wypisz ten tekst i zakończ
  --version         wypisz wersję i zakończ
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Idź w lewo</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Idź w prawo</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Idź w górę</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Idź w dół</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pchanie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Wybierz klawisz dla: %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>Klawisz %1 wybrano jednocześnie dla: %2 i %3.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>Przycisk %1 wybrano jednocześnie dla: %2 i %3.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Naciśnij klawisz…</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Drugi klawisz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Strzałki</translation>
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
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Przycisk</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n poziom</numerusform>
            <numerusform>%n poziomy</numerusform>
            <numerusform>%n poziomów</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>Nie można zagrać poziomu %1.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>Jego katalog %1 już nie istnieje.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Wybierz poziom</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1, autor: %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Katalog: %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>W tym katalogu nie ma pliku poziomu (maze1.txt, maze2.txt, …).</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, numery od 1 do %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation>; brak poziomu %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>Jego set.txt jest nieczytelny, więc zestaw nosi nazwę katalogu.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Odtwórz moje rozwiązanie</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzony</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>rozwiązany</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>nierozwiązany</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>najlepszy pozostały czas %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>najmniej ruchów %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>rozwiązanie zapisane</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Wybierz poziom…</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Otwórz katalog poziomów…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Pomoc do gry</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O grze…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Język środowiska</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Wygenerowana łamigłówka…</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Łamigłówka dnia</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Zachowaj ten poziom</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Odtwórz moje rozwiązanie</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Klawisze…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Kopiuj poziom</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Wklej poziom</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Rozwiązany</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Najlepszy pozostały czas</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Najmniej ruchów</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Zagadki dnia</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>Rozwiązano %n dzień</numerusform>
            <numerusform>Rozwiązano %n dni</numerusform>
            <numerusform>Rozwiązano %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Obecna seria: %n dzień</numerusform>
            <numerusform>Obecna seria: %n dni</numerusform>
            <numerusform>Obecna seria: %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Najdłuższa seria: %n dzień</numerusform>
            <numerusform>Najdłuższa seria: %n dni</numerusform>
            <numerusform>Najdłuższa seria: %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>pokazany</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Pchnięcia</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Zmiany obiektu</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Serie pchnięć</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>POMOC</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  To proste:</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Poruszaj Kelvaro klawiszami strzałek.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Przytrzymaj Ctrl, by pchać przeszkody.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Jeśli doprowadzisz kulę do „celu”</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  przed upływem czasu, wygrywasz!</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>O Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – łamigłówka z pchaniem na pulpit</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Gra, poziomy i edytor: zespół Kelvaro</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Obrazy i dźwięki z naszych własnych narzędzi</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Wolno grać, udostępniać i zmieniać</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Poruszaj Kelvaro klawiszami %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Przytrzymaj %1, by pchać przeszkody.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pauza %1, cofnij %2, ponów %3, podpowiedź %4.</translation>
    </message>
</context>
</TS>
