#pragma once
#include "shell/ProgressCount.h"

#include <QString>
#include <vector>

namespace kx2 {

class Clock;
class Progress;

// The count of a transfer for its progress window: each driver says what it counts and how many
// (begin) and when one more is done (advance); the meter adds the share and the time left and
// keeps what every phase reached, so that a transfer that ends early can say how far it got.
class ProgressMeter {
public:
    // What a phase counts, for the words at the end of a transfer.
    enum class Kind {
        Records,      // "Datensätzen"
        Formats,      // "Datenformaten"
        Routes,       // "Fahrstraßen": the route module's entries read route by route
        RouteEntries, // "Fahrstraßeneinträgen"
        Checked,      // read back after a send: not part of what was written
    };

    ProgressMeter(Progress& progress, Clock& clock) : m_progress(progress), m_clock(clock) {}

    // A new transfer: the phases of the last one are forgotten and the bar taken away.
    void reset();
    // A send says before it writes what it is going to write, so that one that stops early still
    // names what it did not get to ("0 von 36 Datenformaten"). A planned phase is counted from
    // 0 of `total` until begin() starts it.
    void plan(Kind kind, int total);
    // The database index is to be written after the records; indexWritten() once it is.
    void planIndex() { m_index = Index::Planned; }
    void indexWritten()
    {
        if (m_index == Index::Planned)
            m_index = Index::Written;
    }
    // A phase of `total` units called `unit` ("Lokdatensatz"), counted from 0: the first planned
    // phase of that kind not yet begun, or a new one.
    void begin(Kind kind, const QString& unit, int total);
    // `n` more units of the phase under way.
    void advance(int n = 1);

    const ProgressCount& count() const { return m_count; }
    // "23 von 60 Datensätzen und 0 von 5 Datenformaten" + " " + verb, over the phases planned or
    // begun (checks left out), then whether the planned index was written; "" when none counted
    // anything.
    QString tally(const QString& verb) const;
    // Whether any counted phase got anything done, and whether all got everything done.
    bool anyDone() const;
    bool allDone() const;

private:
    struct Phase {
        Kind kind;
        int done;
        int total;
        bool begun;
    };
    enum class Index { None, Planned, Written };
    void show();

    Progress& m_progress;
    Clock& m_clock;
    ProgressCount m_count;
    double m_phaseStart = 0;
    std::vector<Phase> m_phases;
    size_t m_current = 0;  // the phase advance() counts
    Index m_index = Index::None;
};

} // namespace kx2
