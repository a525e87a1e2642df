<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ChannelTable</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset / Tx</source>
        <translation>Ablage / TX</translation>
    </message>
    <message>
        <source>Tone Mode</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FM schmal</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>CsvChannels</name>
    <message>
        <source>%1 channel exported.</source>
        <translation>%1 Kanal exportiert.</translation>
    </message>
    <message>
        <source>%1 channels exported.</source>
        <translation>%1 Kanäle exportiert.</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a frequency in MHz</source>
        <translation>Frequenz „%1“ ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside the band</source>
        <translation>Frequenz %1 MHz liegt außerhalb des Bandes</translation>
    </message>
    <message>
        <source>frequency %1 MHz moved to %2 MHz to fit the band and step</source>
        <translation>Frequenz %1 MHz passend zu Band und Raster auf %2 MHz geändert</translation>
    </message>
    <message>
        <source>no transmit frequency</source>
        <translation>keine Sendefrequenz</translation>
    </message>
    <message>
        <source>transmit frequency &quot;%1&quot; is not a frequency in MHz</source>
        <translation>Sendefrequenz „%1“ ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>transmit frequency %1 MHz is outside the band</source>
        <translation>Sendefrequenz %1 MHz liegt außerhalb des Bandes</translation>
    </message>
    <message>
        <source>transmit frequency %1 MHz moved to %2 MHz to fit the band and step</source>
        <translation>Sendefrequenz %1 MHz passend zu Band und Raster auf %2 MHz geändert</translation>
    </message>
    <message>
        <source>receive-only channels (duplex &quot;off&quot;) cannot be stored</source>
        <translation>Nur-Empfangs-Kanäle (Duplex „off“) können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>duplex &quot;%1&quot; is not known</source>
        <translation>Duplex „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not a frequency in MHz</source>
        <translation>Ablage „%1“ ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>offset %1 MHz stored as %2 MHz</source>
        <translation>Ablage %1 MHz als %2 MHz gespeichert</translation>
    </message>
    <message>
        <source>step %1 kHz replaced by %2 kHz</source>
        <translation>Raster %1 kHz durch %2 kHz ersetzt</translation>
    </message>
    <message>
        <source>tone %1 Hz is not offered</source>
        <translation>Ton %1 Hz ist nicht verfügbar</translation>
    </message>
    <message>
        <source>tone squelch %1 Hz is not offered</source>
        <translation>Tonsquelch %1 Hz ist nicht verfügbar</translation>
    </message>
    <message>
        <source>DCS polarity %1 cannot be stored</source>
        <translation>DCS-Polarität %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>DCS code %1 is not offered</source>
        <translation>DCS-Code %1 ist nicht verfügbar</translation>
    </message>
    <message>
        <source>tone mode &quot;%1&quot; cannot be stored</source>
        <translation>Tonart „%1“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>mode %1 cannot be stored</source>
        <translation>Betriebsart %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>priority scan mark not kept</source>
        <translation>Prioritätsmarkierung nicht übernommen</translation>
    </message>
    <message>
        <source>skip &quot;%1&quot; ignored</source>
        <translation>Skip „%1“ ignoriert</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; not kept: no names with %2 channels</source>
        <translation>Name „%1“ nicht übernommen: bei %2 Kanälen gibt es keine Namen</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>Name „%1“ als „%2“ gespeichert</translation>
    </message>
    <message>
        <source>no free channel after the previous line</source>
        <translation>kein freier Kanal nach der vorigen Zeile</translation>
    </message>
    <message>
        <source>location &quot;%1&quot; is not a channel number</source>
        <translation>Location „%1“ ist keine Kanalnummer</translation>
    </message>
    <message>
        <source>location %1 is beyond the last channel (%2)</source>
        <translation>Location %1 liegt hinter dem letzten Kanal (%2)</translation>
    </message>
    <message>
        <source>%1 more line was adjusted or skipped; the first %2 are listed.</source>
        <translation>%1 weitere Zeile wurde angepasst oder übersprungen; die ersten %2 sind aufgeführt.</translation>
    </message>
    <message>
        <source>%1 more lines were adjusted or skipped; the first %2 are listed.</source>
        <translation>%1 weitere Zeilen wurden angepasst oder übersprungen; die ersten %2 sind aufgeführt.</translation>
    </message>
    <message>
        <source>Power, Comment and digital voice columns are not kept by the transceiver&apos;s memory channels; they were ignored.</source>
        <translation>Die Spalten Power und Comment sowie die Digital-Voice-Spalten werden in den Speicherkanälen des Transceivers nicht gespeichert; sie wurden ignoriert.</translation>
    </message>
    <message>
        <source>replaces line %1</source>
        <translation>ersetzt Zeile %1</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>beat shift</source>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>Senderaster</translation>
    </message>
    <message>
        <source>Line %1: skipped, %2.</source>
        <translation>Zeile %1: übersprungen, %2.</translation>
    </message>
    <message>
        <source>Line %1, channel %2: %3.</source>
        <translation>Zeile %1, Kanal %2: %3.</translation>
    </message>
    <message>
        <source>Channel %1: %2 not carried by the CSV layout.</source>
        <translation>Kanal %1: %2 im CSV-Format nicht übertragbar.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>%1 channel imported</source>
        <translation>%1 Kanal importiert</translation>
    </message>
    <message>
        <source>%1 channels imported</source>
        <translation>%1 Kanäle importiert</translation>
    </message>
    <message>
        <source>%1 adjusted</source>
        <translation>%1 angepasst</translation>
    </message>
    <message>
        <source>%1 line skipped</source>
        <translation>%1 Zeile übersprungen</translation>
    </message>
    <message>
        <source>%1 lines skipped</source>
        <translation>%1 Zeilen übersprungen</translation>
    </message>
    <message>
        <source>%1 channel pasted</source>
        <translation>%1 Kanal eingefügt</translation>
    </message>
    <message>
        <source>%1 channels pasted</source>
        <translation>%1 Kanäle eingefügt</translation>
    </message>
    <message>
        <source>%1 row skipped</source>
        <translation>%1 Zeile übersprungen</translation>
    </message>
    <message>
        <source>%1 rows skipped</source>
        <translation>%1 Zeilen übersprungen</translation>
    </message>
    <message>
        <source>%1 emptied</source>
        <translation>%1 geleert</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4.</source>
        <translation>%1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>no channel left to paste into</source>
        <translation>kein Kanal mehr frei zum Einfügen</translation>
    </message>
    <message>
        <source>frequency %1 stored as %2</source>
        <translation>Frequenz %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>frequency %1 not kept</source>
        <translation>Frequenz %1 nicht übernommen</translation>
    </message>
    <message>
        <source>shift %1 stored as %2</source>
        <translation>Ablagerichtung %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>shift %1 not kept</source>
        <translation>Ablagerichtung %1 nicht übernommen</translation>
    </message>
    <message>
        <source>offset / Tx %1 stored as %2</source>
        <translation>Ablage / TX %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>offset / Tx %1 not kept</source>
        <translation>Ablage / TX %1 nicht übernommen</translation>
    </message>
    <message>
        <source>tone mode %1 stored as %2</source>
        <translation>Tonart %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>tone mode %1 not kept</source>
        <translation>Tonart %1 nicht übernommen</translation>
    </message>
    <message>
        <source>tone %1 stored as %2</source>
        <translation>Ton %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>tone %1 not kept</source>
        <translation>Ton %1 nicht übernommen</translation>
    </message>
    <message>
        <source>DCS code %1 stored as %2</source>
        <translation>DCS-Code %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>DCS code %1 not kept</source>
        <translation>DCS-Code %1 nicht übernommen</translation>
    </message>
    <message>
        <source>step %1 stored as %2</source>
        <translation>Raster %1 als %2 gespeichert</translation>
    </message>
    <message>
        <source>step %1 not kept</source>
        <translation>Raster %1 nicht übernommen</translation>
    </message>
    <message>
        <source>reverse set</source>
        <translation>Reverse gesetzt</translation>
    </message>
    <message>
        <source>reverse not kept</source>
        <translation>Reverse nicht übernommen</translation>
    </message>
    <message>
        <source>beat shift set</source>
        <translation>Beat-Shift gesetzt</translation>
    </message>
    <message>
        <source>beat shift not kept</source>
        <translation>Beat-Shift nicht übernommen</translation>
    </message>
    <message>
        <source>FM narrow set</source>
        <translation>FM schmal gesetzt</translation>
    </message>
    <message>
        <source>FM narrow not kept</source>
        <translation>FM schmal nicht übernommen</translation>
    </message>
    <message>
        <source>lock-out set</source>
        <translation>Suchlaufsperre gesetzt</translation>
    </message>
    <message>
        <source>lock-out not kept</source>
        <translation>Suchlaufsperre nicht übernommen</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; not kept</source>
        <translation>Name „%1“ nicht übernommen</translation>
    </message>
    <message>
        <source>its step is not offered by this transceiver</source>
        <translation>sein Raster bietet dieses Funkgerät nicht an</translation>
    </message>
    <message>
        <source>it holds no channel</source>
        <translation>er enthält keinen Kanal</translation>
    </message>
    <message>
        <source>Copied row %1: skipped, %2.</source>
        <translation>Kopierte Zeile %1: übersprungen, %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2.</source>
        <translation>Kanal %1: %2.</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALL-Kanal</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FM schmal</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Split-Kanal</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Plus-Ablage</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Minus-Ablage</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7,6-MHz-Ablage</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>Speicherkanal</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Speicherkanalnummer</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Sendeleistung</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>TAVRIN Files(*.tvr)</source>
        <translation>TAVRIN-Dateien(*.tvr)</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDF-Dateien(*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>CSV-Dateien(*.csv)</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>&amp;Sicherung öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export Listing as PDF...</source>
        <translation>Liste als PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Memory Channel &amp;Sort...</source>
        <translation>&amp;Speicher sortieren...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>Schnittstelle &amp;wählen</translation>
    </message>
    <message>
        <source>Po&amp;rts...</source>
        <translation>&amp;Schnittstellen...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Log Communication</source>
        <translation>Kommunikation &amp;protokollieren</translation>
    </message>
    <message>
        <source>&amp;Channel Display...</source>
        <translation>&amp;Kanalanzeige...</translation>
    </message>
    <message>
        <source>&amp;Memory Channel Select...</source>
        <translation>Speicherkanal w&amp;ählen...</translation>
    </message>
    <message>
        <source>Model &amp;Select...</source>
        <translation>&amp;Modell wählen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>&amp;Sperren</translation>
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
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Channel &amp;Editor...</source>
        <translation>Kanal-E&amp;ditor...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is too large for a channel list (over 4 MiB).</source>
        <translation>Diese Datei ist für eine Kanalliste zu groß (über 4 MiB).</translation>
    </message>
    <message>
        <source>No channels could be imported from this file.</source>
        <translation>Aus dieser Datei konnten keine Kanäle importiert werden.</translation>
    </message>
    <message>
        <source>The file holds no channel list.</source>
        <translation>Die Datei enthält keine Kanalliste.</translation>
    </message>
    <message>
        <source>The file has no Frequency column, so it is not a channel list.</source>
        <translation>Die Datei hat keine Spalte „Frequency“ und ist daher keine Kanalliste.</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>The contents have been changed.
Do you want to revise the change?</source>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung übernehmen?</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Ungültige Kanalnummer.
Bitte prüfen Sie die Eingabe und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Ungültiges Zeichen.
Bitte prüfen Sie die Eingabe und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung speichern?</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please confirm the frequency and try again.</source>
        <translation>Ungültige Frequenz.
Bitte prüfen Sie die Frequenz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid offset frequency.
Please confirm the offset frequency and try again.</source>
        <translation>Ungültige Ablage.
Bitte prüfen Sie die Ablage und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The frequency has been rounded to the nearest appropriate frequency.</source>
        <translation>Die Frequenz wurde auf die nächste passende Frequenz gerundet.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Zeitüberschreitung bei der Kommunikation.</translation>
    </message>
    <message>
        <source>The transceiver is not supported with this software.
Please confirm the transceiver model name.</source>
        <translation>Dieses Funkgerät wird von dieser Software nicht unterstützt.
Bitte prüfen Sie die Modellbezeichnung des Funkgeräts.</translation>
    </message>
    <message>
        <source>The data was written, but reading it back to verify it did not complete.
The data in the transceiver was not verified.</source>
        <translation>Die Daten wurden geschrieben, aber das Zurücklesen zur Prüfung wurde nicht abgeschlossen.
Die Daten im Funkgerät wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>The data read back from the transceiver matches the data written.</source>
        <translation>Die aus dem Funkgerät zurückgelesenen Daten stimmen mit den geschriebenen Daten überein.</translation>
    </message>
    <message>
        <source>The market code selected in this software does not 
match the market code of the connected transcevier, 
If you continue to write to the transceiver, the Memory 
Channel data may not be written. 
Do you wish to continue writing?</source>
        <translation>Der in dieser Software gewählte Marktcode stimmt nicht 
mit dem Marktcode des angeschlossenen Funkgeräts überein. 
Wenn Sie weiter in das Funkgerät schreiben, werden die 
Speicherkanaldaten möglicherweise nicht geschrieben. 
Möchten Sie das Schreiben fortsetzen?</translation>
    </message>
    <message>
        <source>You changed the model.
The data will be cleared.</source>
        <translation>Sie haben das Modell gewechselt.
Die Daten werden gelöscht.</translation>
    </message>
    <message>
        <source>You are changing the total number of memory channels.
Do you want to continue? </source>
        <translation>Sie ändern die Gesamtzahl der Speicherkanäle.
Möchten Sie fortfahren? </translation>
    </message>
    <message>
        <source>The 1750 Hz tone is available only for amateur radio communications.
Other tones are not used for amateur radio communications.</source>
        <translation>Der 1750-Hz-Ton ist nur für den Amateurfunk vorgesehen.
Die anderen Töne werden im Amateurfunk nicht verwendet.</translation>
    </message>
    <message>
        <source>No default printer is configured.</source>
        <translation>Es ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <source>The selected COM port is unavailable.
Please check the COM port status.</source>
        <translation>Die gewählte COM-Schnittstelle ist nicht verfügbar.
Bitte prüfen Sie den Zustand der COM-Schnittstelle.</translation>
    </message>
    <message>
        <source>The data read back from the transceiver differs from the data written in %1 place.
The transceiver does not hold the data as written. Please write again.</source>
        <translation>Die aus dem Funkgerät zurückgelesenen Daten weichen an %1 Stelle von den geschriebenen Daten ab.
Das Funkgerät enthält die Daten nicht wie geschrieben. Bitte schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>The data read back from the transceiver differs from the data written in %1 places.
The transceiver does not hold the data as written. Please write again.</source>
        <translation>Die aus dem Funkgerät zurückgelesenen Daten weichen an %1 Stellen von den geschriebenen Daten ab.
Das Funkgerät enthält die Daten nicht wie geschrieben. Bitte schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is configured.</source>
        <translation>Der Prioritätssuchlauf kann nur eingeschaltet werden, wenn die Frequenz des PR-Kanals (Priorität) eingestellt ist.</translation>
    </message>
    <message>
        <source>Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency is configured.</source>
        <translation>Der Wetteralarm kann nur eingeschaltet werden, wenn die Frequenz des AL-Kanals (Wetteralarm) eingestellt ist.</translation>
    </message>
    <message>
        <source>Priority Scan is turned ON.
You cannot delete the PR channel frequency when Priority Scan is ON.</source>
        <translation>Der Prioritätssuchlauf ist eingeschaltet.
Solange er eingeschaltet ist, können Sie die Frequenz des PR-Kanals nicht löschen.</translation>
    </message>
    <message>
        <source>Weather Alert is turned ON.
You cannot delete the AL channel frequency when Weather Alert is ON.</source>
        <translation>Der Wetteralarm ist eingeschaltet.
Solange er eingeschaltet ist, können Sie die Frequenz des AL-Kanals nicht löschen.</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Ungültige Funktion.</translation>
    </message>
    <message>
        <source>Data has been changed.
Do you want to save the changes?</source>
        <translation>Die Daten wurden geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The %1 port is unavailable.
Please check the %1 port status.</source>
        <translation>Die Schnittstelle %1 ist nicht verfügbar.
Bitte prüfen Sie den Zustand der Schnittstelle %1.</translation>
    </message>
    <message>
        <source>Do you want to write the data to the transceiver?</source>
        <translation>Möchten Sie die Daten in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>Confirm that the transceiver has been connected to the PC.</source>
        <translation>Vergewissern Sie sich, dass das Funkgerät mit dem PC verbunden ist.</translation>
    </message>
    <message>
        <source>There is no such row.</source>
        <translation>Diese Zeile gibt es nicht.</translation>
    </message>
    <message>
        <source>The weather alert channel has no tones.</source>
        <translation>Der Wetteralarm-Kanal hat keine Töne.</translation>
    </message>
    <message>
        <source>Only the numbered channels can be locked out.</source>
        <translation>Nur die nummerierten Kanäle können gesperrt werden.</translation>
    </message>
    <message>
        <source>A split channel has no reverse.</source>
        <translation>Ein Split-Kanal hat keine Reverse-Funktion.</translation>
    </message>
    <message>
        <source>Type Yes or No.</source>
        <translation>Geben Sie Ja oder Nein ein (Yes oder No).</translation>
    </message>
    <message>
        <source>Choose Tone or CTCSS as the tone mode first.</source>
        <translation>Wählen Sie zuerst Ton oder CTCSS als Tonart.</translation>
    </message>
    <message>
        <source>Choose DCS as the tone mode first.</source>
        <translation>Wählen Sie zuerst DCS als Tonart.</translation>
    </message>
    <message>
        <source>The channel label cannot be changed.</source>
        <translation>Die Kanalbezeichnung kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>There are no memory names with %1 channels.</source>
        <translation>Bei %1 Kanälen gibt es keine Speichernamen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the choices.</source>
        <translation>„%1“ ist keine der Auswahlmöglichkeiten.</translation>
    </message>
    <message>
        <source>A memory name holds at most %1 characters.</source>
        <translation>Ein Speichername hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The transceiver now holds a mix of old and new data. Please write again.</source>
        <translation>Das Funkgerät enthält jetzt eine Mischung aus alten und neuen Daten. Bitte schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>The transceiver gave no valid reply to &quot;%1&quot; (%2) in %3 attempts.
Please check the cable and the connection.</source>
        <translation>Das Funkgerät hat auf „%1“ (%2) in %3 Versuchen keine gültige Antwort gegeben.
Bitte prüfen Sie das Kabel und die Verbindung.</translation>
    </message>
    <message>
        <source>The read was not completed: it stopped at %1.
The records from there on were not read from the transceiver.</source>
        <translation>Das Lesen wurde nicht abgeschlossen; es endete bei: %1.
Die Datensätze ab dort wurden nicht aus dem Funkgerät gelesen.</translation>
    </message>
    <message>
        <source>The write was not completed: it stopped at %1.
The transceiver now holds a mix of old and new data: %1 and the records after it may still hold the old data.
Please write again.</source>
        <translation>Das Schreiben wurde nicht abgeschlossen; es endete bei: %1.
Das Funkgerät enthält jetzt eine Mischung aus alten und neuen Daten: %1 und die folgenden Datensätze können noch die alten Daten enthalten.
Bitte schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>The transceiver refused %1 of the records written:%2
These records are not stored in the transceiver.
</source>
        <translation>Das Funkgerät hat %1 der geschriebenen Datensätze abgelehnt:%2
Diese Datensätze sind nicht im Funkgerät gespeichert.
</translation>
    </message>
    <message>
        <source>The transceiver did not confirm %1 of the records written:%2
These records may not be stored in the transceiver.
</source>
        <translation>Das Funkgerät hat %1 der geschriebenen Datensätze nicht bestätigt:%2
Diese Datensätze sind möglicherweise nicht im Funkgerät gespeichert.
</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>Name von %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMF-Speicher %1</translation>
    </message>
    <message>
        <source>the CALL channel</source>
        <translation>CALL-Kanal</translation>
    </message>
    <message>
        <source>the VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>the programmable VFO</source>
        <translation>programmierbarer VFO</translation>
    </message>
    <message>
        <source>the menu settings</source>
        <translation>Menüeinstellungen</translation>
    </message>
    <message>
        <source>the VFO mode</source>
        <translation>VFO-Modus</translation>
    </message>
    <message>
        <source>the channel count</source>
        <translation>Kanalanzahl</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>der Kommentar</translation>
    </message>
    <message>
        <source>the memory channels</source>
        <translation>die Speicherkanäle</translation>
    </message>
    <message>
        <source>the DTMF memories</source>
        <translation>die DTMF-Speicher</translation>
    </message>
    <message>
        <source>menu settings %1 to %2</source>
        <translation>Menüeinstellungen %1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>everything: the file is empty</source>
        <translation>alles: die Datei ist leer</translation>
    </message>
    <message>
        <source>everything: it starts with bytes no data file holds</source>
        <translation>alles: sie beginnt mit Bytes, die keine Datendatei enthält</translation>
    </message>
    <message>
        <source>the end of its last line</source>
        <translation>das Ende ihrer letzten Zeile</translation>
    </message>
    <message>
        <source>The data file is damaged: it lacks %1.
What it holds has been opened; check it before you save it or write it to the transceiver.</source>
        <translation>Die Datendatei ist beschädigt. Es fehlt: %1.
Was sie enthält, wurde geöffnet; prüfen Sie es, bevor Sie es speichern oder in das Funkgerät schreiben.</translation>
    </message>
    <message>
        <source>Channel %1: empty, nothing to fill down.</source>
        <translation>Kanal %1: leer, nichts zum Auffüllen.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB-Seriell-Adapter</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>%1 is not open to you: %2.</source>
        <translation>%1 ist für Sie nicht zugänglich: %2.</translation>
    </message>
    <message>
        <source>%1 are not open to you: %2.</source>
        <translation>%1 sind für Sie nicht zugänglich: %2.</translation>
    </message>
    <message>
        <source>%1 is running: it claims many USB serial cables as braille displays, and the cable&apos;s device vanishes. Unless you use a braille display, remove it: sudo apt remove brltty</source>
        <translation>%1 läuft: Es hält viele USB-Seriell-Kabel für Braillezeilen, und das Gerät des Kabels verschwindet. Wenn Sie keine Braillezeile verwenden, entfernen Sie es: sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 is running: it probes new serial devices for a modem and can hold or disturb the cable. Install the udev rule from the README that tells it to ignore the cable, or stop it: sudo systemctl disable --now ModemManager</source>
        <translation>%1 läuft: Es prüft neue serielle Geräte auf ein Modem und kann das Kabel belegen oder stören. Installieren Sie die udev-Regel aus der README, die es das Kabel übergehen lässt, oder beenden Sie es: sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>No USB serial device is present: plug the cable in. If none appears, see what the kernel says of it: sudo dmesg | tail</source>
        <translation>Kein USB-Seriell-Gerät vorhanden: Stecken Sie das Kabel ein. Erscheint keines, sehen Sie nach, was der Kernel dazu meldet: sudo dmesg | tail</translation>
    </message>
    <message>
        <source>on-board serial port</source>
        <translation>eingebaute serielle Schnittstelle</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>Pseudo-Terminal</translation>
    </message>
    <message>
        <source>available, but open in %1</source>
        <translation>verfügbar, aber geöffnet in %1</translation>
    </message>
    <message>
        <source>busy: held by %1</source>
        <translation>belegt durch %1</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>not permitted (group %1)</source>
        <translation>nicht erlaubt (Gruppe %1)</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>a udev rule must give it to you (see the README)</source>
        <translation>eine udev-Regel muss es Ihnen freigeben (siehe README)</translation>
    </message>
    <message>
        <source>you are in the group %1, but this session started before you joined: log out and back in</source>
        <translation>Sie sind in der Gruppe %1, aber diese Sitzung begann vor Ihrem Beitritt: Melden Sie sich ab und wieder an</translation>
    </message>
    <message>
        <source>join the group %1: sudo usermod -aG %1 $USER, then log out and back in</source>
        <translation>treten Sie der Gruppe %1 bei: sudo usermod -aG %1 $USER, dann ab- und wieder anmelden</translation>
    </message>
    <message>
        <source>available</source>
        <translation>verfügbar</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>nicht erlaubt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not a data file name (.tvr)</source>
        <translation>kein Datendateiname (.tvr)</translation>
    </message>
    <message>
        <source>The model name selected in this software does not 
match applicable model name in the data file.
You cannot open this file.</source>
        <translation>Der in dieser Software gewählte Modellname stimmt nicht 
mit dem Modellnamen in der Datendatei überein.
Sie können diese Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>not a data file</source>
        <translation>keine Datendatei</translation>
    </message>
    <message>
        <source>saved for another model</source>
        <translation>für ein anderes Modell gespeichert</translation>
    </message>
    <message>
        <source>a data file (.tvr) is never replaced by an export</source>
        <translation>eine Datendatei (.tvr) wird nie durch einen Export ersetzt</translation>
    </message>
    <message>
        <source>the file the output is made from</source>
        <translation>die Datei, aus der die Ausgabe entsteht</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save replaces the damaged file with what is shown now.</source>
        <translation>Beim Speichern wird die beschädigte Datei durch die jetzt angezeigten Daten ersetzt.</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept as a backup, so it has not been replaced.
Please save the data under another name.</source>
        <translation>Die beschädigte Datei kann nicht als Sicherungskopie aufbewahrt werden und wurde daher nicht ersetzt.
Bitte speichern Sie die Daten unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The data file has been changed on disk since it was opened or last saved here.
Do you want to overwrite it, save the data under another name, or cancel?</source>
        <translation>Die Datendatei wurde geändert, seit sie hier geöffnet oder zuletzt gespeichert wurde.
Möchten Sie sie überschreiben, die Daten unter einem anderen Namen speichern oder abbrechen?</translation>
    </message>
    <message>
        <source>a link in a shared folder that belongs to another user</source>
        <translation>eine Verknüpfung in einem gemeinsam genutzten Ordner, die einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Auto-Aus</translation>
    </message>
    <message>
        <source>Priority Scan/Weather Alert</source>
        <translation>Prioritätssuchlauf/Wetteralarm</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Abstimmung freigeben</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Sendesperre</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Belegtkanal-Sperre</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>Sendezeitlimit</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX bei Signal</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOX-Delay</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>Automatische Relaisablage</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750-Hz-Ton halten</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMF-Sperre</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMF halten</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMF-Tempo</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>Einschaltmeldung</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALL-Taste</translation>
    </message>
    <message>
        <source>Disable MIC PF Key</source>
        <translation>MIC-PF-Taste sperren</translation>
    </message>
    <message>
        <source>Mic Key Lock</source>
        <translation>Mikrofon-Tastensperre</translation>
    </message>
    <message>
        <source>Tone Burst Frequency</source>
        <translation>Tonruf-Frequenz</translation>
    </message>
    <message>
        <source>S-Meter Squelch</source>
        <translation>S-Meter-Squelch</translation>
    </message>
    <message>
        <source>Squelch Hang Time</source>
        <translation>Squelch-Haltezeit</translation>
    </message>
    <message>
        <source>DTMF Monitor</source>
        <translation>DTMF-Mithören</translation>
    </message>
    <message>
        <source>Auto Brightness</source>
        <translation>Automatische Helligkeit</translation>
    </message>
    <message>
        <source>Data Speed</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>is not a frequency of 10 digits</source>
        <translation>ist keine zehnstellige Frequenz</translation>
    </message>
    <message>
        <source>is outside the band %1-%2 MHz</source>
        <translation>liegt außerhalb des Bands %1-%2 MHz</translation>
    </message>
    <message>
        <source>is outside the programmable VFO range %1-%2 MHz</source>
        <translation>liegt außerhalb des Bereichs des programmierbaren VFO %1-%2 MHz</translation>
    </message>
    <message>
        <source>is not on the %1 step</source>
        <translation>liegt nicht im Raster %1</translation>
    </message>
    <message>
        <source>is not a step this model offers</source>
        <translation>ist kein Raster, das dieses Modell bietet</translation>
    </message>
    <message>
        <source>is not a shift this model offers</source>
        <translation>ist keine Ablagerichtung, die dieses Modell bietet</translation>
    </message>
    <message>
        <source>is neither 0 nor 1</source>
        <translation>ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>is not a tone of the list (00 to 41)</source>
        <translation>ist kein Ton der Liste (00 bis 41)</translation>
    </message>
    <message>
        <source>is not a DCS code of the list (000 to 103)</source>
        <translation>ist kein DCS-Code der Liste (000 bis 103)</translation>
    </message>
    <message>
        <source>is not an offset from 0.00 to 69.95 MHz in steps of 0.05 MHz</source>
        <translation>ist keine Ablage von 0,00 bis 69,95 MHz in Schritten von 0,05 MHz</translation>
    </message>
    <message>
        <source>is not a power level this model has</source>
        <translation>ist keine Sendeleistungsstufe dieses Modells</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds a character other than 0-9, A-Z, -, / and space</source>
        <translation>enthält ein anderes Zeichen als 0-9, A-Z, -, / und Leerzeichen</translation>
    </message>
    <message>
        <source>is longer than %1 keys</source>
        <translation>ist länger als %1 Tasten</translation>
    </message>
    <message>
        <source>holds a key other than 0-9, A-D, *, # and space</source>
        <translation>enthält eine andere Taste als 0-9, A-D, *, # und Leerzeichen</translation>
    </message>
    <message>
        <source>is not a range of whole MHz from %1 to %2, lower end first</source>
        <translation>ist kein Bereich ganzer MHz von %1 bis %2 mit dem unteren Ende zuerst</translation>
    </message>
    <message>
        <source>is not one of %1 to %2</source>
        <translation>ist keiner der Werte %1 bis %2</translation>
    </message>
    <message>
        <source>%1, %2: &quot;%3&quot; %4</source>
        <translation>%1, %2: „%3“ %4</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>The data cannot be written: these records break the transceiver&apos;s rules.</source>
        <translation>Die Daten können nicht geschrieben werden: Diese Datensätze verletzen die Regeln des Funkgeräts.</translation>
    </message>
    <message>
        <source>The data file holds values the transceiver does not take:%1
They have been opened unchanged; mend them in the editors before you write the data to the transceiver.</source>
        <translation>Die Datendatei enthält Werte, die das Funkgerät nicht annimmt:%1
Sie wurden unverändert geöffnet; korrigieren Sie sie in den Editoren, bevor Sie die Daten in das Funkgerät schreiben.</translation>
    </message>
    <message>
        <source>The transceiver&apos;s replies fell out of step with the requests: the answer to &quot;%1&quot; (%2) came after the next request.
Please check the cable and the connection.</source>
        <translation>Die Antworten des Funkgeräts sind gegenüber den Anfragen verrutscht: Die Antwort auf „%1“ (%2) kam erst nach der nächsten Anfrage.
Bitte prüfen Sie das Kabel und die Verbindung.</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then read again.</source>
        <translation>Bitte prüfen Sie das Kabel und die Stromversorgung des Funkgeräts und lesen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then write again.</source>
        <translation>Bitte prüfen Sie das Kabel und die Stromversorgung des Funkgeräts und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>Please check the cable and the transceiver&apos;s power, then try again.</source>
        <translation>Bitte prüfen Sie das Kabel und die Stromversorgung des Funkgeräts und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The write stopped at %1, before any record was written.</source>
        <translation>Das Schreiben endete bei: %1, bevor ein Datensatz geschrieben wurde.</translation>
    </message>
    <message>
        <source>The read stopped at %1, before any record was read.</source>
        <translation>Das Lesen endete bei: %1, bevor ein Datensatz gelesen wurde.</translation>
    </message>
    <message>
        <source>the VOX setting</source>
        <translation>VOX-Einstellung</translation>
    </message>
    <message>
        <source>Some records were not confirmed by the transceiver, and reading the data back to verify it did not complete.
The data in the transceiver was not verified.</source>
        <translation>Einige Datensätze wurden vom Funkgerät nicht bestätigt, und das Zurücklesen zur Prüfung wurde nicht abgeschlossen.
Die Daten im Funkgerät wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>the market code</source>
        <translation>Marktcode</translation>
    </message>
    <message>
        <source>the band</source>
        <translation>Frequenzband</translation>
    </message>
    <message>
        <source>Nothing was pasted: line %1 of the clipboard text %2. Rows are pasted with a line naming their columns over them, or without one in the columns Copy writes: Location, Name, Frequency, Duplex, Offset and the rest, separated by tabs.</source>
        <translation>Nichts wurde eingefügt: Zeile %1 des Textes in der Zwischenablage %2. Zeilen werden mit einer Kopfzeile eingefügt, die ihre Spalten benennt, oder ohne sie in den Spalten, die Kopieren schreibt: Location, Name, Frequency, Duplex, Offset und die übrigen, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>has no tabs between its columns</source>
        <translation>hat keine Tabulatoren zwischen den Spalten</translation>
    </message>
    <message>
        <source>has %1 columns, fewer than Location, Name and Frequency</source>
        <translation>hat %1 Spalten, weniger als Location, Name und Frequency</translation>
    </message>
    <message>
        <source>has %1 columns, more than the %2 Copy writes</source>
        <translation>hat %1 Spalten, mehr als die %2, die Kopieren schreibt</translation>
    </message>
    <message>
        <source>has no channel number in its first column (Location)</source>
        <translation>hat keine Kanalnummer in der ersten Spalte (Location)</translation>
    </message>
    <message>
        <source>has no frequency in MHz in its third column (Frequency)</source>
        <translation>hat keine Frequenz in MHz in der dritten Spalte (Frequency)</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows to paste.</source>
        <translation>Die Zwischenablage enthält keine Kanalzeilen zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard text is too long to be channel rows; nothing was pasted.</source>
        <translation>Der Text in der Zwischenablage ist zu lang für Kanalzeilen; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>No channel could be pasted from the clipboard.</source>
        <translation>Aus der Zwischenablage konnte kein Kanal eingefügt werden.</translation>
    </message>
    <message>
        <source>A memory name takes only the letters A to Z, the digits 0 to 9, the space, &quot;-&quot; and &quot;/&quot;.</source>
        <translation>Ein Speichername nimmt nur die Buchstaben A bis Z, die Ziffern 0 bis 9, das Leerzeichen, „-“ und „/“ an.</translation>
    </message>
    <message>
        <source>The clipboard holds no channels to paste.</source>
        <translation>Die Zwischenablage enthält keine Kanäle zum Einfügen.</translation>
    </message>
    <message>
        <source>The channels on the clipboard are damaged; nothing was pasted.</source>
        <translation>Die Kanäle in der Zwischenablage sind beschädigt; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>Insert also moves %1 channels the filter hides.
Do you want to insert the channel?</source>
        <translation>Einfügen verschiebt auch %1 Kanäle, die der Filter ausblendet.
Möchten Sie den Kanal einfügen?</translation>
    </message>
    <message>
        <source>The move also changes %1 channels the filter hides.
Do you want to move?</source>
        <translation>Das Verschieben ändert auch %1 Kanäle, die der Filter ausblendet.
Möchten Sie verschieben?</translation>
    </message>
    <message>
        <source>The user guide is not installed. TAVRIN looked for it in:</source>
        <translation>Das Benutzerhandbuch ist nicht installiert. TAVRIN hat hier danach gesucht:</translation>
    </message>
    <message>
        <source>&amp;Ports...</source>
        <translation>&amp;Schnittstellen...</translation>
    </message>
    <message>
        <source>This data file no longer exists. It has been removed from Open Recent.</source>
        <translation>Diese Datendatei gibt es nicht mehr. Sie wurde aus „Zuletzt geöffnet“ entfernt.</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>By-id</source>
        <translation>By-id</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Tx Freq.</source>
        <translation>Sendefr.</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Programmable VFO</source>
        <translation>Programmierbarer VFO</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About TAVRIN</source>
        <translation>Über TAVRIN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCDisplayForm</name>
    <message>
        <source>Channel Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>Channel Display Protect</source>
        <translation>Kanalanzeige schützen</translation>
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
<context>
    <name>TCallForm</name>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>TChannelGrids</name>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>&amp;Speicherkanal</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>&amp;CALL-Kanal</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>&amp;DTMF-Speicher</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> Band</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> Frequenz</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> RX(TX)-Freq.</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> DTMF-Code</translation>
    </message>
</context>
<context>
    <name>TChannelsPage</name>
    <message>
        <source>The last channel is in use; nothing was inserted.</source>
        <translation>Der letzte Kanal ist belegt; es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Channels are inserted among the numbered channels only.</source>
        <translation>Kanäle werden nur zwischen den nummerierten Kanälen eingefügt.</translation>
    </message>
    <message>
        <source>Only the numbered channels move, and not past the first or the last one.</source>
        <translation>Nur die nummerierten Kanäle lassen sich verschieben, und nicht über den ersten oder letzten hinaus.</translation>
    </message>
    <message>
        <source>Select two or more rows: the first one&apos;s value is copied into the others.</source>
        <translation>Wählen Sie zwei oder mehr Zeilen: Der Wert der ersten wird in die anderen kopiert.</translation>
    </message>
    <message>
        <source>Filter: name, frequency or band (430-440)</source>
        <translation>Filter: Name, Frequenz oder Band (430-440)</translation>
    </message>
    <message>
        <source>U&amp;sed only</source>
        <translation>Nur bele&amp;gte</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>Fill &amp;Down</source>
        <translation>Nach unten fü&amp;llen</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>&amp;Sperren</translation>
    </message>
</context>
<context>
    <name>TDtmfForm</name>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
</context>
<context>
    <name>TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TExchangeForm</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFrequencyGroup</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>TAVRIN Help</source>
        <translation>TAVRIN-Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Left)</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vor (Alt+Right)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Find (Enter: next)</source>
        <translation>Suchen (Enter: weiter)</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Im &amp;Browser öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>„%1“ kommt auf dieser Seite nicht vor.</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Seite ist %1</translation>
    </message>
