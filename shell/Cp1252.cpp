#include "shell/Cp1252.h"

namespace kx2 {

namespace {
// 0x80..0x9F of cp1252; 0 marks the five codes without a character.
const char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
} // namespace

int cp1252Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

QChar cp1252Char(int code)
{
    code &= 0xFF;
    if (code >= 0x80 && code < 0xA0) {
        const char16_t u = kHigh[code - 0x80];
        // The five unassigned codes map to the C1 controls, as Windows does.
        return QChar(u ? u : char16_t(code));
    }
    return QChar(char16_t(code));
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        int code = cp1252Code(c);
        if (code < 0 && c.unicode() >= 0x80 && c.unicode() < 0xA0)
            code = c.unicode();  // a C1 control read from an unassigned code goes back unchanged
        out.append(char(code < 0 ? '?' : code));
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(cp1252Char(static_cast<unsigned char>(b)));
    return out;
}

} // namespace kx2
