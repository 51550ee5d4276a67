// The fraction module beside the same computations in GMP: the double-length
// product of 256-digit factors, the gcd with its cofactors of 200-digit
// operands, and fraction sums, exact (200-digit fractions whose denominators
// share a 150-digit factor, so every product fits in 256 digits) and cut
// (256-digit fractions, whose sums are cut back to 256 digits).
#include "raciona5_private.hpp"
#include "support.hpp"

namespace bench {
namespace {

using aritunit::TULCSORDULT;
using raciona5::TORT;

void check_flag(benchmark::State& state) {
  if (TULCSORDULT) state.SkipWithError("TULCSORDULT was raised");
  TULCSORDULT = false;
}

std::string column(int radix) { return "radix " + std::to_string(radix); }

// case_count pairs of integers with HOSSZ `hossz`, ours and GMP's.
struct Integers {
  std::vector<EGESZSZAM> a, b;
  std::vector<mpz_class> ga, gb;
};

Integers integers(const std::string& operation, int radix, int hossz) {
  auto gen = generator(operation, radix);
  Integers o;
  for (int i = 0; i < case_count; ++i) {
    o.a.push_back(random_integer(gen, radix, hossz, radix - 1));
    o.b.push_back(random_integer(gen, radix, hossz, radix - 1));
    o.ga.push_back(to_mpz(o.a.back()));
    o.gb.push_back(to_mpz(o.b.back()));
  }
  return o;
}

// case_count pairs of fractions a/b and c/d, ours and GMP's (numerator and
// denominator of each).
struct Fractions {
  std::vector<TORT> x, y;
  std::vector<mpz_class> a, b, c, d;
};

// Random signs on the numerators.
EGESZSZAM signed_integer(std::mt19937_64& gen, int radix, int hossz, int top_max) {
  EGESZSZAM v = random_integer(gen, radix, hossz, top_max);
  if (gen() & 1) v.ELOJEL = aritunit::NEG;
  return v;
}

// 200-digit numerators; denominators g * b' and g * d' with g of 150 digits
// and b', d' of 50, so that the cross products and the common denominator
// have at most 250 digits.
Fractions exact_fractions(int radix) {
  auto gen = generator("TORTOSSZEAD exact", radix);
  Fractions f;
  for (int i = 0; i < case_count; ++i) {
    mpz_class g = to_mpz(random_integer(gen, radix, 149, radix - 1));
    TORT x, y;
    x.SZAMLALO = signed_integer(gen, radix, 199, radix - 1);
    x.NEVEZO = from_mpz(g * to_mpz(random_integer(gen, radix, 49, radix - 1)), radix);
    y.SZAMLALO = signed_integer(gen, radix, 199, radix - 1);
    y.NEVEZO = from_mpz(g * to_mpz(random_integer(gen, radix, 49, radix - 1)), radix);
    f.x.push_back(x);
    f.y.push_back(y);
  }
  for (int i = 0; i < case_count; ++i) {
    f.a.push_back(to_mpz(f.x[i].SZAMLALO));
    f.b.push_back(to_mpz(f.x[i].NEVEZO));
    f.c.push_back(to_mpz(f.y[i].SZAMLALO));
    f.d.push_back(to_mpz(f.y[i].NEVEZO));
  }
  return f;
}

// 256-digit numerators and denominators with top digits below R/2, so that a
// same-sign numerator stays below R^512.
Fractions full_fractions(int radix) {
  auto gen = generator("TORTOSSZEAD cut", radix);
  Fractions f;
  int top = radix / 2 - 1;
  for (int i = 0; i < case_count; ++i) {
    TORT x{signed_integer(gen, radix, 255, top), random_integer(gen, radix, 255, top)};
    TORT y{signed_integer(gen, radix, 255, top), random_integer(gen, radix, 255, top)};
    f.x.push_back(x);
    f.y.push_back(y);
    f.a.push_back(to_mpz(x.SZAMLALO));
    f.b.push_back(to_mpz(x.NEVEZO));
    f.c.push_back(to_mpz(y.SZAMLALO));
    f.d.push_back(to_mpz(y.NEVEZO));
  }
  return f;
}

// GMP's side of a fraction sum: the same unreduced numerator and denominator
// over the least common multiple of the denominators, and, with `cut`, both
// divided by the power of the radix that brings the larger to 256 digits.
struct GmpSum {
  mpz_class g = with_room(), b1 = with_room(), d1 = with_room(), t = with_room(), u = with_room(),
            num = with_room(), den = with_room();
  std::vector<mpz_class> powers;  // radix^k for k = 0..256

  explicit GmpSum(int radix) {
    for (unsigned k = 0; k <= 256; ++k) {
      mpz_class p;
      mpz_ui_pow_ui(p.get_mpz_t(), static_cast<unsigned long>(radix), k);
      powers.push_back(p);
    }
  }

