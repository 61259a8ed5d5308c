<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BlockWords</name>
    <message>
        <source>Action %1</source>
        <translation>Acción %1</translation>
    </message>
    <message>
        <source>Decision %1</source>
        <translation>Decisión %1</translation>
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
        <translation>Explicación %1</translation>
    </message>
    <message>
        <source>Block %1</source>
        <translation>Bloque %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Siguiente: %1</translation>
    </message>
    <message>
        <source>Yes: %1</source>
        <translation>Sí: %1</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Destino: %1</translation>
    </message>
    <message>
        <source>Jumps from %1</source>
        <translation>Saltos desde %1</translation>
    </message>
    <message>
        <source>Entered from %1</source>
        <translation>Entrada desde %1</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>bloque %1</translation>
    </message>
    <message>
        <source>blocks %1</source>
        <translation>bloques %1</translation>
    </message>
    <message>
        <source>no link</source>
        <translation>ningún enlace</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>ningún bloque</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File with inconsistent data!</source>
        <translation>¡Archivo con datos incoherentes!</translation>
    </message>
    <message>
        <source>File [%1] has BAD DATA.</source>
        <translation>El archivo [%1] contiene DATOS ERRÓNEOS.</translation>
    </message>
    <message>
        <source>Could not open file (%1): %2</source>
        <translation>No se pudo abrir el archivo (%1): %2</translation>
    </message>
    <message>
        <source>Failed to save file (%1)</source>
        <translation>No se pudo guardar el archivo (%1)</translation>
    </message>
    <message>
        <source>The file (%1) is Corvix&apos;s recovery copy, which is deleted when Corvix closes. Please choose another name.</source>
        <translation>El archivo (%1) es la copia de recuperación de Corvix, que se borra al cerrar Corvix. Elija otro nombre.</translation>
    </message>
    <message>
        <source>File is not a &apos;.FXG&apos;!</source>
        <translation>¡El archivo no es un &apos;.FXG&apos;!</translation>
    </message>
    <message>
        <source>The drawing can have been changed. Do you want to discard it?</source>
        <translation>Es posible que el dibujo haya cambiado. ¿Desea descartarlo?</translation>
    </message>
    <message>
        <source>The last session was terminated abnormally.<byte value="xd"/>
 Do you want to load the last saved session?</source>
        <translation>La última sesión terminó de forma anormal.<byte value="xd"/>
 ¿Desea cargar la última sesión guardada?</translation>
    </message>
    <message>
        <source>The drawing already has %1 blocks, as many as it can hold. The block was not inserted.</source>
        <translation>El dibujo ya tiene %1 bloques, tantos como puede contener. El bloque no se insertó.</translation>
    </message>
    <message>
        <source>The drawing already has %1 links, as many as it can hold. The link was not made.</source>
        <translation>El dibujo ya tiene %1 enlaces, tantos como puede contener. El enlace no se creó.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 blocks; with these it would have %2. Nothing was pasted.</source>
        <translation>El dibujo puede contener %1 bloques; con estos tendría %2. No se pegó nada.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 links; with these it would have %2. Nothing was pasted.</source>
        <translation>El dibujo puede contener %1 enlaces; con estos tendría %2. No se pegó nada.</translation>
    </message>
    <message>
        <source>Delete selected block?</source>
        <translation>¿Borrar el bloque seleccionado?</translation>
    </message>
    <message>
        <source>Delete selected link?</source>
        <translation>¿Borrar el enlace seleccionado?</translation>
    </message>
    <message>
        <source>Delete %1 selected blocks?</source>
        <translation>¿Borrar los %1 bloques seleccionados?</translation>
    </message>
    <message>
        <source>Problems concerning block type!</source>
        <translation>¡Problemas con el tipo de bloque!</translation>
    </message>
    <message>
        <source>You can NOT connect a block to itself!</source>
        <translation>¡NO se puede enlazar un bloque consigo mismo!</translation>
    </message>
    <message>
        <source>This link is not valid!</source>
        <translation>¡Este enlace no es válido!</translation>
    </message>
    <message>
        <source>There is no free place on the page for a new block there.</source>
        <translation>No hay sitio libre en la página para un bloque nuevo ahí.</translation>
    </message>
    <message>
        <source>Select the block to link from first.</source>
        <translation>Seleccione primero el bloque desde el que enlazar.</translation>
    </message>
    <message>
        <source>The selected block has no free exit.</source>
        <translation>El bloque seleccionado no tiene ninguna salida libre.</translation>
    </message>
    <message>
        <source>No block contains &apos;%1&apos;.</source>
        <translation>Ningún bloque contiene «%1».</translation>
    </message>
    <message>
        <source>No goto target has the text of the selected goto jump.</source>
        <translation>Ningún destino de salto (goto) tiene el texto del salto seleccionado.</translation>
    </message>
    <message>
        <source>No goto jump has the text of the selected goto target.</source>
        <translation>Ningún salto (goto) tiene el texto del destino seleccionado.</translation>
    </message>
    <message>
        <source>Select a goto jump to go to its target, or a goto target to go to its jumps.</source>
        <translation>Seleccione un salto (goto) para ir a su destino, o un destino de salto para ir a sus saltos.</translation>
    </message>
    <message>
        <source>The drawing is too large to arrange on one page.</source>
        <translation>El dibujo es demasiado grande para ordenarlo en una página.</translation>
    </message>
    <message>
        <source>Corvix was built without Arrange: the flowchart cannot be laid out.</source>
        <translation>Corvix se compiló sin Ordenar: no se puede ordenar el diagrama de flujo.</translation>
    </message>
    <message>
        <source>%1
