#include "app/program/RunMain.h"

int main(int argc, char* argv[]) { return kivo::runMain(argc, argv); }
