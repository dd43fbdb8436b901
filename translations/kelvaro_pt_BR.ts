<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>EditorCore</name>
    <message>
        <source>marks: missing %1</source>
        <translation>marcas: falta %1</translation>
    </message>
    <message>
        <source>marks: not drawn: %1</source>
        <translation>marcas: não desenhadas: %1</translation>
    </message>
    <message>
        <source>marks: all placed</source>
        <translation>marcas: todas colocadas</translation>
    </message>
    <message>
        <source>frame: closed</source>
        <translation>moldura: fechada</translation>
    </message>
    <message>
        <source>frame: open at (%1, %2)</source>
        <translation>moldura: aberta em (%1, %2)</translation>
    </message>
    <message>
        <source>the time box holds no whole number (needs %1)</source>
        <translation>a caixa de tempo não tem um número inteiro (precisa de %1)</translation>
    </message>
    <message>
        <source>time limit %1 s is enough (needs %2)</source>
        <translation>o limite de %1 s basta (precisa de %2)</translation>
    </message>
    <message>
        <source>time limit %1 s is too short (needs %2)</source>
        <translation>o limite de %1 s é curto demais (precisa de %2)</translation>
    </message>
    <message>
        <source>solvable: %1 walks + %2 pushes%3, least time %4; %5</source>
        <translation>solucionável: %1 passos + %2 empurrões%3, tempo mínimo %4; %5</translation>
    </message>
    <message>
        <source> (not proven shortest: search limit)</source>
        <translation> (mínimo não comprovado: limite de busca)</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>sem solução</translation>
    </message>
    <message>
        <source>undecided (search limit)</source>
        <translation>indefinido (limite de busca)</translation>
    </message>
    <message>
        <source>undecided (time limit)</source>
        <translation>indefinido (limite de tempo)</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>verificando…</translation>
    </message>
    <message>
        <source>not checked until it can be played</source>
        <translation>será verificado quando puder ser jogado</translation>
    </message>
    <message>
        <source>the game cannot read this level: %1</source>
        <translation>o jogo não consegue ler esta fase: %1</translation>
    </message>
    <message>
        <source>cells: %1 jewel(s), %2 goal(s)</source>
        <translation>casas: %1 joia(s), %2 alvo(s)</translation>
    </message>
    <message>
        <source>the %1 box holds &quot;%2&quot;, which is not a whole number from 1 to %3</source>
        <translation>a caixa %1 contém “%2”, que não é um número inteiro de 1 a %3</translation>
    </message>
    <message>
        <source>Could not make a new grid: %1.
The level in the editor is unchanged.</source>
        <translation>Não foi possível criar uma nova grade: %1.
A fase no editor não foi alterada.</translation>
    </message>
    <message>
        <source>Could not load %1 from %2:
%3.
The level in the editor is unchanged.</source>
        <translation>Não foi possível carregar %1 de %2:
%3.
A fase no editor não foi alterada.</translation>
    </message>
    <message>
        <source>Could not save %1 in %2:
%3.
Nothing was written; the level in the editor is unchanged.</source>
        <translation>Não foi possível salvar %1 em %2:
%3.
Nada foi gravado; a fase no editor não foi alterada.</translation>
    </message>
    <message>
        <source>there is a plain file called %1 where the %2 should be</source>
        <translation>há um arquivo chamado %1 onde deveria estar a %2</translation>
    </message>
    <message>
        <source>there is something called %1 where the %2 should be, but it is not a folder</source>
        <translation>há algo chamado %1 onde deveria estar a %2, mas não é uma pasta</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>maps folder</source>
        <translation>pasta Maps</translation>
    </message>
    <message>
        <source>level folder</source>
        <translation>pasta de fases</translation>
    </message>
    <message>
        <source>the maps folder does not exist</source>
        <translation>a pasta Maps não existe</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not a whole number from -32768 to 32767</source>
        <translation>o tempo “%1” não é um número inteiro de -32768 a 32767</translation>
    </message>
    <message>
        <source>the %1 could not be made: %2</source>
        <translation>não foi possível criar a %1: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Salvar as alterações em %1 antes de fechar?</translation>
    </message>
    <message>
        <source>Current : %1</source>
        <translation>Atual : %1</translation>
    </message>
    <message>
        <source>a level name may not hold &quot;/&quot; or &quot;\&quot;; type the name alone, e.g. maze5</source>
        <translation>o nome de uma fase não pode conter “/” nem “\”; digite só o nome, p. ex. maze5</translation>
    </message>
    <message>
        <source>a level name may not hold control characters</source>
        <translation>o nome de uma fase não pode conter caracteres de controle</translation>
    </message>
    <message>
        <source>a level name may not be made of blanks alone</source>
        <translation>o nome de uma fase não pode ser só espaços</translation>
    </message>
    <message>
        <source>Could not paste the level:
