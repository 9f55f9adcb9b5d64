#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

namespace kx2 {

// The help window: the lines of konf/hilfe.txt in a list. "OK" (also Return) and Escape hide it
// and a later showing keeps the list; the window's close button unloads it, so the next showing
// reads the file again. The program's name (`programName`, as the main window's caption) fills its place in the text.
class HelpWin : public QDialog {
    Q_OBJECT
public:
    explicit HelpWin(const QString& programFolder, QWidget* parent = nullptr,
                     const QString& programName = QStringLiteral("TQ7 - Tool"));

    QListWidget* helpTxt() const { return m_helpTxt; }
    QPushButton* okButton() const { return m_okButton; }
    bool loaded() const { return m_loaded; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fill();

    QString m_programFolder;
    QString m_programName;
    QListWidget* m_helpTxt;
    QPushButton* m_okButton;
    bool m_loaded = false;
};

} // namespace kx2
