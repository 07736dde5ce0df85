#pragma once

#include <QDate>

namespace velto {

class frmMain;

// The start-up sequence: single-instance guard, random seed, update
// reminder, main window, promotional label. Returns the main window, or
// nullptr when another copy runs (the process is then ending).
frmMain* StartUp();

// Reminds the user to look for an update when 15 days or more lie between
// today and the date stored in "Duration" (either way).
void UpdateReminder();

// Brings one of the two promotional labels of the main window to the front.
void CoBrand_Randomize(frmMain& main);

// The last number CoBrand_Randomize drew, 1 to 6.
int intCoBrandRandomNumber();

} // namespace velto
