// A small program for checking the Wine runner itself: "exit N" ends with
// code N, "crash" dereferences a null pointer.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "exit") == 0) {
    std::printf("exiting with %s\n", argv[2]);
    return std::atoi(argv[2]);
  }
  if (argc >= 2 && std::strcmp(argv[1], "crash") == 0) {
    std::printf("about to crash\n");
    std::fflush(stdout);
    volatile int* volatile p = nullptr;
    return *p;
  }
  return 0;
}
