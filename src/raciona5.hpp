// RACIONA5: fractions of ARITUNIT integers. The sign lives in the numerator,
// the denominator is positive, and fractions are not kept in lowest terms.
// Sums are exact while numerator and denominator fit in 256 digits, and cut
// back to 256 digits (KEREKITES raised) when they do not.
#pragma once

#include "aritunit.hpp"

namespace raciona5 {

using aritunit::EGESZSZAM;

// A fraction: SZAMLALO / NEVEZO.
struct TORT {
  EGESZSZAM SZAMLALO;
  EGESZSZAM NEVEZO;
};

// A real number for printing: the integer part EGESZ (least significant digit
// first) and the digits after the point in TORT, in reading order (TORT.JEGY[0]
// is the first digit after the point, TORT.HOSSZ the index of the last one).
struct VALOSSZAM {
  EGESZSZAM EGESZ;
  EGESZSZAM TORT;
};

// Module state, set by INICIALIZALAS: 0/1, 1/2, 1/1, 2/1 in radix 10, and the
// flag that tells that a sum has been cut to 256 digits since start-up.
extern TORT NULLATORT;
extern TORT FEL;
extern TORT EGYTORT;
extern TORT KETTOTORT;
extern bool KEREKITES;

// Start-up; run after aritunit::INICIALIZALAS.
void INICIALIZALAS();

// RAC := SZAMLALO / NEVEZO, both stored as whole copies, nothing checked.
void EGESZBOL_TORT(const EGESZSZAM& SZAMLALO, const EGESZSZAM& NEVEZO, TORT& RAC);

// True when A and B have the same HOSSZ and the same digits 0..HOSSZ; signs
// and radices are not compared.
bool EGYENLO(const EGESZSZAM& A, const EGESZSZAM& B);

// OSZTO := gcd(A, B) by Euclid's algorithm, A1 := A / OSZTO, B1 := B / OSZTO
// (plain copies of A and B when |OSZTO| is 1). A and B may be one record;
// OSZTO, A1 and B1 are distinct from them and from one another. With
// TULCSORDULT raised on entry it returns at once, leaving all three.
void LNKO(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& OSZTO, EGESZSZAM& A1, EGESZSZAM& B1);

// OSSZEG := A + B over the common denominator, not reduced. Any of the three
// may be one record. A numerator or denominator longer than 256 digits makes
// both lose the same number of low digits and raises KEREKITES. TULCSORDULT is
// clear on return, except when there is no sum to give: a zero denominator, the
// flag raised on entry, or a cut that would leave the denominator no digit
// (then OSSZEG keeps what it held and the flag is raised).
void TORTOSSZEAD(const TORT& A, const TORT& B, TORT& OSSZEG);

}  // namespace raciona5
