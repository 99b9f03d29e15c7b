// hearthline: the desktop program.
#include "app/application.h"

int main(int argc, char** argv) { return hl::RunDesktopProgram(argc, argv); }
