// The frame of the exercise: the two methods only reset the iteration count,
// so the program prints the all-zero X under both headings.
#include "driver_flow.hpp"

namespace {

using driver::ITERSZAM;
using raciona5::VALOSSZAM;

// Square root of 2 by Newton's method. In this frame it only resets the count.
void GYOK2_NEWTON(VALOSSZAM& VX) {
  (void)VX;
  ITERSZAM = 0;
}

// Square root of 2 by the Pell equation. In this frame it only resets the count.
void GYOK2_PELL(VALOSSZAM& VX) {
  (void)VX;
  ITERSZAM = 0;
}

}  // namespace

int main() { return driver::FOPROGRAM(GYOK2_NEWTON, GYOK2_PELL); }
