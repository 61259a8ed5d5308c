<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BlockWords</name>
    <message>
        <source>Action %1</source>
        <translation>Ação %1</translation>
    </message>
    <message>
        <source>Decision %1</source>
        <translation>Decisão %1</translation>
    </message>
    <message>
        <source>Goto jump %1</source>
        <translation>Salto (goto) %1</translation>
    </message>
    <message>
        <source>Goto target %1</source>
        <translation>Destino de salto (goto) %1</translation>
    </message>
    <message>
        <source>Explanation %1</source>
        <translation>Explicação %1</translation>
    </message>
    <message>
        <source>Block %1</source>
        <translation>Bloco %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>Yes: %1</source>
        <translation>Sim: %1</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Não: %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Destino: %1</translation>
    </message>
    <message>
        <source>Jumps from %1</source>
        <translation>Saltos a partir de %1</translation>
    </message>
    <message>
        <source>Entered from %1</source>
        <translation>Entrada a partir de %1</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>bloco %1</translation>
    </message>
    <message>
        <source>blocks %1</source>
        <translation>blocos %1</translation>
    </message>
    <message>
        <source>no link</source>
        <translation>nenhuma ligação</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>nenhum bloco</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File with inconsistent data!</source>
        <translation>Arquivo com dados inconsistentes!</translation>
    </message>
    <message>
        <source>File [%1] has BAD DATA.</source>
        <translation>O arquivo [%1] contém DADOS INVÁLIDOS.</translation>
    </message>
    <message>
        <source>Could not open file (%1): %2</source>
        <translation>Não foi possível abrir o arquivo (%1): %2</translation>
    </message>
    <message>
        <source>Failed to save file (%1)</source>
        <translation>Falha ao salvar o arquivo (%1)</translation>
    </message>
    <message>
        <source>The file (%1) is Corvix&apos;s recovery copy, which is deleted when Corvix closes. Please choose another name.</source>
        <translation>O arquivo (%1) é a cópia de recuperação do Corvix, que é excluída quando o Corvix é fechado. Escolha outro nome.</translation>
    </message>
    <message>
        <source>File is not a &apos;.FXG&apos;!</source>
        <translation>O arquivo não é um &apos;.FXG&apos;!</translation>
    </message>
    <message>
        <source>The drawing can have been changed. Do you want to discard it?</source>
        <translation>O desenho pode ter sido alterado. Deseja descartá-lo?</translation>
    </message>
    <message>
        <source>The last session was terminated abnormally.<byte value="xd"/>
 Do you want to load the last saved session?</source>
        <translation>A última sessão foi encerrada de forma anormal.<byte value="xd"/>
 Deseja carregar a última sessão salva?</translation>
    </message>
    <message>
        <source>The drawing already has %1 blocks, as many as it can hold. The block was not inserted.</source>
        <translation>O desenho já tem %1 blocos, o máximo que ele comporta. O bloco não foi inserido.</translation>
    </message>
    <message>
        <source>The drawing already has %1 links, as many as it can hold. The link was not made.</source>
        <translation>O desenho já tem %1 ligações, o máximo que ele comporta. A ligação não foi feita.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 blocks; with these it would have %2. Nothing was pasted.</source>
        <translation>O desenho comporta %1 blocos; com estes ficaria com %2. Nada foi colado.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 links; with these it would have %2. Nothing was pasted.</source>
        <translation>O desenho comporta %1 ligações; com estas ficaria com %2. Nada foi colado.</translation>
    </message>
    <message>
        <source>Delete selected block?</source>
        <translation>Excluir o bloco selecionado?</translation>
    </message>
    <message>
        <source>Delete selected link?</source>
        <translation>Excluir a ligação selecionada?</translation>
    </message>
    <message>
        <source>Delete %1 selected blocks?</source>
        <translation>Excluir os %1 blocos selecionados?</translation>
    </message>
    <message>
        <source>Problems concerning block type!</source>
        <translation>Problemas com o tipo de bloco!</translation>
    </message>
    <message>
        <source>You can NOT connect a block to itself!</source>
        <translation>NÃO é possível ligar um bloco a ele mesmo!</translation>
    </message>
    <message>
        <source>This link is not valid!</source>
        <translation>Esta ligação não é válida!</translation>
    </message>
    <message>
        <source>There is no free place on the page for a new block there.</source>
        <translation>Não há lugar livre na página para um novo bloco ali.</translation>
    </message>
    <message>
        <source>Select the block to link from first.</source>
        <translation>Selecione primeiro o bloco de onde sai a ligação.</translation>
    </message>
    <message>
        <source>The selected block has no free exit.</source>
        <translation>O bloco selecionado não tem saída livre.</translation>
    </message>
    <message>
        <source>No block contains &apos;%1&apos;.</source>
        <translation>Nenhum bloco contém &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No goto target has the text of the selected goto jump.</source>
        <translation>Nenhum destino de salto (goto) tem o texto do salto selecionado.</translation>
    </message>
    <message>
        <source>No goto jump has the text of the selected goto target.</source>
        <translation>Nenhum salto (goto) tem o texto do destino selecionado.</translation>
    </message>
    <message>
        <source>Select a goto jump to go to its target, or a goto target to go to its jumps.</source>
        <translation>Selecione um salto (goto) para ir ao seu destino, ou um destino de salto para ir aos seus saltos.</translation>
    </message>
    <message>
        <source>The drawing is too large to arrange on one page.</source>
        <translation>O desenho é grande demais para ser organizado em uma página.</translation>
    </message>
    <message>
        <source>Corvix was built without Arrange: the flowchart cannot be laid out.</source>
        <translation>O Corvix foi compilado sem Organizar: o fluxograma não pode ser organizado.</translation>
    </message>
    <message>
        <source>%1
