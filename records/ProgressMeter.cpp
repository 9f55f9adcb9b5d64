#include "records/ProgressMeter.h"

#include "link/Clock.h"
#include "shell/UserDialogs.h"

#include <QStringList>
#include <algorithm>
#include <QCoreApplication>

namespace kx2 {

namespace {

// Before this much time and one unit, a pace says nothing about the rest.
constexpr double kEstimateAfterSeconds = 2.0;

const char* noun(ProgressMeter::Kind kind)
{
    switch (kind) {
    case ProgressMeter::Kind::Records:
        return QT_TRANSLATE_NOOP("ProgressMeter", "Datensätzen");
    case ProgressMeter::Kind::Formats:
        return QT_TRANSLATE_NOOP("ProgressMeter", "Datenformaten");
    case ProgressMeter::Kind::Routes:
        return QT_TRANSLATE_NOOP("ProgressMeter", "Fahrstraßen");
    case ProgressMeter::Kind::RouteEntries:
        return QT_TRANSLATE_NOOP("ProgressMeter", "Fahrstraßeneinträgen");
    case ProgressMeter::Kind::Checked:
        break;
    }
    return "";
}

} // namespace

// A pause weighs as the exchanges that would have fit into it: one exchange of some 49 bytes
// and its answer at 16666 baud.
constexpr double kSecondsPerExchange = 0.05;

void ProgressMeter::reset()
{
    m_phases.clear();
    m_current = 0;
    m_index = Index::None;
    m_pauseDone = 0;
    m_pausePlanned = 0;
    m_checkPlanned = false;
    if (m_inRun) {
        // The count of the transfer before stands until this one's plan replaces it: the bar of a
        // run never leaves the window.
        m_count.share = m_shown;
        return;
    }
    m_shown = 0;
    m_start = -1;
    m_count = {};
    m_count.share = m_shown;
    m_progress.setCount(m_count);
}

void ProgressMeter::plan(Kind kind, const QString& unit, int total, double exchanges)
{
    m_phases.push_back({kind, 0, total, false, exchanges, true, 0, unit});
    showPlanned();
}

void ProgressMeter::planAtMost(Kind kind, const QString& unit, int total, double exchanges)
{
    m_phases.push_back({kind, 0, total, false, exchanges, false, 0, unit});
    showPlanned();
}

void ProgressMeter::forgetPlan()
{
    std::vector<Phase> begun;
    size_t current = m_phases.size();
    for (size_t i = 0; i < m_phases.size(); ++i) {
        if (i == m_current)
            current = begun.size();
        if (m_phases[i].begun)
            begun.push_back(m_phases[i]);
    }
    m_phases = std::move(begun);
    m_current = current;
    if (m_index == Index::Planned)
        m_index = Index::None;
}

void ProgressMeter::showPlanned()
{
    if (std::any_of(m_phases.begin(), m_phases.end(), [](const Phase& p) { return p.begun; })) {
        updateShare();
        return;
    }
    const auto first = std::find_if(m_phases.begin(), m_phases.end(), [](const Phase& p) { return p.total > 0; });
    if (first != m_phases.end())
        m_count = {first->unit, 0, first->total, m_count.secondsLeft, m_count.share};
    show();
}

void ProgressMeter::indexStarted()
{
    m_count = {QCoreApplication::translate("ProgressMeter", "Datenbank-Index"), 0, 1, -1, m_count.share, 1};
    show();
}

void ProgressMeter::indexWritten()
{
    if (m_index != Index::Planned)
        return;
    m_index = Index::Written;
    if (m_count.unit == QCoreApplication::translate("ProgressMeter", "Datenbank-Index")) {
        m_count.done = 1;
        m_count.current = -1;
    }
    show();
}

void ProgressMeter::indexMaybeWritten()
{
    if (m_index == Index::Planned)
        m_index = Index::MaybeWritten;
}

void ProgressMeter::planPause(double seconds)
{
    m_pausePlanned += seconds / kSecondsPerExchange;
}

void ProgressMeter::paused(double seconds)
{
    m_pauseDone += seconds / kSecondsPerExchange;
    m_pausePlanned = std::max(m_pausePlanned, m_pauseDone);
    show();
}

void ProgressMeter::begin(Kind kind, const QString& unit, int total)
{
    const auto planned = std::find_if(m_phases.begin(), m_phases.end(),
                                      [kind](const Phase& p) { return p.kind == kind && !p.begun; });
    if (planned != m_phases.end()) {
        *planned = {kind, 0, total, true, planned->exchanges, true, 0, unit};
        m_current = size_t(planned - m_phases.begin());
    } else {
        m_phases.push_back({kind, 0, total, true, 1, true, 0, unit});
        m_current = m_phases.size() - 1;
    }
    if (m_start < 0)
        m_start = m_clock.now();
    // Nothing to do sends no request: the count of the step before stays until one comes.
    if (total > 0)
        m_count = {unit, 0, total, m_count.secondsLeft, m_count.share};
    show();
}

void ProgressMeter::advance(int n)
{
    if (m_current >= m_phases.size() || !m_phases[m_current].begun)
        return;
    Phase& phase = m_phases[m_current];
    phase.done = std::min(phase.done + n, phase.total);
    m_count.done = phase.done;
    m_count.current = -1;
    show();
}

void ProgressMeter::maybeDone(int n)
{
    if (m_current < m_phases.size() && m_phases[m_current].begun)
        m_phases[m_current].maybe += n;
}

void ProgressMeter::at(int number)
{
    m_count.current = number;
    show();
}

void ProgressMeter::atNext(int ahead)
{
    if (m_current < m_phases.size() && m_phases[m_current].begun && m_phases[m_current].total > 0)
        at(std::min(m_phases[m_current].done + 1 + ahead, m_phases[m_current].total));
}

void ProgressMeter::startRun(const std::vector<double>& weights)
{
    m_run = weights;
    m_part = 0;
    m_inRun = true;
    m_shown = 0;
    m_start = -1;
}

void ProgressMeter::part(size_t index)
{
    m_part = index;
}

void ProgressMeter::endRun()
{
    m_inRun = false;
    m_run.clear();
}

double ProgressMeter::shareDone() const
{
    double planned = m_pausePlanned + (m_index == Index::None ? 0 : 1);
    double done = m_pauseDone + (m_index == Index::Written ? 1 : 0);
    bool checking = false;
    for (const Phase& p : m_phases) {
        planned += p.total * p.exchanges;
        done += p.done * p.exchanges;
        checking = checking || p.kind == Kind::Checked;
    }
    if (m_checkPlanned && !checking)
        planned += planned - m_pausePlanned;
    // Pauses alone, before a driver planned its work, say nothing of the share.
    const double own = planned > 0 && !m_phases.empty() ? done / planned : 0;
    if (!m_inRun || m_part >= m_run.size())
        return own;
    double before = 0;
    double all = 0;
    for (size_t i = 0; i < m_run.size(); ++i) {
        before += i < m_part ? m_run[i] : 0;
        all += m_run[i];
    }
    return all > 0 ? (before + own * m_run[m_part]) / all : own;
}

void ProgressMeter::updateShare()
{
    const double share = shareDone();
    m_shown = std::max(m_shown, std::min(100, int(share * 100.0)));
    m_count.share = m_shown;
    // The pace so far over all the work that remains, once the pace says something.
    m_count.secondsLeft = -1;
    const double elapsed = m_start < 0 ? 0 : m_clock.now() - m_start;
    if (share > 0 && share < 1 && elapsed >= kEstimateAfterSeconds)
        m_count.secondsLeft = elapsed / share * (1 - share);
}

void ProgressMeter::show()
{
    updateShare();
    m_progress.setCount(m_count);
}

QString ProgressMeter::tally(const QString& verb) const
{
    QStringList parts;
    for (const Phase& p : m_phases) {
        if (p.kind == Kind::Checked || !p.named || p.total <= 0)
            continue;
        const QString done = p.maybe > 0
            ? QCoreApplication::translate("ProgressMeter", "%1 (+%2 möglicherweise)").arg(p.done).arg(p.maybe)
            : QString::number(p.done);
        parts << QCoreApplication::translate("ProgressMeter", "%1 von %2 %3")
                     .arg(done)
                     .arg(p.total)
                     .arg(QCoreApplication::translate("ProgressMeter", noun(p.kind)));
    }
    if (parts.isEmpty())
        return {};
    QString text = parts.join(QCoreApplication::translate("ProgressMeter", " und ")) + QLatin1Char(' ') + verb;
    if (m_index == Index::Written)
        text += QCoreApplication::translate("ProgressMeter", "; Datenbank-Index geschrieben");
    else if (m_index == Index::MaybeWritten)
        text += QCoreApplication::translate("ProgressMeter", "; Datenbank-Index möglicherweise geschrieben");
    else if (m_index == Index::Planned)
        text += QCoreApplication::translate("ProgressMeter", "; Datenbank-Index nicht geschrieben");
    return text;
}

bool ProgressMeter::anyDone() const
{
    if (m_index == Index::Written)
        return true;
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.done > 0)
            return true;
    return false;
}

bool ProgressMeter::anyMaybeDone() const
{
    if (m_index == Index::MaybeWritten)
        return true;
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.maybe > 0)
            return true;
    return false;
}

bool ProgressMeter::allDone() const
{
    if (m_index == Index::Planned || m_index == Index::MaybeWritten)
        return false;
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.named && p.done < p.total)
            return false;
    return true;
}

} // namespace kx2
