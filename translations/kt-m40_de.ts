<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ChannelBulkEdit</name>
    <message>
        <source>No value chosen.</source>
        <translation>Kein Wert gewählt.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>No used channel is selected.</source>
        <translation>Kein belegter Kanal ist markiert.</translation>
    </message>
    <message>
        <source>Select at least two rows to sort.</source>
        <translation>Zum Sortieren mindestens zwei Zeilen markieren.</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Row %1 (pasted line %2), %3: %4</source>
        <translation>Zeile %1 (eingefügte Zeile %2), %3: %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>„%1“ ist keine Frequenz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>„%1“ ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than 8 characters or holds a character the radio cannot store (A-Z, 0-9, blank and # $ ( ) * + - / = \ _ are stored)</source>
        <translation>„%1“ hat mehr als 8 Zeichen oder ein Zeichen, das das Funkgerät nicht speichern kann (gespeichert werden A-Z, 0-9, Leerzeichen und # $ ( ) * + - / = \ _)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;Skip&quot; nor empty</source>
        <translation>„%1“ ist weder „Skip“ noch leer</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Die Zwischenablage enthält keine Kanäle.</translation>
    </message>
    <message>
        <source>%1 channels from row %2 do not fit: the list ends at row %3.</source>
        <translation>%1 Kanäle ab Zeile %2 passen nicht: Die Liste endet bei Zeile %3.</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): not a channel record</source>
        <translation>Zeile %1 (eingefügte Zeile %2): kein Kanaldatensatz</translation>
    </message>
    <message>
        <source>the mode code is none of the radio&apos;s modes</source>
        <translation>der Betriebsartcode ist keine Betriebsart des Funkgeräts</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)</source>
        <translation>Zeile %1 (eingefügte Zeile %2): %3 Spalten, höchstens %4 erwartet (%5)</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärk.</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>NB</source>
        <translation>NB</translation>
    </message>
    <message>
        <source>Split Freq.</source>
        <translation>Split-Freq.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>S-Low</source>
        <translation>S-Niedrig</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
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
        <translation>die Datei endet vor Zeile 610</translation>
    </message>
    <message>
        <source>line 1 (the header) is not 32 characters</source>
        <translation>Zeile 1 (die Kopfzeile) hat nicht 32 Zeichen</translation>
    </message>
    <message>
        <source>line %1 is not 64 characters</source>
        <translation>Zeile %1 hat nicht 64 Zeichen</translation>
    </message>
    <message>
        <source>line 610 (the end line) is not 32 characters</source>
        <translation>Zeile 610 (die Schlusszeile) hat nicht 32 Zeichen</translation>
    </message>
    <message>
        <source>unknown header</source>
        <translation>unbekannte Kopfzeile</translation>
    </message>
    <message>
        <source>wrong end line</source>
        <translation>falsche Schlusszeile</translation>
    </message>
    <message>
        <source>a setting is beyond its list</source>
        <translation>eine Einstellung liegt außerhalb ihrer Liste</translation>
    </message>
    <message>
        <source>%1 has no valid mode</source>
        <translation>%1 hat keine gültige Betriebsart</translation>
    </message>
    <message>
        <source>channel line %1 has no valid mode</source>
        <translation>Kanalzeile %1 hat keine gültige Betriebsart</translation>
    </message>
</context>
<context>
    <name>CsvChirpFiles</name>
    <message>
        <source>CHIRP CSV has no VFOs</source>
        <translation>CHIRP-CSV kennt keine VFOs</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>Zeile 1</translation>
    </message>
    <message>
        <source>the first line has no such column: nothing is taken</source>
        <translation>die erste Zeile hat keine solche Spalte: nichts wird übernommen</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>“%1” is not a channel number 0 to 603</source>
        <translation>„%1“ ist keine Kanalnummer von 0 bis 603</translation>
    </message>
    <message>
        <source>the Location came before in the file; this line is left out</source>
        <translation>diese Location stand schon weiter oben in der Datei; die Zeile wird ausgelassen</translation>
    </message>