%1.
The level in the editor is unchanged.</source>
        <translation>Não foi possível colar a fase:
%1.
A fase no editor não foi alterada.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>LEVEL : %1</source>
        <translation>FASE : %1</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>GAME PAUSED</source>
        <translation>JOGO PAUSADO</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>VOCÊ VENCEU!</translation>
    </message>
    <message>
        <source>Waiting to play ...</source>
        <translation>Pronto para jogar…</translation>
    </message>
    <message>
        <source>P = PAUSE</source>
        <translation>P = PAUSA</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>This level can no longer be won from here. Restart it with F3.</source>
        <translation>Daqui não dá mais para vencer esta fase. Recomece com F3.</translation>
    </message>
    <message>
        <source>No hint found in time.</source>
        <translation>Nenhuma dica encontrada a tempo.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>TIME :</source>
        <translation>TEMPO :</translation>
    </message>
    <message>
        <source>LEVEL :</source>
        <translation>FASE :</translation>
    </message>
    <message>
        <source>TIME : %1</source>
        <translation>TEMPO : %1</translation>
    </message>
    <message>
        <source>Level file not found !</source>
        <translation>Arquivo da fase não encontrado!</translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

%2</source>
        <translation>Não é possível jogar a fase %1.

%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be read:
%2</source>
        <translation>Não é possível ler o conjunto de fases “%1”:
%2</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; has no level.</source>
        <translation>O conjunto de fases “%1” não tem nenhuma fase.</translation>
    </message>
    <message>
        <source>Level selection</source>
        <translation>Escolha de fase</translation>
    </message>
    <message>
        <source>Exit current game</source>
        <translation>Sair do jogo atual</translation>
    </message>
    <message>
        <source>Restart level </source>
        <translation>Recomeçar fase</translation>
    </message>
    <message>
        <source>Exit Kelvaro</source>
        <translation>Sair do Kelvaro</translation>
    </message>
    <message>
        <source>Enter the level number (1-%1)</source>
        <translation>Digite o número da fase (1-%1)</translation>
    </message>
    <message>
        <source>The level file %1 no longer exists.</source>
        <translation>O arquivo de fase %1 não existe mais.</translation>
    </message>
    <message>
        <source>The level file %1 cannot be read:
%2.</source>
        <translation>Não é possível ler o arquivo de fase %1:
%2.</translation>
    </message>
    <message>
        <source>The level file %1 is damaged:
%2.</source>
        <translation>O arquivo de fase %1 está danificado:
%2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>a linha %1 está danificada</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It could not be set aside (%3), so records are not kept in this game.</source>
        <translation>O arquivo de recordes %1 está danificado (%2).

Não foi possível deixá-lo de lado (%3), então os recordes não serão guardados neste jogo.</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2).

It was set aside as %3; the records start afresh.</source>
        <translation>O arquivo de recordes %1 está danificado (%2).

Ele foi deixado de lado como %3; os recordes recomeçam do zero.</translation>
    </message>
    <message>
        <source>Your records cannot be kept: %1.

The game goes on without them.</source>
        <translation>Seus recordes não podem ser guardados: %1.

O jogo continua sem eles.</translation>
    </message>
    <message>
        <source>Generated puzzle</source>
        <translation>Quebra-cabeça gerado</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Quebra-cabeça do dia</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; does not start with a grade letter: E, M, H or X.</source>
        <translation>O código “%1” não começa com uma letra de dificuldade: E, M, H ou X.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has no number after its grade letter.</source>
        <translation>O código “%1” não tem número depois da letra de dificuldade.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; must end in a number, as in M-00042.</source>
        <translation>O código “%1” deve terminar em um número, como M-00042.</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; has a number above 99999.</source>
        <translation>O código “%1” tem um número acima de 99999.</translation>
    </message>
    <message>
        <source>No level found, try another code.</source>
        <translation>Nenhuma fase encontrada, tente outro código.</translation>
    </message>
    <message>
        <source>The level %1 is kept as %2.</source>
        <translation>A fase %1 foi guardada como %2.</translation>
    </message>
    <message>
        <source>The level %1 is already kept as %2.</source>
        <translation>A fase %1 já está guardada como %2.</translation>
    </message>
    <message>
        <source>The level %1 could not be kept in %2:
%3</source>
        <translation>Não foi possível guardar a fase %1 em %2:
