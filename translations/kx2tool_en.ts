<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessoryCsv</name>
    <message>
        <source>&quot;%1&quot; ist keins von: %2</source>
        <translation>&quot;%1&quot; is none of: %2</translation>
    </message>
</context>
<context>
    <name>AccessoryTransfer</name>
    <message>
        <source>Magnetartikel</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source> Magnetartikeldatenformat lesen</source>
        <translation> Reading accessory data formats</translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source> Magdatenfrm. Adr. %1 lesen</source>
        <translation> Reading acc. format addr. %1</translation>
    </message>
</context>
<context>
    <name>AppWindows</name>
    <message>
        <source>Sicherung der Zentrale anlegen</source>
        <translation>Back up the command station</translation>
    </message>
    <message>
        <source>Ordner, in dem die Sicherung aller vier Datenbanken angelegt wird</source>
        <translation>Folder in which the backup of all four databases is made</translation>
    </message>
    <message>
        <source>Sicherung zurückspielen</source>
        <translation>Restore a backup</translation>
    </message>
    <message>
        <source>Ordner der Sicherung, die zur Zentrale gesendet wird</source>
        <translation>Folder of the backup to send to the command station</translation>
    </message>
</context>
<context>
    <name>DatabaseLayout</name>
    <message>
        <source> Lokdatensatz </source>
        <translation> Loco record </translation>
    </message>
    <message>
        <source>Lokdatensatz</source>
        <translation>Loco record</translation>
    </message>
    <message>
        <source> Magnetartikeldaten ab Adr.: </source>
        <translation> Accessory data from addr.: </translation>
    </message>
    <message>
        <source>Magnetartikel</source>
        <translation>Accessory</translation>
    </message>
    <message>
        <source> Rückmelderdaten ab Adr.: </source>
        <translation> Feedback data from addr.: </translation>
    </message>
    <message>
        <source>Rückmelder</source>
        <translation>Feedback contact</translation>
    </message>
    <message>
        <source> FS-Namen </source>
        <translation> Route names </translation>
    </message>
    <message>
        <source>Fahrstraßenname</source>
        <translation>Route name</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Lädt die ganze Tabelle aus einer ISD-Datei.</source>
        <translation>Loads the whole table from an ISD file.</translation>
    </message>
    <message>
        <source>Speichert die ganze Tabelle in einer ISD-Datei.</source>
        <translation>Saves the whole table to an ISD file.</translation>
    </message>
    <message>
        <source>Leert die Tabelle; die Zentrale bleibt, wie sie ist.</source>
        <translation>Empties the table; the command station stays as it is.</translation>
    </message>
    <message>
        <source>Lädt eine einzelne Lok aus einer Datei in die gewählte Zeile.</source>
        <translation>Loads a single loco from a file into the selected line.</translation>
    </message>
    <message>
        <source>Speichert die Lok der gewählten Zeile in einer Datei.</source>
        <translation>Saves the loco of the selected line to a file.</translation>
    </message>
    <message>
        <source>Schreibt die Tabelle als CSV-Datei für eine Tabellenkalkulation.</source>
        <translation>Writes the table as a CSV file for a spreadsheet.</translation>
    </message>
    <message>
        <source>Übernimmt die Tabelle aus einer CSV-Datei.</source>
        <translation>Takes the table from a CSV file.</translation>
    </message>
    <message>
        <source>Druckt die Tabelle, wie das Fenster sie zeigt.</source>
        <translation>Prints the table as the window shows it.</translation>
    </message>
    <message>
        <source>Speichert die Tabelle, wie das Fenster sie zeigt, als PDF-Datei.</source>
        <translation>Saves the table as the window shows it as a PDF file.</translation>
    </message>
    <message>
        <source>Schließt den Editor und kehrt zum Hauptfenster zurück (Esc).</source>
        <translation>Closes the editor and returns to the main window (Esc).</translation>
    </message>
    <message>
        <source>Liest die Datenbank aus der Zentrale in die Tabelle.</source>
        <translation>Reads the database from the command station into the table.</translation>
    </message>
    <message>
        <source>Sendet die Tabelle zur Zentrale.</source>
        <translation>Sends the table to the command station.</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Kordavinex</source>
        <translation>Kordavinex</translation>
    </message>
    <message>
        <source>Daten aus der KX lesen</source>
        <translation>&amp;Read data from the KX</translation>
    </message>
    <message>
        <source>Daten zur KX senden</source>
        <translation>&amp;Send data to the KX</translation>
    </message>
</context>
<context>
    <name>FSDatenFrm</name>
    <message>
        <source>Fahrstraßen-Datensätze:</source>
        <translation>Route records:</translation>
    </message>
    <message>
        <source>&amp;laden</source>
        <translation>&amp;load</translation>
    </message>
    <message>
        <source>&amp;speichern</source>
        <translation>&amp;save</translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation>clear all data in the &amp;table</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>alle löschen</source>
        <translation>clear all</translation>
    </message>
