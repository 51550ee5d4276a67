// Benchmark support: operands made from a fixed seed (the same values for our
// operation and for GMP's), conversions between our records and GMP's
// integers, and the registry of timed pairs whose ratio the reporter prints.
#pragma once

#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "aritunit.hpp"
#include "oracle.hpp"

namespace bench {

using aritunit::EGESZSZAM;

// Each benchmark cycles through this many operand sets, so that no single
// value is learnt by the branch predictor.
inline constexpr int case_count = 16;

// The next operand set of the cycle.
inline int next_case(int i) { return (i + 1) % case_count; }

// A generator with a fixed seed per operation, so that both sides of a pair
// draw the same values.
std::mt19937_64 generator(const std::string& operation, int radix);

// A positive integer of `radix` with HOSSZ `hossz`: uniform digits, the top
// digit from 1 to `top_max` (which keeps sums and products below a bound).
// Positions above HOSSZ are zero.
EGESZSZAM random_integer(std::mt19937_64& gen, int radix, int hossz, int top_max);

// Conversions to and from GMP's integers, shared with the tests.
using test::from_mpz;
inline mpz_class to_mpz(const EGESZSZAM& x) { return test::value(x); }

// An mpz with room for `bits`, so that GMP does not reallocate while timed.
mpz_class with_room(unsigned long bits = 8 * 1200);

// The number of digits of |v| in `radix` (1 for zero).
int digit_count(const mpz_class& v, int radix);

using Body = std::function<void(benchmark::State&)>;

// Registers `ours` and `gmp` as "<operation>/<column>/ours" and ".../gmp". The
// reporter prints the ratio of their median times, in CPU time, or in real
// time for a pair that runs other processes (`real_time`).
void add_pair(const std::string& operation, const std::string& column, Body ours, Body gmp,
              bool real_time = false);

struct Pair {
  std::string operation;
  std::string column;
  bool real_time;
};

// The pairs in the order they were registered.
const std::vector<Pair>& pairs();

// Registration of each program part's pairs, called by main in table order.
void register_integer_benchmarks(int radix);
void register_fraction_benchmarks(int radix);
void register_program_benchmarks();

}  // namespace bench
