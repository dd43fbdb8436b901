<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>segni: manca %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>segni: non disegnati: %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>segni: tutti piazzati</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>cornice: chiusa</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>cornice: aperta in (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>la casella del tempo non contiene un numero intero (servono %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>il limite di %1 s basta (servono %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>il limite di %1 s è troppo breve (servono %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>risolvibile: %1 passi + %2 spinte%3, tempo minimo %4; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (minimo non provato: limite di ricerca)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>irrisolvibile</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>indeciso (limite di ricerca)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>indeciso (limite di tempo)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>verifica in corso…</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>verrà verificato quando sarà giocabile</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>il gioco non può leggere questo livello: %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>caselle: %1 gioiello/i, %2 traguardo/i</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>la casella %1 contiene «%2», che non è un numero intero da 1 a %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>Impossibile creare una nuova griglia: %1.
Il livello nell’editor non è cambiato.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>Impossibile caricare %1 da %2:
%3.
Il livello nell’editor non è cambiato.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>Impossibile salvare %1 in %2:
%3.
Non è stato scritto nulla; il livello nell’editor non è cambiato.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>c’è un file chiamato %1 dove dovrebbe esserci la %2</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>c’è qualcosa chiamato %1 dove dovrebbe esserci la %2, ma non è una cartella</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>cartella Maps</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>cartella dei livelli</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>la cartella Maps non esiste</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>il tempo «%1» non è un numero intero da -32768 a 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>impossibile creare la %1: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Salvare le modifiche a %1 prima di chiudere?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Attuale : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>il nome di un livello non può contenere «/» o «\»; scrivere solo il nome, ad es. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>il nome di un livello non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>il nome di un livello non può essere fatto solo di spazi</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>Impossibile incollare il livello:
%1.
Il livello nell’editor non è cambiato.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>LIVELLO : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>GIOCO IN PAUSA</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>HAI VINTO!</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Pronto a giocare…</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUSA</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Da qui questo livello non si può più vincere. Ricomincialo con F3.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>Nessun suggerimento trovato in tempo.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>TEMPO :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>LIVELLO :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>TEMPO : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>File del livello non trovato!</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>Impossibile giocare il livello %1.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>Impossibile leggere la raccolta di livelli «%1»:
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>La raccolta di livelli «%1» non contiene livelli.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Scelta del livello</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Esci dalla partita in corso</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Ricomincia il livello</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Esci da Kelvaro</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Inserisci il numero del livello (1-%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>Il file del livello %1 non esiste più.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>Impossibile leggere il file del livello %1:
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>Il file del livello %1 è danneggiato:
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la riga %1 è danneggiata</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>Il file dei record %1 è danneggiato (%2).

Non è stato possibile metterlo da parte (%3), quindi in questa partita i record non vengono salvati.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>Il file dei record %1 è danneggiato (%2).

È stato messo da parte come %3; i record ripartono da zero.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>Impossibile salvare i tuoi record: %1.

Il gioco continua senza.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Rompicapo generato</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rompicapo del giorno</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>Il codice «%1» non inizia con una lettera di difficoltà: E, M, H o X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>Il codice «%1» non ha un numero dopo la lettera di difficoltà.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>Il codice «%1» deve finire con un numero, come M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>Il codice «%1» ha un numero superiore a 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>Nessun livello trovato, prova un altro codice.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>Il livello %1 è stato tenuto come %2.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>Il livello %1 è già tenuto come %2.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>Impossibile tenere il livello %1 in %2:
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>Il livello %1 non è stato tenuto: %2 non si può leggere come descrizione di una raccolta. Correggilo o rimuovilo prima.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>Il livello %1 non è stato tenuto: la raccolta %2 ha già 999 livelli.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>Il livello %1 non è stato tenuto: non c’è una cartella per i tuoi livelli, perché né XDG_DATA_HOME né HOME sono impostate.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro del giorno %1 (%2): risolto, %3 s rimasti, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro del giorno %1 (%2): risolto, %3 s rimasti, %4 · serie di %n giorno</numerusform>
            <numerusform>Kelvaro del giorno %1 (%2): risolto, %3 s rimasti, %4 · serie di %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n azione</numerusform>
            <numerusform>%n azioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n azione (par %1)</numerusform>
            <numerusform>%n azioni (par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostra una soluzione</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>Mostrare una soluzione? Il livello non conterà come risolto.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Non c&apos;è ancora una tua soluzione salvata per questo livello.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>Il risolutore non ha trovato alcuna soluzione dall&apos;inizio del livello.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>Il file delle soluzioni %1 è danneggiato (%2).

Non è stato possibile metterlo da parte (%3), quindi in questa partita le tue soluzioni non vengono salvate.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>Il file delle soluzioni %1 è danneggiato (%2).

È stato messo da parte come %3; le tue soluzioni vengono salvate da capo.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>Impossibile salvare le tue soluzioni: %1.

Il gioco continua senza.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>segni</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>cornice</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>caselle</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>soluzione</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>tempo minimo</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>spinte</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>cambi</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>casse</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>trappole</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>sforzo</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>mosse</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>livelli</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>buco</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorati</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>SUPERATO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLITO</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>risolvibile</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>irrisolvibile</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>ignoto (limite raggiunto)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>no: %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>sì, %1 x %2 caselle</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>non cercata: il livello non si può giudicare così com’è</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>nessuna: indeciso (limite di tempo raggiunto)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>nessuna: %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(la più breve)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(minimo non provato: limite raggiunto)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n passo</numerusform>
            <numerusform>%n passi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n spinta</numerusform>
            <numerusform>%n spinte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n azione</numerusform>
            <numerusform>%n azioni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, non giudicato senza soluzione</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, basta (servono %2 o più)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, TROPPO BREVE (servono %2 o più)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1: %2 del gioiello, %3 di casse</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 dell’oggetto spinto, serie più lunga %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>%1 da muovere in ogni soluzione, %2 mosse nella più breve</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n spinta perdente</numerusform>
            <numerusform>%n spinte perdenti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>%1 lungo la soluzione più breve, la prima spinta può perdere</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>%1 lungo la soluzione più breve</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>%1 mosse nella più breve</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>non contate: %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>più posizioni del limite</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>omesse (--quick)</translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n stato</numerusform>
            <numerusform>%n stati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide, %2 in all</source>
        <translation>%1 espansi per decidere, %2 in tutto</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n posizione</numerusform>
            <numerusform>%n posizioni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>%1 espansi per decidere</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>partenza, gioiello e traguardo nell’area disegnata</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>fuori dall’area disegnata: %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>aperta in (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>un gioiello, un traguardo, solo codici da 0 a 4</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>raccolta «%1»</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>nessuno: nessun file da maze1.txt a maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, numerati da %2 a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n livello</numerusform>
            <numerusform>%n livelli</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, numero %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1: il gioco gioca solo da maze1.txt a maze999.txt, una sola grafia ciascuno</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>danneggiato: il nome della cartella fa da titolo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Passi</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Spinte</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Tempo minimo</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Limite / tempo minimo</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Spinte gioiello / casse</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Cambi di oggetto</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Serie più lunga</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Casse da muovere (mosse)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Trappole</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>La prima spinta può perdere</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Sforzo di ricerca</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>FILE o CARTELLA</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>superati: %1 di %n file</numerusform>
            <numerusform>superati: %1 di %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>mancano da %1 a %2</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>statistiche</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n cambio di oggetto</numerusform>
            <numerusform>%n cambi di oggetto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n serie di spinte</numerusform>
            <numerusform>%n serie di spinte</numerusform>
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
        <translation>uso: kel_check [--moves] [--markdown] [--quick] [--limit STATI] [--seconds S] FILE|CARTELLA...
     kel_check --picture FILE|CARTELLA...
     kel_check --help | --version
  Controlla ogni file di livello come lo legge il gioco; esce con 0 solo se ogni file è superato.
  Un file può contenere anche il disegno di un livello (vedi --picture).
  Una cartella è una raccolta di livelli: i suoi maze1.txt a maze999.txt sono controllati per numero,
  e i numeri mancanti sono segnalati (non la fanno fallire); una raccolta senza livelli fallisce.
  --moves      stampa anche una soluzione più breve (r l u d passo, R L U D spinta)
  --markdown   stampa una tabella dei livelli invece dei controlli
  --quick      omette le misure di profondità costose (casse da muovere, trappole)
  --limit N    stati che ogni ricerca può tenere (predefinito 1000000)
  --seconds S  tempo che ogni ricerca può impiegare (predefinito 30)
  --picture    stampa il disegno di ogni livello in caratteri semplici invece di controllarlo
  --help       stampa questo testo ed esce
  --version    stampa la versione ed esce

Misure di profondità, sulla soluzione più breve e sulle posizioni del livello:
  spinte       spinte della soluzione più breve, del gioiello e di casse.
  cambi        quante volte l’oggetto spinto differisce da quello spinto appena prima;
               serie più lunga: il massimo di spinte di un oggetto in una direzione di fila.
  casse        casse da muovere: quelle che ogni soluzione muove, poiché con la cassa
               ferma al suo posto il livello risulta irrisolvibile; e quante casse
               muove la soluzione più breve.
  trappole     spinte distinte (cosa si spinge, da dove, in che verso) possibili in una
               posizione lungo la soluzione più breve che lasciano una posizione
               dimostrata persa, così che bisogna ricominciare; e se una è possibile
               prima della prima spinta.
  sforzo       stati che la ricerca decisiva ha espanso prima di saperlo;
               posizioni: tutte quelle che il livello può raggiungere, il giocatore
               contato una volta per area in cui cammina. Casse e trappole si contano
               solo se stanno nel limite di stati.
  statistiche  ciò che la finestra Record mostra di una soluzione conservata, qui della
               più breve: azioni, spinte, cambi di oggetto e serie di spinte (spinte
               di seguito senza passi in mezzo).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>Impossibile giocare il livello incollato:
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Le mosse incollate richiedono un livello in gioco.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 «%2» non è un numero intero</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 è fuori da %3 a %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>non è stato possibile leggere il file fino in fondo</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>il file finisce prima di: %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>casella (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 in (%2, %3) è fuori dalla griglia di %4 x %5 caselle</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>non è un file leggibile</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>non si può aprire: %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>il file è di sola lettura; è stato lasciato com’era</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>non è stato possibile scrivere i dati sul disco</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>Non hai il permesso di leggere questa cartella.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>La cartella non esiste più.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Impossibile leggere la cartella: %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>gioiello</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>traguardo</translation>
    </message>
    <message>
        <source>start</source>
        <translation>partenza</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>indice di colonna massimo</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>indice di riga massimo</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>colonna del gioiello</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>riga del gioiello</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>colonna del traguardo</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>riga del traguardo</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>colonna di partenza</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>riga di partenza</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limite di tempo</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>partenza (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>gioiello (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>traguardo (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>%1 casella/e di codice %2</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>caselle gioiello: %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>caselle traguardo: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>«%1» non indica alcuna casella</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>la fila ha %1 caselle mentre la prima ne ha %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>il disegno non ha file di caselle</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 una seconda volta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>«%1» non è una parola di un disegno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>«%1» vuole %2 numeri</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 è fuori dalla griglia di %2 x %3 caselle</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>nessuna riga «cell» dà il codice di %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Apri cartella di livelli</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>ad esempio M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Difficoltà:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Codice:</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Senza codice, un nuovo rompicapo di quella difficoltà.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Creazione del rompicapo…</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>«%1» non è un numero intero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>«%1» è minore di %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«%1» è maggiore di %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l’opzione «%1» non accetta valori</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’opzione «%1» richiede un valore</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>l’opzione «%1» richiede %2 valori</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>opzione «%1»: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Apri livelli</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Annulla mossa</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>File di livelli…</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Cartella di livelli…</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Spingi</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Spingi con le frecce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>Il browser non ha permesso alla pagina di leggere gli appunti. Premi %1 per incollare.</translation>
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
        <translation>uso: kel_edit [--levels CARTELLA] [--help | --version | --self-test]
  L’editor di livelli di Kelvaro: disegna, carica e salva livelli. Salva nella cartella Maps
  accanto a sé se accetta nuovi file, altrimenti in «My levels» nella cartella dei livelli
  ($XDG_DATA_HOME/kelvaro/levels, in mancanza ~/.local/share/kelvaro/levels).
  Senza opzioni l’editor apre la sua finestra.
  --levels CARTELLA  salva nella raccolta di livelli CARTELLA (come «Generated» nella cartella
                     dei livelli) e carica da essa prima che dalla cartella Maps
  --self-test  controlla che la cartella Maps accanto al programma sia leggibile, poi esce
  --help       stampa questo testo ed esce
  --version    stampa la versione ed esce
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
        <translation>Tempo :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>File :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Nota 1: il nome del livello deve essere «mazeX», con X un numero da 1 a 999, ad es. maze5 o maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Nota 2: ogni livello DEVE contenere una partenza, un’uscita e il gioiello rotondo!</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>AZZERA</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARICA</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Editor di livelli di Kelvaro v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Salva in: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Adatta tempo</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Mostra soluzione</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Prova (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Ferma soluzione</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>Impossibile provare il livello: il tempo «%1» non è un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>Impossibile provare il livello: piazza prima partenza, gioiello e traguardo.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>Impossibile provare il livello: non è stato possibile creare una cartella temporanea.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>Impossibile provare il livello:
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>Impossibile avviare il gioco %1:
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copia livello</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Incolla livello</translation>
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
        <translation>uso: kelvaro [--levels CARTELLA | --level FILE | --self-test | --help | --version]
  Kelvaro, un rompicapo a spinta: cammina con i tasti freccia, tieni premuto Ctrl per spingere il gioiello sul traguardo.
  Senza opzioni il gioco apre la sua finestra e gioca l’ultima raccolta di livelli scelta
  (Gioco &gt; Scegli livello…), all’inizio i cinquanta livelli della cartella Maps accanto al programma.
  --levels CARTELLA  gioca la raccolta di livelli nella cartella CARTELLA (i suoi file maze1.txt, maze2.txt…):
                     Nuova partita chiede un numero da 1 al suo più alto
  --level FILE       gioca subito il file di livello FILE, con effetto iniziale, conto alla rovescia,
                     vittoria e sconfitta; Nuova partita, Avanti e Riprova lo rigiocano
  --self-test        controlla che suoni e livelli accanto al programma siano leggibili, poi esce
  --help             stampa questo testo ed esce
  --version          stampa la versione ed esce
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Vai a sinistra</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Vai a destra</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Vai su</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Vai giù</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Spingere</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Scegli un tasto per %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>Il tasto %1 è scelto sia per %2 sia per %3.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>Il pulsante %1 è scelto sia per %2 sia per %3.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Premi un tasto…</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Secondo tasto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Frecce</translation>
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
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Pulsante</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n livello</numerusform>
            <numerusform>%n livelli</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>Impossibile giocare il livello %1.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>La sua cartella %1 non esiste più.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Scegli livello</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1, di %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Cartella: %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>In questa cartella non ci sono file di livello (maze1.txt, maze2.txt, …).</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, numerati da 1 a %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation>; manca il livello %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>Il suo set.txt è illeggibile, quindi la raccolta prende il nome della cartella.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rivedi la mia soluzione</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>risolto</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>non risolto</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>miglior tempo rimasto %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>meno azioni %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>soluzione salvata</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Termina partita</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Ricomincia livello</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Scegli livello…</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Apri cartella di livelli…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Guida al gioco</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Lingua del desktop</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Rompicapo generato…</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rompicapo del giorno</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Tieni questo livello</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rivedi la mia soluzione</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostra una soluzione</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Tasti…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copia livello</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Incolla livello</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Miglior tempo rimasto</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Meno azioni</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Rompicapi del giorno</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>%n giorno risolto</numerusform>
            <numerusform>%n giorni risolti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Serie attuale: %n giorno</numerusform>
            <numerusform>Serie attuale: %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Serie più lunga: %n giorno</numerusform>
            <numerusform>Serie più lunga: %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>visto</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Spinte</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Cambi di oggetto</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Serie di spinte</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>AIUTO</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  È semplice:</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Muovi Kelvaro con i tasti freccia.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Usa il tasto Ctrl per spingere gli ostacoli.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Se porti la palla sul «traguardo»</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  prima che scada il tempo, vinci!</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>Informazioni su Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – un rompicapo a spinta per il desktop</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Gioco, livelli ed editor: la squadra di Kelvaro</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Immagini e suoni fatti con i nostri strumenti</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Libero da giocare, condividere e modificare</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Muovi Kelvaro con i tasti %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Usa il tasto %1 per spingere gli ostacoli.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pausa %1, annulla %2, ripeti %3, suggerimento %4.</translation>
    </message>
</context>
</TS>
