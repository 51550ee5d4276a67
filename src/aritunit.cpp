// ARITUNIT: number representation, module state, and the arithmetic. The
// digit-level workers come first, the signed operations on top of them.
#include "aritunit.hpp"

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The addition and subtraction work on whole 64-bit words, eight digits at a
// time: no loop divides per digit or branches on a digit's value.

// True when a digit of d[0..n-1] is not below R (a vectorised scan).
bool any_digit_out_of_radix(const std::uint8_t* d, int n, unsigned R) {
  std::uint8_t largest = 0;
  for (int i = 0; i < n; ++i) largest = d[i] > largest ? d[i] : largest;
  return largest >= R;
}

// Eight digits as one little-endian 64-bit word (digit i in byte i), and back.
std::uint64_t load_word(const std::uint8_t* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}
void store_word(std::uint8_t* p, std::uint64_t w) { std::memcpy(p, &w, 8); }

constexpr std::uint64_t byte_ones = 0x0101010101010101ULL;

// Which bytes of a word sum or difference carried (or borrowed) out, as a 1 in
// that byte: the carry into bit 8(j+1) of x + y + c is bit 8(j+1) of
// x ^ y ^ (x + y + c), and the word's own carry out belongs to byte 7.
std::uint64_t byte_carries(std::uint64_t x, std::uint64_t y, std::uint64_t r, unsigned word_carry) {
  return (((x ^ y ^ r) >> 8) & (byte_ones >> 8)) | (std::uint64_t{word_carry} << 56);
}

// Eight digit sums x + y + carry in radix R; carry becomes the carry out of
// the eighth. Each digit of x is raised by 256 - R first: a byte of the word
// sum then carries into the next byte exactly when the digits' sum reaches R,
// so the adder's own carry chain does the radix's. A byte that did not carry
// keeps the 256 - R, which is taken off again; no byte is below it, so nothing
// borrows across bytes.
std::uint64_t add_word(std::uint64_t x, std::uint64_t y, unsigned& carry, unsigned R) {
  x += (256 - R) * byte_ones;
  std::uint64_t t, r;
  const bool c1 = __builtin_add_overflow(x, y, &t);
  const bool c2 = __builtin_add_overflow(t, std::uint64_t{carry}, &r);
  carry = c1 | c2;
  return r - (byte_carries(x, y, r, carry) ^ byte_ones) * (256 - R);
}

// Eight digit differences x - y - borrow in radix R; borrow becomes the borrow
// out of the eighth. A byte that borrowed holds the difference plus 256;
// taking 256 - R off it leaves the difference plus R.
std::uint64_t subtract_word(std::uint64_t x, std::uint64_t y, unsigned& borrow, unsigned R) {
  std::uint64_t t, r;
  const bool b1 = __builtin_sub_overflow(x, y, &t);
  const bool b2 = __builtin_sub_overflow(t, std::uint64_t{borrow}, &r);
  borrow = b1 | b2;
  return r - byte_carries(x, y, r, borrow) * (256 - R);
}

// s[0..n-1] := a[0..n-1] + b[0..n-1] + carry in radix R; returns the carry out
// of digit n - 1. s may be a or b. The last n mod 8 digits go one at a time.
unsigned add_digits(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* s, int n, unsigned R,
                    unsigned carry) {
  int i = 0;
  for (; i + 8 <= n; i += 8) store_word(s + i, add_word(load_word(a + i), load_word(b + i), carry, R));
  for (; i < n; ++i) {
    // A sum of digits below R is below 2R: one compare finds the carry.
    unsigned t = a[i] + b[i] + carry;
    carry = t >= R;
    t -= R & (0u - carry);
    s[i] = static_cast<std::uint8_t>(t);
  }
  return carry;
}

