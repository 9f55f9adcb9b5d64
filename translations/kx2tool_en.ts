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
    <message>
        <source> Magdatenfrm. Adr. %1 schreiben</source>
        <translation> Writing acc. format addr. %1</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>Ungültiger Adressbereich!</source>
        <translation>Invalid address range!</translation>
    </message>
    <message>
        <source>Bitte Adressen von 1 bis %1 eingeben, &quot;von Adr.&quot; nicht größer als &quot;bis Adr.&quot;.</source>
        <translation>Please enter addresses from 1 to %1, &quot;from addr.&quot; not greater than &quot;to addr.&quot;.</translation>
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
    <message>
        <source>Alle vier Datenbanken der Zentrale lesen und sichern in:</source>
        <translation>Read all four databases of the command station and back them up in:</translation>
    </message>
    <message>
        <source>Die Zentrale lesen, mit der Sicherung vergleichen und nur die Unterschiede schreiben; vor dem Schreiben wird gefragt. Sicherung:</source>
        <translation>Read the command station, compare it with the backup and write only the differences; you are asked before anything is written. Backup:</translation>
    </message>
    <message>
        <source>Schnell: leere Datensätze an der ersten Seite erkennen</source>
        <translation>Quick: recognise empty records by their first page</translation>
    </message>
    <message>
        <source>Magnetartikel, Rückmelder und Fahrstraßennamen, deren erste Seite leer ist (nur 0xFF), gelten als nie geschrieben; ihre übrigen Seiten werden nicht gelesen. Das spart etwa vier Zehntel der Zeit. Ein Datensatz, den ein anderes Programm nur hinter der ersten Seite beschrieben hat, wird dann nicht gelesen.</source>
        <translation>Accessories, feedback contacts and route names whose first page is empty (only 0xFF) count as never written; their other pages are not read. This saves about four tenths of the time. A record that another program wrote only behind its first page is then not read.</translation>
    </message>
