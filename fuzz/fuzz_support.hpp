// Shared parts of the fuzz targets: turning the fuzzer's bytes into operands,
// GMP values of records, capture of the console, and the check that ends a run
// with a description of what went wrong.
#pragma once

#include <fcntl.h>
#include <gmpxx.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "aritunit.hpp"
#include "support.hpp"

namespace fuzz {

using aritunit::EGESZSZAM;

// Ends the run (a finding for the fuzzer) when `cond` is false.
#define FUZZ_CHECK(cond, ...)                                                        \
  do {                                                                               \
    if (!(cond)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::fprintf(stderr, __VA_ARGS__);                                             \
      std::fprintf(stderr, "\n");                                                    \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

// The fuzzer's bytes, read from the front; past the end every byte is 0.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : p_(data), n_(size) {}
  std::uint8_t next() {
    if (n_ == 0) return 0;
    --n_;
    return *p_++;
  }
  std::size_t left() const { return n_; }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
};

// A radix 2..256 from one byte.
inline int radix(std::uint8_t b) { return 2 + b % 255; }

// How an operand's digits are drawn from the digit stream.
struct Shape {
  bool negative;
  int hossz;  // top position asked for; lowered to normal form afterwards
  int mode;   // 0: one byte per digit; 1: all R - 1; 2, 3: runs of 0, R - 1 and bytes
};

inline Shape shape(Bytes& header) {
  std::uint8_t flags = header.next();
  std::uint8_t h = header.next();
  return Shape{(flags & 1) != 0, h, (flags >> 1) & 3};
}

// An integer in `radix` of the given shape, its digits below `limit` (at most
// the radix), in normal form, with `junk` (any byte) in every position above
// HOSSZ.
inline EGESZSZAM integer(const Shape& s, int radix, int limit, Bytes& digits, std::uint8_t junk) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix;
  x.ELOJEL = s.negative ? aritunit::NEG : aritunit::POZ;
  int i = 0;
  while (i <= s.hossz) {
    if (s.mode == 0) {
      x.JEGY[i++] = digits.next() % limit;
    } else if (s.mode == 1) {
      x.JEGY[i++] = limit - 1;
    } else {
      std::uint8_t b = digits.next();
      int kind = b & 3;
      int value = kind == 0 ? 0 : kind == 1 ? limit - 1 : digits.next() % limit;
      for (int run = (b >> 2) + 1; run > 0 && i <= s.hossz; --run) x.JEGY[i++] = value;
    }
  }
  int h = s.hossz;
  while (h > 0 && x.JEGY[h] == 0) --h;
  x.HOSSZ = h;
  for (int p = h + 1; p <= 256; ++p) x.JEGY[p] = junk;
  return x;
}

// A record as a result receives it: every field set, every digit `junk`.
inline EGESZSZAM junk_record(Bytes& header, std::uint8_t junk) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix(header.next());
  std::uint8_t b = header.next();
  x.ELOJEL = (b & 1) ? aritunit::NEG : aritunit::POZ;
  x.HOSSZ = b;
  for (int p = 0; p <= 256; ++p) x.JEGY[p] = junk;
  return x;
}

// The magnitude held in positions 0..HOSSZ, read in `radix` (which may differ
// from the record's own after a radix mismatch).
inline mpz_class magnitude(const EGESZSZAM& x, int radix) {
  EGESZSZAM y = x;
  y.SZAMRENDSZER = radix;
  y.ELOJEL = aritunit::POZ;
  return test::value(y);
}

using test::power;

// Digit `i` of a non-negative v in `radix`.
inline int digit(const mpz_class& v, int radix, int i) {
  mpz_class q = v / power(radix, static_cast<unsigned>(i));
  mpz_class d = q % radix;
  return static_cast<int>(d.get_si());
}

// The top position of v in normal form (0 for zero).
inline int normal_hossz(const mpz_class& v, int radix) {
  int h = 0;
  mpz_class m = v / radix;
  while (m != 0) {
    ++h;
    m /= radix;
  }
  return h;
}

// Checks that positions 0..top of x hold the digits of v and positions above
// hold what `before` held there.
inline void check_digits(const EGESZSZAM& x, const mpz_class& v, int radix, int top, const EGESZSZAM& before,
                         const char* what) {
  mpz_class m = v;
  for (int i = 0; i <= 256; ++i) {
    if (i <= top) {
      mpz_class d = m % radix;
      m /= radix;
      FUZZ_CHECK(x.JEGY[i] == d.get_si(), "%s: position %d holds %d, expected %ld", what, i, int{x.JEGY[i]},
                 d.get_si());
    } else {
      FUZZ_CHECK(x.JEGY[i] == before.JEGY[i], "%s: position %d above the written ones changed from %d to %d",
                 what, i, int{before.JEGY[i]}, int{x.JEGY[i]});
    }
  }
}

inline bool same_record(const EGESZSZAM& a, const EGESZSZAM& b) {
  return a.ELOJEL == b.ELOJEL && a.HOSSZ == b.HOSSZ && a.SZAMRENDSZER == b.SZAMRENDSZER && a.JEGY == b.JEGY;
}

// Console capture: standard output goes into a pipe that `take` empties.
class Console {
 public:
  Console() {
    int fds[2];
    if (::pipe(fds) != 0) std::abort();
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    ::dup2(fds[1], STDOUT_FILENO);
    ::close(fds[1]);
    read_end_ = fds[0];
  }
  std::string take() {
    std::string s;
    char buf[512];
    ssize_t n;
    while ((n = ::read(read_end_, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
    return s;
  }

 private:
  int read_end_ = -1;
};

// The radix-mismatch line an operation writes for radices a and b.
inline std::string mismatch_line(int a, int b) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Kulonbozo szamrendszerek:%3d%3d\r\n", a, b);
  return buf;
}

inline long saturated(long count) { return count > 32767 ? 32767 : count; }

}  // namespace fuzz
