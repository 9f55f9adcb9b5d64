#include "loco/RosterFile.h"

#include "loco/LocoTable.h"

#include "shell/ExactNumber.h"
#include "shell/InputFile.h"
#include "shell/ProgramFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <limits>

namespace kx2 {

namespace {

QString xmlLineError(qint64 line, const QString& why)
{
    return QCoreApplication::translate("RosterFile", "Zeile %1: %2").arg(line).arg(why);
}

// Notes the first entity the file names without declaring it (one an external document type
// would declare): it is never looked up, so the file is not read.
class UndeclaredEntities : public QXmlStreamEntityResolver {
public:
    explicit UndeclaredEntities(const QXmlStreamReader& reader) : m_reader(reader) {}
    QString resolveUndeclaredEntity(const QString& name) override
    {
        if (first.isEmpty()) {
            first = name;
            line = m_reader.lineNumber();
        }
        return QString();
    }
    QString first;
    qint64 line = 0;

private:
    const QXmlStreamReader& m_reader;
};

// Before anything is taken from the file: it is well-formed, and nothing in it asks for an
// entity to be expanded. The pass stops at the document type declaration when that declares
// entities, before the reader would expand any of them.
QString safetyCheck(const QByteArray& xml)
{
    QXmlStreamReader r(xml);
    UndeclaredEntities undeclared(r);
    r.setEntityResolver(&undeclared);
    while (!r.atEnd() && undeclared.first.isEmpty()) {
        switch (r.readNext()) {
        case QXmlStreamReader::DTD:
            if (!r.entityDeclarations().isEmpty() || r.text().contains(QLatin1String("<!ENTITY")))
                return xmlLineError(r.lineNumber(),
                                 QCoreApplication::translate(
                                     "RosterFile", "die Dokumenttyp-Deklaration erklärt Entitäten; sie werden nie "
                                                   "aufgelöst, die Datei wird nicht gelesen"));
            break;
        case QXmlStreamReader::EntityReference:
            return xmlLineError(r.lineNumber(),
                             QCoreApplication::translate("RosterFile", "die Entität &%1; wird nie aufgelöst")
                                 .arg(r.name().toString()));
        default:
            break;
        }
    }
    if (!undeclared.first.isEmpty())
        return xmlLineError(undeclared.line, QCoreApplication::translate("RosterFile", "die Entität &%1; wird nie aufgelöst")
                                              .arg(undeclared.first));
    if (r.hasError())
        return xmlLineError(r.lineNumber(),
                         QCoreApplication::translate("RosterFile", "kein wohlgeformtes XML (%1)").arg(r.errorString()));
    return QString();
}

QString attribute(const QXmlStreamReader& r, const char* name)
{
    return r.attributes().value(QLatin1String(name)).toString();
}

bool named(const QXmlStreamReader& r, const char* name)
{
    return r.name() == QLatin1String(name);
}

// "12" -> 12; anything but digits (blanks around them allowed) -> nullopt.
std::optional<int> smallNumber(const QString& text)
{
    const std::optional<long long> n = wholeNumber(text);
    return n && *n >= 0 && *n <= std::numeric_limits<int>::max() ? std::optional<int>(int(*n)) : std::nullopt;
}

} // namespace

RosterProtocol protocolOfFormat(std::optional<int> formatIndex)
{
    if (!formatIndex || *formatIndex < 0 || *formatIndex >= LocoFormatCount)
        return RosterProtocol::Other;
    switch (*formatIndex) {
    case FormatMotorolaOld:
        return RosterProtocol::MotorolaOld;
    case FormatMotorolaNew:
        return RosterProtocol::Motorola;
    case FormatSelectrix:
        return RosterProtocol::Selectrix;
    default:
        return RosterProtocol::Dcc;
    }
}

namespace {

RosterProtocol jmriProtocol(const QString& word)
{
    const QString w = word.trimmed().toLower();
    if (w.startsWith(QLatin1String("dcc")))
        return RosterProtocol::Dcc;
    if (w == QLatin1String("motorola") || w == QLatin1String("mfx") || w == QLatin1String("m4"))
        return RosterProtocol::Motorola;
    if (w == QLatin1String("selectrix"))
        return RosterProtocol::Selectrix;
    return RosterProtocol::Other;
}

// One <locomotive> of a roster or of an entry's own file; the reader stands on its start.
RosterEntry readJmriLoco(QXmlStreamReader& r)
{
    RosterEntry e;
    e.line = int(r.lineNumber());
    e.name = attribute(r, "id");
    e.fileName = attribute(r, "fileName");
    const QString dccAddress = attribute(r, "dccAddress");
    QString number;
    QString protocol;
    bool formatPair = false;
    while (r.readNextStartElement()) {
        if (named(r, "locoaddress")) {
            while (r.readNextStartElement()) {
                if (named(r, "dcclocoaddress")) {
                    number = attribute(r, "number");
                    e.longAddress = attribute(r, "longaddress").trimmed().toLower() == QLatin1String("yes");
                    r.skipCurrentElement();
                } else if (named(r, "protocol")) {
                    protocol = r.readElementText(QXmlStreamReader::IncludeChildElements);
                } else {
                    r.skipCurrentElement();
                }
            }
        } else if (named(r, "functionlabels")) {
            while (r.readNextStartElement()) {
                const std::optional<int> num = named(r, "functionlabel") ? smallNumber(attribute(r, "num")) : std::nullopt;
                const QString label = r.readElementText(QXmlStreamReader::IncludeChildElements);
                if (num)
                    e.labels[*num] = label;
            }
        } else if (named(r, "attributepairs")) {
            while (r.readNextStartElement()) {
                QString key;
                QString value;
                while (r.readNextStartElement()) {
                    const bool isKey = named(r, "key");
                    const bool isValue = named(r, "value");
                    const QString text = r.readElementText(QXmlStreamReader::IncludeChildElements);
                    if (isKey)
                        key = text.trimmed();
                    else if (isValue)
                        value = text.trimmed();
                }
                if (key == JmriFormatKey) {
                    e.stationFormat = value;
                    formatPair = true;
                }
                else if (key == JmriSpeedKey)
                    e.maxSpeedKmh = smallNumber(value);
            }
        } else {
            r.skipCurrentElement();
        }
    }
    // The address element, else the older attribute.
    e.address = (number.trimmed().isEmpty() ? dccAddress : number).trimmed();
    // JMRI reads an address without a protocol as DCC; our own export leaves the protocol out
    // only for a record without a data format, and says so by its format pair.
    if (!protocol.trimmed().isEmpty())
        e.protocol = jmriProtocol(protocol);
    else
        e.protocol = formatPair ? RosterProtocol::Other : RosterProtocol::Dcc;
    return e;
}

RosterProtocol rocrailProtocol(const QString& prot, const QString& version)
{
    const QString p = prot.trimmed().toUpper();
    if (p == QLatin1String("M"))
        return version.trimmed() == QLatin1String("1") ? RosterProtocol::MotorolaOld : RosterProtocol::Motorola;
    if (p == QLatin1String("F"))
        return RosterProtocol::Motorola;
    if (p == QLatin1String("N") || p == QLatin1String("L"))
        return RosterProtocol::Dcc;
    if (p == QLatin1String("S") || p == QLatin1String("X"))
        return RosterProtocol::Selectrix;
    return RosterProtocol::Other;
}

// One <lc>; the reader stands on its start.
RosterEntry readRocrailLoco(QXmlStreamReader& r)
{
    RosterEntry e;
    e.line = int(r.lineNumber());
    e.name = attribute(r, "id");
    e.address = attribute(r, "addr").trimmed();
    e.longAddress = attribute(r, "prot").trimmed().toUpper() == QLatin1String("L");
    e.protocol = rocrailProtocol(attribute(r, "prot"), attribute(r, "protver"));
    e.speedSteps = smallNumber(attribute(r, "spcnt")).value_or(0);
    // V_max is a speed only in km/h; in per cent it is a share of the throttle.
    if (attribute(r, "V_mode").trimmed().toLower() == QLatin1String("kmh"))
        e.maxSpeedKmh = smallNumber(attribute(r, "V_max"));
    while (r.readNextStartElement()) {
        if (named(r, "fundef"))
            if (const std::optional<int> fn = smallNumber(attribute(r, "fn")))
                e.labels[*fn] = attribute(r, "text");
        r.skipCurrentElement();
    }
    return e;
}

void readLcList(QXmlStreamReader& r, std::vector<RosterEntry>& entries)
{
    while (r.readNextStartElement()) {
        if (named(r, "lc"))
            entries.push_back(readRocrailLoco(r));
        else
            r.skipCurrentElement();
    }
}

} // namespace

RosterFile readRoster(const QByteArray& xml)
{
    RosterFile file;
    if (const QString why = safetyCheck(xml); !why.isEmpty()) {
        file.error = why;
        return file;
    }
    QXmlStreamReader r(xml);
    if (!r.readNextStartElement()) {
        file.error = xmlLineError(r.lineNumber(), QCoreApplication::translate("RosterFile", "kein Wurzelelement"));
        return file;
    }
    const QString root = r.name().toString();
    if (root == QLatin1String("roster-config")) {
        while (r.readNextStartElement()) {
            if (!named(r, "roster")) {
                r.skipCurrentElement();
                continue;
            }
            while (r.readNextStartElement()) {
                if (named(r, "locomotive"))
                    file.entries.push_back(readJmriLoco(r));
                else
                    r.skipCurrentElement();
            }
        }
    } else if (root == QLatin1String("locomotive-config")) {
        while (r.readNextStartElement()) {
            if (named(r, "locomotive"))
                file.entries.push_back(readJmriLoco(r));
            else
                r.skipCurrentElement();
        }
    } else if (root == QLatin1String("lclist")) {
        file.kind = RosterKind::Rocrail;
        readLcList(r, file.entries);
    } else {
        // A plan, or any root that holds the locomotive list.
        bool list = false;
        while (r.readNextStartElement()) {
            if (named(r, "lclist")) {
                list = true;
                readLcList(r, file.entries);
            } else {
                r.skipCurrentElement();
            }
        }
        if (!list && root != QLatin1String("plan")) {
            file.error = QCoreApplication::translate(
                             "RosterFile",
                             "Das Wurzelelement <%1> ist weder eine JMRI-Roster (roster-config) noch ein Rocrail-Plan "
                             "(plan, lclist).")
                             .arg(root);
            return file;
        }
        file.kind = RosterKind::Rocrail;
    }
    return file;
}

namespace {

// The file's name on a line of its own, then why it was not taken, as the CSV import says it.
QString listFileError(const QString& path, const QString& why)
{
    return QDir::toNativeSeparators(path) + QChar(13) + why;
}

RosterFile readRosterPath(const QString& path)
{
    const InputFileBytes in = readInputFile(path, MaxRosterFileBytes);
    RosterFile file = in.ok() ? readRoster(in.bytes) : RosterFile{RosterKind::Jmri, {}, in.error};
    if (!file.ok())
        file.error = listFileError(path, file.error);
    return file;
}

} // namespace

RosterFile loadRosterFile(const QString& path)
{
    RosterFile file = readRosterPath(path);
    if (!file.ok() || file.kind != RosterKind::Jmri)
        return file;
    const QString folder = QFileInfo(path).absolutePath();
    for (RosterEntry& e : file.entries) {
        // Only a plain name in roster/: findInProgramFolder refuses a way out of the folder.
        const QString name = e.fileName.trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            continue;
        const QString own = findInProgramFolder(folder, QStringLiteral("roster/") + name);
        if (own.isEmpty() || !QFileInfo(own).isFile())
            continue;
        const RosterFile entryFile = readRosterPath(own);
        if (!entryFile.ok())
            return {file.kind, {}, entryFile.error};
        if (entryFile.kind != RosterKind::Jmri || entryFile.entries.empty())
            return {file.kind, {},
                    listFileError(own, QCoreApplication::translate("RosterFile", "keine Lok (<locomotive>) in der Datei"))};
        const int line = e.line;
        e = entryFile.entries.front();
        e.line = line;
        e.fileName = name;
    }
    return file;
}

namespace {

// Characters XML 1.0 cannot hold become blanks (a record byte below 32 in a name).
QString xmlText(const QString& text)
{
    QString t = text;
    for (QChar& c : t)
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    return t;
}

QString jmriProtocolWord(const RosterEntry& e)
{
    switch (e.protocol) {
    case RosterProtocol::Dcc:
        return e.longAddress ? QStringLiteral("dcc_long") : QStringLiteral("dcc_short");
    case RosterProtocol::Motorola:
    case RosterProtocol::MotorolaOld:
        return QStringLiteral("motorola");
    case RosterProtocol::Selectrix:
        return QStringLiteral("selectrix");
    case RosterProtocol::Other:
        break;
    }
    return QString();
}

const QString kXsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

void writeLocomotive(QXmlStreamWriter& w, const RosterEntry& e)
{
    w.writeStartElement(QStringLiteral("locomotive"));
    w.writeAttribute(QStringLiteral("id"), xmlText(e.name));
    if (!e.fileName.isEmpty())
        w.writeAttribute(QStringLiteral("fileName"), xmlText(e.fileName));
    for (const char* empty : {"roadNumber", "roadName", "mfg", "owner", "model"})
        w.writeAttribute(QLatin1String(empty), QString());
    w.writeAttribute(QStringLiteral("dccAddress"), e.address);
    w.writeAttribute(QStringLiteral("comment"), QString());
    // A share of the throttle: the whole of it. The station's speed in km/h goes as a pair below.
    w.writeAttribute(QStringLiteral("maxSpeed"), QStringLiteral("100"));

    w.writeStartElement(QStringLiteral("decoder"));
    for (const char* empty : {"model", "family", "comment"})
        w.writeAttribute(QLatin1String(empty), QString());
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("locoaddress"));
    w.writeStartElement(QStringLiteral("dcclocoaddress"));
    w.writeAttribute(QStringLiteral("number"), e.address);
    w.writeAttribute(QStringLiteral("longaddress"), e.longAddress ? QStringLiteral("yes") : QStringLiteral("no"));
    w.writeEndElement();
    w.writeTextElement(QStringLiteral("number"), e.address);
    if (const QString protocol = jmriProtocolWord(e); !protocol.isEmpty())
        w.writeTextElement(QStringLiteral("protocol"), protocol);
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("functionlabels"));
    for (const auto& [num, label] : e.labels) {
        w.writeStartElement(QStringLiteral("functionlabel"));
        w.writeAttribute(QStringLiteral("num"), QString::number(num));
        w.writeAttribute(QStringLiteral("lockable"), QStringLiteral("true"));
        w.writeCharacters(xmlText(label));
        w.writeEndElement();
    }
    w.writeEndElement();

