// The exercise done: the same screen as the frame, with the square root of 2
// really computed by Newton's method and by the Pell equation.
#include "driver_flow.hpp"
#include "gyok2.hpp"

int main() { return driver::FOPROGRAM(gyok2::GYOK2_NEWTON, gyok2::GYOK2_PELL); }
