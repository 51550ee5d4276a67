// The driver: starts the modules, clears the console, builds the constant
// table, prints the approximation of the square root of 2 that each method
// leaves, with its iteration count, and waits for a key.
#include "aritunit.hpp"
#include "platform/console.hpp"
#include "platform/runtime.hpp"
#include "raciona5.hpp"
#include "valos.hpp"

namespace {

namespace console = platform::console;
using raciona5::VALOSSZAM;

VALOSSZAM X;               // the approximation both methods receive
platform::int16 ITERSZAM;  // iteration count of the latest method
[[maybe_unused]] platform::int16 PONT;  // declared for the methods; unused so far
[[maybe_unused]] platform::word16 SS1, SS2;

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

int main() {
  aritunit::INICIALIZALAS();
  raciona5::INICIALIZALAS();

  console::clear_screen();
  console::write_line("Gyök-2 közelítés Newton-módszerrel:");
  GYOK2_NEWTON(X);
  console::write_line();
  valos::KIIR(X, 72);
  valos::ITERSZAM_KIIR(ITERSZAM);
  console::write_line();
  console::write_line("Gyök-2 közelítés Pell-egyenlettel:");
  GYOK2_PELL(X);
  console::write_line();
  valos::KIIR(X, 72);
  valos::ITERSZAM_KIIR(ITERSZAM);
  console::write_line();
  console::read_key();
  return 0;
}
