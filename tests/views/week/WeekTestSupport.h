// What the week view tests share: the view test support and the frame stand-in.
#pragma once

#include "tests/views/ViewTestSupport.h"
#include "tests/views/week/FakeWeekHost.h"
