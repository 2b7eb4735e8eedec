<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossibile creare %1</translation>
    </message>
</context>
<context>
    <name>ChannelBulkEdit</name>
    <message>
        <source>No value chosen.</source>
        <translation>Nessun valore scelto.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Riga %1, %2: %3</translation>
    </message>
    <message>
        <source>No used channel is selected.</source>
        <translation>Nessun canale occupato è selezionato.</translation>
    </message>
    <message>
        <source>Select at least two rows to sort.</source>
        <translation>Selezionare almeno due righe per ordinare.</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Row %1 (pasted line %2), %3: %4</source>
        <translation>Riga %1 (riga incollata %2), %3: %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>«%1» non è una frequenza</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>«%1» non è uno dei valori %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than 8 characters or holds a character the radio cannot store (A-Z, 0-9, blank and # $ ( ) * + - / = \ _ are stored)</source>
        <translation>«%1» supera gli 8 caratteri o contiene un carattere che l&apos;apparato non può memorizzare (si memorizzano A-Z, 0-9, lo spazio e # $ ( ) * + - / = \ _)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;Skip&quot; nor empty</source>
        <translation>«%1» non è né «Skip» né vuoto</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Gli appunti non contengono canali.</translation>
    </message>
    <message>
        <source>%1 channels from row %2 do not fit: the list ends at row %3.</source>
        <translation>%1 canali dalla riga %2 non entrano: l&apos;elenco finisce alla riga %3.</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): not a channel record</source>
        <translation>Riga %1 (riga incollata %2): non è un record di canale</translation>
    </message>
    <message>
        <source>the mode code is none of the radio&apos;s modes</source>
        <translation>il codice di modo non è nessuno dei modi dell&apos;apparato</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)</source>
        <translation>Riga %1 (riga incollata %2): %3 colonne, al massimo %4 previste (%5)</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Pot.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>NB</source>
        <translation>NB</translation>
    </message>
    <message>
        <source>Split Freq.</source>
        <translation>Freq. split</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>S-Low</source>
        <translation>S-Bassa</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Stretto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
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
        <translation>il file termina prima della riga 610</translation>
    </message>
    <message>
        <source>line 1 (the header) is not 32 characters</source>
        <translation>la riga 1 (l&apos;intestazione) non è di 32 caratteri</translation>
    </message>
    <message>
        <source>line %1 is not 64 characters</source>
        <translation>la riga %1 non è di 64 caratteri</translation>
    </message>
    <message>
        <source>line 610 (the end line) is not 32 characters</source>
        <translation>la riga 610 (la riga finale) non è di 32 caratteri</translation>
    </message>
    <message>
        <source>unknown header</source>
        <translation>intestazione sconosciuta</translation>
    </message>
    <message>
        <source>wrong end line</source>
        <translation>riga finale errata</translation>
    </message>
    <message>
        <source>a setting is beyond its list</source>
        <translation>un&apos;impostazione è fuori dal suo elenco</translation>
    </message>
    <message>
        <source>%1 has no valid mode</source>
        <translation>%1 non ha un modo valido</translation>
    </message>
    <message>
        <source>channel line %1 has no valid mode</source>
        <translation>la riga di canale %1 non ha un modo valido</translation>
    </message>
</context>
<context>
    <name>CsvChirpFiles</name>
    <message>
        <source>CHIRP CSV has no VFOs</source>
        <translation>Il CSV CHIRP non ha VFO</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>riga 1</translation>
    </message>
    <message>
        <source>the first line has no such column: nothing is taken</source>
        <translation>la prima riga non ha questa colonna: non viene preso nulla</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>“%1” is not a channel number 0 to 603</source>
        <translation>«%1» non è un numero di canale da 0 a 603</translation>
    </message>
    <message>
        <source>the Location came before in the file; this line is left out</source>
        <translation>questa Location compare già prima nel file; la riga viene saltata</translation>
    </message>
