#pragma once
#include "shell/UserDialogs.h"

#include <QMap>
#include <optional>

namespace kx2::cli {

// The drivers' questions and messages on a terminal. A named question with a preset answer
// (from --yes, --replace) is answered at once; otherwise it is asked on the terminal when there
// is one, and refused (No/Cancel) when there is none. Messages go to stderr.
class TerminalDialogs : public UserDialogs {
public:
    TerminalDialogs();
    void presetAnswer(Question question, MsgAnswer answer) { m_presets.insert(question, answer); }
    void setInteractive(bool on) { m_interactive = on; }

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
};

// Progress texts as one line each on stderr.
class StderrProgress : public Progress {
public:
    void show() override {}
    void hide() override {}
    void setText(const QString& text) override;
};

// kx2ctl never shows a file dialog: file names come from its options.
class NoFileDialog : public FileDialog {
public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace kx2::cli