// d[0..n-1] := a[0..n-1] - b[0..n-1] - borrow in radix R; returns the borrow
// out of digit n - 1. d may be a or b. The last n mod 8 digits go one at a
// time.
unsigned subtract_digits(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* d, int n, unsigned R,
                         unsigned borrow) {
  int i = 0;
  for (; i + 8 <= n; i += 8) store_word(d + i, subtract_word(load_word(a + i), load_word(b + i), borrow, R));
  for (; i < n; ++i) {
    int t = a[i] - b[i] - static_cast<int>(borrow);
    borrow = t < 0;
    t += static_cast<int>(R & (0u - borrow));
    d[i] = static_cast<std::uint8_t>(t);
  }
  return borrow;
}

}  // namespace

// OSSZEG[0..H+1] := A[0..H] + B[0..H] in the working radix; OSSZEG may be A or
// B. With H = 255 a carry out of position 255 raises TULCSORDULT and position
// 256 is left as it was. Does nothing while TULCSORDULT is raised.
void OSSZEADAS(const POZSZAM& A, const POZSZAM& B, POZSZAM& OSSZEG, int H) {
  if (TULCSORDULT) return;
  const int top = static_cast<int>(platform::checked_index<0, MAXPONTOSSAG>(H));
  const unsigned R = radix();
  std::uint8_t* s = OSSZEG.data();
  const unsigned ATVITEL = add_digits(A.data(), B.data(), s, top + 1, R, 0);
  check_digits(any_digit_out_of_radix(s, top + 1, R));
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
  const unsigned R = radix();
  std::uint8_t* d = KULONBSEG.data();
  subtract_digits(A.data(), B.data(), d, top + 1, R, 0);
  check_digits(any_digit_out_of_radix(d, top + 1, R));
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

// n / d for every n below 2^25 and d from 2 to 256, as (n * m) >> 33 with
// m = ceil(2^33 / d): the error n * (m - 2^33 / d) / 2^33 stays below 1 / d, so
// the floor is exact.
struct Reciprocal {
  std::uint64_t m;
  explicit Reciprocal(unsigned d) : m(((std::uint64_t{1} << 33) + d - 1) / d) {}
  unsigned divide(std::uint64_t n) const { return static_cast<unsigned>((n * m) >> 33); }
};

// t / R for every product t of two digits (t <= (R - 1)^2 < 2^16) in 16-bit
// arithmetic, which loops vectorise 16 lanes at a time: the high half of
// (t + inc) * m, shifted right by k. With S = 16 + k, either m = ceil(2^S / R)
// and inc = 0, exact when (R - 1)^2 * (m R - 2^S) < 2^S, or m = floor(2^S / R)
// and inc = 1, exact when ((R - 1)^2 + 1) * (2^S - m R) <= 2^S; for every
// radix from 2 to 256 one of them holds with m below 2^16 for some k.
struct DigitReciprocal {
  std::uint16_t m = 0;
  unsigned k = 0;
  std::uint16_t inc = 0;
  explicit DigitReciprocal(unsigned R) {
    const std::uint64_t largest = std::uint64_t{R - 1} * (R - 1);
    for (k = 0; k <= 16; ++k) {
      const std::uint64_t S = std::uint64_t{1} << (16 + k);
      const std::uint64_t up = (S + R - 1) / R, down = S / R;
      if (up < 65536 && largest * (up * R - S) < S) {
        m = static_cast<std::uint16_t>(up);
        inc = 0;
        return;
      }
      if (down < 65536 && down * R < S && (largest + 1) * (S - down * R) <= S) {
        m = static_cast<std::uint16_t>(down);
        inc = 1;
        return;
      }
    }
    platform::run_time_error(platform::range_error);  // no radix from 2 to 256 gets here
  }
  std::uint16_t divide(std::uint16_t t) const {
    return static_cast<std::uint16_t>((std::uint32_t{static_cast<std::uint16_t>(t + inc)} * m) >> 16) >> k;
  }
};

// low[i] := f * v[i] mod R and high[i + 1] := f * v[i] div R for i < n, for a
// digit f. With SSE2 (every x86-64 processor) eight digits at a time in 16-bit
// lanes; the loop after it does the rest, and all digits elsewhere.
void split_digit_products(const std::uint8_t* v, int n, unsigned f, std::uint8_t* low, std::uint8_t* high,
                          unsigned R, const DigitReciprocal& by_radix) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i f16 = _mm_set1_epi16(static_cast<short>(f));
  const __m128i R16 = _mm_set1_epi16(static_cast<short>(R));
  const __m128i m = _mm_set1_epi16(static_cast<short>(by_radix.m));
  const __m128i inc = _mm_set1_epi16(static_cast<short>(by_radix.inc));
  const __m128i k = _mm_cvtsi32_si128(static_cast<int>(by_radix.k));
  for (; i + 8 <= n; i += 8) {
    const __m128i digits = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + i)), zero);
    const __m128i t = _mm_mullo_epi16(digits, f16);
    const __m128i h = _mm_srl_epi16(_mm_mulhi_epu16(_mm_add_epi16(t, inc), m), k);
    const __m128i l = _mm_sub_epi16(t, _mm_mullo_epi16(h, R16));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(low + i), _mm_packus_epi16(l, zero));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(high + i + 1), _mm_packus_epi16(h, zero));
  }