</context>
<context>
    <name>CsvChirpMapping</name>
    <message>
        <source>%1 is not carried by CHIRP CSV</source>
        <translation>%1 non è riportato dal CSV CHIRP</translation>
    </message>
    <message>
        <source>power code %1</source>
        <translation>codice di potenza %1</translation>
    </message>
    <message>
        <source>tone byte %1</source>
        <translation>byte di tono %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>“%1” is not a frequency in MHz</source>
        <translation>«%1» non è una frequenza in MHz</translation>
    </message>
    <message>
        <source>rounded to %1 MHz</source>
        <translation>arrotondato a %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range %2</source>
        <translation>%1 MHz è fuori dalla gamma %2</translation>
    </message>
    <message>
        <source>TSQL: the radio sends the tone but does not squelch on it</source>
        <translation>TSQL: l&apos;apparato trasmette il tono ma non ha lo squelch a tono</translation>
    </message>
    <message>
        <source>DTCS: the radio has no DCS; tone off</source>
        <translation>DTCS: l&apos;apparato non ha il DCS; tono spento</translation>
    </message>
    <message>
        <source>Cross %1: stored as tone %2</source>
        <translation>Cross %1: memorizzato come tono %2</translation>
    </message>
    <message>
        <source>“%1” is not a tone mode</source>
        <translation>«%1» non è un modo di tono</translation>
    </message>
    <message>
        <source>%1 Hz: the radio sends the settings page&apos;s tone, %2 Hz</source>
        <translation>%1 Hz: l&apos;apparato trasmette il tono della pagina impostazioni, %2 Hz</translation>
    </message>
    <message>
        <source>the radio has no mode %1</source>
        <translation>l&apos;apparato non ha il modo %1</translation>
    </message>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 memorizzato come %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>«%1» memorizzato come «%2»</translation>
    </message>
    <message>
        <source>P: the radio has no priority scan; not skipped</source>
        <translation>P: l&apos;apparato non ha la scansione prioritaria; non saltato</translation>
    </message>
    <message>
        <source>“%1” is not S, P or empty</source>
        <translation>«%1» non è S, P o vuoto</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps %2</source>
        <translation>%1 non è un livello di potenza dell&apos;apparato; il canale mantiene %2</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps its power</source>
        <translation>%1 non è un livello di potenza dell&apos;apparato; il canale mantiene la sua potenza</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the range %2</source>
        <translation>la frequenza di trasmissione %1 MHz è fuori dalla gamma %2</translation>
    </message>
    <message>
        <source>off: the radio cannot forbid sending; stored as simplex</source>
        <translation>off: l&apos;apparato non può vietare la trasmissione; memorizzato come simplex</translation>
    </message>
    <message>
        <source>“%1” is not +, -, split, off or empty</source>
        <translation>«%1» non è +, -, split, off o vuoto</translation>
    </message>
    <message>
        <source>Cross without a CrossMode: stored as tone %1</source>
        <translation>Cross senza CrossMode: memorizzato come tono %1</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Layout of the CSV file:</source>
        <translation>Formato del file CSV:</translation>
    </message>
    <message>
        <source>Exported to %1, %2</source>
        <translation>Esportato in %1, %2</translation>
    </message>
    <message>
        <source>%1 channels written to %2. %3 values are not carried by CHIRP CSV:</source>
        <translation>%1 canali scritti in %2. %3 valori non sono riportati dal CSV CHIRP:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importa %1</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: it is this program&apos;s export in the original layout, whose columns the import reads as another vocabulary. Export in the full layout to bring channels back.</source>
        <translation>Da %1 non è stato preso nulla: è un&apos;esportazione di questo programma nel formato originale, le cui colonne l&apos;importazione legge in altro modo. Esportare nel formato completo per riportare i canali.</translation>
    </message>
    <message>
        <source>Imported %1 records, %2 dropped</source>
        <translation>%1 record importati, %2 scartati</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: %2</source>
        <translation>Nulla è stato importato da %1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs changed.</source>
        <translation>%1, %2: %3 righe importate, di cui %4 con modifiche; %5 righe rifiutate; %6 canali e VFO modificati.</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>the file holds no line with text</source>
        <translation>il file non contiene alcuna riga con testo</translation>
    </message>
    <message>
        <source>its first line “%1” names no layout: expected “KT-M40 full CSV” first (full layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), separated by commas, semicolons or TABs</source>
        <translation>la sua prima riga «%1» non indica alcun formato: atteso «KT-M40 full CSV» all’inizio (formato completo), una colonna Location (CSV CHIRP) o «MODEL» all’inizio (formato originale), separati da virgole, punti e virgola o TAB</translation>
    </message>
    <message>
        <source>; the names are there, but not separated by a comma, semicolon or TAB</source>
        <translation>; i nomi ci sono, ma non separati da virgola, punto e virgola o TAB</translation>
    </message>
    <message>
        <source>; it has a Frequency column but no Location column</source>
        <translation>; ha una colonna Frequency ma nessuna colonna Location</translation>
    </message>
