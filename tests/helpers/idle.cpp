// A process that only waits, so that a test can have a program of a given
// image name running (it is copied to that name first). It ends when
// killed or after two minutes.
#include <windows.h>

int main() {
  Sleep(120000);
  return 0;
}
