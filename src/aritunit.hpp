// ARITUNIT: signed integers of up to 256 digits in any radix from 2 to 256.
//
// A value is a fixed record of 257 digits, least significant first; positions
// above its HOSSZ carry no meaning and may hold leftovers of earlier values.
// Errors are not exceptions: a result that outgrows 256 digits or a zero
// divisor raises the sticky flag TULCSORDULT (after which the operations do no
// digit work), and operands of different radices make an operation write the
// line "Kulonbozo szamrendszerek:" with both radices and go on. Everything else
// (digits below the radix, HOSSZ at most 255, normal form) the caller keeps.
#pragma once

#include <cstdint>

#include "platform/runtime.hpp"

namespace aritunit {

// Highest digit position that holds digits of a value; position 256 only ever
// receives a carry.
inline constexpr int MAXPONTOSSAG = 255;

using SZAMJEGY = std::uint8_t;                                 // one digit
using POZSZAM = platform::byte_array<257>;                     // digits 0..256
using SZAMRENDSZERTIPUS = platform::ranged<2, 256, std::int16_t>;  // a radix
using PONTOSSAGTIPUS = platform::ranged<0, 256, std::int16_t>;     // a position
enum ELOJELTIPUS : std::int32_t { POZ = 0, NEG = 1 };          // a sign

// A signed integer: the sum of JEGY[i] * SZAMRENDSZER^i for i = 0..HOSSZ,
// negated when ELOJEL is NEG. Zero is POZ with HOSSZ 0 and JEGY[0] = 0.
struct EGESZSZAM {
  ELOJELTIPUS ELOJEL;
  PONTOSSAGTIPUS HOSSZ;
  SZAMRENDSZERTIPUS SZAMRENDSZER;
  POZSZAM JEGY;
};

// A mixed-radix integer: JEGY[i] is a digit in base ALAPOK[i]. Declared for the
// module's users; no operation takes it.
struct VEGYESALAPUEGESZ {
  ELOJELTIPUS ELOJEL;
  platform::ranged<0, 255, std::uint8_t> HOSSZ;
  POZSZAM ALAPOK;
  POZSZAM JEGY;
};

// Module state.
extern platform::int16 PONTOSSAG;  // working precision: 200 after start-up
extern EGESZSZAM NULLA;            // 0, 1 and 2 in radix 10
extern EGESZSZAM EGY;
extern EGESZSZAM KETTO;
extern platform::int16 PLUSZ;  // additive digit steps of the latest operation
extern platform::int16 SZOR;   // multiplicative steps of the latest operation
extern bool TULCSORDULT;       // sticky overflow flag

// Start-up: precision 200, the constants, the flag cleared. Also resets the
// counters and the working radix to their zero start values.
void INICIALIZALAS();

// X when X > Y, else Y.
int MAX(int X, int Y);
// X when X < Y, else Y.
int MIN(int X, int Y);

// True when digits 0..HOSSZ of X are all zero, whatever its sign and radix.
bool NULLA_E(const EGESZSZAM& X);

// True when |A| >= |B|, deciding by HOSSZ first, then by the digits from the
// top. Signs and radices are not looked at.
bool NAGYOBB(const EGESZSZAM& A, const EGESZSZAM& B);

// OSSZEG := A + B. Any of the three may be one record. Zeros may be written
// into an operand's positions above its HOSSZ. The result is in normal form;
// PLUSZ := its HOSSZ, SZOR := 0. A carry out of position 255 raises
// TULCSORDULT and keeps the lowest 256 digits.
void OSSZEAD(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& OSSZEG);

// KULONBSEG := A - B. Any of the three may be one record. Zeros may be written
// into an operand's positions above its HOSSZ. The result is in normal form;
// PLUSZ := the larger operand's HOSSZ, SZOR := 0.
void KIVON(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& KULONBSEG);

// SZORZAT := A * B. A and B may be one record; a SZORZAT that is a factor is
// worked through a copy. PLUSZ counts the digit products, SZOR those plus 2 per
// column (both stop at 32,767). A product of R^256 or more raises TULCSORDULT
// and keeps its lowest 256 digits. Positions above the product's columns keep
// what SZORZAT held.
void SZOROZ(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& SZORZAT);

// HANYADOS := A / B truncated toward zero, MARADEK := A - HANYADOS * B (the
// sign of A, or POZ when zero). A and B may be one record; MARADEK may be A;
// any other sharing is worked through copies. A zero divisor raises
// TULCSORDULT, and so does a quotient of R^256 or more (only a dividend of
// HOSSZ 256 has one), which keeps its lowest 256 digits. PLUSZ and SZOR count
// the digit steps (both stop at 32,767).
void OSZT(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& HANYADOS, EGESZSZAM& MARADEK);

}  // namespace aritunit