#endif
  for (; i < n; ++i) {
    const auto t = static_cast<std::uint16_t>(f * v[i]);
    const std::uint16_t h = by_radix.divide(t);
    low[i] = static_cast<std::uint8_t>(t - h * R);
    high[i + 1] = static_cast<std::uint8_t>(h);
  }
}

// p[0..n] := f * v[0..n-1] in radix R for a digit f (p[n] the top digit): the
// digit products' low digits plus their carry digits moved up one position,
// as one addition.
void multiply_by_digit(const std::uint8_t* v, int n, unsigned f, std::uint8_t* p, unsigned R,
                       const DigitReciprocal& by_radix) {
  std::uint8_t low[258 + 8], high[258 + 8];
  high[0] = 0;
  split_digit_products(v, n, f, low, high, R, by_radix);
  const unsigned carry = add_digits(low, high, p, n, R, 0);
  p[n] = static_cast<std::uint8_t>(high[n] + carry);  // high[n] <= R - 2
}

// u[0..n] := u[0..n] - f * v[0..n-1] in radix R for a digit f, in one pass
// over the digit products and one borrow chain; returns true when the product
// exceeds u[0..n], the digits then holding the difference plus R^(n+1).
// First, per position i, d = u[i] - (f * v[i] mod R) - (f * v[i-1] div R),
// from -(2R - 3) to R - 1, is split into r[i] = d mod R and c[i+1] = -(d div R)
// (0, 1 or 2); then r - c (c moved up one position) is one subtraction with a
// borrow of 0 or 1, as -2 - 1 never reaches below -R (R = 2 has c at most 1).
// With SSE2 sixteen positions at a time in two halves of 16-bit lanes, the
// carry digits of the positions below shifted in from a register; the loop
// after it does the rest. Compiled also for AVX2 (VEX encoding, fewer register
// copies); the loader picks one.
__attribute__((target_clones("avx2", "default")))
bool multiply_subtract(std::uint8_t* u, const std::uint8_t* v, int n, unsigned f, unsigned R,
                       const DigitReciprocal& by_radix) {
  std::uint8_t r[258 + 16], c[259 + 16];
  c[0] = 0;
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i f16 = _mm_set1_epi16(static_cast<short>(f));
  const __m128i R16 = _mm_set1_epi16(static_cast<short>(R));
  const __m128i minus_R = _mm_set1_epi16(static_cast<short>(-static_cast<int>(R)));
  const __m128i m = _mm_set1_epi16(static_cast<short>(by_radix.m));
  const __m128i inc = _mm_set1_epi16(static_cast<short>(by_radix.inc));
  const __m128i k = _mm_cvtsi32_si128(static_cast<int>(by_radix.k));
  // f * v[j] div R (high) and mod R (low) in eight 16-bit lanes.
  auto split = [&](__m128i digits, __m128i& high, __m128i& low) {
    const __m128i t = _mm_mullo_epi16(digits, f16);
    high = _mm_srl_epi16(_mm_mulhi_epu16(_mm_add_epi16(t, inc), m), k);
    low = _mm_sub_epi16(t, _mm_mullo_epi16(high, R16));
  };
  // d as r (d mod R) and c (-(d div R)) from the window's digits, the low
  // digits and the high digits of the positions below.
  auto reduce = [&](__m128i window, __m128i low, __m128i high_below, __m128i& rd, __m128i& cd) {
    const __m128i d = _mm_sub_epi16(_mm_sub_epi16(window, low), high_below);
    // -(d < 0) - (d < -R), which is d div R
    const __m128i quotient = _mm_add_epi16(_mm_cmpgt_epi16(zero, d), _mm_cmpgt_epi16(minus_R, d));
    rd = _mm_sub_epi16(d, _mm_mullo_epi16(quotient, R16));
    cd = _mm_sub_epi16(zero, quotient);
  };
  __m128i previous_high = zero;  // f * v[i-8..i-1] div R
  for (; i + 16 <= n; i += 16) {
    const __m128i digits = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + i));
    const __m128i window = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
    __m128i h0, l0, h1, l1, r0, c0, r1, c1;
    split(_mm_unpacklo_epi8(digits, zero), h0, l0);
    split(_mm_unpackhi_epi8(digits, zero), h1, l1);
    reduce(_mm_unpacklo_epi8(window, zero), l0, _mm_or_si128(_mm_slli_si128(h0, 2), _mm_srli_si128(previous_high, 14)),
           r0, c0);
    reduce(_mm_unpackhi_epi8(window, zero), l1, _mm_or_si128(_mm_slli_si128(h1, 2), _mm_srli_si128(h0, 14)), r1, c1);
    previous_high = h1;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(r + i), _mm_packus_epi16(r0, r1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(c + i + 1), _mm_packus_epi16(c0, c1));
  }