</context>
<context>
    <name>CsvChirpMapping</name>
    <message>
        <source>%1 is not carried by CHIRP CSV</source>
        <translation>%1 wird von CHIRP-CSV nicht übertragen</translation>
    </message>
    <message>
        <source>power code %1</source>
        <translation>Leistungscode %1</translation>
    </message>
    <message>
        <source>tone byte %1</source>
        <translation>Tonbyte %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>“%1” is not a frequency in MHz</source>
        <translation>„%1“ ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>rounded to %1 MHz</source>
        <translation>auf %1 MHz gerundet</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range %2</source>
        <translation>%1 MHz liegt außerhalb des Bereichs %2</translation>
    </message>
    <message>
        <source>TSQL: the radio sends the tone but does not squelch on it</source>
        <translation>TSQL: das Funkgerät sendet den Ton, hat aber keine Tonsquelch</translation>
    </message>
    <message>
        <source>DTCS: the radio has no DCS; tone off</source>
        <translation>DTCS: das Funkgerät hat kein DCS; Ton aus</translation>
    </message>
    <message>
        <source>Cross %1: stored as tone %2</source>
        <translation>Cross %1: als Ton %2 gespeichert</translation>
    </message>
    <message>
        <source>“%1” is not a tone mode</source>
        <translation>„%1“ ist keine Tonart</translation>
    </message>
    <message>
        <source>%1 Hz: the radio sends the settings page&apos;s tone, %2 Hz</source>
        <translation>%1 Hz: das Funkgerät sendet den Ton der Einstellungsseite, %2 Hz</translation>
    </message>
    <message>
        <source>the radio has no mode %1</source>
        <translation>das Funkgerät hat keine Betriebsart %1</translation>
    </message>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>„%1“ als „%2“ gespeichert</translation>
    </message>
    <message>
        <source>P: the radio has no priority scan; not skipped</source>
        <translation>P: das Funkgerät hat keinen Prioritätssuchlauf; nicht übersprungen</translation>
    </message>
    <message>
        <source>“%1” is not S, P or empty</source>
        <translation>„%1“ ist weder S, P noch leer</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps %2</source>
        <translation>%1 ist keine Leistungsstufe des Funkgeräts; der Kanal behält %2</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps its power</source>
        <translation>%1 ist keine Leistungsstufe des Funkgeräts; der Kanal behält seine Leistung</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the range %2</source>
        <translation>die Sendefrequenz %1 MHz liegt außerhalb des Bereichs %2</translation>
    </message>
    <message>
        <source>off: the radio cannot forbid sending; stored as simplex</source>
        <translation>off: das Funkgerät kann das Senden nicht sperren; als Simplex gespeichert</translation>
    </message>
    <message>
        <source>“%1” is not +, -, split, off or empty</source>
        <translation>„%1“ ist weder +, -, split, off noch leer</translation>
    </message>
    <message>
        <source>Cross without a CrossMode: stored as tone %1</source>
        <translation>Cross ohne CrossMode: als Ton %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Layout of the CSV file:</source>
        <translation>Format der CSV-Datei:</translation>
    </message>
    <message>
        <source>Exported to %1, %2</source>
        <translation>Exportiert nach %1, %2</translation>
    </message>
    <message>
        <source>%1 channels written to %2. %3 values are not carried by CHIRP CSV:</source>
        <translation>%1 Kanäle nach %2 geschrieben. %3 Werte werden von CHIRP-CSV nicht übertragen:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: it is this program&apos;s export in the original layout, whose columns the import reads as another vocabulary. Export in the full layout to bring channels back.</source>
        <translation>Aus %1 wurde nichts übernommen: Es ist ein Export dieses Programms im ursprünglichen Format, dessen Spalten der Import anders liest. Zum Zurückholen von Kanälen im vollständigen Format exportieren.</translation>
    </message>
    <message>
        <source>Imported %1 records, %2 dropped</source>
        <translation>%1 Datensätze importiert, %2 verworfen</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: %2</source>
        <translation>Aus %1 wurde nichts übernommen: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs changed.</source>
        <translation>%1, %2: %3 Zeilen übernommen, davon %4 mit Änderungen; %5 Zeilen abgelehnt; %6 Kanäle und VFOs geändert.</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>the file holds no line with text</source>
        <translation>die Datei enthält keine Zeile mit Text</translation>
    </message>
    <message>
        <source>its first line “%1” names no layout: expected “KT-M40 full CSV” first (full layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), separated by commas, semicolons or TABs</source>
        <translation>ihre erste Zeile „%1“ nennt kein Format: erwartet wird „KT-M40 full CSV“ am Anfang (vollständiges Format), eine Spalte Location (CHIRP-CSV) oder „MODEL“ am Anfang (ursprüngliches Format), getrennt durch Kommas, Semikolons oder TABs</translation>
    </message>
    <message>
        <source>; the names are there, but not separated by a comma, semicolon or TAB</source>
        <translation>; die Namen sind vorhanden, aber nicht durch Komma, Semikolon oder TAB getrennt</translation>
    </message>
    <message>
        <source>; it has a Frequency column but no Location column</source>
        <translation>; sie hat eine Spalte Frequency, aber keine Spalte Location</translation>
    </message>
