<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessoryCsv</name>
    <message>
        <source>&quot;%1&quot; ist keins von: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccessoryTransfer</name>
    <message>
        <source>Magnetartikel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Magnetartikeldatenformat lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Magdatenfrm. Adr. %1 lesen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppWindows</name>
    <message>
        <source>Sicherung der Zentrale anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner, in dem die Sicherung aller vier Datenbanken angelegt wird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung zurückspielen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner der Sicherung, die zur Zentrale gesendet wird</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatabaseLayout</name>
    <message>
        <source> Lokdatensatz </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokdatensatz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Magnetartikeldaten ab Adr.: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetartikel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Rückmelderdaten ab Adr.: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückmelder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FS-Namen </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßenname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>&amp;Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>Lädt die ganze Tabelle aus einer ISD-Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichert die ganze Tabelle in einer ISD-Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leert die Tabelle; die Zentrale bleibt, wie sie ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lädt eine einzelne Lok aus einer Datei in die gewählte Zeile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichert die Lok der gewählten Zeile in einer Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibt die Tabelle als CSV-Datei für eine Tabellenkalkulation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernimmt die Tabelle aus einer CSV-Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckt die Tabelle, wie das Fenster sie zeigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichert die Tabelle, wie das Fenster sie zeigt, als PDF-Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließt den Editor und kehrt zum Hauptfenster zurück (Esc).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest die Datenbank aus der Zentrale in die Tabelle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendet die Tabelle zur Zentrale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kordavinex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten aus der KX lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten zur KX senden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSDatenFrm</name>
    <message>
        <source>Fahrstraßen-Datensätze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle löschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSEingabeFrm</name>
    <message>
        <source>Magnetartbefehl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückmeldebefehl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unterfahrstraßenaufruf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokauswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Geschwindigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Fahrtrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Funktion f0-f4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Funktion f5-f8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrst. anhängen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autostart-Fahrstraße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßenbefehle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grün</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Sek.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstr.-Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorwärts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rückwärts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße: %1 - Befehl: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße: %1 - Start mit Rückmeldung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedbackTransfer</name>
    <message>
        <source>Rückmelder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridCsv</name>
    <message>
        <source>CSV-Datei (*.csv)|*.csv|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als CSV exportieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die CSV-Datei wurde nicht übernommen, nichts geändert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Datensätze geändert; sie werden beim nächsten Senden geschrieben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridEditor</name>
    <message>
        <source>Als &amp;CSV exportieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV &amp;importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;rucken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als PDF speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)|*.pdf|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridFind</name>
    <message>
        <source>&amp;Suchen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Adresse oder einen Namen in der Tabelle suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W&amp;eitersuchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum nächsten Treffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rüc&amp;kwärts suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum vorigen Treffer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridHeaderTips</name>
    <message>
        <source>Adresse des Datensatzes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenformat, in dem die Zentrale den Datensatz anspricht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name der Lok, wie ihn das Fahrpult zeigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höchstgeschwindigkeit in km/h für die Fahrpultanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer der Fahrstraße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erste Zeile des Namens in der Anzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zweite Zeile des Namens in der Anzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Womit die Fahrstraße startet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol in der Anzeige der Zentrale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol der Funktion F%1 in der Fahrpultanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl %1 der Fahrstraße</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridHeading</name>
    <message>
        <source>Adr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D-For.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max.Geschw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
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
        <source>FS-Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWin</name>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IsdDiff</name>
    <message>
        <source>in A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nur %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FS-Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verschiedene Dateiarten, kein Vergleich: A ist &quot;%1&quot;, B ist &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Tabellendatei, kein Vergleich: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocoCommands</name>
    <message>
        <source>Name von Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschwindigkeit von Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenformat von Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol von Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neue Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok %1 gelöscht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocoCsv</name>
    <message>
        <source>&quot;%1&quot; ist keins von: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist ungerade</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocoFiles</name>
    <message>
        <source>Lokadresse des Datensatzes schon vorhanden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokadresse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokadresse ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 passt nicht in Spalte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokadresse %1 außerhalb von 1..9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name ohne Endezeichen (keine 0 in den Bytes 4..27)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatz nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte ändern Sie die Lokadresse!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatz wurde nicht eingefügt!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocoGrid</name>
    <message>
        <source>Fkt. nicht anz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>          Lokadresse ungültig!