</context>
<context>
    <name>FSEingabeFrm</name>
    <message>
        <source>Magnetartbefehl</source>
        <translation>Accessory command</translation>
    </message>
    <message>
        <source>Rückmeldebefehl</source>
        <translation>Feedback command</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Unterfahrstraßenaufruf</source>
        <translation>Sub-route call</translation>
    </message>
    <message>
        <source>Lokauswahl</source>
        <translation>Loco selection</translation>
    </message>
    <message>
        <source>Lok-Geschwindigkeit</source>
        <translation>Loco speed</translation>
    </message>
    <message>
        <source>Lok-Fahrtrichtung</source>
        <translation>Loco direction</translation>
    </message>
    <message>
        <source>Lok-Funktion f0-f4</source>
        <translation>Loco function f0-f4</translation>
    </message>
    <message>
        <source>Lok-Funktion f5-f8</source>
        <translation>Loco function f5-f8</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>einfügen</source>
        <translation>insert</translation>
    </message>
    <message>
        <source>Fahrst. anhängen</source>
        <translation>Append route</translation>
    </message>
    <message>
        <source>Autostart-Fahrstraße</source>
        <translation>Autostart route</translation>
    </message>
    <message>
        <source>Fahrstraßenbefehle</source>
        <translation>Route commands</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>belegt</source>
        <translation>occupied</translation>
    </message>
    <message>
        <source>in Sek.</source>
        <translation>in sec.</translation>
    </message>
    <message>
        <source>Fahrstr.-Nr.</source>
        <translation>Route no.</translation>
    </message>
    <message>
        <source>in %</source>
        <translation>in %</translation>
    </message>
    <message>
        <source>Nothalt</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>vorwärts</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>rückwärts</source>
        <translation>reverse</translation>
    </message>
    <message>
        <source>wenden</source>
        <translation>turn</translation>
    </message>
    <message>
        <source>f%1</source>
        <translation>f%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fahrstraße: %1 - Befehl: %2</source>
        <translation>Route: %1 - Command: %2</translation>
    </message>
    <message>
        <source>Fahrstraße: %1 - Start mit Rückmeldung:</source>
        <translation>Route: %1 - Start with feedback:</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
</context>
<context>
    <name>FeedbackTransfer</name>
    <message>
        <source>Rückmelder</source>
        <translation>Feedback contacts</translation>
    </message>
</context>
<context>
    <name>GridCsv</name>
    <message>
        <source>CSV-Datei (*.csv)|*.csv|</source>
        <translation>CSV file (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>Als CSV exportieren...</source>
        <translation>Export as CSV...</translation>
    </message>
    <message>
        <source>CSV importieren...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>Die CSV-Datei wurde nicht übernommen, nichts geändert:</source>
        <translation>The CSV file was not taken; nothing changed:</translation>
    </message>
    <message>
        <source>CSV importieren</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>%1 Datensätze geändert; sie werden beim nächsten Senden geschrieben.</source>
        <translation>%1 records changed; they are written with the next send.</translation>
    </message>
</context>
<context>
    <name>GridEditor</name>
    <message>
        <source>Als &amp;CSV exportieren...</source>
        <translation>Export as &amp;CSV...</translation>
    </message>
    <message>
        <source>CSV &amp;importieren...</source>
        <translation>&amp;Import CSV...</translation>
    </message>
    <message>
        <source>D&amp;rucken...</source>
        <translation>P&amp;rint...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation>Save as &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>CSV-Import</source>
        <translation>CSV import</translation>
    </message>
    <message>
        <source>Als PDF speichern...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)|*.pdf|</source>
        <translation>PDF file (*.pdf)|*.pdf|</translation>
    </message>
</context>
<context>
    <name>GridFind</name>
    <message>
        <source>&amp;Suchen...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Eine Adresse oder einen Namen in der Tabelle suchen</source>
        <translation>Find an address or a name in the table</translation>
    </message>
    <message>
        <source>W&amp;eitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Zum nächsten Treffer</source>
        <translation>To the next match</translation>
    </message>
    <message>
        <source>Rüc&amp;kwärts suchen</source>
        <translation>Find pre&amp;vious</translation>
    </message>
    <message>
        <source>Zum vorigen Treffer</source>
        <translation>To the previous match</translation>
    </message>
