<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
</context>
<context>
    <name>ChannelBulkEdit</name>
    <message>
        <source>No value chosen.</source>
        <translation>No se ha elegido ningún valor.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Fila %1, %2: %3</translation>
    </message>
    <message>
        <source>No used channel is selected.</source>
        <translation>No hay ningún canal ocupado seleccionado.</translation>
    </message>
    <message>
        <source>Select at least two rows to sort.</source>
        <translation>Seleccione al menos dos filas para ordenar.</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Row %1 (pasted line %2), %3: %4</source>
        <translation>Fila %1 (línea pegada %2), %3: %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>«%1» no es una frecuencia</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>«%1» no es ninguno de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than 8 characters or holds a character the radio cannot store (A-Z, 0-9, blank and # $ ( ) * + - / = \ _ are stored)</source>
        <translation>«%1» tiene más de 8 caracteres o un carácter que el equipo no puede guardar (se guardan A-Z, 0-9, el espacio y # $ ( ) * + - / = \ _)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;Skip&quot; nor empty</source>
        <translation>«%1» no es «Skip» ni está vacío</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>El portapapeles no contiene canales.</translation>
    </message>
    <message>
        <source>%1 channels from row %2 do not fit: the list ends at row %3.</source>
        <translation>%1 canales desde la fila %2 no caben: la lista termina en la fila %3.</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): not a channel record</source>
        <translation>Fila %1 (línea pegada %2): no es un registro de canal</translation>
    </message>
    <message>
        <source>the mode code is none of the radio&apos;s modes</source>
        <translation>el código de modo no es ninguno de los modos del equipo</translation>
    </message>
    <message>
        <source>Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)</source>
        <translation>Fila %1 (línea pegada %2): %3 columnas, se esperaban como máximo %4 (%5)</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
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
        <translation>Frec. split</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Rápido</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>S-Low</source>
        <translation>S-Baja</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecho</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
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
        <translation>el archivo termina antes de la línea 610</translation>
    </message>
    <message>
        <source>line 1 (the header) is not 32 characters</source>
        <translation>la línea 1 (la cabecera) no tiene 32 caracteres</translation>
    </message>
    <message>
        <source>line %1 is not 64 characters</source>
        <translation>la línea %1 no tiene 64 caracteres</translation>
    </message>
    <message>
        <source>line 610 (the end line) is not 32 characters</source>
        <translation>la línea 610 (la línea final) no tiene 32 caracteres</translation>
    </message>
    <message>
        <source>unknown header</source>
        <translation>cabecera desconocida</translation>
    </message>
    <message>
        <source>wrong end line</source>
        <translation>línea final errónea</translation>
    </message>
    <message>
        <source>a setting is beyond its list</source>
        <translation>un ajuste está fuera de su lista</translation>
    </message>
    <message>
        <source>%1 has no valid mode</source>
        <translation>%1 no tiene un modo válido</translation>
    </message>
    <message>
        <source>channel line %1 has no valid mode</source>
        <translation>la línea de canal %1 no tiene un modo válido</translation>
    </message>
</context>
<context>
    <name>CsvChirpFiles</name>
    <message>
        <source>CHIRP CSV has no VFOs</source>
        <translation>El CSV de CHIRP no tiene VFO</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>línea 1</translation>
    </message>
    <message>
        <source>the first line has no such column: nothing is taken</source>
        <translation>la primera línea no tiene esa columna: no se toma nada</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>“%1” is not a channel number 0 to 603</source>
        <translation>«%1» no es un número de canal de 0 a 603</translation>
    </message>
    <message>
        <source>the Location came before in the file; this line is left out</source>
        <translation>esta Location ya aparece antes en el archivo; la línea se omite</translation>
    </message>
