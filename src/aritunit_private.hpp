// The integer module's private part: the working radix and the workers under
// the public operations. Only the module itself and its tests include this.
#pragma once

#include "aritunit.hpp"

namespace aritunit {

// Radix of the digit loops: the first operand's radix of the latest public
// operation that reached its digit work (0 until then).
extern SZAMRENDSZERTIPUS SZAMRENDSZER;

// Sets X.HOSSZ to the highest non-zero position at or below min(HONNAN, 255),
// or 0. Changes nothing else.
void HOSSZALLITAS(EGESZSZAM& X, int HONNAN);

// Raises TULCSORDULT.
void TULCSORDULAS();

// Writes "Kulonbozo szamrendszerek:" with SZ1 and SZ2 right-aligned in 3
// columns each, as one console line.
void SZAMRENDSZER_HIBA(int SZ1, int SZ2);

// OSSZEG[0..H+1] := A[0..H] + B[0..H] in the working radix. OSSZEG may be A or
// B. With H = 255 a carry out of position 255 raises TULCSORDULT instead of
// being stored. Does nothing while TULCSORDULT is raised.
void OSSZEADAS(const POZSZAM& A, const POZSZAM& B, POZSZAM& OSSZEG, int H);

// KULONBSEG[0..H] := A[0..H] - B[0..H] in the working radix, the final borrow
// dropped. KULONBSEG may be A or B. Does nothing while TULCSORDULT is raised.
void KIVONAS(const POZSZAM& A, const POZSZAM& B, POZSZAM& KULONBSEG, int H);

// |A| + |B| with the sign of A, into OSSZEG.
void OSSZE(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& OSSZEG);

// |A| - |B| as a signed value, into KULONBSEG.
void KI(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& KULONBSEG);

}  // namespace aritunit
