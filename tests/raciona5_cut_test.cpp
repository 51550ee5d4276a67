// Cutting a fraction of double-length values back to single length.
#include "raciona5_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using namespace raciona5;

class Cut : public test::Modules {};

// A double-length value as the cut expects it: both halves with one sign, the
// high half in normal form (or zero), the low half full width (HOSSZ 255,
// leading zeros allowed) under a high half that is not zero and in normal form
// otherwise. Digits above each half's HOSSZ are junk.
struct Double {
  EGESZSZAM low, high;
};

// high_hossz < 0 gives a zero high half; low_hossz is used only then.
Double random_double(test::Random& rnd, int radix, int high_hossz, int low_hossz, ELOJELTIPUS sign) {
  Double d;
  if (high_hossz < 0) {
    d.high = test::make(radix, {0}, sign, rnd.uniform(0, radix - 1));
    d.low = rnd.integer(radix, low_hossz, false);
  } else {
    d.high = rnd.integer(radix, high_hossz, false);
    if (high_hossz == 0 && d.high.JEGY[0] == 0) d.high.JEGY[0] = 1;
    d.low = rnd.integer(radix, 255, false);
    if (rnd.uniform(0, 3) == 0) d.low.JEGY[255] = 0;  // a leading zero in the low half
  }
  d.high.ELOJEL = d.low.ELOJEL = sign;
  return d;
}

// Cuts num/den into junk-filled records and checks the result against GMP:
// both magnitudes divided by R^(K+1) and truncated, K the HOSSZ of the larger
// high half (the numerator's on a tie); a denominator that keeps no digit
// leaves the records as they were and raises the flag.
void check_cut(const Double& num, const Double& den) {
  const int radix = num.high.SZAMRENDSZER;
  test::Random junk;
  TORT out{junk.integer(radix, 77), junk.integer(radix, 78)};
  const TORT before = out;
  KEREKITES = false;
  EGYSZERUSIT(num.low, num.high, den.low, den.high, out.SZAMLALO, out.NEVEZO);

  mpz_class n = abs(test::double_value(num.low, num.high));
  mpz_class d = abs(test::double_value(den.low, den.high));
  bool numerator_larger = abs(test::value(num.high)) >= abs(test::value(den.high));
  int k = numerator_larger ? num.high.HOSSZ : den.high.HOSSZ;
  mpz_class drop = test::power(radix, k + 1);
  mpz_class n_cut = n / drop, d_cut = d / drop;
  if (d_cut == 0) {
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_FALSE(KEREKITES);
    EXPECT_EQ(out.SZAMLALO.JEGY, before.SZAMLALO.JEGY);
    EXPECT_EQ(out.NEVEZO.JEGY, before.NEVEZO.JEGY);
    EXPECT_EQ(out.NEVEZO.HOSSZ, before.NEVEZO.HOSSZ);
    return;
  }
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_TRUE(KEREKITES);
  bool negative = num.high.ELOJEL == NEG && n_cut != 0;
  EXPECT_EQ(test::value(out.SZAMLALO), negative ? mpz_class(-n_cut) : n_cut);
  EXPECT_EQ(out.SZAMLALO.ELOJEL, negative ? NEG : POZ);
  EXPECT_EQ(test::value(out.NEVEZO), d_cut);
  EXPECT_EQ(out.NEVEZO.ELOJEL, POZ);
  EXPECT_EQ(numerator_larger ? out.SZAMLALO.HOSSZ : out.NEVEZO.HOSSZ, 255);
  EXPECT_TRUE(test::normal_form(out.SZAMLALO));
  EXPECT_TRUE(test::normal_form(out.NEVEZO));
  EXPECT_EQ(out.SZAMLALO.SZAMRENDSZER, radix);
  EXPECT_EQ(out.NEVEZO.SZAMRENDSZER, radix);
}

