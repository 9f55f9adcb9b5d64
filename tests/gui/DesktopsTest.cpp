// The program on other desktops: dark palettes, small screens, large fonts.
#include "AppRig.h"

#include "editor/PaintedColours.h"
#include "editor/gui/PictureCache.h"
#include "link/gui/MonitorWin.h"
#include "loco/gui/LokFktSymFrm.h"
#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "shell/gui/HelpWin.h"
#include "shell/gui/OptWin.h"
#include "shell/gui/ScreenFit.h"

#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

using namespace kx2;
using namespace kx2::test;

namespace {

QPalette darkPalette()
{
    QPalette p(QColor(53, 53, 53), QColor(35, 35, 35));
    p.setColor(QPalette::WindowText, QColor(238, 238, 236));
    p.setColor(QPalette::Text, QColor(238, 238, 236));
    p.setColor(QPalette::Base, QColor(36, 31, 49));
    return p;
}

} // namespace

// Every background the program paints with the text it draws on it, on a light desktop and a dark one.
TEST(Desktops, EveryPaintedColourKeepsItsTextReadableOnLightAndDarkPalettes)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    // A theme whose text is light on a light base: the text of a mark is chosen anew.
    QPalette mismatched = fusion->standardPalette();
    mismatched.setColor(QPalette::Text, QColor(235, 235, 235));
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", fusion->standardPalette()}, {"dark", darkPalette()}, {"light text on light", mismatched}};
    for (const auto& named : palettes) {
        const QPalette& palette = named.second;
        const std::pair<const char*, PaintedColours> painted[] = {
            {"changed line", *markColours(RecordMark::Changed, palette)},
            {"new line", *markColours(RecordMark::New, palette)},
            {"deleted line", *markColours(RecordMark::Deleted, palette)},
            {"nothing found", notFoundColours(palette)},
            {"name count", {palette.color(QPalette::Window), palette.color(QPalette::WindowText), {}}},
        };
        for (const auto& colours : painted) {
            SCOPED_TRACE(std::string(named.first) + ": " + colours.first);
            EXPECT_GE(contrastRatio(colours.second.background, colours.second.text), 4.5);
            // A mark still shows as one: its line is not the plain base.
            EXPECT_NE(colours.second.background, palette.color(QPalette::Base));
        }
    }
}

// Each window, made as large as it likes (or as large as it was left), opens within the room of a
// 1024 x 600 screen.
TEST(Desktops, NoWindowOpensLargerThanTheScreen)
{
    AppRig rig;
    rig.win.showOptions();
    rig.win.showHelp();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry() & QRect(0, 0, 1024, 600);
    PictureCache pictures(buildFolder());
    LokFktSymFrm chooser(pictures, {});
    const std::pair<const char*, QWidget*> windows[] = {
        {"main", &rig.win},
        {"options", rig.win.optWin()},
        {"help", rig.win.helpWin()},
        {"locomotives", &rig.windows.lokdatenFrm()},
        {"accessories", &rig.windows.magDatenFrm()},
        {"feedback", &rig.windows.rmDatenFrm()},
        {"routes", &rig.windows.fsDatenFrm()},
        {"monitor", &rig.windows.monitorWin()},
        {"symbols", &chooser},
    };
    // The test screen is 800 x 800: the program's own watch keeps the windows within its width,
    // this one within the small screen's height.
    ScreenFit smallScreen;
    smallScreen.setArea(room);
    for (const auto& window : windows) {
        SCOPED_TRACE(window.first);
        ASSERT_NE(window.second, nullptr);
        window.second->hide();
        window.second->resize(1600, 1000);
        window.second->show();
        const QRect frame = window.second->frameGeometry();
        EXPECT_LE(frame.width(), room.width());
        EXPECT_LE(frame.height(), room.height());
        window.second->hide();
    }
}

// What fits at the design font fits at twice its size: widths and heights grow with the font,
// and no heading has to shrink more than at the design size.
TEST(Desktops, GridColumnsAndLinesGrowWithTheFont)
{
    const QFont before = QApplication::font();
    struct Measures {
        std::vector<int> widths;
        qreal headingPoints;
    };
    std::vector<Measures> measured;
    for (const qreal points : {9.0, 18.0}) {
        QFont font = before;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        AppRig rig;
        FlexGrid* grid = rig.windows.lokdatenFrm().grid();
        Measures m{{}, grid->horizontalHeader()->font().pointSizeF() / points};
        for (int col = 0; col < grid->Cols(); ++col)
            m.widths.push_back(grid->ColWidth(col));
        m.widths.push_back(grid->RowHeightPx(1));
        measured.push_back(m);
    }
    QApplication::setFont(before);
    ASSERT_EQ(measured[0].widths.size(), measured[1].widths.size());
    for (size_t n = 0; n < measured[0].widths.size(); ++n)
        EXPECT_NEAR(measured[1].widths[n], 2 * measured[0].widths[n], 3) << n;
    EXPECT_GE(measured[1].headingPoints, measured[0].headingPoints - 0.05);
}
