<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
</context>
<context>
    <name>ChannelBulkEdit</name>
    <message>
        <source>No value chosen.</source>
        <translation>Aucune valeur choisie.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>No used channel is selected.</source>
        <translation>Aucun canal occupé n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Select at least two rows to sort.</source>
        <translation>Sélectionnez au moins deux lignes pour trier.</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Row %1 (pasted line %2), %3: %4</source>
        <translation>Ligne %1 (ligne collée %2), %3 : %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>« %1 » n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>« %1 » ne fait pas partie de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than 8 characters or holds a character the radio cannot store (A-Z, 0-9, blank and # $ ( ) * + - / = \ _ are stored)</source>
        <translation>« %1 » dépasse 8 caractères ou contient un caractère que le poste ne peut pas mémoriser (sont mémorisés A-Z, 0-9, l&apos;espace et # $ ( ) * + - / = \ _)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;Skip&quot; nor empty</source>
        <translation>« %1 » n&apos;est ni « Skip » ni vide</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Le presse-papiers ne contient aucun canal.</translation>
    </message>
    <message>
        <source>%1 channels from row %2 do not fit: the list ends at row %3.</source>
        <translation>%1 canaux à partir de la ligne %2 ne tiennent pas : la liste s&apos;arrête à la ligne %3.</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): not a channel record</source>
        <translation>Ligne %1 (ligne collée %2) : pas un enregistrement de canal</translation>
    </message>
    <message>
        <source>the mode code is none of the radio&apos;s modes</source>
        <translation>le code de mode n&apos;est aucun des modes du poste</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)</source>
        <translation>Ligne %1 (ligne collée %2) : %3 colonnes, %4 au plus attendues (%5)</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Puiss.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>NB</source>
        <translation>NB</translation>
    </message>
    <message>
        <source>Split Freq.</source>
        <translation>Fréq. split</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>ChannelValues</name>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>S-Low</source>
        <translation>S-Basse</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>the file ends before line 610</source>
        <translation>le fichier se termine avant la ligne 610</translation>
    </message>
    <message>
        <source>line 1 (the header) is not 32 characters</source>
        <translation>la ligne 1 (l&apos;en-tête) n&apos;a pas 32 caractères</translation>
    </message>
    <message>
        <source>line %1 is not 64 characters</source>
        <translation>la ligne %1 n&apos;a pas 64 caractères</translation>
    </message>
    <message>
        <source>line 610 (the end line) is not 32 characters</source>
        <translation>la ligne 610 (la ligne de fin) n&apos;a pas 32 caractères</translation>
    </message>
    <message>
        <source>unknown header</source>
        <translation>en-tête inconnu</translation>
    </message>
    <message>
        <source>wrong end line</source>
        <translation>ligne de fin erronée</translation>
    </message>
    <message>
        <source>a setting is beyond its list</source>
        <translation>un réglage sort de sa liste</translation>
    </message>
    <message>
        <source>%1 has no valid mode</source>
        <translation>%1 n&apos;a pas de mode valide</translation>
    </message>
    <message>
        <source>channel line %1 has no valid mode</source>
        <translation>la ligne de canal %1 n&apos;a pas de mode valide</translation>
    </message>
</context>
<context>
    <name>CsvChirpFiles</name>
    <message>
        <source>CHIRP CSV has no VFOs</source>
        <translation>Le CSV CHIRP n&apos;a pas de VFO</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>ligne 1</translation>
    </message>
    <message>
        <source>the first line has no such column: nothing is taken</source>
        <translation>la première ligne n&apos;a pas cette colonne : rien n&apos;est repris</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>“%1” is not a channel number 0 to 603</source>
        <translation>« %1 » n&apos;est pas un numéro de canal de 0 à 603</translation>
    </message>
    <message>
        <source>the Location came before in the file; this line is left out</source>
        <translation>cette Location figure déjà plus haut dans le fichier ; la ligne est ignorée</translation>
    </message>