</context>
<context>
    <name>TMChannelForm</name>
    <message>
        <source>Memory Channel Select</source>
        <translation>Anzahl der Speicherkanäle</translation>
    </message>
    <message>
        <source>&amp;50 channels</source>
        <translation>&amp;50 Kanäle</translation>
    </message>
    <message>
        <source>&amp;100 channels</source>
        <translation>&amp;100 Kanäle</translation>
    </message>
    <message>
        <source>&amp;200 channels</source>
        <translation>&amp;200 Kanäle</translation>
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
<context>
    <name>TMainForm</name>
    <message>
        <source>The language changes when TAVRIN is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von TAVRIN.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>Speiche&amp;r</translation>
    </message>
    <message>
        <source>Ch&amp;annels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>Me&amp;nu</source>
        <translation>Me&amp;nü</translation>
    </message>
    <message>
        <source>Menu&amp;1</source>
        <translation>Menü&amp;1</translation>
    </message>
    <message>
        <source>Menu&amp;2</source>
        <translation>Menü&amp;2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>TMemoryForm</name>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>TMenuPages</name>
    <message>
        <source>&amp;Scan/Weather</source>
        <translation>&amp;Suchlauf/Wetter</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchlauf</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>1750Hz Tone</source>
        <translation>1750-Hz-Ton</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Stro&amp;m</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Auto-Aus</translation>
    </message>
    <message>
        <source>Priority Scan</source>
        <translation>Prioritätssuchlauf</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetteralarm</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Fortsetzung</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Abstimmung freigeben</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation>R&amp;X/TX</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>Sendezeitlimit</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Sendesperre</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Belegtkanal-Sperre</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>&amp;VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX bei Signal</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOX-Delay</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Re&amp;lais</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>Automatische Relaisablage</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750-Hz-Ton halten</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALL-Taste</translation>
    </message>
    <message>
        <source>Tone Burst Frequency</source>
        <translation>Tonruf-Frequenz</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMF-Sperre</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMF halten</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMF-Tempo</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>S&amp;onstiges</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>Einschaltmeldung</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Disable MIC PF Key</source>
        <translation>MIC-PF-Taste sperren</translation>
    </message>
    <message>
        <source>S-Meter Squelch</source>
        <translation>S-Meter-Squelch</translation>
    </message>
    <message>
        <source>Squelch Hang Time</source>
        <translation>Squelch-Haltezeit</translation>
    </message>
    <message>
        <source>DTMF Monitor</source>
        <translation>DTMF-Mithören</translation>
    </message>
    <message>
        <source>PF &amp;Key</source>
        <translation>PF-&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Auto Brightness</source>
        <translation>Automatische Helligkeit</translation>
    </message>
    <message>
        <source>Mic Key Lock</source>
        <translation>Mikrofon-Tastensperre</translation>
    </message>
    <message>
        <source>Data Speed</source>
        <translation>Datenrate</translation>
    </message>
