#pragma once

// The shell: the composition root, and the only code that knows more than one
// window. It uses every floor below it.

class QWidget;

namespace velto {

class frmExitScreen;
class frmMain;

// Instance lock, random seed, update reminder, main window, promotional
// label; nullptr instead of the main window when the process is ending
// (another copy runs, or it was asked to end during the reminder).
frmMain* StartUp();

// Offers to look for an update when the date stored in "Duration" lies 15
// days or more from today, either way.
void UpdateReminder();

// Brings one of the main window's two promotional labels to the front.
void CoBrand_Randomize(frmMain& main);

// The last number CoBrand_Randomize drew, 1 to 6.
int intCoBrandRandomNumber();

// A new main window, registered and connected.
frmMain* createMainWindow();

// Closing the main window shows the exit screen (unless the program is
// ending), an import loads the exit screen hidden, Help > About opens About.
void connectMainWindow(frmMain* main);

// The exit screen, loaded hidden first if need be.
frmExitScreen* loadExitScreen();

// The loaded exit screen, or nullptr.
frmExitScreen* loadedExitScreen();

// Shows About modal over `owner`; returns once it is closed and destroyed.
void showAbout(QWidget* owner);

} // namespace velto
