<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BlockWords</name>
    <message>
        <source>Action %1</source>
        <translation>Action %1</translation>
    </message>
    <message>
        <source>Decision %1</source>
        <translation>Décision %1</translation>
    </message>
    <message>
        <source>Goto jump %1</source>
        <translation>Saut (goto) %1</translation>
    </message>
    <message>
        <source>Goto target %1</source>
        <translation>Cible de saut (goto) %1</translation>
    </message>
    <message>
        <source>Explanation %1</source>
        <translation>Explication %1</translation>
    </message>
    <message>
        <source>Block %1</source>
        <translation>Bloc %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Suivant : %1</translation>
    </message>
    <message>
        <source>Yes: %1</source>
        <translation>Oui : %1</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Non : %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Cible : %1</translation>
    </message>
    <message>
        <source>Jumps from %1</source>
        <translation>Sauts depuis %1</translation>
    </message>
    <message>
        <source>Entered from %1</source>
        <translation>Entrée depuis %1</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>bloc %1</translation>
    </message>
    <message>
        <source>blocks %1</source>
        <translation>blocs %1</translation>
    </message>
    <message>
        <source>no link</source>
        <translation>aucun lien</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>aucun bloc</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File with inconsistent data!</source>
        <translation>Fichier aux données incohérentes !</translation>
    </message>
    <message>
        <source>File [%1] has BAD DATA.</source>
        <translation>Le fichier [%1] contient des DONNÉES ERRONÉES.</translation>
    </message>
    <message>
        <source>Could not open file (%1): %2</source>
        <translation>Impossible d&apos;ouvrir le fichier (%1) : %2</translation>
    </message>
    <message>
        <source>Failed to save file (%1)</source>
        <translation>Impossible d&apos;enregistrer le fichier (%1)</translation>
    </message>
    <message>
        <source>The file (%1) is Corvix&apos;s recovery copy, which is deleted when Corvix closes. Please choose another name.</source>
        <translation>Le fichier (%1) est la copie de récupération de Corvix, supprimée à la fermeture de Corvix. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>File is not a &apos;.FXG&apos;!</source>
        <translation>Le fichier n&apos;est pas un &apos;.FXG&apos; !</translation>
    </message>
    <message>
        <source>The drawing can have been changed. Do you want to discard it?</source>
        <translation>Le dessin a peut-être été modifié. Voulez-vous l&apos;abandonner ?</translation>
    </message>
    <message>
        <source>The last session was terminated abnormally.<byte value="xd"/>
 Do you want to load the last saved session?</source>
        <translation>La dernière session s&apos;est terminée anormalement.<byte value="xd"/>
 Voulez-vous charger la dernière session enregistrée ?</translation>
    </message>
    <message>
        <source>The drawing already has %1 blocks, as many as it can hold. The block was not inserted.</source>
        <translation>Le dessin a déjà %1 blocs, autant qu&apos;il peut en contenir. Le bloc n&apos;a pas été inséré.</translation>
    </message>
    <message>
        <source>The drawing already has %1 links, as many as it can hold. The link was not made.</source>
        <translation>Le dessin a déjà %1 liens, autant qu&apos;il peut en contenir. Le lien n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 blocks; with these it would have %2. Nothing was pasted.</source>
        <translation>Le dessin peut contenir %1 blocs ; avec ceux-ci, il en aurait %2. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The drawing can hold %1 links; with these it would have %2. Nothing was pasted.</source>
        <translation>Le dessin peut contenir %1 liens ; avec ceux-ci, il en aurait %2. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>Delete selected block?</source>
        <translation>Supprimer le bloc sélectionné ?</translation>
    </message>
    <message>
        <source>Delete selected link?</source>
        <translation>Supprimer le lien sélectionné ?</translation>
    </message>
    <message>
        <source>Delete %1 selected blocks?</source>
        <translation>Supprimer les %1 blocs sélectionnés ?</translation>
    </message>
    <message>
        <source>Problems concerning block type!</source>
        <translation>Problème de type de bloc !</translation>
    </message>
    <message>
        <source>You can NOT connect a block to itself!</source>
        <translation>Un bloc ne peut PAS être lié à lui-même !</translation>
    </message>
    <message>
        <source>This link is not valid!</source>
        <translation>Ce lien n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>There is no free place on the page for a new block there.</source>
        <translation>Il n&apos;y a pas de place libre sur la page pour un nouveau bloc à cet endroit.</translation>
    </message>
    <message>
        <source>Select the block to link from first.</source>
        <translation>Choisissez d&apos;abord le bloc d&apos;où part le lien.</translation>
    </message>
    <message>
        <source>The selected block has no free exit.</source>
        <translation>Le bloc sélectionné n&apos;a aucune sortie libre.</translation>
    </message>
    <message>
        <source>No block contains &apos;%1&apos;.</source>
        <translation>Aucun bloc ne contient « %1 ».</translation>
    </message>
    <message>
        <source>No goto target has the text of the selected goto jump.</source>
        <translation>Aucune cible de saut (goto) n&apos;a le texte du saut sélectionné.</translation>
    </message>
    <message>
        <source>No goto jump has the text of the selected goto target.</source>
        <translation>Aucun saut (goto) n&apos;a le texte de la cible sélectionnée.</translation>
    </message>
    <message>
        <source>Select a goto jump to go to its target, or a goto target to go to its jumps.</source>
        <translation>Choisissez un saut (goto) pour aller à sa cible, ou une cible de saut pour aller à ses sauts.</translation>
    </message>
    <message>
        <source>The drawing is too large to arrange on one page.</source>
        <translation>Le dessin est trop grand pour être disposé sur une page.</translation>
    </message>
    <message>
        <source>Corvix was built without Arrange: the flowchart cannot be laid out.</source>
        <translation>Corvix a été compilé sans la fonction Disposer : l&apos;organigramme ne peut pas être disposé.</translation>
    </message>
    <message>
        <source>%1
