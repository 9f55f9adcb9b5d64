#include "routes/RouteCommand.h"

#include "routes/RouteTables.h"

#include <QCoreApplication>
#include <optional>

namespace kx2 {

namespace {

constexpr int kLocoBase = 50000;
constexpr int kMaxArgument = 4999;  // kinds 0..9 end below the locomotive range
constexpr int kSpeedSteps = 126;
// Loco control words (kind 4): the action in bits 2 and 3 of the high byte.
constexpr int kDirectionWord = 1024;
constexpr int kFunctionsLowWord = 2048;
constexpr int kFunctionsHighWord = 3072;

QString num(long long v)
{
    return QString::number(v);
}

// The first route whose start entry a call of kind 6 or 7 with argument a reaches; 0 for none.
int calledRoute(const RouteTables& tables, int a, int kind)
{
    for (int n = 1; n <= RouteTables::RouteCount; ++n) {
        const int start = tables.RouteData[size_t(n)][RouteTables::StartEntry];
        if (start / 10 == a && start % 10 == kind + 2)
            return n;
    }
    return 0;
}

// Speed step a - 1 of 126 as a percentage.
long long speedPercent(int a)
{
    return roundHalfEven((a - 1) * 100LL, kSpeedSteps);
}

// A grid text's words; the German ones are the station's.
QString said(Wording wording, const char* source)
{
    return worded(wording, "RouteEntry", source);
}

QString locoText(int a, Wording w)
{
    const int hi = (a / 256) & 255;
    const int lo = a & 255;
    switch ((hi >> 2) & 3) {
    case 0:
        if (a == 1)
            return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Lok Nothalt"));
        if (a == 0)
            return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Lok Halt"));
        return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Geschw.%1%")).arg(speedPercent(a));
    case 1:
        if (lo & 2)
            return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fahrtr.wenden"));
        return (lo & 1) ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fahrtr.rückw."))
                        : said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fahrtr.vorw."));
    case 2: {
        QString text = said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fkt. "));
        if (lo & 16)
            text += QStringLiteral("f0 ");
        for (int f = 1; f <= 4; ++f)
            if (lo & (1 << (f - 1)))
                text += QStringLiteral("f%1 ").arg(f);
        return (lo & 31) ? text : said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fkt. aus (F0-4)"));
    }
    default: {
        QString text = said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fkt. "));
        for (int f = 5; f <= 8; ++f)
            if (lo & (1 << (f - 5)))
                text += QStringLiteral("f%1 ").arg(f);
        return (lo & 15) ? text : said(w, QT_TRANSLATE_NOOP("RouteEntry", "Fkt. aus (F5-8)"));
    }
    }
}

// A field that must hold a whole number: digits only (blanks around them allowed), within
// min..max. Otherwise `error` says what the field needs.
std::optional<int> wholeNumber(const QString& text, int min, int max, const char* what, QString& error)
{
    const QString t = text.trimmed();
    bool digits = !t.isEmpty() && t.size() <= 9;
    for (const QChar c : t)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (digits) {
        const int v = t.toInt();
        if (v >= min && v <= max)
            return v;
    }
    error = QCoreApplication::translate("RouteCommand", what)
        + QCoreApplication::translate("RouteCommand", " muss eine ganze Zahl von %1 bis %2 sein!").arg(min).arg(max);
    return std::nullopt;
}

} // namespace

QString emergencyStopWord()
{
    return QCoreApplication::translate("RouteEntry", "Nothalt");
}

long long roundHalfEven(long long num, long long den)
{
    long long q = num / den;
    const long long twice = 2 * (num % den);
    if (twice > den || (twice == den && (q % 2) != 0))
        ++q;
    return q;
}

bool RouteCommandFields::operator==(const RouteCommandFields& o) const
{
    return BefehlArtOpt == o.BefehlArtOpt && MagAdrTxt == o.MagAdrTxt && MagstatOpt == o.MagstatOpt
           && RMAdrTxt == o.RMAdrTxt && RMstatOpt == o.RMstatOpt && PauseTxt == o.PauseTxt && UnterTxt == o.UnterTxt
           && LokAdrTxt == o.LokAdrTxt && LokSpeedTxt == o.LokSpeedTxt && NotChk == o.NotChk && FROpt == o.FROpt
           && FChk == o.FChk;
}

bool isStartKind(int code)
{
    return code > 0 && code < kLocoBase && code % 10 >= 8;
}

QString FS_Befehl_to_Text(const RouteTables& tables, int route, int entry, Wording wording)
{
    return routeEntryText(tables, tables.RouteData[size_t(route)][size_t(entry)], entry == RouteTables::StartEntry,
                          wording);
}

QString routeEntryText(const RouteTables& tables, int value, bool startEntry, Wording w)
{
    const QString none = QStringLiteral("-");
    if (value == 0)
        return startEntry ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "leer")) : none;
    if (value >= kLocoBase)
        return value / 10000 == 5 ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "Lok %1")).arg(value - kLocoBase) : QString();
    const int a = value / 10;
    const int k = value % 10;
    switch (k) {
    case 0:
        return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Mag.Art.%1rot")).arg(a);
    case 1:
        return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Mag.Art.%1grün")).arg(a);
    case 4:
        return locoText(a, w);
    case 5:
        return said(w, QT_TRANSLATE_NOOP("RouteEntry", "Pause %1s")).arg(a / 2);
    case 6:
    case 7: {
        const int n = calledRoute(tables, a, k);
        return n ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "UnterFS:%1")).arg(n) : QString();
    }
    default:
        if ((k == 8 || k == 9) && a == 0) {
            if (!startEntry)
                return none;
            return k == 8 ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "angehängt"))
                          : said(w, QT_TRANSLATE_NOOP("RouteEntry", "Autostart"));
        }
        // Kinds 2 and 3 wait for a contact, 8 and 9 start on one.
        return k % 2 == 0 ? said(w, QT_TRANSLATE_NOOP("RouteEntry", "RM.Adr.%1frei")).arg(a)
                          : said(w, QT_TRANSLATE_NOOP("RouteEntry", "RM.Adr.%1belegt")).arg(a);
    }
}

