#pragma once
// The program's start-up: the single-instance guard, the main window and the
// choice of the promotional label in front. Kept apart from main() so the
// tests can run it with a recording platform.

class QApplication;
class frmMain;

// The whole run from start to end; returns the process's exit status.
// mainWindowMade, when given, runs as soon as the main window exists.
int runProgram(QApplication& app, void (*mainWindowMade)() = nullptr);

// Wraps the application's style in one that draws exactly the same but reads
// the menu bar's overflow-button icon from its files only when the button is
// first drawn or measured. Every menu bar asks for that icon as it is made,
// and the first picture a program reads loads all of Qt's image-format
// plugins: about 2 million instructions before the first frame for a
// button that a window as wide as ours never shows. Call before the first
// menu bar is made.
void useStyleWithIconsOnDemand();

// A die roll from the platform's random generator: 1 to 6, each equally likely.
int drawBrandRoll();

// Brings lblFullBrand in front for an even roll r, lblCobrand for an odd one.
void chooseBrandLabel(frmMain& window, int r);