</context>
<context>
    <name>GridHeaderTips</name>
    <message>
        <source>Adresse des Datensatzes</source>
        <translation>Address of the record</translation>
    </message>
    <message>
        <source>Datenformat, in dem die Zentrale den Datensatz anspricht</source>
        <translation>Data format in which the command station addresses the record</translation>
    </message>
    <message>
        <source>Name der Lok, wie ihn das Fahrpult zeigt</source>
        <translation>Name of the loco as the throttle shows it</translation>
    </message>
    <message>
        <source>Höchstgeschwindigkeit in km/h für die Fahrpultanzeige</source>
        <translation>Top speed in km/h for the throttle display</translation>
    </message>
    <message>
        <source>Nummer der Fahrstraße</source>
        <translation>Number of the route</translation>
    </message>
    <message>
        <source>Erste Zeile des Namens in der Anzeige</source>
        <translation>First line of the name in the display</translation>
    </message>
    <message>
        <source>Zweite Zeile des Namens in der Anzeige</source>
        <translation>Second line of the name in the display</translation>
    </message>
    <message>
        <source>Womit die Fahrstraße startet</source>
        <translation>What starts the route</translation>
    </message>
    <message>
        <source>Symbol in der Anzeige der Zentrale</source>
        <translation>Symbol in the command station&apos;s display</translation>
    </message>
    <message>
        <source>Symbol der Funktion F%1 in der Fahrpultanzeige</source>
        <translation>Symbol of function F%1 in the throttle display</translation>
    </message>
    <message>
        <source>Befehl %1 der Fahrstraße</source>
        <translation>Command %1 of the route</translation>
    </message>
</context>
<context>
    <name>GridHeading</name>
    <message>
        <source>Adr.</source>
        <translation>Addr.</translation>
    </message>
    <message>
        <source>D-For.</source>
        <translation>D-Fmt.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>max.Geschw.</source>
        <translation>max.Speed</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name Zeile1</source>
        <translation>Name line1</translation>
    </message>
    <message>
        <source>Name Zeile2</source>
        <translation>Name line2</translation>
    </message>
    <message>
        <source>FS-Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>f%1</source>
        <translation>f%1</translation>
    </message>
    <message>
        <source>Befehl%1</source>
        <translation>Cmd%1</translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>HelpWin</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IsdDiff</name>
    <message>
        <source>in A</source>
        <translation>in A</translation>
    </message>
    <message>
        <source>in B</source>
        <translation>in B</translation>
    </message>
    <message>
        <source>%1: nur %2 (%3)</source>
        <translation>%1: only %2 (%3)</translation>
    </message>
    <message>
        <source>Lok %1</source>
        <translation>Loco %1</translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>Fahrstraße %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>FS-Start</source>
        <translation>Route start</translation>
    </message>
    <message>
        <source>Befehl %1</source>
        <translation>Command %1</translation>
    </message>
    <message>
        <source>Verschiedene Dateiarten, kein Vergleich: A ist &quot;%1&quot;, B ist &quot;%2&quot;</source>
        <translation>Different kinds of file, no comparison: A is &quot;%1&quot;, B is &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Keine Tabellendatei, kein Vergleich: &quot;%1&quot;</source>
        <translation>Not a table file, no comparison: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>LocoCommands</name>
    <message>
        <source>Name von Lok %1</source>
        <translation>Name of loco %1</translation>
    </message>
    <message>
        <source>Geschwindigkeit von Lok %1</source>
        <translation>Speed of loco %1</translation>
    </message>
    <message>
        <source>Datenformat von Lok %1</source>
        <translation>Data format of loco %1</translation>
    </message>
    <message>
        <source>Symbol von Lok %1</source>
        <translation>Symbol of loco %1</translation>
    </message>
    <message>
        <source>neue Lok %1</source>
        <translation>new loco %1</translation>
    </message>
    <message>
        <source>Lok %1 gelöscht</source>
        <translation>loco %1 deleted</translation>
    </message>
</context>
<context>
    <name>LocoCsv</name>
    <message>
        <source>&quot;%1&quot; ist keins von: %2</source>
        <translation>&quot;%1&quot; is none of: %2</translation>
    </message>
    <message>
        <source>%1 ist ungerade</source>
        <translation>%1 is odd</translation>
    </message>
</context>
<context>
    <name>LocoFiles</name>
    <message>
        <source>Lokadresse des Datensatzes schon vorhanden!</source>
        <translation>The record&apos;s loco address already exists!</translation>
    </message>
    <message>
        <source>Lokadresse:</source>
        <translation>Loco address:</translation>
    </message>
    <message>
        <source>Lokadresse ändern</source>
        <translation>Change loco address</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Wert %1 passt nicht in Spalte %2</source>
        <translation>Value %1 does not fit column %2</translation>
    </message>
    <message>
        <source>Lokadresse %1 außerhalb von 1..9999</source>
        <translation>Loco address %1 outside 1..9999</translation>
    </message>
    <message>
        <source>Name ohne Endezeichen (keine 0 in den Bytes 4..27)</source>
        <translation>Name without end mark (no 0 in bytes 4..27)</translation>
    </message>
    <message>
        <source>Datensatz nicht gefunden!</source>
        <translation>Record not found!</translation>
    </message>
    <message>
        <source>Bitte ändern Sie die Lokadresse!</source>
        <translation>Please change the loco address!</translation>
    </message>
    <message>
        <source>Datensatz wurde nicht eingefügt!</source>
        <translation>Record was not inserted!</translation>
    </message>
