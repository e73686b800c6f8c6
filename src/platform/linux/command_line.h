#pragma once
#include <string>
#include <vector>

namespace pultara::linux_x11 {

// Splits a program's command line into the program and its arguments, the
// way a Windows program reads its command line, so that a profile written on
// Windows means the same here:
// - blanks and tabs separate arguments;
// - double quotes group text that contains blanks ("/opt/my player/play" x);
//   a quote may also open in the middle of an argument (--name="a b");
// - inside or outside quotes, 2n backslashes before a quote are n backslashes
//   and the quote groups; 2n+1 backslashes are n backslashes and a literal
//   quote (\" types a quote); backslashes anywhere else are kept as they are
//   (C:\Programs\x stays as written);
// - single quotes group as well, and everything up to the next single quote
//   is taken literally (the shell's habit: 'it is "so"').
// No shell runs: $VARIABLES, ~, globs, pipes and redirections are plain text.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace pultara::linux_x11