EncodedCommand Form_to_FS_Befehl(const RouteCommandFields& f, bool EditingStartEntry, const RouteTables& tables,
                                 int EditedCommand)
{
    EncodedCommand out{EditedCommand, QString()};
    QString& error = out.error;
    switch (f.BefehlArtOpt) {
    case KindAccessory:
        if (const auto a = wholeNumber(f.MagAdrTxt, 1, kMaxArgument,
                                       QT_TRANSLATE_NOOP("RouteCommand", "Die Magnetartikeladresse"), error))
            out.code = 10 * *a + (f.MagstatOpt == 1 ? 1 : 0);
        break;
    case KindFeedback:
        if (const auto a = wholeNumber(f.RMAdrTxt, 1, kMaxArgument,
                                       QT_TRANSLATE_NOOP("RouteCommand", "Die Rückmeldeadresse"), error)) {
            if (f.RMstatOpt != 0 && f.RMstatOpt != 1)
                error = QCoreApplication::translate("RouteCommand", "Bitte frei oder belegt wählen!");
            else
                out.code = 10 * *a + (EditingStartEntry ? 8 : 2) + f.RMstatOpt;
        }
        break;
    case KindPause:
        if (const auto s = wholeNumber(f.PauseTxt, 0, kMaxArgument / 2,
                                       QT_TRANSLATE_NOOP("RouteCommand", "Die Pause in Sekunden"), error))
            out.code = 20 * *s + 5;
        break;
    case KindSubRoute:
        if (const auto n = wholeNumber(f.UnterTxt, 1, RouteTables::RouteCount,
                                       QT_TRANSLATE_NOOP("RouteCommand", "Die Nummer der Unterfahrstraße"), error)) {
            const int start = tables.RouteData[size_t(*n)][RouteTables::StartEntry];
            // A call reaches a route by its start entry; a route without one is called by nothing.
            if (start == 0)
                out.code = 0;
            else if (start >= kLocoBase || start % 10 < 8)
                error = QCoreApplication::translate(
                            "RouteCommand", "Die Fahrstraße %1 hat keinen Start, über den sie aufgerufen werden kann!")
                            .arg(*n);
            else
                out.code = start - 2;
        }
        break;
    case KindLocoSelect:
        if (const auto l
            = wholeNumber(f.LokAdrTxt, 0, 9999, QT_TRANSLATE_NOOP("RouteCommand", "Die Lokadresse"), error))
            out.code = kLocoBase + *l;
        break;
    case KindLocoSpeed:
        if (f.NotChk)
            out.code = 14;
        else if (const auto p = wholeNumber(f.LokSpeedTxt, 0, 100,
                                            QT_TRANSLATE_NOOP("RouteCommand", "Die Geschwindigkeit in Prozent"), error))
            out.code = *p == 0 ? 4 : int(10 * (roundHalfEven(*p * kSpeedSteps, 100) + 1) + 4);
        break;
    case KindLocoDirection:
        if (f.FROpt < 0 || f.FROpt > 2)
            error = QCoreApplication::translate("RouteCommand", "Bitte eine Fahrtrichtung wählen!");
        else
            out.code = 10 * (kDirectionWord + f.FROpt) + 4;
        break;
    case KindFunctionsF0F4:
        out.code = 10 * (kFunctionsLowWord + 16 * f.FChk[0] + f.FChk[1] + 2 * f.FChk[2] + 4 * f.FChk[3] + 8 * f.FChk[4]) + 4;
        break;
    case KindFunctionsF5F8:
        out.code = 10 * (kFunctionsHighWord + f.FChk[5] + 2 * f.FChk[6] + 4 * f.FChk[7] + 8 * f.FChk[8]) + 4;
        break;
    case KindDelete:
        out.code = DeleteEntryCode;
        break;
    case KindInsert:
        out.code = InsertEntryCode;
        break;
    case KindAppended:
        out.code = 8;
        break;
    case KindAutostart:
        out.code = 9;
        break;
    default:
        break;
    }
    if (!out.ok())
        out.code = EditedCommand;
    return out;
}

