// ARITUNIT: number representation, module state, and the arithmetic. The
// digit-level workers come first, the signed operations on top of them.
#include "aritunit.hpp"

#include <cstdint>
#include <cstring>

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

// ---------------------------------------------------------------------------
// Digit loops on magnitudes

namespace {

// The digit loops store raw bytes, each one below the working radix as long as
// the operands' digits are. A loop that formed a digit outside the radix (only
// an operand digit far outside it can cause that: a broken contract) ends the
// program with the range error before anything reads what it stored.
void check_digits(unsigned bad) {
  if (bad != 0) platform::run_time_error(platform::range_error);
}

// The working radix as a plain number for the digit loops (2..256 by its type,
// which every assignment to it checks).
unsigned radix() { return static_cast<unsigned>(static_cast<int>(SZAMRENDSZER)); }

// X[FROM..TO] := 0 (nothing when FROM > TO).
void clear_digits(POZSZAM& X, int FROM, int TO) {
  if (FROM > TO) return;
  platform::checked_index<0, 256>(FROM);
  platform::checked_index<0, 256>(TO);
  std::memset(X.data() + FROM, 0, static_cast<std::size_t>(TO - FROM + 1));
}

}  // namespace

// OSSZEG[0..H+1] := A[0..H] + B[0..H] in the working radix; OSSZEG may be A or
// B. With H = 255 a carry out of position 255 raises TULCSORDULT and position
// 256 is left as it was. Does nothing while TULCSORDULT is raised.
void OSSZEADAS(const POZSZAM& A, const POZSZAM& B, POZSZAM& OSSZEG, int H) {
  if (TULCSORDULT) return;
  const int top = static_cast<int>(platform::checked_index<0, MAXPONTOSSAG>(H));
  const unsigned R = radix();
  const std::uint8_t* a = A.data();
  const std::uint8_t* b = B.data();
  std::uint8_t* s = OSSZEG.data();
  unsigned ATVITEL = 0;
  unsigned bad = 0;
  for (int I = 0; I <= top; ++I) {
    // Digits below R give a sum below 2R: one compare finds the carry.
    unsigned S = a[I] + b[I] + ATVITEL;
    ATVITEL = S >= R;
    S -= R & (0u - ATVITEL);
    bad |= S >= R;
    s[I] = static_cast<std::uint8_t>(S);
  }
  check_digits(bad);
  if (top == MAXPONTOSSAG && ATVITEL != 0) {
    TULCSORDULAS();
  } else {
    s[top + 1] = static_cast<std::uint8_t>(ATVITEL);
  }
}

// KULONBSEG[0..H] := A[0..H] - B[0..H] in the working radix, the borrow out of
// position H dropped; KULONBSEG may be A or B; position H + 1 is not written.
// Does nothing while TULCSORDULT is raised; never raises it.
void KIVONAS(const POZSZAM& A, const POZSZAM& B, POZSZAM& KULONBSEG, int H) {
  if (TULCSORDULT) return;
  const int top = static_cast<int>(platform::checked_index<0, MAXPONTOSSAG>(H));
  const int R = static_cast<int>(radix());
  const std::uint8_t* a = A.data();
  const std::uint8_t* b = B.data();
  std::uint8_t* d = KULONBSEG.data();
  int ATVITEL = 0;
  unsigned bad = 0;
  for (int I = 0; I <= top; ++I) {
    int X = a[I] - b[I] - ATVITEL;
    ATVITEL = X < 0;
    X += R & -ATVITEL;
    bad |= static_cast<unsigned>(X) >= static_cast<unsigned>(R);
    d[I] = static_cast<std::uint8_t>(X);
  }
  check_digits(bad);
}

// |A| >= |B|: the larger HOSSZ wins, equal HOSSZ compare digits from the top.
// Reads both only; signs and radices are not looked at.
bool NAGYOBB(const EGESZSZAM& A, const EGESZSZAM& B) {
  if (A.HOSSZ != B.HOSSZ) return A.HOSSZ > B.HOSSZ;
  const std::uint8_t* a = A.JEGY.data();
  const std::uint8_t* b = B.JEGY.data();
  int I = A.HOSSZ;  // 0..256 by its type
  while (I > 0 && a[I] == b[I]) --I;
  return a[I] >= b[I];
}

// ---------------------------------------------------------------------------
// Signed addition and subtraction

// OSSZEG := |A| + |B| with the sign of A; any of the three may be one record.
// Zeros go into the shorter operand up to the longer one's HOSSZ. The result is
// in normal form, positions up to H + 1 written; PLUSZ := its HOSSZ, SZOR := 0.
void OSSZE(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& OSSZEG) {
  int H;
  if (A.HOSSZ > B.HOSSZ) {
    H = A.HOSSZ;
    clear_digits(B.JEGY, B.HOSSZ + 1, H);
  } else {
    H = B.HOSSZ;
    clear_digits(A.JEGY, A.HOSSZ + 1, H);
  }
  OSSZEADAS(A.JEGY, B.JEGY, OSSZEG.JEGY, H);
  OSSZEG.ELOJEL = A.ELOJEL;
  HOSSZALLITAS(OSSZEG, H + 1);
  PLUSZ = OSSZEG.HOSSZ;
  SZOR = 0;
}

