#pragma once
// A recording stand-in for the message and input boxes: answers come from scripted queues,
// every call is kept with its text, title, icon and buttons.
#include "shell/UserDialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kx2 {

class FakeDialogs : public UserDialogs {
public:
    enum class Kind { Message, Input };

    struct Call {
        Kind kind = Kind::Message;
        QString text;          // message text or input prompt, as passed (carriage returns kept)
        QString title;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer defaultButton = MsgAnswer::Ok; // the button Enter would press
        QString defaultText;   // input boxes only
        std::optional<Question> question; // named questions only
    };

    // Answers for the next message boxes, in order. When the queue is empty a box is answered
    // with its first button (Ok or Yes).
    std::deque<MsgAnswer> answers;
    // Answers for the next input boxes; std::nullopt means the user cancelled. When the queue is
    // empty an input box returns its default text.
    std::deque<std::optional<QString>> inputs;
    // Every call in order.
    std::vector<Call> calls;
    // Runs inside every call, after it was recorded and before it answers (a test can look at the
    // program's state while the box would be open).
    std::function<void(const Call&)> onCall;

    void answerNext(MsgAnswer answer) { answers.push_back(answer); }
    void inputNext(std::optional<QString> text) { inputs.push_back(std::move(text)); }

    MsgAnswer showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                          MsgAnswer defaultButton) override
    {
        Call call;
        call.kind = Kind::Message;
        call.text = text;
        call.title = title;
        call.icon = icon;
        call.buttons = buttons;
        call.defaultButton = defaultButton;
        call.question = m_nextQuestion;
        m_nextQuestion.reset();
        calls.push_back(call);
        if (onCall)
            onCall(calls.back());
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }

    MsgAnswer ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override
    {
        m_nextQuestion = question;
        return UserDialogs::ask(question, text, buttons, icon, title);
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        Call call;
        call.kind = Kind::Input;
        call.text = prompt;
        call.title = title;
        call.defaultText = defaultText;
        calls.push_back(call);
        if (onCall)
            onCall(calls.back());
        if (inputs.empty())
            return defaultText;
        const bool cancelled = !inputs.front().has_value();
        const QString text = inputs.front().value_or(QString());
        inputs.pop_front();
        if (cancelled)
            return std::nullopt;
        return text;
    }

    // The message boxes only, in order: a new list, so keep its elements by value.
    std::vector<Call> messages() const
    {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == Kind::Message)
                out.push_back(c);
        return out;
    }
    int messageCount() const { return int(messages().size()); }
    // The last call of any kind; must not be called when there was none.
    const Call& last() const { return calls.back(); }
    void clear()
    {
        calls.clear();
        answers.clear();
        inputs.clear();
    }

private:
    std::optional<Question> m_nextQuestion;
};

} // namespace kx2
