#include "editor/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace kx2 {

SortState nextSortState(SortState now, int col)
{
    if (now.col != col || now.direction == SortDirection::Station)
        return {col, SortDirection::Ascending};
    if (now.direction == SortDirection::Ascending)
        return {col, SortDirection::Descending};
    return {};
}

namespace {

// The digits of a number run starting at i, without leading zeros; i ends after the run.
QStringView numberRun(const QString& text, qsizetype& i)
{
    qsizetype start = i;
    while (i < text.size() && text[i].isDigit())
        ++i;
    while (start < i - 1 && text[start] == QLatin1Char('0'))
        ++start;
    return QStringView(text).mid(start, i - start);
}

bool isBlankKey(const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == QLatin1String("-");
}

} // namespace

int compareCellTexts(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = numberRun(a, i);
            const QStringView y = numberRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            continue;
        }
        const char32_t x = a[i].toCaseFolded().unicode();
        const char32_t y = b[j].toCaseFolded().unicode();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

std::vector<int> sortedLines(const std::vector<QString>& keys, const std::vector<int>& station, SortDirection direction)
{
    std::vector<int> lines(keys.size());
    std::iota(lines.begin(), lines.end(), 0);
    std::stable_sort(lines.begin(), lines.end(), [&](int x, int y) { return station[size_t(x)] < station[size_t(y)]; });
    if (direction == SortDirection::Station)
        return lines;
    const int sign = direction == SortDirection::Ascending ? 1 : -1;
    std::stable_sort(lines.begin(), lines.end(), [&](int x, int y) {
        const QString& a = keys[size_t(x)];
        const QString& b = keys[size_t(y)];
        const bool blankA = isBlankKey(a);
        const bool blankB = isBlankKey(b);
        if (blankA || blankB)
            return !blankA && blankB;
        return sign * compareCellTexts(a, b) < 0;
    });
    return lines;
}

} // namespace kx2
