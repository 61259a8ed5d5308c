<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BlockWords</name>
    <message>
        <source>Action %1</source>
        <translation>Aktion %1</translation>
    </message>
    <message>
        <source>Decision %1</source>
        <translation>Entscheidung %1</translation>
    </message>
    <message>
        <source>Goto jump %1</source>
        <translation>Goto-Sprung %1</translation>
    </message>
    <message>
        <source>Goto target %1</source>
        <translation>Goto-Ziel %1</translation>
    </message>
    <message>
        <source>Explanation %1</source>
        <translation>Erläuterung %1</translation>
    </message>
    <message>
        <source>Block %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Weiter: %1</translation>
    </message>
    <message>
        <source>Yes: %1</source>
        <translation>Ja: %1</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Nein: %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <source>Jumps from %1</source>
        <translation>Sprünge von %1</translation>
    </message>
    <message>
        <source>Entered from %1</source>
        <translation>Eingang von %1</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>blocks %1</source>
        <translation>Blöcke %1</translation>
    </message>
    <message>
        <source>no link</source>
        <translation>keine Verbindung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>keinem Block</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File with inconsistent data!</source>
        <translation>Datei mit inkonsistenten Daten!</translation>
    </message>
    <message>
        <source>File [%1] has BAD DATA.</source>
        <translation>Die Datei [%1] enthält FEHLERHAFTE DATEN.</translation>
    </message>
    <message>
        <source>Could not open file (%1): %2</source>
        <translation>Die Datei (%1) konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Failed to save file (%1)</source>
        <translation>Die Datei (%1) konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The file (%1) is Corvix&apos;s recovery copy, which is deleted when Corvix closes. Please choose another name.</source>
        <translation>Die Datei (%1) ist die Wiederherstellungskopie von Corvix, die beim Beenden von Corvix gelöscht wird. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>File is not a &apos;.FXG&apos;!</source>
        <translation>Die Datei ist keine &apos;.FXG&apos;-Datei!</translation>
    </message>
    <message>
        <source>The drawing can have been changed. Do you want to discard it?</source>
        <translation>Die Zeichnung wurde möglicherweise geändert. Möchten Sie sie verwerfen?</translation>
    </message>
    <message>
        <source>The last session was terminated abnormally.<byte value="xd"/>
 Do you want to load the last saved session?</source>
        <translation>Die letzte Sitzung wurde nicht ordnungsgemäß beendet.<byte value="xd"/>
 Möchten Sie die zuletzt gesicherte Sitzung laden?</translation>
    </message>
    <message>
        <source>The drawing already has %1 blocks, as many as it can hold. The block was not inserted.</source>
        <translation>Die Zeichnung hat bereits %1 Blöcke, so viele, wie sie fassen kann. Der Block wurde nicht eingefügt.</translation>
    </message>
    <message>
        <source>The drawing already has %1 links, as many as it can hold. The link was not made.</source>
        <translation>Die Zeichnung hat bereits %1 Verbindungen, so viele, wie sie fassen kann. Die Verbindung wurde nicht hergestellt.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 blocks; with these it would have %2. Nothing was pasted.</source>
        <translation>Die Zeichnung fasst %1 Blöcke; mit diesen hätte sie %2. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 links; with these it would have %2. Nothing was pasted.</source>
        <translation>Die Zeichnung fasst %1 Verbindungen; mit diesen hätte sie %2. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Delete selected block?</source>
        <translation>Ausgewählten Block löschen?</translation>
    </message>
    <message>
        <source>Delete selected link?</source>
        <translation>Ausgewählte Verbindung löschen?</translation>
    </message>
    <message>
        <source>Delete %1 selected blocks?</source>
        <translation>%1 ausgewählte Blöcke löschen?</translation>
    </message>
    <message>
        <source>Problems concerning block type!</source>
        <translation>Probleme mit dem Blocktyp!</translation>
    </message>
    <message>
        <source>You can NOT connect a block to itself!</source>
        <translation>Ein Block kann NICHT mit sich selbst verbunden werden!</translation>
    </message>
    <message>
        <source>This link is not valid!</source>
        <translation>Diese Verbindung ist ungültig!</translation>
    </message>
    <message>
        <source>There is no free place on the page for a new block there.</source>
        <translation>Dort ist auf der Seite kein freier Platz für einen neuen Block.</translation>
    </message>
    <message>
        <source>Select the block to link from first.</source>
        <translation>Wählen Sie zuerst den Block, von dem die Verbindung ausgehen soll.</translation>
    </message>
    <message>
        <source>The selected block has no free exit.</source>
        <translation>Der ausgewählte Block hat keinen freien Ausgang.</translation>
    </message>
    <message>
        <source>No block contains &apos;%1&apos;.</source>
        <translation>Kein Block enthält „%1“.</translation>
    </message>
    <message>
        <source>No goto target has the text of the selected goto jump.</source>
        <translation>Kein Goto-Ziel hat den Text des ausgewählten Goto-Sprungs.</translation>
    </message>
    <message>
        <source>No goto jump has the text of the selected goto target.</source>
        <translation>Kein Goto-Sprung hat den Text des ausgewählten Goto-Ziels.</translation>
    </message>
    <message>
        <source>Select a goto jump to go to its target, or a goto target to go to its jumps.</source>
        <translation>Wählen Sie einen Goto-Sprung, um zu seinem Ziel zu gehen, oder ein Goto-Ziel, um zu seinen Sprüngen zu gehen.</translation>
    </message>
    <message>
        <source>The drawing is too large to arrange on one page.</source>
        <translation>Die Zeichnung ist zu groß, um sie auf einer Seite anzuordnen.</translation>
    </message>
    <message>
        <source>Corvix was built without Arrange: the flowchart cannot be laid out.</source>
        <translation>Corvix wurde ohne Anordnen erstellt: Das Flussdiagramm kann nicht angeordnet werden.</translation>
    </message>
    <message>
        <source>%1