  void add(const mpz_class& a, const mpz_class& b, const mpz_class& c, const mpz_class& d) {
    mpz_gcd(g.get_mpz_t(), b.get_mpz_t(), d.get_mpz_t());
    mpz_divexact(b1.get_mpz_t(), b.get_mpz_t(), g.get_mpz_t());
    mpz_divexact(d1.get_mpz_t(), d.get_mpz_t(), g.get_mpz_t());
    mpz_mul(t.get_mpz_t(), a.get_mpz_t(), d1.get_mpz_t());
    mpz_mul(u.get_mpz_t(), c.get_mpz_t(), b1.get_mpz_t());
    mpz_add(num.get_mpz_t(), t.get_mpz_t(), u.get_mpz_t());
    mpz_mul(den.get_mpz_t(), b.get_mpz_t(), d1.get_mpz_t());
  }

  void cut(int radix) {
    const mpz_class& larger = mpz_cmpabs(num.get_mpz_t(), den.get_mpz_t()) >= 0 ? num : den;
    int n = static_cast<int>(mpz_sizeinbase(larger.get_mpz_t(), radix));
    if (radix != 256 && mpz_cmpabs(larger.get_mpz_t(), powers[n - 1].get_mpz_t()) < 0) --n;
    if (n <= 256) return;
    int drop = n - 256;
    if (radix == 256) {
      mpz_tdiv_q_2exp(num.get_mpz_t(), num.get_mpz_t(), 8UL * drop);
      mpz_tdiv_q_2exp(den.get_mpz_t(), den.get_mpz_t(), 8UL * drop);
    } else {
      mpz_tdiv_q(num.get_mpz_t(), num.get_mpz_t(), powers[drop].get_mpz_t());
      mpz_tdiv_q(den.get_mpz_t(), den.get_mpz_t(), powers[drop].get_mpz_t());
    }
  }
};

void add_fraction_sum(const std::string& name, int radix, bool full_length) {
  add_pair(
      name, column(radix),
      [=](benchmark::State& state) {
        Fractions in = full_length ? full_fractions(radix) : exact_fractions(radix);
        TORT r{};
        int i = 0;
        for (auto _ : state) {
          raciona5::TORTOSSZEAD(in.x[i], in.y[i], r);
          benchmark::DoNotOptimize(r);
          i = next_case(i);
        }
        check_flag(state);
      },
      [=](benchmark::State& state) {
        Fractions in = full_length ? full_fractions(radix) : exact_fractions(radix);
        GmpSum sum(radix);
        int i = 0;
        for (auto _ : state) {
          sum.add(in.a[i], in.b[i], in.c[i], in.d[i]);
          if (full_length) sum.cut(radix);
          benchmark::DoNotOptimize(sum.num.get_mpz_t()->_mp_d[0]);
          benchmark::DoNotOptimize(sum.den.get_mpz_t()->_mp_d[0]);
          i = next_case(i);
        }
      });
}

}  // namespace

void register_fraction_benchmarks(int radix) {
  const std::string product = "HOSSZUSZOROZ 256x256";
  add_pair(
      product, column(radix),
      [=](benchmark::State& state) {
        Integers in = integers(product, radix, 255);
        EGESZSZAM low{}, high{};
        int i = 0;
        for (auto _ : state) {
          raciona5::HOSSZUSZOROZ(in.a[i], in.b[i], low, high);
          benchmark::DoNotOptimize(low);
          benchmark::DoNotOptimize(high);
          i = next_case(i);
        }
        check_flag(state);
      },
      [=](benchmark::State& state) {
        Integers in = integers(product, radix, 255);
        mpz_class r = with_room();
        int i = 0;
        for (auto _ : state) {
          mpz_mul(r.get_mpz_t(), in.ga[i].get_mpz_t(), in.gb[i].get_mpz_t());
          benchmark::DoNotOptimize(r.get_mpz_t()->_mp_d[0]);
          i = next_case(i);
        }
      });

  const std::string gcd = "LNKO 200";
  add_pair(
      gcd, column(radix),
      [=](benchmark::State& state) {
        Integers in = integers(gcd, radix, 199);
        EGESZSZAM g{}, a1{}, b1{};
        int i = 0;
        for (auto _ : state) {
          raciona5::LNKO(in.a[i], in.b[i], g, a1, b1);
          benchmark::DoNotOptimize(g);
          i = next_case(i);
        }
        check_flag(state);
      },
      [=](benchmark::State& state) {
        Integers in = integers(gcd, radix, 199);
        mpz_class g = with_room(), a1 = with_room(), b1 = with_room();
        int i = 0;
        for (auto _ : state) {
          mpz_gcd(g.get_mpz_t(), in.ga[i].get_mpz_t(), in.gb[i].get_mpz_t());
          mpz_divexact(a1.get_mpz_t(), in.ga[i].get_mpz_t(), g.get_mpz_t());
          mpz_divexact(b1.get_mpz_t(), in.gb[i].get_mpz_t(), g.get_mpz_t());
          benchmark::DoNotOptimize(b1.get_mpz_t()->_mp_d[0]);
          i = next_case(i);
        }
      });

  add_fraction_sum("TORTOSSZEAD 200 exact", radix, false);
  add_fraction_sum("TORTOSSZEAD 256 cut", radix, true);
}

}  // namespace bench
