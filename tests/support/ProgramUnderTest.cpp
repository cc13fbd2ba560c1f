// The program as the end-to-end tests run it: every line of the real one
// (kivo::runMain), with the single-instance guard in a folder of the test's.

#include "app/program/RunMain.h"
#include "tests/support/PrivateGuard.h"

int main(int argc, char* argv[]) {
    kivo::testing::installPrivateGuard();
    return kivo::runMain(argc, argv);
}
