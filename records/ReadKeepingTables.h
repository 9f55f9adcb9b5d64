#pragma once
#include "records/TransferSession.h"

#include <functional>
#include <tuple>

namespace kx2 {

struct DatabaseContext;

// A read started from a window: when it stops early (failed or cancelled, after its box) the
// tables are put back as they were before it, the command station they came from with them,
// unless the user keeps the records read so far. That is asked only when something was read, and
// No (the earlier table back) is the default, so that Enter destroys nothing.
// `restore` puts back what the read changed.
ReadOutcome readOrRestore(DatabaseContext& ctx, const std::function<ReadOutcome()>& read,
                          const std::function<void()>& restore);

// The same for tables (and values such as a range) that are copied before the read and copied back.
template <class... Tables>
ReadOutcome readKeepingTables(DatabaseContext& ctx, const std::function<ReadOutcome()>& read, Tables&... tables)
{
    const std::tuple<Tables...> before{tables...};
    return readOrRestore(ctx, read, [&tables..., &before] { std::tie(tables...) = before; });
}

} // namespace kx2
