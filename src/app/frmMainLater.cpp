// Menu and toolbar commands that open the program's other dialogs and views.
#include "app/frmMain.h"

