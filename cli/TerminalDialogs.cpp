#include "cli/TerminalDialogs.h"

#include "cli/Interrupt.h"
#include "cli/Terminal.h"

#include <QDateTime>
#include <QTextStream>
#include <cstdio>
#include <QCoreApplication>

namespace kx2::cli {

TerminalDialogs::TerminalDialogs() : m_interactive(runsAtATerminal()) {}

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

MsgAnswer TerminalDialogs::messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons,
                                             MsgIcon icon, const QString& title)
{
    return answer(std::nullopt, detail.isEmpty() ? text : text + QChar(13) + detail, buttons, icon, title,
                  firstButton(buttons));
}

MsgAnswer TerminalDialogs::ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon,
                               const QString& title)
{
    return answer(question, text, buttons, icon, title, defaultAnswer(question, buttons));
}

MsgAnswer TerminalDialogs::answer(const std::optional<Question>& question, const QString& text, MsgButtons buttons,
                                  MsgIcon icon, const QString& title, MsgAnswer defaultButton)
{
    if (m_beforeMessage)
        m_beforeMessage();
    QTextStream err(stderr);
    const QString kind = icon == MsgIcon::Critical ? QCoreApplication::translate("TerminalDialogs", "Fehler")
        : icon == MsgIcon::Exclamation             ? QCoreApplication::translate("TerminalDialogs", "Warnung")
                                                   : QCoreApplication::translate("TerminalDialogs", "Hinweis");
    const QString head = title.isEmpty() ? kind : title;
    if (buttons == MsgButtons::Ok) {
        err << head << ": " << plain(text) << "\n";
        err.flush();
        return MsgAnswer::Ok;
    }
    const MsgAnswer yes = buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    const MsgAnswer no = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    const bool preset = question && m_presets.contains(*question);
    if (preset && m_quiet)
        return m_presets.value(*question);
    err << head << ": " << plain(text) << "\n";
    if (preset) {
        const MsgAnswer a = m_presets.value(*question);
        err << (a == yes ? QCoreApplication::translate("TerminalDialogs", "-> ja (Option)\n")
                         : QCoreApplication::translate("TerminalDialogs", "-> nein (Option)\n"));
        err.flush();
        return a;
    }
    if (!m_interactive) {
        err << QCoreApplication::translate("TerminalDialogs",
                                           "-> nein (keine Rückfrage möglich ohne Terminal; Option angeben)\n");
        err.flush();
        return no;
    }
    // The default in capitals; an empty line takes it, as Enter does on a box.
    const bool yesByDefault = defaultButton == yes;
    for (;;) {
        err << (yesByDefault ? QCoreApplication::translate("TerminalDialogs", "[J/n] ")
                             : QCoreApplication::translate("TerminalDialogs", "[j/N] "));
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
    if (m_beforeMessage)
        m_beforeMessage();
    QTextStream err(stderr);
    err << title << ": " << prompt;
    if (!m_interactive) {
        err << QCoreApplication::translate("TerminalDialogs", " -> abgebrochen (kein Terminal)\n");
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

namespace {
// A terminal line redrawn more often than this only flickers.
constexpr qint64 kRedrawMs = 100;
} // namespace

StderrProgress::StderrProgress() : m_mode(stderrIsATerminal() ? Mode::Live : Mode::Lines) {}

void StderrProgress::setText(const QString& text)
{
    switch (m_mode) {
    case Mode::Quiet:
        return;
    case Mode::Lines: {
        QTextStream err(stderr);
        err << text.trimmed() << "\n";
        return;
    }
    case Mode::Live:
        m_step = text.trimmed();
        // A new step is drawn at once; counts in between at the redraw pace.
        m_lastDrawMs = -1;
        draw();
        return;
    }
}

void StderrProgress::setCount(const ProgressCount& count)
{
    m_count = count;
    if (m_mode == Mode::Live)
        draw();
}

void StderrProgress::transferEnded()
{
    clearLine();
    m_step.clear();
    m_count = {};
}

void StderrProgress::runPart(const QString& part)
{
    clearLine();
    if (m_mode != Mode::Quiet)
        QTextStream(stderr) << part << "\n";
}

bool StderrProgress::cancelRequested() const
{
    const bool interrupted = InterruptCatcher::interrupted();
    if (interrupted && !m_cancelTold && m_mode != Mode::Quiet) {
        m_cancelTold = true;
        clearLine();
        QTextStream(stderr) << QCoreApplication::translate(
            "TerminalDialogs",
            "Abbruch: die Übertragung endet nach der laufenden Anfrage (noch einmal Strg+C beendet sofort)\n");
    }
    return interrupted;
}

QString StderrProgress::liveLine(const QString& step, const ProgressCount& count, int columns)
{
    QString line = step;
    if (count.shown())
        line += (line.isEmpty() ? QString() : QStringLiteral(" | ")) + count.line();
    // One character less than the width: a full line would wrap on some terminals.
    const int room = std::max(10, columns - 1);
    if (line.size() > room)
        line = line.left(room - 1) + QChar(0x2026);
    return line;
}

void StderrProgress::draw()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool last = m_count.shown() && m_count.done == m_count.total;
    if (m_lastDrawMs >= 0 && now - m_lastDrawMs < kRedrawMs && !last)
        return;
    m_lastDrawMs = now;
    QTextStream err(stderr);
    // Carriage return, the line, and the rest of the old line erased.
    err << "\r" << liveLine(m_step, m_count, terminalColumns()) << "\x1b[K";
    err.flush();
    m_drawn = true;
}

void StderrProgress::clearLine() const
{
    if (!m_drawn)
        return;
    QTextStream err(stderr);
    err << "\r\x1b[K";
    err.flush();
    m_drawn = false;
}

} // namespace kx2::cli
