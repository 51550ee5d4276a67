// The fraction module's private part: cutting a double-length fraction to single
// length and the double-length product. Only the module itself and its tests
// include this.
//
// A double-length value is a pair of integers in one radix R, a low half L and a
// high half H, standing for H * R^256 + L (digits 0..255 of L count). Both halves
// carry the value's sign; while H is not zero L has HOSSZ 255 (leading zeros
// counted), otherwise L is in normal form; H is always in normal form.
#pragma once

#include "raciona5.hpp"

namespace raciona5 {

// SZAMLALO / NEVEZO := (B:A) / (D:C), both divided by R^(K+1) and truncated, K
// the HOSSZ of the larger high half (the numerator's when they are equal), so
// that the larger result has HOSSZ 255. The sign goes to SZAMLALO, NEVEZO is
// POZ, both take B's radix; KEREKITES is raised. At least one high half must be
// non-zero; the six records are distinct. A numerator that keeps no digit
// becomes a POZ zero. A denominator that would keep no digit cannot be cut:
// TULCSORDULT is raised and SZAMLALO, NEVEZO and KEREKITES are left as they were.
void EGYSZERUSIT(const EGESZSZAM& A, const EGESZSZAM& B, const EGESZSZAM& C, const EGESZSZAM& D,
                 EGESZSZAM& SZAMLALO, EGESZSZAM& NEVEZO);

// (D:C) := A * B exactly, for factors of up to 256 digits (HOSSZ at most 255),
// by Karatsuba's method split at R^128. C and D are distinct from each other and
// from A and B. Both take A's radix and the product's sign (a zero half may be
// POZ); positions above the digits written (above 255 for a full-width C) keep
// what the records held. Sets PONTOSSAG to 255; with TULCSORDULT raised on
// entry it does nothing else, and it leaves the flag clear otherwise.
void HOSSZUSZOROZ(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& C, EGESZSZAM& D);

}  // namespace raciona5
