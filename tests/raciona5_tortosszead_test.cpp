// Fraction addition: exact while numerator and denominator fit in 256 digits,
// cut back to 256 digits when they do not.
#include "support.hpp"

namespace {

using namespace aritunit;
using namespace raciona5;

class FractionSum : public test::Modules {};

// Number of radix digits of x > 0 (0 for 0).
int digits(mpz_class x, int radix) {
  int n = 0;
  for (; x != 0; x /= radix) ++n;
  return n;
}

struct Sum {
  TORT result;
  TORT before;  // the junk the result record held
  std::string console;
};

// TORTOSSZEAD(A, B) into a junk-filled record, with what it wrote on the console.
Sum add(const TORT& a, const TORT& b) {
  test::Random junk;
  int radix = a.SZAMLALO.SZAMRENDSZER;
  Sum s{{junk.integer(radix, 90), junk.integer(radix, 91)}, {}, {}};
  s.before = s.result;
  s.console = test::console_output([&] { TORTOSSZEAD(a, b, s.result); });
  return s;
}

// Checks a/b + c/d against GMP: with g = gcd(b, d), the numerator a (d/g) +
// c (b/g) over b (d/g), exactly when both fit in 256 digits; otherwise both
// magnitudes divided by R^n, truncated, n the digits of the longer beyond 256
// (sign in the numerator, positive denominator). A denominator that the cut
// leaves without a digit cannot be held: the flag is raised and the result
// record keeps what it held.
void check_sum(const TORT& a, const TORT& b) {
  const int radix = a.SZAMLALO.SZAMRENDSZER;
  KEREKITES = false;
  Sum s = add(a, b);
  mpz_class nb = test::value(a.NEVEZO), nd = test::value(b.NEVEZO);
  mpz_class g = gcd(nb, nd);
  mpz_class num = test::value(a.SZAMLALO) * (nd / g) + test::value(b.SZAMLALO) * (nb / g);
  mpz_class den = nb * (nd / g);
  int drop = std::max(digits(abs(num), radix), digits(den, radix)) - 256;
  bool cut = drop > 0;
  if (cut) {
    mpz_class r = test::power(radix, drop);
    num = num < 0 ? mpz_class(-(-num / r)) : mpz_class(num / r);
    den /= r;
  }
  EXPECT_EQ(s.console, "");
  if (den == 0) {
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_EQ(s.result.SZAMLALO.JEGY, s.before.SZAMLALO.JEGY);
    EXPECT_EQ(s.result.NEVEZO.JEGY, s.before.NEVEZO.JEGY);
    EXPECT_EQ(s.result.NEVEZO.HOSSZ, s.before.NEVEZO.HOSSZ);
    return;
  }
  EXPECT_EQ(test::value(s.result.SZAMLALO), num);
  EXPECT_EQ(test::value(s.result.NEVEZO), den);
  EXPECT_EQ(s.result.NEVEZO.ELOJEL, POZ);
  if (num != 0) {
    EXPECT_EQ(s.result.SZAMLALO.ELOJEL, num < 0 ? NEG : POZ);
  }
  EXPECT_TRUE(test::normal_form(s.result.SZAMLALO) && test::normal_form(s.result.NEVEZO));
  EXPECT_EQ(s.result.SZAMLALO.SZAMRENDSZER, radix);
  EXPECT_EQ(s.result.NEVEZO.SZAMRENDSZER, radix);
  EXPECT_EQ(KEREKITES, cut);
  EXPECT_FALSE(TULCSORDULT);
}

std::string trace(const TORT& a, const TORT& b) {
  auto str = [](const TORT& t) {
    return test::value(t.SZAMLALO).get_str() + "/" + test::value(t.NEVEZO).get_str();
  };
  return "radix " + std::to_string(int{a.SZAMLALO.SZAMRENDSZER}) + ": " + str(a) + " + " + str(b);
}

TEST_F(FractionSum, NamedSums) {
  mpz_class e55 = test::power(10, 55), e100 = test::power(10, 100), e200 = test::power(10, 200),
            e255 = test::power(10, 255), e256 = test::power(10, 256);
  struct Case {
    const char* what;
    mpz_class a, b, c, d, num, den;
    ELOJELTIPUS num_sign;
    bool cut;
  } cases[] = {
      {"2/1 + 2/1", 2, 1, 2, 1, 4, 1, POZ, false},
      {"not reduced", 1, 2, 1, 2, 2, 2, POZ, false},
      {"over the least common multiple", 1, 6, 1, 4, 5, 12, POZ, false},
      {"to a POZ zero", 1, 2, -1, 2, 0, 2, POZ, false},
      {"both negative", -1, 3, -1, 3, -2, 3, NEG, false},
      {"a long product that fits", e200, 1, 1, e55, e255 + 1, e55, POZ, false},
      {"low halves carry", e256 - 1, 10, 1, 10, e255, 1, POZ, true},
      {"a borrow across the halves", e200, 1, -1, test::power(10, 60), e256 - 1, test::power(10, 56), POZ,
       true},
      {"equal high halves, the low halves decide", e200, e100 + 1, -e200, e100, -e200, e200 + e100, NEG,
       false},
      {"equal cross products: zero with the first one's sign", -test::power(10, 150) * (e100 + 1), e100 + 1,
       test::power(10, 250), e100, 0, e200 + e100, NEG, false},
      {"a negative numerator that fits over a cut denominator", -1, e200, 0, e100 + 1, -e55,
       e255 + test::power(10, 155), NEG, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    aritunit::INICIALIZALAS();
    raciona5::INICIALIZALAS();
    Sum s = add(test::fraction(c.a, c.b, 10), test::fraction(c.c, c.d, 10));
    EXPECT_EQ(test::value(s.result.SZAMLALO), c.num);
    EXPECT_EQ(test::value(s.result.NEVEZO), c.den);
    EXPECT_EQ(s.result.SZAMLALO.ELOJEL, c.num_sign);
    EXPECT_EQ(s.result.NEVEZO.ELOJEL, POZ);
    EXPECT_TRUE(test::normal_form(s.result.SZAMLALO) && test::normal_form(s.result.NEVEZO));
    EXPECT_EQ(s.result.SZAMLALO.SZAMRENDSZER, 10);
    EXPECT_EQ(s.result.NEVEZO.SZAMRENDSZER, 10);
    EXPECT_EQ(KEREKITES, c.cut);
    EXPECT_FALSE(TULCSORDULT);
    EXPECT_EQ(s.console, "");
  }
}

// The result record may be either operand, and both operands one record.
TEST_F(FractionSum, ResultMayBeAnOperand) {
  mpz_class e256 = test::power(10, 256);
  struct Case {
    mpz_class a, b, c, d;
  } cases[] = {{1, 6, 1, 4}, {e256 - 1, 10, 3, 7}, {-test::power(10, 200), 3, 1, test::power(10, 60)}};
  for (const Case& c : cases) {
    TORT x = test::fraction(c.a, c.b, 10), y = test::fraction(c.c, c.d, 10);
    SCOPED_TRACE(trace(x, y));
    TORT separate{}, into_x = x, into_y = y, self = x, self_sum{};
    TORTOSSZEAD(x, y, separate);
    TORTOSSZEAD(into_x, y, into_x);
    TORTOSSZEAD(x, into_y, into_y);
    TORTOSSZEAD(x, x, self_sum);
    TORTOSSZEAD(self, self, self);
    for (const TORT* t : {&into_x, &into_y}) {
      EXPECT_EQ(test::value(t->SZAMLALO), test::value(separate.SZAMLALO));
      EXPECT_EQ(test::value(t->NEVEZO), test::value(separate.NEVEZO));
    }
    EXPECT_EQ(test::value(self.SZAMLALO), test::value(self_sum.SZAMLALO));
    EXPECT_EQ(test::value(self.NEVEZO), test::value(self_sum.NEVEZO));
    EXPECT_FALSE(TULCSORDULT);
  }
}

TEST_F(FractionSum, RandomSumsAgainstGmp) {
  test::Random rnd;
  for (int radix : {2, 10, 16, 256}) {
    for (int round = 0; round < 60; ++round) {
      auto hossz = [&] { return rnd.uniform(0, 2) ? rnd.uniform(120, 255) : rnd.uniform(0, 255); };
      auto denominator = [&] {
        EGESZSZAM d = rnd.integer(radix, hossz(), false);
        if (test::value(d) == 0) d.JEGY[0] = 1;
        return d;
      };
      TORT a{rnd.integer(radix, hossz()), denominator()}, b{rnd.integer(radix, hossz()), denominator()};
      if (rnd.uniform(0, 3) == 0) {
        // Denominators with a common factor.
        mpz_class f = test::value(rnd.integer(radix, rnd.uniform(0, 60), false)) + 1;
        mpz_class nb = test::value(a.NEVEZO) * f, nd = test::value(b.NEVEZO) * f;
        if (digits(nb, radix) <= 256 && digits(nd, radix) <= 256) {
          a.NEVEZO = test::from_mpz(nb, radix);
          b.NEVEZO = test::from_mpz(nd, radix);
        }
      }
      SCOPED_TRACE(trace(a, b) + " seed " + std::to_string(rnd.seed()));
      aritunit::INICIALIZALAS();
      check_sum(a, b);
    }
  }
}

// Sums that reach the ends of the cut, in several radices: low halves that
// carry (nothing may be written on the console), a numerator of R^512 or more,
// and denominators that a cut would leave without a digit.
TEST_F(FractionSum, CarriesAndTheEndsOfTheCut) {
  for (int radix : {2, 10, 16, 256}) {
    mpz_class r256 = test::power(radix, 256), top = r256 - 1;
    struct Case {
      const char* what;
      mpz_class a, b, c, d;
    } cases[] = {
        {"low halves carry", top, radix, 1, radix},
        {"low halves carry, negative", -top, radix, -1, radix},
        {"a numerator of R^512 or more, first cross product the larger", top, top - 1, top, top},
        {"a numerator of R^512 or more", top, top, top, top - 1},
        {"a numerator of R^512 or more, negative", -top, top, -top, top - 1},
        {"a numerator of R^512 or more over a short denominator", top, top, top, 7},
        {"a sum above R^255 over a one-digit denominator", top, 1, 1, 3},
    };
    for (const Case& c : cases) {
      TORT a = test::fraction(c.a, c.b, radix), b = test::fraction(c.c, c.d, radix);
      SCOPED_TRACE(std::string(c.what) + ", " + trace(a, b));
      aritunit::INICIALIZALAS();
      check_sum(a, b);
    }
  }
}

// No sum is formed with a zero denominator or with the flag raised on entry:
// the flag is raised (or stays so) and the result record keeps what it held.
TEST_F(FractionSum, NoSumWithAZeroDenominatorOrARaisedFlag) {
  struct Case {
    const char* what;
    long b, d;
    bool flag_on_entry;
  } cases[] = {{"first denominator zero", 0, 3, false},
               {"second denominator zero", 3, 0, false},
               {"both denominators zero", 0, 0, false},
               {"flag raised on entry", 3, 5, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    aritunit::INICIALIZALAS();
    TULCSORDULT = c.flag_on_entry;
    Sum s = add(test::fraction(1, c.b, 10), test::fraction(2, c.d, 10));
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_EQ(s.result.SZAMLALO.JEGY, s.before.SZAMLALO.JEGY);
    EXPECT_EQ(s.result.SZAMLALO.HOSSZ, s.before.SZAMLALO.HOSSZ);
    EXPECT_EQ(s.result.NEVEZO.JEGY, s.before.NEVEZO.JEGY);
    EXPECT_EQ(s.result.NEVEZO.HOSSZ, s.before.NEVEZO.HOSSZ);
    EXPECT_EQ(s.console, "");
  }
}

}  // namespace