</context>
<context>
    <name>CsvChirpMapping</name>
    <message>
        <source>%1 is not carried by CHIRP CSV</source>
        <translation>%1 no se transmite en el CSV de CHIRP</translation>
    </message>
    <message>
        <source>power code %1</source>
        <translation>código de potencia %1</translation>
    </message>
    <message>
        <source>tone byte %1</source>
        <translation>byte de tono %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>“%1” is not a frequency in MHz</source>
        <translation>«%1» no es una frecuencia en MHz</translation>
    </message>
    <message>
        <source>rounded to %1 MHz</source>
        <translation>redondeado a %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range %2</source>
        <translation>%1 MHz está fuera del margen %2</translation>
    </message>
    <message>
        <source>TSQL: the radio sends the tone but does not squelch on it</source>
        <translation>TSQL: el equipo transmite el tono pero no tiene silenciador por tono</translation>
    </message>
    <message>
        <source>DTCS: the radio has no DCS; tone off</source>
        <translation>DTCS: el equipo no tiene DCS; tono desactivado</translation>
    </message>
    <message>
        <source>Cross %1: stored as tone %2</source>
        <translation>Cross %1: guardado como tono %2</translation>
    </message>
    <message>
        <source>“%1” is not a tone mode</source>
        <translation>«%1» no es un modo de tono</translation>
    </message>
    <message>
        <source>%1 Hz: the radio sends the settings page&apos;s tone, %2 Hz</source>
        <translation>%1 Hz: el equipo transmite el tono de la página de ajustes, %2 Hz</translation>
    </message>
    <message>
        <source>the radio has no mode %1</source>
        <translation>el equipo no tiene el modo %1</translation>
    </message>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 guardado como %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>«%1» guardado como «%2»</translation>
    </message>
    <message>
        <source>P: the radio has no priority scan; not skipped</source>
        <translation>P: el equipo no tiene exploración prioritaria; no se salta</translation>
    </message>
    <message>
        <source>“%1” is not S, P or empty</source>
        <translation>«%1» no es S, P ni vacío</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps %2</source>
        <translation>%1 no es un nivel de potencia del equipo; el canal conserva %2</translation>
    </message>
    <message>
        <source>%1 is no power level of the radio; the channel keeps its power</source>
        <translation>%1 no es un nivel de potencia del equipo; el canal conserva su potencia</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the range %2</source>
        <translation>la frecuencia de transmisión %1 MHz está fuera del margen %2</translation>
    </message>
    <message>
        <source>off: the radio cannot forbid sending; stored as simplex</source>
        <translation>off: el equipo no puede prohibir la transmisión; guardado como símplex</translation>
    </message>
    <message>
        <source>“%1” is not +, -, split, off or empty</source>
        <translation>«%1» no es +, -, split, off ni vacío</translation>
    </message>
    <message>
        <source>Cross without a CrossMode: stored as tone %1</source>
        <translation>Cross sin CrossMode: guardado como tono %1</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Layout of the CSV file:</source>
        <translation>Formato del archivo CSV:</translation>
    </message>
    <message>
        <source>Exported to %1, %2</source>
        <translation>Exportado a %1, %2</translation>
    </message>
    <message>
        <source>%1 channels written to %2. %3 values are not carried by CHIRP CSV:</source>
        <translation>%1 canales escritos en %2. %3 valores no se transmiten en el CSV de CHIRP:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: it is this program&apos;s export in the original layout, whose columns the import reads as another vocabulary. Export in the full layout to bring channels back.</source>
        <translation>No se tomó nada de %1: es una exportación de este programa en el formato original, cuyas columnas la importación lee de otra manera. Exporte en el formato completo para recuperar canales.</translation>
    </message>
    <message>
        <source>Imported %1 records, %2 dropped</source>
        <translation>%1 registros importados, %2 descartados</translation>
    </message>
    <message>
        <source>Nothing was taken from %1: %2</source>
        <translation>No se tomó nada de %1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs changed.</source>
        <translation>%1, %2: %3 líneas tomadas, %4 de ellas con cambios; %5 líneas rechazadas; %6 canales y VFO cambiados.</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>the file holds no line with text</source>
        <translation>el archivo no contiene ninguna línea con texto</translation>
    </message>
    <message>
        <source>its first line “%1” names no layout: expected “KT-M40 full CSV” first (full layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), separated by commas, semicolons or TABs</source>
        <translation>su primera línea «%1» no indica ningún formato: se esperaba «KT-M40 full CSV» al principio (formato completo), una columna Location (CSV de CHIRP) o «MODEL» al principio (formato original), separados por comas, puntos y coma o tabuladores</translation>
    </message>
    <message>
        <source>; the names are there, but not separated by a comma, semicolon or TAB</source>
        <translation>; los nombres están, pero no separados por coma, punto y coma o tabulador</translation>
    </message>
    <message>
        <source>; it has a Frequency column but no Location column</source>
        <translation>; tiene una columna Frequency pero ninguna columna Location</translation>
    </message>
