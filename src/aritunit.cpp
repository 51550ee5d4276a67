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

// The working radix as a plain number for the digit loops: 2..256, as the
// operations assign it through the range check (before any operation has set
// it, its start value 0 makes every digit loop end with the range error).
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

// ---------------------------------------------------------------------------
// Division with remainder: Knuth's Algorithm D, with each quotient digit tried
// against the window before it is subtracted instead of added back after.

namespace {

// The working remainder: one position wider than a record, so that a dividend
// of HOSSZ 256 still has room for the extra top digit that scaling adds.
// HOSSZ is the top position of the current window.
struct MUNKA {
  int HOSSZ;
  std::uint8_t JEGY[258];
};

// D1 normalize: NORM := R div (B's top digit + 1); NA := A * NORM with one
// position more than A (its top digit may be 0); NB := B * NORM, as long as B,
// its top digit now at least R div 2. SZOR counts 3 per digit scaled.
void NORMALAS(const EGESZSZAM& A, const EGESZSZAM& B, MUNKA& NA, EGESZSZAM& NB, unsigned& NORM) {
  const unsigned R = radix();
  const int HA = A.HOSSZ;  // 0..256: positions 0..257 of NA
  const std::uint8_t* a = A.JEGY.data();
  NB = B;
  NORM = R / (unsigned{NB.JEGY.data()[NB.HOSSZ]} + 1);
  if (NORM > 1) {
    unsigned D1 = 0;
    for (int I = 0; I <= HA; ++I) {
      const unsigned D2 = a[I] * NORM + D1;
      NA.JEGY[I] = static_cast<std::uint8_t>(D2 % R);
      D1 = D2 / R;
    }
    check_digits(D1 >= R);  // below NORM for digits below R
    NA.JEGY[HA + 1] = static_cast<std::uint8_t>(D1);
    NA.HOSSZ = HA + 1;
    platform::saturating_add(SZOR, 3 * (NA.HOSSZ + 1));
    std::uint8_t* b = NB.JEGY.data();
    unsigned D2 = 0;
    for (int I = 0; I <= NB.HOSSZ; ++I) {
      D1 = b[I] * NORM + D2;
      b[I] = static_cast<std::uint8_t>(D1 % R);
      D2 = D1 / R;
    }
    // The final carry is 0: NORM was chosen so that NB keeps its length.
    platform::saturating_add(SZOR, 3 * (NB.HOSSZ + 1));
  } else {
    std::memcpy(NA.JEGY, a, static_cast<std::size_t>(HA) + 1);
    NA.JEGY[HA + 1] = 0;
    NA.HOSSZ = HA + 1;
  }
}

// One quotient digit, D3 to D6: H := the digit of the window at the top of
// OSZTANDO (positions HOSSZ - M - 1 .. HOSSZ, with M = OSZTO.HOSSZ), the window
// minus H * OSZTO left in its place, OSZTANDO.HOSSZ lowered by one. Expects the
// window below R * OSZTO and OSZTO's top digit at least R div 2.
void EGYJEGYOSZTAS(MUNKA& OSZTANDO, const EGESZSZAM& OSZTO, std::uint8_t& H) {
  const int N = OSZTANDO.HOSSZ;
  const int M = OSZTO.HOSSZ;
  const std::int64_t R = radix();
  // U[0..M+1] is the window, positions N - M - 1 .. N: OSZT runs a step only
  // for N from M + 1 up to 257, so the window lies inside OSZTANDO.JEGY.
  std::uint8_t* U = OSZTANDO.JEGY + (N - M - 1);
  const std::uint8_t* V = OSZTO.JEGY.data();

  // D3: estimate from the window's top two digits and the divisor's top digit;
  // a top digit equal to the divisor's gives R - 1 at once.
  std::int64_t Q;
  if (U[M + 1] == V[M]) {
    Q = R - 1;
  } else {
    Q = (U[M + 1] * R + U[M]) / V[M];
    platform::saturating_add(SZOR, 2);
    platform::saturating_add(PLUSZ, 1);
  }
  check_digits(Q >= R);  // only a window at or above R * OSZTO (a broken contract)
  // D3: the two-digit test lowers an estimate that is too large by two to at
  // most one too large.
  if (M > 0) {
    while (Q * V[M - 1] > (U[M + 1] * R + U[M] - Q * V[M]) * R + U[M - 1]) {
      --Q;
      platform::saturating_add(SZOR, 4);
      platform::saturating_add(PLUSZ, 3);
    }
  }

  // D4: form Q * OSZTO and compare it with the window; while it does not fit,
  // lower Q (in place of Knuth's D5 and D6, which subtract and add back).
  const unsigned q_radix = static_cast<unsigned>(R);
  std::uint8_t SEGED[258];  // positions 0..M+1, M at most 256
  for (;;) {
    const unsigned q = static_cast<unsigned>(Q);
    unsigned D = 0;
    for (int I = 0; I <= M; ++I) {
      const unsigned t = q * V[I] + D;
      SEGED[I] = static_cast<std::uint8_t>(t % q_radix);
      D = t / q_radix;
    }
    SEGED[M + 1] = static_cast<std::uint8_t>(D);  // below R, as Q and the digits are
    platform::saturating_add(SZOR, 3 * (M + 1));
    platform::saturating_add(PLUSZ, 2 * (M + 1));
    int I = M + 1;
    while (I > 0 && U[I] == SEGED[I]) --I;
    if (U[I] >= SEGED[I]) break;  // NAGY: the digit fits
    --Q;
  }
  H = static_cast<std::uint8_t>(Q);

  // D4: subtract; no borrow leaves the window, whose top digit becomes 0.
  int D = 0;
  unsigned bad = 0;
  for (int I = 0; I <= M + 1; ++I) {
    int X = U[I] - SEGED[I] - D;
    D = X < 0;
    X += static_cast<int>(R) & -D;
    bad |= static_cast<unsigned>(X) >= q_radix;
    U[I] = static_cast<std::uint8_t>(X);
  }
  check_digits(bad);
  platform::saturating_add(PLUSZ, M + 2);
  OSZTANDO.HOSSZ = N - 1;
}

// HANYADOS := A / B truncated toward zero, MARADEK := the remainder with A's
// sign; HANYADOS is neither A nor B, MARADEK may be A but is not B. See OSZT.
void divide(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& HANYADOS, EGESZSZAM& MARADEK) {
  HANYADOS = NULLA;
  if (TULCSORDULT) return;
  SZAMRENDSZER = static_cast<int>(A.SZAMRENDSZER);
  if (B.SZAMRENDSZER != SZAMRENDSZER) {
    SZAMRENDSZER_HIBA(A.SZAMRENDSZER, B.SZAMRENDSZER);
  } else {
    HANYADOS.SZAMRENDSZER = static_cast<int>(SZAMRENDSZER);
    MARADEK.SZAMRENDSZER = static_cast<int>(SZAMRENDSZER);
  }
  PLUSZ = 0;
  SZOR = 0;
  if (NULLA_E(B)) {
    TULCSORDULAS();
    return;
  }
  if (!NAGYOBB(A, B)) {
    MARADEK = A;
    return;
  }
  // The estimates divide by the divisor's top digit: a divisor with a leading
  // zero (not in normal form) would divide by zero or give digits above R - 1.
  if (B.JEGY.data()[B.HOSSZ] == 0) platform::run_time_error(platform::range_error);

  // MARADEK may be A: everything still needed of A is read before it is written.
  const ELOJELTIPUS sign_a = A.ELOJEL;
  const ELOJELTIPUS sign_b = B.ELOJEL;
  const int HA = A.HOSSZ;
  const int HB = B.HOSSZ;
  MUNKA U;
  EGESZSZAM SEGED;
  unsigned NORM;
  NORMALAS(A, B, U, SEGED, NORM);

  // D2, D7: one step per quotient digit, from position J - HB - 1 (at most
  // 256, as J is at most 257) down to 0. Higher positions keep NULLA's zeros.
  const int J = U.HOSSZ;
  std::uint8_t* q = HANYADOS.JEGY.data();
  for (int I = J; I >= HB + 1; --I) EGYJEGYOSZTAS(U, SEGED, q[I - HB - 1]);
  // Only a dividend of HOSSZ 256 can have a quotient digit at position 256:
  // such a quotient does not fit, and keeps its lowest 256 digits.
  const bool too_long = q[256] != 0;
  HOSSZALLITAS(HANYADOS, J - HB);

  // D8 unnormalize: the remainder, in positions 0..HB, divided by NORM.
  if (NORM > 1) {
    const unsigned R = radix();
    unsigned AT = 0;
    for (int I = HB; I >= 0; --I) {
      const unsigned X = AT * R + U.JEGY[I];
      U.JEGY[I] = static_cast<std::uint8_t>(X / NORM);  // below R, as AT < NORM
      AT = X % NORM;
    }
  }
  // The remainder is A's record with positions 0..HA + 1 (at most 256) from
  // the working remainder: the remainder's digits, then zeros.
  if (&MARADEK != &A) MARADEK = A;
  std::memcpy(MARADEK.JEGY.data(), U.JEGY, static_cast<std::size_t>(HA < 256 ? HA + 2 : 257));
  HOSSZALLITAS(MARADEK, HB + 1);

  HANYADOS.ELOJEL = sign_a == sign_b || NULLA_E(HANYADOS) ? POZ : NEG;
  MARADEK.ELOJEL = NULLA_E(MARADEK) ? POZ : sign_a;
  if (too_long) TULCSORDULAS();
}

}  // namespace

// HANYADOS := A / B truncated toward zero, MARADEK := A - HANYADOS * B (A's
// sign, POZ when zero). A and B may be one record and MARADEK may be A; other
// sharing is worked through copies. A zero divisor raises TULCSORDULT and
// leaves MARADEK but for its radix field; while the flag is raised on entry
// only HANYADOS := NULLA. A quotient that needs position 256 (a dividend of
// HOSSZ 256) raises it and keeps its lowest 256 digits. PLUSZ and SZOR count
// the digit steps (both stop at 32,767).
void OSZT(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& HANYADOS, EGESZSZAM& MARADEK) {
  if (&HANYADOS == &A || &HANYADOS == &B || &MARADEK == &B || &HANYADOS == &MARADEK) {
    // The quotient record is cleared before the operands are read, and the
    // remainder is built over the dividend: work into copies of the results,
    // then store them, the quotient last (it wins when the two are one record).
    EGESZSZAM Q{};
    EGESZSZAM R = MARADEK;
    divide(A, B, Q, R);
    MARADEK = R;
    HANYADOS = Q;
  } else {
    divide(A, B, HANYADOS, MARADEK);
  }
}

}  // namespace aritunit