</context>
<context>
    <name>CsvFullImport</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>“%1” is not a frequency</source>
        <translation>„%1“ ist keine Frequenz</translation>
    </message>
    <message>
        <source>“%1” is not one of %2</source>
        <translation>„%1“ ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>“%1” is longer than 8 characters</source>
        <translation>„%1“ ist länger als 8 Zeichen</translation>
    </message>
    <message>
        <source>the radio cannot store “%1”</source>
        <translation>das Funkgerät kann „%1“ nicht speichern</translation>
    </message>
    <message>
        <source>“%1” is not a code such as Gain=7</source>
        <translation>„%1“ ist kein Code wie Gain=7</translation>
    </message>
    <message>
        <source>a VFO has no such field</source>
        <translation>ein VFO hat kein solches Feld</translation>
    </message>
    <message>
        <source>“%1” is not empty or Skip</source>
        <translation>„%1“ ist weder leer noch Skip</translation>
    </message>
    <message>
        <source>%1=%2 left out: the text now says %3</source>
        <translation>%1=%2 ausgelassen: der Text lautet jetzt %3</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>Zeile 1</translation>
    </message>
    <message>
        <source>the file names %1; the image keeps %2</source>
        <translation>die Datei nennt %1; das Abbild behält %2</translation>
    </message>
    <message>
        <source>line 2</source>
        <translation>Zeile 2</translation>
    </message>
    <message>
        <source>the title line has no such column: nothing is taken</source>
        <translation>die Titelzeile hat keine solche Spalte: nichts wird übernommen</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>“%1” is no row of the grids</source>
        <translation>„%1“ ist keine Zeile der Tabellen</translation>
    </message>
    <message>
        <source>the row came before in the file; this line is left out</source>
        <translation>die Zeile stand schon weiter oben in der Datei; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>“%1” rounded to %2</source>
        <translation>„%1“ gerundet auf %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>„%1“ gespeichert als „%2“</translation>
    </message>
</context>
<context>
    <name>CsvImportReport</name>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>nicht übertragen</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: the line is left out and reading goes on with the next line</source>
        <translation>ein in Zeile %1 geöffnetes Anführungszeichen ist am Ende von Zeile %2 noch offen, wo %3 nicht weitergehen kann: die Zeile wird ausgelassen, das Lesen geht mit der nächsten Zeile weiter</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Original layout (18 columns, VFOs and channels 0-199)</source>
        <translation>Ursprüngliches Format (18 Spalten, VFOs und Kanäle 0-199)</translation>
    </message>
    <message>
        <source>Full layout (all 604 channels and both VFOs, lossless)</source>
        <translation>Vollständiges Format (alle 604 Kanäle und beide VFOs, verlustfrei)</translation>
    </message>
    <message>
        <source>CHIRP CSV (channels for other programs)</source>
        <translation>CHIRP-CSV (Kanäle für andere Programme)</translation>
    </message>
    <message>
        <source>original layout</source>
        <translation>ursprüngliches Format</translation>
    </message>
    <message>
        <source>full layout</source>
        <translation>vollständiges Format</translation>
    </message>
