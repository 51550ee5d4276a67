// The integer arithmetic against GMP: random operands with runs of 0 and R - 1
// digits, short and full length, every sign combination, in radices from 2 to
// 256. Every sum, difference, product, quotient and remainder must agree in
// value, sign and normal-form HOSSZ; results that outgrow 256 digits raise the
// flag and keep their lowest 256 digits; the counters follow their rules.
#include <string>

#include "aritunit_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using test::holds;

class AgainstGmp : public test::Modules, public ::testing::WithParamInterface<int> {
 protected:
  test::Random rnd;
  const int radix = GetParam();
  const mpz_class limit = test::power(GetParam(), 256);

  // Short, full or anything in between.
  int length() {
    switch (rnd.uniform(0, 2)) {
      case 0: return rnd.uniform(0, 3);
      case 1: return rnd.uniform(250, 255);
      default: return rnd.uniform(0, 255);
    }
  }

  // v reduced to its lowest 256 digits, keeping its sign.
  mpz_class low_digits(const mpz_class& v) {
    mpz_class low = abs(v) % limit;
    return v < 0 ? mpz_class(-low) : low;
  }
};

TEST_P(AgainstGmp, SumsAndDifferences) {
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  for (int round = 0; round < 300; ++round) {
    const EGESZSZAM x = rnd.integer(radix, length()), y = rnd.integer(radix, length());
    for (char op : {'+', '-'}) {
      EGESZSZAM a = x, b = y, r = test::junk_record(radix, radix - 1);
      TULCSORDULT = false;
      mpz_class exact = test::value(x);
      if (op == '+') {
        OSSZEAD(a, b, r);
        exact += test::value(y);
      } else {
        KIVON(a, b, r);
        exact -= test::value(y);
      }
      const bool adds = (op == '+') == (x.ELOJEL == y.ELOJEL);
      const bool too_long = abs(exact) >= limit;
      ASSERT_EQ(TULCSORDULT, too_long) << exact;
      ASSERT_TRUE(holds(r, low_digits(exact), adds ? x.ELOJEL : POZ))
          << test::value(x) << " " << op << " " << test::value(y);
      ASSERT_EQ(r.SZAMRENDSZER, radix);
      const bool x_larger = abs(test::value(x)) >= abs(test::value(y));
      ASSERT_EQ(PLUSZ, adds ? int{r.HOSSZ} : x_larger ? int{x.HOSSZ} : int{y.HOSSZ});
      ASSERT_EQ(SZOR, 0);
      ASSERT_EQ(test::value(a), test::value(x));
      ASSERT_EQ(test::value(b), test::value(y));
    }
  }
}

TEST_P(AgainstGmp, Products) {
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  for (int round = 0; round < 300; ++round) {
    int ha = length();
    int hb = rnd.uniform(0, 1) ? length() : rnd.uniform(0, 255 - ha);  // many that fit
    const EGESZSZAM a = rnd.integer(radix, ha), b = rnd.integer(radix, hb);
    EGESZSZAM r = test::junk_record(radix, radix / 3);
    TULCSORDULT = false;
    SZOROZ(a, b, r);
    const mpz_class exact = test::value(a) * test::value(b);
    SCOPED_TRACE(test::value(a).get_str() + " * " + test::value(b).get_str());
    if (abs(exact) < limit) {
      ASSERT_FALSE(TULCSORDULT);
      ASSERT_TRUE(holds(r, exact));
      ASSERT_EQ(PLUSZ, (ha + 1) * (hb + 1));
      ASSERT_EQ(SZOR, (ha + 1) * (hb + 1) + 2 * (ha + hb + 2));
    } else {
      ASSERT_TRUE(TULCSORDULT);
      ASSERT_TRUE(holds(r, low_digits(exact)));
    }
    ASSERT_EQ(r.SZAMRENDSZER, radix);
  }
}

TEST_P(AgainstGmp, QuotientsAndRemainders) {
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  for (int round = 0; round < 300; ++round) {
    const int ha = length();
    const int hb = rnd.uniform(0, 3) == 0 ? length() : rnd.uniform(0, ha);
    const EGESZSZAM a = rnd.integer(radix, ha);
    EGESZSZAM b = rnd.integer(radix, hb);
    if (NULLA_E(b)) b.JEGY[0] = 1;
    EGESZSZAM q = test::junk_record(radix, 1), m = test::junk_record(radix, radix - 1);
    TULCSORDULT = false;
    OSZT(a, b, q, m);
    const mpz_class quotient = test::value(a) / test::value(b);  // truncated toward zero
    const bool divides = abs(test::value(a)) >= abs(test::value(b));
    SCOPED_TRACE(test::value(a).get_str() + " / " + test::value(b).get_str());
    ASSERT_FALSE(TULCSORDULT);
    ASSERT_TRUE(holds(q, quotient));
    // A remainder that is a copy of the dividend keeps even a NEG zero's sign.
    ASSERT_TRUE(holds(m, test::value(a) - quotient * test::value(b), divides ? POZ : a.ELOJEL));
    ASSERT_EQ(q.SZAMRENDSZER, radix);
    ASSERT_EQ(m.SZAMRENDSZER, radix);
    for (int i = q.HOSSZ + 1; i <= 256; ++i) ASSERT_EQ(q.JEGY[i], 0) << "quotient position " << i;
    if (divides) {
      for (int i = m.HOSSZ + 1; i <= ha + 1; ++i) ASSERT_EQ(m.JEGY[i], 0) << "remainder position " << i;
    }
    ASSERT_TRUE(test::kept_from(m, a, ha + 2));
  }
}

INSTANTIATE_TEST_SUITE_P(Radices, AgainstGmp, ::testing::Values(2, 3, 10, 16, 255, 256),
                         [](const auto& param_info) { return "radix" + std::to_string(param_info.param); });

}  // namespace
