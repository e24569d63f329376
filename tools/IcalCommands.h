// dayvane-cli import FILE.ics and export FILE.ics.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