</context>
<context>
    <name>CsvFullImport</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>“%1” is not a frequency</source>
        <translation>«%1» no es una frecuencia</translation>
    </message>
    <message>
        <source>“%1” is not one of %2</source>
        <translation>«%1» no es ninguno de %2</translation>
    </message>
    <message>
        <source>“%1” is longer than 8 characters</source>
        <translation>«%1» tiene más de 8 caracteres</translation>
    </message>
    <message>
        <source>the radio cannot store “%1”</source>
        <translation>el equipo no puede guardar «%1»</translation>
    </message>
    <message>
        <source>“%1” is not a code such as Gain=7</source>
        <translation>«%1» no es un código como Gain=7</translation>
    </message>
    <message>
        <source>a VFO has no such field</source>
        <translation>un VFO no tiene ese campo</translation>
    </message>
    <message>
        <source>“%1” is not empty or Skip</source>
        <translation>«%1» no está vacío ni es Skip</translation>
    </message>
    <message>
        <source>%1=%2 left out: the text now says %3</source>
        <translation>%1=%2 omitido: el texto dice ahora %3</translation>
    </message>
    <message>
        <source>line 1</source>
        <translation>línea 1</translation>
    </message>
    <message>
        <source>the file names %1; the image keeps %2</source>
        <translation>el archivo indica %1; la imagen conserva %2</translation>
    </message>
    <message>
        <source>line 2</source>
        <translation>línea 2</translation>
    </message>
    <message>
        <source>the title line has no such column: nothing is taken</source>
        <translation>la línea de títulos no tiene esa columna: no se toma nada</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>“%1” is no row of the grids</source>
        <translation>«%1» no es una fila de las tablas</translation>
    </message>
    <message>
        <source>the row came before in the file; this line is left out</source>
        <translation>la fila ya aparece antes en el archivo; esta línea se omite</translation>
    </message>
    <message>
        <source>“%1” rounded to %2</source>
        <translation>«%1» redondeado a %2</translation>
    </message>
    <message>
        <source>“%1” stored as “%2”</source>
        <translation>«%1» guardado como «%2»</translation>
    </message>
</context>
<context>
    <name>CsvImportReport</name>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>no transmitido</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: the line is left out and reading goes on with the next line</source>
        <translation>unas comillas abiertas en la línea %1 siguen abiertas al final de la línea %2, donde %3 no puede continuar: se omite la línea y la lectura sigue con la siguiente</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Original layout (18 columns, VFOs and channels 0-199)</source>
        <translation>Formato original (18 columnas, VFO y canales 0-199)</translation>
    </message>
    <message>
        <source>Full layout (all 604 channels and both VFOs, lossless)</source>
        <translation>Formato completo (los 604 canales y ambos VFO, sin pérdidas)</translation>
    </message>
    <message>
        <source>CHIRP CSV (channels for other programs)</source>
        <translation>CSV de CHIRP (canales para otros programas)</translation>
    </message>
    <message>
        <source>original layout</source>
        <translation>formato original</translation>
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
        <translation>Configuración del puerto COM</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Otro puerto:</translation>
    </message>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Equipo virtual (demo)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Find the radio</source>
        <translation>Buscar el equipo</translation>
    </message>
    <message>
        <source>Ask each listed port, USB ports first, for the radio&apos;s identification and choose the one that answers</source>
        <translation>Preguntar a cada puerto de la lista, primero los USB, por la identificación del equipo y elegir el que responda</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Preguntando a %1 ...</translation>
    </message>
    <message>
        <source>%1 skipped: %2</source>
        <translation>%1 omitido: %2</translation>
    </message>
    <message>
        <source>No port answered as the radio.</source>
        <translation>Ningún puerto respondió como el equipo.</translation>
    </message>
    <message>
        <source>The radio (%1) answered on %2: chosen (OK keeps it).</source>
        <translation>El equipo (%1) respondió en %2: elegido (OK lo guarda).</translation>
    </message>
    <message>
        <source>How often a block read or write whose reply was refused is sent again (0: never, every exchange once)</source>
        <translation>Cuántas veces se reenvía una lectura o escritura de bloque cuya respuesta fue rechazada (0: nunca, cada intercambio una vez)</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Reintentos:</translation>
    </message>
    <message>
        <source>Kept as %1, the same after replugging</source>
        <translation>Guardado como %1, igual tras volver a conectar</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>Se detuvo la búsqueda.</translation>
    </message>
