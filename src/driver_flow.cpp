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

namespace {

// One method's block: its heading, the method run on X, an empty line, X with
// 73 digits after the point at most, the iteration line and an empty line.
void MODSZER_BLOKK(std::string_view CIM, GYOK2_MODSZER MODSZER) {
  console::write_line(CIM);
  MODSZER(X);
  console::write_line();
  valos::KIIR(X, 72);
  valos::ITERSZAM_KIIR(ITERSZAM);
  console::write_line();
}

}  // namespace

int FOPROGRAM(GYOK2_MODSZER NEWTON, GYOK2_MODSZER PELL) {
  aritunit::INICIALIZALAS();
  raciona5::INICIALIZALAS();

  console::clear_screen();
  valos::KONSTANSLETREHOZAS();
  MODSZER_BLOKK("Gyök-2 közelítés Newton-módszerrel:", NEWTON);
  MODSZER_BLOKK("Gyök-2 közelítés Pell-egyenlettel:", PELL);  // Pell gets X as Newton left it
  console::read_key();
  return 0;
}

}  // namespace driver