</context>
<context>
    <name>CsvChirpMapping</name>
    <message>
        <source>%1 is not carried by CHIRP CSV</source>
        <translation>%1 n&apos;est pas repris par le CSV CHIRP</translation>
    </message>
    <message>
        <source>power code %1</source>
        <translation>code de puissance %1</translation>
    </message>
    <message>
        <source>tone byte %1</source>
        <translation>octet de tonalité %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>“%1” is not a frequency in MHz</source>
        <translation>« %1 » n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <source>rounded to %1 MHz</source>
        <translation>arrondi à %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range %2</source>
        <translation>%1 MHz est hors de la plage %2</translation>
    </message>
    <message>
        <source>TSQL: the radio sends the tone but does not squelch on it</source>
        <translation>TSQL : le poste émet la tonalité mais n&apos;a pas de squelch sur tonalité</translation>
    </message>
    <message>
        <source>DTCS: the radio has no DCS; tone off</source>
        <translation>DTCS : le poste n&apos;a pas de DCS ; tonalité coupée</translation>
    </message>
    <message>
        <source>Cross %1: stored as tone %2</source>
        <translation>Cross %1 : mémorisé comme tonalité %2</translation>
    </message>
    <message>
        <source>“%1” is not a tone mode</source>
        <translation>« %1 » n&apos;est pas un mode de tonalité</translation>
    </message>
    <message>
        <source>%1 Hz: the radio sends the settings page&apos;s tone, %2 Hz</source>
        <translation>%1 Hz : le poste émet la tonalité de la page des réglages, %2 Hz</translation>
    </message>
    <message>
        <source>the radio has no mode %1</source>
        <translation>le poste n&apos;a pas de mode %1</translation>
    </message>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 mémorisé comme %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>« %1 » mémorisé comme « %2 »</translation>
    </message>
    <message>
        <source>P: the radio has no priority scan; not skipped</source>
        <translation>P : le poste n&apos;a pas de balayage prioritaire ; non sauté</translation>
    </message>
    <message>
        <source>“%1” is not S, P or empty</source>
        <translation>« %1 » n&apos;est ni S, ni P, ni vide</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps %2</source>
        <translation>%1 n&apos;est pas un niveau de puissance du poste ; le canal garde %2</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps its power</source>
        <translation>%1 n&apos;est pas un niveau de puissance du poste ; le canal garde sa puissance</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the range %2</source>
        <translation>la fréquence d&apos;émission %1 MHz est hors de la plage %2</translation>
    </message>
    <message>
        <source>off: the radio cannot forbid sending; stored as simplex</source>
        <translation>off : le poste ne peut pas interdire l&apos;émission ; mémorisé en simplex</translation>
    </message>
    <message>
        <source>“%1” is not +, -, split, off or empty</source>
        <translation>« %1 » n&apos;est ni +, ni -, ni split, ni off, ni vide</translation>
    </message>
    <message>
        <source>Cross without a CrossMode: stored as tone %1</source>
        <translation>Cross sans CrossMode : enregistré comme tonalité %1</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Layout of the CSV file:</source>
        <translation>Format du fichier CSV :</translation>
    </message>
    <message>
        <source>Exported to %1, %2</source>
        <translation>Exporté vers %1, %2</translation>
    </message>
    <message>
        <source>%1 channels written to %2. %3 values are not carried by CHIRP CSV:</source>
        <translation>%1 canaux écrits dans %2. %3 valeurs ne sont pas reprises par le CSV CHIRP :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: it is this program&apos;s export in the original layout, whose columns the import reads as another vocabulary. Export in the full layout to bring channels back.</source>
        <translation>Rien n&apos;a été repris de %1 : c&apos;est un export de ce programme au format d&apos;origine, dont l&apos;import lit les colonnes autrement. Exportez au format complet pour récupérer des canaux.</translation>
    </message>
    <message>
        <source>Imported %1 records, %2 dropped</source>
        <translation>%1 enregistrements importés, %2 écartés</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: %2</source>
        <translation>Rien n’a été repris de %1 : %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs changed.</source>
        <translation>%1, %2 : %3 lignes reprises, dont %4 avec des modifications ; %5 lignes refusées ; %6 canaux et VFO modifiés.</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>the file holds no line with text</source>
        <translation>le fichier ne contient aucune ligne de texte</translation>
    </message>
    <message>
        <source>its first line “%1” names no layout: expected “KT-M40 full CSV” first (full layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), separated by commas, semicolons or TABs</source>
        <translation>sa première ligne « %1 » ne désigne aucun format : attendu « KT-M40 full CSV » en tête (format complet), une colonne Location (CSV CHIRP) ou « MODEL » en tête (format d’origine), séparés par des virgules, des points-virgules ou des tabulations</translation>
    </message>
    <message>
        <source>; the names are there, but not separated by a comma, semicolon or TAB</source>
        <translation>; les noms sont là, mais ne sont pas séparés par une virgule, un point-virgule ou une tabulation</translation>
    </message>
    <message>
        <source>; it has a Frequency column but no Location column</source>
        <translation>; il a une colonne Frequency mais pas de colonne Location</translation>
    </message>
