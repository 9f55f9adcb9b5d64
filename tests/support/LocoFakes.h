#pragma once
#include "shell/UserDialogs.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

// Scripted dialogs for the locomotive file tests: answers are queued before the call, every
// box shown is recorded. A box without a queued answer gets OK / Cancel (input box).
namespace kx2::test {

struct ShownBox {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

struct AskedInput {
    QString prompt;
    QString title;
    QString defaultText;
};

class LocoScriptedDialogs : public UserDialogs {
public:
    MsgAnswer showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                          MsgAnswer defaultButton) override
    {
        boxes.push_back({text, buttons, icon, title, defaultButton});
        if (answers.empty())
            return MsgAnswer::Ok;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        inputs.push_back({prompt, title, defaultText});
        if (typed.empty())
            return std::nullopt;
        const std::optional<QString> t = typed.front();
        typed.pop_front();
        return t;
    }

    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> typed; // nullopt = Cancel
    std::vector<ShownBox> boxes;
    std::vector<AskedInput> inputs;
};

struct AskedFile {
    bool save;
    QString title;
    QString initialName;
    QString filter;
};

class LocoScriptedFileDialog : public FileDialog {
public:
    QString openFileName(const QString& title, const QString& initialName, const QString& filter) override
    {
        return next(false, title, initialName, filter);
    }
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override
    {
        return next(true, title, initialName, filter);
    }

    std::deque<QString> names; // "" = Cancel
    std::vector<AskedFile> asked;

private:
    QString next(bool save, const QString& title, const QString& initialName, const QString& filter)
    {
        asked.push_back({save, title, initialName, filter});
        if (names.empty())
            return QString();
        const QString n = names.front();
        names.pop_front();
        return n;
    }
};

} // namespace kx2::test
