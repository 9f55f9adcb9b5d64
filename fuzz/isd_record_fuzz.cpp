// Arbitrary bytes as a single locomotive record file ("einen Datensatz laden"): read on its own
// (the record must survive a save and a load) and through loadLocoRecord into a table that already
// holds locomotives, with the user cancelling every question. The load may change one slot at
// most, the first empty one.
#include "FuzzSupport.h"
#include "loco/LocoFiles.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

using namespace kx2;

namespace {

class CancellingDialogs : public UserDialogs {
public:
    MsgAnswer showMessage(const QString&, MsgButtons buttons, MsgIcon, const QString&, MsgAnswer) override
    {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

class OneFile : public FileDialog {
public:
    QString name;
    QString openFileName(const QString&, const QString&, const QString&) override { return name; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return name; }
};

// Three locomotives in slots 0..2 (addresses 3, 4, 5), slot 3 and later empty.
LocoTable startingTable()
{
    LocoTable t;
    t.markAllForDeviceRead();
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col < LocoTable::RecordBytes; ++col)
            t.set(row, col, 255);
    for (int i = 0; i < 3; ++i) {
        t.createRecord(i, 3 + i, QStringLiteral("Lok %1").arg(i));
        t.setStatus(i, LocoTable::StatusUnchanged);
    }
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    static fuzz::MemoryFile again;
    static const LocoTable start = startingTable();
    file.set(data, size);

    LocoRow row;
    const IsdLoadResult r = readLocoRecordFile(file.path(), row);
    if (r.ok()) {
        LocoTable t;
        for (int col = 0; col < LocoTable::Cols; ++col) {
            fuzz::check(locoCellFits(col, row[size_t(col)]));
            t.set(7, col, row[size_t(col)]);
        }
        const IsdWriter w = locoRecordFile(t, 7);
        fuzz::check(w.lineCount() == LocoRecordFileLines);
        again.set(w.data());
        LocoRow back;
        fuzz::check(readLocoRecordFile(again.path(), back).ok());
        fuzz::check(back == row);
    }

    LocoTable table = start;
    StoredSerial serial;
    CancellingDialogs dialogs;
    OneFile files;
    files.name = file.path();
    Settings settings;
    LocoFileContext ctx{table, serial, dialogs, files, settings, {}};
    loadLocoRecord(ctx);
    for (int i = 0; i < LocoTable::Rows; ++i) {
        if (i == 3)
            continue;
        for (int col = 0; col < LocoTable::Cols; ++col)
            fuzz::check(table.cell(i, col) == start.cell(i, col));
    }
    fuzz::check(serial == StoredSerial());
    return 0;
}
