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
// The bar is one over the whole transfer: every phase is weighed by the exchanges one of its units
// takes, the drivers plan all phases before the first exchange, and the share shown never falls,
// so a phase that turns out smaller than planned lets the bar jump ahead, never back. A run of
// several transfers (the whole-station backup) shares one bar in the same way.
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

    // A new transfer: the phases of the last one are forgotten and the bar taken away; within a run
    // the bar and the count stay as they are until the next plan says what comes.
    void reset();
    // A send says before it writes what it is going to write, so that one that stops early still
    // names what it did not get to ("0 von 36 Datenformaten"). A planned phase is counted from
    // 0 of `total` until begin() starts it. Until the first phase begins, the count shows the first
    // planned one at 0 ("Lokdatensatz 0 von 500"), so that bar and count stand from the first
    // request on. `unit` as begin() will name it; `exchanges`: what one unit takes on the bus, its
    // weight in the bar.
    void plan(Kind kind, const QString& unit, int total, double exchanges = 1);
    // A phase whose size a read only knows once the phase before it is done (the data formats of
    // the records found): it weighs in the bar at `total`, the most it can be, but the words at the
    // end name it only once it began.
    void planAtMost(Kind kind, const QString& unit, int total, double exchanges = 1);
    // What was planned is planned anew (the user chose to replace another station's data, which
    // makes more to write); what began stays.
    void forgetPlan();
    // The database index is to be written after the records; indexWritten() once it is.
    void planIndex() { m_index = Index::Planned; }
    // The index is read or written: the count speaks of it, not of the phase before.
    void indexStarted();
    void indexWritten();
    // The index's store went out and its answer was lost: it may be written.
    void indexMaybeWritten();
    // What is written is read back after the send: about as much again.
    void planCheck() { m_checkPlanned = true; }
    // A pause of the transfer, weighed as the exchanges that would fit into it.
    void planPause(double seconds);
    void paused(double seconds);
    // A phase of `total` units called `unit` ("Lokdatensatz"), counted from 0: the first planned
    // phase of that kind not yet begun, or a new one. A phase of nothing leaves the count as it is.
    void begin(Kind kind, const QString& unit, int total);
    // `n` more units of the phase under way.
    void advance(int n = 1);
    // `n` more units of the phase under way may be done: what stores them went out and its
    // answer was lost.
    void maybeDone(int n);
    // The number of the unit under way as the step text names it ("FS-Namen 4 lesen"), for the
    // count line to speak of the same one.
    void at(int number);
    // The unit under way by its place in the phase: the next one not yet done, or `ahead` after
    // it (records written together and counted once their area is stored).
    void atNext(int ahead = 0);

    // A run of transfers with one bar: `weights` the share of each, part(i) as transfer i begins.
    void startRun(const std::vector<double>& weights);
    void part(size_t index);
    void endRun();
    // The share of the whole transfer (or run) done, 0..100, as the bar shows it.
    int percent() const { return m_count.share; }

    const ProgressCount& count() const { return m_count; }
    // "23 von 60 Datensätzen und 0 von 5 Datenformaten" + " " + verb, over the phases planned or
    // begun (checks left out; units that may be done as "0 (+16 möglicherweise) von 60"), then
    // whether the planned index was written; "" when none counted anything.
    QString tally(const QString& verb) const;
    // Whether any counted phase got anything done for certain, whether anything may be done, and
    // whether all got everything done.
    bool anyDone() const;
    bool anyMaybeDone() const;
    bool allDone() const;

private:
    struct Phase {
        Kind kind;
        int done;
        int total;
        bool begun;
        double exchanges = 1;
        bool named = true;  // in the words at the end
        int maybe = 0;      // beyond `done`: may be done
        QString unit = {};
    };
    enum class Index { None, Planned, MaybeWritten, Written };
    void show();
    // Before any phase began: the first planned one with something to do, at 0.
    void showPlanned();

    Progress& m_progress;
    Clock& m_clock;
    ProgressCount m_count;
    double shareDone() const;
    void updateShare();

    double m_start = -1;      // the clock at the first unit of the transfer or run
    double m_pauseDone = 0;   // exchanges' worth of pauses behind
    double m_pausePlanned = 0;
    int m_shown = 0;          // the bar never falls below what it showed
    std::vector<double> m_run;
    size_t m_part = 0;
    bool m_inRun = false;
    bool m_checkPlanned = false;
    std::vector<Phase> m_phases;
    size_t m_current = 0;  // the phase advance() counts
    Index m_index = Index::None;
};

} // namespace kx2
