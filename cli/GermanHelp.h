#pragma once
#include <QCommandLineParser>
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

// Parses a subcommand's words; false (with exitCode set) on a wrong call or after the help.
inline bool parseOrHelp(QCommandLineParser& parser, const QStringList& args, const QString& name, const QString& usage,
                        int& exitCode)
{
    addGermanHelpOption(parser);
    if (!parser.parse(QStringList{QStringLiteral("kx2ctl ") + name} + args)) {
        QTextStream(stderr) << parser.errorText() << "\n";
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
