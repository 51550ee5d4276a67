// The driver's real-number printing and its table of constants.
#include "valos.hpp"

#include "platform/console.hpp"

namespace valos {

namespace console = platform::console;
using namespace aritunit;

EGESZSZAM HAT, HUSZONNEGY, NYOLC, NEGY, OTVENHET, KETSZAZHARMINCKILENC, HUSZ, HET, HAROM, HETVENKILENC;
TORT HATTORT, NEGYTORT, HAROMTORT, HUSZONNEGYTORT, OTVENHETED, NYOLCTORT, NYOLCAD, KETSZAZHARMINCKILENCED,
    HETED, HUSZTORT, HAROMHETVENKILENCED;

void KONV_STRINGEGESZ(EGESZSZAM& X, std::string_view SZAM) {
  X = NULLA;
  X.ELOJEL = POZ;
  X.SZAMRENDSZER = 10;
  // A literal holds 1 to 255 characters; an empty or a longer one is a range
  // violation.
  X.HOSSZ = platform::checked_index<1, MAXPONTOSSAG>(static_cast<long>(SZAM.size())) - 1;
  for (int I = 0; I <= X.HOSSZ; ++I) {
    char c = SZAM[static_cast<std::size_t>(I)];
    X.JEGY[X.HOSSZ - I] = (c >= '0' && c <= '9') ? c - '0' : 0;
  }
}

void KONSTANSLETREHOZAS() {
  using raciona5::EGESZBOL_TORT;
  KONV_STRINGEGESZ(HAT, "6");
  EGESZBOL_TORT(HAT, EGY, HATTORT);
  KONV_STRINGEGESZ(HUSZONNEGY, "24");
  EGESZBOL_TORT(HUSZONNEGY, EGY, HUSZONNEGYTORT);
  KONV_STRINGEGESZ(NYOLC, "8");
  EGESZBOL_TORT(NYOLC, EGY, NYOLCTORT);
  EGESZBOL_TORT(EGY, NYOLC, NYOLCAD);
  KONV_STRINGEGESZ(NEGY, "4");
  EGESZBOL_TORT(NEGY, EGY, NEGYTORT);
  KONV_STRINGEGESZ(OTVENHET, "57");
  EGESZBOL_TORT(EGY, OTVENHET, OTVENHETED);
  KONV_STRINGEGESZ(KETSZAZHARMINCKILENC, "239");
  EGESZBOL_TORT(EGY, KETSZAZHARMINCKILENC, KETSZAZHARMINCKILENCED);
  KONV_STRINGEGESZ(HET, "7");
  EGESZBOL_TORT(EGY, HET, HETED);
  KONV_STRINGEGESZ(HAROM, "3");
  EGESZBOL_TORT(HAROM, EGY, HAROMTORT);
  KONV_STRINGEGESZ(HETVENKILENC, "79");
  EGESZBOL_TORT(HAROM, HETVENKILENC, HAROMHETVENKILENCED);
  KONV_STRINGEGESZ(HUSZ, "20");
  EGESZBOL_TORT(HUSZ, EGY, HUSZTORT);
  raciona5::TORTOSSZEAD(raciona5::KETTOTORT, raciona5::KETTOTORT, NEGYTORT);  // 2/1 + 2/1 = 4/1
}

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
