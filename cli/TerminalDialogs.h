#pragma once
#include "shell/UserDialogs.h"

#include <QMap>
#include <functional>
#include <optional>

namespace kx2::cli {

// The drivers' questions and messages on a terminal. A named question with a preset answer
// (from --yes, --replace) is answered at once; otherwise it is asked on the terminal when there
// is one, and refused (No/Cancel) when there is none. Messages go to stderr.
class TerminalDialogs : public UserDialogs {
public:
    TerminalDialogs();
    void presetAnswer(Question question, MsgAnswer answer) { m_presets.insert(question, answer); }
    // Quiet: a question its option answers is not written out (messages still are).
    void setQuiet(bool quiet) { m_quiet = quiet; }
    // Runs before every message and question, so that a progress line makes room for it.
    void setBeforeMessage(std::function<void()> fn) { m_beforeMessage = std::move(fn); }

    MsgAnswer messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                                const QString& title) override;
    MsgAnswer ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

    // Carriage returns of the program's texts as terminal lines.
    static QString plain(const QString& text);

protected:
    MsgAnswer showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                          MsgAnswer defaultButton) override;

private:
    MsgAnswer answer(const std::optional<Question>& question, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title, MsgAnswer defaultButton);
    QMap<Question, MsgAnswer> m_presets;
    bool m_interactive;
    bool m_quiet = false;
    std::function<void()> m_beforeMessage;
};

// The progress on stderr. At a terminal one line that rewrites itself: the step, the count, the
// share and the time left. Elsewhere (a pipe, a log file) a line per step, as the step texts
// come. Quiet: nothing. Ctrl+C (see InterruptCatcher) asks to cancel.
class StderrProgress : public Progress {
public:
    enum class Mode { Lines, Live, Quiet };
    StderrProgress();
    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }

    void show() override {}
    void hide() override {}
    void setText(const QString& text) override;
    void setCount(const ProgressCount& count) override;
    void transferEnded() override;
    bool cancelRequested() const override;
    void runPart(const QString& part) override;

    // Takes the live line away so that other output starts on an empty line.
    void clearLine() const;
    // The live line as it is drawn for a terminal `columns` wide.
    static QString liveLine(const QString& step, const ProgressCount& count, int columns);

private:
    void draw();

    Mode m_mode;
    QString m_step;
    ProgressCount m_count;
    mutable bool m_drawn = false;
    mutable bool m_cancelTold = false;
    qint64 m_lastDrawMs = -1;
};

// kx2ctl never shows a file dialog: file names come from its options.
class NoFileDialog : public FileDialog {
public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace kx2::cli