    std::vector<std::pair<QString, QString>> pairs;
    // A record without a data format goes out with an empty format and no protocol, which
    // JMRI alone would read as DCC.
    if (!e.stationFormat.isEmpty() || e.protocol == RosterProtocol::Other)
        pairs.emplace_back(JmriFormatKey, e.stationFormat);
    if (e.maxSpeedKmh)
        pairs.emplace_back(JmriSpeedKey, QString::number(*e.maxSpeedKmh));
    w.writeStartElement(QStringLiteral("attributepairs"));
    for (const auto& [key, value] : pairs) {
        w.writeStartElement(QStringLiteral("keyvaluepair"));
        w.writeTextElement(QStringLiteral("key"), key);
        w.writeTextElement(QStringLiteral("value"), value);
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
}

// A JMRI document: `root` with its schema, `body` inside.
QByteArray jmriDocument(const QString& root, const QString& schema, const std::function<void(QXmlStreamWriter&)>& body)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter w(&buffer);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeNamespace(kXsi, QStringLiteral("xsi"));
    w.writeStartElement(root);
    w.writeAttribute(kXsi, QStringLiteral("noNamespaceSchemaLocation"), schema);
    body(w);
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

} // namespace

QByteArray writeJmriRoster(const std::vector<RosterEntry>& entries)
{
    return jmriDocument(QStringLiteral("roster-config"), QStringLiteral("http://jmri.org/xml/schema/roster.xsd"),
                        [&entries](QXmlStreamWriter& w) {
                            w.writeStartElement(QStringLiteral("roster"));
                            for (const RosterEntry& e : entries)
                                writeLocomotive(w, e);
                            w.writeEndElement();
                        });
}

QByteArray writeJmriLocoFile(const RosterEntry& entry)
{
    return jmriDocument(QStringLiteral("locomotive-config"),
                        QStringLiteral("http://jmri.org/xml/schema/locomotive-config.xsd"),
                        [&entry](QXmlStreamWriter& w) { writeLocomotive(w, entry); });
}

} // namespace kx2
