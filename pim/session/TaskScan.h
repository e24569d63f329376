// The scan of the task database that the week view and the Today task item
// share: each record's dates first, the rest only for the tasks taken.
#pragma once

#include <functional>
#include <vector>

#include "pim/session/ItemModel.h"
#include "platform/store/PimDatabase.h"

// Every task `take` accepts (given the Oid and the dates), in database order,
// from the first record until a read fails.
std::vector<TaskRecord> ScanTaskDatabase(CEDBHANDLE db, const std::function<bool(const TaskRecord&)>& take);