(%2 more)</source>
        <translation>%1
(%2 de plus)</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>the Yes exit has no link</source>
        <translation>la sortie Oui n&apos;a pas de lien</translation>
    </message>
    <message>
        <source>the No exit has no link</source>
        <translation>la sortie Non n&apos;a pas de lien</translation>
    </message>
    <message>
        <source>no goto target has its key</source>
        <translation>aucune cible de saut (goto) n&apos;a sa clé</translation>
    </message>
    <message>
        <source>an earlier goto target has the same key</source>
        <translation>une cible de saut (goto) précédente a la même clé</translation>
    </message>
    <message>
        <source>no goto jump has its key</source>
        <translation>aucun saut (goto) n&apos;a sa clé</translation>
    </message>
    <message>
        <source>it cannot be reached from the start</source>
        <translation>il est inaccessible depuis le début</translation>
    </message>
    <message>
        <source>its drawing is not wholly inside the page frame</source>
        <translation>son dessin ne tient pas entièrement dans le cadre de la page</translation>
    </message>
    <message>
        <source>overlaps block %1</source>
        <translation>chevauche le bloc %1</translation>
    </message>
    <message>
        <source>its text is still the default</source>
        <translation>son texte est toujours celui par défaut</translation>
    </message>
</context>
<context>
    <name>corvix</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>The pasted text holds characters that a diagram file cannot store: %1.</source>
        <translation>Le texte collé contient des caractères qu’un fichier de diagramme ne peut pas enregistrer : %1.</translation>
    </message>
    <message>
        <source>The text holds characters that a diagram file cannot store: %1.</source>
        <translation>Le texte contient des caractères qu’un fichier de diagramme ne peut pas enregistrer : %1.</translation>
    </message>
    <message>
        <source>Paste the text anyway? (No pastes nothing.)</source>
        <translation>Coller le texte quand même ? (Non ne colle rien.)</translation>
    </message>
    <message>
        <source>Store the text anyway? (No goes back to the text.)</source>
        <translation>Enregistrer le texte quand même ? (Non revient au texte.)</translation>
    </message>
    <message>
        <source>Each of them will be stored as &quot;?&quot;.</source>
        <translation>Chacun sera enregistré sous la forme « ? ».</translation>
    </message>
</context>
<context>
    <name>corvix::CanvasWidget</name>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
</context>
<context>
    <name>corvix::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Link to:</source>
        <translation>&amp;Lier à :</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Lier à</translation>
    </message>
</context>
<context>
    <name>corvix::HelpWindow</name>
    <message>
        <source>&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d’aide &lt;b&gt;%1&lt;/b&gt; est introuvable.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Corvix Help</source>
        <translation>Aide de Corvix</translation>
    </message>
</context>
<context>
    <name>corvix::KindPanel</name>
    <message>
        <source>Select Block</source>
        <translation>Choisir un bloc</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Goto jumps</source>
        <translation>Sauts (goto)</translation>
    </message>
    <message>
        <source>goto targets</source>
        <translation>Cibles de saut (goto)</translation>
    </message>
    <message>
        <source>Explanations</source>
        <translation>Explications</translation>
    </message>
</context>
<context>
    <name>corvix::MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>The file (%1) already exists. Do you want to replace it?</source>
        <translation>Le fichier (%1) existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Failed to export file (%1)</source>
        <translation>Impossible d&apos;exporter le fichier (%1)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Go to Target</source>
        <translation>Aller à la ci&amp;ble</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>print previe&amp;W ...</source>
        <translation>&amp;Aperçu avant impression ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A&amp;4</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Lettre US</translation>
    </message>
    <message>
        <source>&amp;Insert Block</source>
        <translation>&amp;Insérer un bloc</translation>
    </message>
    <message>
        <source>&amp;Delete block or link</source>
        <translation>&amp;Supprimer un bloc ou un lien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Format du papier</translation>
    </message>
    <message>
        <source>Error: Could not print!</source>
        <translation>Erreur : impossible d&apos;imprimer !</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>&amp;Page entière</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;blèmes</translation>
    </message>
    <message>
        <source>Edit Te&amp;xt</source>
        <translation>Modifier le te&amp;xte</translation>
    </message>
    <message>
        <source>Follow or Insert &amp;Below</source>
        <translation>Suivre ou insérer &amp;en dessous</translation>
    </message>
    <message>
        <source>Follow or Insert L&amp;eft</source>
        <translation>Suivre ou insérer à &amp;gauche</translation>
    </message>
    <message>
        <source>Follow or Insert Rig&amp;ht</source>
        <translation>Suivre ou insérer à dro&amp;ite</translation>
    </message>
    <message>
        <source>Go Up the Fl&amp;ow</source>
        <translation>Re&amp;monter le flux</translation>
    </message>
    <message>
        <source>&amp;Link to Block...</source>
        <translation>&amp;Lier à un bloc...</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>Dis&amp;poser</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd)</source>
        <translation>Organigramme Mermaid (*.mmd)</translation>
    </message>
</context>
<context>
    <name>corvix::PrintPreview</name>
    <message>
        <source>%1 PrintPreview - click on the form to dismiss</source>
        <translation>%1 Aperçu avant impression – cliquez dans la fenêtre pour la fermer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>corvix::ProblemsPanel</name>
    <message>
        <source>block %1 %2: %3</source>
        <translation>bloc %1 %2 : %3</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
</context>
<context>
    <name>corvix::StandardDialogs</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>corvix::TextDialog</name>
    <message>
        <source>Modify the text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
