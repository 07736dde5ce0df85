// Compiled never: the include check must refuse this file.
#include "../main/frmMain.h"