</context>
<context>
    <name>AskFileName</name>
    <message>
        <source>KX2 Datenflash (*.</source>
        <translation>KX2 data flash (*.</translation>
    </message>
    <message>
        <source>Sicherungsdatei öffnen...</source>
        <translation>Open backup file...</translation>
    </message>
    <message>
        <source>Sicherungsdatei speichern...</source>
        <translation>Save backup file...</translation>
    </message>
</context>
<context>
    <name>BrandCaptions</name>
    <message>
        <source>Daten aus der TQ7 lesen</source>
        <translation>&amp;Read data from the TQ7</translation>
    </message>
    <message>
        <source>Daten zur TQ7 senden</source>
        <translation>&amp;Send data to the TQ7</translation>
    </message>
</context>
<context>
    <name>BusMonitor</name>
    <message>
        <source>gesendet</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>empfangen</source>
        <translation>received</translation>
    </message>
</context>
<context>
    <name>CliContext</name>
    <message>
        <source>Port: Nummer n (COMn bzw. /dev/ttyS(n-1)), Gerätename wie /dev/ttyUSB0 oder COM7, tcp:RECHNER[:PORT] für LocoNet über TCP (LbServer, Port-Vorgabe 1234) oder SIM für die eingebaute simulierte Zentrale. Vorgabe: Einstellungsdatei.</source>
        <translation>Port: number n (COMn or /dev/ttyS(n-1)), device name such as /dev/ttyUSB0 or COM7, tcp:HOST[:PORT] for LocoNet over TCP (LbServer, default port 1234) or SIM for the built-in simulated command station. Default: settings file.</translation>
    </message>
    <message>
        <source>Schnittstelle: usb (LocoNet-USB-Interface, Vorgabe), loconet (serielles LocoNet-Interface an COM1/COM2) oder station (serieller Port der Zentrale).</source>
        <translation>Interface: usb (LocoNet USB interface, default), loconet (serial LocoNet interface on COM1/COM2) or station (serial port of the command station).</translation>
    </message>
    <message>
        <source>art</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>Baudrate: 9600, 16666, 19200 oder 115200. Vorgabe: Einstellungsdatei.</source>
        <translation>Baud rate: 9600, 16666, 19200 or 115200. Default: settings file.</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>rate</translation>
    </message>
    <message>
        <source>Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben.</source>
        <translation>Write every sent (TX) and received (RX) LocoNet message to this file.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>9600, 16666, 19200 oder 115200</source>
        <translation>9600, 16666, 19200 or 115200</translation>
    </message>
    <message>
        <source>Unbekannte Schnittstelle: </source>
        <translation>Unknown interface: </translation>
    </message>
    <message>
        <source> (usb, loconet oder station)
</source>
        <translation> (usb, loconet or station)
</translation>
    </message>
    <message>
        <source>Trace-Datei kann nicht geöffnet werden: </source>
        <translation>Cannot open the trace file: </translation>
    </message>
    <message>
        <source>Speicherdatei der simulierten Zentrale (Port SIM). Vorgabe: KX2_SIM.STATE neben der Einstellungsdatei.</source>
        <translation>Memory file of the simulated command station (port SIM). Default: KX2_SIM.STATE beside the settings file.</translation>
    </message>
    <message numerus="yes">
        <source>%n Nachrichten mit falscher Prüfsumme verworfen</source>
        <translation>
            <numerusform>%n message with a wrong checksum dropped</numerusform>
            <numerusform>%n messages with a wrong checksum dropped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComWin</name>
    <message>
        <source>Fortschritt:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fortschritt: </source>
        <translation>Progress: </translation>
    </message>
    <message>
        <source>Die Übertragung läuft noch. Soll sie abgebrochen werden?</source>
        <translation>The transfer is still running. Cancel it?</translation>
    </message>
    <message>
        <source>Übertragung abbrechen</source>
        <translation>Cancel transfer</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unbekannter Befehl: </source>
        <translation>Unknown command: </translation>
    </message>
    <message>
        <source>kx2ctl - Kommandozeilenwerkzeug für die Datenbanken der Zentrale

Aufruf: kx2ctl BEFEHL [Optionen]

Befehle:
  read     Datenbank aus der Zentrale lesen und als ISD-Datei speichern
  send     ISD-Datei laden und zur Zentrale senden
  show     Inhalt einer ISD-Datei anzeigen (--csv: als CSV, --pdf DATEI: als PDF)
  backup   alle vier Datenbanken der Zentrale in einen Ordner sichern
  restore  eine Sicherung zur Zentrale zurückspielen
  diff     zwei ISD-Dateien vergleichen
  import-csv  Namen, Formate und Symbole aus einer CSV-Datei in eine ISD-Datei übernehmen
  import-roster  Lokomotiven einer JMRI-Roster oder eines Rocrail-Plans in eine Lokdaten-Datei übernehmen
  export-roster  die Lokomotiven einer Lokdaten-Datei als JMRI-Roster schreiben
  loconet  eine LocoNet-Nachricht senden und die Antwort zeigen
  monitor  jede Nachricht auf dem LocoNet zeigen, bis Strg+C
  sim      die simulierte Zentrale betreiben

kx2ctl --version zeigt Version, Marke und Qt-Version.
kx2ctl BEFEHL --help zeigt die Optionen eines Befehls. Die Port-Optionen (--port, --interface,
--baud, --trace, --sim-state) dürfen auch vor dem BEFEHL stehen. --lang de|en wählt die Sprache.
</source>
        <translation>kx2ctl - command-line tool for the databases of the command station

Usage: kx2ctl COMMAND [options]

Commands:
  read     read a database from the command station and save it as an ISD file
  send     load an ISD file and send it to the command station
  show     show the contents of an ISD file (--csv: as CSV, --pdf FILE: as PDF)
  backup   back up all four databases of the command station into a folder
  restore  send a backup back to the command station
  diff     compare two ISD files
  import-csv  take names, formats and symbols from a CSV file into an ISD file
  import-roster  take the locomotives of a JMRI roster or a Rocrail plan into a loco data file
  export-roster  write the locomotives of a loco data file as a JMRI roster
  loconet  send a LocoNet message and show the answer
  monitor  show every message on the LocoNet, until Ctrl+C
  sim      run the simulated command station

kx2ctl --version shows version, brand and Qt version.
kx2ctl COMMAND --help shows the options of a command. The port options (--port, --interface,
--baud, --trace, --sim-state) may also stand before the COMMAND. --lang de|en chooses the language.
</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>keine UTF-8-Datei</source>
        <translation>not a UTF-8 file</translation>
    </message>
    <message>
        <source>Anführungszeichen nicht geschlossen</source>
        <translation>quotation mark not closed</translation>
    </message>
    <message>
        <source>die Kopfzeile fehlt</source>
        <translation>the header line is missing</translation>
    </message>
    <message>
        <source>unbekannte Spalte &quot;%1&quot;</source>
        <translation>unknown column &quot;%1&quot;</translation>
    </message>
    <message>
        <source>die Spalte &quot;%1&quot; fehlt</source>
        <translation>the column &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>%1 %2 ist nicht in der Tabelle</source>
        <translation>%1 %2 is not in the table</translation>
    </message>
    <message>
        <source>%1 %2 steht schon in Zeile %3</source>
        <translation>%1 %2 is already in line %3</translation>
    </message>
    <message>
        <source>%1: wird nicht eingelesen, nur %2 (&quot;%3&quot; statt &quot;%4&quot;)</source>
        <translation>%1: is not read in, only %2 (&quot;%3&quot; instead of &quot;%4&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Zahl von %2 bis %3</source>
        <translation>&quot;%1&quot; is not a number from %2 to %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist länger als %2 Zeichen</source>
        <translation>&quot;%1&quot; is longer than %2 characters</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: das Zeichen &apos;%2&apos; kann die Zentrale nicht speichern</source>
        <translation>&quot;%1&quot;: the command station cannot store the character &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ein Zeilenumbruch (CR) trennt die beiden Namenszeilen und kann in keiner stehen</source>
        <translation>a line break (CR) separates the two name lines and cannot stand in either</translation>
    </message>
    <message>
        <source>die beiden Namenszeilen haben zusammen %1 Zeichen, Platz ist für %2</source>
        <translation>the two name lines have %1 characters together, there is room for %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Felder statt %1</source>
        <translation>
            <numerusform>%n field instead of %1</numerusform>
            <numerusform>%n fields instead of %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseIndex</name>
    <message>
        <source> Datenbank Index lesen</source>
        <translation> Read database index</translation>
    </message>
</context>
<context>
    <name>DatabaseLayout</name>
    <message>
        <source>Datensatz</source>
        <translation>Record</translation>
    </message>
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
    <message>
        <source>Geänderter Datensatz</source>
        <translation>Changed record</translation>
    </message>
    <message>
        <source>Geänderter Lokdatensatz</source>
        <translation>Changed loco record</translation>
    </message>
    <message>
        <source>Geänderter Magnetartikel</source>
        <translation>Changed accessory</translation>
    </message>
    <message>
        <source>Geänderter Rückmelder</source>
        <translation>Changed feedback contact</translation>
    </message>
</context>
<context>
    <name>DbCommand</name>
    <message>
        <source>keine Antwort, Wiederholung %1 von %2</source>
        <translation>no answer, retry %1 of %2</translation>
    </message>
</context>
<context>
    <name>DbMessageText</name>
    <message>
        <source>SAM-Flash lesen</source>
        <translation>read SAM flash</translation>
    </message>
    <message>
        <source>SAM-Flash schreiben</source>
        <translation>write SAM flash</translation>
    </message>
    <message>
        <source>Daten-Flash lesen</source>
        <translation>read data flash</translation>
    </message>
    <message>
        <source>Daten-Flash schreiben</source>
        <translation>write data flash</translation>
    </message>
    <message>
        <source>Datenbank: %1, Bereich %2</source>
        <translation>Database: %1, area %2</translation>
    </message>
    <message>
        <source>Datenbank: Bereichsbefehl %1</source>
        <translation>Database: area command %1</translation>
    </message>
    <message>
        <source>Datenbank: Bootloader starten, Schritt 1</source>
        <translation>Database: start boot loader, step 1</translation>
    </message>
    <message>
        <source>Datenbank: Bootloader starten, Schritt 2</source>
        <translation>Database: start boot loader, step 2</translation>
    </message>
    <message>
        <source>Datenbank: Bootloader beenden</source>
        <translation>Database: end boot loader</translation>
    </message>
    <message>
        <source>Datenbank: Seite %1 lesen</source>
        <translation>Database: read page %1</translation>
    </message>
    <message>
        <source>Datenbank: Seite %1 schreiben</source>
        <translation>Database: write page %1</translation>
    </message>
    <message>
        <source>Datenbank: Anzeige löschen</source>
        <translation>Database: clear display</translation>
    </message>
    <message>
        <source>Datenbank: Anzeige Cursor %1, %2</source>
        <translation>Database: display cursor %1, %2</translation>
    </message>
    <message>
        <source>Datenbank: Anzeige &quot;%1&quot;</source>
        <translation>Database: display &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Datenbank: Befehl %1/%2/%3</source>
        <translation>Database: command %1/%2/%3</translation>
    </message>
    <message>
        <source>Lokdatenformat schreiben</source>
        <translation>write locomotive data format</translation>
    </message>
    <message>
        <source>Lokdatenformat lesen</source>
        <translation>read locomotive data format</translation>
    </message>
    <message>
        <source>Magnetartikelformat schreiben</source>
        <translation>write accessory format</translation>
    </message>
    <message>
        <source>Magnetartikelformat lesen</source>
        <translation>read accessory format</translation>
    </message>
    <message>
        <source>Datenformat, Anfrage %1</source>
        <translation>data format, request %1</translation>
    </message>
    <message>
        <source>Antwort </source>
        <translation>Answer to </translation>
    </message>
    <message>
        <source>, Adresse %1</source>
        <translation>, address %1</translation>
    </message>
    <message>
        <source>: Werte %1, %2</source>
        <translation>: values %1, %2</translation>
    </message>
    <message>
        <source>Datenbank: Bereitmeldung der Zentrale</source>
        <translation>Database: ready message of the command station</translation>
    </message>
    <message>
        <source>Datenbank: Datenantwort</source>
        <translation>Database: data answer</translation>
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
    <message>
        <source>Übernimmt Lokomotiven aus einer JMRI-Roster oder einem Rocrail-Plan.</source>
        <translation>Takes locomotives from a JMRI roster or a Rocrail plan.</translation>
    </message>
    <message>
        <source>Schreibt die Lokomotiven als JMRI-Roster in einen Ordner.</source>
        <translation>Writes the locomotives as a JMRI roster into a folder.</translation>
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
</context>
<context>
    <name>FSEingabeFrm</name>
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
    <message>
        <source>Not</source>
        <translation>E-stop</translation>
    </message>
    <message>
        <source>&amp;Magnetartbefehl</source>
        <translation>&amp;Accessory command</translation>
    </message>
    <message>
        <source>&amp;Rückmeldebefehl</source>
        <translation>&amp;Feedback command</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Unterfahrstraßenaufruf</source>
        <translation>&amp;Sub-route call</translation>
    </message>
    <message>
        <source>&amp;Lokauswahl</source>
        <translation>&amp;Loco selection</translation>
    </message>
    <message>
        <source>Lok-&amp;Geschwindigkeit</source>
        <translation>Loco sp&amp;eed</translation>
    </message>
    <message>
        <source>Lok-&amp;Fahrtrichtung</source>
        <translation>Loco &amp;direction</translation>
    </message>
    <message>
        <source>Lok-Funktion f&amp;0-f4</source>
        <translation>Loco function f&amp;0-f4</translation>
    </message>
    <message>
        <source>Lok-Funktion f&amp;5-f8</source>
        <translation>Loco function f&amp;5-f8</translation>
    </message>
    <message>
        <source>lö&amp;schen</source>
        <translation>dele&amp;te</translation>
    </message>
    <message>
        <source>&amp;einfügen</source>
        <translation>&amp;insert</translation>
    </message>
    <message>
        <source>Fahrst. an&amp;hängen</source>
        <translation>Appe&amp;nd route</translation>
    </message>
    <message>
        <source>Au&amp;tostart-Fahrstraße</source>
        <translation>A&amp;utostart route</translation>
    </message>
    <message>
        <source>&amp;Nothalt</source>
        <translation>E&amp;mergency stop</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
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
    <name>FileCommands</name>
    <message>
        <source>Keine Tabellendatei, kein </source>
        <translation>Not a table file, not a </translation>
    </message>
    <message>
        <source> Seite</source>
        <translation> page</translation>
    </message>
    <message>
        <source> Seiten</source>
        <translation> pages</translation>
    </message>
    <message>
        <source>Übernimmt Namen, Datenformate, Höchstgeschwindigkeiten und Symbole aus einer CSV-Datei (wie show --csv
und &quot;Als CSV exportieren...&quot; sie schreiben) in die Datensätze einer ISD-Datei, Zeile für Zeile nach der
Adresse (Fahrstraßen: Nummer), und speichert das Ergebnis. Eine fehlerhafte CSV-Datei ändert nichts.</source>
        <translation>Takes names, data formats, maximum speeds and symbols from a CSV file (as show --csv
and &quot;Export as CSV...&quot; write them) into the records of an ISD file, line by line by the
address (routes: number), and saves the result. A faulty CSV file changes nothing.</translation>
    </message>
    <message>
        <source>datenbank</source>
        <translation>database</translation>
    </message>
    <message>
        <source>loco, acc, fb oder routes</source>
        <translation>loco, acc, fb or routes</translation>
    </message>
    <message>
        <source>CSV-Datei</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>ISD-Datei, in die übernommen wird.</source>
        <translation>ISD file to take the data into.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Zieldatei (ISD).</source>
        <translation>Target file (ISD).</translation>
    </message>
    <message>
        <source>kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd</source>
        <translation>kx2ctl import-csv loco|acc|fb|routes FILE.csv -i BASE.isd -o NEW.isd</translation>
    </message>
    <message>
        <source>Aufruf: kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd
</source>
        <translation>Usage: kx2ctl import-csv loco|acc|fb|routes FILE.csv -i BASE.isd -o NEW.isd
</translation>
    </message>
    <message>
        <source>Gleich.
</source>
        <translation>Equal.
</translation>
    </message>
    <message>
        <source>: gleich
</source>
        <translation>: equal
</translation>
    </message>
    <message>
        <source>Vergleicht zwei ISD-Dateien derselben Datenbank und nennt je Datensatz (Adresse, Fahrstraße) die
Felder, die sich unterscheiden; zwei Ordner mit Sicherungen (kx2ctl backup) Datenbank für Datenbank.
Ein nie geschriebener Datensatz und ein leer geschriebener gelten als verschieden, die
Datensatznummern zählen nicht.
Rückgabe: 0 gleich, 1 verschieden, 2 Fehler (Datei nicht lesbar, verschiedene Dateiarten).</source>
        <translation>Compares two ISD files of the same database and names for each record (address, route) the
fields that differ; two folders with backups (kx2ctl backup) database by database.
A record never written and one written empty count as different; the record
numbers do not count.
Exit status: 0 equal, 1 different, 2 error (file unreadable, different kinds of file).</translation>
    </message>
    <message>
        <source>erste ISD-Datei oder Sicherung</source>
        <translation>first ISD file or backup</translation>
    </message>
    <message>
        <source>zweite ISD-Datei oder Sicherung</source>
        <translation>second ISD file or backup</translation>
    </message>
    <message>
        <source>Zwei Dateien oder zwei Ordner angeben: kx2ctl diff A.isd B.isd
</source>
        <translation>Name two files or two folders: kx2ctl diff A.isd B.isd
</translation>
    </message>
    <message numerus="yes">
        <source>%n Unterschiede</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Datensätze geändert, gespeichert in %1</source>
        <translation>
            <numerusform>%n record changed, saved in %1</numerusform>
            <numerusform>%n records changed, saved in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>Speicherkontingent auf dem Datenträger erschöpft</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Datenträger schreibgeschützt</source>
        <translation>disk is write-protected</translation>
    </message>
    <message>
        <source>ist ein Ordner</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>ein Teil des Pfads ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>Datei oder Datenträger belegt</source>
        <translation>file or disk busy</translation>
    </message>
    <message>
        <source>keine Berechtigung zum Schreiben</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>keine Berechtigung zum Lesen</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>Ordner nicht vorhanden</source>
        <translation>folder does not exist</translation>
    </message>
    <message>
        <source>Datei nicht vorhanden</source>
        <translation>file does not exist</translation>
    </message>
    <message>
        <source>Fehler des Systems ohne nähere Angabe</source>
        <translation>system error without further detail</translation>
    </message>
    <message>
        <source>Fehler des Systems (%1)</source>
        <translation>system error (%1)</translation>
    </message>
    <message>
        <source>Fehler beim Speichern des Files</source>
        <translation>Error saving the file</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (ein Gerät oder eine Leitung)</source>
        <translation>not a regular file (a device or a pipe)</translation>
    </message>
</context>
<context>
    <name>FunctionKeywords</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Symbolnummer von 1 bis %2</source>
        <translation>&quot;%1&quot; is no symbol number from 1 to %2</translation>
    </message>
    <message>
        <source>erwartet: Nummer; deutsche Wörter; englische Wörter</source>
        <translation>expected: number; German words; English words</translation>
    </message>
    <message>
        <source>Die Tabelle der Lokfunktionen %1 wurde nicht gefunden.</source>
        <translation>The table of loco functions %1 was not found.</translation>
    </message>
</context>
<context>
    <name>GermanHelp</name>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Aufruf: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Unbekannte Option: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source>Unbekannte Optionen: </source>
        <translation>Unknown options: </translation>
    </message>
    <message>
        <source>Wert fehlt nach </source>
        <translation>Value missing after </translation>
    </message>
    <message>
        <source>Unerwarteter Wert nach </source>
        <translation>Unexpected value after </translation>
    </message>
    <message>
        <source>Ungültiger Wert für --%1: &quot;%2&quot; (%3)</source>
        <translation>Invalid value for --%1: &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>ganze Zahl von %1 bis %2</source>
        <translation>whole number from %1 to %2</translation>
    </message>
    <message>
        <source>de oder en</source>
        <translation>de or en</translation>
    </message>
    <message>
        <source> --help zeigt die Optionen.
</source>
        <translation> --help shows the options.
</translation>
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
    <message numerus="yes">
        <source>%n Datensätze geändert; sie werden beim nächsten Senden geschrieben.</source>
        <translation>
            <numerusform>%n record changed; it will be written at the next send.</numerusform>
            <numerusform>%n records changed; they will be written at the next send.</numerusform>
        </translation>
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
    <message>
        <source>alle löschen</source>
        <translation>clear all</translation>
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
    <message>
        <source>%1 von %2 Zeilen sind benutzt; nur sie kommen aufs Papier.</source>
        <translation>%1 of %2 lines are in use; only those go onto the paper.</translation>
    </message>
    <message>
        <source>alle %1 Zeilen drucken</source>
        <translation>Print all %1 lines</translation>
    </message>
    <message>
        <source>Druckt auch die Zeilen der Adressen (Fahrstraßen), die nichts enthalten.</source>
        <translation>Also prints the lines of the addresses (routes) that hold nothing.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>konf/hilfe.txt</source>
        <translation>konf/hilfe_en.txt</translation>
    </message>
    <message>
        <source>Die Hilfedatei konf/hilfe.txt wurde nicht gefunden.</source>
        <translation>The help file konf/hilfe.txt was not found.</translation>
    </message>
    <message>
        <source>Die Hilfedatei konf/hilfe.txt kann nicht gelesen werden.</source>
        <translation>The help file konf/hilfe.txt cannot be read.</translation>
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
    <name>InputFile</name>
    <message>
        <source>Datei zu groß: mehr als %1</source>
        <translation>file too large: more than %1</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei, sondern ein Gerät, eine Leitung oder ein Socket</source>
        <translation>not a regular file but a device, a pipe or a socket</translation>
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
    <message>
        <source>%1: %2 nie geschrieben, %3 geschrieben</source>
        <translation>%1: %2 never written, %3 written</translation>
    </message>
</context>
<context>
    <name>IsdFile</name>
    <message>
        <source>Erwartet: &quot;%1&quot;, gefunden: &quot;%2&quot;</source>
        <translation>Expected: &quot;%1&quot;, found: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Datei: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Die Datei beginnt mit einer UTF-8-Kennung (BOM); erwartet wird eine ISD-Datei in Windows-Zeichen (cp1252)</source>
        <translation>The file begins with a UTF-8 mark (BOM); an ISD file in Windows characters (cp1252) is expected</translation>
    </message>
    <message>
        <source>die Datei ist leer</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Datei endet nach Zeile %1</source>
        <translation>file ends after line %1</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>Zahl zu groß</source>
        <translation>number too large</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Falsches Fileformat</source>
        <translation>Wrong file format</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen des Files</source>
        <translation>Error opening the file</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>de</source>
        <translation>en</translation>
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
    <name>LocoFormat</name>
    <message>
        <source>Motorola alt</source>
        <translation>Motorola old</translation>
    </message>
    <message>
        <source>Motorola neu</source>
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
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Lokadresse:</source>
        <translation>Loco address:</translation>
    </message>
    <message>
        <source>Neuer Datensatz</source>
        <translation>New record</translation>
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
    <message>
        <source> Lokdatenfrm. Adr. %1 schreiben</source>
        <translation> Writing loco format addr. %1</translation>
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
        <source>     Datensatz löschen?</source>
        <translation>     Delete record?</translation>
    </message>
    <message>
        <source>Lokdatensätze</source>
        <translation>Loco records</translation>
    </message>
    <message>
        <source>Klicken Sie den Datensatz an, der gespeichert werden soll!</source>
        <translation>Click the record to be saved!</translation>
    </message>
    <message>
        <source>einen Datensatz speichern</source>
        <translation>save one record</translation>
    </message>
    <message>
        <source>Lokliste importieren (&amp;JMRI, Rocrail)...</source>
        <translation>Import loco list (&amp;JMRI, Rocrail)...</translation>
    </message>
    <message>
        <source>Als JMRI-Roster e&amp;xportieren...</source>
        <translation>E&amp;xport as JMRI roster...</translation>
    </message>
    <message>
        <source>Lokliste importieren</source>
        <translation>Import loco list</translation>
    </message>
    <message>
        <source>JMRI-Roster, Rocrail-Plan (*.xml)|*.xml|</source>
        <translation>JMRI roster, Rocrail plan (*.xml)|*.xml|</translation>
    </message>
    <message>
        <source>Die Lokliste wurde nicht übernommen, nichts geändert:</source>
        <translation>The loco list was not taken over, nothing changed:</translation>
    </message>
    <message>
        <source>Als JMRI-Roster exportieren</source>
        <translation>Export as JMRI roster</translation>
    </message>
    <message numerus="yes">
        <source>%n Lokomotiven nach %1 exportiert.</source>
        <translation>
            <numerusform>%n locomotive exported to %1.</numerusform>
            <numerusform>%n locomotives exported to %1.</numerusform>
        </translation>
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
    <name>MagSymFrm</name>
    <message>
        <source>Weiche links</source>
        <translation>Turnout left</translation>
    </message>
    <message>
        <source>Weiche rechts</source>
        <translation>Turnout right</translation>
    </message>
    <message>
        <source>Magnetartikel allgemein (rot/grün)</source>
        <translation>Accessory, general (red/green)</translation>
    </message>
    <message>
        <source>Dreiwegweiche</source>
        <translation>Three-way turnout</translation>
    </message>
    <message>
        <source>Doppelte Kreuzungsweiche</source>
        <translation>Double slip switch</translation>
    </message>
    <message>
        <source>Kreuzung</source>
        <translation>Crossing</translation>
    </message>
    <message>
        <source>Y-Weiche</source>
        <translation>Y turnout</translation>
    </message>
    <message>
        <source>Lichthauptsignal (rot/grün)</source>
        <translation>Colour-light main signal (red/green)</translation>
    </message>
    <message>
        <source>Lichthauptsignal Halt (rot)</source>
        <translation>Colour-light main signal stop (red)</translation>
    </message>
    <message>
        <source>Lichthauptsignal Fahrt (grün)</source>
        <translation>Colour-light main signal clear (green)</translation>
    </message>
    <message>
        <source>Lichtvorsignal</source>
        <translation>Colour-light distant signal</translation>
    </message>
    <message>
        <source>Formhauptsignal</source>
        <translation>Semaphore main signal</translation>
    </message>
    <message>
        <source>Formvorsignal</source>
        <translation>Semaphore distant signal</translation>
    </message>
    <message>
        <source>Rangiersignal / Gleissperrsignal</source>
        <translation>Shunting signal / track block signal</translation>
    </message>
    <message>
        <source>Lichtsignal dreibegriffig</source>
        <translation>Three-aspect colour-light signal</translation>
    </message>
    <message>
        <source>Entkupplungsgleis</source>
        <translation>Uncoupling track</translation>
    </message>
    <message>
        <source>Bahnübergang</source>
        <translation>Level crossing</translation>
    </message>
    <message>
        <source>Schranke</source>
        <translation>Barrier</translation>
    </message>
    <message>
        <source>Drehscheibe</source>
        <translation>Turntable</translation>
    </message>
    <message>
        <source>Schiebebühne</source>
        <translation>Transfer table</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Beleuchtung / Lampe</source>
        <translation>Lighting / lamp</translation>
    </message>
    <message>
        <source>Fahrstrom / Trennstelle</source>
        <translation>Track power / isolating section</translation>
    </message>
    <message>
        <source>Besetztmelder (Gleis besetzt)</source>
        <translation>Occupancy detector (track occupied)</translation>
    </message>
    <message>
        <source>Gleiskontakt</source>
        <translation>Track contact</translation>
    </message>
    <message>
        <source>Motor / Antrieb</source>
        <translation>Motor / drive</translation>
    </message>
    <message>
        <source>Mag.Fkt.-Symbole</source>
        <translation>Accessory symbols</translation>
    </message>
    <message>
        <source>S-Nr.</source>
        <translation>S-No.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>abbrechen</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>MainWin</name>
    <message>
        <source>Liest alle Fahrstraßen aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation>Reads all routes from the command station and opens them for editing.</translation>
    </message>
    <message>
        <source>Liest die Lokdaten aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the loco data from the command station and opens them for editing.</translation>
    </message>
    <message>
        <source>Liest die Magnetartikel des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the accessories of the address range beside it and opens them for editing.</translation>
    </message>
    <message>
        <source>Liest die Rückmelder des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation>Reads the feedback contacts of the address range beside it and opens them for editing.</translation>
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
    <message>
        <source>&amp;Lokdaten</source>
        <translation>&amp;Loco data</translation>
    </message>
    <message>
        <source>&amp;Mag.Art.daten</source>
        <translation>&amp;Accessories</translation>
    </message>
    <message>
        <source>&amp;Rückmelderdaten</source>
        <translation>Fee&amp;dback</translation>
    </message>
    <message>
        <source>&amp;Fahrstraßen</source>
        <translation>&amp;Routes</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>%1, Funktionen an: %2</source>
        <translation>%1, functions on: %2</translation>
    </message>
    <message>
        <source>rückwärts</source>
        <translation>reverse</translation>
    </message>
    <message>
        <source>vorwärts</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Nothalt</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>Fahrstufe %1</source>
        <translation>Speed step %1</translation>
    </message>
    <message>
        <source>Prüfsumme falsch, verworfen</source>
        <translation>Checksum wrong, dropped</translation>
    </message>
    <message>
        <source>Gleisspannung ein</source>
        <translation>Track power on</translation>
    </message>
    <message>
        <source>Gleisspannung aus</source>
        <translation>Track power off</translation>
    </message>
    <message>
        <source>Nothalt für alle (Leerlauf)</source>
        <translation>Emergency stop for all (idle)</translation>
    </message>
    <message>
        <source>Rückmelder %1: %2</source>
        <translation>Feedback contact %1: %2</translation>
    </message>
    <message>
        <source>belegt</source>
        <translation>occupied</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Weiche %1 stellen: %2, Ausgang %3</source>
        <translation>Set turnout %1: %2, output %3</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Weichenmeldung %1: %2 %3</source>
        <translation>Turnout report %1: %2 %3</translation>
    </message>
    <message>
        <source>Weicheneingang</source>
        <translation>turnout input</translation>
    </message>
    <message>
        <source>Hilfseingang</source>
        <translation>auxiliary input</translation>
    </message>
    <message>
        <source>Weichenmeldung %1: Ausgang grün %2, rot %3</source>
        <translation>Turnout report %1: output green %2, red %3</translation>
    </message>
    <message>
        <source>Slot %1 anfordern</source>
        <translation>Request slot %1</translation>
    </message>
    <message>
        <source>Slot für Lok %1 anfordern</source>
        <translation>Request slot for locomotive %1</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>Quittung auf %1: Code %2</source>
        <translation>Acknowledgement of %1: code %2</translation>
    </message>
    <message>
        <source>Slotdaten Slot %1: Lok %2, %3, %4</source>
        <translation>Slot data slot %1: locomotive %2, %3, %4</translation>
    </message>
    <message>
        <source>Opcode %1, %2 Bytes</source>
        <translation>Opcode %1, %2 bytes</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Zeigt jede Nachricht auf dem LocoNet mit Uhrzeit, Richtung (gesendet/empfangen), Bytes und Bedeutung, bis Strg+C kommt.</source>
        <translation>Shows every message on the LocoNet with time, direction (sent/received), bytes and meaning, until Ctrl+C comes.</translation>
    </message>
    <message>
        <source>Nur die Bytes jeder Nachricht in Hexadezimal.</source>
        <translation>Only the bytes of each message in hexadecimal.</translation>
    </message>
    <message>
        <source>LocoNet-Monitor an </source>
        <translation>LocoNet monitor on </translation>
    </message>
    <message>
        <source>, Ende mit Strg+C
</source>
        <translation>, end with Ctrl+C
</translation>
    </message>
    <message>
        <source>Der Port wurde geschlossen.</source>
        <translation>The port was closed.</translation>
    </message>
    <message>
        <source>kx2ctl monitor [--port PORT] [--raw]</source>
        <translation>kx2ctl monitor [--port PORT] [--raw]</translation>
    </message>
</context>
<context>
    <name>MonitorWin</name>
    <message>
        <source>LocoNet-Monitor</source>
        <translation>LocoNet monitor</translation>
    </message>
    <message>
        <source>Port öffnen</source>
        <translation>Open port</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Leeren</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Nur diese Opcodes zeigen, hexadezimal und durch Leerzeichen getrennt</source>
        <translation>Show only these opcodes, hexadecimal and separated by blanks</translation>
    </message>
    <message>
        <source>Opcode:</source>
        <translation>Opcode:</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Port schließen</source>
        <translation>Close port</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>geschlossen</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>geschlossen (%1)</source>
        <translation>closed (%1)</translation>
    </message>
    <message>
        <source>LocoNet-Monitor speichern</source>
        <translation>Save LocoNet monitor</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)|*.txt|</source>
        <translation>Text file (*.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>The file cannot be written:</translation>
    </message>
    <message numerus="yes">
        <source>%n Nachrichten, Port %1: %2</source>
        <translation>
            <numerusform>%n message, port %1: %2</numerusform>
            <numerusform>%n messages, port %1: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameEditBox</name>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation>%1 of %2 characters</translation>
    </message>
    <message>
        <source>Zeile 1 + 2: %1 von %2 Zeichen</source>
        <translation>Lines 1 + 2: %1 of %2 characters</translation>
    </message>
</context>
<context>
    <name>OptWin</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Update über </source>
        <translation>Update via </translation>
    </message>
    <message>
        <source>Baurate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>ComPort:</source>
        <translation>COM port:</translation>
    </message>
    <message>
        <source>Nummer, Gerätename, SIM (simulierte Zentrale) oder tcp:Rechner:Port für LocoNet über TCP (LbServer, Port-Vorgabe 1234)</source>
        <translation>Number, device name, SIM (simulated command station) or tcp:host:port for LocoNet over TCP (LbServer, default port 1234)</translation>
    </message>
    <message>
        <source>Liest das Gesendete aus der Zentrale zurück und meldet jede Abweichung.</source>
        <translation>Reads back what was sent from the command station and reports every difference.</translation>
    </message>
    <message>
        <source>Die neue Sprache gilt ab dem nächsten Start.</source>
        <translation>The new language takes effect at the next start.</translation>
    </message>
    <message>
        <source>Übernimmt die gewählten Einstellungen.</source>
        <translation>Takes over the chosen settings.</translation>
    </message>
    <message>
        <source>Schließt das Fenster; die Einstellungen bleiben, wie sie waren.</source>
        <translation>Closes the window; the settings stay as they were.</translation>
    </message>
    <message>
        <source>&amp;Nummer:</source>
        <translation>&amp;Number:</translation>
    </message>
    <message>
        <source>Nach dem Senden &amp;prüfen</source>
        <translation>Check &amp;after sending</translation>
    </message>
    <message>
        <source>&amp;O.K.</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>ComPort </source>
        <translation>COM port </translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden (nicht angeschlossen oder falscher Name)</source>
        <translation>device not present (not connected or wrong name)</translation>
    </message>
    <message>
        <source>belegt: ein anderes Programm hat den Port geöffnet</source>
        <translation>busy: another program has opened the port</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source> (der Benutzer muss Mitglied der Gruppe dialout sein)</source>
        <translation> (the user must be a member of the group dialout)</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Fehler des Systems (%1)</source>
        <translation>system error (%1)</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Funktionssymbole</source>
        <translation>function symbols</translation>
    </message>
    <message>
        <source>Magnetartikel- und Rückmeldersymbole</source>
        <translation>accessory and feedback symbols</translation>
    </message>
    <message>
        <source>Hilfetext</source>
        <translation>help text</translation>
    </message>
    <message>
        <source>Nicht gefunden:</source>
        <translation>Not found:</translation>
    </message>
    <message>
        <source>Gesucht im Ordner: </source>
        <translation>Looked in the folder: </translation>
    </message>
</context>
<context>
    <name>ProgressCount</name>
    <message>
        <source> von </source>
        <translation> of </translation>
    </message>
    <message>
        <source>noch etwa %1 s</source>
        <translation>about %1 s left</translation>
    </message>
    <message>
        <source>noch etwa %1 min</source>
        <translation>about %1 min left</translation>
    </message>
    <message>
        <source>noch etwa %1 min %2 s</source>
        <translation>about %1 min %2 s left</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Datensätzen</source>
        <translation>records</translation>
    </message>
    <message>
        <source>Datenformaten</source>
        <translation>data formats</translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation>routes</translation>
    </message>
    <message>
        <source>Fahrstraßeneinträgen</source>
        <translation>route entries</translation>
    </message>
    <message>
        <source>Datenbank-Index</source>
        <translation>Database index</translation>
    </message>
    <message>
        <source>%1 von %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>; Datenbank-Index geschrieben</source>
        <translation>; database index written</translation>
    </message>
    <message>
        <source>; Datenbank-Index nicht geschrieben</source>
        <translation>; database index not written</translation>
    </message>
    <message>
        <source>%1 (+%2 möglicherweise)</source>
        <translation>%1 (+%2 possibly)</translation>
    </message>
    <message>
        <source>; Datenbank-Index möglicherweise geschrieben</source>
        <translation>; database index possibly written</translation>
    </message>
</context>
<context>
    <name>PtyServer</name>
    <message>
        <source>%1 ist schon vorhanden und kein Link</source>
        <translation>%1 already exists and is not a link</translation>
    </message>
    <message>
        <source>Pseudo-Terminals gibt es auf diesem System nicht (nur Linux und macOS)</source>
        <translation>This system has no pseudo-terminals (only Linux and macOS)</translation>
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
    <name>QtSerialComm1</name>
    <message>
        <source>Gerät nicht mehr vorhanden</source>
        <translation>device no longer present</translation>
    </message>
    <message>
        <source>ungültige Einstellung: </source>
        <translation>invalid setting: </translation>
    </message>
    <message>
        <source>kein Port angegeben</source>
        <translation>no port given</translation>
    </message>
    <message>
        <source>Port ist nicht geöffnet</source>
        <translation>port is not open</translation>
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
        <source>%1 von %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation>Data format</translation>
    </message>
</context>
<context>
    <name>RangeRecordEditor</name>
    <message>
        <source>Adr.</source>
        <translation>Addr.</translation>
    </message>
    <message>
        <source>Name Zeile1</source>
        <translation>Name line 1</translation>
    </message>
    <message>
        <source>Name Zeile2</source>
        <translation>Name line 2</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
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
        <source>von Adr.:</source>
        <translation>from addr.:</translation>
    </message>
    <message>
        <source>bis Adr.:</source>
        <translation>to addr.:</translation>
    </message>
    <message>
        <source>alle löschen</source>
        <translation>clear all</translation>
    </message>
</context>
<context>
    <name>RangeTransfer</name>
    <message>
        <source>Datensatznummer</source>
        <translation>Record number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>%1 %2: Datenformat gesendet %3, gelesen %4</source>
        <translation>%1 %2: data format sent %3, read %4</translation>
    </message>
    <message>
        <source>Geprüft</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>gesendet</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>gelesen</source>
        <translation>read</translation>
    </message>
</context>
<context>
    <name>ReadKeepingTables</name>
    <message>
        <source>gelesen</source>
        <translation>read</translation>
    </message>
    <message>
        <source>Sollen die bisher gelesenen Datensätze in der Tabelle bleiben?</source>
        <translation>Should the records read so far stay in the table?</translation>
    </message>
    <message>
        <source>Ja: die übrigen bleiben leer.</source>
        <translation>Yes: the rest stay empty.</translation>
    </message>
    <message>
        <source>Nein: die Tabelle wird wiederhergestellt, wie sie vor dem Lesen war.</source>
        <translation>No: the table is restored as it was before the read.</translation>
    </message>
    <message>
        <source>Lesen nicht vollständig</source>
        <translation>Read incomplete</translation>
    </message>
</context>
<context>
    <name>RecordAreas</name>
    <message>
        <source> lesen</source>
        <translation> read</translation>
    </message>
    <message>
        <source> schreiben</source>
        <translation> write</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>Datenbank ID lesen : </source>
        <translation>Read database ID : </translation>
    </message>
    <message>
        <source>lange Datensätze lesen : </source>
        <translation>Read long records : </translation>
    </message>
    <message>
        <source>Seriennummer lesen:</source>
        <translation>Read serial number:</translation>
    </message>
    <message>
        <source>Bootloader starten:</source>
        <translation>Start boot loader:</translation>
    </message>
    <message>
        <source>Bootloader beenden:</source>
        <translation>End boot loader:</translation>
    </message>
    <message>
        <source>Datenbank Version KXII:</source>
        <translation>Database version KXII:</translation>
    </message>
    <message>
        <source>Datenbank Version im Backup File:</source>
        <translation>Database version in the backup file:</translation>
    </message>
    <message>
        <source>Display löschen:</source>
        <translation>Clear display:</translation>
    </message>
    <message>
        <source>Displaycurser setzen:</source>
        <translation>Set display cursor:</translation>
    </message>
    <message>
        <source>Displaytext schreiben:</source>
        <translation>Write display text:</translation>
    </message>
    <message>
        <source>Read LongData:</source>
        <translation>Read LongData:</translation>
    </message>
    <message>
        <source>Write LongData:</source>
        <translation>Write LongData:</translation>
    </message>
    <message>
        <source>Read ShortData:</source>
        <translation>Read ShortData:</translation>
    </message>
    <message>
        <source>Write ShortData:</source>
        <translation>Write ShortData:</translation>
    </message>
    <message>
        <source>Read Page:</source>
        <translation>Read Page:</translation>
    </message>
    <message>
        <source>Write Page:</source>
        <translation>Write Page:</translation>
    </message>
    <message>
        <source>Read ID Tab.:</source>
        <translation>Read ID Tab.:</translation>
    </message>
    <message>
        <source>Write ID Tab.:</source>
        <translation>Write ID Tab.:</translation>
    </message>
    <message>
        <source>FS Modul Prog. on:</source>
        <translation>Route module prog. on:</translation>
    </message>
    <message>
        <source>FS Modul Read :</source>
        <translation>Route module read :</translation>
    </message>
    <message>
        <source>FS Modul Write :</source>
        <translation>Route module write :</translation>
    </message>
    <message>
        <source>FS Modul Prog. off:</source>
        <translation>Route module prog. off:</translation>
    </message>
    <message>
        <source>Lokdatenformat</source>
        <translation>Locomotive data format</translation>
    </message>
    <message>
        <source>ComPort</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source> LocoNet Message gesendet:</source>
        <translation> LocoNet message sent:</translation>
    </message>
    <message>
        <source> SAM Flash schreiben:</source>
        <translation> Write SAM flash:</translation>
    </message>
    <message>
        <source> SAM Flash lesen:</source>
        <translation> Read SAM flash:</translation>
    </message>
    <message>
        <source> Datenflash lesen:</source>
        <translation> Read data flash:</translation>
    </message>
    <message>
        <source> Datenflash schreiben:</source>
        <translation> Write data flash:</translation>
    </message>
    <message>
        <source> Daten senden:</source>
        <translation> Send data:</translation>
    </message>
    <message>
        <source> keine Antwort!</source>
        <translation> no answer!</translation>
    </message>
    <message>
        <source> Senden nicht möglich!</source>
        <translation> cannot send!</translation>
    </message>
    <message>
        <source> Timeout: kein Antwort auf LocoNet! </source>
        <translation> Timeout: no answer on LocoNet! </translation>
    </message>
    <message>
        <source> Modul antwortet nicht!</source>
        <translation> module does not answer!</translation>
    </message>
    <message>
        <source> Programmierung fehlgeschlagen!</source>
        <translation> programming failed!</translation>
    </message>
    <message>
        <source> Kann nicht geöffnet werden!</source>
        <translation> cannot be opened!</translation>
    </message>
    <message>
        <source> keine gültige Version!</source>
        <translation> not a valid version!</translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>Übernimmt die Lokomotiven einer JMRI-Roster (roster.xml) oder eines Rocrail-Plans (plan.xml) in eine
Lokdaten-Datei: Name, Adresse, Datenformat, Höchstgeschwindigkeit (nur in km/h) und die Symbole, die
die Funktionsnamen nach konf/lokfunktionen.txt meinen. Eine Lok mit einer Adresse der Datei wird
geändert, eine neue Adresse wird eine neue Lok, die übrigen bleiben. Eine fehlerhafte Datei ändert
nichts.</source>
        <translation>Takes the locomotives of a JMRI roster (roster.xml) or a Rocrail plan (plan.xml) into a loco
data file: name, address, data format, maximum speed (in km/h only) and the symbols the function
names mean by konf/lokfunktionen.txt. A loco with an address of the file is changed, a new address
becomes a new loco, the others stay. A faulty file changes nothing.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>roster.xml oder plan.xml</source>
        <translation>roster.xml or plan.xml</translation>
    </message>
    <message>
        <source>Lokdaten-Datei (ISD), in die übernommen wird.</source>
        <translation>Loco data file (ISD) to take the list into.</translation>
    </message>
    <message>
        <source>Zieldatei (ISD).</source>
        <translation>Output file (ISD).</translation>
    </message>
    <message>
        <source>Namen, die länger als 23 Zeichen sind, gekürzt übernehmen.</source>
        <translation>Take names longer than 23 characters shortened.</translation>
    </message>
    <message>
        <source>kx2ctl import-roster DATEI.xml -i BASIS.isd -o NEU.isd [--shorten]</source>
        <translation>kx2ctl import-roster FILE.xml -i BASE.isd -o NEW.isd [--shorten]</translation>
    </message>
    <message>
        <source>Aufruf: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>Mit --shorten werden sie gekürzt; nichts übernommen.</source>
        <translation>With --shorten they are shortened; nothing taken over.</translation>
    </message>
    <message>
        <source>; gespeichert in </source>
        <translation>; saved in </translation>
    </message>
    <message>
        <source>Schreibt die Lokomotiven einer Lokdaten-Datei als JMRI-Roster in einen Ordner: ORDNER/roster.xml und
je Lok ORDNER/roster/NAME.xml, mit Name, Adresse, Protokoll und den Funktionsnamen der Symbole in
der Sprache des Programms. Datenformat und Höchstgeschwindigkeit stehen als Attributpaare dabei.</source>
        <translation>Writes the locomotives of a loco data file as a JMRI roster into a folder: FOLDER/roster.xml and
for each loco FOLDER/roster/NAME.xml, with name, address, protocol and the function names of the
symbols in the program&apos;s language. Data format and maximum speed go along as attribute pairs.</translation>
    </message>
    <message>
        <source>lokdaten</source>
        <translation>locodata</translation>
    </message>
    <message>
        <source>Lokdaten-Datei (ISD)</source>
        <translation>Loco data file (ISD)</translation>
    </message>
    <message>
        <source>Ordner der Roster.</source>
        <translation>Folder of the roster.</translation>
    </message>
    <message>
        <source>ordner</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>kx2ctl export-roster LOKDATEN.isd -o ORDNER</source>
        <translation>kx2ctl export-roster LOCODATA.isd -o FOLDER</translation>
    </message>
    <message numerus="yes">
        <source>%n Lokomotiven exportiert nach </source>
        <translation>
            <numerusform>%n locomotive exported to </numerusform>
            <numerusform>%n locomotives exported to </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>The folder cannot be created.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>die Dokumenttyp-Deklaration erklärt Entitäten; sie werden nie aufgelöst, die Datei wird nicht gelesen</source>
        <translation>the document type declaration declares entities; they are never expanded, the file is not read</translation>
    </message>
    <message>
        <source>die Entität &amp;%1; wird nie aufgelöst</source>
        <translation>the entity &amp;%1; is never expanded</translation>
    </message>
    <message>
        <source>kein wohlgeformtes XML (%1)</source>
        <translation>not well-formed XML (%1)</translation>
    </message>
    <message>
        <source>kein Wurzelelement</source>
        <translation>no root element</translation>
    </message>
    <message>
        <source>Das Wurzelelement &lt;%1&gt; ist weder eine JMRI-Roster (roster-config) noch ein Rocrail-Plan (plan, lclist).</source>
        <translation>The root element &lt;%1&gt; is neither a JMRI roster (roster-config) nor a Rocrail plan (plan, lclist).</translation>
    </message>
    <message>
        <source>keine Lok (&lt;locomotive&gt;) in der Datei</source>
        <translation>no loco (&lt;locomotive&gt;) in the file</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>Lok ohne Namen (Zeile %1)</source>
        <translation>Loco without a name (line %1)</translation>
    </message>
    <message>
        <source>Lok &quot;%1&quot; (Zeile %2)</source>
        <translation>Loco &quot;%1&quot; (line %2)</translation>
    </message>
    <message>
        <source>keine Adresse</source>
        <translation>no address</translation>
    </message>
    <message>
        <source>die Adresse %1 liegt nicht im Bereich %2 bis %3 der Zentrale</source>
        <translation>the address %1 is outside the command station&apos;s range %2 to %3</translation>
    </message>
    <message>
        <source>die Adresse %1 hat schon %2</source>
        <translation>the address %1 already belongs to %2</translation>
    </message>
    <message>
        <source>kein freier Platz mehr, die Zentrale hat %1 Lokplätze</source>
        <translation>no free slot left, the command station has %1 loco slots</translation>
    </message>
    <message numerus="yes">
        <source>%n Lokomotiven geändert</source>
        <translation>
            <numerusform>%n locomotive changed</numerusform>
            <numerusform>%n locomotives changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n neu</source>
        <translation>
            <numerusform>%n new</numerusform>
            <numerusform>%n new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namen gekürzt</source>
        <translation>
            <numerusform>%n name shortened</numerusform>
            <numerusform>%n names shortened</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namen sind länger als die %1 Zeichen, die ein Lokdatensatz hält:</source>
        <translation>
            <numerusform>%n name is longer than the %1 characters a loco record holds:</numerusform>
            <numerusform>%n names are longer than the %1 characters a loco record holds:</numerusform>
        </translation>
    </message>
    <message>
        <source>Sollen sie gekürzt übernommen werden? Ohne Kürzen wird nichts übernommen.</source>
        <translation>Shall they be taken over shortened? Without shortening nothing is taken over.</translation>
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
    <name>RouteEntry</name>
    <message>
        <source>Lok Nothalt</source>
        <translation>Loco E-stop</translation>
    </message>
    <message>
        <source>Lok Halt</source>
        <translation>Loco stop</translation>
    </message>
    <message>
        <source>Geschw.%1%</source>
        <translation>Speed %1%</translation>
    </message>
    <message>
        <source>Fahrtr.wenden</source>
        <translation>Dir. turn</translation>
    </message>
    <message>
        <source>Fahrtr.rückw.</source>
        <translation>Dir. reverse</translation>
    </message>
    <message>
        <source>Fahrtr.vorw.</source>
        <translation>Dir. forward</translation>
    </message>
    <message>
        <source>Fkt. </source>
        <translation>Fn. </translation>
    </message>
    <message>
        <source>Fkt. aus (F0-4)</source>
        <translation>Fn. off (F0-4)</translation>
    </message>
    <message>
        <source>Fkt. aus (F5-8)</source>
        <translation>Fn. off (F5-8)</translation>
    </message>
    <message>
        <source>Nothalt</source>
        <translation>E-stop</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Lok %1</source>
        <translation>Loco %1</translation>
    </message>
    <message>
        <source>Mag.Art.%1rot</source>
        <translation>Acc.%1 red</translation>
    </message>
    <message>
        <source>Mag.Art.%1grün</source>
        <translation>Acc.%1 green</translation>
    </message>
    <message>
        <source>Pause %1s</source>
        <translation>Pause %1 s</translation>
    </message>
    <message>
        <source>UnterFS:%1</source>
        <translation>Sub-route %1</translation>
    </message>
    <message>
        <source>angehängt</source>
        <translation>appended</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>RM.Adr.%1frei</source>
        <translation>Cont.%1 free</translation>
    </message>
    <message>
        <source>RM.Adr.%1belegt</source>
        <translation>Cont.%1 occ.</translation>
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
        <translation>F&amp;ind:</translation>
    </message>
</context>
<context>
    <name>SerialInterface</name>
    <message>
        <source>Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!</source>
        <translation>You can use the LocoNet interface only with COM port 1 or COM port 2!</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Die Einstellungen können nicht im Programmordner<byte value="xd"/></source>
        <translation>The settings cannot be saved in the program folder<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>gespeichert werden. Sie stehen jetzt in<byte value="xd"/></source>
        <translation><byte value="xd"/>. They are now in<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>und werden beim nächsten Start von dort gelesen.</source>
        <translation><byte value="xd"/>and will be read from there at the next start.</translation>
    </message>
    <message>
        <source>: Ordner kann nicht angelegt werden</source>
        <translation>: folder cannot be created</translation>
    </message>
    <message>
        <source>Die Einstellungen (ComPort und Baudrate) konnten nicht gespeichert werden.<byte value="xd"/></source>
        <translation>The settings (COM port and baud rate) could not be saved.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Aufruf: kx2ctl show DATEI.ISD [--csv | --pdf AUSGABE.PDF [--all]]

Zeigt die Datensätze einer ISD-Datei:
  Lokdaten (&quot;KX2-Lokdaten Version 1.0&quot;) und ein Lokdatensatz (&quot;KX2-Lokdatensatz Version 1.0&quot;):
    Platz, Adresse, Name, Datenformat, Höchstgeschwindigkeit und die Symbole der Funktionen
    f0 bis f28 (&quot;-&quot; = kein Symbol);
  Magnetartikel (&quot;KX2-Magnetartikeldaten Version 1.0&quot;) und Rückmelder
    (&quot;KX2-Rückmelderdaten Version 1.0&quot;): Adressbereich, dann je Adresse die beiden
    Namenszeilen, das Symbol und (Magnetartikel) das Datenformat;
  Fahrstraßen (&quot;KX2-Fahrstraßendaten Version 1.0&quot;): je Fahrstraße mit Namen oder Start
    die beiden Namenszeilen, der Start und die Befehle bis zum letzten, wie der Editor sie zeigt.

Optionen:
  --csv       die Tabelle als CSV (UTF-8, &apos;;&apos; getrennt), wie &quot;Als CSV exportieren...&quot; im Editor
  --pdf AUSGABE.PDF  die Tabelle als PDF-Datei, wie &quot;Als PDF speichern&quot; im Editor: die benutzten
              Datensätze, Adressen und Namen auf jeder Seite, Kopf mit Seriennummer und Datum,
              &quot;Seite N von M&quot; darunter; Fahrstraßen je eine Spalte
  --all       mit --pdf: jede Adresse des Adressbereichs (jede Fahrstraße), auch unbenutzte
  -h, --help  diese Hilfe

Rückgabe: 0 gelesen, 1 Datei falsch oder nicht lesbar, 2 falscher Aufruf.
</source>
        <translation>Usage: kx2ctl show FILE.ISD [--csv | --pdf OUTPUT.PDF [--all]]

Shows the records of an ISD file:
  locomotive data (&quot;KX2-Lokdaten Version 1.0&quot;) and a locomotive record (&quot;KX2-Lokdatensatz Version 1.0&quot;):
    slot, address, name, data format, maximum speed and the symbols of the functions
    f0 to f28 (&quot;-&quot; = no symbol);
  accessories (&quot;KX2-Magnetartikeldaten Version 1.0&quot;) and feedback contacts
    (&quot;KX2-Rückmelderdaten Version 1.0&quot;): address range, then for each address the two
    name lines, the symbol and (accessories) the data format;
  routes (&quot;KX2-Fahrstraßendaten Version 1.0&quot;): for each route with a name or a start
    the two name lines, the start and the commands up to the last, as the editor shows them.

Options:
  --csv       the table as CSV (UTF-8, separated by &apos;;&apos;), like &quot;Export as CSV...&quot; in the editor
  --pdf OUTPUT.PDF  the table as a PDF file, like &quot;Save as PDF&quot; in the editor: the records
              in use, addresses and names on every page, header with serial number and date,
              &quot;Page N of M&quot; below; routes one column each
  --all       with --pdf: every address of the address range (every route), unused ones too
  -h, --help  this help

Exit code: 0 read, 1 file wrong or not readable, 2 wrong call.
</translation>
    </message>
    <message>
        <source>Adr.</source>
        <translation>Addr.</translation>
    </message>
    <message>
        <source>Unbekannte Option: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source>Datei: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Inhalt: </source>
        <translation>Contents: </translation>
    </message>
    <message>
        <source>Seriennummer (Werte 1..4): </source>
        <translation>Serial number (values 1..4): </translation>
    </message>
    <message>
        <source>Lokomotiven: </source>
        <translation>Locomotives: </translation>
    </message>
    <message>
        <source>Zeile 1: &quot;%1&quot; ist keine Datei dieses Programms</source>
        <translation>Line 1: &quot;%1&quot; is not a file of this program</translation>
    </message>
    <message>
        <source>Adressbereich: </source>
        <translation>Address range: </translation>
    </message>
    <message>
        <source> bis </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Name Zeile1</source>
        <translation>Name line 1</translation>
    </message>
    <message>
        <source>Name Zeile2</source>
        <translation>Name line 2</translation>
    </message>
    <message>
        <source>Fahrstraßen mit Start: </source>
        <translation>Routes with a start: </translation>
    </message>
    <message>
        <source>    FS-Start: </source>
        <translation>    Route start: </translation>
    </message>
    <message>
        <source>    Befehl</source>
        <translation>    Command</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>D-For.</source>
        <translation>D-Fmt.</translation>
    </message>
    <message>
        <source>max.Geschw.</source>
        <translation>max.speed</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
</context>
<context>
    <name>SimComm1</name>
    <message>
        <source>Die simulierte Schnittstelle ist nicht angeschlossen</source>
        <translation>The simulated interface is not connected</translation>
    </message>
</context>
<context>
    <name>SimCommand</name>
    <message>
        <source>Betreibt die simulierte Zentrale an einem Pseudo-Terminal und/oder als LbServer für LocoNet über TCP, bis SIGINT oder SIGTERM kommt.</source>
        <translation>Runs the simulated command station on a pseudo-terminal and/or as an LbServer for LocoNet over TCP, until SIGINT or SIGTERM comes.</translation>
    </message>
    <message>
        <source>Link auf das Pseudo-Terminal anlegen</source>
        <translation>Create a link to the pseudo-terminal</translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>LocoNet über TCP (LbServer-Protokoll) auf 127.0.0.1:PORT anbieten, mehrere Verbindungen zugleich; 0 wählt einen freien Port</source>
        <translation>Offer LocoNet over TCP (LbServer protocol) on 127.0.0.1:PORT, several connections at once; 0 chooses a free port</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Speicher der Zentrale in dieser Datei halten</source>
        <translation>Keep the command station&apos;s memory in this file</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>N gültige Lokdatensätze anlegen (0..500)</source>
        <translation>Create N valid locomotive records (0..500)</translation>
    </message>
    <message>
        <source>Magnetartikel 1..N mit Namen, Symbol und Datenformat anlegen (0..2048)</source>
        <translation>Create accessories 1..N with name, symbol and data format (0..2048)</translation>
    </message>
    <message>
        <source>Rückmelder 1..N mit Namen und Symbol anlegen (0..4096)</source>
        <translation>Create feedback contacts 1..N with name and symbol (0..4096)</translation>
    </message>
    <message>
        <source>Fahrstraßen 1..N mit Namen, Start und Befehlen aller Arten anlegen (0..80)</source>
        <translation>Create routes 1..N with name, start and commands of every kind (0..80)</translation>
    </message>
    <message>
        <source>das Fahrstraßenmodul antwortet auf nichts</source>
        <translation>the route module answers nothing</translation>
    </message>
    <message>
        <source>das Fahrstraßenmodul lehnt den Programmiermodus ab</source>
        <translation>the route module refuses the programming mode</translation>
    </message>
    <message>
        <source>jede N-te Antwort des Fahrstraßenmoduls geht verloren</source>
        <translation>every Nth answer of the route module is lost</translation>
    </message>
    <message>
        <source>Sekunden vor jeder Antwort des Fahrstraßenmoduls</source>
        <translation>seconds before every answer of the route module</translation>
    </message>
    <message>
        <source>Moduladresse des Fahrstraßenmoduls (Standard 456)</source>
        <translation>module address of the route module (default 456)</translation>
    </message>
    <message>
        <source>jedes Byte frühestens nach seiner Zeit auf der Leitung liefern</source>
        <translation>deliver every byte no earlier than its time on the line</translation>
    </message>
    <message>
        <source>BAUD</source>
        <translation>BAUD</translation>
    </message>
    <message>
        <source>Seriennummer (1200000000 bis 1204194303)</source>
        <translation>serial number (1200000000 to 1204194303)</translation>
    </message>
    <message>
        <source>NUMMER</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>Quittungscode von Schritt 2 (Standard 0x42)</source>
        <translation>acknowledgement code of step 2 (default 0x42)</translation>
    </message>
    <message>
        <source>Quittungscode von Schritt 1: 0x7F, 0x01 oder ein ablehnender</source>
        <translation>acknowledgement code of step 1: 0x7F, 0x01 or a refusing one</translation>
    </message>
    <message>
        <source>Sekunden bis zur Bereitmeldung</source>
        <translation>seconds until the ready message</translation>
    </message>
    <message>
        <source>jede N-te Anfrage geht verloren</source>
        <translation>every Nth request is lost</translation>
    </message>
    <message>
        <source>Seiten schreiben ablehnen</source>
        <translation>refuse page writes</translation>
    </message>
    <message>
        <source>Datenformate schreiben ablehnen</source>
        <translation>refuse data format writes</translation>
    </message>
    <message>
        <source>Quittungscode einer Ablehnung (Standard 0)</source>
        <translation>acknowledgement code of a refusal (default 0)</translation>
    </message>
    <message>
        <source>die Bereitmeldung kommt nie</source>
        <translation>the ready message never comes</translation>
    </message>
    <message>
        <source>Sekunden vor jeder Antwort</source>
        <translation>seconds before every answer</translation>
    </message>
    <message>
        <source>Streubytes vor jeder Antwort</source>
        <translation>stray bytes before every answer</translation>
    </message>
    <message>
        <source>andere Geräte senden alle MS Millisekunden eine Nachricht (Rückmelder, Weichen, Fahrregler, Slotdaten)</source>
        <translation>other devices send a message every MS milliseconds (feedback, turnouts, throttles, slot data)</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Quittung und Bereitmeldung in einem Stück</source>
        <translation>acknowledgement and ready message in one piece</translation>
    </message>
    <message>
        <source>jede N-te geschriebene Datenseite wird mit einem veränderten Byte gespeichert (Byte 5: im Namen)</source>
        <translation>every Nth data page written is stored with a changed byte (byte 5: in the name)</translation>
    </message>
    <message>
        <source>welches Byte einer Datenseite --corrupt-writes-every verändert (0..15, Standard 5)</source>
        <translation>which byte of a data page --corrupt-writes-every changes (0..15, default 5)</translation>
    </message>
    <message>
        <source>jede N-te Antwort (der Zentrale wie des Fahrstraßenmoduls) kommt mit einem veränderten Bit an, die Prüfsumme stimmt dann nicht</source>
        <translation>every Nth answer (of the command station and of the route module) arrives with a changed bit, so its checksum is wrong</translation>
    </message>
    <message>
        <source>jede N-te geschriebene Variable speichert das Fahrstraßenmodul um 10 zu hoch (den nächsten Magnetartikel oder Rückmelder)</source>
        <translation>the route module stores every Nth variable written 10 too high (the next accessory or feedback contact)</translation>
    </message>
    <message>
        <source>Schnittstelle verschwindet nach N Anfragen</source>
        <translation>the interface disappears after N requests</translation>
    </message>
    <message>
        <source>Ereignisse und Verstöße auf stderr melden</source>
        <translation>report events and violations on stderr</translation>
    </message>
    <message>
        <source>kx2ctl sim --help zeigt die Optionen.
</source>
        <translation>kx2ctl sim --help shows the options.
</translation>
    </message>
    <message>
        <source>kx2ctl sim --pty PFAD | --lbserver PORT [Optionen]</source>
        <translation>kx2ctl sim --pty PATH | --lbserver PORT [options]</translation>
    </message>
    <message>
        <source>kx2ctl sim: --pty PFAD oder --lbserver PORT fehlt
</source>
        <translation>kx2ctl sim: --pty PATH or --lbserver PORT is missing
</translation>
    </message>
    <message>
        <source>, auch als 0x..</source>
        <translation>, also as 0x..</translation>
    </message>
    <message>
        <source>Sekunden von 0 bis %1, Bruchteile mit Dezimalpunkt</source>
        <translation>seconds from 0 to %1, fractions with a decimal point</translation>
    </message>
    <message>
        <source>kx2ctl sim: Pseudo-Terminal nicht anlegbar: </source>
        <translation>kx2ctl sim: cannot create the pseudo-terminal: </translation>
    </message>
    <message>
        <source>kx2ctl sim: Link </source>
        <translation>kx2ctl sim: link </translation>
    </message>
    <message>
        <source> nicht anlegbar: </source>
        <translation> cannot be created: </translation>
    </message>
    <message>
        <source>kx2ctl sim: Port </source>
        <translation>kx2ctl sim: port </translation>
    </message>
    <message>
        <source> nicht nutzbar: </source>
        <translation> cannot be used: </translation>
    </message>
    <message>
        <source>Simulierte Zentrale</source>
        <translation>Simulated command station</translation>
    </message>
    <message>
        <source> an </source>
        <translation> on </translation>
    </message>
    <message>
        <source> an tcp:127.0.0.1:</source>
        <translation> on tcp:127.0.0.1:</translation>
    </message>
    <message>
        <source>, Seriennummer </source>
        <translation>, serial number </translation>
    </message>
    <message>
        <source>Protokollverstöße: </source>
        <translation>Protocol violations: </translation>
    </message>
    <message>
        <source>das Beenden des Datenbankzugriffs ablehnen (er bleibt offen)</source>
        <translation>refuse to end the database access (it stays open)</translation>
    </message>
    <message>
        <source>Bytes zum Programm wie ein USB-Interface mit diesem Latenz-Timer zurückhalten: geliefert wird, sobald 62 Bytes (ein USB-Paket) beisammen sind oder MS Millisekunden (1..255) seit dem ersten wartenden Byte vergangen sind (nur --pty)</source>
        <translation>hold the bytes to the program as a USB interface with this latency timer does: they are delivered once 62 bytes (one USB packet) have gathered or MS milliseconds (1..255) after the first waiting byte (--pty only)</translation>
    </message>
</context>
<context>
    <name>SimCommandStation</name>
    <message>
        <source>Zustand nicht geladen: </source>
        <translation>State not loaded: </translation>
    </message>
    <message>
        <source>VERSTOSS: </source>
        <translation>VIOLATION: </translation>
    </message>
    <message>
        <source>Prüfsumme falsch: </source>
        <translation>Checksum wrong: </translation>
    </message>
    <message>
        <source>Längenbyte falsch: </source>
        <translation>Length byte wrong: </translation>
    </message>
    <message>
        <source>Byte 2 falsch: </source>
        <translation>Byte 2 wrong: </translation>
    </message>
    <message>
        <source>Schnittstelle abgezogen</source>
        <translation>Interface unplugged</translation>
    </message>
    <message>
        <source>Anfrage %1 verloren</source>
        <translation>Request %1 lost</translation>
    </message>
    <message>
        <source>Gruppenkopf 1 oder 2 ohne 0x70: </source>
        <translation>Group head 1 or 2 without 0x70: </translation>
    </message>
    <message>
        <source>Unbekannte Selektoren %1, %2, %3</source>
        <translation>Unknown selectors %1, %2, %3</translation>
    </message>
    <message>
        <source>Bootloader starten, Schritt 1: Felder falsch</source>
        <translation>Start boot loader, step 1: fields wrong</translation>
    </message>
    <message>
        <source>Bootloader startet</source>
        <translation>Boot loader starts</translation>
    </message>
    <message>
        <source>Bootloader starten, Schritt 2: Felder falsch</source>
        <translation>Start boot loader, step 2: fields wrong</translation>
    </message>
    <message>
        <source>Bootloader starten, Schritt 2 ohne Schritt 1</source>
        <translation>Start boot loader, step 2 without step 1</translation>
    </message>
    <message>
        <source>Bootloader starten, Schritt 2 vor der Bereitmeldung</source>
        <translation>Start boot loader, step 2 before the ready message</translation>
    </message>
    <message>
        <source>Datenbankzugriff offen</source>
        <translation>Database access open</translation>
    </message>
    <message>
        <source>Bootloader beenden: Felder falsch</source>
        <translation>End boot loader: fields wrong</translation>
    </message>
    <message>
        <source>Bootloader beenden mit falschem Handle 0x%1 statt 0x%2</source>
        <translation>End boot loader with wrong handle 0x%1 instead of 0x%2</translation>
    </message>
    <message>
        <source>Datenbankzugriff geschlossen</source>
        <translation>Database access closed</translation>
    </message>
    <message>
        <source>SAM Flash lesen</source>
        <translation>Read SAM flash</translation>
    </message>
    <message>
        <source>SAM Flash schreiben</source>
        <translation>Write SAM flash</translation>
    </message>
    <message>
        <source>Datenflash lesen</source>
        <translation>Read data flash</translation>
    </message>
    <message>
        <source>Datenflash schreiben</source>
        <translation>Write data flash</translation>
    </message>
    <message>
        <source>Unbekannter Bereichsbefehl D1=%1 D2=%2 D5=%3 D8=%4</source>
        <translation>Unknown area command D1=%1 D2=%2 D5=%3 D8=%4</translation>
    </message>
    <message>
        <source>%1 %2: Signatur oder D17..D20 falsch</source>
        <translation>%1 %2: signature or D17..D20 wrong</translation>
    </message>
    <message>
        <source>%1 %2 ohne offenen Datenbankzugriff</source>
        <translation>%1 %2 without open database access</translation>
    </message>
    <message>
        <source>%1 %2: Seite jenseits der Bereichsgröße %3 geschrieben</source>
        <translation>%1 %2: page written beyond the area size %3</translation>
    </message>
    <message>
        <source>%1 %2, Seite %3: Byte %4 verfälscht gespeichert</source>
        <translation>%1 %2, page %3: byte %4 stored corrupted</translation>
    </message>
    <message>
        <source>Seite lesen %1: D1..D16, D19, D20 nicht 0</source>
        <translation>Read page %1: D1..D16, D19, D20 not 0</translation>
    </message>
    <message>
        <source>Seite lesen %1 ohne offenen Datenbankzugriff</source>
        <translation>Read page %1 without open database access</translation>
    </message>
    <message>
        <source>Seite lesen %1 ohne vorher gelesenen Bereich</source>
        <translation>Read page %1 without an area read before</translation>
    </message>
    <message>
        <source>Seite lesen %1 jenseits der Bereichsgröße %2</source>
        <translation>Read page %1 beyond the area size %2</translation>
    </message>
    <message>
        <source>Seite schreiben %1: D19, D20 nicht 0</source>
        <translation>Write page %1: D19, D20 not 0</translation>
    </message>
    <message>
        <source>Seite schreiben %1 ohne offenen Datenbankzugriff</source>
        <translation>Write page %1 without open database access</translation>
    </message>
    <message>
        <source>Seite schreiben %1 jenseits der Bereichsgröße</source>
        <translation>Write page %1 beyond the area size</translation>
    </message>
    <message>
        <source>Display löschen: Daten nicht 0</source>
        <translation>Clear display: data not 0</translation>
    </message>
    <message>
        <source>Displaycursor setzen: Felder falsch</source>
        <translation>Set display cursor: fields wrong</translation>
    </message>
    <message>
        <source>Datenformat: Byte 6 mit Bit 7</source>
        <translation>Data format: byte 6 with bit 7</translation>
    </message>
    <message>
        <source>Lokdatenformat schreiben %1: Bytes 11..13 nicht 0</source>
        <translation>Write locomotive data format %1: bytes 11..13 not 0</translation>
    </message>
    <message>
        <source>Lokdatenformat lesen %1: Bytes 9..13 nicht 0</source>
        <translation>Read locomotive data format %1: bytes 9..13 not 0</translation>
    </message>
    <message>
        <source>Magnetartikelformat schreiben %1: Felder falsch</source>
        <translation>Write accessory format %1: fields wrong</translation>
    </message>
    <message>
        <source>Magnetartikelformat lesen %1: Bytes 9..13 nicht 0</source>
        <translation>Read accessory format %1: bytes 9..13 not 0</translation>
    </message>
    <message>
        <source>Datenformat: unbekannter Anfragecode %1</source>
        <translation>Data format: unknown request code %1</translation>
    </message>
    <message>
        <source>Antwort %1 verfälscht</source>
        <translation>Answer %1 corrupted</translation>
    </message>
</context>
<context>
    <name>SimRouteModule</name>
    <message>
        <source>FS-Modul: </source>
        <translation>Route module: </translation>
    </message>
    <message>
        <source>Prüfsumme oder Byte 6 falsch: </source>
        <translation>Checksum or byte 6 wrong: </translation>
    </message>
    <message>
        <source>Quelle 0x%1 statt 0x08: </source>
        <translation>Source 0x%1 instead of 0x08: </translation>
    </message>
    <message>
        <source>FS-Modul: Programmiermodus ein</source>
        <translation>Route module: programming mode on</translation>
    </message>
    <message>
        <source>FS-Modul: Programmiermodus aus</source>
        <translation>Route module: programming mode off</translation>
    </message>
    <message>
        <source>Unbekannte Anfrage: </source>
        <translation>Unknown request: </translation>
    </message>
    <message>
        <source>Variable %1 lesen</source>
        <translation>Read variable %1</translation>
    </message>
    <message>
        <source>Variable %1 schreiben</source>
        <translation>Write variable %1</translation>
    </message>
    <message>
        <source> außerhalb des Programmiermodus</source>
        <translation> outside the programming mode</translation>
    </message>
    <message>
        <source>: nur 5..2004</source>
        <translation>: only 5..2004</translation>
    </message>
    <message>
        <source>FS-Modul: Variable %1 falsch gespeichert</source>
        <translation>Route module: variable %1 stored wrongly</translation>
    </message>
    <message>
        <source>FS-Modul: Antwort %1 verloren</source>
        <translation>Route module: answer %1 lost</translation>
    </message>
    <message>
        <source>FS-Modul: Antwort %1 verfälscht</source>
        <translation>Route module: answer %1 corrupted</translation>
    </message>
</context>
<context>
    <name>SimStationMemory</name>
    <message>
        <source>Zustand nicht gespeichert: </source>
        <translation>State not saved: </translation>
    </message>
    <message>
        <source>kein JSON-Objekt: </source>
        <translation>not a JSON object: </translation>
    </message>
    <message>
        <source>keine Zustandsdatei der simulierten Zentrale</source>
        <translation>not a state file of the simulated command station</translation>
    </message>
    <message>
        <source>Bereich mit falscher Nummer oder Länge</source>
        <translation>area with a wrong number or length</translation>
    </message>
    <message>
        <source>Lokdatenformat falsch: </source>
        <translation>Locomotive data format wrong: </translation>
    </message>
    <message>
        <source>Magnetartikelformat falsch: </source>
        <translation>Accessory format wrong: </translation>
    </message>
    <message>
        <source>Variable des FS-Moduls falsch: </source>
        <translation>Variable of the route module wrong: </translation>
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
        <source>Sicherung fehlgeschlagen; nichts gespeichert.</source>
        <translation>Backup failed; nothing saved.</translation>
    </message>
    <message>
        <source> Die Datenbank der Zentrale ließ sich nicht schließen und ist womöglich noch offen.</source>
        <translation> The command station&apos;s database could not be closed and may still be open.</translation>
    </message>
</context>
<context>
    <name>StationRestore</name>
    <message>
        <source>%1 %2: gelesen anders als geschrieben</source>
        <translation>%1 %2: read differently from what was written</translation>
    </message>
    <message>
        <source>Lok %1: Datenformat gelesen anders als geschrieben</source>
        <translation>Loco %1: data format read differently from what was written</translation>
    </message>
    <message>
        <source>Magnetartikel %1: Datenformat gelesen anders als geschrieben</source>
        <translation>Accessory %1: data format read differently from what was written</translation>
    </message>
    <message>
        <source>Fahrstraße %1, Eintrag %2: gelesen anders als geschrieben</source>
        <translation>Route %1, entry %2: read differently from what was written</translation>
    </message>
    <message>
        <source>Keine Sicherung der Zentrale (%1 fehlt): %2</source>
        <translation>Not a backup of the command station (%1 is missing): %2</translation>
    </message>
    <message>
        <source>Sicherung unvollständig oder verändert: </source>
        <translation>Backup incomplete or changed: </translation>
    </message>
    <message>
        <source>Sicherung zurückspielen</source>
        <translation>Restore a backup</translation>
    </message>
    <message>
        <source>Vergleich mit der Zentrale</source>
        <translation>Comparing with the command station</translation>
    </message>
    <message>
        <source>Abgebrochen beim Lesen der Zentrale; nichts geschrieben.</source>
        <translation>Cancelled while reading the command station; nothing written.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Zentrale; nichts geschrieben.</source>
        <translation>Error while reading the command station; nothing written.</translation>
    </message>
    <message>
        <source>Die Zentrale entspricht der Sicherung; nichts geschrieben.</source>
        <translation>The command station equals the backup; nothing written.</translation>
    </message>
    <message>
        <source>Probelauf, nichts geschrieben. Zurückspielen würde:</source>
        <translation>Dry run, nothing written. Restoring would:</translation>
    </message>
    <message>
        <source>Nicht gesendet: die Sicherung ist aus einer anderen Zentrale.</source>
        <translation>Not sent: the backup is from another command station.</translation>
    </message>
    <message>
        <source>Die Zentrale weicht von der Sicherung ab. Sollen die Unterschiede in der TQ7 gespeichert werden?</source>
        <translation>The command station differs from the backup. Store the differences in the TQ7?</translation>
    </message>
    <message>
        <source>Nichts gesendet.</source>
        <translation>Nothing sent.</translation>
    </message>
    <message>
        <source>Zurückspielen</source>
        <translation>Restoring</translation>
    </message>
    <message>
        <source>Zurückspielen abgebrochen; die Zentrale ist teilweise beschrieben.</source>
        <translation>Restore cancelled; the command station is partly written.</translation>
    </message>
    <message>
        <source>Fehler beim Zurückspielen.</source>
        <translation>Error while restoring.</translation>
    </message>
    <message>
        <source>Zurückgespielt und geprüft:</source>
        <translation>Restored and checked:</translation>
    </message>
    <message>
        <source>Zurückgespielt:</source>
        <translation>Restored:</translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>%1: %2, %3 löschen</source>
        <translation>%1: %2, erase %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Datensätze schreiben</source>
        <translation>
            <numerusform>write %n record</numerusform>
            <numerusform>write %n records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Datenformate schreiben</source>
        <translation>
            <numerusform>, write %n data format</numerusform>
            <numerusform>, write %n data formats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Fahrstraßeneinträge schreiben</source>
        <translation>
            <numerusform>, write %n route entry</numerusform>
            <numerusform>, write %n route entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Geänderter Datensatz</source>
        <translation>Changed record</translation>
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
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Übernimmt das markierte Symbol (Enter).</source>
        <translation>Takes the marked symbol (Enter).</translation>
    </message>
    <message>
        <source>Symbol anklicken, dann OK – oder doppelklicken.</source>
        <translation>Click a symbol, then OK – or double-click it.</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>Adressbereich %1 bis %2 außerhalb von 1..%3</source>
        <translation>Address range %1 to %2 outside 1..%3</translation>
    </message>
    <message>
        <source>Wert %1 passt nicht in Spalte %2</source>
        <translation>Value %1 does not fit column %2</translation>
    </message>
</context>
<context>
    <name>TablePrint</name>
    <message>
        <source>%1 - Zentrale %2 - %3</source>
        <translation>%1 - command station %2 - %3</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>TcpComm1</name>
    <message>
        <source>Ungültige Netzwerkadresse &quot;%1&quot; (tcp:Rechner:Port)</source>
        <translation>Invalid network address &quot;%1&quot; (tcp:host:port)</translation>
    </message>
    <message>
        <source>Verbindung zu %1 abgelehnt</source>
        <translation>Connection to %1 refused</translation>
    </message>
    <message>
        <source>Verbindung zu %1: Rechner nicht gefunden</source>
        <translation>Connection to %1: host not found</translation>
    </message>
    <message>
        <source>Verbindung zu %1 nicht möglich: %2</source>
        <translation>Connection to %1 not possible: %2</translation>
    </message>
    <message>
        <source>Verbindung zu %1 getrennt</source>
        <translation>Connection to %1 closed</translation>
    </message>
    <message>
        <source>Port ist nicht geöffnet</source>
        <translation>port is not open</translation>
    </message>
    <message>
        <source>Server %1 meldet: %2</source>
        <translation>Server %1 reports: %2</translation>
    </message>
    <message numerus="yes">
        <source>Verbindung zu %1: keine Antwort innerhalb von %n Sekunden</source>
        <translation>
            <numerusform>Connection to %1: no answer within %n second</numerusform>
            <numerusform>Connection to %1: no answer within %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TerminalDialogs</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>-&gt; ja (Option)
</source>
        <translation>-&gt; yes (option)
</translation>
    </message>
    <message>
        <source>-&gt; nein (Option)
</source>
        <translation>-&gt; no (option)
</translation>
    </message>
    <message>
        <source>-&gt; nein (keine Rückfrage möglich ohne Terminal; Option angeben)
</source>
        <translation>-&gt; no (cannot ask without a terminal; give the option)
</translation>
    </message>
    <message>
        <source>[J/n] </source>
        <translation>[Y/n] </translation>
    </message>
    <message>
        <source>[j/N] </source>
        <translation>[y/N] </translation>
    </message>
    <message>
        <source> -&gt; abgebrochen (kein Terminal)
</source>
        <translation> -&gt; cancelled (no terminal)
</translation>
    </message>
    <message>
        <source>Abbruch: die Übertragung endet nach der laufenden Anfrage (noch einmal Strg+C beendet sofort)
</source>
        <translation>Cancel: the transfer ends after the current request (Ctrl+C again ends at once)
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Keinen Fortschritt zeigen, nur Fehler und die Zusammenfassung.</source>
        <translation>Show no progress, only errors and the summary.</translation>
    </message>
    <message>
        <source>Nach dem Senden prüfen: das Geschriebene aus der Zentrale zurücklesen und vergleichen; bei Abweichungen endet kx2ctl mit einem Fehler.</source>
        <translation>Check after sending: read back what was written from the command station and compare; on differences kx2ctl ends with an error.</translation>
    </message>
    <message>
        <source>Angeben, welche Datenbank: loco (Lokomotiven), acc (Magnetartikel), fb (Rückmelder) oder routes (Fahrstraßen)
</source>
        <translation>Say which database: loco (locomotives), acc (accessories), fb (feedback contacts) or routes (routes)
</translation>
    </message>
    <message>
        <source>Liest eine Datenbank aus der Zentrale und speichert sie als ISD-Datei. Magnetartikel (1..2048) und
Rückmelder (1..4096) werden im Adressbereich --from..--to gelesen (Vorgabe 1 bis 16), Lokomotiven und
die 80 Fahrstraßen ganz.</source>
        <translation>Reads a database from the command station and saves it as an ISD file. Accessories (1..2048) and
feedback contacts (1..4096) are read in the address range --from..--to (default 1 to 16), locomotives and
the 80 routes completely.</translation>
    </message>
    <message>
        <source>datenbank</source>
        <translation>database</translation>
    </message>
    <message>
        <source>loco, acc, fb oder routes</source>
        <translation>loco, acc, fb or routes</translation>
    </message>
    <message>
        <source>Zieldatei (ISD).</source>
        <translation>Target file (ISD).</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>erste Adresse (acc, fb).</source>
        <translation>first address (acc, fb).</translation>
    </message>
    <message>
        <source>adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>letzte Adresse (acc, fb).</source>
        <translation>last address (acc, fb).</translation>
    </message>
    <message>
        <source>kx2ctl read loco|acc|fb|routes -o DATEI.isd [--from A --to B] [Optionen]</source>
        <translation>kx2ctl read loco|acc|fb|routes -o FILE.isd [--from A --to B] [options]</translation>
    </message>
    <message>
        <source>Zieldatei fehlt: -o DATEI.isd
</source>
        <translation>Target file missing: -o FILE.isd
</translation>
    </message>
    <message>
        <source>ganze Zahl</source>
        <translation>whole number</translation>
    </message>
    <message>
        <source>Abgebrochen, nichts gespeichert.
</source>
        <translation>Cancelled, nothing saved.
</translation>
    </message>
    <message>
        <source> gelesen, gespeichert in </source>
        <translation> read, saved in </translation>
    </message>
    <message>
        <source>Lädt eine ISD-Datei wie &quot;laden&quot; im Editor (Magnetartikel und Rückmelder mit ihrem Adressbereich)
und sendet die Datensätze zur Zentrale.</source>
        <translation>Loads an ISD file like &quot;load&quot; in the editor (accessories and feedback contacts with their address range)
and sends the records to the command station.</translation>
    </message>
    <message>
        <source>Quelldatei (ISD).</source>
        <translation>Source file (ISD).</translation>
    </message>
    <message>
        <source>Die Frage, ob gespeichert werden soll, mit Ja beantworten.</source>
        <translation>Answer yes to the question whether to store.</translation>
    </message>
    <message>
        <source>Daten aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze werden gelöscht).</source>
        <translation>Store data from another command station without asking (all existing records are deleted).</translation>
    </message>
    <message>
        <source>kx2ctl send loco|acc|fb|routes -i DATEI.isd [Optionen]</source>
        <translation>kx2ctl send loco|acc|fb|routes -i FILE.isd [options]</translation>
    </message>
    <message>
        <source>Quelldatei fehlt: -i DATEI.isd
</source>
        <translation>Source file missing: -i FILE.isd
</translation>
    </message>
    <message>
        <source>Nichts zu senden.
</source>
        <translation>Nothing to send.
</translation>
    </message>
    <message>
        <source>Nicht gesendet.
</source>
        <translation>Not sent.
</translation>
    </message>
    <message>
        <source>Abgebrochen.
</source>
        <translation>Cancelled.
</translation>
    </message>
    <message>
        <source>Gesendet und geprüft.
</source>
        <translation>Sent and checked.
</translation>
    </message>
    <message>
        <source>Gesendet.
</source>
        <translation>Sent.
</translation>
    </message>
    <message>
        <source>Bytes der Nachricht in Hexadezimal, ohne Prüfsumme.</source>
        <translation>Bytes of the message in hexadecimal, without checksum.</translation>
    </message>
    <message>
        <source>kx2ctl loconet [Optionen] BYTE...</source>
        <translation>kx2ctl loconet [options] BYTE...</translation>
    </message>
    <message>
        <source>Kein Byte: </source>
        <translation>Not a byte: </translation>
    </message>
    <message>
        <source>Die Nachricht beginnt mit einem Opcode (Bit 7 gesetzt).
</source>
        <translation>The message begins with an opcode (bit 7 set).
</translation>
    </message>
    <message>
        <source>Ordner der Sicherung.</source>
        <translation>Folder of the backup.</translation>
    </message>
    <message>
        <source>ordner</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Ordner fehlt: -d ORDNER
</source>
        <translation>Folder missing: -d FOLDER
</translation>
    </message>
    <message>
        <source>Die Fragen, ob gespeichert werden soll, mit Ja beantworten.</source>
        <translation>Answer yes to the questions whether to store.</translation>
    </message>
    <message>
        <source>Eine Sicherung aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze werden gelöscht).</source>
        <translation>Store a backup from another command station without asking (all existing records are deleted).</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Schnell: leere Datensätze an der ersten Seite erkennen. Magnetartikel, Rückmelder und Fahrstraßennamen,
deren erste Seite ganz aus 0xFF besteht, gelten als nie geschrieben; ihre übrigen Seiten werden nicht
gelesen (etwa 0,6 der Zeit). Ein Datensatz, den ein anderes Programm nur hinter der ersten Seite
beschrieben hat, fehlt dann in der Sicherung.</source>
        <translation>Quick: recognise empty records by their first page. Accessories, feedback contacts and route names
whose first page is all 0xFF count as never written; their other pages are not
read (about 0.6 of the time). A record that another program wrote only behind its first page
is then missing from the backup.</translation>
    </message>
    <message>
        <source>Liest alle vier Datenbanken der Zentrale ganz (Lokomotiven, Magnetartikel 1..2048, Rückmelder 1..4096,
Fahrstraßen) in einem Zugang zur Datenbank und speichert sie als vier ISD-Dateien mit sicherung.txt
(Seriennummer, Datum, Lesart, Prüfsummen) im Ordner. Eine ältere Sicherung dort wird erst ersetzt, wenn
die neue vollständig geschrieben ist.</source>
        <translation>Reads all four databases of the command station completely (locomotives, accessories 1..2048, feedback
contacts 1..4096, routes) in one database access and saves them as four ISD files with sicherung.txt
(serial number, date, how it was read, checksums) in the folder. An older backup there is replaced only once
the new one is completely written.</translation>
    </message>
    <message>
        <source>kx2ctl backup -d ORDNER [--quick] [Optionen]</source>
        <translation>kx2ctl backup -d FOLDER [--quick] [options]</translation>
    </message>
    <message>
        <source>Lädt die vier ISD-Dateien einer Sicherung (kx2ctl backup), liest die Zentrale wie eine Sicherung und
schreibt nur, was abweicht: Datensätze, Datenformate und Fahrstraßeneinträge; Datensätze, die in der
Sicherung nie geschrieben waren, werden gelöscht. Vorher nennt die Frage je Datenbank, wie viele
Datensätze geschrieben und gelöscht werden. Eine Sicherung, deren Dateien nicht zu ihrer sicherung.txt
passen, wird abgelehnt, bevor etwas gesendet wird.</source>
        <translation>Loads the four ISD files of a backup (kx2ctl backup), reads the command station as a backup does and
writes only what differs: records, data formats and route entries; records that were never written in the
backup are erased. Before that the question names for each database how many
records are written and erased. A backup whose files do not match its sicherung.txt
is refused before anything is sent.</translation>
    </message>
    <message>
        <source>Nur lesen und vergleichen: nennen, was geschrieben und gelöscht würde, und nichts schreiben.</source>
        <translation>Only read and compare: name what would be written and erased, and write nothing.</translation>
    </message>
    <message>
        <source>kx2ctl restore -d ORDNER [--quick] [--dry-run] [--yes] [--replace] [--verify] [Optionen]</source>
        <translation>kx2ctl restore -d FOLDER [--quick] [--dry-run] [--yes] [--replace] [--verify] [options]</translation>
    </message>
    <message>
        <source>Sendet eine LocoNet-Nachricht (Prüfsumme wird angehängt) und wartet auf Echo und Antwort.
Beispiel, das Ende eines Datenbankzugriffs (die Zentrale antwortet B4 6D 7F):
  kx2ctl loconet --port SIM ED 1F 08 49 4B 70 42 7F 7F 7F 70 00 00 00 00 \
    30 4B 32 71 0D 00 5E 26 39 64 00 00 00 00 00
Die Nachrichten erscheinen als TX/RX-Zeilen auf der Standardausgabe.</source>
        <translation>Sends a LocoNet message (the checksum is appended) and waits for echo and answer.
Example, the end of a database access (the command station answers B4 6D 7F):
  kx2ctl loconet --port SIM ED 1F 08 49 4B 70 42 7F 7F 7F 70 00 00 00 00 \
    30 4B 32 71 0D 00 5E 26 39 64 00 00 00 00 00
The messages appear as TX/RX lines on standard output.</translation>
    </message>
</context>
<context>
    <name>TransferDone</name>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>gelesen</source>
        <translation>read</translation>
    </message>
    <message>
        <source>gesendet und geprüft</source>
        <translation>sent and checked</translation>
    </message>
    <message>
        <source>gesendet</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>Übertragung fertig</source>
        <translation>Transfer done</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>nicht gesendet, die Daten sind aus einer anderen Zentrale</source>
        <translation>not sent, the data are from another command station</translation>
    </message>
    <message>
        <source>Senden abgebrochen</source>
        <translation>sending cancelled</translation>
    </message>
    <message>
        <source>Lesen abgebrochen</source>
        <translation>reading cancelled</translation>
    </message>
    <message>
        <source>Senden fehlgeschlagen</source>
        <translation>sending failed</translation>
    </message>
    <message>
        <source>Lesen fehlgeschlagen</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>, die Zentrale ist teilweise beschrieben</source>
        <translation>, the command station is partly written</translation>
    </message>
    <message>
        <source>, die Zentrale ist möglicherweise teilweise beschrieben</source>
        <translation>, the command station may be partly written</translation>
    </message>
    <message>
        <source>, die Zentrale ist unverändert</source>
        <translation>, the command station is unchanged</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>TransferSession</name>
    <message>
        <source>Fehler beim Lesen der Datenbank</source>
        <translation>Error reading the database</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datenbank</source>
        <translation>Error writing the database</translation>
    </message>
    <message>
        <source>Fehler beim Prüfen der Datenbank</source>
        <translation>Error checking the database</translation>
    </message>
    <message>
        <source>geschrieben</source>
        <translation>written</translation>
    </message>
    <message>
        <source>; die Zentrale ist unverändert</source>
        <translation>; the command station is unchanged</translation>
    </message>
    <message>
        <source>; die Zentrale ist teilweise beschrieben</source>
        <translation>; the command station is partly written</translation>
    </message>
    <message>
        <source> Gesendete Daten prüfen</source>
        <translation> Check sent data</translation>
    </message>
    <message>
        <source> Datenbank öffnen</source>
        <translation> Open database</translation>
    </message>
    <message>
        <source> Seriennummer lesen</source>
        <translation> Read serial number</translation>
    </message>
    <message>
        <source>Die Daten sind aus einer anderen </source>
        <translation>The data come from another </translation>
    </message>
    <message>
        <source>Sollen die Datensätze in dieser </source>
        <translation>Store the records in this </translation>
    </message>
    <message>
        <source> gespeichert werden</source>
        <translation> anyway</translation>
    </message>
    <message>
        <source>und alle vorhandenen Datensätze gelöscht werden!</source>
        <translation>and delete all existing records!</translation>
    </message>
    <message>
        <source> Datenbank schließen</source>
        <translation> Close database</translation>
    </message>
    <message>
        <source> fertig!</source>
        <translation> done!</translation>
    </message>
    <message>
        <source>gelesen</source>
        <translation>read</translation>
    </message>
    <message>
        <source>Sollen die geänderten Datensätze in der </source>
        <translation>Store the changed records in the </translation>
    </message>
    <message>
        <source> gespeichert werden?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Das Lesen wurde abgebrochen.</source>
        <translation>Reading was cancelled.</translation>
    </message>
    <message>
        <source>; die übrigen bleiben leer</source>
        <translation>; the rest stay empty</translation>
    </message>
    <message>
        <source>Lesen abgebrochen</source>
        <translation>Reading cancelled</translation>
    </message>
    <message>
        <source>Das Senden wurde abgebrochen.</source>
        <translation>Sending was cancelled.</translation>
    </message>
    <message>
        <source>Senden abgebrochen</source>
        <translation>Sending cancelled</translation>
    </message>
    <message>
        <source>Die aus der Zentrale gelesenen Daten weichen von den gesendeten ab:</source>
        <translation>The data read from the command station differ from those sent:</translation>
    </message>
    <message>
        <source>... und %1 weitere</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source> Datenbank Index schreiben</source>
        <translation> Write database index</translation>
    </message>
    <message>
        <source>; die Zentrale ist möglicherweise teilweise beschrieben</source>
        <translation>; the command station has possibly been partly written</translation>
    </message>
    <message>
        <source>Die Datensätze wurden vollständig gelesen; der Datenbankzugriff der Zentrale ist aber möglicherweise noch offen.</source>
        <translation>All records were read completely; but the database access of the command station may still be open.</translation>
    </message>
    <message>
        <source>Datenbank nicht geschlossen</source>
        <translation>Database not closed</translation>
    </message>
    <message>
        <source> Schreiben vorbereiten</source>
        <translation> Preparing to write</translation>
    </message>
</context>
<context>
    <name>TransferSubject</name>
    <message>
        <source>Lokomotiven</source>
        <translation>Locomotives</translation>
    </message>
    <message numerus="yes">
        <source>%n Lokomotiven</source>
        <translation>
            <numerusform>%n locomotive</numerusform>
            <numerusform>%n locomotives</numerusform>
        </translation>
    </message>
    <message>
        <source>Magnetartikel</source>
        <translation>Accessories</translation>
    </message>
    <message numerus="yes">
        <source>%n Magnetartikel</source>
        <translation>
            <numerusform>%n accessory</numerusform>
            <numerusform>%n accessories</numerusform>
        </translation>
    </message>
    <message>
        <source>Rückmelder</source>
        <translation>Feedback contacts</translation>
    </message>
    <message numerus="yes">
        <source>%n Rückmelder</source>
        <translation>
            <numerusform>%n feedback contact</numerusform>
            <numerusform>%n feedback contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation>Routes</translation>
    </message>
    <message numerus="yes">
        <source>%n Fahrstraßen</source>
        <translation>
            <numerusform>%n route</numerusform>
            <numerusform>%n routes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>Die Tabelle enthält Änderungen, die weder gesendet noch gespeichert sind. Trotzdem fortfahren?</source>
        <translation>The table holds changes that are neither sent nor saved. Continue anyway?</translation>
    </message>
</context>
<context>
    <name>kx2tool</name>
    <message>
        <source>Sprache der Fenster: de (Deutsch) oder en (Englisch). Vorgabe: die in den Optionen gewählte, sonst die des Systems.</source>
        <translation>Language of the windows: de (German) or en (English). Default: the one chosen in the options, else the system&apos;s.</translation>
    </message>
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
    <message>
        <source>Ohne Bildschirm liest und schreibt kx2ctl die Daten der Zentrale (kx2ctl --help).</source>
        <translation>Without a display, kx2ctl reads and writes the command station&apos;s data (kx2ctl --help).</translation>
    </message>
    <message>
        <source>kx2tool: kein Bildschirm gefunden, an dem sich das Programm zeigen kann (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt).</source>
        <translation>kx2tool: no display found to show the program on (neither DISPLAY nor WAYLAND_DISPLAY is set).</translation>
    </message>
    <message>
        <source>kx2tool: der Bildschirm antwortet nicht, an dem sich das Programm zeigen soll.</source>
        <translation>kx2tool: the display the program should show itself on does not answer.</translation>
    </message>
</context>
</TS>