</context>
<context>
    <name>TModelForm</name>
    <message>
        <source>Model Select</source>
        <translation>Modellauswahl</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
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
<context>
    <name>TPortsForm</name>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Port map:</source>
        <translation>Port-Zuordnung:</translation>
    </message>
    <message>
        <source>Serial devices:</source>
        <translation>Serielle Geräte:</translation>
    </message>
</context>
<context>
    <name>TReadForm</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Reading the data from the transceiver.</source>
        <translation>Die Daten werden aus dem Funkgerät gelesen.</translation>
    </message>
</context>
<context>
    <name>TSetupForm</name>
    <message>
        <source>Select your transceiver</source>
        <translation>Wählen Sie Ihr Funkgerät</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSortForm</name>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Speicherkanäle sortieren</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>&amp;Frequenz</translation>
    </message>
    <message>
        <source>&amp;Memory Name</source>
        <translation>&amp;Speichername</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>Ton/CTCSS/DCS</translation>
    </message>
</context>
<context>
    <name>TVfoForm</name>
    <message>
        <source>Program VFO</source>
        <translation>Programm-VFO</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>TWelcomeForm</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
</context>
<context>
    <name>TWriteForm</name>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing data to the transceiver.</source>
        <translation>Die Daten werden in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Reading the data back from the transceiver to verify it.</source>
        <translation>Die Daten werden zur Prüfung aus dem Funkgerät zurückgelesen.</translation>
    </message>
</context>
</TS>
