// A grid heading finds its tooltip in the language the grid shows it in: the German heading
// without a translation, the translated one (here marked) with it.
#include "support/MarkingTranslator.h"

#include "editor/gui/GridHeaderTips.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::MarkingTranslator;

TEST(GridHeaderTips, TheHeadingAsShownFindsItsTip)
{
    const QString open = MarkingTranslator::Open;
    const QString close = MarkingTranslator::Close;
    const struct {
        bool marked;
        QString heading;
        QString tip;
    } rows[] = {
        {false, QStringLiteral("Adr."), QStringLiteral("Adresse des Datensatzes")},
        {false, QStringLiteral("f3"), QStringLiteral("Symbol der Funktion F3 in der Fahrpultanzeige")},
        {false, QStringLiteral("Befehl12"), QStringLiteral("Befehl 12 der Fahrstraße")},
        {false, QStringLiteral("f"), QString()},
        {false, QStringLiteral("fx3"), QString()},
        {false, QStringLiteral("Spalte"), QString()},
        {true, open + QStringLiteral("Adr.") + close, open + QStringLiteral("Adresse des Datensatzes") + close},
        {true, open + QStringLiteral("f28") + close,
         open + QStringLiteral("Symbol der Funktion F28 in der Fahrpultanzeige") + close},
        {true, open + QStringLiteral("Befehl1") + close, open + QStringLiteral("Befehl 1 der Fahrstraße") + close},
        {true, open + QStringLiteral("f") + close, QString()},
    };
    for (const auto& row : rows) {
        MarkingTranslator marking;
        if (row.marked)
            QCoreApplication::installTranslator(&marking);
        EXPECT_EQ(gridHeaderTip(row.heading), row.tip) << row.heading.toStdString();
        QCoreApplication::removeTranslator(&marking);
    }
}
