#pragma once

// The shell: the composition root. It runs start-up and close-all, creates
// the windows when they are first needed and connects them; it uses every
// floor below it, and is the only code that knows more than one window.

class QWidget;

namespace velto {

class frmExitScreen;
class frmMain;

// The start-up sequence: single-instance guard, random seed, update
// reminder, main window, promotional label. Returns the main window, or
// nullptr when the process is ending instead (another copy runs, or a
// request to terminate came during the reminder).
frmMain* StartUp();

// Reminds the user to look for an update when 15 days or more lie between
// today and the date stored in "Duration" (either way).
void UpdateReminder();

// Brings one of the two promotional labels of the main window to the front.
void CoBrand_Randomize(frmMain& main);

// The last number CoBrand_Randomize drew, 1 to 6.
int intCoBrandRandomNumber();

// A new main window, one of ours and connected (see connectMainWindow).
frmMain* createMainWindow();

// Connects a main window to the rest: closing it shows the exit screen
// (unless the program is ending), an import loads the exit screen hidden,
// and its Help menu opens the About window.
void connectMainWindow(frmMain* main);

// The exit screen, loaded hidden first if it is not loaded yet.
frmExitScreen* loadExitScreen();

// The loaded exit screen, or nullptr.
frmExitScreen* loadedExitScreen();

// Help > About Software: shows the About window modal over `owner` and
// returns once it has been closed and destroyed.
void showAbout(QWidget* owner);

} // namespace velto
