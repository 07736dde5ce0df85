#pragma once

namespace velto {

// Makes the process sound whatever started it: standard descriptors open (on
// the null device where closed), a home folder known, relative XDG base
// folders ignored, a write to a dead pipe or past the file size limit failing
// instead of killing, requests to terminate caught. Call first thing in main.
void prepareProcess();

} // namespace velto
