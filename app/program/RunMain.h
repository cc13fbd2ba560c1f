#pragma once
// The program's main() as a function, so that the tests' copy of the program
// (tests/support) runs every line of it and differs only in the platform it
// installs first.

namespace kivo {

// The whole program, from Qt's start to the end; returns the exit status.
int runMain(int argc, char* argv[]);

}  // namespace kivo