</context>
<context>
    <name>CsvFullImport</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>“%1” is not a frequency</source>
        <translation>« %1 » n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <source>“%1” is not one of %2</source>
        <translation>« %1 » ne fait pas partie de %2</translation>
    </message>
    <message>
        <source>“%1” is longer than 8 characters</source>
        <translation>« %1 » dépasse 8 caractères</translation>
    </message>
    <message>
        <source>the radio cannot store “%1”</source>
        <translation>le poste ne peut pas mémoriser « %1 »</translation>
    </message>
    <message>
        <source>“%1” is not a code such as Gain=7</source>
        <translation>« %1 » n&apos;est pas un code comme Gain=7</translation>
    </message>
    <message>
        <source>a VFO has no such field</source>
        <translation>un VFO n&apos;a pas ce champ</translation>
    </message>
    <message>
        <source>“%1” is not empty or Skip</source>
        <translation>« %1 » n&apos;est ni vide ni Skip</translation>
    </message>
    <message>
        <source>%1=%2 left out: the text now says %3</source>
        <translation>%1=%2 ignoré : le texte indique maintenant %3</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>ligne 1</translation>
    </message>
    <message>
        <source>the file names %1; the image keeps %2</source>
        <translation>le fichier indique %1 ; l&apos;image garde %2</translation>
    </message>
    <message>
        <source>line 2</source>
        <translation>ligne 2</translation>
    </message>
    <message>
        <source>the title line has no such column: nothing is taken</source>
        <translation>la ligne de titres n&apos;a pas cette colonne : rien n&apos;est repris</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>“%1” is no row of the grids</source>
        <translation>« %1 » n&apos;est pas une ligne des grilles</translation>
    </message>
    <message>
        <source>the row came before in the file; this line is left out</source>
        <translation>cette ligne figure déjà plus haut dans le fichier ; elle est ignorée</translation>
    </message>
    <message>
        <source>“%1” rounded to %2</source>
        <translation>« %1 » arrondi à %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>« %1 » enregistré comme « %2 »</translation>
    </message>
</context>
<context>
    <name>CsvImportReport</name>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>non repris</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: the line is left out and reading goes on with the next line</source>
        <translation>un guillemet ouvert à la ligne %1 est encore ouvert à la fin de la ligne %2, où %3 ne peut pas continuer : la ligne est omise et la lecture reprend à la ligne suivante</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Original layout (18 columns, VFOs and channels 0-199)</source>
        <translation>Format d&apos;origine (18 colonnes, VFO et canaux 0-199)</translation>
    </message>
    <message>
        <source>Full layout (all 604 channels and both VFOs, lossless)</source>
        <translation>Format complet (les 604 canaux et les deux VFO, sans perte)</translation>
    </message>
    <message>
        <source>CHIRP CSV (channels for other programs)</source>
        <translation>CSV CHIRP (canaux pour d&apos;autres logiciels)</translation>
    </message>
    <message>
        <source>original layout</source>
        <translation>format d&apos;origine</translation>
    </message>
    <message>
        <source>full layout</source>
        <translation>format complet</translation>
    </message>
</context>
<context>
    <name>DlgCom</name>
    <message>
        <source>COM Port Setup</source>
        <translation>Configuration du port COM</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Autre port :</translation>
    </message>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Poste virtuel (démo)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Find the radio</source>
        <translation>Trouver le poste</translation>
    </message>
    <message>
        <source>Ask each listed port, USB ports first, for the radio&apos;s identification and choose the one that answers</source>
        <translation>Demander à chaque port de la liste, les ports USB d’abord, l’identification du poste et choisir celui qui répond</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Interrogation de %1 ...</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <translation>%1 ignoré : %2</translation>
    </message>
    <message>
        <source>No port answered as the radio.</source>
        <translation>Aucun port n’a répondu comme le poste.</translation>
    </message>
    <message>
        <source>The radio (%1) answered on %2: chosen (OK keeps it).</source>
        <translation>Le poste (%1) a répondu sur %2 : choisi (OK le garde).</translation>
    </message>
    <message>
        <source>How often a block read or write whose reply was refused is sent again (0: never, every exchange once)</source>
        <translation>Nombre de fois qu’une lecture ou écriture de bloc dont la réponse a été refusée est renvoyée (0 : jamais, chaque échange une fois)</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Nouvelles tentatives :</translation>
    </message>
    <message>
        <source>Kept as %1, the same after replugging</source>
        <translation>Gardé sous le nom %1, identique après rebranchement</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>La recherche a été arrêtée.</translation>
    </message>
