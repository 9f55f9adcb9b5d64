#pragma once
#include <QString>

namespace kx2 {

// How far a transfer has come, in the unit its driver counts: "Lokdatensatz 42 von 500", the
// share done and, once it can be told from the pace so far, the time left. The progress window
// and kx2ctl show the same words.
struct ProgressCount {
    QString unit;             // "Lokdatensatz"; empty: no count to show
    int done = 0;
    int total = 0;
    double secondsLeft = -1;  // negative: not yet estimated
    int share = -1;           // percent of the whole transfer; negative: the count's own
    int current = -1;         // the unit under way as the step text names it; negative: done

    bool shown() const { return total > 0 && !unit.isEmpty(); }
    // "Lokdatensatz 42 von 500"; with `current` that number in place of `done`
    QString text() const;
    int percent() const;
    // "noch etwa 2 min 10 s", "noch etwa 40 s"; "" before an estimate.
    QString timeLeftText() const;
    // The count, the share and the time left in one line: "Lokdatensatz 42 von 500, 8 %, noch etwa 2 min".
    QString line() const;
};

} // namespace kx2