</context>
<context>
    <name>DlgCom</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM-Port einrichten</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Anderer Port:</translation>
    </message>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Virtuelles Funkgerät (Demo)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Find the radio</source>
        <translation>Funkgerät suchen</translation>
    </message>
    <message>
        <source>Ask each listed port, USB ports first, for the radio&apos;s identification and choose the one that answers</source>
        <translation>Jeden aufgeführten Port, USB-Ports zuerst, nach der Kennung des Funkgeräts fragen und den antwortenden wählen</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Frage %1 ab ...</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>No port answered as the radio.</source>
        <translation>Kein Port hat als Funkgerät geantwortet.</translation>
    </message>
    <message>
        <source>The radio (%1) answered on %2: chosen (OK keeps it).</source>
        <translation>Das Funkgerät (%1) hat an %2 geantwortet: ausgewählt (OK übernimmt die Wahl).</translation>
    </message>
    <message>
        <source>How often a block read or write whose reply was refused is sent again (0: never, every exchange once)</source>
        <translation>Wie oft ein Blocklesen oder -schreiben, dessen Antwort abgelehnt wurde, erneut gesendet wird (0: nie, jeder Austausch einmal)</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>Kept as %1, the same after replugging</source>
        <translation>Gespeichert als %1, gleich nach erneutem Einstecken</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>Die Suche wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>DlgFind</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>By n&amp;ame (any part)</source>
        <translation>Nach &amp;Name (beliebiger Teil)</translation>
    </message>
    <message>
        <source>By &amp;frequency (7.050.000, 7.05 or 7050000)</source>
        <translation>Nach &amp;Frequenz (7.050.000, 7.05 oder 7050000)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DlgModify</name>
    <message>
        <source>Modify </source>
        <translation>Ändern </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Split Frequency</source>
        <translation>Split-Frequenz</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
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
        <translation>Modus</translation>
    </message>
    <message>
        <source>RF Gain</source>
        <translation>HF-Verstärkung</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Noise Blanker</source>
        <translation>Störaustaster</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Memory A</source>
        <translation>Speicher A</translation>
    </message>
    <message>
        <source>Memory B</source>
        <translation>Speicher B</translation>
    </message>
</context>
<context>
    <name>DlgSetField</name>
    <message>
        <source>Set Field</source>
        <translation>Feld setzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Feld</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>On the %1 selected rows (empty channels stay empty):</source>
        <translation>Für die %1 markierten Zeilen (leere Kanäle bleiben leer):</translation>
    </message>
    <message>
        <source>On the selected row (an empty channel stays empty):</source>
        <translation>Für die markierte Zeile (ein leerer Kanal bleibt leer):</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Model %1</source>
        <translation>Modell %1</translation>
    </message>
    <message>
        <source>Setting %1</source>
        <translation>Einstellung %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 ausgeschnitten</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>%1 pasted from row %2</source>
        <translation>%1 ab Zeile %2 eingefügt</translation>
    </message>
    <message>
        <source>Set Field</source>
        <translation>Feld setzen</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>%1 für %2 setzen</translation>
    </message>
    <message>
        <source>%1 set to %2: %3 changed</source>
        <translation>%1 auf %2 gesetzt: %3 geändert</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Sort %1 by frequency</source>
        <translation>%1 nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort %1 by name</source>
        <translation>%1 nach Name sortieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>„%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found.</source>
        <translation>„%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>Found at row %1</source>
        <translation>Gefunden in Zeile %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Nichts eingefügt</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nichts geändert</translation>
    </message>
    <message>
        <source>Nothing sorted</source>
        <translation>Nichts sortiert</translation>
    </message>
    <message>
        <source>%1 sorted by frequency</source>
        <translation>%1 nach Frequenz sortiert</translation>
    </message>
    <message>
        <source>%1 sorted by name</source>
        <translation>%1 nach Name sortiert</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About Korvan Clone Utility</source>
        <translation>Über Korvan Clone Utility</translation>
    </message>
    <message>
        <source>Version 0.10.00 Beta</source>
        <translation>Version 0.10.00 Beta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved.</source>
        <translation>Copyright (C) 2026 Korvan Radio Co., Ltd. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Warning: This computer program is protected by copyright law and international
treaties. Unauthorized reproduction or distribution of this program, or any
portion of it, may result in severe civil and criminal penalties, and will be
prosecuted to the maximum extent possible under the law.</source>
        <translation>Warnung: Dieses Computerprogramm ist durch Urheberrecht und internationale
Verträge geschützt. Unerlaubte Vervielfältigung oder Verbreitung dieses Programms
oder eines Teils davon kann zu schweren zivil- und strafrechtlichen Folgen führen
und wird im größtmöglichen gesetzlichen Umfang verfolgt.</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Printed %1 page(s)</source>
        <translation>%1 Seite(n) gedruckt</translation>
    </message>
    <message>
        <source>Printed %1 page(s) to %2</source>
        <translation>%1 Seite(n) nach %2 gedruckt</translation>
    </message>
    <message>
        <source>A transfer with the radio is under way.<byte value="xd"/>
Wait until it has ended, then close the window.</source>
        <translation>Eine Übertragung mit dem Funkgerät läuft.<byte value="xd"/>
