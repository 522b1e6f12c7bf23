// The least a Qt 6 program can do to put a 400 x 300 window on screen: the yardstick for the panel's
// start-up, memory and idle CPU.
#include "BareWindow.h"

int main(int argc, char** argv) {
  return yunuri::bench::runBareWindow(argc, argv);
}
