#pragma once
// The program's start-up: the single-instance guard, the main window and the
// choice of the promotional label in front. Kept apart from main() so the
// tests can run it with a recording platform.

class QApplication;
class frmMain;

namespace kivo {

// The whole run from start to end; returns the process's exit status.
// mainWindowMade, when given, runs as soon as the main window exists.
int runProgram(QApplication& app, void (*mainWindowMade)() = nullptr);

// A die roll from the platform's random generator: 1 to 6, each equally likely.
int drawBrandRoll();

// Brings lblFullBrand in front for an even roll r, lblCobrand for an odd one.
void chooseBrandLabel(frmMain& window, int r);

}  // namespace kivo
