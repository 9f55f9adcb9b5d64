<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>CliContext</name>
    <message numerus="yes">
        <source>%n Nachrichten mit falscher Prüfsumme verworfen</source>
        <translation>
            <numerusform>%n Nachricht mit falscher Prüfsumme verworfen</numerusform>
            <numerusform>%n Nachrichten mit falscher Prüfsumme verworfen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message numerus="yes">
        <source>%n Felder statt %1</source>
        <translation>
            <numerusform>%n Feld statt %1</numerusform>
            <numerusform>%n Felder statt %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>%n Unterschiede</source>
        <translation>
            <numerusform>%n Unterschied</numerusform>
            <numerusform>%n Unterschiede</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Datensätze geändert, gespeichert in %1</source>
        <translation>
            <numerusform>%n Datensatz geändert, gespeichert in %1</numerusform>
            <numerusform>%n Datensätze geändert, gespeichert in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GridCsv</name>
    <message numerus="yes">
        <source>%n Datensätze geändert; sie werden beim nächsten Senden geschrieben.</source>
        <translation>
            <numerusform>%n Datensatz geändert; er wird beim nächsten Senden geschrieben.</numerusform>
            <numerusform>%n Datensätze geändert; sie werden beim nächsten Senden geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LokdatenFrm</name>
    <message numerus="yes">
        <source>%n Lokomotiven nach %1 exportiert.</source>
        <translation>
            <numerusform>%n Lokomotive nach %1 exportiert.</numerusform>
            <numerusform>%n Lokomotiven nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MonitorWin</name>
    <message numerus="yes">
        <source>%n Nachrichten, Port %1: %2</source>
        <translation>
            <numerusform>%n Nachricht, Port %1: %2</numerusform>
            <numerusform>%n Nachrichten, Port %1: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message numerus="yes">
        <source>%n Lokomotiven exportiert nach </source>
        <translation>
            <numerusform>%n Lokomotive exportiert nach </numerusform>
            <numerusform>%n Lokomotiven exportiert nach </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message numerus="yes">
        <source>%n Lokomotiven geändert</source>
        <translation>
            <numerusform>%n Lokomotive geändert</numerusform>
            <numerusform>%n Lokomotiven geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n neu</source>
        <translation>
            <numerusform>%n neu</numerusform>
            <numerusform>%n neu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namen gekürzt</source>
        <translation>
            <numerusform>%n Name gekürzt</numerusform>
            <numerusform>%n Namen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namen sind länger als die %1 Zeichen, die ein Lokdatensatz hält:</source>
        <translation>
            <numerusform>%n Name ist länger als die %1 Zeichen, die ein Lokdatensatz hält:</numerusform>
            <numerusform>%n Namen sind länger als die %1 Zeichen, die ein Lokdatensatz hält:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationRestore</name>
    <message numerus="yes">
        <source>%n Datensätze schreiben</source>
        <translation>
            <numerusform>%n Datensatz schreiben</numerusform>
            <numerusform>%n Datensätze schreiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Datenformate schreiben</source>
        <translation>
            <numerusform>, %n Datenformat schreiben</numerusform>
            <numerusform>, %n Datenformate schreiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Fahrstraßeneinträge schreiben</source>
        <translation>
            <numerusform>, %n Fahrstraßeneintrag schreiben</numerusform>
            <numerusform>, %n Fahrstraßeneinträge schreiben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TcpComm1</name>
    <message numerus="yes">
        <source>Verbindung zu %1: keine Antwort innerhalb von %n Sekunden</source>
        <translation>
            <numerusform>Verbindung zu %1: keine Antwort innerhalb von %n Sekunde</numerusform>
            <numerusform>Verbindung zu %1: keine Antwort innerhalb von %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferSubject</name>
    <message numerus="yes">
        <source>%n Lokomotiven</source>
        <translation>
            <numerusform>%n Lokomotive</numerusform>
            <numerusform>%n Lokomotiven</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Magnetartikel</source>
        <translation>
            <numerusform>%n Magnetartikel</numerusform>
            <numerusform>%n Magnetartikel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Rückmelder</source>
        <translation>
            <numerusform>%n Rückmelder</numerusform>
            <numerusform>%n Rückmelder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Fahrstraßen</source>
        <translation>
            <numerusform>%n Fahrstraße</numerusform>
            <numerusform>%n Fahrstraßen</numerusform>
        </translation>
    </message>
</context>
</TS>
