#include "support/QtTestMain.h"

int main(int argc, char** argv) { return aerolune::test::runQtTests(argc, argv); }
