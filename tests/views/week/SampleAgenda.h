// A busy week (Chuseok 2009) as someone's agenda, for renders and benchmarks.
#pragma once

#include <string>

#include "tests/views/week/FakeWeekHost.h"

// Fills the host's items and anniversaries (the built-in holidays, installed
// into `folder`, and a birthday). Today should be 30 September 2009.
void FillSampleAgenda(FakeWeekHost& host, const std::string& folder);
