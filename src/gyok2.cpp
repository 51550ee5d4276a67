// GYOK2: the square root of 2 by Newton's method and by the Pell equation,
// and the conversion of a fraction to the driver's decimal real number.
//
// Why the printed digits are right. For any x > 0 the numbers x and 2/x lie on
// either side of the square root of 2, since their product is 2 and the root
// is irrational. Truncating to a fixed number of decimals is monotone, so when
// x and 2/x truncate to the same integer part and the same 73 digits, the root
// truncates to them too. Both methods stop at the first approximation for
// which that holds (BIZTOS_E), whatever rounding happened on the way. They
// stop at all because the gap between x and 2/x shrinks to 0 and the root,
// being irrational, does not sit on a truncation boundary.
#include "gyok2.hpp"

#include "driver_flow.hpp"
#include "valos.hpp"

namespace gyok2 {

using namespace aritunit;
using raciona5::EGESZBOL_TORT;
using raciona5::EGYENLO;
using raciona5::TORTOSSZEAD;

void TORTBOL_VALOS(const TORT& RAC, int HOSSZ, VALOSSZAM& VALOS) {
  const int UTOLSO = static_cast<int>(platform::checked_index<0, MAXPONTOSSAG>(HOSSZ));
  const ELOJELTIPUS ELOJEL = RAC.SZAMLALO.ELOJEL == NEG && !NULLA_E(RAC.SZAMLALO) ? NEG : POZ;
  EGESZSZAM TIZ;
  valos::KONV_STRINGEGESZ(TIZ, "10");

  // The integer part, and the remainder that the digits come from. The
  // remainder keeps the numerator's sign, so every digit quotient below has
  // that sign too and its one digit is the digit of the magnitude.
  EGESZSZAM MARADEK;
  OSZT(RAC.SZAMLALO, RAC.NEVEZO, VALOS.EGESZ, MARADEK);
  VALOS.EGESZ.ELOJEL = ELOJEL;

  // Long division: digit K is (10 * remainder) div NEVEZO, which is below 10
  // because the remainder is below NEVEZO in magnitude.
  VALOS.TORT = NULLA;
  VALOS.TORT.HOSSZ = UTOLSO;
  VALOS.TORT.ELOJEL = ELOJEL;
  EGESZSZAM TIZSZERES, JEGY;
  for (int K = 0; K <= UTOLSO; ++K) {
    SZOROZ(MARADEK, TIZ, TIZSZERES);
    OSZT(TIZSZERES, RAC.NEVEZO, JEGY, MARADEK);
    VALOS.TORT.JEGY[K] = JEGY.JEGY[0];
  }
}

bool BIZTOS_E(const EGESZSZAM& P, const EGESZSZAM& Q, int HOSSZ, VALOSSZAM& VALOS) {
  TORT T;
  EGESZBOL_TORT(P, Q, T);
  TORTBOL_VALOS(T, HOSSZ, VALOS);

  EGESZSZAM KETQ = Q;
  OSSZEAD(KETQ, KETQ, KETQ);
  EGESZBOL_TORT(KETQ, P, T);
  VALOSSZAM MASIK;
  TORTBOL_VALOS(T, HOSSZ, MASIK);

  return EGYENLO(VALOS.EGESZ, MASIK.EGESZ) && EGYENLO(VALOS.TORT, MASIK.TORT);
}

void NEWTON_LEPES(TORT& XT) {
  TORT FELE;  // XT / 2
  FELE.SZAMLALO = XT.SZAMLALO;
  OSSZEAD(XT.NEVEZO, XT.NEVEZO, FELE.NEVEZO);
  const TORT RECIPROK{XT.NEVEZO, XT.SZAMLALO};  // 1 / XT
  TORTOSSZEAD(FELE, RECIPROK, XT);

  // A numerator p of 256 digits (the larger side, as XT is above 1 from the
  // first step on) would let the next step's 2q, and its cross product sum
  // p^2 + 2q^2, reach R^256 and R^512, past what the integer addition and
  // TORTOSSZEAD hold. Dropping one digit on both sides keeps p and q below
  // R^255; the ratio moves by a relative R^-254 at most, and the next step's
  // error, about the square of this one, does not carry it along.
  if (XT.SZAMLALO.HOSSZ == MAXPONTOSSAG || XT.NEVEZO.HOSSZ == MAXPONTOSSAG) {
    EGESZSZAM ALAP = NULLA;  // the radix itself, written 10
    ALAP.SZAMRENDSZER = XT.SZAMLALO.SZAMRENDSZER;
    ALAP.HOSSZ = 1;
    ALAP.JEGY[1] = 1;
    EGESZSZAM HANYADOS, MARADEK;
    OSZT(XT.SZAMLALO, ALAP, HANYADOS, MARADEK);
    XT.SZAMLALO = HANYADOS;
    OSZT(XT.NEVEZO, ALAP, HANYADOS, MARADEK);
    XT.NEVEZO = HANYADOS;
  }
}

void PELL_LEPES(EGESZSZAM& PX, EGESZSZAM& PY) {
  EGESZSZAM T1, T2, UJX;
  SZOROZ(valos::HAROM, PX, T1);
  SZOROZ(valos::NEGY, PY, T2);
  OSSZEAD(T1, T2, UJX);
  SZOROZ(KETTO, PX, T1);
  SZOROZ(valos::HAROM, PY, T2);
  OSSZEAD(T1, T2, PY);
  PX = UJX;
}

// Newton's error squares with every step: x' - r = (x - r)^2 / (2x) for the
// root r, and x' >= r, as x' is the arithmetic mean of x and 2/x, whose
// geometric mean is r. From 1 the iterates are 3/2, 17/12, 577/408,
// 665857/470832, ... with x - r about 2e-6 after 3 steps, 3e-49 after 6 and
// 3e-98 after 7, so the gap x - 2/x, about 2(x - r), passes below the 73rd
// digit at the 7th step: 7 steps, the quadratic count. The 7th iterate has 49
// digits; the fractions outgrow 256 digits only from the 10th step on.
void GYOK2_NEWTON(VALOSSZAM& VX) {
  TORT XT = raciona5::EGYTORT;
  driver::ITERSZAM = 0;
  while (!BIZTOS_E(XT.SZAMLALO, XT.NEVEZO, KIIRHOSSZ, VX)) {
    NEWTON_LEPES(XT);
    driver::ITERSZAM += 1;
  }
}

// On a solution of x^2 - 2y^2 = 1 the gap is x/y - 2y/x = 1/(xy). Each step
// multiplies x and y by about 3 + 2r = 5.83, so the gap shrinks by about
// (3 + 2r)^2 = 33.97 per step, 1.53 digits: 73 digits take 48 steps from
// (3, 2), the linear count. The values stay below 40 digits.
void GYOK2_PELL(VALOSSZAM& VX) {
  EGESZSZAM PX = valos::HAROM;
  EGESZSZAM PY = KETTO;
  driver::ITERSZAM = 0;
  while (!BIZTOS_E(PX, PY, KIIRHOSSZ, VX)) {
    PELL_LEPES(PX, PY);
    driver::ITERSZAM += 1;
  }
}

}  // namespace gyok2
