#pragma once
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QCoreApplication>

namespace kx2::cli {

// The -h/--help option with a German description (Qt's own is English).
inline void addGermanHelpOption(QCommandLineParser& parser)
{
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("GermanHelp", "diese Hilfe")});
}

// Qt's help text with German headings and the subcommand's own usage line.
inline QString germanHelpText(const QCommandLineParser& parser, const QString& usage)
{
    // Qt's first line is its usage line, in whatever words Qt's own translation gives it, with
    // the program's path as typed: it gives way to the command's own.
    QStringList lines = parser.helpText().split(QLatin1Char('\n'));
    if (!lines.isEmpty())
        lines.first() = QCoreApplication::translate("GermanHelp", "Aufruf: ") + usage;
    // Qt's headings, in English or as Qt's translation words them (not texts of ours to translate).
    const auto isQtHeading = [](const QString& line, const char* english) {
        return line == QLatin1String(english) || line == QCommandLineParser::tr(english);
    };
    for (QString& line : lines) {
        if (isQtHeading(line, "Options:"))
            line = QCoreApplication::translate("GermanHelp", "Optionen:");
        else if (isQtHeading(line, "Arguments:"))
            line = QCoreApplication::translate("GermanHelp", "Argumente:");
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
        return (names.size() == 1 ? QCoreApplication::translate("GermanHelp", "Unbekannte Option: ")
                                  : QCoreApplication::translate("GermanHelp", "Unbekannte Optionen: "))
            + names.join(QStringLiteral(", "));
    }
    const QString english = parser.errorText();
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = missing.match(english); m.hasMatch())
        return QCoreApplication::translate("GermanHelp", "Wert fehlt nach ") + m.captured(1);
    if (const QRegularExpressionMatch m = unexpected.match(english); m.hasMatch())
        return QCoreApplication::translate("GermanHelp", "Unerwarteter Wert nach ") + m.captured(1);
    return english;
}

// Why an option's value is refused, naming the option and what it takes:
// Ungültiger Wert für --to: "1e3" (ganze Zahl von 1 bis 2048)
inline QString badOptionValue(const QString& option, const QString& value, const QString& expected)
{
    return QCoreApplication::translate("GermanHelp", "Ungültiger Wert für --%1: \"%2\" (%3)")
        .arg(option, value, expected);
}

// "ganze Zahl von 1 bis 2048"
inline QString wholeNumberFromTo(long long first, long long last)
{
    return QCoreApplication::translate("GermanHelp", "ganze Zahl von %1 bis %2").arg(first).arg(last);
}

// --lang de|en may stand anywhere on kx2ctl's command line, like the port options before the
// command: it is taken out of `args` before the command reads its words. `value` is "" when it is
// not given; false with `error` set when its value is missing or neither de nor en.
inline bool takeLanguageOption(QStringList& args, QString& value, QString& error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString word = args[i];
        if (word != QLatin1String("--lang") && !word.startsWith(QLatin1String("--lang=")))
            continue;
        args.removeAt(i);
        if (word.contains(QLatin1Char('=')))
            value = word.section(QLatin1Char('='), 1);
        else if (i < args.size())
            value = args.takeAt(i);
        else {
            error = QCoreApplication::translate("GermanHelp", "Wert fehlt nach ") + QStringLiteral("--lang");
            return false;
        }
        if (value != QLatin1String("de") && value != QLatin1String("en")) {
            error = badOptionValue(QStringLiteral("lang"), value,
                                   QCoreApplication::translate("GermanHelp", "de oder en"));
            return false;
        }
        --i;
    }
    return true;
}

// Parses a subcommand's words; false (with exitCode set) on a wrong call or after the help.
inline bool parseOrHelp(QCommandLineParser& parser, const QStringList& args, const QString& name, const QString& usage,
                        int& exitCode)
{
    addGermanHelpOption(parser);
    if (!parser.parse(QStringList{QStringLiteral("kx2ctl ") + name} + args)) {
        QTextStream(stderr) << germanParseError(parser) << "\nkx2ctl " << name
                            << QCoreApplication::translate("GermanHelp", " --help zeigt die Optionen.\n");
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
