#pragma once
#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace kx2 {

// Locomotive lists of the programs users keep their locomotives in: a JMRI roster (roster.xml,
// <roster-config>, and one <locomotive-config> file per entry in roster/ beside it) and the
// locomotive list of a Rocrail plan (<plan> ... <lclist><lc .../></lclist>). Read into plain
// entries; JMRI files written from them.

// A file beyond this is no locomotive list; it is refused before it is read.
inline constexpr qint64 MaxRosterFileBytes = 50 * 1024 * 1024;

enum class RosterKind { Jmri, Rocrail };

// The track format an entry names, as far as the station drives it: JMRI's dcc, dcc_long and
// dcc_short and Rocrail's N and L are DCC; JMRI's motorola, mfx and m4 and Rocrail's M and F are
// Motorola (the station drives mfx decoders by Motorola), Rocrail's M with protver 1 Motorola alt;
// selectrix, S and X are Selectrix. Anything else (Rocrail's A analogue and P by server, a JMRI
// entry without protocol, unknown words) says nothing the station could use.
enum class RosterProtocol { Other, Dcc, Motorola, MotorolaOld, Selectrix };
// The protocol that drives a data format (its position in kLocoFormats); Other for none.
RosterProtocol protocolOfFormat(std::optional<int> formatIndex);

struct RosterEntry {
    QString name;                 // JMRI id, Rocrail id
    QString address;              // as the file writes it; "" when it has none
    bool longAddress = false;     // JMRI longaddress="yes", Rocrail L
    RosterProtocol protocol = RosterProtocol::Other;
    int speedSteps = 0;           // Rocrail spcnt; 0 when not given
    std::optional<int> maxSpeedKmh; // Rocrail V_max with V_mode="kmh"; ours in a JMRI attribute pair
    QString stationFormat;        // the station's data format ("DCC 128") as this program exports it
    std::map<int, QString> labels; // function number -> label
    QString fileName;             // JMRI: the entry's own file in roster/
    int line = 0;                 // where the entry starts in its file
};

struct RosterFile {
    RosterKind kind = RosterKind::Jmri;
    std::vector<RosterEntry> entries;
    QString error; // in German, with the line where there is one; "" when read
    bool ok() const { return error.isEmpty(); }
};

// The kind from the root element: <roster-config> or <locomotive-config> is JMRI; <plan>, a root
// holding <lclist>, or <lclist> itself is Rocrail. Refused: XML that is not well-formed (with its
// line), a document type declaration that declares entities, any entity reference other than the
// five of XML (no entity is ever expanded), a root of neither kind.
RosterFile readRoster(const QByteArray& xml);

// From a file of at most MaxRosterFileBytes. A JMRI entry whose fileName names a file in the
// folder roster/ beside it that exists is taken from that file (its first <locomotive>); the
// entry's own file is refused like the list itself.
RosterFile loadRosterFile(const QString& path);

// What this program writes into a JMRI entry beside JMRI's own fields, as attribute pairs, so that
// an export read back gives the station's values again.
inline const QString JmriFormatKey = QStringLiteral("KX2 Datenformat");
inline const QString JmriSpeedKey = QStringLiteral("KX2 Höchstgeschwindigkeit km/h");

// JMRI files, UTF-8: the roster index with every entry (fileName names its own file), and one
// entry's own file.
QByteArray writeJmriRoster(const std::vector<RosterEntry>& entries);
QByteArray writeJmriLocoFile(const RosterEntry& entry);

} // namespace kx2