</context>
<context>
    <name>LocoGrid</name>
    <message>
        <source>Fkt. nicht anz.</source>
        <translation>Fn. not shown</translation>
    </message>
    <message>
        <source>          Lokadresse ungültig!
Bitte eine andere Lokadresse eingeben.</source>
        <translation>          Invalid loco address!
Please enter another loco address.</translation>
    </message>
    <message>
        <source>       Lokadresse schon vorhanden!
Bitte eine andere Lokadresse eingeben.</source>
        <translation>       Loco address already exists!
Please enter another loco address.</translation>
    </message>
    <message>
        <source>Kein leerer Datensatz mehr vorhanden!</source>
        <translation>No empty record left!</translation>
    </message>
    <message>
        <source>Die Lokdaten können nicht gespeichert werden!</source>
        <translation>The loco data cannot be stored!</translation>
    </message>
    <message>
        <source>Sollen die Funktionen %1 bis %2 auf identische Symbole gesetzt werden?</source>
        <translation>Set functions %1 to %2 to the same symbols?</translation>
    </message>
</context>
<context>
    <name>LocoTransfer</name>
    <message>
        <source>Lokomotiven</source>
        <translation>Locomotives</translation>
    </message>
    <message>
        <source>Lokdaten</source>
        <translation>Loco data</translation>
    </message>
    <message>
        <source>Datensatznummer</source>
        <translation>Record number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Höchstgeschwindigkeit</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>Symbol f%1</source>
        <translation>Symbol f%1</translation>
    </message>
    <message>
        <source> Lokdatensatz %1 lesen</source>
        <translation> Reading loco record %1</translation>
    </message>
    <message>
        <source>Lokdatenformat</source>
        <translation>Loco data format</translation>
    </message>
    <message>
        <source> Lokdatenfrm. Adr. %1 lesen</source>
        <translation> Reading loco format addr. %1</translation>
    </message>
    <message>
        <source>Lok %1</source>
        <translation>Loco %1</translation>
    </message>
    <message>
        <source>Lokplatz %1</source>
        <translation>Loco slot %1</translation>
    </message>
    <message>
        <source>Lok</source>
        <translation>Loco</translation>
    </message>
    <message>
        <source>Lokadresse = 0 !</source>
        <translation>Loco address = 0 !</translation>
    </message>
    <message>
        <source>Daten werden nicht gesichert!</source>
        <translation>Data are not saved!</translation>
    </message>
    <message>
        <source> Lokdatensatz %1 schreiben</source>
        <translation> Writing loco record %1</translation>
    </message>
</context>
<context>
    <name>LokDatFormatFrm</name>
    <message>
        <source>Lokdatenformat</source>
        <translation>Loco data format</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Motorala alt</source>
        <translation>Motorola old</translation>
    </message>
    <message>
        <source>Motorala neu</source>
        <translation>Motorola new</translation>
    </message>
    <message>
        <source>DCC 14</source>
        <translation>DCC 14</translation>
    </message>
    <message>
        <source>DCC 28</source>
        <translation>DCC 28</translation>
    </message>
    <message>
        <source>DCC 128</source>
        <translation>DCC 128</translation>
    </message>
    <message>
        <source>Selectrix</source>
        <translation>Selectrix</translation>
    </message>
