#pragma once
// The accessory or the feedback editor opened from the main window's button after a read of
// the simulated command station, handled through its real widgets and menus.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "editor/gui/MagSymFrm.h"
#include "feedback/gui/RMDatenFrm.h"

#include <QAction>
#include <QPushButton>

namespace kx2::test {

// What tells the two editors apart in a test.
struct RangeKind {
    const char* name;
    bool accessories;
    int line1; // grid column of name line 1
};
inline const RangeKind kAccessories{"accessories", true, 2};
inline const RangeKind kFeedback{"feedback", false, 1};

struct RangeRig : AppRig {
    // The station holds `seeded` records; the main window's boxes hold from..to.
    explicit RangeRig(const RangeKind& k, const QString& from = QStringLiteral("1"),
                      const QString& to = QStringLiteral("16"), int seeded = 20)
        : kind(k)
        , table(k.accessories ? static_cast<RangeRecordTable&>(ctx.accessories) : ctx.feedback)
    {
        k.accessories ? station.seedAccessories(seeded) : station.seedFeedback(seeded);
        mainBox("AdrStartTxt")->setText(from);
        mainBox("AdrEndTxt")->setText(to);
        win.show();
        clickButton();
        frm = k.accessories ? static_cast<RangeRecordEditor*>(&windows.magDatenFrm()) : &windows.rmDatenFrm();
    }

    // The main window's "von Adr." ("AdrStartTxt") or "bis Adr." box of the database, and its button.
    QLineEdit* mainBox(const char* name)
    {
        return win.findChild<QLineEdit*>(QLatin1String(kind.accessories ? "Mag" : "Rm") + QLatin1String(name));
    }
    void clickButton()
    {
        const char* button = kind.accessories ? "MagDatenBut" : "RckmDatenBut";
        QTest::mouseClick(win.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    FlexGrid* grid() const { return frm->grid(); }
    QLineEdit* inp() const { return frm->InpText(); }
    RangeRecordEditor& editor() const { return *frm; }
    AddressRange& range() { return kind.accessories ? ctx.accessoryRange : ctx.feedbackRange; }
    void rebuild() const
    {
        frm->GridLoaded = 0;
        frm->Form_Activate();
    }
    void click(int row, int col) const { clickCell(grid(), row, col); }
    void typeName(const QString& text) const { retype(inp(), text); }
    void menu(const char* name) const { frm->menuItem(QString::fromLatin1(name))->trigger(); }
    void boxes(const QString& from, const QString& to) const
    {
        frm->AdrStartTxt()->setText(from);
        frm->AdrEndTxt()->setText(to);
    }
    // Clicks the line's symbol and lets `answer` handle the chooser once it shows.
    void chooseSymbol(int row, std::function<void(MagSymFrm&)> answer) const
    {
        QObject::connect(
            frm, &GridEditor::columnDialogShown, frm,
            [answer](QDialog* dialog) { answer(*qobject_cast<MagSymFrm*>(dialog)); },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        click(row, grid()->Cols() - 1);
    }

    RangeKind kind;
    RangeRecordTable& table;
    RangeRecordEditor* frm = nullptr;
};

} // namespace kx2::test