</context>
<context>
    <name>CsvFullImport</name>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>“%1” is not a frequency</source>
        <translation>«%1» non è una frequenza</translation>
    </message>
    <message>
        <source>“%1” is not one of %2</source>
        <translation>«%1» non è uno dei valori %2</translation>
    </message>
    <message>
        <source>“%1” is longer than 8 characters</source>
        <translation>«%1» supera gli 8 caratteri</translation>
    </message>
    <message>
        <source>the radio cannot store “%1”</source>
        <translation>l&apos;apparato non può memorizzare «%1»</translation>
    </message>
    <message>
        <source>“%1” is not a code such as Gain=7</source>
        <translation>«%1» non è un codice come Gain=7</translation>
    </message>
    <message>
        <source>a VFO has no such field</source>
        <translation>un VFO non ha questo campo</translation>
    </message>
    <message>
        <source>“%1” is not empty or Skip</source>
        <translation>«%1» non è vuoto né Skip</translation>
    </message>
    <message>
        <source>%1=%2 left out: the text now says %3</source>
        <translation>%1=%2 saltato: il testo ora dice %3</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>riga 1</translation>
    </message>
    <message>
        <source>the file names %1; the image keeps %2</source>
        <translation>il file indica %1; l&apos;immagine mantiene %2</translation>
    </message>
    <message>
        <source>line 2</source>
        <translation>riga 2</translation>
    </message>
    <message>
        <source>the title line has no such column: nothing is taken</source>
        <translation>la riga dei titoli non ha questa colonna: non viene preso nulla</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>“%1” is no row of the grids</source>
        <translation>«%1» non è una riga delle griglie</translation>
    </message>
    <message>
        <source>the row came before in the file; this line is left out</source>
        <translation>la riga compare già prima nel file; questa riga viene saltata</translation>
    </message>
    <message>
        <source>“%1” rounded to %2</source>
        <translation>«%1» arrotondato a %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>«%1» memorizzato come «%2»</translation>
    </message>
</context>
<context>
    <name>CsvImportReport</name>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>non riportato</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: the line is left out and reading goes on with the next line</source>
        <translation>una virgoletta aperta alla riga %1 è ancora aperta alla fine della riga %2, dove %3 non può proseguire: la riga viene saltata e la lettura continua con la successiva</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Original layout (18 columns, VFOs and channels 0-199)</source>
        <translation>Formato originale (18 colonne, VFO e canali 0-199)</translation>
    </message>
    <message>
        <source>Full layout (all 604 channels and both VFOs, lossless)</source>
        <translation>Formato completo (tutti i 604 canali ed entrambi i VFO, senza perdite)</translation>
    </message>
    <message>
        <source>CHIRP CSV (channels for other programs)</source>
        <translation>CSV CHIRP (canali per altri programmi)</translation>
    </message>
    <message>
        <source>original layout</source>
        <translation>formato originale</translation>
    </message>
    <message>
        <source>full layout</source>
        <translation>formato completo</translation>
    </message>
