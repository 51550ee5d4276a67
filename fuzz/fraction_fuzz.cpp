// Fuzz target: the fraction sum TORTOSSZEAD against GMP.
//
// Byte 0 picks the records that are shared and KEREKITES on entry, byte 1 the
// radix; then come the shapes of a, b, c and d for a/b + c/d (b and d
// positive) and the junk above HOSSZ; the remaining bytes are the digits.
// The sum must be exact, unreduced, over b * (d / gcd(b, d)) while numerator
// and denominator fit in 256 digits, and otherwise both cut by the same number
// of low digits so that the larger fills exactly 256 digits (KEREKITES raised).
// The flag TULCSORDULT must be clear on return, except for a zero denominator
// and for a cut that would leave a zero denominator, which raise it and leave
// the sum's record as it was.
#include <algorithm>

#include "fuzz_support.hpp"
#include "raciona5.hpp"

namespace {

using namespace aritunit;
using fuzz::Bytes;
using fuzz::normal_hossz;
using fuzz::power;
using raciona5::TORT;

fuzz::Console* console;

// Signed value of x in its own radix.
mpz_class signed_value(const EGESZSZAM& x) { return test::value(x); }

int digit_count(const mpz_class& v, int radix) { return v == 0 ? 0 : normal_hossz(v, radix) + 1; }

bool same_fraction(const TORT& x, const TORT& y) {
  return fuzz::same_record(x.SZAMLALO, y.SZAMLALO) && fuzz::same_record(x.NEVEZO, y.NEVEZO);
}

void check_integer(const EGESZSZAM& x, const mpz_class& v, ELOJELTIPUS sign, int radix, const char* what) {
  FUZZ_CHECK(x.SZAMRENDSZER == radix, "%s: radix %d, expected %d", what, int{x.SZAMRENDSZER}, radix);
  FUZZ_CHECK(fuzz::magnitude(x, radix) == abs(v), "%s: magnitude %s, expected %s", what,
             fuzz::magnitude(x, radix).get_str().c_str(), mpz_class(abs(v)).get_str().c_str());
  FUZZ_CHECK(x.HOSSZ == normal_hossz(abs(v), radix), "%s: HOSSZ %d not in normal form", what, int{x.HOSSZ});
  FUZZ_CHECK(x.ELOJEL == sign, "%s: sign %d, expected %d", what, int{x.ELOJEL}, int{sign});
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  console = new fuzz::Console;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return -1;
  Bytes bytes(data, size);
  aritunit::INICIALIZALAS();
  raciona5::INICIALIZALAS();

  std::uint8_t flags = bytes.next();
  const int sharing = flags & 3;  // 1: A and B one record, 2: the sum is A, 3: the sum is B
  const bool kerekites0 = (flags & 4) != 0;
  const int radix = fuzz::radix(bytes.next());
  fuzz::Shape shapes[4];
  for (auto& s : shapes) s = fuzz::shape(bytes);
  shapes[1].negative = shapes[3].negative = false;
  std::uint8_t junk = bytes.next();
  TORT rec[3];
  rec[2].SZAMLALO = fuzz::junk_record(bytes, bytes.next());
  rec[2].NEVEZO = fuzz::junk_record(bytes, bytes.next());
  EGESZSZAM* parts[4] = {&rec[0].SZAMLALO, &rec[0].NEVEZO, &rec[1].SZAMLALO, &rec[1].NEVEZO};
  for (int i = 0; i < 4; ++i)
    *parts[i] = fuzz::integer(shapes[i], radix, radix, bytes, static_cast<std::uint8_t>(junk + i));
  if (sharing == 1) rec[1] = rec[0];

  const TORT& A = rec[0];
  const TORT& B = sharing == 1 ? rec[0] : rec[1];
  TORT& S = sharing == 2 ? rec[0] : sharing == 3 ? rec[1] : rec[2];
  const TORT a0 = A, b0 = B, s0 = S;

  raciona5::KEREKITES = kerekites0;
  raciona5::TORTOSSZEAD(A, B, S);
  std::string out = console->take();
  FUZZ_CHECK(out.empty(), "console output [%s]", out.c_str());

  const mpz_class a = signed_value(a0.SZAMLALO), b = signed_value(a0.NEVEZO);
  const mpz_class c = signed_value(b0.SZAMLALO), d = signed_value(b0.NEVEZO);
  if (b == 0 || d == 0) {
    FUZZ_CHECK(TULCSORDULT, "zero denominator: the flag is not raised");
    FUZZ_CHECK(same_fraction(S, s0), "zero denominator: the sum's record changed");
    FUZZ_CHECK(raciona5::KEREKITES == kerekites0, "zero denominator: KEREKITES changed");
    TULCSORDULT = false;
    return 0;
  }

  mpz_class g;
  mpz_gcd(g.get_mpz_t(), b.get_mpz_t(), d.get_mpz_t());
  const mpz_class bg = b / g, dg = d / g;
  const mpz_class first = a * dg, second = c * bg;
  const mpz_class num = first + second, den = b * dg;
  const mpz_class full = power(radix, 256);

  // The double-length products take PONTOSSAG to 255.
  const bool long_way = a0.SZAMLALO.HOSSZ + normal_hossz(dg, radix) >= 255 ||
                        b0.SZAMLALO.HOSSZ + normal_hossz(bg, radix) >= 255 ||
                        a0.NEVEZO.HOSSZ + normal_hossz(dg, radix) >= 255;
  FUZZ_CHECK(PONTOSSAG == (long_way ? 255 : 200), "PONTOSSAG %d", int{PONTOSSAG});

  if (abs(num) < full && den < full) {
    // Exact. A zero numerator is POZ, except where both cross products had
    // high halves: then it keeps the first cross product's sign.
    ELOJELTIPUS zero_sign = abs(first) >= full && first < 0 ? NEG : POZ;
    ELOJELTIPUS sign = num < 0 ? NEG : num > 0 ? POZ : zero_sign;
    check_integer(S.SZAMLALO, num, sign, radix, "exact numerator");
    check_integer(S.NEVEZO, den, POZ, radix, "exact denominator");
    FUZZ_CHECK(raciona5::KEREKITES == kerekites0, "KEREKITES changed without a cut");
    FUZZ_CHECK(!TULCSORDULT, "the flag is raised after an exact sum");
    return 0;
  }

  const int drop = std::max(digit_count(num, radix), digit_count(den, radix)) - 256;
  const mpz_class cut = power(radix, static_cast<unsigned>(drop));
  const mpz_class num_cut = abs(num) / cut, den_cut = den / cut;
  if (den_cut == 0) {
    FUZZ_CHECK(TULCSORDULT, "a cut to a zero denominator does not raise the flag");
    FUZZ_CHECK(same_fraction(S, s0), "a cut to a zero denominator changed the sum's record");
    TULCSORDULT = false;
    return 0;
  }
  check_integer(S.SZAMLALO, num_cut, num_cut == 0 ? POZ : num < 0 ? NEG : POZ, radix, "cut numerator");
  check_integer(S.NEVEZO, den_cut, POZ, radix, "cut denominator");
  FUZZ_CHECK(std::max(S.SZAMLALO.HOSSZ, S.NEVEZO.HOSSZ) == 255, "the cut does not fill 256 digits");
  FUZZ_CHECK(raciona5::KEREKITES, "a cut without KEREKITES");
  FUZZ_CHECK(!TULCSORDULT, "the flag is raised after a cut sum");
  return 0;
}
