<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>marcas: falta %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>marcas: sin dibujar: %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>marcas: todas colocadas</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>marco: cerrado</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>marco: abierto en (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>la casilla de tiempo no tiene un número entero (necesita %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>el límite de %1 s basta (necesita %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>el límite de %1 s es demasiado corto (necesita %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>resoluble: %1 pasos + %2 empujes%3, tiempo mínimo %4; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (no se probó que sea el más corto: límite de búsqueda)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>sin decidir (límite de búsqueda)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>sin decidir (límite de tiempo)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>comprobando…</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>se comprobará cuando se pueda jugar</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>el juego no puede leer este nivel: %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>casillas: %1 joya(s), %2 meta(s)</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>la casilla %1 contiene «%2», que no es un número entero de 1 a %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>No se pudo crear una cuadrícula nueva: %1.
El nivel del editor no ha cambiado.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>No se pudo cargar %1 desde %2:
%3.
El nivel del editor no ha cambiado.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>No se pudo guardar %1 en %2:
%3.
No se escribió nada; el nivel del editor no ha cambiado.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>hay un archivo llamado %1 donde debería estar la %2</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>hay algo llamado %1 donde debería estar la %2, pero no es una carpeta</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>carpeta Maps</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>carpeta de niveles</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>la carpeta Maps no existe</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>el tiempo «%1» no es un número entero de -32768 a 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>no se pudo crear la %1: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>¿Guardar los cambios de %1 antes de cerrar?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Actual : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>el nombre de un nivel no puede contener «/» ni «\»; escriba solo el nombre, p. ej. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>el nombre de un nivel no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>el nombre de un nivel no puede ser solo espacios</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>No se pudo pegar el nivel:
%1.
El nivel del editor no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>NIVEL : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>JUEGO EN PAUSA</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>¡GANASTE!</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Listo para jugar…</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUSA</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Este nivel ya no se puede ganar desde aquí. Reinícielo con F3.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>No se encontró ninguna pista a tiempo.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>TIEMPO :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>NIVEL :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>TIEMPO : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>¡No se encontró el archivo del nivel!</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>No se puede jugar el nivel %1.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>No se puede leer la colección de niveles «%1»:
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>La colección de niveles «%1» no tiene ningún nivel.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Elegir nivel</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Salir de la partida actual</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Reiniciar nivel</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Salir de Kelvaro</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Escriba el número del nivel (1-%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>El archivo de nivel %1 ya no existe.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>No se puede leer el archivo de nivel %1:
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>El archivo de nivel %1 está dañado:
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la línea %1 está dañada</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>El archivo de récords %1 está dañado (%2).

No se pudo apartar (%3), así que en esta partida no se guardan récords.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>El archivo de récords %1 está dañado (%2).

Se apartó como %3; los récords empiezan de nuevo.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>No se pueden guardar sus récords: %1.

El juego sigue sin ellos.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Rompecabezas generado</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rompecabezas del día</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>El código «%1» no empieza por una letra de dificultad: E, M, H o X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>El código «%1» no tiene número después de su letra de dificultad.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>El código «%1» debe terminar en un número, como M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>El código «%1» tiene un número mayor que 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>No se encontró ningún nivel, prueba otro código.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>El nivel %1 se ha guardado como %2.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>El nivel %1 ya está guardado como %2.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>No se pudo guardar el nivel %1 en %2:
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>El nivel %1 no se guardó: %2 no se puede leer como descripción de una colección. Corrígelo o elimínalo primero.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>El nivel %1 no se guardó: la colección %2 ya tiene 999 niveles.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>El nivel %1 no se guardó: no hay carpeta para tus niveles, porque no están definidas ni XDG_DATA_HOME ni HOME.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro del día %1 (%2): resuelto, %3 s restantes, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro del día %1 (%2): resuelto, %3 s restantes, %4 · racha de %n día</numerusform>
            <numerusform>Kelvaro del día %1 (%2): resuelto, %3 s restantes, %4 · racha de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n acción</numerusform>
            <numerusform>%n acciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n acción (par %1)</numerusform>
            <numerusform>%n acciones (par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostrar una solución</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>¿Mostrar una solución? El nivel no contará como resuelto.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Aún no hay ninguna solución tuya guardada para este nivel.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>El solucionador no encontró ninguna solución desde el inicio del nivel.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>El archivo de soluciones %1 está dañado (%2).

No se pudo apartar (%3), así que en esta partida no se guardan sus soluciones.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>El archivo de soluciones %1 está dañado (%2).

Se apartó como %3; sus soluciones se guardan de nuevo.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>No se pueden guardar sus soluciones: %1.

El juego sigue sin ellas.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>marcas</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>marco</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>casillas</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>solución</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>tiempo mínimo</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>límite</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>empujes</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>cambios</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>cajas</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>trampas</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>esfuerzo</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>jugadas</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>niveles</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorados</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>APROBADO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLA</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>resoluble</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>desconocido (límite alcanzado)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>no: %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>sí, %1 x %2 casillas</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>sin buscar: el nivel no se puede juzgar tal como está</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>ninguna: sin decidir (límite de tiempo alcanzado)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>ninguna: %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(la más corta)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(no se probó que sea la más corta: límite alcanzado)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n paso</numerusform>
            <numerusform>%n pasos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n empuje</numerusform>
            <numerusform>%n empujes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n acción</numerusform>
            <numerusform>%n acciones</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, sin juzgar al no haber solución</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, basta (necesita %2 o más)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, DEMASIADO CORTO (necesita %2 o más)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1: %2 de la joya, %3 de cajas</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 del objeto empujado, racha más larga %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>%1 deben moverse en toda solución, %2 movidas en la más corta</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n empuje perdedor</numerusform>
            <numerusform>%n empujes perdedores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>%1 a lo largo de la solución más corta, el primer empuje puede perder</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>%1 a lo largo de la solución más corta</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>%1 movidas en la más corta</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>sin contar: %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>más posiciones que el límite</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>omitido (--quick)</translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n estado</numerusform>
            <numerusform>%n estados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide, %2 in all</source>
        <translation>%1 expandidos para decidir, %2 en total</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n posición</numerusform>
            <numerusform>%n posiciones</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>%1 expandidos para decidir</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>salida, joya y meta dentro del área dibujada</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>fuera del área dibujada: %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>abierto en (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>una joya, una meta, solo códigos 0 a 4</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>colección «%1»</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>ninguno: no hay archivos maze1.txt a maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, numerados del %2 al %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n nivel</numerusform>
            <numerusform>%n niveles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, número %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1: el juego solo juega maze1.txt a maze999.txt, cada uno con una sola grafía</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>dañado: el nombre de la carpeta sirve de título</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empujes</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Tiempo mínimo</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Límite / tiempo mínimo</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Empujes joya / cajas</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Cambios de objeto</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Racha más larga</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Cajas que deben moverse (movidas)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Trampas</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>El primer empuje puede perder</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Esfuerzo de búsqueda</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>ARCHIVO o CARPETA</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>aprobados: %1 de %n archivo</numerusform>
            <numerusform>aprobados: %1 de %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>faltan %1 a %2</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>estadística</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n cambio de objeto</numerusform>
            <numerusform>%n cambios de objeto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n serie de empujes</numerusform>
            <numerusform>%n series de empujes</numerusform>
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
        <translation>uso: kel_check [--moves] [--markdown] [--quick] [--limit ESTADOS] [--seconds S] ARCHIVO|CARPETA...
     kel_check --picture ARCHIVO|CARPETA...
     kel_check --help | --version
  Comprueba cada archivo de nivel tal como lo lee el juego; sale con 0 solo si todos aprueban.
  Un archivo también puede contener un dibujo de un nivel (véase --picture).
  Una carpeta es una colección de niveles: sus maze1.txt a maze999.txt se comprueban por número,
  y se informan los números que faltan (no la hacen fallar); una colección sin niveles falla.
  --moves      muestra también una solución más corta (r l u d paso, R L U D empuje)
  --markdown   muestra una tabla de los niveles en lugar de las comprobaciones
  --quick      omite las medidas de profundidad costosas (cajas que deben moverse, trampas)
  --limit N    estados que cada búsqueda puede guardar (por omisión 1000000)
  --seconds S  tiempo que cada búsqueda puede tardar (por omisión 30)
  --picture    muestra el dibujo de cada nivel en caracteres simples en lugar de comprobarlo
  --help       muestra este texto y sale
  --version    muestra la versión y sale

Medidas de profundidad, sobre la solución más corta y las posiciones del nivel:
  empujes      empujes de la solución más corta, de la joya y de cajas.
  cambios      cuántas veces el objeto empujado difiere del empujado justo antes;
               racha más larga: la mayor cantidad de empujes seguidos de un objeto en una dirección.
  cajas        cajas que deben moverse: las que toda solución mueve, pues con la caja
               fija en su sitio el nivel es sin solución demostrada; y cuántas cajas
               mueve la solución más corta.
  trampas      empujes distintos (qué se empuja, desde dónde, hacia dónde) posibles en
               una posición a lo largo de la solución más corta que dejan una posición
               perdida demostrada, de modo que hay que empezar de nuevo; y si alguno es
               posible antes del primer empuje.
  esfuerzo     estados que expandió la búsqueda que decide el nivel antes de saberlo;
               posiciones: todas las que el nivel puede alcanzar, contando al jugador una
               vez por cada área por la que camina. Cajas y trampas solo se cuentan si
               caben en el límite de estados.
  estadística  lo que la ventana Récords muestra de una solución guardada, aquí de la
               más corta: acciones, empujes, cambios de objeto y series de empujes
               (series de empujes sin ningún paso entre ellos).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>No se puede jugar el nivel pegado:
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Los movimientos pegados necesitan un nivel en juego.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 «%2» no es un número entero</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 está fuera de %3 a %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>no se pudo leer el archivo hasta el final</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>el archivo termina antes de: %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>casilla (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 en (%2, %3) está fuera de la cuadrícula de %4 x %5 casillas</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>no es un archivo que se pueda leer</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>no se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>el archivo es de solo lectura; se dejó como estaba</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>no se pudieron escribir los datos en el disco</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>No tiene permiso para leer esta carpeta.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>La carpeta ya no existe.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>No se puede leer la carpeta: %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>joya</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>start</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>índice de columna más alto</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>índice de fila más alto</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>columna de la joya</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>fila de la joya</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>columna de la meta</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>fila de la meta</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>columna de salida</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>fila de salida</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>límite de tiempo</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>salida (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>joya (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>meta (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>%1 casilla(s) de código %2</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>casillas de joya: %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>casillas de meta: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>«%1» no representa ninguna casilla</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>la fila tiene %1 casillas y la primera tiene %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>el dibujo no tiene filas de casillas</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 por segunda vez</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>«%1» no es una palabra de un dibujo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>«%1» lleva %2 números</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 está fuera de la cuadrícula de %2 x %3 casillas</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>ninguna línea «cell» da el código de %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Abrir carpeta de niveles</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>por ejemplo M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Sin código, un rompecabezas nuevo de esa dificultad.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Creando el rompecabezas…</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>«%1» no es un número entero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>«%1» es menor que %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«%1» es mayor que %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción «%1» no lleva valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>la opción «%1» necesita %2 valores</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>opción «%1»: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Abrir niveles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Archivos de niveles…</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Carpeta de niveles…</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empujar</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Empujar con las flechas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>El navegador no ha dejado que la página lea el portapapeles. Pulsa %1 para pegar.</translation>
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
        <translation>uso: kel_edit [--levels CARPETA] [--help | --version | --self-test]
  El editor de niveles de Kelvaro: dibuja, carga y guarda niveles. Guarda en la carpeta Maps
  a su lado si admite archivos nuevos; si no, en «My levels» de la carpeta de niveles
  ($XDG_DATA_HOME/kelvaro/levels, por omisión ~/.local/share/kelvaro/levels).
  Sin opciones el editor abre su ventana.
  --levels CARPETA  guardar en el conjunto de niveles CARPETA (como «Generated» de la carpeta
                    de niveles) y cargar de él antes que de la carpeta Maps
  --self-test  comprobar que se puede leer la carpeta Maps junto al programa y salir
  --help       mostrar este texto y salir
  --version    mostrar la versión y salir
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
        <translation>Tiempo :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>Archivo :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Nota 1: el nombre del nivel debe ser «mazeX», con X un número de 1 a 999, p. ej. maze5 o maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Nota 2: ¡todo nivel DEBE tener un punto de partida, una salida y la joya redonda!</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARGAR</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Editor de niveles de Kelvaro v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Guarda en: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Ajustar tiempo</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Ver solución</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Probar (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Detener solución</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>No se puede probar el nivel: el tiempo «%1» no es un número entero de -32768 a 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>No se puede probar el nivel: coloque antes la salida, la joya y la meta.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>No se puede probar el nivel: no se pudo crear una carpeta temporal.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>No se puede probar el nivel:
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>No se pudo iniciar el juego %1:
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copiar nivel</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Pegar nivel</translation>
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
        <translation>uso: kelvaro [--levels CARPETA | --level ARCHIVO | --self-test | --help | --version]
  Kelvaro, un rompecabezas de empujar: camina con las flechas y mantén Ctrl para empujar la joya a la meta.
  Sin opciones el juego abre su ventana y juega la última colección de niveles elegida
  (Juego &gt; Elegir nivel…), al principio los cincuenta niveles de la carpeta Maps junto al programa.
  --levels CARPETA  jugar la colección de niveles de la carpeta CARPETA (sus archivos maze1.txt, maze2.txt…):
                    Nueva partida pide un número de 1 a su nivel más alto
  --level ARCHIVO   jugar enseguida el archivo de nivel ARCHIVO, con su efecto inicial, cuenta atrás,
                    victoria y derrota; Nueva partida, Siguiente y Reintentar lo vuelven a jugar
  --self-test       comprobar que se pueden leer los sonidos y niveles junto al programa y salir
  --help            mostrar este texto y salir
  --version         mostrar la versión y salir
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Ir a la izquierda</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Ir a la derecha</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Ir arriba</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Ir abajo</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empujar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Elige una tecla para %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>La tecla %1 está elegida para %2 y para %3 a la vez.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>El botón %1 está elegido para %2 y para %3 a la vez.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Pulsa una tecla…</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Segunda tecla</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
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
        <translation>Predeterminadas</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n nivel</numerusform>
            <numerusform>%n niveles</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>No se puede jugar el nivel %1.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>Su carpeta %1 ya no existe.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Elegir nivel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1, de %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>No hay ningún archivo de nivel (maze1.txt, maze2.txt, …) en esta carpeta.</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, numerados del 1 al %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation>; falta el nivel %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>Su set.txt es ilegible, así que la colección lleva el nombre de su carpeta.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Repetir mi solución</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>resuelto</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>sin resolver</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>mejor tiempo restante %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>menos acciones %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>solución guardada</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Reiniciar nivel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Elegir nivel…</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Abrir carpeta de niveles…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Ayuda del juego</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Rompecabezas generado…</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Rompecabezas del día</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Guardar este nivel</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Repetir mi solución</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostrar una solución</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Teclas…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copiar nivel</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Pegar nivel</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Mejor tiempo restante</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Menos acciones</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Puzles del día</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>%n día resuelto</numerusform>
            <numerusform>%n días resueltos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Racha actual: %n día</numerusform>
            <numerusform>Racha actual: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Racha más larga: %n día</numerusform>
            <numerusform>Racha más larga: %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>visto</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empujes</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Cambios de objeto</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Series de empujes</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  Es sencillo:</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Mueve a Kelvaro con las flechas.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Usa la tecla Ctrl para empujar los obstáculos.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Si llevas la bola hasta la «meta»</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  antes de que se acabe el tiempo, ¡ganas!</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>Acerca de Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – un rompecabezas de empujar para el escritorio</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Juego, niveles y editor: el equipo de Kelvaro</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Imágenes y sonidos hechos con nuestras herramientas</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Libre para jugar, compartir y modificar</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Mueve a Kelvaro con las teclas %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Usa la tecla %1 para empujar los obstáculos.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pausa %1, deshacer %2, rehacer %3, pista %4.</translation>
    </message>
</context>
</TS>
