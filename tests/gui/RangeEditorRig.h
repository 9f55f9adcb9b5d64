#pragma once
// The accessory and feedback editors as a user handles them: clicks, typing and menus on the
// real widgets, and the symbol chooser answered from inside the editor's wait.
#include "LokdatenRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "accessory/gui/MagSymFrm.h"
#include "feedback/gui/RMDatenFrm.h"

#include <QAction>

namespace kx2::test {

// What tells the two editors apart in a test.
struct RangeKind {
    const char* name;
    bool accessories;
    int line1; // grid column of name line 1
};
inline const RangeKind kAccessories{"accessories", true, 2};
inline const RangeKind kFeedback{"feedback", false, 1};

struct RangeHands {
    RangeRecordEditor* frm = nullptr;

    FlexGrid* grid() const { return frm->grid(); }
    QLineEdit* inp() const { return frm->InpText(); }
    void click(int row, int col) const
    {
        const QModelIndex index = grid()->model()->index(row - 1, col);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    void typeName(const QString& text) const
    {
        inp()->selectAll();
        QTest::keyClick(inp(), Qt::Key_Delete);
        typeText(inp(), text);
    }
    void nameKey(int key, Qt::KeyboardModifiers mods = {}) const { QTest::keyClick(inp(), Qt::Key(key), mods); }
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
};

} // namespace kx2::test
