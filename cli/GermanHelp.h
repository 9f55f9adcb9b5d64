#pragma once
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace kx2::cli {

// The -h/--help option with a German description (Qt's own is English).
inline void addGermanHelpOption(QCommandLineParser& parser)
{
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("diese Hilfe")});
}

// Qt's help text with German headings and the subcommand's own usage line.
inline QString germanHelpText(const QCommandLineParser& parser, const QString& usage)
{
    QStringList lines = parser.helpText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().startsWith(QLatin1String("Usage:")))
        lines.first() = QStringLiteral("Aufruf: ") + usage;
    for (QString& line : lines) {
        if (line == QLatin1String("Options:"))
            line = QStringLiteral("Optionen:");
        else if (line == QLatin1String("Arguments:"))
            line = QStringLiteral("Argumente:");
    }
    return lines.join(QLatin1Char('\n'));
}

// Why the parser refused the command line, in German like the help (Qt words it in English):
// unknown options, an option without its value, a value given to an option that takes none.
inline QString germanParseError(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    const auto dashed = [](const QString& name) {
        return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    };
    if (!unknown.isEmpty()) {
        QStringList names;
        for (const QString& name : unknown)
            names << dashed(name);
        return (names.size() == 1 ? QStringLiteral("Unbekannte Option: ") : QStringLiteral("Unbekannte Optionen: "))
               + names.join(QStringLiteral(", "));
    }
    const QString english = parser.errorText();
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = missing.match(english); m.hasMatch())
        return QStringLiteral("Wert fehlt nach ") + m.captured(1);
    if (const QRegularExpressionMatch m = unexpected.match(english); m.hasMatch())
        return QStringLiteral("Unerwarteter Wert nach ") + m.captured(1);
    return english;
}

// Why an option's value is refused, naming the option and what it takes:
// Ungültiger Wert für --to: "1e3" (ganze Zahl von 1 bis 2048)
inline QString badOptionValue(const QString& option, const QString& value, const QString& expected)
{
    return QStringLiteral("Ungültiger Wert für --%1: \"%2\" (%3)").arg(option, value, expected);
}

// "ganze Zahl von 1 bis 2048"
inline QString wholeNumberFromTo(long long first, long long last)
{
    return QStringLiteral("ganze Zahl von %1 bis %2").arg(first).arg(last);
}

// Parses a subcommand's words; false (with exitCode set) on a wrong call or after the help.
inline bool parseOrHelp(QCommandLineParser& parser, const QStringList& args, const QString& name, const QString& usage,
                        int& exitCode)
{
    addGermanHelpOption(parser);
    if (!parser.parse(QStringList{QStringLiteral("kx2ctl ") + name} + args)) {
        QTextStream(stderr) << germanParseError(parser) << "\nkx2ctl " << name << " --help zeigt die Optionen.\n";
        exitCode = 2;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << germanHelpText(parser, usage);
        exitCode = 0;
        return false;
    }
    return true;
}

} // namespace kx2::cli
