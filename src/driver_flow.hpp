// The driver's main flow, shared by the programs that approximate the square
// root of 2: start-up, the constant table, one printed block per method, and
// the final key press.
#pragma once

#include "platform/runtime.hpp"
#include "raciona5.hpp"

namespace driver {

using raciona5::VALOSSZAM;

// A method: leaves its approximation in VX and its iteration count in ITERSZAM.
using GYOK2_MODSZER = void (*)(VALOSSZAM& VX);

extern VALOSSZAM X;               // the approximation both methods receive
extern platform::int16 ITERSZAM;  // iteration count of the latest method
extern platform::int16 PONT;      // declared for the methods' use
extern platform::word16 SS1, SS2;

// Starts the modules, clears the console, builds the constant table, runs
// NEWTON then PELL on X (printing X and ITERSZAM after each), waits for a key.
// Returns the program's exit status, 0.
int FOPROGRAM(GYOK2_MODSZER NEWTON, GYOK2_MODSZER PELL);

}  // namespace driver
