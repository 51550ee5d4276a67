// RACIONA5: fraction constants, construction, equality, gcd, the cut to single
// length, double-length multiplication and fraction addition.
#include "raciona5.hpp"

namespace raciona5 {

using namespace aritunit;

TORT NULLATORT;
TORT FEL;
TORT EGYTORT;
TORT KETTOTORT;
bool KEREKITES;

void INICIALIZALAS() {
  KEREKITES = false;
  EGESZBOL_TORT(NULLA, EGY, NULLATORT);
  EGESZBOL_TORT(EGY, KETTO, FEL);
  EGESZBOL_TORT(EGY, EGY, EGYTORT);
  EGESZBOL_TORT(KETTO, EGY, KETTOTORT);
}

void EGESZBOL_TORT(const EGESZSZAM& SZAMLALO, const EGESZSZAM& NEVEZO, TORT& RAC) {
  RAC.SZAMLALO = SZAMLALO;
  RAC.NEVEZO = NEVEZO;
}

}  // namespace raciona5
