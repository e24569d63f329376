#include "resources/DialogCommands.h"

#include "platform/shell/DeviceDialog.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"

CommandBarButton TextButton(int commandId, int stringId)
{
    return CommandBarButton(commandId, LoadString(stringId));
}

std::vector<CommandBarButton> SaveCancelButtons()
{
    return {TextButton(ID_DIALOG_OK, IDS_KEY_SAVE), TextButton(ID_DIALOG_CANCEL, IDS_KEY_CANCEL)};
}

std::vector<CommandBarButton> OkCancelButtons()
{
    return {TextButton(ID_DIALOG_OK, IDS_KEY_OK), TextButton(ID_DIALOG_CANCEL, IDS_KEY_CANCEL)};
}

void SetSaveCancelCommands(CDeviceDialog& dialog, bool useSoftKey)
{
    dialog.SetCommands(useSoftKey, LoadMenu(IDR_SAVE_CANCEL), SaveCancelButtons());
}

void SetOkCancelCommands(CDeviceDialog& dialog, bool useSoftKey)
{
    dialog.SetCommands(useSoftKey, LoadMenu(IDR_OK_CANCEL), OkCancelButtons());
}
