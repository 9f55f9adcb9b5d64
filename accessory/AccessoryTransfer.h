#pragma once
#include "records/RangeTransfer.h"

namespace kx2 {

class AccessoryTable;

// Reading and sending the accessory records of an address range, and their data formats.
class AccessoryTransfer : public RangeTransfer {
public:
    AccessoryTransfer(DatabaseContext& ctx, AccessoryTable& table, const AddressRange& range);

    ReadOutcome ReadAccessoryDatabase() { return read(); }
    SendOutcome SendAccessoryDatabase() { return send(); }
    int ReadAccessoryFormats();
    // The step text while the data format of `address` is written.
    static QString formatWriteStep(int address);

protected:
    bool pending(int a) const override;
    void markForReplacement(int a) override;
    bool afterRecordsRead(TransferSession& s) override;
    bool afterRecordsWritten(TransferSession& s) override;
    void planOwnWrites() override;
    void planOwnReads() override;
    void settle(int a) override;
    double closePause() const override { return 0; }

private:
    bool formatToWrite(int a) const;
    int formatsToWrite() const;
    static QString formatUnit();
    AccessoryTable& m_accessories;
};

} // namespace kx2
