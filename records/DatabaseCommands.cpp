#include "records/DatabaseCommands.h"

#include "dbproto/DbProtocol.h"
#include "records/DatabaseContext.h"
#include "records/ProgressMeter.h"

namespace kx2 {

namespace {
DataFormat formatOf(const DbProtocol::Format& f)
{
    return {f.result, f.code, f.value};
}
} // namespace

int loadArea(DatabaseContext& ctx, int area)
{
    return ctx.db.DataFlashRead(area);
}

int ReadDatabaseIndex(DatabaseContext& ctx)
{
    // The step text says " Datenbank Index lesen"; the count speaks of the index too.
    ctx.meter.indexStarted();
    return ctx.db.ReadDatabaseIndex();
}

void forgetRecordCounter(DatabaseContext& ctx)
{
    ctx.db.forgetRecordCounter();
}

uint32_t nextRecordNumber(DatabaseContext& ctx)
{
    return ctx.db.nextRecordNumber();
}

DataFormat ReadLocoFormat(DatabaseContext& ctx, int address)
{
    return formatOf(ctx.db.ReadLocoFormat(address));
}

int WriteLocoFormat(DatabaseContext& ctx, int address, int code, int value)
{
    return ctx.db.WriteLocoFormat(address, code, value);
}

DataFormat ReadAccessoryFormat(DatabaseContext& ctx, int address)
{
    return formatOf(ctx.db.ReadAccessoryFormat(address));
}

DataFormat WriteAccessoryFormat(DatabaseContext& ctx, int address, int value)
{
    return formatOf(ctx.db.WriteAccessoryFormat(address, value));
}

} // namespace kx2