Bitte eine andere Lokadresse eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Lokadresse schon vorhanden!
Bitte eine andere Lokadresse eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein leerer Datensatz mehr vorhanden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lokdaten können nicht gespeichert werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen die Funktionen %1 bis %2 auf identische Symbole gesetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocoTransfer</name>
    <message>
        <source>Lokomotiven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatznummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höchstgeschwindigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol f%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lokdatensatz %1 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokdatenformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lokdatenfrm. Adr. %1 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokplatz %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokadresse = 0 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten werden nicht gesichert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lokdatensatz %1 schreiben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LokDatFormatFrm</name>
    <message>
        <source>Lokdatenformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorala alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorala neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCC 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCC 28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCC 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectrix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LokFktSymFrm</name>
    <message>
        <source>Spitzenlicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licht (allgemein)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlusslicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernlicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abblendlicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Führerstandsbeleuchtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innenbeleuchtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rundumleuchte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnblinklicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuerbüchse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signalhorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeife (Dampfpfeife)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräusch ein/aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stummschaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lautstärke +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lautstärke -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrgeräusch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor ein/aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahnhofsansage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaffnerpfiff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abfahrauftrag (Befehlsstab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kompressor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bremse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bremsenquietschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurvenquietschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schienenstoß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entkuppeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kupplung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rangiergang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfahr-/Bremsverzögerung aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langsamfahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rauchgenerator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dampf ablassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kohleschaufeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wasser fassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lüfter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stromabnehmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stromabnehmer vorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stromabnehmer hinten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauptschalter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Türen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheibenwischer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heizung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klimaanlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugfunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kran heben/senken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kran drehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion F%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok Fkt.-Symbole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sym.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LokdatenFrm</name>
    <message>
        <source>Achtung!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatz nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Datensätze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Datensätze &amp;laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Datensätze &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einen &amp;Datensatz laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;einen Datensatz speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokadresse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuer Datensatz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Datensatz löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokdatensätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klicken Sie den Datensatz an, der gespeichert werden soll!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einen Datensatz speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LokmaxSpeedFrm</name>
    <message>
        <source>max. Lokgeschwindigkeit in der Fahrpultanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpeedSlider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpeedAusg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MagDatenFrm</name>
    <message>
        <source>Magnetartikel-Datensätze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Daten in der &amp;Tabelle  löschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWin</name>
    <message>
        <source>Liest alle Fahrstraßen aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest die Lokdaten aus der Zentrale und öffnet sie zum Bearbeiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mag.Art.daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest die Magnetartikel des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückmelderdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest die Rückmelder des Adressbereichs daneben und öffnet sie zum Bearbeiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von Adr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis Adr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erste Adresse, die gelesen und bearbeitet wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzte Adresse, die gelesen und bearbeitet wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung der Zentrale &amp;anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung &amp;zurückspielen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle, Baudrate und Anschluss der Zentrale wählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liest alle vier Datenbanken der Zentrale in einen Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendet eine Sicherung aus einem Ordner zur Zentrale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichert die Einstellungen und beendet das Programm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progamminfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LocoNet-Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Hilfe zum Programm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt Version und Herkunft des Programms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt jede LocoNet-Nachricht, die gesendet oder empfangen wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fahrstraßen folgen in einer späteren Version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameEditBox</name>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RMDatenFrm</name>
    <message>
        <source>Rückmelder-Datensätze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Daten aus &amp;Tabelle löschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RangeBoxes</name>
    <message>
        <source>Adressbereich</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RangeCommands</name>
    <message>
        <source>Datenformat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteCommand</name>
    <message>
        <source> muss eine ganze Zahl von %1 bis %2 sein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Magnetartikeladresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Rückmeldeadresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte frei oder belegt wählen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Pause in Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Nummer der Unterfahrstraße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fahrstraße %1 hat keinen Start, über den sie aufgerufen werden kann!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lokadresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Geschwindigkeit in Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte eine Fahrtrichtung wählen!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteCommands</name>
    <message>
        <source>Fahrstraße %1 gelöscht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FS-Start von Fahrstraße %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl %1 von Fahrstraße %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name von Fahrstraße %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteEdits</name>
    <message>
        <source>Wenn die Rückmeldung zum Aufruf der Fahrstraße gelöscht wird,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       dann wird die gesamte Fahrstraße gelöscht!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                      Fahrstraße löschen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteFiles</name>
    <message>
        <source>Befehl %1 außerhalb von 0..65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 passt nicht in Spalte %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteTransfer</name>
    <message>
        <source>Fahrstraßen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FS-Namen %1 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FS-Namen %1 schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FS-Daten %1 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßeneintrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FS-Daten %1 schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geprüft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße %1: %2 gesendet &apos;%3&apos;, gelesen &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FS-Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatznummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startadresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätekennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modultyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraße %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>nicht gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse, Name oder Text zum Suchen; Enter oder F3: nächster Treffer, Umschalt+F3: voriger, Escape: schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationBackup</name>
    <message>
        <source>%1 %2 von %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung nicht angelegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist eine Datei, kein Ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung nicht angelegt: im Ordner liegt noch anderes als eine Sicherung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; gehört nicht zu einer Sicherung; einen neuen oder leeren Ordner angeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner kann nicht angelegt werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Ordner oder eine Datei darin ist noch in Gebrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Ordnername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung kann nicht an ihren Platz gebracht werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die alte ist unverändert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die alte liegt jetzt in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung abgebrochen, nichts gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung fehlgeschlagen beim Lesen: %1; nichts gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung der Zentrale %1 gespeichert in %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Sicherung der Zentrale (%1 fehlt): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung unvollständig oder verändert: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurückspielen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht gesendet: %1 der Sicherung sind aus einer anderen Zentrale; vollständig gesendet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen bei %1; vollständig gesendet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim %1: %2; vollständig gesendet: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden oder Prüfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nichts gesendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurückgespielt und geprüft: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurückgespielt: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationDatabases</name>
    <message>
        <source>Lokomotiven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetartikel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückmelder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrstraßen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SymbolChooser</name>
    <message>
        <source>Schließt die Auswahl; das Symbol bleibt, wie es war (Esc).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kx2tool</name>
    <message>
        <source>Daten der Zentrale lesen, bearbeiten und zurückschreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Einstellungsdatei mit der eingebauten simulierten Zentrale (Port &quot;SIM&quot;) beginnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordner für Einstellungsdatei, Hilfetext und Symbole statt des Programmordners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ordner</source>
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
        <source>Die simulierte Zentrale ohne Beispieldaten beginnen (sonst beim ersten Start mit Beispielanlage).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kx2tool: konf/ nicht gefunden unter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace-Datei kann nicht geöffnet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
