#include "records/ProgressMeter.h"

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
    m_current = 0;
    m_index = Index::None;
    m_count = {};
    m_progress.setCount(m_count);
}

void ProgressMeter::plan(Kind kind, int total)
{
    m_phases.push_back({kind, 0, total, false});
}

void ProgressMeter::begin(Kind kind, const QString& unit, int total)
{
    const auto planned = std::find_if(m_phases.begin(), m_phases.end(),
                                      [kind](const Phase& p) { return p.kind == kind && !p.begun; });
    if (planned != m_phases.end()) {
        *planned = {kind, 0, total, true};
        m_current = size_t(planned - m_phases.begin());
    } else {
        m_phases.push_back({kind, 0, total, true});
        m_current = m_phases.size() - 1;
    }
    m_count = {unit, 0, total, -1};
    m_phaseStart = m_clock.now();
    show();
}

void ProgressMeter::advance(int n)
{
    if (m_current >= m_phases.size() || !m_phases[m_current].begun)
        return;
    Phase& phase = m_phases[m_current];
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
    QString text = parts.join(QStringLiteral(" und ")) + QLatin1Char(' ') + verb;
    if (m_index != Index::None)
        text += m_index == Index::Written ? QStringLiteral("; Datenbank-Index geschrieben")
                                          : QStringLiteral("; Datenbank-Index nicht geschrieben");
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

bool ProgressMeter::allDone() const
{
    if (m_index == Index::Planned)
        return false;
    for (const Phase& p : m_phases)
        if (p.kind != Kind::Checked && p.done < p.total)
            return false;
    return true;
}

} // namespace kx2