#endif
  unsigned high_below = i > 0 ? by_radix.divide(static_cast<std::uint16_t>(f * v[i - 1])) : 0;
  for (; i <= n; ++i) {
    const auto t = static_cast<std::uint16_t>(i < n ? f * v[i] : 0);
    const unsigned high = by_radix.divide(t);
    int d = int{u[i]} - static_cast<int>(t - high * R) - static_cast<int>(high_below);
    high_below = high;
    const int carry = (d < 0) + (d < -static_cast<int>(R));
    d += carry * static_cast<int>(R);
    r[i] = static_cast<std::uint8_t>(d);
    c[i + 1] = static_cast<std::uint8_t>(carry);
  }
  const unsigned borrow = subtract_digits(r, c, u, n + 1, R, 0);
  return (borrow | c[n + 1]) != 0;
}

// column[K] := the sum of a[I] * b[K - I] over the terms of column K, for K
// from 0 to `highest`, given a16[I] = a[I] and b_reversed[pad + J] = b[HB - J],
// both zero elsewhere (a16 for 32 places past HA, b_reversed for `pad` places
// on either side). Four columns at a time run over one range of I that covers
// all four, in blocks of 16 terms: a term outside a column's own range meets a
// zero of one string or the other. Sums stay below 256 * 2^16, inside 32 bits
// in every radix. Compiled for processors with AVX2 and for all others; the
// loader picks one.
constexpr int pad = 32;

__attribute__((target_clones("avx2", "default")))
void column_sums(const std::int16_t* a16, const std::int16_t* b_reversed, int HA, int HB, int highest,
                 std::uint32_t* column) {
  constexpr int block = 16;
  for (int K = 0; K <= highest; K += 4) {
    const int first = K > HB ? K - HB : 0;    // the lowest I of column K
    const int last = K + 3 < HA ? K + 3 : HA;  // the highest I of column K + 3
    const std::int16_t* a_i = a16 + first;
    // The term of column K + c at I = first + i is a_i[i] * b0[i - c].
    const std::int16_t* b0 = b_reversed + pad + HB - K + first;
    const int terms = (last - first + block) / block * block;  // rounded up to whole blocks
    std::int32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (int i = 0; i < terms; ++i) {
      const int x = a_i[i];
      s0 += x * b0[i];
      s1 += x * b0[i - 1];
      s2 += x * b0[i - 2];
      s3 += x * b0[i - 3];
    }
    column[K] = static_cast<std::uint32_t>(s0);
    column[K + 1] = static_cast<std::uint32_t>(s1);
    column[K + 2] = static_cast<std::uint32_t>(s2);
    column[K + 3] = static_cast<std::uint32_t>(s3);
  }
}