</context>
<context>
    <name>DlgFind</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>By n&amp;ame (any part)</source>
        <translation>Par &amp;nom (n&apos;importe quelle partie)</translation>
    </message>
    <message>
        <source>By &amp;frequency (7.050.000, 7.05 or 7050000)</source>
        <translation>Par &amp;fréquence (7.050.000, 7.05 ou 7050000)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DlgModify</name>
    <message>
        <source>Modify </source>
        <translation>Modifier </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Split Frequency</source>
        <translation>Fréquence split</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
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
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>RF Gain</source>
        <translation>Gain HF</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Noise Blanker</source>
        <translation>Noise blanker</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Memory A</source>
        <translation>Mémoire A</translation>
    </message>
    <message>
        <source>Memory B</source>
        <translation>Mémoire B</translation>
    </message>
</context>
<context>
    <name>DlgSetField</name>
    <message>
        <source>Set Field</source>
        <translation>Définir un champ</translation>
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
        <source>&amp;Field</source>
        <translation>&amp;Champ</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>On the %1 selected rows (empty channels stay empty):</source>
        <translation>Sur les %1 lignes sélectionnées (les canaux vides restent vides) :</translation>
    </message>
    <message>
        <source>On the selected row (an empty channel stays empty):</source>
        <translation>Sur la ligne sélectionnée (un canal vide reste vide) :</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Model %1</source>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>Setting %1</source>
        <translation>Réglage %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copié(s)</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Couper %1</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 coupé(s)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Coller %1</translation>
    </message>
    <message>
        <source>%1 pasted from row %2</source>
        <translation>%1 collé(s) à partir de la ligne %2</translation>
    </message>
    <message>
        <source>Set Field</source>
        <translation>Définir un champ</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>Définir %1 sur %2</translation>
    </message>
    <message>
        <source>%1 set to %2: %3 changed</source>
        <translation>%1 mis à %2 : %3 modifié(s)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Sort %1 by frequency</source>
        <translation>Trier %1 par fréquence</translation>
    </message>
    <message>
        <source>Sort %1 by name</source>
        <translation>Trier %1 par nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>« %1 » introuvable</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found.</source>
        <translation>« %1 » introuvable.</translation>
    </message>
    <message>
        <source>Found at row %1</source>
        <translation>Trouvé à la ligne %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Rien n&apos;a été collé</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Nothing sorted</source>
        <translation>Rien n&apos;a été trié</translation>
    </message>
    <message>
        <source>%1 sorted by frequency</source>
        <translation>%1 triés par fréquence</translation>
    </message>
    <message>
        <source>%1 sorted by name</source>
        <translation>%1 triés par nom</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About Korvan Clone Utility</source>
        <translation>À propos de Korvan Clone Utility</translation>
    </message>
    <message>
        <source>Version 0.10.00 Beta</source>
        <translation>Version 0.10.00 bêta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved.</source>
        <translation>Copyright (C) 2026 Korvan Radio Co., Ltd. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Warning: This computer program is protected by copyright law and international
treaties. Unauthorized reproduction or distribution of this program, or any
portion of it, may result in severe civil and criminal penalties, and will be
prosecuted to the maximum extent possible under the law.</source>
        <translation>Avertissement : ce logiciel est protégé par le droit d&apos;auteur et les traités
internationaux. Toute reproduction ou distribution non autorisée de ce logiciel,
ou d&apos;une partie de celui-ci, expose à de lourdes sanctions civiles et pénales
et sera poursuivie dans toute la mesure permise par la loi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Printed %1 page(s)</source>
        <translation>%1 page(s) imprimée(s)</translation>
    </message>
    <message>
        <source>Printed %1 page(s) to %2</source>
        <translation>%1 page(s) imprimée(s) dans %2</translation>
    </message>
    <message>
        <source>A transfer with the radio is under way.<byte value="xd"/>
Wait until it has ended, then close the window.</source>
        <translation>Un transfert avec le poste est en cours.<byte value="xd"/>