// KULONBSEG := |A| - |B| as a signed value (POZ when the magnitudes are equal);
// any of the three may be one record. Zeros go into the smaller operand up to
// the larger one's HOSSZ. The result is in normal form, positions up to the
// larger HOSSZ written; PLUSZ := the larger magnitude's HOSSZ, SZOR := 0.
void KI(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& KULONBSEG) {
  // Both lengths are read before the result, which may be A or B, is written.
  const int HA = A.HOSSZ;
  const int HB = B.HOSSZ;
  if (NAGYOBB(A, B)) {
    clear_digits(B.JEGY, HB + 1, HA);
    KIVONAS(A.JEGY, B.JEGY, KULONBSEG.JEGY, HA);
    KULONBSEG.ELOJEL = POZ;
    PLUSZ = HA;
  } else {
    clear_digits(A.JEGY, HA + 1, HB);
    KIVONAS(B.JEGY, A.JEGY, KULONBSEG.JEGY, HB);
    KULONBSEG.ELOJEL = NEG;
    PLUSZ = HB;
  }
  SZOR = 0;
  HOSSZALLITAS(KULONBSEG, MAX(HA, HB));
}

namespace {

// Sets the working radix from A (a checked assignment: a record without a
// radix is a range error) and, when B's radix agrees, gives it to the result;
// on a mismatch writes the line and leaves the result's radix field alone.
void take_radix(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& RESULT) {
  SZAMRENDSZER = static_cast<int>(A.SZAMRENDSZER);
  if (B.SZAMRENDSZER != SZAMRENDSZER) {
    SZAMRENDSZER_HIBA(A.SZAMRENDSZER, B.SZAMRENDSZER);
  } else {
    RESULT.SZAMRENDSZER = static_cast<int>(SZAMRENDSZER);
  }
}

}  // namespace

// OSSZEG := A + B; any of the three may be one record. The digits are worked in
// A's radix; see OSSZE and KI for the rest.
void OSSZEAD(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& OSSZEG) {
  take_radix(A, B, OSSZEG);
  if (A.ELOJEL == B.ELOJEL) {
    OSSZE(A, B, OSSZEG);
  } else if (A.ELOJEL == POZ) {
    KI(A, B, OSSZEG);
  } else {
    KI(B, A, OSSZEG);
  }
}

// KULONBSEG := A - B; any of the three may be one record. The digits are worked
// in A's radix; see OSSZE and KI for the rest.
void KIVON(EGESZSZAM& A, EGESZSZAM& B, EGESZSZAM& KULONBSEG) {
  take_radix(A, B, KULONBSEG);
  if (A.ELOJEL == POZ && B.ELOJEL == POZ) {
    KI(A, B, KULONBSEG);
  } else if (A.ELOJEL != B.ELOJEL) {
    OSSZE(A, B, KULONBSEG);
  } else {
    KI(B, A, KULONBSEG);
  }
}

// ---------------------------------------------------------------------------
// Multiplication

namespace {

// SZORZAT := A * B by columns; SZORZAT is neither A nor B. See SZOROZ.
void multiply_columns(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& SZORZAT) {
  take_radix(A, B, SZORZAT);
  const std::uint32_t R = radix();
  // Every index below stays in 0..256: I <= IV <= A.HOSSZ, K - I <= K - IK <=
  // B.HOSSZ (both HOSSZ are 0..256 by their type), and a column is only
  // written for K <= 256, since the loop stops at 257.
  const int HA = A.HOSSZ;
  const int HB = B.HOSSZ;
  const std::uint8_t* a = A.JEGY.data();
  const std::uint8_t* b = B.JEGY.data();
  std::uint8_t* p = SZORZAT.JEGY.data();
  // The column sum: up to 256 products below 2^16 plus a carry, well inside
  // 32 bits in every radix (a 16-bit sum would overflow from radix 12 on).
  std::uint32_t D = 0;
  bool TUL = false;
  PLUSZ = 0;
  SZOR = 0;
  const int last = HA + HB + 1;
  for (int K = 0; K <= last && !TUL; ++K) {
    if (K > MAXPONTOSSAG && (D != 0 || K == 257)) {
      TUL = true;  // the product reaches position 256 or beyond
      break;
    }
    const int IK = K > HB ? K - HB : 0;
    const int IV = K < HA ? K : HA;
    for (int I = IK; I <= IV; ++I) D += std::uint32_t{a[I]} * b[K - I];
    platform::saturating_add(PLUSZ, IV - IK + 1);
    platform::saturating_add(SZOR, IV - IK + 1 + 2);
    p[K] = static_cast<std::uint8_t>(D % R);
    D /= R;
  }
  HOSSZALLITAS(SZORZAT, last);
  SZORZAT.ELOJEL = A.ELOJEL == B.ELOJEL || NULLA_E(SZORZAT) ? POZ : NEG;
  if (TUL) TULCSORDULAS();
}

}  // namespace

// SZORZAT := A * B; A and B may be one record, and a SZORZAT that is A or B is
// worked through a copy. A product of R^256 or more raises TULCSORDULT and keeps
// its lowest 256 digits; positions above the columns formed keep their old
// digits. PLUSZ := digit products, SZOR := those + 2 per column (both stop at
// 32,767). Does nothing at all while TULCSORDULT is raised.
void SZOROZ(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& SZORZAT) {
  if (TULCSORDULT) return;
  if (&SZORZAT == &A || &SZORZAT == &B) {
    // The columns are written while lower positions of the factors are still
    // to be read: form the product in a copy of the record, then store it.
    EGESZSZAM T = SZORZAT;
    multiply_columns(A, B, T);
    SZORZAT = T;
  } else {
    multiply_columns(A, B, SZORZAT);
  }
}

}  // namespace aritunit
