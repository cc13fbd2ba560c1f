#pragma once
// The way from closing the main window to the exit promotion window.

class frmMain;

// Makes the main window's unload open the exit promotion window.
void connectShutdown(frmMain& window);

// What the main window's unload does: shows the exit promotion window, unless
// the program is already ending, when no new window may appear.
void mainWindowUnloading();
