#pragma once

#include <QString>

namespace velto {

// Makes the process sound whatever started it: standard descriptors open (on
// the null device where closed), a home folder known, relative XDG base
// folders ignored, a write to a dead pipe or past the file size limit failing
// instead of killing, requests to terminate caught. Call first thing in main.
// False, said in a line on standard error, where the system allows too few
// descriptors or threads to run the program at all.
bool prepareProcess();

// Whether the system lets the process have the descriptors and threads that
// the program needs at most; raises its own descriptor limit where it may.
bool resourcesToRun();

// Makes an answer on standard output (--help, --version) honest: where the
// output is closed, or the answer cannot be written whole by the time the
// process exits, a line on standard error and status 1, not 0. Call before
// anything opens a descriptor, which would take a closed output's number.
// Windows answers in a message box instead, which needs nothing of this.
void guardStandardOutput();

// A path by its long names, where the file system has 8.3 short ones too.
QString longPathName(const QString& path);

} // namespace velto
