#include "shell/HelpText.h"

#include "shell/Cp1252.h"
#include "shell/InputFile.h"
#include "shell/ProgramFolder.h"

#include <QStringDecoder>
#include <QCoreApplication>

namespace kx2 {

QStringList helpLines(const QByteArray& bytes)
{
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList nameProgramInHelp(QStringList lines, const QString& programName)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(HelpProgramPlaceholder))
            continue;
        lines[i].replace(HelpProgramPlaceholder, programName);
        const bool underlined = i + 1 < lines.size() && !lines[i + 1].isEmpty()
            && lines[i + 1].count(QLatin1Char('=')) == lines[i + 1].size();
        if (underlined)
            lines[i + 1] = QString(lines[i].size(), QLatin1Char('='));
    }
    return lines;
}

QStringList readHelpFile(const QString& programFolder)
{
    // The help of the language in use: its translation names its own file (konf/hilfe_en.txt);
    // without that file the German help is better than none.
    const QString translated = QCoreApplication::translate("HelpText", "konf/hilfe.txt");
    QString path = translated == HelpFileName ? QString() : findInProgramFolder(programFolder, translated);
    if (path.isEmpty())
        path = findInProgramFolder(programFolder, HelpFileName);
    if (path.isEmpty())
        return {QCoreApplication::translate("HelpText", "Die Hilfedatei konf/hilfe.txt wurde nicht gefunden.")};
    const InputFileBytes in = readInputFile(path);
    if (!in.ok())
        return {QCoreApplication::translate("HelpText", "Die Hilfedatei konf/hilfe.txt kann nicht gelesen werden.")};
    return helpLines(in.bytes);
}

} // namespace kx2