RouteCommandFields FS_Befehl_to_Form(int V, bool EditingStartEntry, const RouteTables& tables)
{
    RouteCommandFields f;
    if (V == 0)
        return f;
    if (V >= kLocoBase) {
        if (V / 10000 == 5) {
            f.BefehlArtOpt = KindLocoSelect;
            f.LokAdrTxt = num(V - kLocoBase);
        }
        return f;
    }
    const int a = V / 10;
    const int k = V % 10;
    switch (k) {
    case 0:
    case 1:
        f.BefehlArtOpt = KindAccessory;
        f.MagAdrTxt = num(a);
        f.MagstatOpt = k;
        break;
    case 2:
    case 3:
        f.BefehlArtOpt = KindFeedback;
        f.RMAdrTxt = num(a);
        f.RMstatOpt = k - 2;
        break;
    case 4: {
        const int hi = (a / 256) & 255;
        const int lo = a & 255;
        switch ((hi >> 2) & 3) {
        case 0:
            f.BefehlArtOpt = KindLocoSpeed;
            f.NotChk = a == 1;
            f.LokSpeedTxt = a == 1 ? emergencyStopWord() : a == 0 ? QStringLiteral("0") : num(speedPercent(a));
            break;
        case 1:
            f.BefehlArtOpt = KindLocoDirection;
            f.FROpt = (lo & 2) ? 2 : (lo & 1) ? 1 : 0;
            break;
        case 2:
            f.BefehlArtOpt = KindFunctionsF0F4;
            f.FChk[0] = lo & 16;
            for (int i = 1; i <= 4; ++i)
                f.FChk[size_t(i)] = lo & (1 << (i - 1));
            break;
        default:
            f.BefehlArtOpt = KindFunctionsF5F8;
            for (int i = 5; i <= 8; ++i)
                f.FChk[size_t(i)] = lo & (1 << (i - 5));
            break;
        }
        break;
    }
    case 5:
        f.BefehlArtOpt = KindPause;
        f.PauseTxt = num(a / 2);
        break;
    case 6:
    case 7: {
        const int n = calledRoute(tables, a, k);
        f.BefehlArtOpt = KindSubRoute;
        f.UnterTxt = n ? num(n) : QStringLiteral("XX");
        break;
    }
    default:
        if (a >= 1) {
            f.BefehlArtOpt = KindFeedback;
            f.RMAdrTxt = num(a);
            f.RMstatOpt = k - 8;
        } else if (EditingStartEntry) {
            f.BefehlArtOpt = k == 8 ? KindAppended : KindAutostart;
        } else {
            f.RMAdrTxt = QStringLiteral("-");
        }
        break;
    }
    return f;
}

} // namespace kx2