</context>
<context>
    <name>DlgFind</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>By n&amp;ame (any part)</source>
        <translation>Por &amp;nombre (cualquier parte)</translation>
    </message>
    <message>
        <source>By &amp;frequency (7.050.000, 7.05 or 7050000)</source>
        <translation>Por &amp;frecuencia (7.050.000, 7.05 o 7050000)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DlgModify</name>
    <message>
        <source>Modify </source>
        <translation>Modificar </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Split Frequency</source>
        <translation>Frecuencia split</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
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
        <source>Frequency</source>
        <translation>Frecuencia</translation>
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
        <translation>Ganancia RF</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Noise Blanker</source>
        <translation>Supresor de ruido</translation>
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
        <translation>Asignar campo</translation>
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
        <source>&amp;Field</source>
        <translation>&amp;Campo</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <source>On the %1 selected rows (empty channels stay empty):</source>
        <translation>En las %1 filas seleccionadas (los canales vacíos siguen vacíos):</translation>
    </message>
    <message>
        <source>On the selected row (an empty channel stays empty):</source>
        <translation>En la fila seleccionada (un canal vacío sigue vacío):</translation>
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
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>Modificar %1</translation>
    </message>
    <message>
        <source>Model %1</source>
        <translation>Modelo %1</translation>
    </message>
    <message>
        <source>Setting %1</source>
        <translation>Ajuste %1</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copiado(s)</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortar %1</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 cortado(s)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Pegar %1</translation>
    </message>
    <message>
        <source>%1 pasted from row %2</source>
        <translation>%1 pegado(s) desde la fila %2</translation>
    </message>
    <message>
        <source>Set Field</source>
        <translation>Asignar campo</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>Asignar %1 a %2</translation>
    </message>
    <message>
        <source>%1 set to %2: %3 changed</source>
        <translation>%1 puesto a %2: %3 cambiado(s)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort %1 by frequency</source>
        <translation>Ordenar %1 por frecuencia</translation>
    </message>
    <message>
        <source>Sort %1 by name</source>
        <translation>Ordenar %1 por nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>«%1» no encontrado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found.</source>
        <translation>«%1» no encontrado.</translation>
    </message>
    <message>
        <source>Found at row %1</source>
        <translation>Encontrado en la fila %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>No se ha pegado nada</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>No se ha cambiado nada</translation>
    </message>
    <message>
        <source>Nothing sorted</source>
        <translation>No se ha ordenado nada</translation>
    </message>
    <message>
        <source>%1 sorted by frequency</source>
        <translation>%1 ordenados por frecuencia</translation>
    </message>
    <message>
        <source>%1 sorted by name</source>
        <translation>%1 ordenados por nombre</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About Korvan Clone Utility</source>
        <translation>Acerca de Korvan Clone Utility</translation>
    </message>
    <message>
        <source>Version 0.10.00 Beta</source>
        <translation>Versión 0.10.00 beta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved.</source>
        <translation>Copyright (C) 2026 Korvan Radio Co., Ltd. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Warning: This computer program is protected by copyright law and international
treaties. Unauthorized reproduction or distribution of this program, or any
portion of it, may result in severe civil and criminal penalties, and will be
prosecuted to the maximum extent possible under the law.</source>
        <translation>Advertencia: este programa está protegido por las leyes de propiedad intelectual
y los tratados internacionales. La reproducción o distribución no autorizada de este
programa, o de cualquier parte de él, puede acarrear graves sanciones civiles y
penales, y será perseguida con el máximo rigor que permita la ley.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Printed %1 page(s)</source>
        <translation>%1 página(s) impresa(s)</translation>
    </message>
    <message>
        <source>Printed %1 page(s) to %2</source>
        <translation>%1 página(s) impresa(s) en %2</translation>
    </message>
    <message>
        <source>A transfer with the radio is under way.<byte value="xd"/>
Wait until it has ended, then close the window.</source>
        <translation>Hay una transferencia con el equipo en curso.<byte value="xd"/>