(%2 more)</source>
        <translation>%1
(%2 weitere)</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>the Yes exit has no link</source>
        <translation>der Ja-Ausgang hat keine Verbindung</translation>
    </message>
    <message>
        <source>the No exit has no link</source>
        <translation>der Nein-Ausgang hat keine Verbindung</translation>
    </message>
    <message>
        <source>no goto target has its key</source>
        <translation>kein Goto-Ziel hat seine Kennung</translation>
    </message>
    <message>
        <source>an earlier goto target has the same key</source>
        <translation>ein früheres Goto-Ziel hat dieselbe Kennung</translation>
    </message>
    <message>
        <source>no goto jump has its key</source>
        <translation>kein Goto-Sprung hat seine Kennung</translation>
    </message>
    <message>
        <source>it cannot be reached from the start</source>
        <translation>er ist vom Start aus nicht erreichbar</translation>
    </message>
    <message>
        <source>its drawing is not wholly inside the page frame</source>
        <translation>seine Zeichnung liegt nicht ganz im Seitenrahmen</translation>
    </message>
    <message>
        <source>overlaps block %1</source>
        <translation>überlappt Block %1</translation>
    </message>
    <message>
        <source>its text is still the default</source>
        <translation>sein Text ist noch der vorgegebene</translation>
    </message>
</context>
<context>
    <name>corvix</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The pasted text holds characters that a diagram file cannot store: %1.</source>
        <translation>Der eingefügte Text enthält Zeichen, die eine Diagrammdatei nicht speichern kann: %1.</translation>
    </message>
    <message>
        <source>The text holds characters that a diagram file cannot store: %1.</source>
        <translation>Der Text enthält Zeichen, die eine Diagrammdatei nicht speichern kann: %1.</translation>
    </message>
    <message>
        <source>Paste the text anyway? (No pastes nothing.)</source>
        <translation>Den Text trotzdem einfügen? (Nein fügt nichts ein.)</translation>
    </message>
    <message>
        <source>Store the text anyway? (No goes back to the text.)</source>
        <translation>Den Text trotzdem speichern? (Nein kehrt zum Text zurück.)</translation>
    </message>
    <message>
        <source>Each of them will be stored as &quot;?&quot;.</source>
        <translation>Jedes davon wird als „?“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>corvix::CanvasWidget</name>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
</context>
<context>
    <name>corvix::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Link to:</source>
        <translation>&amp;Verbinden mit:</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Verbinden mit</translation>
    </message>
</context>
<context>
    <name>corvix::HelpWindow</name>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Corvix Help</source>
        <translation>Corvix-Hilfe</translation>
    </message>
</context>
<context>
    <name>corvix::KindPanel</name>
    <message>
        <source>Select Block</source>
        <translation>Block wählen</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Goto jumps</source>
        <translation>Goto-Sprünge</translation>
    </message>
    <message>
        <source>goto targets</source>
        <translation>Goto-Ziele</translation>
    </message>
    <message>
        <source>Explanations</source>
        <translation>Erläuterungen</translation>
    </message>
</context>
<context>
    <name>corvix::MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>The file (%1) already exists. Do you want to replace it?</source>
        <translation>Die Datei (%1) existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Failed to export file (%1)</source>
        <translation>Die Datei (%1) konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>W&amp;eitersuchen</translation>
    </message>
    <message>
        <source>&amp;Go to Target</source>
        <translation>Zum &amp;Ziel gehen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>print previe&amp;W ...</source>
        <translation>Seitenansic&amp;ht ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A&amp;4</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Letter (US)</translation>
    </message>
    <message>
        <source>&amp;Insert Block</source>
        <translation>Block &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete block or link</source>
        <translation>Block oder Verbindung &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Papierformat</translation>
    </message>
    <message>
        <source>Error: Could not print!</source>
        <translation>Fehler: Drucken nicht möglich!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>Edit Te&amp;xt</source>
        <translation>&amp;Text bearbeiten</translation>
    </message>
    <message>
        <source>Follow or Insert &amp;Below</source>
        <translation>Folgen oder einfügen: &amp;unten</translation>
    </message>
    <message>
        <source>Follow or Insert L&amp;eft</source>
        <translation>Folgen oder einfügen: &amp;links</translation>
    </message>
    <message>
        <source>Follow or Insert Rig&amp;ht</source>
        <translation>Folgen oder einfügen: rec&amp;hts</translation>
    </message>
    <message>
        <source>Go Up the Fl&amp;ow</source>
        <translation>Im Ablauf &amp;nach oben</translation>
    </message>
    <message>
        <source>&amp;Link to Block...</source>
        <translation>Mit &amp;Block verbinden...</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>An&amp;ordnen</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd)</source>
        <translation>Mermaid-Flussdiagramm (*.mmd)</translation>
    </message>
</context>
<context>
    <name>corvix::PrintPreview</name>
    <message>
        <source>%1 PrintPreview - click on the form to dismiss</source>
        <translation>%1 Seitenansicht – zum Schließen in das Fenster klicken</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
</context>
<context>
    <name>corvix::ProblemsPanel</name>
    <message>
        <source>block %1 %2: %3</source>
        <translation>Block %1 %2: %3</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
</context>
<context>
    <name>corvix::StandardDialogs</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>corvix::TextDialog</name>
    <message>
        <source>Modify the text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
