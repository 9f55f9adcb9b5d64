#pragma once
#include "link/BusMonitor.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace kx2 {

class FileDialog;
class LocoNetLink;
class SerialInterface;
class UserDialogs;

// "LocoNet-Monitor": every message on the bus as a line (time, gesendet/empfangen, bytes, words),
// during transfers and, with "Port öffnen", while none runs. The list keeps the last 10 000
// messages and is drawn a few times a second in one batch, so a transfer never waits for it.
// "Pause" stops taking messages, "Leeren" empties the list, the opcode filter shows only the
// opcodes typed there ("B2 E7"; empty or "alle" shows all), "Speichern..." writes what is shown
// to a text file.
//
// The port the monitor opens is only lent: a transfer that starts closes it first and sets the
// interface up from scratch (SerialInterface::connectIdle); the button offers "Port öffnen"
// again afterwards. While a transfer holds the port the button is off.
class MonitorWin : public QWidget {
    Q_OBJECT
public:
    using Describe = std::function<QString(const QByteArray& message)>;

    MonitorWin(LocoNetLink& link, SerialInterface& iface, UserDialogs& dialogs, FileDialog& files,
               Describe describe, QWidget* parent = nullptr);
    ~MonitorWin() override;

    // The list brought up to date (the timer calls it).
    void refresh();
    void PortBut_Click();
    void Leeren_Click();
    void Speichern_Click();
    void setFilterText(const QString& text);

    const BusMonitor& monitor() const { return m_monitor; }
    QString shownText() const;
    QPushButton* portBut() const { return m_portBut; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Whether the filter lets this message through.
    bool shown(const QByteArray& message) const;
    QString lineOf(const BusMonitor::Entry& entry) const;
    // The whole list again from the monitor's messages (after a filter change or "Leeren").
    void rebuild();
    void updateControls();

    LocoNetLink& m_link;
    SerialInterface& m_iface;
    UserDialogs& m_dialogs;
    FileDialog& m_files;
    Describe m_describe;
    BusMonitor m_monitor;
    unsigned long long m_shownTotal = 0;
    std::vector<int> m_opcodes; // empty: all
    QString m_lostWhy;
    QPlainTextEdit* m_list;
    QPushButton* m_portBut;
    QPushButton* m_pauseBut;
    QComboBox* m_filter;
    QLabel* m_status;
    QTimer* m_timer;
};

} // namespace kx2
