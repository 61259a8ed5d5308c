<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