Warten Sie, bis sie beendet ist, und schließen Sie dann das Fenster.</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Changes(&amp;C)</source>
        <translation>Ä&amp;nderungen</translation>
    </message>
    <message>
        <source>Read the radio, keep it as a backup, write only what differs and check it</source>
        <translation>Funkgerät lesen, als Sicherung aufheben, nur Abweichendes schreiben und prüfen</translation>
    </message>
    <message>
        <source>Verify(&amp;V)</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Read the radio back and compare it with the window&apos;s data</source>
        <translation>Funkgerät zurücklesen und mit den Daten im Fenster vergleichen</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Select All(&amp;L)</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Set Field(&amp;S)...</source>
        <translation>Feld &amp;setzen...</translation>
    </message>
    <message>
        <source>Sort Selection(&amp;O)</source>
        <translation>Auswahl s&amp;ortieren</translation>
    </message>
    <message>
        <source>By Frequency(&amp;F)</source>
        <translation>Nach &amp;Frequenz</translation>
    </message>
    <message>
        <source>By Name(&amp;N)</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>Such&amp;en...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Weiters&amp;uchen</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The window speaks %1 from its next start.</source>
        <translation>Das Fenster spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear Menu(&amp;C)</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>%1 is no longer there. It has been taken off the recent files.</source>
        <translation>%1 ist nicht mehr vorhanden. Die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
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
        <translation>Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>Unsaved work kept: %1</source>
        <translation>Ungesicherte Arbeit aufbewahrt: %1</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Insert %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>LÖSCHEN OK</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>LEEREN OK</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This step can be undone with Edit &gt; Undo.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Dieser Schritt lässt sich mit Bearbeiten &gt; Rückgängig zurücknehmen.</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Memorys</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>One row per channel; Enter edits the current row</source>
        <translation>Eine Zeile je Kanal; Eingabe bearbeitet die aktuelle Zeile</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Speicher lesen</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Speicher schreiben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Communication Error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>Fehler am COM-Port</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>Änderungen an den Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>The frequency is outside the range. </source>
        <translation>Die Frequenz liegt außerhalb des Bereichs. </translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Memory channels (%1 of %2 used)</source>
        <translation>Speicherkanäle (%1 von %2 belegt)</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>Kein Kanal ist belegt.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(unbenannt)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>Retries: %1</source>
        <translation>Wiederholungen: %1</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1: in use by another program (usually the desktop program kt-m40, which keeps its port open while it runs: close it or choose another port)</source>
        <translation>%1: von einem anderen Programm belegt (meist vom Desktop-Programm kt-m40, das seinen Port offen hält, solange es läuft: beenden oder einen anderen Port wählen)</translation>
    </message>
    <message>
        <source>%1: %2 (the port belongs to the group &apos;%3&apos;: join it with &apos;sudo usermod -aG %3 $USER&apos;, then log in again)</source>
        <translation>%1: %2 (der Port gehört der Gruppe &apos;%3&apos;: mit &apos;sudo usermod -aG %3 $USER&apos; beitreten und neu anmelden)</translation>
    </message>
    <message>
        <source>%1: %2 (your user may not use this port)</source>
        <translation>%1: %2 (Ihr Benutzer darf diesen Port nicht verwenden)</translation>
    </message>
    <message>
        <source>%1: disconnected (the cable or adapter was unplugged, or the line hung up)</source>
        <translation>%1: getrennt (Kabel oder Adapter wurde abgezogen oder die Leitung ist abgerissen)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>an ordinary file</source>
        <translation>eine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>%1: not a serial port (%2)</source>
        <translation>%1: keine serielle Schnittstelle (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsLists</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>RIT / TXIT</source>
        <translation>RIT / TXIT</translation>
    </message>
    <message>
        <source>Key Speed(WPM)</source>
        <translation>Tempo (WPM)</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Dial Lock</source>
        <translation>Knopfsperre</translation>
    </message>
    <message>
        <source>SSB Step</source>
        <translation>SSB-Raster</translation>
    </message>
    <message>
        <source>AM Step</source>
        <translation>AM-Raster</translation>
    </message>
    <message>
        <source>FM Step</source>
        <translation>FM-Raster</translation>
    </message>
    <message>
        <source>Memory Protection</source>
        <translation>Speicherschutz</translation>
    </message>
    <message>
        <source>Memory Access</source>
        <translation>Speicherzugriff</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Suchlaufzeit</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <source>Auto USB/LSB</source>
        <translation>USB/LSB autom.</translation>
    </message>
    <message>
        <source>TXIT Enable</source>
        <translation>TXIT freigeben</translation>
    </message>
    <message>
        <source>Electronic Keyer</source>
        <translation>Elektron. Keyer</translation>
    </message>
    <message>
        <source>Key Paddle</source>
        <translation>Paddle</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Revers</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>Break In</source>
        <translation>Break-In</translation>
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
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>Speech Compressor</source>
        <translation>Sprachkompressor</translation>
    </message>
    <message>
        <source>PTT Lock</source>
        <translation>PTT-Sperre</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Autom. Abschaltung</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Suchlaufart</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Search Range</source>
        <translation>Suchbereich</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Scan-Skip</translation>
    </message>
    <message>
        <source>No Skip</source>
        <translation>Kein Skip</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Auto AGC</source>
        <translation>AGC autom.</translation>
    </message>
    <message>
        <source>Key Ratio</source>
        <translation>Punkt/Strich</translation>
    </message>
    <message>
        <source>Up Down Key</source>
        <translation>Auf/Ab-Taste</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Func Key Resume</source>
        <translation>Func-Rückkehr</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
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
        <translation>Modell</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Automatisch wählen</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Einstellungen schreiben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFOs</translation>
    </message>
    <message>
        <source>VFO A and VFO B; Enter edits the current row</source>
        <translation>VFO A und VFO B; Eingabe bearbeitet die aktuelle Zeile</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>Einstellungen 1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>&amp;COM-Port einrichten...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>&amp;Alles</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>%1  %2: window %3, radio %4</source>
        <translation>%1  %2: Fenster %3, Funkgerät %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>No port to open</source>
        <translation>Kein Port zum Öffnen</translation>
    </message>
    <message>
        <source>Written to the radio in %1</source>
        <translation>In %1 ins Funkgerät geschrieben</translation>
    </message>
    <message>
        <source>The radio answered in %1</source>
        <translation>Das Funkgerät antwortete in %1</translation>
    </message>
    <message>
        <source>Read from the radio in %1. </source>
        <translation>In %1 aus dem Funkgerät gelesen. </translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>No backup saved: %1</source>
        <translation>Keine Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>Verify: the radio holds what Write would send</source>
        <translation>Prüfen: Das Funkgerät enthält, was Schreiben senden würde</translation>
    </message>
    <message>
        <source>The radio holds what Write would send.</source>
        <translation>Das Funkgerät enthält, was Schreiben senden würde.</translation>
    </message>
    <message>
        <source>Verify: %1 difference(s)</source>
        <translation>Prüfen: %1 Abweichung(en)</translation>
    </message>
    <message>
        <source>%1 difference(s) between the window and the radio:</source>
        <translation>%1 Abweichung(en) zwischen Fenster und Funkgerät:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde:</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 of %2 records, %3 elapsed, %4 left</source>
        <translation>%1 von %2 Datensätzen, %3 vergangen, noch %4</translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>Read ALL</source>
        <translation>Alles lesen</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Speicher lesen</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Automatisch wählen</translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>the reply to the %1 begins with &apos;%2&apos;, the echo of another command: a late answer or an earlier run&apos;s reply</source>
        <translation>die Antwort auf %1 beginnt mit &apos;%2&apos;, dem Echo eines anderen Befehls: eine verspätete Antwort oder die eines früheren Laufs</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>No backup saved: %1</source>
        <translation>Keine Sicherung gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>WriteChanges</name>
    <message>
        <source>%1 records differed, %2 written, all verified</source>
        <translation>%1 Datensätze waren verschieden, %2 geschrieben, alle geprüft</translation>
    </message>
    <message>
        <source>%1 records differed, %2 written, %3 differ after writing</source>
        <translation>%1 Datensätze waren verschieden, %2 geschrieben, %3 weichen nach dem Schreiben ab</translation>
    </message>
</context>
<context>
    <name>WriteChangesProgress</name>
    <message>
        <source>Write Changes: reading %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Änderungen schreiben: lese %1 von %2 Datensätzen, %3 vergangen, noch %4</translation>
    </message>
    <message>
        <source>Write Changes: writing %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Änderungen schreiben: schreibe %1 von %2 Datensätzen, %3 vergangen, noch %4</translation>
    </message>
    <message>
        <source>Write Changes: checking %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Änderungen schreiben: prüfe %1 von %2 Datensätzen, %3 vergangen, noch %4</translation>
    </message>
</context>
</TS>
