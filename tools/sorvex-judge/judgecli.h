#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sorvex {

// The sorvex-judge command: arguments without the program name. Writes UTF-8
// to out and err and returns the exit status (0 done, 2 bad usage).
int runJudgeCli(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

} // namespace sorvex
