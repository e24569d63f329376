#include "resources/DialogCommands.h"

#include "resources/CommandIds.h"
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