</context>
<context>
    <name>LokFktSymFrm</name>
    <message>
        <source>Spitzenlicht</source>
        <translation>Headlight</translation>
    </message>
    <message>
        <source>Licht (allgemein)</source>
        <translation>Light (general)</translation>
    </message>
    <message>
        <source>Schlusslicht</source>
        <translation>Tail light</translation>
    </message>
    <message>
        <source>Fernlicht</source>
        <translation>High beam</translation>
    </message>
    <message>
        <source>Abblendlicht</source>
        <translation>Dipped headlight</translation>
    </message>
    <message>
        <source>Führerstandsbeleuchtung</source>
        <translation>Cab light</translation>
    </message>
    <message>
        <source>Innenbeleuchtung</source>
        <translation>Interior light</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Rundumleuchte</source>
        <translation>Beacon</translation>
    </message>
    <message>
        <source>Warnblinklicht</source>
        <translation>Hazard lights</translation>
    </message>
    <message>
        <source>Feuerbüchse</source>
        <translation>Firebox</translation>
    </message>
    <message>
        <source>Signalhorn</source>
        <translation>Horn</translation>
    </message>
    <message>
        <source>Pfeife (Dampfpfeife)</source>
        <translation>Whistle (steam whistle)</translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation>Bell</translation>
    </message>
    <message>
        <source>Geräusch ein/aus</source>
        <translation>Sound on/off</translation>
    </message>
    <message>
        <source>Stummschaltung</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Lautstärke +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Lautstärke -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Fahrgeräusch</source>
        <translation>Running sound</translation>
    </message>
    <message>
        <source>Motor ein/aus</source>
        <translation>Engine on/off</translation>
    </message>
    <message>
        <source>Bahnhofsansage</source>
        <translation>Station announcement</translation>
    </message>
    <message>
        <source>Schaffnerpfiff</source>
        <translation>Guard&apos;s whistle</translation>
    </message>
    <message>
        <source>Abfahrauftrag (Befehlsstab)</source>
        <translation>Right away (signal disc)</translation>
    </message>
    <message>
        <source>Kompressor</source>
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Bremse</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>Bremsenquietschen</source>
        <translation>Brake squeal</translation>
    </message>
    <message>
        <source>Kurvenquietschen</source>
        <translation>Curve squeal</translation>
    </message>
    <message>
        <source>Schienenstoß</source>
        <translation>Rail joints</translation>
    </message>
    <message>
        <source>Entkuppeln</source>
        <translation>Uncouple</translation>
    </message>
    <message>
        <source>Kupplung</source>
        <translation>Coupler</translation>
    </message>
    <message>
        <source>Rangiergang</source>
        <translation>Shunting mode</translation>
    </message>
    <message>
        <source>Anfahr-/Bremsverzögerung aus</source>
        <translation>Acceleration/braking delay off</translation>
    </message>
    <message>
        <source>Langsamfahrt</source>
        <translation>Slow speed</translation>
    </message>
    <message>
        <source>Rauchgenerator</source>
        <translation>Smoke generator</translation>
    </message>
    <message>
        <source>Dampf ablassen</source>
        <translation>Blow off steam</translation>
    </message>
    <message>
        <source>Kohleschaufeln</source>
        <translation>Shovelling coal</translation>
    </message>
    <message>
        <source>Wasser fassen</source>
        <translation>Taking water</translation>
    </message>
    <message>
        <source>Sanden</source>
        <translation>Sanding</translation>
    </message>
    <message>
        <source>Lüfter</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Stromabnehmer</source>
        <translation>Pantograph</translation>
    </message>
    <message>
        <source>Stromabnehmer vorn</source>
        <translation>Front pantograph</translation>
    </message>
    <message>
        <source>Stromabnehmer hinten</source>
        <translation>Rear pantograph</translation>
    </message>
    <message>
        <source>Hauptschalter</source>
        <translation>Main switch</translation>
    </message>
    <message>
        <source>Türen</source>
        <translation>Doors</translation>
    </message>
    <message>
        <source>Scheibenwischer</source>
        <translation>Wipers</translation>
    </message>
    <message>
        <source>Heizung</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>Klimaanlage</source>
        <translation>Air conditioning</translation>
    </message>
    <message>
        <source>Zugfunk</source>
        <translation>Train radio</translation>
    </message>
    <message>
        <source>Kran heben/senken</source>
        <translation>Crane up/down</translation>
    </message>
    <message>
        <source>Kran drehen</source>
        <translation>Crane turn</translation>
    </message>
    <message>
        <source>Funktion F%1</source>
        <translation>Function F%1</translation>
    </message>
    <message>
        <source>Lok Fkt.-Symbole</source>
        <translation>Loco fn. symbols</translation>
    </message>
    <message>
        <source>F-Nr.</source>
        <translation>F-No.</translation>
    </message>
    <message>
        <source>Sym.</source>
        <translation>Sym.</translation>
    </message>
    <message>
        <source>abbrechen</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>LokdatenFrm</name>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Datensatz nicht gefunden!</source>
        <translation>Record not found!</translation>
    </message>
    <message>
        <source>Lok-Datensätze:</source>
        <translation>Loco records:</translation>
    </message>
    <message>
        <source>alle Datensätze &amp;laden</source>
        <translation>&amp;load all records</translation>
    </message>
    <message>
        <source>alle Datensätze &amp;speichern</source>
        <translation>&amp;save all records</translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation>clear all data in the &amp;table</translation>
    </message>
    <message>
        <source>einen &amp;Datensatz laden</source>
        <translation>load one recor&amp;d</translation>
    </message>
    <message>
        <source>&amp;einen Datensatz speichern</source>
        <translation>sav&amp;e one record</translation>
    </message>
    <message>
        <source>Lokadresse:</source>
        <translation>Loco address:</translation>
    </message>
    <message>
        <source>Neuer Datensatz</source>
        <translation>New record</translation>
    </message>
    <message>
        <source>     Datensatz löschen?</source>
        <translation>     Delete record?</translation>
    </message>
    <message>
        <source>Lokdatensätze</source>
        <translation>Loco records</translation>
    </message>
    <message>
        <source>alle löschen</source>
        <translation>clear all</translation>
    </message>
    <message>
        <source>Klicken Sie den Datensatz an, der gespeichert werden soll!</source>
        <translation>Click the record to be saved!</translation>
    </message>
    <message>
        <source>einen Datensatz speichern</source>
        <translation>save one record</translation>
    </message>