Espere a que termine y cierre después la ventana.</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Changes(&amp;C)</source>
        <translation>&amp;Cambios</translation>
    </message>
    <message>
        <source>Read the radio, keep it as a backup, write only what differs and check it</source>
        <translation>Leer el equipo, guardarlo como copia de seguridad, escribir solo lo que difiere y comprobarlo</translation>
    </message>
    <message>
        <source>Verify(&amp;V)</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Read the radio back and compare it with the window&apos;s data</source>
        <translation>Volver a leer el equipo y compararlo con los datos de la ventana</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select All(&amp;L)</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Set Field(&amp;S)...</source>
        <translation>&amp;Asignar campo...</translation>
    </message>
    <message>
        <source>Sort Selection(&amp;O)</source>
        <translation>Orde&amp;nar selección</translation>
    </message>
    <message>
        <source>By Frequency(&amp;F)</source>
        <translation>Por &amp;frecuencia</translation>
    </message>
    <message>
        <source>By Name(&amp;N)</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>The window speaks %1 from its next start.</source>
        <translation>La ventana hablará %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Clear Menu(&amp;C)</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>%1 is no longer there. It has been taken off the recent files.</source>
        <translation>%1 ya no existe. Se ha quitado de la lista de archivos recientes.</translation>
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
        <translation>Abrir la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Unsaved work kept: %1</source>
        <translation>Trabajo sin guardar conservado: %1</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Insert %1</source>
        <translation>Insertar %1</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>ELIMINAR OK</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>BORRAR OK</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This step can be undone with Edit &gt; Undo.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Este paso se puede deshacer con Edición &gt; Deshacer.</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Memorys</source>
        <translation>Canales de memoria</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canales de memoria</translation>
    </message>
    <message>
        <source>One row per channel; Enter edits the current row</source>
        <translation>Una fila por canal; Intro edita la fila actual</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Leer memoria</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>Escribir memoria</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Communication Error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>Error del puerto COM</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>¿Guardar los cambios de los ajustes?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>The frequency is outside the range. </source>
        <translation>La frecuencia está fuera del margen. </translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Memory channels (%1 of %2 used)</source>
        <translation>Canales de memoria (%1 de %2 ocupados)</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>Ningún canal está ocupado.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>Retries: %1</source>
        <translation>Reintentos: %1</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1: in use by another program (usually the desktop program kt-m40, which keeps its port open while it runs: close it or choose another port)</source>
        <translation>%1: en uso por otro programa (normalmente el programa de escritorio kt-m40, que mantiene su puerto abierto mientras se ejecuta: ciérrelo o elija otro puerto)</translation>
    </message>
    <message>
        <source>%1: %2 (the port belongs to the group &apos;%3&apos;: join it with &apos;sudo usermod -aG %3 $USER&apos;, then log in again)</source>
        <translation>%1: %2 (el puerto pertenece al grupo &apos;%3&apos;: únase con &apos;sudo usermod -aG %3 $USER&apos; y vuelva a iniciar sesión)</translation>
    </message>
    <message>
        <source>%1: %2 (your user may not use this port)</source>
        <translation>%1: %2 (su usuario no puede usar este puerto)</translation>
    </message>
    <message>
        <source>%1: disconnected (the cable or adapter was unplugged, or the line hung up)</source>
        <translation>%1: desconectado (se desenchufó el cable o el adaptador, o se colgó la línea)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>an ordinary file</source>
        <translation>un archivo normal</translation>
    </message>
    <message>
        <source>not a device</source>
        <translation>no es un dispositivo</translation>
    </message>
    <message>
        <source>%1: not a serial port (%2)</source>
        <translation>%1: no es un puerto serie (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsLists</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>RIT / TXIT</source>
        <translation>RIT / TXIT</translation>
    </message>
    <message>
        <source>Key Speed(WPM)</source>
        <translation>Velocidad (WPM)</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Dial Lock</source>
        <translation>Bloqueo dial</translation>
    </message>
    <message>
        <source>SSB Step</source>
        <translation>Paso SSB</translation>
    </message>
    <message>
        <source>AM Step</source>
        <translation>Paso AM</translation>
    </message>
    <message>
        <source>FM Step</source>
        <translation>Paso FM</translation>
    </message>
    <message>
        <source>Memory Protection</source>
        <translation>Protección memoria</translation>
    </message>
    <message>
        <source>Memory Access</source>
        <translation>Acceso memoria</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Tiempo de exploración</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Auto USB/LSB</source>
        <translation>USB/LSB auto</translation>
    </message>
    <message>
        <source>TXIT Enable</source>
        <translation>Habilitar TXIT</translation>
    </message>
    <message>
        <source>Electronic Keyer</source>
        <translation>Manip. electrónico</translation>
    </message>
    <message>
        <source>Key Paddle</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Revers</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Tono lateral</translation>
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
        <translation>Frecuencia de tono</translation>
    </message>
    <message>
        <source>Speech Compressor</source>
        <translation>Compresor</translation>
    </message>
    <message>
        <source>PTT Lock</source>
        <translation>Bloqueo PTT</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo de exploración</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Search Range</source>
        <translation>Margen de búsqueda</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Skip exploración</translation>
    </message>
    <message>
        <source>No Skip</source>
        <translation>Sin skip</translation>
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
        <translation>Relación punto/raya</translation>
    </message>
    <message>
        <source>Up Down Key</source>
        <translation>Teclas arriba/abajo</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>Func Key Resume</source>
        <translation>Retorno tecla Func</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Selección automática</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Leer ajustes</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>Escribir ajustes</translation>
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
        <translation>VFO A y VFO B; Intro edita la fila actual</translation>
    </message>
    <message>
        <source>Settings 1</source>
        <translation>Ajustes 1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>Con&amp;figurar página...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>Configuración del puerto &amp;COM...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>&amp;Memoria</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>&amp;Todo</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>%1  %2: window %3, radio %4</source>
        <translation>%1  %2: ventana %3, equipo %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>No port to open</source>
        <translation>No hay puerto que abrir</translation>
    </message>
    <message>
        <source>Written to the radio in %1</source>
        <translation>Escrito en el equipo en %1</translation>
    </message>
    <message>
        <source>The radio answered in %1</source>
        <translation>El equipo respondió en %1</translation>
    </message>
    <message>
        <source>Read from the radio in %1. </source>
        <translation>Leído del equipo en %1. </translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Copia de seguridad guardada: %1</translation>
    </message>
    <message>
        <source>No backup saved: %1</source>
        <translation>No se guardó ninguna copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Verify: the radio holds what Write would send</source>
        <translation>Verificar: el equipo contiene lo que Escribir enviaría</translation>
    </message>
    <message>
        <source>The radio holds what Write would send.</source>
        <translation>El equipo contiene lo que Escribir enviaría.</translation>
    </message>
    <message>
        <source>Verify: %1 difference(s)</source>
        <translation>Verificar: %1 diferencia(s)</translation>
    </message>
    <message>
        <source>%1 difference(s) between the window and the radio:</source>
        <translation>%1 diferencia(s) entre la ventana y el equipo:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>El equipo no contiene lo que se escribió:</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 of %2 records, %3 elapsed, %4 left</source>
        <translation>%1 de %2 registros, %3 transcurridos, quedan %4</translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>Read ALL</source>
        <translation>Leer todo</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>Leer memoria</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Leer ajustes</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Selección automática</translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>the reply to the %1 begins with &apos;%2&apos;, the echo of another command: a late answer or an earlier run&apos;s reply</source>
        <translation>la respuesta a %1 empieza por &apos;%2&apos;, el eco de otra orden: una respuesta tardía o de una ejecución anterior</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>No backup saved: %1</source>
        <translation>No se guardó ninguna copia de seguridad: %1</translation>
    </message>
</context>
<context>
    <name>WriteChanges</name>
    <message>
        <source>%1 records differed, %2 written, all verified</source>
        <translation>%1 registros eran distintos, %2 escritos, todos verificados</translation>
    </message>
    <message>
        <source>%1 records differed, %2 written, %3 differ after writing</source>
        <translation>%1 registros eran distintos, %2 escritos, %3 difieren tras la escritura</translation>
    </message>
</context>
<context>
    <name>WriteChangesProgress</name>
    <message>
        <source>Write Changes: reading %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Escribir cambios: leyendo %1 de %2 registros, %3 transcurridos, quedan %4</translation>
    </message>
    <message>
        <source>Write Changes: writing %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Escribir cambios: escribiendo %1 de %2 registros, %3 transcurridos, quedan %4</translation>
    </message>
    <message>
        <source>Write Changes: checking %1 of %2 records, %3 elapsed, %4 left</source>
        <translation>Escribir cambios: comprobando %1 de %2 registros, %3 transcurridos, quedan %4</translation>
    </message>
</context>
</TS>
