#pragma once
#include <QByteArray>
#include <QString>
#include <QTime>
#include <deque>

namespace kx2 {

class LocoNetLink;

// What the bus monitor shows: every whole message on the bus, as the link assembles it, with
// the time it passed and whether it was the tool's own (its echo). Keeps the last `capacity`
// messages, the oldest dropped first, so that a long watch never grows without bound. Taking a
// message costs a copy and nothing more: the words for it are made when it is shown.
class BusMonitor {
public:
    struct Entry {
        QTime time;
        bool own = false;
        QByteArray message;
    };
    static constexpr std::size_t DefaultCapacity = 10000;

    explicit BusMonitor(LocoNetLink& link, std::size_t capacity = DefaultCapacity);
    ~BusMonitor();
    BusMonitor(const BusMonitor&) = delete;
    BusMonitor& operator=(const BusMonitor&) = delete;

    const std::deque<Entry>& entries() const { return m_entries; }
    // How many messages were ever taken (dropped and cleared ones included): a viewer that
    // remembers it knows which entries are new.
    unsigned long long total() const { return m_total; }
    void clear() { m_entries.clear(); }
    // While paused, messages pass by untaken.
    void setPaused(bool paused) { m_paused = paused; }
    bool paused() const { return m_paused; }

    // "gesendet" for the tool's own message, "empfangen" for all others.
    static QString directionText(bool own);
    // One line of text: "12:34:56.789  empfangen  B2 05 40 0A  Rückmelder 11: belegt".
    static QString line(const Entry& entry, const QString& words);

private:
    LocoNetLink& m_link;
    int m_listener;
    std::size_t m_capacity;
    std::deque<Entry> m_entries;
    unsigned long long m_total = 0;
    bool m_paused = false;
};

} // namespace kx2
