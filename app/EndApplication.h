#pragma once

// Closes every open window once, each through its own unload handler, then
// stops the event loop so the program exits with status 0. Safe to enter
// again from an unload handler it triggered: only the first call acts.
// Called before the event loop runs, it only marks the program as ending;
// the start-up routine then returns at once.
void EndApplication();

// True once EndApplication has been entered.
bool applicationIsEnding();
