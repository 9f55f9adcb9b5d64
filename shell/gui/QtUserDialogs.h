#pragma once
#include "shell/UserDialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QCheckBox;

namespace kx2 {

// Message and input boxes as Qt dialogs. Texts arrive with carriage returns as line breaks.
class QtUserDialogs : public UserDialogs {
public:
    // defaultTitle is used for an empty title; "" means the application's name.
    explicit QtUserDialogs(QWidget* parent = nullptr, const QString& defaultTitle = QString());

    // The detail as the box's second text, under the first.
    MsgAnswer messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                                const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    // The option as a check box under the text, its tip on it.
    std::optional<bool> askWithOption(const QString& text, const QString& option, const QString& optionTip, bool ticked,
                                      const QString& title) override;

    void setParent(QWidget* parent) { m_parent = parent; }
    QString titleFor(const QString& title) const;

protected:
    MsgAnswer showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                          MsgAnswer defaultButton) override;

private:
    MsgAnswer showBox(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                      const QString& title, MsgAnswer defaultButton, QCheckBox* option = nullptr);
    QPointer<QWidget> m_parent;
    QString m_defaultTitle;
};

// The open, save and folder dialogs.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr);

    QString openFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString folderName(const QString& title, const QString& startFolder) override;

    void setParent(QWidget* parent) { m_parent = parent; }

private:
    QString ask(bool save, const QString& title, const QString& initialName, const QString& filter);

    QPointer<QWidget> m_parent;
};

// "a\r\nb\rc" -> "a\nb\nc".
QString toQtLineBreaks(const QString& text);

// The program's filter "KX2 Datenflash (*.ISD)|*.ISD|" (pairs of description and pattern,
// each ended by "|") as Qt's name filters: {"KX2 Datenflash (*.ISD)"}. A description without
// its pattern in brackets gets it added.
QStringList toQtNameFilters(const QString& filter);

// The extension of the first pattern ("ISD" for "*.ISD"); "" when it has none or a wildcard.
QString firstFilterSuffix(const QString& filter);

} // namespace kx2
