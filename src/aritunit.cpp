// ARITUNIT: number representation, module state, and the arithmetic. The
// digit-level workers come first, the signed operations on top of them.
#include "aritunit.hpp"

#include "aritunit_private.hpp"
#include "platform/console.hpp"

namespace aritunit {

platform::int16 PONTOSSAG;
EGESZSZAM NULLA;
EGESZSZAM EGY;
EGESZSZAM KETTO;
platform::int16 PLUSZ;
platform::int16 SZOR;
bool TULCSORDULT;
SZAMRENDSZERTIPUS SZAMRENDSZER;

// ---------------------------------------------------------------------------
// Module state and small helpers

void INICIALIZALAS() {
  PONTOSSAG = 200;
  NULLA = EGESZSZAM{};
  for (int I = 0; I <= MAXPONTOSSAG; ++I) NULLA.JEGY[I] = 0;
  NULLA.HOSSZ = 0;
  NULLA.ELOJEL = POZ;
  NULLA.SZAMRENDSZER = 10;
  EGY = NULLA;
  EGY.JEGY[0] = 1;
  KETTO = NULLA;
  KETTO.JEGY[0] = 2;
  TULCSORDULT = false;
  // Back to the zero start values, so that a second start-up (as tests do)
  // leaves the same state as the first.
  PLUSZ = 0;
  SZOR = 0;
  SZAMRENDSZER = SZAMRENDSZERTIPUS{};
}

int MAX(int X, int Y) { return X > Y ? X : Y; }

int MIN(int X, int Y) { return X < Y ? X : Y; }

bool NULLA_E(const EGESZSZAM& X) {
  int I = 0;
  while (I <= X.HOSSZ && X.JEGY[I] == 0) ++I;
  return I > X.HOSSZ;
}

void HOSSZALLITAS(EGESZSZAM& X, int HONNAN) {
  int D = HONNAN < MAXPONTOSSAG ? HONNAN : MAXPONTOSSAG;
  while (D > 0 && X.JEGY[D] == 0) --D;
  X.HOSSZ = D;
}

void TULCSORDULAS() { TULCSORDULT = true; }

void SZAMRENDSZER_HIBA(int SZ1, int SZ2) {
  namespace console = platform::console;
  console::write("Kulonbozo szamrendszerek:");
  console::write_int(SZ1, 3);
  console::write_int(SZ2, 3);
  console::write_line();
}

}  // namespace aritunit
