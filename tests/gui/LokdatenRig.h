#pragma once
// The locomotive editor on the simulated command station and virtual time, with scripted
// message boxes and file dialogs, and helpers that click and type on the real widgets.
#include "loco/LocoTable.h"
#include "loco/gui/LokdatenFrm.h"
#include "shell/BrandCaptions.h"
#include "editor/gui/FlexGrid.h"
#include "support/SimRig.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace kx2::test {

// The build folder, where the symbol pictures are drawn (konf/Fkt_Symbole).
inline QString buildFolder()
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absolutePath();
}

// Types text into a widget character by character, umlauts and the euro sign included
// (QTest::keyClicks knows only ASCII).
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const int key = c.isLetterOrNumber() && c.unicode() < 128 ? QChar(c).toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces what a name box holds by typing.
inline void retype(QLineEdit* box, const QString& text)
{
    box->clear();
    typeText(box, text);
}

// Where a cell (grid numbering) lies in the grid's viewport; scrolls it into view first.
inline QPoint cellPos(FlexGrid* grid, int row, int col)
{
    const QModelIndex index = grid->model()->index(row - 1, col - grid->FixedCols());
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

// The line's cell in the current column lies wholly where the grid shows cells.
inline bool inView(FlexGrid* g, int row) { return g->cellArea().contains(g->cellRect(row, g->Col())); }

inline void clickCell(FlexGrid* grid, int row, int col)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPos(grid, row, col));
}

// A click on the fixed address cell of a line.
inline void clickAddress(FlexGrid* grid, int row)
{
    QHeaderView* lines = grid->verticalHeader();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      QPoint(lines->width() / 2, lines->sectionViewportPosition(row - 1) + lines->sectionSize(row - 1) / 2));
}

// A locomotive as a read leaves it: every record byte set, status 0, DCC 28.
inline void putLoco(LocoTable& t, int slot, int address, const QString& name, int speedHalf = 40)
{
    for (int c = 0; c < LocoTable::RecordBytes; ++c)
        t.set(slot, c, (slot * 11 + c * 3) % 200);
    t.set(slot, LocoTable::RecordIdHigh, 0);
    t.setAddress(slot, address);
    t.WriteLokname(slot, name);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        t.set(slot, LocoTable::symbolColumn(f), f % 4 == 0 ? 0 : 1 + (slot + f) % 79);
    t.set(slot, LocoTable::MaxSpeedHalf, speedHalf);
    t.setStatus(slot, LocoTable::StatusUnchanged);
    t.set(slot, LocoTable::FormatCode, 82);
    t.set(slot, LocoTable::FormatParam, 17);
    t.set(slot, LocoTable::FormatPending, 0);
}

class LokdatenRig : public SimRig {
public:
    LokdatenRig()
        : frm(ctx.database, ctx.locoData, buildFolder(), editorDeviceMenuCaptions(QStringLiteral("ZP1"), EditorKind::Loco))
    {
        // As a read of an empty command station leaves the table.
        ctx.loco.markAllForDeviceRead();
        // An input box nobody scripted is cancelled, so that a question asked again and again
        // cannot hold a test forever.
        dialogs.onCall = [this](const FakeDialogs::Call& call) {
            if (call.kind == FakeDialogs::Kind::Input && dialogs.inputs.empty())
                dialogs.inputs.push_back(std::nullopt);
        };
    }

    FlexGrid* grid() const { return frm.LokdatenGrid(); }
    QLineEdit* inp() const { return frm.InpText(); }

    // Shows the editor and builds its grid, as after a read.
    void open()
    {
        ctx.LocoGridLoaded = 0;
        frm.show();
        frm.Form_Activate();
    }
    void click(int row, int col) { clickCell(grid(), row, col); }
    void clickAddress(int row) { test::clickAddress(grid(), row); }
    // Drags with the left button from one cell to another of the same grid.
    void drag(int row, int col, int toRow, int toCol)
    {
        const QPoint from = cellPos(grid(), row, col);
        const QPoint to = grid()->visualRect(grid()->model()->index(toRow - 1, toCol - 1)).center();
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, grid()->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &move);
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, to);
    }
    void gridKey(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(grid(), Qt::Key(key), mods); }
    void nameKey(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(inp(), Qt::Key(key), mods); }
    void typeName(const QString& text) { retype(inp(), text); }

    // Runs `answer` once the next column dialog is shown, from inside the editor's wait.
    void whenDialogShown(std::function<void(QDialog*)> answer)
    {
        QObject::connect(
            &frm, &LokdatenFrm::columnDialogShown, &frm,
            [this, answer](QDialog* dialog) {
                ++dialogsAnswered;
                answer(dialog);
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    }

    LokdatenFrm frm;
    int dialogsAnswered = 0;
};

} // namespace kx2::test