</context>
<context>
    <name>LokmaxSpeedFrm</name>
    <message>
        <source>max. Lokgeschwindigkeit in der Fahrpultanzeige</source>
        <translation>max. loco speed in the throttle display</translation>
    </message>
    <message>
        <source>Km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MagDatenFrm</name>
    <message>
        <source>Magnetartikel-Datensätze:</source>
        <translation>Accessory records:</translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation>clear all data in the &amp;table</translation>
    </message>
</context>
<context>
    <name>MainWin</name>
    <message>
        <source>Liest alle Fahrstraßen aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation>Reads all routes from the command station and opens them for editing.</translation>
    </message>
    <message>
        <source>Lokdaten</source>
        <translation>Loco data</translation>
    </message>
    <message>
        <source>Liest die Lokdaten aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the loco data from the command station and opens them for editing.</translation>
    </message>
    <message>
        <source>Mag.Art.daten</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Liest die Magnetartikel des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the accessories of the address range beside it and opens them for editing.</translation>
    </message>
    <message>
        <source>Rückmelderdaten</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Liest die Rückmelder des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the feedback contacts of the address range beside it and opens them for editing.</translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation>Routes</translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>von Adr.:</source>
        <translation>from addr.:</translation>
    </message>
    <message>
        <source>bis Adr.:</source>
        <translation>to addr.:</translation>
    </message>
    <message>
        <source>Erste Adresse, die gelesen und bearbeitet wird.</source>
        <translation>First address to read and edit.</translation>
    </message>
    <message>
        <source>Letzte Adresse, die gelesen und bearbeitet wird.</source>
        <translation>Last address to read and edit.</translation>
    </message>
    <message>
        <source>ComPort Nr.:</source>
        <translation>COM port no.:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Sicherung der Zentrale &amp;anlegen</source>
        <translation>&amp;Back up the command station</translation>
    </message>
    <message>
        <source>Sicherung &amp;zurückspielen</source>
        <translation>&amp;Restore a backup</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Schnittstelle, Baudrate und Anschluss der Zentrale wählen.</source>
        <translation>Choose the interface, baud rate and port of the command station.</translation>
    </message>
    <message>
        <source>Liest alle vier Datenbanken der Zentrale in einen Ordner.</source>
        <translation>Reads all four databases of the command station into a folder.</translation>
    </message>
    <message>
        <source>Sendet eine Sicherung aus einem Ordner zur Zentrale.</source>
        <translation>Sends a backup from a folder to the command station.</translation>
    </message>
    <message>
        <source>Speichert die Einstellungen und beendet das Programm.</source>
        <translation>Saves the settings and ends the program.</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Progamminfo</source>
        <translation>&amp;Program info</translation>
    </message>
    <message>
        <source>&amp;LocoNet-Monitor</source>
        <translation>&amp;LocoNet monitor</translation>
    </message>
    <message>
        <source>Zeigt die Hilfe zum Programm.</source>
        <translation>Shows the program&apos;s help.</translation>
    </message>
    <message>
        <source>Zeigt Version und Herkunft des Programms.</source>
        <translation>Shows the program&apos;s version and origin.</translation>
    </message>
    <message>
        <source>Zeigt jede LocoNet-Nachricht, die gesendet oder empfangen wird.</source>
        <translation>Shows every LocoNet message sent or received.</translation>
    </message>
    <message>
        <source>Die Fahrstraßen folgen in einer späteren Version.</source>
        <translation>Routes follow in a later version.</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>NameEditBox</name>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation>%1 of %2 characters</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RMDatenFrm</name>
    <message>
        <source>Rückmelder-Datensätze:</source>
        <translation>Feedback records:</translation>
    </message>
    <message>
        <source>alle Daten aus &amp;Tabelle löschen</source>
        <translation>clear all data from the &amp;table</translation>
    </message>
</context>
<context>
    <name>RangeBoxes</name>
    <message>
        <source>Adressbereich</source>
        <translation>Address range</translation>
    </message>
</context>
<context>
    <name>RangeCommands</name>
    <message>
        <source>Datenformat</source>
        <translation>Data format</translation>
    </message>
