#include "cli/TerminalDialogs.h"

#include "cli/Terminal.h"

#include <QTextStream>
#include <cstdio>

namespace kx2::cli {

TerminalDialogs::TerminalDialogs() : m_interactive(RunsAtATerminal()) {}

QString TerminalDialogs::plain(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QChar(13), QChar(10));
    return out.trimmed();
}

MsgAnswer TerminalDialogs::showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                       MsgAnswer defaultButton)
{
    return answer(std::nullopt, text, buttons, icon, title, defaultButton);
}

MsgAnswer TerminalDialogs::ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon,
                               const QString& title)
{
    return answer(question, text, buttons, icon, title, DefaultAnswer(question, buttons));
}

MsgAnswer TerminalDialogs::answer(const std::optional<Question>& question, const QString& text, MsgButtons buttons,
                                  MsgIcon icon, const QString& title, MsgAnswer defaultButton)
{
    QTextStream err(stderr);
    const QString kind = icon == MsgIcon::Critical ? QStringLiteral("Fehler")
                         : icon == MsgIcon::Exclamation ? QStringLiteral("Warnung")
                                                        : QStringLiteral("Hinweis");
    const QString head = title.isEmpty() ? kind : title;
    if (buttons == MsgButtons::Ok) {
        err << head << ": " << plain(text) << "\n";
        err.flush();
        return MsgAnswer::Ok;
    }
    const MsgAnswer yes = buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    const MsgAnswer no = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    err << head << ": " << plain(text) << "\n";
    if (question && m_presets.contains(*question)) {
        const MsgAnswer a = m_presets.value(*question);
        err << (a == yes ? "-> ja (Option)\n" : "-> nein (Option)\n");
        err.flush();
        return a;
    }
    if (!m_interactive) {
        err << "-> nein (keine Rückfrage möglich ohne Terminal; Option angeben)\n";
        err.flush();
        return no;
    }
    // The default in capitals; an empty line takes it, as Enter does on a box.
    const bool yesByDefault = defaultButton == yes;
    for (;;) {
        err << (yesByDefault ? "[J/n] " : "[j/N] ");
        err.flush();
        QTextStream in(stdin);
        const QString line = in.readLine();
        if (line.isNull())
            return no;
        const QString a = line.trimmed().toLower();
        if (a.isEmpty())
            return yesByDefault ? yes : no;
        if (a == QLatin1String("j") || a == QLatin1String("ja") || a == QLatin1String("y") || a == QLatin1String("yes"))
            return yes;
        if (a == QLatin1String("n") || a == QLatin1String("nein") || a == QLatin1String("no"))
            return no;
    }
}

std::optional<QString> TerminalDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QTextStream err(stderr);
    err << title << ": " << prompt;
    if (!m_interactive) {
        err << " -> abgebrochen (kein Terminal)\n";
        return std::nullopt;
    }
    err << " [" << defaultText.trimmed() << "] ";
    err.flush();
    QTextStream in(stdin);
    const QString line = in.readLine();
    if (line.isNull())
        return std::nullopt;
    return line.isEmpty() ? defaultText : line;
}

void StderrProgress::setText(const QString& text)
{
    QTextStream err(stderr);
    err << text.trimmed() << "\n";
}

} // namespace kx2::cli