</context>
<context>
    <name>DlgCom</name>
    <message>
        <source>COM Port Setup</source>
        <translation>Impostazione porta COM</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Altra porta:</translation>
    </message>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Apparato virtuale (demo)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Find the radio</source>
        <translation>Trova l’apparato</translation>
    </message>
    <message>
        <source>Ask each listed port, USB ports first, for the radio&apos;s identification and choose the one that answers</source>
        <translation>Chiedere a ogni porta elencata, prima quelle USB, l’identificazione dell’apparato e scegliere quella che risponde</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Interrogazione di %1 ...</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <translation>%1 saltata: %2</translation>
    </message>
    <message>
        <source>No port answered as the radio.</source>
        <translation>Nessuna porta ha risposto come l’apparato.</translation>
    </message>
    <message>
        <source>The radio (%1) answered on %2: chosen (OK keeps it).</source>
        <translation>L’apparato (%1) ha risposto su %2: scelta (OK la conserva).</translation>
    </message>
    <message>
        <source>How often a block read or write whose reply was refused is sent again (0: never, every exchange once)</source>
        <translation>Quante volte una lettura o scrittura di blocco con risposta rifiutata viene inviata di nuovo (0: mai, ogni scambio una volta)</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Tentativi:</translation>
    </message>
    <message>
        <source>Kept as %1, the same after replugging</source>
        <translation>Memorizzata come %1, uguale dopo averla ricollegata</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>La ricerca è stata interrotta.</translation>
    </message>
</context>
<context>
    <name>DlgFind</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>By n&amp;ame (any part)</source>
        <translation>Per &amp;nome (qualsiasi parte)</translation>
    </message>
    <message>
        <source>By &amp;frequency (7.050.000, 7.05 or 7050000)</source>
        <translation>Per &amp;frequenza (7.050.000, 7.05 o 7050000)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>DlgModify</name>
    <message>
        <source>Modify </source>
        <translation>Modifica </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Split Frequency</source>
        <translation>Frequenza split</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
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
        <translation>Modo</translation>
    </message>
    <message>
        <source>RF Gain</source>
        <translation>Guadagno RF</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Noise Blanker</source>
        <translation>Noise blanker</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Memory A</source>
        <translation>Memoria A</translation>
    </message>
    <message>
        <source>Memory B</source>
        <translation>Memoria B</translation>
    </message>
</context>
<context>
    <name>DlgSetField</name>
    <message>
        <source>Set Field</source>
        <translation>Imposta campo</translation>
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
        <source>&amp;Field</source>
        <translation>&amp;Campo</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valore</translation>
    </message>
    <message>
        <source>On the %1 selected rows (empty channels stay empty):</source>
        <translation>Sulle %1 righe selezionate (i canali vuoti restano vuoti):</translation>
    </message>
    <message>
        <source>On the selected row (an empty channel stays empty):</source>
        <translation>Sulla riga selezionata (un canale vuoto resta vuoto):</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>1 channel</source>
        <translation>1 canale</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Model %1</source>
        <translation>Modello %1</translation>
    </message>
    <message>
        <source>Setting %1</source>
        <translation>Impostazione %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copiato/i</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Taglia %1</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 tagliato/i</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Incolla %1</translation>
    </message>
    <message>
        <source>%1 pasted from row %2</source>
        <translation>%1 incollato/i dalla riga %2</translation>
    </message>
    <message>
        <source>Set Field</source>
        <translation>Imposta campo</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>Imposta %1 su %2</translation>
    </message>
    <message>
        <source>%1 set to %2: %3 changed</source>
        <translation>%1 impostato a %2: %3 modificato/i</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Sort %1 by frequency</source>
        <translation>Ordina %1 per frequenza</translation>
    </message>
    <message>
        <source>Sort %1 by name</source>
        <translation>Ordina %1 per nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>«%1» non trovato</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found.</source>
        <translation>«%1» non trovato.</translation>
    </message>
    <message>
        <source>Found at row %1</source>
        <translation>Trovato alla riga %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ripristinato: %1</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Nulla incollato</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nulla modificato</translation>
    </message>
    <message>
        <source>Nothing sorted</source>
        <translation>Nulla ordinato</translation>
    </message>
    <message>
        <source>%1 sorted by frequency</source>
        <translation>%1 ordinati per frequenza</translation>
    </message>
    <message>
        <source>%1 sorted by name</source>
        <translation>%1 ordinati per nome</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About Korvan Clone Utility</source>
        <translation>Informazioni su Korvan Clone Utility</translation>
    </message>
    <message>
        <source>Version 0.10.00 Beta</source>
        <translation>Versione 0.10.00 beta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved.</source>
        <translation>Copyright (C) 2026 Korvan Radio Co., Ltd. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Warning: This computer program is protected by copyright law and international
