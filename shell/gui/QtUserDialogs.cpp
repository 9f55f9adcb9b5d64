#include "shell/gui/QtUserDialogs.h"
#include "shell/gui/TitleFit.h"

#include <QApplication>
#include <QFileDialog>
#include <QAbstractButton>
#include <QCheckBox>
#include <QInputDialog>
#include <QMessageBox>

namespace kx2 {

QString toQtLineBreaks(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QStringList toQtNameFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            result.append(description);
        else
            result.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    if (result.isEmpty() && !parts.isEmpty() && !parts.first().isEmpty())
        result.append(parts.first());
    return result;
}

QString firstFilterSuffix(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return QString();
    const QString first = parts[1].split(QLatin1Char(';')).value(0).trimmed();
    if (!first.startsWith(QStringLiteral("*.")))
        return QString();
    const QString suffix = first.mid(2);
    if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')))
        return QString();
    return suffix;
}

QtUserDialogs::QtUserDialogs(QWidget* parent, const QString& defaultTitle)
    : m_parent(parent)
    , m_defaultTitle(defaultTitle)
{
}

QString QtUserDialogs::titleFor(const QString& title) const
{
    if (!title.isEmpty())
        return title;
    if (!m_defaultTitle.isEmpty())
        return m_defaultTitle;
    return QCoreApplication::applicationName();
}

MsgAnswer QtUserDialogs::showMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                     MsgAnswer defaultButton)
{
    return showBox(text, QString(), buttons, icon, title, defaultButton);
}

MsgAnswer QtUserDialogs::messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons,
                                           MsgIcon icon, const QString& title)
{
    return showBox(text, detail, buttons, icon, title, firstButton(buttons));
}

std::optional<bool> QtUserDialogs::askWithOption(const QString& text, const QString& option, const QString& optionTip,
                                                 bool ticked, const QString& title)
{
    // The box takes the check box over and deletes it with itself: its state is kept as it changes.
    auto* check = new QCheckBox(option);
    check->setChecked(ticked);
    check->setToolTip(optionTip);
    bool state = ticked;
    QObject::connect(check, &QCheckBox::toggled, [&state](bool on) { state = on; });
    if (showBox(text, QString(), MsgButtons::OkCancel, MsgIcon::Question, title, MsgAnswer::Ok, check) != MsgAnswer::Ok)
        return std::nullopt;
    return state;
}

MsgAnswer QtUserDialogs::showBox(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                                 const QString& title, MsgAnswer defaultButton, QCheckBox* option)
{
    QMessageBox box(m_parent);
    if (option)
        box.setCheckBox(option);
    box.setWindowTitle(titleFor(title));
    // Plain text: blanks that lay out a box stay, and nothing in a name is taken as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(toQtLineBreaks(text));
    if (!detail.isEmpty())
        box.setInformativeText(toQtLineBreaks(detail));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(defaultButton == MsgAnswer::Cancel ? QMessageBox::Cancel : QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == MsgAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    // The boxes speak the program's language whatever translations the system has.
    if (QAbstractButton* b = box.button(QMessageBox::Yes))
        b->setText(QCoreApplication::translate("QtUserDialogs", "Ja"));
    if (QAbstractButton* b = box.button(QMessageBox::No))
        b->setText(QCoreApplication::translate("QtUserDialogs", "Nein"));
    if (QAbstractButton* b = box.button(QMessageBox::Cancel))
        b->setText(QCoreApplication::translate("QtUserDialogs", "Abbrechen"));
    // Last: the box lays itself out anew for an icon or a second text, and what widened it
    // before would be gone ("Lokdatensätze" cut short over a short question).
    fitTitle(&box);
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default:
        // Closed some other way: the answer that changes nothing.
        return buttons == MsgButtons::YesNo ? MsgAnswer::No
             : buttons == MsgButtons::OkCancel ? MsgAnswer::Cancel
                                               : MsgAnswer::Ok;
    }
}

std::optional<QString> QtUserDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(titleFor(title));
    dialog.setLabelText(toQtLineBreaks(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QCoreApplication::translate("QtUserDialogs", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtUserDialogs", "Abbrechen"));
    fitTitle(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QtFileDialog::QtFileDialog(QWidget* parent)
    : m_parent(parent)
{
}

QString QtFileDialog::openFileName(const QString& title, const QString& initialName, const QString& filter)
{
    return ask(false, title, initialName, filter);
}

QString QtFileDialog::saveFileName(const QString& title, const QString& initialName, const QString& filter)
{
    return ask(true, title, initialName, filter);
}

QString QtFileDialog::folderName(const QString& title, const QString& startFolder)
{
    QFileDialog dialog(m_parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
#endif
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList folders = dialog.selectedFiles();
    return folders.isEmpty() ? QString() : folders.first();
}

QString QtFileDialog::ask(bool save, const QString& title, const QString& initialName, const QString& filter)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // Qt's own dialog matches the filter without regard to case, so files written on Windows
    // as .ISD and files named .isd both show; desktop dialogs here may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
#endif
    const QStringList filters = toQtNameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (save) {
        // A name typed without extension would not show in the open dialog's filter.
        const QString suffix = firstFilterSuffix(filter);
        if (!suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
    }
    // A folder alone (the last one used, no name proposed) opens the dialog there.
    if (initialName.endsWith(QLatin1Char('/')))
        dialog.setDirectory(initialName);
    else if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace kx2