// SZORZAT := A * B by columns; SZORZAT is neither A nor B. See SZOROZ.
//
// The column sums come first (column_sums), then the carries. The carries keep
// the column loop's stopping rule and counts: a column is formed unless it
// lies above 255 with a carry pending or is column 257.
void multiply_columns(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& SZORZAT) {
  take_radix(A, B, SZORZAT);
  const unsigned R = radix();
  // Every index below stays in 0..256: I <= IV <= A.HOSSZ, K - I <= K - IK <=
  // B.HOSSZ (both HOSSZ are 0..256 by their type), and a column is only
  // written for K <= 256.
  const int HA = A.HOSSZ;
  const int HB = B.HOSSZ;
  const std::uint8_t* a = A.JEGY.data();
  const std::uint8_t* b = B.JEGY.data();
  std::uint8_t* p = SZORZAT.JEGY.data();
  const int last = HA + HB + 1;
  const int highest = last < 256 ? last : 256;

  std::int16_t a16[257 + pad] = {}, b_reversed[257 + 2 * pad] = {};
  for (int I = 0; I <= HA; ++I) a16[I] = a[I];
  for (int J = 0; J <= HB; ++J) b_reversed[pad + J] = b[HB - J];
  std::uint32_t column[257 + 3];
  column_sums(a16, b_reversed, HA, HB, highest, column);

  // The carries. A column sum plus the carry into it stays below
  // 256 * R * (R - 1) < 2^24, in the reach of the reciprocal. Columns 0 to
  // `top` (the highest below 256) go in two chains side by side, the lower
  // half and the upper half, the upper one started without a carry; the lower
  // chain's last carry is then added into the upper half's digits at once.
  const Reciprocal by_radix(R);
  auto form = [&](int K, std::uint64_t carry) {  // column K's digit; returns its carry
    const std::uint64_t D = carry + column[K];
    const unsigned q = by_radix.divide(D);
    p[K] = static_cast<std::uint8_t>(D - std::uint64_t{q} * R);
    return std::uint64_t{q};
  };
  const int top = last < MAXPONTOSSAG ? last : MAXPONTOSSAG;
  const int half = (top + 1) / 2;
  std::uint64_t lower = 0, D = 0;
  for (int K = 0; K < half; ++K) {
    lower = form(K, lower);
    D = form(half + K, D);
  }
  if (2 * half <= top) D = form(top, D);  // an odd number of columns
  if (half > 0) {
    // The lower chain's carry (below 2^25, so at most `width` digits) goes
    // into digits half..top: its digits that reach there as one addition; its
    // remaining part, and the addition's carry out of top, join D.
    int width = 0;
    for (std::uint64_t reach = 1; reach < (std::uint64_t{1} << 25); reach *= R) ++width;
    const int n = top - half + 1;
    std::uint8_t carry_digits[256] = {};
    for (int i = 0; i < n && i < width; ++i) {
      const unsigned q = by_radix.divide(lower);
      carry_digits[i] = static_cast<std::uint8_t>(lower - std::uint64_t{q} * R);
      lower = q;
    }
    D += lower + add_digits(p + half, carry_digits, p + half, n, R, 0);
  }
  // Columns 256 and 257: formed only while no carry is pending into them, and
  // column 257 never; the product then reaches position 256 or beyond.
  bool TUL = false;
  int columns = top + 1;
  for (int K = MAXPONTOSSAG + 1; K <= last; ++K) {
    if (D != 0 || K == 257) {
      TUL = true;
      break;
    }
    D = form(K, D);
    ++columns;
  }
  long products = 0;  // the digit products of the columns formed
  for (int K = 0; K < columns; ++K) products += (K < HA ? K : HA) - (K > HB ? K - HB : 0) + 1;
  PLUSZ = 0;
  SZOR = 0;
  platform::saturating_add(PLUSZ, products);
  platform::saturating_add(SZOR, products + 2 * columns);
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
// HOSSZ is the top position of the current window. The scaled divisor is kept
// the same way: its digits and top position are all the steps read of it, and
// a bare string costs no whole-record copy.
struct MUNKA {
  int HOSSZ;
  std::uint8_t JEGY[258];
};

// D1 normalize: NORM := R div (B's top digit + 1); NA := A * NORM with one
// position more than A (its top digit may be 0); NB := B * NORM, as long as B,
// its top digit now at least R div 2. SZOR counts 3 per digit scaled.
// by_radix is the division's reciprocal of the working radix.
void NORMALAS(const EGESZSZAM& A, const EGESZSZAM& B, MUNKA& NA, MUNKA& NB, unsigned& NORM,
              const DigitReciprocal& by_radix) {
  const unsigned R = radix();
  const int HA = A.HOSSZ;  // 0..256: positions 0..257 of NA
  const std::uint8_t* a = A.JEGY.data();
  const std::uint8_t* b = B.JEGY.data();
  NB.HOSSZ = B.HOSSZ;
  NORM = R / (unsigned{b[NB.HOSSZ]} + 1);
  if (NORM > 1) {
    multiply_by_digit(a, HA + 1, NORM, NA.JEGY, R, by_radix);
    check_digits(any_digit_out_of_radix(NA.JEGY, HA + 2, R));  // a digit of A out of the radix shows here
    NA.HOSSZ = HA + 1;
    platform::saturating_add(SZOR, 3 * (NA.HOSSZ + 1));
    // The product's top digit is 0: NORM was chosen so that NB keeps its length.
    multiply_by_digit(b, NB.HOSSZ + 1, NORM, NB.JEGY, R, by_radix);
    platform::saturating_add(SZOR, 3 * (NB.HOSSZ + 1));
  } else {
    std::memcpy(NA.JEGY, a, static_cast<std::size_t>(HA) + 1);
    NA.JEGY[HA + 1] = 0;
    NA.HOSSZ = HA + 1;
    std::memcpy(NB.JEGY, b, static_cast<std::size_t>(NB.HOSSZ) + 1);
  }
}

// One quotient digit, D3 to D6: H := the digit of the window at the top of
// OSZTANDO (positions HOSSZ - M - 1 .. HOSSZ, with M = OSZTO.HOSSZ), the window
// minus H * OSZTO left in its place, OSZTANDO.HOSSZ lowered by one. Expects the
// window below R * OSZTO and OSZTO's top digit at least R div 2. by_radix is
// the division's reciprocal of the working radix.
void EGYJEGYOSZTAS(MUNKA& OSZTANDO, const MUNKA& OSZTO, std::uint8_t& H,
                   const DigitReciprocal& by_radix) {
  const int N = OSZTANDO.HOSSZ;
  const int M = OSZTO.HOSSZ;
  const std::int64_t R = radix();
  // U[0..M+1] is the window, positions N - M - 1 .. N: OSZT runs a step only
  // for N from M + 1 up to 257, so the window lies inside OSZTANDO.JEGY.
  std::uint8_t* U = OSZTANDO.JEGY + (N - M - 1);
  const std::uint8_t* V = OSZTO.JEGY;

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

  // D4: subtract Q * OSZTO from the window at once; while that borrows out of
  // the window's top (Q * OSZTO does not fit), lower Q and add OSZTO back.
  // Each Q tried counts as one product formed.
  const unsigned q_radix = static_cast<unsigned>(R);
  bool borrowed = multiply_subtract(U, V, M + 1, static_cast<unsigned>(Q), q_radix, by_radix);
  for (;;) {
    platform::saturating_add(SZOR, 3 * (M + 1));
    platform::saturating_add(PLUSZ, 2 * (M + 1));
    if (!borrowed) break;  // NAGY: the digit fits
    --Q;
    // The window holds the difference plus R^(M+2): adding OSZTO back carries
    // out of the top exactly when the difference becomes non-negative.
    const unsigned carry = add_digits(U, V, U, M + 1, q_radix, 0);
    const unsigned top = U[M + 1] + carry;
    borrowed = top < q_radix;
    U[M + 1] = static_cast<std::uint8_t>(borrowed ? top : top - q_radix);
  }
  H = static_cast<std::uint8_t>(Q);

  // No borrow left the window, whose top digit is now 0.
  check_digits(any_digit_out_of_radix(U, M + 2, q_radix));
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
  MUNKA U, SEGED;
  unsigned NORM;
  const DigitReciprocal by_radix(radix());  // once per division, for every digit product
  NORMALAS(A, B, U, SEGED, NORM, by_radix);

  // D2, D7: one step per quotient digit, from position J - HB - 1 (at most
  // 256, as J is at most 257) down to 0. Higher positions keep NULLA's zeros.
  const int J = U.HOSSZ;
  std::uint8_t* q = HANYADOS.JEGY.data();
  for (int I = J; I >= HB + 1; --I) EGYJEGYOSZTAS(U, SEGED, q[I - HB - 1], by_radix);
  // Only a dividend of HOSSZ 256 can have a quotient digit at position 256:
  // such a quotient does not fit, and keeps its lowest 256 digits.
  const bool too_long = q[256] != 0;
  HOSSZALLITAS(HANYADOS, J - HB);

  // D8 unnormalize: the remainder, in positions 0..HB, divided by NORM.
  if (NORM > 1) {
    // Several digits per step: as many (k) as keep NORM * R^k below 2^25, the
    // reach of the reciprocal (six in radix 10, two in radix 256). With AT the
    // remainder so far (below NORM), X = AT * R^k + the next k digits, and
    // X div NORM (below R^k) gives the k digits of the result. The next X comes
    // from this one as X * R^k - (X div NORM) * NORM * R^k + the next k digits,
    // so that one reciprocal and one product lie between two steps.
    const unsigned R = radix();
    const Reciprocal by_norm(NORM), by_r(R);
    int k = 1;
    std::uint64_t Rk = R;
    while (NORM * Rk * R < (std::uint64_t{1} << 25)) {
      Rk *= R;
      ++k;
    }
    std::uint8_t* u = U.JEGY;
    // The k digits u[I - k + 1 .. I] as one number, and back.
    auto chunk = [&](int I) {
      std::uint64_t w = 0;
      for (int j = I; j > I - k; --j) w = w * R + u[j];
      return w;
    };
    auto store = [&](int I, std::uint64_t digits) {
      for (int j = I - k + 1; j <= I; ++j) {
        const unsigned high = by_r.divide(digits);
        u[j] = static_cast<std::uint8_t>(digits - std::uint64_t{high} * R);
        digits = high;
      }
    };
    // The top (HB + 1) mod k digits alone, one at a time; then whole steps.
    std::uint64_t AT = 0;
    int I = HB;
    for (; (I + 1) % k != 0; --I) {
      const std::uint64_t X = AT * R + u[I];
      const unsigned top = by_norm.divide(X);
      AT = X - std::uint64_t{top} * NORM;
      u[I] = static_cast<std::uint8_t>(top);
    }
    if (I >= 0) {
      const std::uint64_t NORM_Rk = NORM * Rk;
      std::uint64_t X = AT * Rk + chunk(I);
      for (;;) {
        const unsigned digits = by_norm.divide(X);
        const std::uint64_t next = I - k >= 0 ? chunk(I - k) : 0;
        store(I, digits);
        I -= k;
        if (I < 0) break;
        X = X * Rk - digits * NORM_Rk + next;
      }
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