(%2 more)</source>
        <translation>%1
(mais %2)</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>the Yes exit has no link</source>
        <translation>a saída Sim não tem ligação</translation>
    </message>
    <message>
        <source>the No exit has no link</source>
        <translation>a saída Não não tem ligação</translation>
    </message>
    <message>
        <source>no goto target has its key</source>
        <translation>nenhum destino de salto (goto) tem a sua chave</translation>
    </message>
    <message>
        <source>an earlier goto target has the same key</source>
        <translation>um destino de salto (goto) anterior tem a mesma chave</translation>
    </message>
    <message>
        <source>no goto jump has its key</source>
        <translation>nenhum salto (goto) tem a sua chave</translation>
    </message>
    <message>
        <source>it cannot be reached from the start</source>
        <translation>não pode ser alcançado a partir do início</translation>
    </message>
    <message>
        <source>its drawing is not wholly inside the page frame</source>
        <translation>seu desenho não está totalmente dentro da moldura da página</translation>
    </message>
    <message>
        <source>overlaps block %1</source>
        <translation>sobrepõe-se ao bloco %1</translation>
    </message>
    <message>
        <source>its text is still the default</source>
        <translation>seu texto ainda é o padrão</translation>
    </message>
</context>
<context>
    <name>corvix</name>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>The pasted text holds characters that a diagram file cannot store: %1.</source>
        <translation>O texto colado contém caracteres que um arquivo de diagrama não pode armazenar: %1.</translation>
    </message>
    <message>
        <source>The text holds characters that a diagram file cannot store: %1.</source>
        <translation>O texto contém caracteres que um arquivo de diagrama não pode armazenar: %1.</translation>
    </message>
    <message>
        <source>Paste the text anyway? (No pastes nothing.)</source>
        <translation>Colar o texto mesmo assim? (Não não cola nada.)</translation>
    </message>
    <message>
        <source>Store the text anyway? (No goes back to the text.)</source>
        <translation>Armazenar o texto mesmo assim? (Não volta ao texto.)</translation>
    </message>
    <message>
        <source>Each of them will be stored as &quot;?&quot;.</source>
        <translation>Cada um será armazenado como &quot;?&quot;.</translation>
    </message>
</context>
<context>
    <name>corvix::CanvasWidget</name>
    <message>
        <source>Drawing</source>
        <translation>Desenho</translation>
    </message>
</context>
<context>
    <name>corvix::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>&amp;Link to:</source>
        <translation>&amp;Ligar a:</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Ligar a</translation>
    </message>
</context>
<context>
    <name>corvix::HelpWindow</name>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A página de ajuda &lt;b&gt;%1&lt;/b&gt; não foi encontrada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Corvix Help</source>
        <translation>Ajuda do Corvix</translation>
    </message>
</context>
<context>
    <name>corvix::KindPanel</name>
    <message>
        <source>Select Block</source>
        <translation>Selecionar bloco</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Decisão</translation>
    </message>
    <message>
        <source>Goto jumps</source>
        <translation>Saltos (goto)</translation>
    </message>
    <message>
        <source>goto targets</source>
        <translation>Destinos de salto (goto)</translation>
    </message>
    <message>
        <source>Explanations</source>
        <translation>Explicações</translation>
    </message>
</context>
<context>
    <name>corvix::MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>The file (%1) already exists. Do you want to replace it?</source>
        <translation>O arquivo (%1) já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Failed to export file (%1)</source>
        <translation>Falha ao exportar o arquivo (%1)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Locali&amp;zar...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>&amp;Go to Target</source>
        <translation>&amp;Ir para o destino</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvar &amp;como</translation>
    </message>
    <message>
        <source>print previe&amp;W ...</source>
        <translation>&amp;Visualizar impressão ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A&amp;4</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>&amp;Insert Block</source>
        <translation>&amp;Inserir bloco</translation>
    </message>
    <message>
        <source>&amp;Delete block or link</source>
        <translation>Excluir &amp;bloco ou ligação</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Tamanho do papel</translation>
    </message>
    <message>
        <source>Error: Could not print!</source>
        <translation>Erro: não foi possível imprimir!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>&amp;Página inteira</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;blemas</translation>
    </message>
    <message>
        <source>Edit Te&amp;xt</source>
        <translation>Editar te&amp;xto</translation>
    </message>
    <message>
        <source>Follow or Insert &amp;Below</source>
        <translation>Seguir ou inserir &amp;abaixo</translation>
    </message>
    <message>
        <source>Follow or Insert L&amp;eft</source>
        <translation>Seguir ou inserir à &amp;esquerda</translation>
    </message>
    <message>
        <source>Follow or Insert Rig&amp;ht</source>
        <translation>Seguir ou i&amp;nserir à direita</translation>
    </message>
    <message>
        <source>Go Up the Fl&amp;ow</source>
        <translation>Subir no &amp;fluxo</translation>
    </message>
    <message>
        <source>&amp;Link to Block...</source>
        <translation>Ligar a um &amp;bloco...</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>&amp;Organizar</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd)</source>
        <translation>Fluxograma Mermaid (*.mmd)</translation>
    </message>
</context>
<context>
    <name>corvix::PrintPreview</name>
    <message>
        <source>%1 PrintPreview - click on the form to dismiss</source>
        <translation>%1 Visualizar impressão – clique na janela para fechá-la</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
<context>
    <name>corvix::ProblemsPanel</name>
    <message>
        <source>block %1 %2: %3</source>
        <translation>bloco %1 %2: %3</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
</context>
<context>
    <name>corvix::StandardDialogs</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>corvix::TextDialog</name>
    <message>
        <source>Modify the text</source>
        <translation>Modificar o texto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