treaties. Unauthorized reproduction or distribution of this program, or any
portion of it, may result in severe civil and criminal penalties, and will be
prosecuted to the maximum extent possible under the law.</source>
        <translation>Attenzione: questo programma è protetto dalle leggi sul diritto d&apos;autore e dai
trattati internazionali. La riproduzione o distribuzione non autorizzata di questo
programma, o di una sua parte, può comportare gravi sanzioni civili e penali e
sarà perseguita nella misura massima consentita dalla legge.</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Printed %1 page(s)</source>
        <translation>%1 pagina/e stampata/e</translation>
    </message>
    <message>
        <source>Printed %1 page(s) to %2</source>
        <translation>%1 pagina/e stampata/e in %2</translation>
    </message>
    <message>
        <source>A transfer with the radio is under way.<byte value="xd"/>
Wait until it has ended, then close the window.</source>
        <translation>È in corso un trasferimento con l&apos;apparato.<byte value="xd"/>
Attendere che finisca, poi chiudere la finestra.</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>Antep&amp;rima di stampa...</translation>
    </message>
    <message>
        <source>Changes(&amp;C)</source>
        <translation>Modi&amp;fiche</translation>
    </message>
    <message>
        <source>Read the radio, keep it as a backup, write only what differs and check it</source>
        <translation>Leggere l&apos;apparato, conservarlo come backup, scrivere solo ciò che differisce e verificarlo</translation>
    </message>
    <message>
        <source>Verify(&amp;V)</source>
        <translation>&amp;Verifica</translation>
    </message>
    <message>
        <source>Read the radio back and compare it with the window&apos;s data</source>
        <translation>Rileggere l&apos;apparato e confrontarlo con i dati della finestra</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Select All(&amp;L)</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>Set Field(&amp;S)...</source>
        <translation>&amp;Imposta campo...</translation>
    </message>
    <message>
        <source>Sort Selection(&amp;O)</source>
        <translation>&amp;Ordina selezione</translation>
    </message>
    <message>
        <source>By Frequency(&amp;F)</source>
        <translation>Per &amp;frequenza</translation>
    </message>
    <message>
        <source>By Name(&amp;N)</source>
        <translation>Per &amp;nome</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>Tro&amp;va...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>The window speaks %1 from its next start.</source>
        <translation>La finestra parlerà %1 dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>&amp;File recenti</translation>
    </message>
    <message>
        <source>Clear Menu(&amp;C)</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>%1 is no longer there. It has been taken off the recent files.</source>
        <translation>%1 non esiste più. È stato tolto dall’elenco dei file recenti.</translation>
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
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>KeptWorkNotice</name>
    <message>
        <source>Open Backup Folder</source>
        <translation>Apri la cartella dei backup</translation>
    </message>
    <message>
        <source>Unsaved work kept: %1</source>
        <translation>Lavoro non salvato conservato: %1</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Insert %1</source>
        <translation>Inserisci %1</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>ELIMINA OK</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>SVUOTA OK</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Svuota %1</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Svuota tutto</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This step can be undone with Edit &gt; Undo.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Questa operazione si può annullare con Modifica &gt; Annulla.</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Memorys</source>
        <translation>Canali di memoria</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canali di memoria</translation>
    </message>
    <message>
        <source>One row per channel; Enter edits the current row</source>
        <translation>Una riga per canale; Invio modifica la riga corrente</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Leggi memoria</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Scrivi memoria</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Svuota tutto</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Communication Error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>Errore della porta COM</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Errore nei dati</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Errore di apertura del file</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>Salvare le modifiche alle impostazioni?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>The frequency is outside the range. </source>
        <translation>La frequenza è fuori dalla gamma. </translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Memory channels (%1 of %2 used)</source>
        <translation>Canali di memoria (%1 di %2 occupati)</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>Nessun canale è occupato.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(senza titolo)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>Retries: %1</source>
        <translation>Tentativi: %1</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1: in use by another program (usually the desktop program kt-m40, which keeps its port open while it runs: close it or choose another port)</source>
        <translation>%1: in uso da un altro programma (di solito il programma desktop kt-m40, che tiene aperta la sua porta finché è in esecuzione: chiuderlo o scegliere un&apos;altra porta)</translation>
    </message>
    <message>
        <source>%1: %2 (the port belongs to the group &apos;%3&apos;: join it with &apos;sudo usermod -aG %3 $USER&apos;, then log in again)</source>
        <translation>%1: %2 (la porta appartiene al gruppo &apos;%3&apos;: unirsi con &apos;sudo usermod -aG %3 $USER&apos;, poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>%1: %2 (your user may not use this port)</source>
        <translation>%1: %2 (l&apos;utente non può usare questa porta)</translation>
    </message>
    <message>
        <source>%1: disconnected (the cable or adapter was unplugged, or the line hung up)</source>
        <translation>%1: disconnesso (il cavo o l&apos;adattatore è stato scollegato, o la linea è caduta)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>an ordinary file</source>
        <translation>un file normale</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>non è un dispositivo</translation>
    </message>
    <message>
        <source>%1: not a serial port (%2)</source>
        <translation>%1: non è una porta seriale (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsLists</name>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>RIT / TXIT</source>
        <translation>RIT / TXIT</translation>
    </message>
    <message>
        <source>Key Speed(WPM)</source>
        <translation>Velocità (WPM)</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Blocco tasti</translation>
    </message>
    <message>
        <source>Dial Lock</source>
        <translation>Blocco manopola</translation>
    </message>
    <message>
        <source>SSB Step</source>
        <translation>Passo SSB</translation>
    </message>
    <message>
        <source>AM Step</source>
        <translation>Passo AM</translation>
    </message>
    <message>
        <source>FM Step</source>
        <translation>Passo FM</translation>
    </message>
    <message>
        <source>Memory Protection</source>
        <translation>Protezione memoria</translation>
    </message>
    <message>
        <source>Memory Access</source>
        <translation>Accesso memoria</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Tempo di scansione</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Luminosità</translation>
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
        <translation>Abilita TXIT</translation>
    </message>
    <message>
        <source>Electronic Keyer</source>
        <translation>Tasto elettronico</translation>
    </message>
    <message>
        <source>Key Paddle</source>
        <translation>Tasto a palette</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Revers</source>
        <translation>Invertito</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Tono locale</translation>
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
        <translation>Frequenza tono</translation>
    </message>
    <message>
        <source>Speech Compressor</source>
        <translation>Compressore</translation>
    </message>
    <message>
        <source>PTT Lock</source>
        <translation>Blocco PTT</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Spegnimento auto</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo di scansione</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Search Range</source>
        <translation>Gamma di ricerca</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Skip scansione</translation>
    </message>
    <message>
        <source>No Skip</source>
        <translation>Nessuno skip</translation>
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
        <translation>Rapporto punto/linea</translation>
    </message>
    <message>
        <source>Up Down Key</source>
        <translation>Tasti su/giù</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Func Key Resume</source>
        <translation>Ritorno tasto Func</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
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
        <translation>Modello</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Selezione automatica</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Leggi impostazioni</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Scrivi impostazioni</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VFO A and VFO B; Enter edits the current row</source>
        <translation>VFO A e VFO B; Invio modifica la riga corrente</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>Impostazioni 1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>Imposta pa&amp;gina...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>&amp;Modifica riga</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>Impostazione porta &amp;COM...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>Es&amp;porta...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>&amp;Memoria</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>&amp;Tutto</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>%1  %2: window %3, radio %4</source>
        <translation>%1  %2: finestra %3, apparato %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>No port to open</source>
        <translation>Nessuna porta da aprire</translation>
    </message>
    <message>
        <source>Written to the radio in %1</source>
        <translation>Scritto nell&apos;apparato in %1</translation>
    </message>
    <message>
        <source>The radio answered in %1</source>
        <translation>L&apos;apparato ha risposto in %1</translation>
    </message>
    <message>
        <source>Read from the radio in %1. </source>
        <translation>Letto dall&apos;apparato in %1. </translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup salvato: %1</translation>
    </message>
    <message>
        <source>No backup saved: %1</source>
        <translation>Nessun backup salvato: %1</translation>
    </message>
    <message>
        <source>Verify: the radio holds what Write would send</source>
        <translation>Verifica: l&apos;apparato contiene ciò che Scrivi invierebbe</translation>
    </message>
    <message>
        <source>The radio holds what Write would send.</source>
        <translation>L&apos;apparato contiene ciò che Scrivi invierebbe.</translation>
    </message>
    <message>
        <source>Verify: %1 difference(s)</source>
        <translation>Verifica: %1 differenza/e</translation>
    </message>
    <message>
        <source>%1 difference(s) between the window and the radio:</source>
        <translation>%1 differenza/e tra la finestra e l&apos;apparato:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>L&apos;apparato non contiene ciò che è stato scritto:</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 of %2 records, %3 elapsed, %4 left</source>
        <translation>%1 di %2 record, %3 trascorsi, %4 rimanenti</translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>Read ALL</source>
        <translation>Leggi tutto</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Leggi memoria</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Leggi impostazioni</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Selezione automatica</translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>the reply to the %1 begins with &apos;%2&apos;, the echo of another command: a late answer or an earlier run&apos;s reply</source>
        <translation>la risposta a %1 inizia con &apos;%2&apos;, l&apos;eco di un altro comando: una risposta in ritardo o di un&apos;esecuzione precedente</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>No backup saved: %1</source>
        <translation>Nessun backup salvato: %1</translation>
    </message>
</context>
<context>
    <name>WriteChanges</name>
    <message>
        <source>%1 records differed, %2 written, all verified</source>
        <translation>%1 record erano diversi, %2 scritti, tutti verificati</translation>
    </message>
    <message>
        <source>%1 records differed, %2 written, %3 differ after writing</source>
        <translation>%1 record erano diversi, %2 scritti, %3 differiscono dopo la scrittura</translation>
    </message>
</context>
<context>
    <name>WriteChangesProgress</name>
    <message>
        <source>Write Changes: reading %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Scrittura modifiche: lettura %1 di %2 record, %3 trascorsi, %4 rimanenti</translation>
    </message>
    <message>
        <source>Write Changes: writing %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Scrittura modifiche: scrittura %1 di %2 record, %3 trascorsi, %4 rimanenti</translation>
    </message>
    <message>
        <source>Write Changes: checking %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Scrittura modifiche: verifica %1 di %2 record, %3 trascorsi, %4 rimanenti</translation>
    </message>
</context>
</TS>
