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
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
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
    <name>kelvaro::EditorUsage</name>
    <message>
        <source>usage: kel_edit [--help | --version | --self-test]
  The Kelvaro level editor: paint, load and save levels. It saves in the Maps folder
  beside it where that folder takes new files, else in &quot;My levels&quot; in the level home
  ($XDG_DATA_HOME/kelvaro/levels, by default ~/.local/share/kelvaro/levels).
  Without an option the editor opens its window.
  --self-test  check that the maps folder beside the program can be read, then exit
  --help       print this text and exit
  --version    print the version and exit
</source>
        <translation>użycie: kel_edit [--help | --version | --self-test]
  Edytor poziomów Kelvaro: rysuj, wczytuj i zapisuj poziomy. Zapisuje w katalogu Maps
  obok siebie, jeśli przyjmuje on nowe pliki, a w przeciwnym razie w „My levels” w katalogu poziomów
  ($XDG_DATA_HOME/kelvaro/levels, domyślnie ~/.local/share/kelvaro/levels).
  Bez opcji edytor otwiera swoje okno.
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
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 50, e.g. maze5 or maze 41 .</source>
        <translation>Uwaga 1: nazwa poziomu musi mieć postać „mazeX”, gdzie X to liczba od 1 do 50, np. maze5 lub maze41.</translation>
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
</context>
</TS>