%3</translation>
    </message>
    <message>
        <source>The level %1 was not kept: %2 cannot be read as a set&apos;s description. Mend or remove it first.</source>
        <translation>A fase %1 não foi guardada: %2 não pode ser lido como descrição de um conjunto. Corrija-o ou remova-o antes.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: the set %2 already has 999 levels.</source>
        <translation>A fase %1 não foi guardada: o conjunto %2 já tem 999 fases.</translation>
    </message>
    <message>
        <source>The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.</source>
        <translation>A fase %1 não foi guardada: não há pasta para as suas fases, pois nem XDG_DATA_HOME nem HOME estão definidas.</translation>
    </message>
    <message>
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4</source>
        <translation>Kelvaro do dia %1 (%2): resolvido, %3 s restantes, %4</translation>
    </message>
    <message numerus="yes">
        <source>Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run</source>
        <translation>
            <numerusform>Kelvaro do dia %1 (%2): resolvido, %3 s restantes, %4 · sequência de %n dia</numerusform>
            <numerusform>Kelvaro do dia %1 (%2): resolvido, %3 s restantes, %4 · sequência de %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n ação</numerusform>
            <numerusform>%n ações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions (par %1)</source>
        <translation>
            <numerusform>%n ação (par %1)</numerusform>
            <numerusform>%n ações (par %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostrar uma solução</translation>
    </message>
    <message>
        <source>Show a solution? The level will not count as solved.</source>
        <translation>Mostrar uma solução? O nível não contará como resolvido.</translation>
    </message>
    <message>
        <source>No solution of yours is kept for this level yet.</source>
        <translation>Ainda não há nenhuma solução sua guardada para este nível.</translation>
    </message>
    <message>
        <source>The solver found no solution from the level&apos;s start.</source>
        <translation>O resolvedor não encontrou nenhuma solução a partir do início do nível.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It could not be set aside (%3), so your solutions are not kept in this game.</source>
        <translation>O arquivo de soluções %1 está danificado (%2).

Não foi possível deixá-lo de lado (%3), então suas soluções não serão guardadas neste jogo.</translation>
    </message>
    <message>
        <source>The solutions file %1 is damaged (%2).

It was set aside as %3; your solutions are kept afresh.</source>
        <translation>O arquivo de soluções %1 está danificado (%2).

Ele foi deixado de lado como %3; suas soluções são guardadas do zero.</translation>
    </message>
    <message>
        <source>Your solutions cannot be kept: %1.

The game goes on without them.</source>
        <translation>Suas soluções não podem ser guardadas: %1.

O jogo continua sem elas.</translation>
    </message>
</context>
<context>
    <name>KelCheck</name>
    <message>
        <source>reads</source>
        <translation>leitura</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>marcas</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>moldura</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>casas</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>solução</translation>
    </message>
    <message>
        <source>least time</source>
        <translation>tempo mínimo</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>pushes</source>
        <translation>empurrões</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>trocas</translation>
    </message>
    <message>
        <source>crates</source>
        <translation>caixas</translation>
    </message>
    <message>
        <source>traps</source>
        <translation>armadilhas</translation>
    </message>
    <message>
        <source>effort</source>
        <translation>esforço</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>jogadas</translation>
    </message>
    <message>
        <source>levels</source>
        <translation>fases</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>lacuna</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorados</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>APROVADO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>REPROVADO</translation>
    </message>
    <message>
        <source>solvable</source>
        <translation>solucionável</translation>
    </message>
    <message>
        <source>unsolvable</source>
        <translation>sem solução</translation>
    </message>
    <message>
        <source>unknown (limit reached)</source>
        <translation>desconhecido (limite atingido)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>não: %1</translation>
    </message>
    <message>
        <source>yes, %1 x %2 cells</source>
        <translation>sim, %1 x %2 casas</translation>
    </message>
    <message>
        <source>not searched: the level cannot be judged as it is</source>
        <translation>não buscada: a fase não pode ser julgada como está</translation>
    </message>
    <message>
        <source>none: undecided (time limit reached)</source>
        <translation>nenhuma: indefinido (limite de tempo atingido)</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>nenhuma: %1</translation>
    </message>
    <message>
        <source>(shortest)</source>
        <translation>(a mais curta)</translation>
    </message>
    <message>
        <source>(not proven shortest: limit reached)</source>
        <translation>(mínimo não comprovado: limite atingido)</translation>
    </message>
    <message numerus="yes">
        <source>%n walks</source>
        <translation>
            <numerusform>%n passo</numerusform>
            <numerusform>%n passos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pushes</source>
        <translation>
            <numerusform>%n empurrão</numerusform>
            <numerusform>%n empurrões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n actions</source>
        <translation>
            <numerusform>%n ação</numerusform>
            <numerusform>%n ações</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not judged without a solution</source>
        <translation>%1, não julgado sem solução</translation>
    </message>
    <message>
        <source>%1, enough (needs %2 or more)</source>
        <translation>%1, basta (precisa de %2 ou mais)</translation>
    </message>
    <message>
        <source>%1, TOO SHORT (needs %2 or more)</source>
        <translation>%1, CURTO DEMAIS (precisa de %2 ou mais)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>%1: %2 of the jewel, %3 of crates</source>
        <translation>%1: %2 da joia, %3 de caixas</translation>
    </message>
    <message>
        <source>%1 of the pushed object, longest run %2</source>
        <translation>%1 do objeto empurrado, maior sequência %2</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n troca</numerusform>
            <numerusform>%n trocas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 must move in any solution, %2 moved in the shortest</source>
        <translation>%1 precisam mover-se em qualquer solução, %2 movidas na mais curta</translation>
    </message>
    <message numerus="yes">
        <source>%n losing pushes</source>
        <translation>
            <numerusform>%n empurrão perdedor</numerusform>
            <numerusform>%n empurrões perdedores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 along the shortest solution, the first push can lose</source>
        <translation>%1 ao longo da solução mais curta, o primeiro empurrão pode perder</translation>
    </message>
    <message>
        <source>%1 along the shortest solution</source>
        <translation>%1 ao longo da solução mais curta</translation>
    </message>
    <message>
        <source>%1 moved in the shortest</source>
        <translation>%1 movidas na mais curta</translation>
    </message>
    <message>
        <source>not counted: %1</source>
        <translation>não contadas: %1</translation>
    </message>
    <message>
        <source>more positions than the limit</source>
        <translation>mais posições que o limite</translation>
    </message>
    <message>
        <source>left out (--quick)</source>
        <translation>omitidas (--quick)</translation>
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
        <translation>%1 expandidos para decidir, %2 ao todo</translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n posição</numerusform>
            <numerusform>%n posições</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 expanded to decide</source>
        <translation>%1 expandidos para decidir</translation>
    </message>
    <message>
        <source>start, jewel and goal inside the drawn area</source>
        <translation>partida, joia e alvo dentro da área desenhada</translation>
    </message>
    <message>
        <source>outside the drawn area: %1</source>
        <translation>fora da área desenhada: %1</translation>
    </message>
    <message>
        <source>open at (%1, %2)</source>
        <translation>aberta em (%1, %2)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fechada</translation>
    </message>
    <message>
        <source>one jewel, one goal, codes 0 to 4 only</source>
        <translation>uma joia, um alvo, só códigos de 0 a 4</translation>
    </message>
    <message>
        <source>set &quot;%1&quot;</source>
        <translation>conjunto “%1”</translation>
    </message>
    <message>
        <source>none: no file named maze1.txt to maze999.txt</source>
        <translation>nenhuma: nenhum arquivo de maze1.txt a maze999.txt</translation>
    </message>
    <message>
        <source>%1, numbered %2 to %3</source>
        <translation>%1, numeradas de %2 a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n fase</numerusform>
            <numerusform>%n fases</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, numbered %2</source>
        <translation>%1, número %2</translation>
    </message>
    <message>
        <source>%1: the game plays only maze1.txt to maze999.txt, one spelling each</source>
        <translation>%1: o jogo só joga de maze1.txt a maze999.txt, uma grafia para cada</translation>
    </message>
    <message>
        <source>damaged: the folder&apos;s name stands for the title</source>
        <translation>danificado: o nome da pasta serve de título</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empurrões</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Least time</source>
        <translation>Tempo mínimo</translation>
    </message>
    <message>
        <source>Limit / least time</source>
        <translation>Limite / tempo mínimo</translation>
    </message>
    <message>
        <source>Jewel / crate pushes</source>
        <translation>Empurrões joia / caixas</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Trocas de objeto</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Maior sequência</translation>
    </message>
    <message>
        <source>Crates must move (moved)</source>
        <translation>Caixas a mover (movidas)</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Armadilhas</translation>
    </message>
    <message>
        <source>First push can lose</source>
        <translation>O primeiro empurrão pode perder</translation>
    </message>
    <message>
        <source>Search effort</source>
        <translation>Esforço de busca</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>FILE or DIR</source>
        <translation>ARQUIVO ou PASTA</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files pass</source>
        <translation>
            <numerusform>aprovados: %1 de %n arquivo</numerusform>
            <numerusform>aprovados: %1 de %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 to %2 are missing</source>
        <translation>faltam %1 a %2</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>estatísticas</translation>
    </message>
    <message numerus="yes">
        <source>%n object changes</source>
        <translation>
            <numerusform>%n troca de objeto</numerusform>
            <numerusform>%n trocas de objeto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n push runs</source>
        <translation>
            <numerusform>%n sequência de empurrões</numerusform>
            <numerusform>%n sequências de empurrões</numerusform>
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
        <translation>uso: kel_check [--moves] [--markdown] [--quick] [--limit ESTADOS] [--seconds S] ARQUIVO|PASTA...
     kel_check --picture ARQUIVO|PASTA...
     kel_check --help | --version
  Verifica cada arquivo de fase como o jogo o lê; sai com 0 só quando todos os arquivos são aprovados.
  Um arquivo também pode conter o desenho de uma fase (veja --picture).
  Uma pasta é um conjunto de fases: seus maze1.txt a maze999.txt são verificados pela ordem dos números,
  e os números que faltam são informados (não reprovam o conjunto); um conjunto sem fase é reprovado.
  --moves      mostra também uma solução mais curta (r l u d passo, R L U D empurrão)
  --markdown   mostra uma tabela das fases em vez das verificações
  --quick      omite as medidas de profundidade custosas (caixas que precisam mover-se, armadilhas)
  --limit N    estados que cada busca pode guardar (padrão 1000000)
  --seconds S  tempo que cada busca pode levar (padrão 30)
  --picture    mostra o desenho de cada fase em caracteres simples em vez de verificá-la
  --help       mostra este texto e sai
  --version    mostra a versão e sai

Medidas de profundidade, sobre a solução mais curta e as posições da fase:
  empurrões    empurrões da solução mais curta, da joia e de caixas.
  trocas       quantas vezes o objeto empurrado difere do empurrado logo antes;
               maior sequência: o máximo de empurrões seguidos de um objeto numa direção.
  caixas       caixas que precisam mover-se: as que toda solução move, pois com a caixa
               fixa no lugar a fase é comprovadamente sem solução; e quantas caixas
               a solução mais curta move.
  armadilhas   empurrões distintos (o que é empurrado, de onde, para que lado) possíveis
               numa posição ao longo da solução mais curta que deixam uma posição
               comprovadamente perdida, de modo que é preciso recomeçar; e se algum é
               possível antes do primeiro empurrão.
  esforço      estados que a busca que decide a fase expandiu antes de saber;
               posições: todas as que a fase pode alcançar, o jogador contado uma vez
               por área em que anda. Caixas e armadilhas só são contadas quando cabem
               no limite de estados.
  estatísticas o que a janela Recordes mostra de uma solução guardada, aqui da mais
               curta: ações, empurrões, trocas de objeto e sequências de empurrões
               (empurrões seguidos sem passo entre eles).
</translation>
    </message>
</context>
<context>
    <name>LevelClipboard</name>
    <message>
        <source>The pasted level cannot be played:
%1.</source>
        <translation>Não é possível jogar a fase colada:
%1.</translation>
    </message>
    <message>
        <source>The pasted moves need a level in play.</source>
        <translation>Os movimentos colados precisam de uma fase em jogo.</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 “%2” não é um número inteiro</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1 %2 está fora de %3 a %4</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>não foi possível ler o arquivo até o fim</translation>
    </message>
    <message>
        <source>the file ends before the %1</source>
        <translation>o arquivo termina antes de: %1</translation>
    </message>
    <message>
        <source>cell (%1, %2)</source>
        <translation>casa (%1, %2)</translation>
    </message>
    <message>
        <source>the %1 at (%2, %3) lies outside the grid of %4 x %5 cells</source>
        <translation>%1 em (%2, %3) está fora da grade de %4 x %5 casas</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>não é um arquivo que possa ser lido</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>não é possível abri-lo: %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is read-only; it was kept as it is</source>
        <translation>o arquivo é somente leitura; foi mantido como estava</translation>
    </message>
    <message>
        <source>the data could not be flushed to the disk</source>
        <translation>não foi possível gravar os dados no disco</translation>
    </message>
    <message>
        <source>You may not read this folder.</source>
        <translation>Você não tem permissão para ler esta pasta.</translation>
    </message>
    <message>
        <source>The folder no longer exists.</source>
        <translation>A pasta não existe mais.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Não é possível ler a pasta: %1.</translation>
    </message>
    <message>
        <source>jewel</source>
        <translation>joia</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>alvo</translation>
    </message>
    <message>
        <source>start</source>
        <translation>partida</translation>
    </message>
    <message>
        <source>highest column index</source>
        <translation>maior índice de coluna</translation>
    </message>
    <message>
        <source>highest row index</source>
        <translation>maior índice de linha</translation>
    </message>
    <message>
        <source>jewel column</source>
        <translation>coluna da joia</translation>
    </message>
    <message>
        <source>jewel row</source>
        <translation>linha da joia</translation>
    </message>
    <message>
        <source>goal column</source>
        <translation>coluna do alvo</translation>
    </message>
    <message>
        <source>goal row</source>
        <translation>linha do alvo</translation>
    </message>
    <message>
        <source>start column</source>
        <translation>coluna da partida</translation>
    </message>
    <message>
        <source>start row</source>
        <translation>linha da partida</translation>
    </message>
    <message>
        <source>time limit</source>
        <translation>limite de tempo</translation>
    </message>
    <message>
        <source>start (%1, %2)</source>
        <translation>partida (%1, %2)</translation>
    </message>
    <message>
        <source>jewel (%1, %2)</source>
        <translation>joia (%1, %2)</translation>
    </message>
    <message>
        <source>goal (%1, %2)</source>
        <translation>alvo (%1, %2)</translation>
    </message>
    <message>
        <source>%1 cell(s) of code %2</source>
        <translation>%1 casa(s) de código %2</translation>
    </message>
    <message>
        <source>%1 jewel cells</source>
        <translation>casas de joia: %1</translation>
    </message>
    <message>
        <source>%1 goal cells</source>
        <translation>casas de alvo: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no cell</source>
        <translation>“%1” não representa nenhuma casa</translation>
    </message>
    <message>
        <source>the row has %1 cells where the first has %2</source>
        <translation>a fileira tem %1 casas, e a primeira tem %2</translation>
    </message>
    <message>
        <source>the picture has no rows of cells</source>
        <translation>o desenho não tem fileiras de casas</translation>
    </message>
    <message>
        <source>a second %1</source>
        <translation>%1 pela segunda vez</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no word of a picture</source>
        <translation>“%1” não é uma palavra de um desenho</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 numbers</source>
        <translation>“%1” leva %2 números</translation>
    </message>
    <message>
        <source>%1 lies outside the grid of %2 x %3 cells</source>
        <translation>%1 está fora da grade de %2 x %3 casas</translation>
    </message>
    <message>
        <source>no line &quot;cell&quot; gives the code of %1</source>
        <translation>nenhuma linha “cell” dá o código de %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open level folder</source>
        <translation>Abrir pasta de fases</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>such as M-00042</source>
        <translation>por exemplo M-00042</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Dificuldade:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Without a code, a new puzzle of the grade.</source>
        <translation>Sem código, um novo quebra-cabeça dessa dificuldade.</translation>
    </message>
    <message>
        <source>Making the puzzle…</source>
        <translation>Criando o quebra-cabeça…</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>“%1” não é um número inteiro</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is less than %2</source>
        <translation>“%1” é menor que %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>“%1” é maior que %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>a opção “%1” não aceita valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção “%1” precisa de um valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2 values</source>
        <translation>a opção “%1” precisa de %2 valores</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2</source>
        <translation>opção “%1”: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Open levels</source>
        <translation>Abrir fases</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Arquivos de fases…</translation>
    </message>
    <message>
        <source>Level folder…</source>
        <translation>Pasta de fases…</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Para a direita</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empurrar</translation>
    </message>
    <message>
        <source>Push with the arrows</source>
        <translation>Empurrar com as setas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The browser did not let the page read the clipboard. Press %1 to paste.</source>
        <translation>O navegador não deixou a página ler a área de transferência. Pressione %1 para colar.</translation>
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
        <translation>uso: kel_edit [--levels PASTA] [--help | --version | --self-test]
  O editor de fases do Kelvaro: desenhe, carregue e salve fases. Ele salva na pasta Maps
  ao seu lado se ela aceitar novos arquivos; senão, em “My levels” na pasta de fases
  ($XDG_DATA_HOME/kelvaro/levels, por padrão ~/.local/share/kelvaro/levels).
  Sem opções o editor abre sua janela.
  --levels PASTA  salvar no conjunto de fases PASTA (como “Generated” na pasta de fases) e
                 carregar dele antes da pasta Maps
  --self-test  verificar se a pasta Maps ao lado do programa pode ser lida e sair
  --help       mostrar este texto e sair
  --version    mostrar a versão e sair
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
        <translation>Arquivo :</translation>
    </message>
    <message>
        <source>Note 1: Level name must be &quot;mazeX&quot;, where X a number from 1 to 999, e.g. maze5 or maze 41 .</source>
        <translation>Nota 1: o nome da fase deve ser “mazeX”, com X um número de 1 a 999, p. ex. maze5 ou maze41.</translation>
    </message>
    <message>
        <source>Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !</source>
        <translation>Nota 2: toda fase DEVE ter um ponto de partida, uma saída e a joia redonda!</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>LIMPAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARREGAR</translation>
    </message>
    <message>
        <source>Kelvaro level editor v1.00</source>
        <translation>Editor de fases do Kelvaro v1.00</translation>
    </message>
    <message>
        <source>Saves to: %1</source>
        <translation>Salva em: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Fit time</source>
        <translation>Ajustar tempo</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Mostrar solução</translation>
    </message>
    <message>
        <source>Test play (F5)</source>
        <translation>Testar (F5)</translation>
    </message>
    <message>
        <source>Stop solution</source>
        <translation>Parar solução</translation>
    </message>
    <message>
        <source>Could not start test play: the time &quot;%1&quot; is not a whole number from -32768 to 32767.</source>
        <translation>Não foi possível testar a fase: o tempo “%1” não é um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>Could not start test play: place the start, the jewel and the goal first.</source>
        <translation>Não foi possível testar a fase: coloque antes a partida, a joia e o alvo.</translation>
    </message>
    <message>
        <source>Could not start test play: no temporary folder could be made.</source>
        <translation>Não foi possível testar a fase: nenhuma pasta temporária pôde ser criada.</translation>
    </message>
    <message>
        <source>Could not start test play:
%1.</source>
        <translation>Não foi possível testar a fase:
%1.</translation>
    </message>
    <message>
        <source>Could not start the game %1:
%2.</source>
        <translation>Não foi possível iniciar o jogo %1:
%2.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copiar fase</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Colar fase</translation>
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
        <translation>uso: kelvaro [--levels PASTA | --level ARQUIVO | --self-test | --help | --version]
  Kelvaro, um quebra-cabeça de empurrar: ande com as setas, segure Ctrl para empurrar a joia até o alvo.
  Sem opções o jogo abre sua janela e joga o último conjunto de fases escolhido
  (Jogo &gt; Escolher fase…), no início as cinquenta fases da pasta Maps ao lado do programa.
  --levels PASTA   jogar o conjunto de fases da pasta PASTA (seus arquivos maze1.txt, maze2.txt…):
                   Novo jogo pede um número de 1 até a maior
  --level ARQUIVO  jogar já o arquivo de fase ARQUIVO, com efeito inicial, contagem regressiva,
                   vitória e derrota; Novo jogo, Próxima e Tentar de novo o jogam outra vez
  --self-test      verificar se os sons e as fases ao lado do programa podem ser lidos e sair
  --help           mostrar este texto e sair
  --version        mostrar a versão e sair
</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyBindings</name>
    <message>
        <source>Walk left</source>
        <translation>Ir para a esquerda</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Ir para a direita</translation>
    </message>
    <message>
        <source>Walk up</source>
        <translation>Ir para cima</translation>
    </message>
    <message>
        <source>Walk down</source>
        <translation>Ir para baixo</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empurrar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Take back</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Choose a key for %1.</source>
        <translation>Escolha uma tecla para %1.</translation>
    </message>
    <message>
        <source>The key %1 is chosen for both %2 and %3.</source>
        <translation>A tecla %1 foi escolhida ao mesmo tempo para %2 e para %3.</translation>
    </message>
    <message>
        <source>The button %1 is chosen for both %2 and %3.</source>
        <translation>O botão %1 foi escolhido ao mesmo tempo para %2 e para %3.</translation>
    </message>
</context>
<context>
    <name>kelvaro::KeyCell</name>
    <message>
        <source>Press a key…</source>
        <translation>Pressione uma tecla…</translation>
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
        <translation>Controle</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Setas</translation>
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
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botão</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelChooser</name>
    <message>
        <source>cannot be read</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <translation>
            <numerusform>%n fase</numerusform>
            <numerusform>%n fases</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 cannot be played.

</source>
        <translation>Não é possível jogar a fase %1.

</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists.</source>
        <translation>A pasta %1 não existe mais.</translation>
    </message>
    <message>
        <source>Choose level</source>
        <translation>Escolher fase</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1, por %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Pasta: %1</translation>
    </message>
    <message>
        <source>There is no level file (maze1.txt, maze2.txt, …) in this folder.</source>
        <translation>Não há nenhum arquivo de fase (maze1.txt, maze2.txt, …) nesta pasta.</translation>
    </message>
    <message>
        <source>%1, numbered 1 to %2</source>
        <translation>%1, numeradas de 1 a %2</translation>
    </message>
    <message>
        <source>; no level %1</source>
        <translation>; falta a fase %1</translation>
    </message>
    <message>
        <source>Its set.txt cannot be read, so the set is named after its folder.</source>
        <translation>O set.txt está ilegível, então o conjunto leva o nome da pasta.</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rever minha solução</translation>
    </message>
</context>
<context>
    <name>kelvaro::LevelGridModel</name>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>resolvida</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>não resolvida</translation>
    </message>
    <message>
        <source>best time left %1</source>
        <translation>melhor tempo restante %1</translation>
    </message>
    <message>
        <source>fewest actions %1</source>
        <translation>menos ações %1</translation>
    </message>
    <message>
        <source>par %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>solution kept</source>
        <translation>solução guardada</translation>
    </message>
</context>
<context>
    <name>kelvaro::MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Encerrar jogo</translation>
    </message>
    <message>
        <source>Restart level</source>
        <translation>Recomeçar fase</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Escolher fase…</translation>
    </message>
    <message>
        <source>Open level folder…</source>
        <translation>Abrir pasta de fases…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Game help</source>
        <translation>Ajuda do jogo</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Generated puzzle…</source>
        <translation>Quebra-cabeça gerado…</translation>
    </message>
    <message>
        <source>Daily puzzle</source>
        <translation>Quebra-cabeça do dia</translation>
    </message>
    <message>
        <source>Keep this level</source>
        <translation>Guardar esta fase</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Replay my solution</source>
        <translation>Rever minha solução</translation>
    </message>
    <message>
        <source>Show a solution</source>
        <translation>Mostrar uma solução</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Teclas…</translation>
    </message>
    <message>
        <source>Copy level</source>
        <translation>Copiar fase</translation>
    </message>
    <message>
        <source>Paste level</source>
        <translation>Colar fase</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecordsWindow</name>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resolvida</translation>
    </message>
    <message>
        <source>Best time left</source>
        <translation>Melhor tempo restante</translation>
    </message>
    <message>
        <source>Fewest actions</source>
        <translation>Menos ações</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Níveis</translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Quebra-cabeças do dia</translation>
    </message>
    <message numerus="yes">
        <source>%n days solved</source>
        <translation>
            <numerusform>%n dia resolvido</numerusform>
            <numerusform>%n dias resolvidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days</source>
        <translation>
            <numerusform>Sequência atual: %n dia</numerusform>
            <numerusform>Sequência atual: %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run: %n days</source>
        <translation>
            <numerusform>Maior sequência: %n dia</numerusform>
            <numerusform>Maior sequência: %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>seen</source>
        <translation>vista</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empurrões</translation>
    </message>
    <message>
        <source>Object changes</source>
        <translation>Trocas de objeto</translation>
    </message>
    <message>
        <source>Push runs</source>
        <translation>Sequências de empurrões</translation>
    </message>
</context>
<context>
    <name>kelvaro::TextWindow</name>
    <message>
        <source>HELP</source>
        <translation>AJUDA</translation>
    </message>
    <message>
        <source>  This is simple:</source>
        <translation>  É simples:</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the arrow keys.</source>
        <translation>  Mova o Kelvaro com as setas.</translation>
    </message>
    <message>
        <source>  Use the Ctrl key to push the obstacles.</source>
        <translation>  Use a tecla Ctrl para empurrar os obstáculos.</translation>
    </message>
    <message>
        <source>  If you move the ball on the &apos;goal&apos; point</source>
        <translation>  Se levar a bola até o “alvo”</translation>
    </message>
    <message>
        <source>  before time expires,you win!</source>
        <translation>  antes de o tempo acabar, você vence!</translation>
    </message>
    <message>
        <source>About Kelvaro</source>
        <translation>Sobre o Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro 1.0 - a push puzzle for the desktop</source>
        <translation>Kelvaro 1.0 – um quebra-cabeça de empurrar para o desktop</translation>
    </message>
    <message>
        <source>Game, levels and editor: the Kelvaro team</source>
        <translation>Jogo, fases e editor: a equipe Kelvaro</translation>
    </message>
    <message>
        <source>Pictures and sounds made by our own tools</source>
        <translation>Imagens e sons feitos com nossas próprias ferramentas</translation>
    </message>
    <message>
        <source>Free to play, share and change</source>
        <translation>Livre para jogar, compartilhar e modificar</translation>
    </message>
    <message>
        <source>  Move Kelvaro using the %1 keys.</source>
        <translation>  Mova o Kelvaro com as teclas %1.</translation>
    </message>
    <message>
        <source>  Use the %1 key to push the obstacles.</source>
        <translation>  Use a tecla %1 para empurrar os obstáculos.</translation>
    </message>
    <message>
        <source>  Pause %1, take back %2, redo %3, hint %4.</source>
        <translation>  Pausa %1, desfazer %2, refazer %3, dica %4.</translation>
    </message>
</context>
</TS>