</context>
<context>
    <name>RouteCommand</name>
    <message>
        <source> muss eine ganze Zahl von %1 bis %2 sein!</source>
        <translation> must be a whole number from %1 to %2!</translation>
    </message>
    <message>
        <source>Die Magnetartikeladresse</source>
        <translation>The accessory address</translation>
    </message>
    <message>
        <source>Die Rückmeldeadresse</source>
        <translation>The feedback address</translation>
    </message>
    <message>
        <source>Bitte frei oder belegt wählen!</source>
        <translation>Please choose free or occupied!</translation>
    </message>
    <message>
        <source>Die Pause in Sekunden</source>
        <translation>The pause in seconds</translation>
    </message>
    <message>
        <source>Die Nummer der Unterfahrstraße</source>
        <translation>The number of the sub-route</translation>
    </message>
    <message>
        <source>Die Fahrstraße %1 hat keinen Start, über den sie aufgerufen werden kann!</source>
        <translation>Route %1 has no start through which it can be called!</translation>
    </message>
    <message>
        <source>Die Lokadresse</source>
        <translation>The loco address</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit in Prozent</source>
        <translation>The speed in percent</translation>
    </message>
    <message>
        <source>Bitte eine Fahrtrichtung wählen!</source>
        <translation>Please choose a direction!</translation>
    </message>
</context>
<context>
    <name>RouteCommands</name>
    <message>
        <source>Fahrstraße %1 gelöscht</source>
        <translation>Route %1 deleted</translation>
    </message>
    <message>
        <source>FS-Start von Fahrstraße %1</source>
        <translation>Start of route %1</translation>
    </message>
    <message>
        <source>Befehl %1 von Fahrstraße %2</source>
        <translation>Command %1 of route %2</translation>
    </message>
    <message>
        <source>Name von Fahrstraße %1</source>
        <translation>Name of route %1</translation>
    </message>
</context>
<context>
    <name>RouteEdits</name>
    <message>
        <source>Wenn die Rückmeldung zum Aufruf der Fahrstraße gelöscht wird,</source>
        <translation>If the feedback that calls the route is deleted,</translation>
    </message>
    <message>
        <source>       dann wird die gesamte Fahrstraße gelöscht!</source>
        <translation>       the whole route is deleted!</translation>
    </message>
    <message>
        <source>                      Fahrstraße löschen?</source>
        <translation>                      Delete route?</translation>
    </message>
</context>
<context>
    <name>RouteFiles</name>
    <message>
        <source>Befehl %1 außerhalb von 0..65535</source>
        <translation>Command %1 outside 0..65535</translation>
    </message>
    <message>
        <source>Wert %1 passt nicht in Spalte %2</source>
        <translation>Value %1 does not fit column %2</translation>
    </message>
</context>
<context>
    <name>RouteTransfer</name>
    <message>
        <source>Fahrstraßen</source>
        <translation>Routes</translation>
    </message>
    <message>
        <source> FS-Namen %1 lesen</source>
        <translation> Reading route name %1</translation>
    </message>
    <message>
        <source> FS-Namen %1 schreiben</source>
        <translation> Writing route name %1</translation>
    </message>
    <message>
        <source>Fahrstraße</source>
        <translation>Route</translation>
    </message>
    <message>
        <source> FS-Daten %1 lesen</source>
        <translation> Reading route data %1</translation>
    </message>
    <message>
        <source>Fahrstraßeneintrag</source>
        <translation>Route entry</translation>
    </message>
    <message>
        <source> FS-Daten %1 schreiben</source>
        <translation> Writing route data %1</translation>
    </message>
    <message>
        <source>Geprüft</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Fahrstraße %1: %2 gesendet &apos;%3&apos;, gelesen &apos;%4&apos;</source>
        <translation>Route %1: %2 sent &apos;%3&apos;, read &apos;%4&apos;</translation>
    </message>
    <message>
        <source>FS-Start</source>
        <translation>Route start</translation>
    </message>
    <message>
        <source>Befehl %1</source>
        <translation>Command %1</translation>
    </message>
    <message>
        <source>Datensatznummer</source>
        <translation>Record number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Startadresse</source>
        <translation>Start address</translation>
    </message>
    <message>
        <source>Gerätekennung</source>
        <translation>Device code</translation>
    </message>
    <message>
        <source>Modultyp</source>
        <translation>Module type</translation>
    </message>
    <message>
        <source>Fahrstraße %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>Geänderter Name</source>
        <translation>Changed name</translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>Adresse, Name oder Text zum Suchen; Enter oder F3: nächster Treffer, Umschalt+F3: voriger, Escape: schließen</source>
        <translation>Address, name or text to find; Enter or F3: next match, Shift+F3: previous, Escape: close</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Find:</translation>
    </message>
