// The driver's main flow.
#include "driver_flow.hpp"

#include "aritunit.hpp"
#include "platform/console.hpp"
#include "valos.hpp"

namespace driver {

namespace console = platform::console;

VALOSSZAM X;
platform::int16 ITERSZAM;
platform::int16 PONT;
platform::word16 SS1, SS2;

int FOPROGRAM(GYOK2_MODSZER NEWTON, GYOK2_MODSZER PELL) {
  aritunit::INICIALIZALAS();
  raciona5::INICIALIZALAS();

  console::clear_screen();
  valos::KONSTANSLETREHOZAS();
  console::write_line("Gyök-2 közelítés Newton-módszerrel:");
  NEWTON(X);
  console::write_line();
  valos::KIIR(X, 72);
  valos::ITERSZAM_KIIR(ITERSZAM);
  console::write_line();
  console::write_line("Gyök-2 közelítés Pell-egyenlettel:");
  PELL(X);
  console::write_line();
  valos::KIIR(X, 72);
  valos::ITERSZAM_KIIR(ITERSZAM);
  console::write_line();
  console::read_key();
  return 0;
}

}  // namespace driver