(%2 more)</source>
        <translation>%1
(%2 más)</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>the Yes exit has no link</source>
        <translation>la salida Sí no tiene enlace</translation>
    </message>
    <message>
        <source>the No exit has no link</source>
        <translation>la salida No no tiene enlace</translation>
    </message>
    <message>
        <source>no goto target has its key</source>
        <translation>ningún destino de salto (goto) tiene su clave</translation>
    </message>
    <message>
        <source>an earlier goto target has the same key</source>
        <translation>un destino de salto (goto) anterior tiene la misma clave</translation>
    </message>
    <message>
        <source>no goto jump has its key</source>
        <translation>ningún salto (goto) tiene su clave</translation>
    </message>
    <message>
        <source>it cannot be reached from the start</source>
        <translation>no se puede alcanzar desde el inicio</translation>
    </message>
    <message>
        <source>its drawing is not wholly inside the page frame</source>
        <translation>su dibujo no está por completo dentro del marco de la página</translation>
    </message>
    <message>
        <source>overlaps block %1</source>
        <translation>se superpone al bloque %1</translation>
    </message>
    <message>
        <source>its text is still the default</source>
        <translation>su texto sigue siendo el predeterminado</translation>
    </message>
</context>
<context>
    <name>corvix</name>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>The pasted text holds characters that a diagram file cannot store: %1.</source>
        <translation>El texto pegado contiene caracteres que un archivo de diagrama no puede guardar: %1.</translation>
    </message>
    <message>
        <source>The text holds characters that a diagram file cannot store: %1.</source>
        <translation>El texto contiene caracteres que un archivo de diagrama no puede guardar: %1.</translation>
    </message>
    <message>
        <source>Paste the text anyway? (No pastes nothing.)</source>
        <translation>¿Pegar el texto de todos modos? (No no pega nada.)</translation>
    </message>
    <message>
        <source>Store the text anyway? (No goes back to the text.)</source>
        <translation>¿Guardar el texto de todos modos? (No vuelve al texto.)</translation>
    </message>
    <message>
        <source>Each of them will be stored as &quot;?&quot;.</source>
        <translation>Cada uno se guardará como «?».</translation>
    </message>
</context>
<context>
    <name>corvix::CanvasWidget</name>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
</context>
<context>
    <name>corvix::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Link to:</source>
        <translation>&amp;Enlazar con:</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Enlazar con</translation>
    </message>
</context>
<context>
    <name>corvix::HelpWindow</name>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se encuentra la página de ayuda &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Corvix Help</source>
        <translation>Ayuda de Corvix</translation>
    </message>
</context>
<context>
    <name>corvix::KindPanel</name>
    <message>
        <source>Select Block</source>
        <translation>Seleccionar bloque</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Decisión</translation>
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
        <translation>Explicaciones</translation>
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
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
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
        <translation>El archivo (%1) ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Failed to export file (%1)</source>
        <translation>No se pudo exportar el archivo (%1)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Go to Target</source>
        <translation>&amp;Ir al destino</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>print previe&amp;W ...</source>
        <translation>&amp;Vista preliminar ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
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
        <translation>&amp;Insertar bloque</translation>
    </message>
    <message>
        <source>&amp;Delete block or link</source>
        <translation>&amp;Borrar bloque o enlace</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Tamaño del papel</translation>
    </message>
    <message>
        <source>Error: Could not print!</source>
        <translation>Error: ¡no se pudo imprimir!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>&amp;Página completa</translation>
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
        <translation>Seguir o insertar &amp;abajo</translation>
    </message>
    <message>
        <source>Follow or Insert L&amp;eft</source>
        <translation>Seguir o insertar a la i&amp;zquierda</translation>
    </message>
    <message>
        <source>Follow or Insert Rig&amp;ht</source>
        <translation>Seguir o insertar a la derec&amp;ha</translation>
    </message>
    <message>
        <source>Go Up the Fl&amp;ow</source>
        <translation>Subir por el &amp;flujo</translation>
    </message>
    <message>
        <source>&amp;Link to Block...</source>
        <translation>&amp;Enlazar con un bloque...</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd)</source>
        <translation>Diagrama de flujo Mermaid (*.mmd)</translation>
    </message>
</context>
<context>
    <name>corvix::PrintPreview</name>
    <message>
        <source>%1 PrintPreview - click on the form to dismiss</source>
        <translation>%1 Vista preliminar: haga clic en la ventana para cerrarla</translation>
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
        <translation>bloque %1 %2: %3</translation>
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
        <translation>Modificar el texto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