</context>
<context>
    <name>StationBackup</name>
    <message>
        <source>%1 %2 von %3: %4</source>
        <translation>%1 %2 of %3: %4</translation>
    </message>
    <message>
        <source>Sicherung nicht angelegt</source>
        <translation>Backup not made</translation>
    </message>
    <message>
        <source>ist eine Datei, kein Ordner</source>
        <translation>is a file, not a folder</translation>
    </message>
    <message>
        <source>Sicherung nicht angelegt: im Ordner liegt noch anderes als eine Sicherung</source>
        <translation>Backup not made: the folder holds more than a backup</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gehört nicht zu einer Sicherung; einen neuen oder leeren Ordner angeben</source>
        <translation>&quot;%1&quot; is not part of a backup; name a new or empty folder</translation>
    </message>
    <message>
        <source>Ordner kann nicht angelegt werden</source>
        <translation>Folder cannot be created</translation>
    </message>
    <message>
        <source>der Ordner oder eine Datei darin ist noch in Gebrauch</source>
        <translation>the folder or a file in it is still in use</translation>
    </message>
    <message>
        <source>kein Ordnername</source>
        <translation>no folder name</translation>
    </message>
    <message>
        <source>Sicherung kann nicht an ihren Platz gebracht werden</source>
        <translation>Backup cannot be moved into its place</translation>
    </message>
    <message>
        <source>; die alte ist unverändert</source>
        <translation>; the old one is unchanged</translation>
    </message>
    <message>
        <source>; die alte liegt jetzt in </source>
        <translation>; the old one is now in </translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Sicherung abgebrochen, nichts gespeichert.</source>
        <translation>Backup cancelled, nothing saved.</translation>
    </message>
    <message>
        <source>Sicherung fehlgeschlagen beim Lesen: %1; nichts gespeichert.</source>
        <translation>Backup failed while reading: %1; nothing saved.</translation>
    </message>
    <message>
        <source>Sicherung der Zentrale %1 gespeichert in %2 (%3)</source>
        <translation>Backup of command station %1 saved in %2 (%3)</translation>
    </message>
    <message>
        <source>Keine Sicherung der Zentrale (%1 fehlt): %2</source>
        <translation>Not a backup of the command station (%1 missing): %2</translation>
    </message>
    <message>
        <source>Sicherung unvollständig oder verändert: </source>
        <translation>Backup incomplete or changed: </translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Zurückspielen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Nicht gesendet: %1 der Sicherung sind aus einer anderen Zentrale; vollständig gesendet: %2</source>
        <translation>Not sent: the backup&apos;s %1 are from another command station; sent completely: %2</translation>
    </message>
    <message>
        <source>Abgebrochen bei %1; vollständig gesendet: %2</source>
        <translation>Cancelled at %1; sent completely: %2</translation>
    </message>
    <message>
        <source>Fehler beim %1: %2; vollständig gesendet: %3</source>
        <translation>Error while %1: %2; sent completely: %3</translation>
    </message>
    <message>
        <source>Senden oder Prüfen</source>
        <translation>sending or checking</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>sending</translation>
    </message>
    <message>
        <source>Nichts gesendet.</source>
        <translation>Nothing sent.</translation>
    </message>
    <message>
        <source>Zurückgespielt und geprüft: </source>
        <translation>Restored and checked: </translation>
    </message>
    <message>
        <source>Zurückgespielt: </source>
        <translation>Restored: </translation>
    </message>
</context>
<context>
    <name>StationDatabases</name>
    <message>
        <source>Lokomotiven</source>
        <translation>Locomotives</translation>
    </message>
    <message>
        <source>Magnetartikel</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Rückmelder</source>
        <translation>Feedback contacts</translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation>Routes</translation>
    </message>
</context>
<context>
    <name>SymbolChooser</name>
    <message>
        <source>Schließt die Auswahl; das Symbol bleibt, wie es war (Esc).</source>
        <translation>Closes the choice; the symbol stays as it was (Esc).</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbol %1</translation>
    </message>
</context>
<context>
    <name>kx2tool</name>
    <message>
        <source>Daten der Zentrale lesen, bearbeiten und zurückschreiben</source>
        <translation>Read, edit and write back the command station&apos;s data</translation>
    </message>
    <message>
        <source>Ohne Einstellungsdatei mit der eingebauten simulierten Zentrale (Port &quot;SIM&quot;) beginnen.</source>
        <translation>Start without a settings file on the built-in simulated command station (port &quot;SIM&quot;).</translation>
    </message>
    <message>
        <source>Ordner für Einstellungsdatei, Hilfetext und Symbole statt des Programmordners.</source>
        <translation>Folder for the settings file, help text and symbols instead of the program folder.</translation>
    </message>
    <message>
        <source>ordner</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben.</source>
        <translation>Write every LocoNet message sent (TX) and received (RX) to this file.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Die simulierte Zentrale ohne Beispieldaten beginnen (sonst beim ersten Start mit Beispielanlage).</source>
        <translation>Start the simulated command station without sample data (otherwise with a sample layout on first start).</translation>
    </message>
    <message>
        <source>kx2tool: konf/ nicht gefunden unter %1</source>
        <translation>kx2tool: konf/ not found under %1</translation>
    </message>
    <message>
        <source>Trace-Datei kann nicht geöffnet werden: %1</source>
        <translation>Trace file cannot be opened: %1</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Name, Version, Marke und Qt-Version anzeigen.</source>
        <translation>Show name, version, brand and Qt version.</translation>
    </message>
</context>
</TS>
