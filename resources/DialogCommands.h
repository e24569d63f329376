// Command bar buttons of the dialogs (used when soft keys are off), their
// texts taken from the string table.
#pragma once

#include <vector>

#include "platform/shell/CommandBar.h"

class CDeviceDialog;

CommandBarButton TextButton(int commandId, int stringId);

// "저장" (1) and "취소" (2).
std::vector<CommandBarButton> SaveCancelButtons();
// "확인" (1) and "취소" (2).
std::vector<CommandBarButton> OkCancelButtons();

// The dialog's command surface: menu 224 "저장" / "취소" or menu 257
// "확인" / "취소" as soft keys, else the same as command bar buttons.
void SetSaveCancelCommands(CDeviceDialog& dialog, bool useSoftKey);
void SetOkCancelCommands(CDeviceDialog& dialog, bool useSoftKey);
