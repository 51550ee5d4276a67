// The integer operations beside GMP's mpz functions: addition and subtraction
// of 256-digit operands, a 128 x 128-digit product, and divisions of a
// 255-digit dividend by 128-digit and 5-digit divisors.
#include "support.hpp"

namespace bench {
namespace {

using aritunit::TULCSORDULT;

// case_count operand pairs, as our records and as GMP's integers.
struct Operands {
  std::vector<EGESZSZAM> a, b;
  std::vector<mpz_class> ga, gb;
};

// Pairs with HOSSZ ha and hb, top digits up to top_a and top_b.
Operands operands(const std::string& operation, int radix, int ha, int top_a, int hb, int top_b) {
  auto gen = generator(operation, radix);
  Operands o;
  for (int i = 0; i < case_count; ++i) {
    o.a.push_back(random_integer(gen, radix, ha, top_a));
    o.b.push_back(random_integer(gen, radix, hb, top_b));
    o.ga.push_back(to_mpz(o.a.back()));
    o.gb.push_back(to_mpz(o.b.back()));
  }
  return o;
}

// A run that raised the overflow flag timed no digit work: report it, and
// leave the flag clear for the next benchmark.
void check_flag(benchmark::State& state) {
  if (TULCSORDULT) state.SkipWithError("TULCSORDULT was raised");
  TULCSORDULT = false;
}

// One binary operation of ours, `op`(a, b, result), and GMP's, `gop`.
template <typename Ours, typename Gmp>
void add_binary(const std::string& name, int radix, int ha, int top_a, int hb, int top_b, Ours op, Gmp gop) {
  add_pair(
      name, "radix " + std::to_string(radix),
      [=](benchmark::State& state) {
        Operands in = operands(name, radix, ha, top_a, hb, top_b);
        EGESZSZAM r{};
        int i = 0;
        for (auto _ : state) {
          op(in.a[i], in.b[i], r);
          benchmark::DoNotOptimize(r);
          i = next_case(i);
        }
        check_flag(state);
      },
      [=](benchmark::State& state) {
        Operands in = operands(name, radix, ha, top_a, hb, top_b);
        mpz_class r = with_room();
        int i = 0;
        for (auto _ : state) {
          gop(r.get_mpz_t(), in.ga[i].get_mpz_t(), in.gb[i].get_mpz_t());
          benchmark::DoNotOptimize(r.get_mpz_t()->_mp_d[0]);
          i = next_case(i);
        }
      });
}

}  // namespace

void register_integer_benchmarks(int radix) {
  // Top digits below R/2 keep the 256-digit sum below R^256.
  add_binary("OSSZEAD 256+256", radix, 255, radix / 2 - 1, 255, radix / 2 - 1,
             [](EGESZSZAM& a, EGESZSZAM& b, EGESZSZAM& r) { aritunit::OSSZEAD(a, b, r); }, mpz_add);
  add_binary("KIVON 256-256", radix, 255, radix - 1, 255, radix - 1,
             [](EGESZSZAM& a, EGESZSZAM& b, EGESZSZAM& r) { aritunit::KIVON(a, b, r); }, mpz_sub);
  add_binary("SZOROZ 128x128", radix, 127, radix - 1, 127, radix - 1,
             [](EGESZSZAM& a, EGESZSZAM& b, EGESZSZAM& r) { aritunit::SZOROZ(a, b, r); }, mpz_mul);

  for (int divisor_digits : {128, 5}) {
    std::string name = "OSZT 255/" + std::to_string(divisor_digits);
    int hb = divisor_digits - 1;
    add_pair(
        name, "radix " + std::to_string(radix),
        [=](benchmark::State& state) {
          Operands in = operands(name, radix, 254, radix - 1, hb, radix - 1);
          EGESZSZAM q{}, r{};
          int i = 0;
          for (auto _ : state) {
            aritunit::OSZT(in.a[i], in.b[i], q, r);
            benchmark::DoNotOptimize(q);
            benchmark::DoNotOptimize(r);
            i = next_case(i);
          }
          check_flag(state);
        },
        [=](benchmark::State& state) {
          Operands in = operands(name, radix, 254, radix - 1, hb, radix - 1);
          mpz_class q = with_room(), r = with_room();
          int i = 0;
          for (auto _ : state) {
            mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), in.ga[i].get_mpz_t(), in.gb[i].get_mpz_t());
            benchmark::DoNotOptimize(q.get_mpz_t()->_mp_d[0]);
            benchmark::DoNotOptimize(r.get_mpz_t()->_mp_d[0]);
            i = next_case(i);
          }
        });
  }
}

}  // namespace bench
