#include "shell/ProgressCount.h"

#include <cmath>
#include <QCoreApplication>

namespace kx2 {

QString ProgressCount::text() const
{
    return unit + QLatin1Char(' ') + QString::number(current >= 0 ? current : done)
        + QCoreApplication::translate("ProgressCount", " von ") + QString::number(total);
}

int ProgressCount::percent() const
{
    if (share >= 0)
        return share;
    if (total <= 0)
        return 0;
    return int(std::floor(100.0 * double(done) / double(total)));
}

QString ProgressCount::timeLeftText() const
{
    if (secondsLeft < 0)
        return {};
    // Whole seconds; below a minute in fives, so that the line does not flicker.
    const int s = int(std::ceil(secondsLeft));
    if (s < 60)
        return QCoreApplication::translate("ProgressCount", "noch etwa %1 s").arg(std::max(5, (s + 4) / 5 * 5));
    const int min = s / 60;
    if (min >= 10)
        return QCoreApplication::translate("ProgressCount", "noch etwa %1 min").arg(min);
    const int tens = s % 60 / 10 * 10;
    return tens == 0 ? QCoreApplication::translate("ProgressCount", "noch etwa %1 min").arg(min)
                     : QCoreApplication::translate("ProgressCount", "noch etwa %1 min %2 s").arg(min).arg(tens);
}

QString ProgressCount::line() const
{
    if (!shown())
        return {};
    QString out = text() + QStringLiteral(", ") + QString::number(percent()) + QStringLiteral(" %");
    const QString left = timeLeftText();
    if (!left.isEmpty())
        out += QStringLiteral(", ") + left;
    return out;
}

} // namespace kx2
