// Trips one run-time check, chosen by the first argument, so that tests can
// look at the error report and the exit status from outside the process.
#include <cstring>
#include <cstdio>

#include "aritunit.hpp"
#include "platform/runtime.hpp"

int main(int argc, char** argv) {
  using namespace aritunit;
  const char* what = argc > 1 ? argv[1] : "";
  EGESZSZAM x{};
  volatile int big = 300;
  if (std::strcmp(what, "digit") == 0) x.JEGY[0] = big;          // 201: digit above 255
  if (std::strcmp(what, "index") == 0) x.JEGY[big - 43] = 1;     // 201: position 257
  if (std::strcmp(what, "radix") == 0) x.SZAMRENDSZER = big - 299;  // 201: radix 1
  if (std::strcmp(what, "hossz") == 0) x.HOSSZ = big - 301;      // 201: HOSSZ -1
  if (std::strcmp(what, "overflow") == 0) {
    platform::int16 n = 32767;
    n += big - 299;  // 215: past 32,767
  }
  std::printf("no error\n");
  return 0;
}
