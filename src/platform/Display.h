#pragma once

#include <QApplication>

#include <memory>

namespace velto {

// Creates the application on the user's display. Where no display is named,
// or the one named cannot be opened (a server gone, a refused
// authorisation, a name that means nothing), it says so in one line on
// standard error and returns nothing, and the caller ends with status 1.
// Qt's own messages from making the connection are held back until it is
// made, then passed on. A scale factor or font DPI set in the environment
// that cannot give a usable window is set aside, with one line on standard
// error. `argc` and `argv` must outlive the application.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

// Ends the application once its event loop has ended and the program's own
// work is done, and returns `status` for main to return.
int closeApplication(std::unique_ptr<QApplication> app, int status);

namespace display {

// Each system's half: whether any display is named at all, and which
// platform to try first (returns whether it chose one, so that the choice
// is not handed on to the programs the application starts).
bool named();
bool choosePlatform(int argc, char** argv);

} // namespace display

} // namespace velto
