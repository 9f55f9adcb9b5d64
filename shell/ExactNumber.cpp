#include "shell/ExactNumber.h"

namespace kx2 {

namespace {

constexpr int kMaxDigits = 15;

QStringView trimBlanks(QStringView t)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (!t.isEmpty() && blank(t.front()))
        t = t.mid(1);
    while (!t.isEmpty() && blank(t.back()))
        t.chop(1);
    return t;
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int d = 99;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < base ? d : -1;
}

// One digit at least, nothing else.
std::optional<long long> digitsOnly(QStringView t, int base)
{
    if (t.isEmpty() || t.size() > kMaxDigits)
        return std::nullopt;
    long long v = 0;
    for (QChar c : t) {
        const int d = digitValue(c, base);
        if (d < 0)
            return std::nullopt;
        v = v * base + d;
    }
    return v;
}

} // namespace

std::optional<long long> wholeNumber(const QString& text)
{
    QStringView t = trimBlanks(text);
    const bool negative = t.startsWith(QLatin1Char('-'));
    const std::optional<long long> v = digitsOnly(negative ? t.mid(1) : t, 10);
    if (!v)
        return std::nullopt;
    return negative ? -*v : *v;
}

std::optional<long long> wholeNumberOrHex(const QString& text)
{
    const QStringView t = trimBlanks(text);
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return digitsOnly(t.mid(2), 16);
    return wholeNumber(text);
}

std::optional<double> decimalNumber(const QString& text)
{
    const QStringView t = trimBlanks(text);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (!digitsOnly(point < 0 ? t : t.left(point), 10) || (point >= 0 && !digitsOnly(t.mid(point + 1), 10)))
        return std::nullopt;
    return t.toDouble();
}

} // namespace kx2
