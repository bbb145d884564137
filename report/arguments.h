// The command line as the report reads it.
#ifndef REPORT_ARGUMENTS_H_
#define REPORT_ARGUMENTS_H_

#include <string>
#include <vector>

/// The program's arguments after its name, in UTF-8 like every path the programs keep: on
/// Windows read from the wide command line, so that a folder or a name with Polish letters
/// arrives whole whatever the ANSI code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

#endif  // REPORT_ARGUMENTS_H_
