<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CliContext</name>
    <message>
        <source>Port: Nummer n (COMn bzw. /dev/ttyS(n-1)), Gerätename wie /dev/ttyUSB0 oder COM7, tcp:RECHNER[:PORT] für LocoNet über TCP (LbServer, Port-Vorgabe 1234) oder SIM für die eingebaute simulierte Zentrale. Vorgabe: Einstellungsdatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle: usb (LocoNet-USB-Interface, Vorgabe), loconet (serielles LocoNet-Interface an COM1/COM2) oder station (serieller Port der Zentrale).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate: 9600, 16666, 19200 oder 115200. Vorgabe: Einstellungsdatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speicherdatei der simulierten Zentrale (Port SIM). Vorgabe: KX2_SIM.STATE beim Programm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nachrichten mit falscher Prüfsumme verworfen
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600, 16666, 19200 oder 115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Schnittstelle: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (usb, loconet oder station)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace-Datei kann nicht geöffnet werden: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
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
  loconet  eine LocoNet-Nachricht senden und die Antwort zeigen
  monitor  jede Nachricht auf dem LocoNet zeigen, bis Strg+C
  sim      die simulierte Zentrale betreiben

kx2ctl BEFEHL --help zeigt die Optionen eines Befehls. Die Port-Optionen (--port, --interface,
--baud, --trace, --sim-state) dürfen auch vor dem BEFEHL stehen. --lang de|en wählt die Sprache.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Befehl: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Keine Tabellendatei, kein </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Seiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernimmt Namen, Datenformate, Höchstgeschwindigkeiten und Symbole aus einer CSV-Datei (wie show --csv
und &quot;Als CSV exportieren...&quot; sie schreiben) in die Datensätze einer ISD-Datei, Zeile für Zeile nach der
Adresse (Fahrstraßen: Nummer), und speichert das Ergebnis. Eine fehlerhafte CSV-Datei ändert nichts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datenbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loco, acc, fb oder routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISD-Datei, in die übernommen wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zieldatei (ISD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Datensätze geändert, gespeichert in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleicht zwei ISD-Dateien derselben Datenbank und nennt je Datensatz (Adresse, Fahrstraße) die
Felder, die sich unterscheiden.
Rückgabe: 0 gleich, 1 verschieden, 2 Fehler (Datei nicht lesbar, verschiedene Dateiarten).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erste ISD-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zweite ISD-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwei Dateien angeben: kx2ctl diff A.isd B.isd
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gleich.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Unterschiede.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GermanHelp</name>
    <message>
        <source>diese Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Option: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Optionen: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert fehlt nach </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unerwarteter Wert nach </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Wert für --%1: &quot;%2&quot; (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ganze Zahl von %1 bis %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de oder en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> --help zeigt die Optionen.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Zeigt jede Nachricht auf dem LocoNet mit Uhrzeit, Richtung (gesendet/empfangen), Bytes und Bedeutung, bis Strg+C kommt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur die Bytes jeder Nachricht in Hexadezimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LocoNet-Monitor an </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Ende mit Strg+C
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Port wurde geschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Aufruf: kx2ctl show DATEI.ISD [--csv | --pdf AUSGABE.PDF]

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
  --pdf AUSGABE.PDF  die Tabelle als PDF-Datei, wie &quot;Als PDF speichern&quot; im Editor: Adressen und
              Namen auf jeder Seite, Kopf mit Seriennummer und Datum, &quot;Seite N von M&quot; darunter
  -h, --help  diese Hilfe

Rückgabe: 0 gelesen, 1 Datei falsch oder nicht lesbar, 2 falscher Aufruf.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Option: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seriennummer (Werte 1..4): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokomotiven: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 1: &quot;%1&quot; ist keine Datei dieses Programms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adressbereich: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bis </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Zeile1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Zeile2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßen mit Start: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    FS-Start: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Befehl</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimCommand</name>
    <message>
        <source>Betreibt die simulierte Zentrale an einem Pseudo-Terminal und/oder als LbServer für LocoNet über TCP, bis SIGINT oder SIGTERM kommt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link auf das Pseudo-Terminal anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LocoNet über TCP (LbServer-Protokoll) auf 127.0.0.1:PORT anbieten, mehrere Verbindungen zugleich; 0 wählt einen freien Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speicher der Zentrale in dieser Datei halten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N gültige Lokdatensätze anlegen (0..500)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetartikel 1..N mit Namen, Symbol und Datenformat anlegen (0..2048)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückmelder 1..N mit Namen und Symbol anlegen (0..4096)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßen 1..N mit Namen, Start und Befehlen aller Arten anlegen (0..80)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>das Fahrstraßenmodul antwortet auf nichts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>das Fahrstraßenmodul lehnt den Programmiermodus ab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede N-te Antwort des Fahrstraßenmoduls geht verloren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunden vor jeder Antwort des Fahrstraßenmoduls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moduladresse des Fahrstraßenmoduls (Standard 456)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jedes Byte frühestens nach seiner Zeit auf der Leitung liefern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BAUD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seriennummer (1200000000 bis 1204194303)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMMER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quittungscode von Schritt 2 (Standard 0x42)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quittungscode von Schritt 1: 0x7F, 0x01 oder ein ablehnender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunden bis zur Bereitmeldung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede N-te Anfrage geht verloren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seiten schreiben ablehnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenformate schreiben ablehnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quittungscode einer Ablehnung (Standard 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Bereitmeldung kommt nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunden vor jeder Antwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streubytes vor jeder Antwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>andere Geräte senden alle MS Millisekunden eine Nachricht (Rückmelder, Weichen, Fahrregler, Slotdaten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quittung und Bereitmeldung in einem Stück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede N-te geschriebene Datenseite wird mit einem veränderten Byte gespeichert (Byte 5: im Namen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>welches Byte einer Datenseite --corrupt-writes-every verändert (0..15, Standard 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede N-te Antwort (der Zentrale wie des Fahrstraßenmoduls) kommt mit einem veränderten Bit an, die Prüfsumme stimmt dann nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede N-te geschriebene Variable speichert das Fahrstraßenmodul um 10 zu hoch (den nächsten Magnetartikel oder Rückmelder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle verschwindet nach N Anfragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ereignisse und Verstöße auf stderr melden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim --help zeigt die Optionen.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim --pty PFAD | --lbserver PORT [Optionen]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim: --pty PFAD oder --lbserver PORT fehlt
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, auch als 0x..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunden von 0 bis %1, Bruchteile mit Dezimalpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim: Pseudo-Terminal nicht anlegbar: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim: Link </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> nicht anlegbar: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl sim: Port </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> nicht nutzbar: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulierte Zentrale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> an </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> an tcp:127.0.0.1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Seriennummer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokollverstöße: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalDialogs</name>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt; ja (Option)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt; nein (Option)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt; nein (keine Rückfrage möglich ohne Terminal; Option angeben)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[J/n] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[j/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -&gt; abgebrochen (kein Terminal)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch: die Übertragung endet nach der laufenden Anfrage (noch einmal Strg+C beendet sofort)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Keinen Fortschritt zeigen, nur Fehler und die Zusammenfassung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach dem Senden prüfen: das Geschriebene aus der Zentrale zurücklesen und vergleichen; bei Abweichungen endet kx2ctl mit einem Fehler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angeben, welche Datenbank: loco (Lokomotiven), acc (Magnetartikel), fb (Rückmelder) oder routes (Fahrstraßen)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest eine Datenbank aus der Zentrale und speichert sie als ISD-Datei. Magnetartikel (1..2048) und
Rückmelder (1..4096) werden im Adressbereich --from..--to gelesen (Vorgabe 1 bis 16), Lokomotiven und
die 80 Fahrstraßen ganz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datenbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loco, acc, fb oder routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zieldatei (ISD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erste Adresse (acc, fb).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letzte Adresse (acc, fb).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl read loco|acc|fb|routes -o DATEI.isd [--from A --to B] [Optionen]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zieldatei fehlt: -o DATEI.isd
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ganze Zahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen, nichts gespeichert.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> gelesen, gespeichert in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lädt eine ISD-Datei wie &quot;laden&quot; im Editor (Magnetartikel und Rückmelder mit ihrem Adressbereich)
und sendet die Datensätze zur Zentrale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelldatei (ISD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Frage, ob gespeichert werden soll, mit Ja beantworten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze werden gelöscht).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl send loco|acc|fb|routes -i DATEI.isd [Optionen]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelldatei fehlt: -i DATEI.isd
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nichts zu senden.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht gesendet.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet und geprüft.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendet eine LocoNet-Nachricht (Prüfsumme wird angehängt) und wartet auf Echo und Antwort.
Beispiel: kx2ctl loconet --port SIM B4 6D 7F
Die Nachrichten erscheinen als TX/RX-Zeilen auf der Standardausgabe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes der Nachricht in Hexadezimal, ohne Prüfsumme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl loconet [Optionen] BYTE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Byte: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Nachricht beginnt mit einem Opcode (Bit 7 gesetzt).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner der Sicherung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest alle vier Datenbanken der Zentrale ganz (Lokomotiven, Magnetartikel 1..2048, Rückmelder 1..4096,
Fahrstraßen) und speichert sie als vier ISD-Dateien mit sicherung.txt (Seriennummer, Datum, Prüfsummen) im
Ordner. Eine ältere Sicherung dort wird erst ersetzt, wenn die neue vollständig geschrieben ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl backup -d ORDNER [Optionen]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner fehlt: -d ORDNER
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lädt die vier ISD-Dateien einer Sicherung (kx2ctl backup) und sendet sie zur Zentrale, wie kx2ctl send.
Eine Sicherung, deren Dateien nicht zu ihrer sicherung.txt passen, wird abgelehnt, bevor etwas gesendet wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fragen, ob gespeichert werden soll, mit Ja beantworten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Sicherung aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze werden gelöscht).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2ctl restore -d ORDNER [--yes] [--replace] [--verify] [Optionen]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
