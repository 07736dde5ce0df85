#pragma once

namespace velto {

// Makes the process sound whatever started it, before it opens anything of
// its own: the standard descriptors 0 to 2 are open (on the null device
// where they were closed), a home folder is known (from the user database
// where HOME is unset), relative base folders (XDG_CONFIG_HOME and the
// like) are ignored, a write to a pipe nobody reads or past the file size
// limit fails instead of killing the process, and requests to terminate are
// caught. Call first thing in main.
void prepareProcess();

} // namespace velto
