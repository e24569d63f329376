// Command bar buttons of the dialogs (used when soft keys are off), their
// texts taken from the string table.
#pragma once

#include <vector>

#include "platform/shell/CommandBar.h"

CommandBarButton TextButton(int commandId, int stringId);

// "저장" (1) and "취소" (2).
std::vector<CommandBarButton> SaveCancelButtons();
// "확인" (1) and "취소" (2).
std::vector<CommandBarButton> OkCancelButtons();
