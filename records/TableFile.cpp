#include "records/TableFile.h"

#include "records/DatabaseLayout.h"
#include "records/RangeRecordTable.h"
#include "records/StoredSerial.h"
#include "shell/AskFileName.h"
#include "shell/UserDialogs.h"

#include <vector>
#include <QCoreApplication>

namespace kx2 {

namespace {
const QString kIsdExtension = QStringLiteral("ISD");
} // namespace

bool FilePrompt::load(double pauseBefore, const std::function<IsdLoadResult(const QString& path)>& loadFile) const
{
    const QString path = AskFileName(files, settings, 0, kIsdExtension);
    if (path.isEmpty())
        return false;
    if (pause)
        pause(pauseBefore);
    const IsdLoadResult r = loadFile(path);
    showIsdError(dialogs, r.error, r.detail, path);
    return r.ok();
}

bool FilePrompt::save(const IsdWriter& file, double pauseAfter) const
{
    const QString path = AskFileName(files, settings, 1, kIsdExtension);
    if (path.isEmpty())
        return false;
    const QString error = file.saveTo(path);
    if (!error.isEmpty())
        dialogs.messageBox(error, MsgButtons::Ok, MsgIcon::Critical, isdErrorTitle());
    if (pause && pauseAfter > 0)
        pause(pauseAfter);
    return error.isEmpty();
}

void writeSerialLines(IsdWriter& writer, const StoredSerial& serial)
{
    for (int n = StoredSerial::Count; n >= 1; --n)
        writer.writeCell(serial.value(n));
}

bool readSerialLines(IsdReader& reader, StoredSerial& serial)
{
    std::array<std::optional<int>, StoredSerial::Count> v;
    for (auto& x : v)
        if (!reader.readCell(x))
            return false;
    for (int k = 0; k < StoredSerial::Count; ++k)
        serial.set(StoredSerial::Count - k, v[size_t(k)]);
    return true;
}

IsdWriter rangeTableFile(const RangeFileFormat& format, const RecordTable& table, const StoredSerial& serial,
                         const AddressRange& range)
{
    IsdWriter w(format.header);
    writeSerialLines(w, serial);
    w.writeNumber(range.first);
    w.writeNumber(range.last);
    for (int a = range.first; a <= range.last; ++a)
        for (int col = 0; col < format.layout.cols; ++col)
            w.writeCell(table.cell(a, col));
    return w;
}

IsdLoadResult loadRangeTableFile(const QString& path, const RangeFileFormat& format, RangeRecordTable& table,
                                 StoredSerial& serial, AddressRange& range)
{
    IsdReader reader;
    const auto failed = [&reader] { return IsdLoadResult{reader.error(), reader.errorDetail()}; };
    if (reader.open(path, format.header) != IsdError::None)
        return failed();
    StoredSerial loadedSerial;
    if (!readSerialLines(reader, loadedSerial))
        return failed();
    std::optional<int> first;
    std::optional<int> last;
    if (!reader.readCell(first) || !reader.readCell(last))
        return failed();
    const int maxAddress = format.layout.maxAddress();
    const AddressRange loadedRange{first.value_or(0), last.value_or(0)};
    if (!loadedRange.isValidFor(maxAddress)) {
        // The line of the first address when that one is wrong, else the line of the last.
        const bool firstWrong = loadedRange.first < 1 || loadedRange.first > maxAddress;
        reader.fail(QCoreApplication::translate("TableFile", "Adressbereich %1 bis %2 außerhalb von 1..%3")
                        .arg(loadedRange.first)
                        .arg(loadedRange.last)
                        .arg(maxAddress),
                    reader.lineNumber() - (firstWrong ? 1 : 0));
        return failed();
    }
    const int cols = format.layout.cols;
    std::vector<std::optional<int>> cells(size_t(loadedRange.count()) * size_t(cols));
    for (size_t i = 0; i < cells.size(); ++i) {
        if (!reader.readCell(cells[i]))
            return failed();
        const int col = int(i % size_t(cols));
        if (cells[i] && !format.cellFits(col, *cells[i])) {
            reader.fail(
                QCoreApplication::translate("TableFile", "Wert %1 passt nicht in Spalte %2").arg(*cells[i]).arg(col));
            return failed();
        }
    }
    table.station.belongTo(loadedSerial);
    for (int a = loadedRange.first; a <= loadedRange.last; ++a) {
        for (int col = 0; col < cols; ++col)
            table.set(a, col, cells[size_t(a - loadedRange.first) * size_t(cols) + size_t(col)]);
        table.markLoaded(a);
    }
    serial = loadedSerial;
    range = loadedRange;
    return {};
}

} // namespace kx2
