// GMP as the independent oracle: our records to GMP integers by Horner's rule
// (so the oracle does not lean on the library's own conversions) and back.
// Free of any test framework: the tests, the fuzz targets and the benchmark
// share it.
#pragma once

#include <gmpxx.h>

#include "aritunit.hpp"

namespace test {

using aritunit::EGESZSZAM;

// The value of x as GMP sees it: digits 0..HOSSZ by Horner's rule, and the sign.
inline mpz_class value(const EGESZSZAM& x) {
  mpz_class v = 0;
  for (int i = x.HOSSZ; i >= 0; --i) v = v * int{x.SZAMRENDSZER} + x.JEGY[i];
  return x.ELOJEL == aritunit::NEG ? mpz_class(-v) : v;
}

// v in normal form in `radix` (at most 257 digits), positions above HOSSZ zero.
inline EGESZSZAM from_mpz(const mpz_class& v, int radix) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix;
  x.ELOJEL = v < 0 ? aritunit::NEG : aritunit::POZ;
  mpz_class m = abs(v);
  int i = 0;
  while (m != 0) {
    mpz_class d = m % radix;
    x.JEGY[i++] = static_cast<int>(d.get_si());
    m /= radix;
  }
  x.HOSSZ = i == 0 ? 0 : i - 1;
  return x;
}

// R^n as an mpz.
inline mpz_class power(int radix, unsigned n) {
  mpz_class p;
  mpz_ui_pow_ui(p.get_mpz_t(), static_cast<unsigned long>(radix), n);
  return p;
}

}  // namespace test