Attendez qu&apos;il soit terminé, puis fermez la fenêtre.</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Changes(&amp;C)</source>
        <translation>Mo&amp;difications</translation>
    </message>
    <message>
        <source>Read the radio, keep it as a backup, write only what differs and check it</source>
        <translation>Lire le poste, le garder en sauvegarde, n&apos;écrire que ce qui diffère et le vérifier</translation>
    </message>
    <message>
        <source>Verify(&amp;V)</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Read the radio back and compare it with the window&apos;s data</source>
        <translation>Relire le poste et le comparer aux données de la fenêtre</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select All(&amp;L)</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Set Field(&amp;S)...</source>
        <translation>&amp;Définir un champ...</translation>
    </message>
    <message>
        <source>Sort Selection(&amp;O)</source>
        <translation>Trier la &amp;sélection</translation>
    </message>
    <message>
        <source>By Frequency(&amp;F)</source>
        <translation>Par &amp;fréquence</translation>
    </message>
    <message>
        <source>By Name(&amp;N)</source>
        <translation>Par &amp;nom</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Rechercher le suiva&amp;nt</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>The window speaks %1 from its next start.</source>
        <translation>La fenêtre parlera %1 au prochain démarrage.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>&amp;Fichiers récents</translation>
    </message>
    <message>
        <source>Clear Menu(&amp;C)</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>%1 is no longer there. It has been taken off the recent files.</source>
        <translation>%1 n’existe plus. Le fichier a été retiré de la liste des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>GridModels</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>KeptWorkNotice</name>
    <message>
        <source>Open Backup Folder</source>
        <translation>Ouvrir le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Unsaved work kept: %1</source>
        <translation>Travail non enregistré conservé : %1</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Insert %1</source>
        <translation>Insérer %1</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>SUPPRIMER OK</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>EFFACER OK</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This step can be undone with Edit &gt; Undo.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Cette opération peut être annulée par Édition &gt; Annuler.</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Memorys</source>
        <translation>Canaux mémoire</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canaux mémoire</translation>
    </message>
    <message>
        <source>One row per channel; Enter edits the current row</source>
        <translation>Une ligne par canal ; Entrée modifie la ligne courante</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Lire la mémoire</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Écrire la mémoire</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Communication Error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>Erreur du port COM</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Erreur de données</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Erreur d&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>Enregistrer les modifications des réglages ?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>The frequency is outside the range. </source>
        <translation>La fréquence est hors de la plage. </translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Memory channels (%1 of %2 used)</source>
        <translation>Canaux mémoire (%1 sur %2 occupés)</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>Aucun canal n&apos;est occupé.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(sans titre)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>Retries: %1</source>
        <translation>Nouvelles tentatives : %1</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1: in use by another program (usually the desktop program kt-m40, which keeps its port open while it runs: close it or choose another port)</source>
        <translation>%1 : utilisé par un autre programme (souvent le programme de bureau kt-m40, qui garde son port ouvert tant qu&apos;il tourne : fermez-le ou choisissez un autre port)</translation>
    </message>
    <message>
        <source>%1: %2 (the port belongs to the group &apos;%3&apos;: join it with &apos;sudo usermod -aG %3 $USER&apos;, then log in again)</source>
        <translation>%1 : %2 (le port appartient au groupe &apos;%3&apos; : rejoignez-le avec &apos;sudo usermod -aG %3 $USER&apos;, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>%1: %2 (your user may not use this port)</source>
        <translation>%1 : %2 (votre utilisateur n&apos;a pas le droit d&apos;utiliser ce port)</translation>
    </message>
    <message>
        <source>%1: disconnected (the cable or adapter was unplugged, or the line hung up)</source>
        <translation>%1 : déconnecté (le câble ou l&apos;adaptateur a été débranché, ou la ligne a raccroché)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>an ordinary file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>pas un périphérique</translation>
    </message>
    <message>
        <source>%1: not a serial port (%2)</source>
        <translation>%1 : pas un port série (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsLists</name>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>RIT / TXIT</source>
        <translation>RIT / TXIT</translation>
    </message>
    <message>
        <source>Key Speed(WPM)</source>
        <translation>Vitesse (WPM)</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Dial Lock</source>
        <translation>Verr. molette</translation>
    </message>
    <message>
        <source>SSB Step</source>
        <translation>Pas SSB</translation>
    </message>
    <message>
        <source>AM Step</source>
        <translation>Pas AM</translation>
    </message>
    <message>
        <source>FM Step</source>
        <translation>Pas FM</translation>
    </message>
    <message>
        <source>Memory Protection</source>
        <translation>Protection mémoire</translation>
    </message>
    <message>
        <source>Memory Access</source>
        <translation>Accès mémoire</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Temps de balayage</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Auto USB/LSB</source>
        <translation>USB/LSB auto</translation>
    </message>
    <message>
        <source>TXIT Enable</source>
        <translation>TXIT activé</translation>
    </message>
    <message>
        <source>Electronic Keyer</source>
        <translation>Manip. électronique</translation>
    </message>
    <message>
        <source>Key Paddle</source>
        <translation>Palettes</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Revers</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Tonalité locale</translation>
    </message>
    <message>
        <source>Break In</source>
        <translation>Break-in</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>FULL</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Fréq. tonalité</translation>
    </message>
    <message>
        <source>Speech Compressor</source>
        <translation>Compresseur</translation>
    </message>
    <message>
        <source>PTT Lock</source>
        <translation>Verrouillage PTT</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Type de balayage</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Search Range</source>
        <translation>Plage de recherche</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Skip balayage</translation>
    </message>
    <message>
        <source>No Skip</source>
        <translation>Pas de skip</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Auto AGC</source>
        <translation>AGC auto</translation>
    </message>
    <message>
        <source>Key Ratio</source>
        <translation>Rapport point/trait</translation>
    </message>
    <message>
        <source>Up Down Key</source>
        <translation>Touches haut/bas</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Func Key Resume</source>
        <translation>Retour touche Func</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Sélection auto</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Lire les réglages</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Écrire les réglages</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VFO A and VFO B; Enter edits the current row</source>
        <translation>VFO A et VFO B ; Entrée modifie la ligne courante</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>Réglages 1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>Configuration du port &amp;COM...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>&amp;Écrire</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>&amp;Mémoire</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>&amp;Tout</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>%1  %2: window %3, radio %4</source>
        <translation>%1  %2 : fenêtre %3, poste %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>No port to open</source>
        <translation>Aucun port à ouvrir</translation>
    </message>
    <message>
        <source>Written to the radio in %1</source>
        <translation>Écrit dans le poste en %1</translation>
    </message>
    <message>
        <source>The radio answered in %1</source>
        <translation>Le poste a répondu en %1</translation>
    </message>
    <message>
        <source>Read from the radio in %1. </source>
        <translation>Lu depuis le poste en %1. </translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sauvegarde enregistrée : %1</translation>
    </message>
    <message>
        <source>No backup saved: %1</source>
        <translation>Aucune sauvegarde enregistrée : %1</translation>
    </message>
    <message>
        <source>Verify: the radio holds what Write would send</source>
        <translation>Vérifier : le poste contient ce qu&apos;Écrire enverrait</translation>
    </message>
    <message>
        <source>The radio holds what Write would send.</source>
        <translation>Le poste contient ce qu&apos;Écrire enverrait.</translation>
    </message>
    <message>
        <source>Verify: %1 difference(s)</source>
        <translation>Vérifier : %1 différence(s)</translation>
    </message>
    <message>
        <source>%1 difference(s) between the window and the radio:</source>
        <translation>%1 différence(s) entre la fenêtre et le poste :</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>Le poste ne contient pas ce qui a été écrit :</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 of %2 records, %3 elapsed, %4 left</source>
        <translation>%1 enregistrements sur %2, %3 écoulées, %4 restantes</translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>Read ALL</source>
        <translation>Tout lire</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Lire la mémoire</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Lire les réglages</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Sélection auto</translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>the reply to the %1 begins with &apos;%2&apos;, the echo of another command: a late answer or an earlier run&apos;s reply</source>
        <translation>la réponse à %1 commence par &apos;%2&apos;, l&apos;écho d&apos;une autre commande : une réponse tardive ou celle d&apos;un passage précédent</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>No backup saved: %1</source>
        <translation>Aucune sauvegarde enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>WriteChanges</name>
    <message>
        <source>%1 records differed, %2 written, all verified</source>
        <translation>%1 enregistrements différaient, %2 écrits, tous vérifiés</translation>
    </message>
    <message>
        <source>%1 records differed, %2 written, %3 differ after writing</source>
        <translation>%1 enregistrements différaient, %2 écrits, %3 diffèrent après l&apos;écriture</translation>
    </message>
</context>
<context>
    <name>WriteChangesProgress</name>
    <message>
        <source>Write Changes: reading %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Écriture des modifications : lecture %1 sur %2 enregistrements, %3 écoulées, %4 restantes</translation>
    </message>
    <message>
        <source>Write Changes: writing %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Écriture des modifications : écriture %1 sur %2 enregistrements, %3 écoulées, %4 restantes</translation>
    </message>
    <message>
        <source>Write Changes: checking %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Écriture des modifications : vérification %1 sur %2 enregistrements, %3 écoulées, %4 restantes</translation>
    </message>
</context>
</TS>
