// Colours of the drawing code live with the platform so that views and
// editors share them.
#pragma once

#include "platform/shell/ColorRef.h"
