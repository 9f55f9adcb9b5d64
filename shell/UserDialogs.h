#pragma once
#include "shell/ProgressCount.h"

#include <QString>
#include <optional>

namespace kx2 {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The questions whose answer decides what happens to the user's data, named by what they
// decide: several share a title ("Magnetartikel" asks both whether to send and whether to
// overwrite another station), so answers given in advance (kx2ctl --yes, --replace) are found
// by this identity.
enum class Question {
    StoreChanges,        // "Sollen die geänderten Datensätze in der TQ7 gespeichert werden?"
    ReplaceOtherStation, // "Die Daten sind aus einer anderen TQ7! ..."
    DeleteRecord,        // "     Datensatz löschen?" (a locomotive)
    DeleteRoute,         // "... Fahrstraße löschen?"
    DiscardChanges,      // "Die Tabelle enthält Änderungen, die weder gesendet noch gespeichert sind. ..."
    KeepRecordsRead,     // "... Sollen die bisher gelesenen Datensätze in der Tabelle bleiben? ..."
};

// The button Enter presses on a box with these buttons when nothing else is said: the first one.
MsgAnswer firstButton(MsgButtons buttons);
// The button Enter presses on a named question: No where Yes would destroy data, so that Enter
// never does; the first button elsewhere.
MsgAnswer defaultAnswer(Question question, MsgButtons buttons);

// How drivers, editors and file operations talk to the user. Texts are passed exactly as the
// program words them, with carriage returns (character 13) as line breaks; a window
// implementation turns those into its own line breaks. The GUI shows real boxes, kx2ctl
// answers from its options or the terminal, tests script the answers.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // An empty title means the application's default title. Enter presses the first button.
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
    {
        return showMessage(text, buttons, icon, title, firstButton(buttons));
    }
    // The same with the button Enter presses (one of `buttons`).
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                         MsgAnswer defaultButton)
    {
        return showMessage(text, buttons, icon, title, defaultButton);
    }
    // std::nullopt when the user cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    // A message with a second part under the program's own text, which stays as the program
    // words it (how far a send got before it failed). Where a box has no room for a second part
    // the text is shown alone.
    virtual MsgAnswer messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                                        const QString& title)
    {
        (void)detail;
        return messageBox(text, buttons, icon, title);
    }
    // A question answered with O.K. or Cancel that offers one option to tick: whether the option
    // ends up ticked, or nothing when the user cancelled. Where there is nothing to tick, the
    // option stays as given.
    virtual std::optional<bool> askWithOption(const QString& text, const QString& option, const QString& optionTip,
                                              bool ticked, const QString& title)
    {
        (void)option;
        (void)optionTip;
        if (showMessage(text, MsgButtons::OkCancel, MsgIcon::Question, title, MsgAnswer::Ok) != MsgAnswer::Ok)
            return std::nullopt;
        return ticked;
    }
    // One of the named questions; shown like any message box, with its default button, unless
    // answered in advance.
    virtual MsgAnswer ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon,
                          const QString& title)
    {
        return showMessage(text, buttons, icon, title, defaultAnswer(question, buttons));
    }

protected:
    // Every message box comes here.
    virtual MsgAnswer showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                  MsgAnswer defaultButton) = 0;
};

// The file dialog (CommonDialog). Each returns "" when the user cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // filter is the dialog filter as the program words it: "KX2 Datenflash (*.ISD)|*.ISD|".
    virtual QString openFileName(const QString& title, const QString& initialName, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& initialName, const QString& filter) = 0;
    // A folder, chosen in a dialog that opens in startFolder; "" when the user cancelled. Where
    // there is no dialog to show, nothing is chosen.
    virtual QString folderName(const QString& title, const QString& startFolder)
    {
        (void)title;
        (void)startFolder;
        return QString();
    }
};

// The progress window ComWin ("Fortschritt:", one label ComTxt, the count of the whole transfer
// and its "Abbrechen").
class Progress {
public:
    virtual ~Progress() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setText(const QString& text) = 0;
    // The count of the transfer under way; a count that is not shown() takes the bar away.
    virtual void setCount(const ProgressCount&) {}
    // A transfer runs from started to ended; meanwhile the user may ask to cancel it, and an
    // earlier wish to cancel is forgotten when the next one starts.
    virtual void transferStarted() {}
    virtual void transferEnded() {}
    // The transfer has done all it set out to do and ends in a moment: nothing is left to cancel.
    virtual void transferDone() {}
    // Whether the user asked to end the transfer under way.
    virtual bool cancelRequested() const { return false; }
    // Several transfers in one run (the whole-station backup): the window stays up between them
    // and a cancel holds until the run ends; `part` names the transfer under way.
    virtual void runStarted() {}
    virtual void runPart(const QString& part) { (void)part; }
    virtual void runEnded() {}
};

// EnableMainControls / DisableMainControls of the main window: the four data buttons,
// the "Datei" menu and the four address boxes.
class MainControls {
public:
    virtual ~MainControls() = default;
    virtual void EnableMainControls() = 0;
    virtual void DisableMainControls() = 0;
    // What the last successful transfer did, kept in sight until the next one.
    virtual void showTransferDone(const QString& text) { (void)text; }
};

// The main window's controls for the drivers, which get them with the platform before the main
// window exists: passed on to `target` once it is set.
class MainControlsRelay : public MainControls {
public:
    void EnableMainControls() override
    {
        if (target)
            target->EnableMainControls();
    }
    void DisableMainControls() override
    {
        if (target)
            target->DisableMainControls();
    }
    void showTransferDone(const QString& text) override
    {
        if (target)
            target->showTransferDone(text);
    }
    MainControls* target = nullptr;
};

// For the command line and for tests that do not care.
class NullProgress : public Progress {
public:
    void show() override {}
    void hide() override {}
    void setText(const QString&) override {}
};

class NullMainControls : public MainControls {
public:
    void EnableMainControls() override {}
    void DisableMainControls() override {}
};

} // namespace kx2
