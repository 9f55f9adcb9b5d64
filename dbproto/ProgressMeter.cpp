#include "dbproto/ProgressMeter.h"

#include "link/Clock.h"
#include "shell/UserDialogs.h"

#include <QStringList>
#include <algorithm>

namespace kx2 {

namespace {

// Before this much time and one unit, a pace says nothing about the rest.
constexpr double kEstimateAfterSeconds = 2.0;

const char* noun(ProgressMeter::Kind kind)
{
    switch (kind) {
    case ProgressMeter::Kind::Records:
        return "Datensätzen";
    case ProgressMeter::Kind::Formats:
        return "Datenformaten";
    case ProgressMeter::Kind::Routes:
        return "Fahrstraßen";
    case ProgressMeter::Kind::RouteEntries:
        return "Fahrstraßeneinträgen";
    case ProgressMeter::Kind::Checked:
        break;
    }
    return "";
}

} // namespace

void ProgressMeter::reset()
{
    m_phases.clear();
    m_count = {};
    m_progress.setCount(m_count);
}

void ProgressMeter::begin(Kind kind, const QString& unit, int total)
{
    m_phases.push_back({kind, 0, total});
    m_count = {unit, 0, total, -1};
    m_phaseStart = m_clock.now();
    show();
}

void ProgressMeter::advance(int n)
{
    if (m_phases.empty())
        return;
    Phase& phase = m_phases.back();
    phase.done = std::min(phase.done + n, phase.total);
    m_count.done = phase.done;
    const double elapsed = m_clock.now() - m_phaseStart;
    m_count.secondsLeft = -1;
    if (phase.done > 0 && phase.done < phase.total && elapsed >= kEstimateAfterSeconds)
        m_count.secondsLeft = elapsed / phase.done * (phase.total - phase.done);
    show();
}

void ProgressMeter::show()
{
    m_progress.setCount(m_count);
}

QString ProgressMeter::tally(const QString& verb) const
{
    QStringList parts;
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.total > 0)
            parts << QStringLiteral("%1 von %2 %3").arg(p.done).arg(p.total).arg(QString::fromUtf8(noun(p.kind)));
    if (parts.isEmpty())
        return {};
    return parts.join(QStringLiteral(" und ")) + QLatin1Char(' ') + verb;
}

bool ProgressMeter::anyDone() const
{
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.done > 0)
            return true;
    return false;
}

bool ProgressMeter::allDone() const
{
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.done < p.total)
            return false;
    return true;
}

} // namespace kx2