// High halves 12 and 3 over full low halves: two digits dropped from each.
TEST_F(Cut, DropsTheSameDigitsFromBoth) {
  test::Random rnd;
  Double num = random_double(rnd, 10, 1, 0, POZ), den = random_double(rnd, 10, 0, 0, NEG);
  num.high = test::make(10, {1, 2});
  den.high = test::make(10, {3}, NEG);
  EGESZSZAM szamlalo{}, nevezo{};
  EGYSZERUSIT(num.low, num.high, den.low, den.high, szamlalo, nevezo);
  EXPECT_EQ(szamlalo.HOSSZ, 255);
  EXPECT_EQ(szamlalo.JEGY[255], 1);
  EXPECT_EQ(szamlalo.JEGY[254], 2);
  EXPECT_EQ(nevezo.HOSSZ, 254);
  EXPECT_EQ(nevezo.JEGY[254], 3);
  for (int i = 2; i <= 255; ++i) {
    ASSERT_EQ(szamlalo.JEGY[i - 2], num.low.JEGY[i]) << i;
    ASSERT_EQ(nevezo.JEGY[i - 2], den.low.JEGY[i]) << i;
  }
  EXPECT_EQ(nevezo.ELOJEL, POZ);
  EXPECT_TRUE(KEREKITES);
}

TEST_F(Cut, RandomFractionsAgainstGmp) {
  test::Random rnd;
  for (int radix : {2, 10, 16, 256}) {
    for (int round = 0; round < 150; ++round) {
      auto high_hossz = [&] { return rnd.uniform(0, 3) == 0 ? -1 : rnd.uniform(0, 255); };
      int hn = high_hossz(), hd = high_hossz();
      if (hn < 0 && hd < 0) hd = rnd.uniform(0, 255);
      if (rnd.uniform(0, 4) == 0 && hn >= 0) hd = hn;  // high halves of one length
      Double num = random_double(rnd, radix, hn, rnd.uniform(0, 255), rnd.uniform(0, 1) ? NEG : POZ);
      Double den = random_double(rnd, radix, hd, rnd.uniform(0, 255), POZ);
      SCOPED_TRACE("radix " + std::to_string(radix) + " round " + std::to_string(round) + " seed " +
                   std::to_string(rnd.seed()));
      aritunit::INICIALIZALAS();
      check_cut(num, den);
    }
  }
}

// The ends of the cut: the larger high half at HOSSZ 255, a smaller value that
// keeps a single digit, one that keeps none, and equal high halves.
TEST_F(Cut, Limits) {
  test::Random rnd;
  struct Case {
    const char* what;
    int num_high, num_low, den_high, den_low;  // a high HOSSZ < 0: zero high half
    ELOJELTIPUS sign;
  } cases[] = {
      {"K 255, the denominator keeps its single high digit", 255, 0, 0, 0, POZ},
      {"K 255, the numerator keeps its single high digit", 0, 0, 255, 0, NEG},
      {"K 255, both high halves full", 255, 0, 255, 0, NEG},
      {"the numerator keeps no digit", -1, 20, 20, 0, NEG},
      {"the numerator keeps no digit, K 255", -1, 255, 255, 0, POZ},
      {"the numerator keeps exactly one digit", -1, 21, 20, 0, NEG},
      {"the denominator would keep no digit", 20, 0, -1, 20, POZ},
      {"the denominator would keep no digit, K 255", 255, 0, -1, 255, NEG},
      {"the denominator keeps exactly one digit", 20, 0, -1, 21, POZ},
  };
  for (int radix : {2, 10, 256}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + ", radix " + std::to_string(radix));
      aritunit::INICIALIZALAS();
      check_cut(random_double(rnd, radix, c.num_high, c.num_low, c.sign),
                random_double(rnd, radix, c.den_high, c.den_low, POZ));
    }
  }
  // Equal high halves: the numerator counts as the larger, so the
  // denominator's HOSSZ is 255 as well.
  Double num = random_double(rnd, 10, 9, 0, POZ), den = random_double(rnd, 10, 9, 0, POZ);
  den.high = num.high;
  EGESZSZAM szamlalo{}, nevezo{};
  EGYSZERUSIT(num.low, num.high, den.low, den.high, szamlalo, nevezo);
  EXPECT_EQ(szamlalo.HOSSZ, 255);
  EXPECT_EQ(nevezo.HOSSZ, 255);
}

}  // namespace
