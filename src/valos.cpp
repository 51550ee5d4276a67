// The driver's real-number printing and its table of constants.
#include "valos.hpp"

#include "platform/console.hpp"

namespace valos {

namespace console = platform::console;
using namespace aritunit;

void KIIR(VALOSSZAM VALOS, int HOSSZ) {
  console::write_int(VALOS.EGESZ.JEGY[0], 1);
  if (!NULLA_E(VALOS.TORT)) {
    console::write(".");
    HOSSZ = MIN(VALOS.TORT.HOSSZ, HOSSZ);
    for (int K = 0; K <= HOSSZ; ++K) console::write_int(VALOS.TORT.JEGY[K], 1);
  }
  console::write_line();
}

void ITERSZAM_KIIR(int ITERSZAM) {
  console::write(" Iterációszám:");
  console::write_int(ITERSZAM, 4);
  console::write_line();
}

}  // namespace valos
