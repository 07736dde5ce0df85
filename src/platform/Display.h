#pragma once

#include <QApplication>

#include <memory>

namespace velto {

// Creates the application on the user's display. Where none is named, or
// the one named cannot be opened, it says so in one line on standard error
// and returns nothing (the caller ends with status 1). A scale factor or font
// DPI that cannot give a usable window is set aside, with one line on
// standard error. `argc` and `argv` must outlive the application.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

// Ends the application after its event loop, and returns `status`.
int closeApplication(std::unique_ptr<QApplication> app, int status);

namespace display {

// Each system's half: whether any display is named, and which platform to
// try first (true when it chose one, which is then not handed on to the
// programs the application starts).
bool named();
bool choosePlatform(int argc, char** argv);

} // namespace display

} // namespace velto
