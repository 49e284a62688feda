#include "run/run.h"

int main(int argc, char** argv) { return zav::Run(argc, argv); }
