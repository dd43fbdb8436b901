<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>repères : il manque %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>repères : non dessinés : %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>repères : tous placés</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>cadre : fermé</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>cadre : ouvert en (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>la case du temps ne contient pas un nombre entier (il faut %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>temps limite de %1 s suffisant (il faut %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>temps limite de %1 s trop court (il faut %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>soluble : %1 pas + %2 poussées%3, temps minimal %4 ; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (minimum non prouvé : limite de recherche)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>insoluble</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>indécis (limite de recherche)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>indécis (limite de temps)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>vérification…</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>vérifié dès qu’il sera jouable</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>le jeu ne peut pas lire ce niveau : %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>cases : %1 joyau(x), %2 but(s)</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>la case %1 contient « %2 », qui n’est pas un nombre entier de 1 à %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>Impossible de créer une nouvelle grille : %1.
Le niveau dans l’éditeur est inchangé.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>Impossible de charger %1 depuis %2 :
%3.
Le niveau dans l’éditeur est inchangé.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>Impossible d’enregistrer %1 dans %2 :
%3.
Rien n’a été écrit ; le niveau dans l’éditeur est inchangé.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>un fichier nommé %1 se trouve là où devrait être le %2</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>quelque chose nommé %1 se trouve là où devrait être le %2, mais ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>dossier Maps</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>dossier de niveaux</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>le dossier Maps n’existe pas</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>le temps « %1 » n’est pas un nombre entier de -32768 à 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>impossible de créer le %1 : %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Enregistrer les modifications de %1 avant de fermer ?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Actuel : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>un nom de niveau ne peut contenir ni « / » ni « \ » ; tapez le nom seul, p. ex. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>un nom de niveau ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>un nom de niveau ne peut pas être fait que d’espaces</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>Impossible de coller le niveau :
%1.
Le niveau dans l’éditeur est inchangé.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>NIVEAU : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE PERDUE</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>JEU EN PAUSE</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>GAGNÉ !</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Prêt à jouer…</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUSE</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Ce niveau ne peut plus être gagné d’ici. Recommencez-le avec F3.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>Aucun indice trouvé à temps.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>TEMPS :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>NIVEAU :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>TEMPS : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>Fichier de niveau introuvable !</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>Le niveau %1 ne peut pas être joué.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>Impossible de lire la série de niveaux « %1 » :
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>La série de niveaux « %1 » ne contient aucun niveau.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Choix du niveau</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Quitter la partie en cours</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Recommencer le niveau</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Quitter Kelvaro</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Entrez le numéro du niveau (1-%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>Le fichier de niveau %1 n’existe plus.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>Impossible de lire le fichier de niveau %1 :
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>Le fichier de niveau %1 est endommagé :
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la ligne %1 est endommagée</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>Le fichier des records %1 est endommagé (%2).

Il n’a pas pu être mis de côté (%3) : les records ne sont pas gardés dans cette partie.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>Le fichier des records %1 est endommagé (%2).

Il a été mis de côté sous le nom %3 ; les records repartent de zéro.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>Vos records ne peuvent pas être gardés : %1.

Le jeu continue sans eux.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Casse-tête généré</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Casse-tête du jour</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>Le code « %1 » ne commence pas par une lettre de difficulté : E, M, H ou X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>Le code « %1 » n’a pas de nombre après sa lettre de difficulté.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>Le code « %1 » doit se terminer par un nombre, comme M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>Le code « %1 » a un nombre supérieur à 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>Aucun niveau trouvé, essayez un autre code.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>Le niveau %1 est gardé sous %2.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>Le niveau %1 est déjà gardé sous %2.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>Le niveau %1 n’a pas pu être gardé dans %2 :
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>Le niveau %1 n’a pas été gardé : %2 ne se lit pas comme la description d’une série. Corrigez-le ou supprimez-le d’abord.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>Le niveau %1 n’a pas été gardé : la série %2 a déjà 999 niveaux.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>Le niveau %1 n’a pas été gardé : il n’y a pas de dossier pour vos niveaux, car ni XDG_DATA_HOME ni HOME n’est défini.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro du jour %1 (%2) : résolu, %3 s restantes, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro du jour %1 (%2) : résolu, %3 s restantes, %4 · série de %n jour</numerusform>
            <numerusform>Kelvaro du jour %1 (%2) : résolu, %3 s restantes, %4 · série de %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n action</numerusform>
            <numerusform>%n actions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n action (par %1)</numerusform>
            <numerusform>%n actions (par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Montrer une solution</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>Montrer une solution ? Le niveau ne comptera pas comme résolu.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Aucune de vos solutions n&apos;est encore gardée pour ce niveau.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>Le solveur n&apos;a trouvé aucune solution depuis le début du niveau.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>Le fichier des solutions %1 est endommagé (%2).

Il n’a pas pu être mis de côté (%3) : vos solutions ne sont pas gardées dans cette partie.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>Le fichier des solutions %1 est endommagé (%2).

Il a été mis de côté sous le nom %3 ; vos solutions sont gardées à nouveau.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>Vos solutions ne peuvent pas être gardées : %1.

Le jeu continue sans elles.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>repères</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>cadre</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>cases</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>solution</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>temps minimal</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>temps limite</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>poussées</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>changements</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>caisses</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>pièges</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>effort</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>niveaux</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorés</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>soluble</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>insoluble</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>inconnu (limite atteinte)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>non : %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>oui, %1 x %2 cases</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>non cherchée : le niveau ne peut pas être jugé tel quel</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>aucune : indécis (limite de temps atteinte)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>aucune : %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(la plus courte)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(minimum non prouvé : limite atteinte)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n pas</numerusform>
            <numerusform>%n pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n poussée</numerusform>
            <numerusform>%n poussées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n action</numerusform>
            <numerusform>%n actions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, non jugé sans solution</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, suffisant (il faut %2 ou plus)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, TROP COURT (il faut %2 ou plus)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1 : %2 du joyau, %3 de caisses</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 d’objet poussé, plus longue série %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n changement</numerusform>
            <numerusform>%n changements</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>%1 à déplacer dans toute solution, %2 déplacées dans la plus courte</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n poussée perdante</numerusform>
            <numerusform>%n poussées perdantes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>%1 le long de la solution la plus courte, la première poussée peut perdre</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>%1 le long de la solution la plus courte</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>%1 déplacées dans la plus courte</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>non comptés : %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>plus de positions que la limite</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>omis (--quick)</translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n état</numerusform>
            <numerusform>%n états</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide, %2 in all</source>
        <translation>%1 développés pour décider, %2 en tout</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n position</numerusform>
            <numerusform>%n positions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>%1 développés pour décider</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>départ, joyau et but dans la zone dessinée</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>hors de la zone dessinée : %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>ouvert en (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>un joyau, un but, codes 0 à 4 seulement</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>série « %1 »</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>aucun : pas de fichier nommé maze1.txt à maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, numérotés de %2 à %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n niveau</numerusform>
            <numerusform>%n niveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, numéro %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1 : le jeu ne joue que maze1.txt à maze999.txt, une seule graphie chacun</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>endommagé : le nom du dossier tient lieu de titre</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Temps limite</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Poussées</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Temps minimal</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Limite / temps minimal</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Poussées joyau / caisses</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Changements d’objet</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Caisses à déplacer (déplacées)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Pièges</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>Première poussée perdante possible</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Effort de recherche</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>FICHIER ou DOSSIER</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>réussis : %1 fichier sur %n</numerusform>
            <numerusform>réussis : %1 sur %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>%1 à %2 manquent</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>statistiques</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n changement d’objet</numerusform>
            <numerusform>%n changements d’objet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n série de poussées</numerusform>
            <numerusform>%n séries de poussées</numerusform>
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
        <translation>usage : kel_check [--moves] [--markdown] [--quick] [--limit ÉTATS] [--seconds S] FICHIER|DOSSIER...
        kel_check --picture FICHIER|DOSSIER...
        kel_check --help | --version
  Vérifie chaque fichier de niveau comme le jeu le lit ; ne sort avec 0 que si chaque fichier réussit.
  Un fichier peut aussi contenir l&apos;image d&apos;un niveau (voir --picture).
  Un dossier est une série de niveaux : ses maze1.txt à maze999.txt sont vérifiés par numéro,
  et les numéros manquants sont signalés (ils ne la font pas échouer) ; une série sans niveau échoue.
  --moves      affiche aussi une solution la plus courte (r l u d pas, R L U D poussée)
  --markdown   affiche un tableau des niveaux au lieu des vérifications
  --quick      omet les mesures de profondeur coûteuses (caisses à déplacer, pièges)
  --limit N    états que chaque recherche peut garder (par défaut 1000000)
  --seconds S  temps que chaque recherche peut prendre (par défaut 30)
  --picture    affiche l&apos;image de chaque niveau en caractères simples au lieu de le vérifier
  --help       affiche ce texte et quitte
  --version    affiche la version et quitte

Mesures de profondeur, sur la solution la plus courte et les positions du niveau :
  poussées     poussées de la solution la plus courte, du joyau et des caisses.
  changements  combien de fois l’objet poussé diffère de celui poussé juste avant ;
               plus longue série : le plus de poussées d’un objet dans une direction d’affilée.
  caisses      caisses à déplacer : celles que toute solution déplace, puisque la caisse
               fixée en place, le niveau est prouvé insoluble ; et combien de caisses
               la solution la plus courte déplace.
  pièges       poussées distinctes (ce qui est poussé, d’où, dans quel sens) possibles
               dans une position le long de la solution la plus courte et qui laissent
               une position prouvée perdue, si bien qu’il faut recommencer ; et si l’une
               est possible avant la première poussée.
  effort       états que la recherche qui tranche a développés avant de savoir ;
               positions : toutes celles que le niveau peut atteindre, le joueur compté
               une fois par zone où il marche. Caisses et pièges ne sont comptés que
               s’ils tiennent dans la limite d’états.
  statistiques ce que la fenêtre Records montre d’une solution gardée, ici de la plus
               courte : actions, poussées, changements d’objet et séries de poussées
               (suites de poussées sans pas entre elles).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>Le niveau collé ne peut pas être joué :
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Les coups collés demandent un niveau en jeu.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 « %2 » n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 est hors de %3 à %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>le fichier n’a pas pu être lu jusqu’au bout</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>le fichier se termine avant : %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>case (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 en (%2, %3) est hors de la grille de %4 x %5 cases</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>ce n’est pas un fichier lisible</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>impossible de l’ouvrir : %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>le fichier est en lecture seule ; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>les données n’ont pas pu être écrites sur le disque</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>Vous n’avez pas le droit de lire ce dossier.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>Le dossier n’existe plus.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Impossible de lire le dossier : %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>joyau</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>but</translation>
    </message>
    <message>
        <source>start</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>plus grand indice de colonne</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>plus grand indice de ligne</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>colonne du joyau</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>ligne du joyau</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>colonne du but</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>ligne du but</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>colonne du départ</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>ligne du départ</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>temps limite</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>départ (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>joyau (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>but (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>%1 case(s) de code %2</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>cases de joyau : %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>cases de but : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>« %1 » ne désigne aucune case</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>la rangée a %1 cases alors que la première en a %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>l’image n’a aucune rangée de cases</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 une deuxième fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>« %1 » n’est pas un mot d’une image</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>« %1 » demande %2 nombres</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 est hors de la grille de %2 x %3 cases</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>aucune ligne « cell » ne donne le code de %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Ouvrir un dossier de niveaux</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>par exemple M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Difficulté :</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Sans code, un nouveau casse-tête de cette difficulté.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Création du casse-tête…</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>« %1 » n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>« %1 » est inférieur à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>« %1 » est supérieur à %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l’option « %1 » ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’option « %1 » demande une valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>l’option « %1 » demande %2 valeurs</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>option « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Ouvrir des niveaux</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Annuler le coup</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Fichiers de niveaux…</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Dossier de niveaux…</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pousser</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Pousser avec les flèches</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>Le navigateur n’a pas laissé la page lire le presse-papiers. Appuyez sur %1 pour coller.</translation>
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
        <translation>usage : kel_edit [--levels DOSSIER] [--help | --version | --self-test]
  L’éditeur de niveaux de Kelvaro : dessiner, charger et enregistrer des niveaux. Il enregistre
  dans le dossier Maps à côté de lui si ce dossier accepte de nouveaux fichiers, sinon dans
  « My levels » du dossier des niveaux ($XDG_DATA_HOME/kelvaro/levels, par défaut ~/.local/share/kelvaro/levels).
  Sans option, l’éditeur ouvre sa fenêtre.
  --levels DOSSIER  enregistrer dans le jeu de niveaux DOSSIER (tel « Generated » du dossier
                    des niveaux) et y charger avant le dossier Maps
  --self-test  vérifier que le dossier Maps à côté du programme est lisible, puis quitter
  --help       afficher ce texte et quitter
  --version    afficher la version et quitter
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
        <translation>Temps :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Note 1 : le nom du niveau doit être « mazeX », X étant un nombre de 1 à 999, p. ex. maze5 ou maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Note 2 : chaque niveau DOIT contenir un départ, une sortie et le joyau rond !</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Éditeur de niveaux Kelvaro v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Enregistre dans : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Ajuster le temps</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Essayer (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Arrêter la solution</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>Impossible d’essayer le niveau : le temps « %1 » n’est pas un nombre entier de -32768 à 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>Impossible d’essayer le niveau : placez d’abord le départ, le joyau et le but.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>Impossible d’essayer le niveau : aucun dossier temporaire n’a pu être créé.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>Impossible d’essayer le niveau :
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>Impossible de lancer le jeu %1 :
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copier le niveau</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Coller le niveau</translation>
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
        <translation>usage : kelvaro [--levels DOSSIER | --level FICHIER | --self-test | --help | --version]
  Kelvaro, un jeu de poussée : marchez avec les flèches, maintenez Ctrl pour pousser le joyau sur le but.
  Sans option, le jeu ouvre sa fenêtre et joue la dernière série de niveaux choisie
  (Jeu &gt; Choisir un niveau…), au début les cinquante niveaux du dossier Maps à côté du programme.
  --levels DOSSIER  jouer la série de niveaux du dossier DOSSIER (ses fichiers maze1.txt, maze2.txt…) :
                    Nouvelle partie demande un nombre de 1 à son plus grand
  --level FICHIER   jouer aussitôt le fichier de niveau FICHIER, avec son effet de départ, son compte
                    à rebours, sa victoire et sa défaite ; Nouvelle partie, Suivant et Réessayer le rejouent
  --self-test       vérifier que les sons et les niveaux à côté du programme sont lisibles, puis quitter
  --help            afficher ce texte et quitter
  --version         afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Aller en haut</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Aller en bas</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pousser</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Choisissez une touche pour %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>La touche %1 est choisie à la fois pour %2 et pour %3.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>Le bouton %1 est choisi à la fois pour %2 et pour %3.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Appuyez sur une touche…</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Seconde touche</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flèches</translation>
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
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n niveau</numerusform>
            <numerusform>%n niveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>Le niveau %1 ne peut pas être joué.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>Son dossier %1 n’existe plus.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Choisir un niveau</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1, par %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Dossier : %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>Ce dossier ne contient aucun fichier de niveau (maze1.txt, maze2.txt, …).</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, numérotés de 1 à %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation> ; pas de niveau %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>Son set.txt est illisible : la série porte le nom de son dossier.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rejouer ma solution</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>résolu</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>non résolu</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>meilleur temps restant %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>moins d’actions %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>solution gardée</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Recommencer le niveau</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Choisir un niveau…</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Ouvrir un dossier de niveaux…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Aide du jeu</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Casse-tête généré…</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Casse-tête du jour</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Garder ce niveau</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rejouer ma solution</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Montrer une solution</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Touches…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copier le niveau</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Coller le niveau</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Meilleur temps restant</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Moins d’actions</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Énigmes du jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>%n jour résolu</numerusform>
            <numerusform>%n jours résolus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Série en cours : %n jour</numerusform>
            <numerusform>Série en cours : %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Plus longue série : %n jour</numerusform>
            <numerusform>Plus longue série : %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>vu</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Poussées</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Changements d’objet</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Séries de poussées</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  C’est simple :</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Déplacez Kelvaro avec les flèches.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Maintenez Ctrl pour pousser les obstacles.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Si vous amenez la boule sur le « but »</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  avant la fin du temps, vous gagnez !</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>À propos de Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – un jeu de poussée pour le bureau</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Jeu, niveaux et éditeur : l’équipe Kelvaro</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Images et sons faits avec nos propres outils</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Libre de jouer, partager et modifier</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Déplacez Kelvaro avec les touches %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Maintenez %1 pour pousser les obstacles.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pause %1, annuler %2, rétablir %3, indice %4.</translation>
    </message>
</context>
</TS>
