// Test support: GMP as an independent oracle (digits converted by Horner's
// rule, so it does not lean on the library's own conversions), random
// operands with long runs of 0 and R - 1 digits, capture of console output,
// and running a program as a separate process.
#pragma once

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <sys/wait.h>

#include "aritunit.hpp"
#include "oracle.hpp"
#include "raciona5.hpp"

namespace test {

using aritunit::EGESZSZAM;

// Start-up of both modules, as the program does it, before every test.
class Modules : public ::testing::Test {
 protected:
  void SetUp() override {
    aritunit::INICIALIZALAS();
    raciona5::INICIALIZALAS();
  }
};

// An integer in `radix` from its digits, most significant first. HOSSZ is the
// top index of the digits given (leading zeros are kept). Positions above it
// are filled with `junk`, which no operation may read.
inline EGESZSZAM make(int radix, std::initializer_list<int> digits_msb_first,
                      aritunit::ELOJELTIPUS sign = aritunit::POZ, int junk = 0) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix;
  x.ELOJEL = sign;
  int n = static_cast<int>(digits_msb_first.size());
  x.HOSSZ = n - 1;
  int i = n - 1;
  for (int d : digits_msb_first) x.JEGY[i--] = d;
  for (int p = n; p <= 256; ++p) x.JEGY[p] = junk % radix;
  return x;
}

// True when x is in normal form: HOSSZ 0, or a non-zero digit at HOSSZ.
inline bool normal_form(const EGESZSZAM& x) { return x.HOSSZ == 0 || x.JEGY[x.HOSSZ] != 0; }

// x holds exactly v: the value, a normal-form HOSSZ, and the sign (POZ for a
// non-zero positive value, NEG for a negative one, `zero_sign` for zero).
inline ::testing::AssertionResult holds(const EGESZSZAM& x, const mpz_class& v,
                                        aritunit::ELOJELTIPUS zero_sign = aritunit::POZ) {
  aritunit::ELOJELTIPUS sign = v < 0 ? aritunit::NEG : v > 0 ? aritunit::POZ : zero_sign;
  if (value(x) != v || x.ELOJEL != sign || !normal_form(x))
    return ::testing::AssertionFailure()
           << "holds " << value(x).get_str() << " (sign " << x.ELOJEL << ", HOSSZ " << x.HOSSZ
           << (normal_form(x) ? "" : ", not normal") << "), expected " << v.get_str() << " (sign "
           << sign << ")";
  return ::testing::AssertionSuccess();
}

// Positions `from`..256 of `after` still hold what they held in `before`.
inline ::testing::AssertionResult kept_from(const EGESZSZAM& after, const EGESZSZAM& before, int from) {
  for (int i = from < 0 ? 0 : from; i <= 256; ++i)
    if (after.JEGY[i] != before.JEGY[i])
      return ::testing::AssertionFailure() << "position " << i << " changed from " << before.JEGY[i]
                                           << " to " << after.JEGY[i];
  return ::testing::AssertionSuccess();
}

// A record of `radix` with every digit set to `junk` (a result record that has
// held something else), sign NEG and HOSSZ 7.
inline EGESZSZAM junk_record(int radix, int junk) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix;
  x.ELOJEL = aritunit::NEG;
  x.HOSSZ = 7;
  for (int i = 0; i <= 256; ++i) x.JEGY[i] = junk % radix;
  return x;
}

// The value of the double-length value (high:low), |high| * R^256 + |low|,
// negative when either half that is not zero is NEG.
inline mpz_class double_value(const EGESZSZAM& low, const EGESZSZAM& high) {
  mpz_class lo = abs(value(low)), hi = abs(value(high));
  mpz_class m = hi * power(high.SZAMRENDSZER, 256) + lo;
  bool neg = (hi != 0 && high.ELOJEL == aritunit::NEG) || (lo != 0 && low.ELOJEL == aritunit::NEG);
  return neg ? mpz_class(-m) : m;
}

// The fraction num/den in `radix`, both fields in normal form.
inline raciona5::TORT fraction(const mpz_class& num, const mpz_class& den, int radix) {
  return raciona5::TORT{from_mpz(num, radix), from_mpz(den, radix)};
}

// Deterministic random numbers; the seed comes from LONGARITH_SEED when set and
// is printed with every failure.
class Random {
 public:
  Random() {
    const char* env = std::getenv("LONGARITH_SEED");
    seed_ = env ? std::strtoull(env, nullptr, 10) : 20261211ULL;
    gen_.seed(seed_);
  }
  std::uint64_t seed() const { return seed_; }
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }

  // A normal-form integer of `radix` with HOSSZ exactly `hossz` (a non-zero
  // top digit unless hossz is 0), random sign, digits in runs of 0, R - 1 and
  // random values. Positions above HOSSZ hold junk.
  EGESZSZAM integer(int radix, int hossz, bool allow_negative = true) {
    EGESZSZAM x{};
    x.SZAMRENDSZER = radix;
    x.HOSSZ = hossz;
    x.ELOJEL = allow_negative && uniform(0, 1) ? aritunit::NEG : aritunit::POZ;
    int i = 0;
    while (i <= hossz) {
      int kind = uniform(0, 2);
      int run = uniform(1, 24);
      for (; run > 0 && i <= hossz; --run, ++i)
        x.JEGY[i] = kind == 0 ? 0 : kind == 1 ? radix - 1 : uniform(0, radix - 1);
    }
    if (hossz > 0 && x.JEGY[hossz] == 0) x.JEGY[hossz] = uniform(1, radix - 1);
    for (int p = hossz + 1; p <= 256; ++p) x.JEGY[p] = uniform(0, radix - 1);
    return x;
  }

 private:
  std::uint64_t seed_;
  std::mt19937_64 gen_;
};

// What `body` writes on the console (standard output).
inline std::string console_output(const std::function<void()>& body) {
  ::testing::internal::CaptureStdout();
  body();
  return ::testing::internal::GetCapturedStdout();
}

struct Process {
  std::string output;
  int status;  // exit status, or 128 + signal
};

// Runs `command` through the shell with standard input from `input_redirect`
// (for instance "< /dev/null") and returns its standard output and status.
inline Process run(const std::string& command) {
  Process p{{}, -1};
  FILE* f = ::popen(command.c_str(), "r");
  if (!f) return p;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) p.output.append(buf, n);
  int st = ::pclose(f);
  p.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  return p;
}

}  // namespace test
