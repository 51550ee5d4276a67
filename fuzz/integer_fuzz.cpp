// Fuzz target: the integer operations against GMP.
//
// Byte 0 picks the operation (OSSZEAD, KIVON, SZOROZ, OSZT, NAGYOBB) and byte 1
// the records that are shared, whether TULCSORDULT is raised on entry and
// whether the second operand comes in another radix. Then come the radices,
// both operands' shapes (sign, HOSSZ up to 255, how the digits are drawn), the
// junk above HOSSZ and in the result records, and the counters' start values;
// the remaining bytes are the digits. Every result record, the flag, PLUSZ and
// SZOR (saturating at 32,767) and the console output are compared with what
// GMP and the documented rules give.
#include <algorithm>
#include <vector>

#include "aritunit.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace aritunit;
using fuzz::Bytes;
using fuzz::magnitude;
using fuzz::normal_hossz;
using fuzz::power;
using fuzz::saturated;

fuzz::Console* console;

enum Op { ADD, SUB, MUL, DIV, CMP };

// Digits 0..HOSSZ of x, least significant first.
std::vector<long> digits_of(const EGESZSZAM& x) {
  std::vector<long> d;
  for (int i = 0; i <= x.HOSSZ; ++i) d.push_back(x.JEGY[i]);
  return d;
}

// The step counts of the normalised long division of u by v (normal form,
// |u| >= |v| > 0), following the division's own estimate, two-digit test and
// trial products. The quotient it finds is checked against GMP too, so a slip
// here cannot pass unnoticed.
struct Counts {
  long plusz = 0;
  long szor = 0;
};

Counts division_counts(std::vector<long> u, std::vector<long> v, long R, const mpz_class& quotient) {
  Counts c;
  const int m = static_cast<int>(v.size()) - 1;
  const long norm = R / (v[m] + 1);
  u.push_back(0);
  if (norm > 1) {
    c.szor += 3 * static_cast<long>(u.size()) + 3 * (m + 1);
    long carry = 0;
    for (long& d : u) {
      long t = d * norm + carry;
      d = t % R;
      carry = t / R;
    }
    carry = 0;
    for (long& d : v) {
      long t = d * norm + carry;
      d = t % R;
      carry = t / R;
    }
  }
  std::vector<long> q(u.size(), 0);
  std::vector<long> prod(m + 2);
  for (int n = static_cast<int>(u.size()) - 1; n >= m + 1; --n) {
    long qd;
    if (u[n] == v[m]) {
      qd = R - 1;
    } else {
      qd = (u[n] * R + u[n - 1]) / v[m];
      c.szor += 2;
      c.plusz += 1;
    }
    if (m > 0) {
      while (qd * v[m - 1] > (u[n] * R + u[n - 1] - qd * v[m]) * R + u[n - 2]) {
        --qd;
        c.szor += 4;
        c.plusz += 3;
      }
    }
    for (;;) {
      long carry = 0;
      for (int i = 0; i <= m; ++i) {
        long t = qd * v[i] + carry;
        prod[i] = t % R;
        carry = t / R;
      }
      prod[m + 1] = carry;
      c.szor += 3 * (m + 1);
      c.plusz += 2 * (m + 1);
      int i = m + 1;
      while (i > 0 && u[n - m - 1 + i] == prod[i]) --i;
      if (u[n - m - 1 + i] >= prod[i]) break;
      --qd;
    }
    long borrow = 0;
    for (int i = 0; i <= m + 1; ++i) {
      long x = u[n - m - 1 + i] - prod[i] - borrow;
      borrow = x < 0;
      u[n - m - 1 + i] = x < 0 ? x + R : x;
    }
    c.plusz += m + 2;
    q[n - m - 1] = qd;
  }
  mpz_class model = 0;
  for (int i = static_cast<int>(q.size()) - 1; i >= 0; --i) model = model * R + q[i];
  FUZZ_CHECK(model == quotient, "the counting model's quotient differs from GMP's");
  return c;
}

// HOSSZALLITAS as documented: the highest non-zero position at or below
// min(from, 255), or 0.
int search_down(const EGESZSZAM& x, int from) {
  int d = std::min(from, MAXPONTOSSAG);
  while (d > 0 && x.JEGY[d] == 0) --d;
  return d;
}

// An operand that is not the result keeps its value; positions above its
// HOSSZ may only have been cleared to zero.
void check_operand(const EGESZSZAM& x, const EGESZSZAM& before, const char* what) {
  FUZZ_CHECK(x.ELOJEL == before.ELOJEL && x.HOSSZ == before.HOSSZ && x.SZAMRENDSZER == before.SZAMRENDSZER,
             "%s: sign, HOSSZ or radix changed", what);
  for (int i = 0; i <= 256; ++i) {
    bool ok = i <= before.HOSSZ ? x.JEGY[i] == before.JEGY[i] : x.JEGY[i] == before.JEGY[i] || x.JEGY[i] == 0;
    FUZZ_CHECK(ok, "%s: position %d changed from %d to %d", what, i, int{before.JEGY[i]}, int{x.JEGY[i]});
  }
}

void check_counters(long plusz, long szor, const char* what) {
  FUZZ_CHECK(PLUSZ == saturated(plusz) && SZOR == saturated(szor), "%s: PLUSZ %d SZOR %d, expected %ld %ld",
             what, int{PLUSZ}, int{SZOR}, saturated(plusz), saturated(szor));
}

void check_output(bool mismatch, int ra, int rb) {
  std::string out = console->take();
  std::string expected = mismatch ? fuzz::mismatch_line(ra, rb) : "";
  FUZZ_CHECK(out == expected, "console output [%s], expected [%s]", out.c_str(), expected.c_str());
}

struct Input {
  Op op;
  int sharing;
  bool flag_on_entry;
  bool mismatch;
  int ra, rb;
  long plusz0, szor0;
  EGESZSZAM a, b, r1, r2;
};

void additive(Input& in) {
  // Records: A, B, result; sharing 1: result is A, 2: result is B, 3: A and B
  // one record, 4: all three one record.
  EGESZSZAM rec[3] = {in.a, in.b, in.r1};
  int sharing = in.sharing % 5;
  EGESZSZAM& A = rec[0];
  EGESZSZAM& B = sharing >= 3 ? rec[0] : rec[1];
  EGESZSZAM& R = sharing == 1 || sharing == 4 ? rec[0] : sharing == 2 ? rec[1] : rec[2];
  const EGESZSZAM a0 = A, b0 = B, r0 = R;
  const bool flag = in.flag_on_entry && sharing == 0;
  TULCSORDULT = flag;
  if (in.op == ADD)
    OSSZEAD(A, B, R);
  else
    KIVON(A, B, R);
  check_output(in.mismatch, in.ra, in.rb);

  const int ra = in.ra;
  const mpz_class va = magnitude(a0, ra), vb = magnitude(b0, ra);
  const bool neg_a = a0.ELOJEL == NEG;
  const bool neg_b = (b0.ELOJEL == NEG) != (in.op == SUB);  // the sign the second term enters with
  const int top_ab = std::max(int{a0.HOSSZ}, int{b0.HOSSZ});
  mpz_class mag;
  ELOJELTIPUS sign;
  int top;  // highest position the digit loop writes
  bool overflow = false;
  long plusz;
  bool sum = neg_a == neg_b;
  if (sum) {
    mag = va + vb;
    sign = a0.ELOJEL;
    top = top_ab + 1;
    if (mag >= power(ra, 256)) {
      overflow = true;
      mag %= power(ra, 256);
      top = 255;
    }
  } else {
    // KI(X, Y): X is the term that enters positive.
    const EGESZSZAM& x = neg_a ? b0 : a0;
    const EGESZSZAM& y = neg_a ? a0 : b0;
    mpz_class vx = neg_a ? vb : va, vy = neg_a ? va : vb;
    sign = vx >= vy ? POZ : NEG;
    mag = abs(vx - vy);
    plusz = vx >= vy ? x.HOSSZ : y.HOSSZ;
    top = top_ab;
  }

  if (flag) {
    // No digit work: the result keeps its digits, with a new sign and HOSSZ.
    int h = search_down(r0, top);
    FUZZ_CHECK(R.JEGY == r0.JEGY, "digits written while the flag was raised");
    FUZZ_CHECK(R.HOSSZ == h && R.ELOJEL == sign, "flag raised: HOSSZ %d sign %d, expected %d %d",
               int{R.HOSSZ}, int{R.ELOJEL}, h, int{sign});
    check_counters(sum ? h : plusz, 0, "flag raised");
    FUZZ_CHECK(TULCSORDULT, "the flag was cleared");
  } else {
    fuzz::check_digits(R, mag, ra, top, r0, "result");
    int h = normal_hossz(mag, ra);
    FUZZ_CHECK(R.HOSSZ == h, "result HOSSZ %d, expected %d", int{R.HOSSZ}, h);
    FUZZ_CHECK(R.ELOJEL == sign, "result sign %d, expected %d", int{R.ELOJEL}, int{sign});
    check_counters(sum ? h : plusz, 0, "counters");
    FUZZ_CHECK(TULCSORDULT == overflow, "flag %d, expected %d", int{TULCSORDULT}, int{overflow});
  }
  FUZZ_CHECK(R.SZAMRENDSZER == (in.mismatch ? int{r0.SZAMRENDSZER} : ra), "result radix %d",
             int{R.SZAMRENDSZER});
  if (&A != &R) check_operand(A, a0, "first operand");
  if (&B != &R && &B != &A) check_operand(B, b0, "second operand");
}

void multiply(Input& in) {
  // Records: A, B, product; sharing 1: A and B one record, 2: the product is
  // A's record, 3: the product is B's record.
  EGESZSZAM rec[3] = {in.a, in.b, in.r1};
  int sharing = in.sharing % 4;
  EGESZSZAM& A = rec[0];
  EGESZSZAM& B = sharing == 1 ? rec[0] : rec[1];
  EGESZSZAM& R = sharing == 2 ? rec[0] : sharing == 3 ? rec[1] : rec[2];
  const EGESZSZAM a0 = A, b0 = B, r0 = R;
  const int ra = in.ra;
  TULCSORDULT = in.flag_on_entry;
  SZOROZ(A, B, R);
  if (in.flag_on_entry) {
    check_output(false, 0, 0);
    FUZZ_CHECK(fuzz::same_record(R, r0), "product written while the flag was raised");
    check_counters(in.plusz0, in.szor0, "flag raised");
    FUZZ_CHECK(TULCSORDULT, "the flag was cleared");
  } else {
    check_output(in.mismatch, ra, in.rb);
    const int a = a0.HOSSZ, b = b0.HOSSZ;
    const mpz_class va = magnitude(a0, ra), vb = magnitude(b0, ra);
    const mpz_class p = va * vb;
    const mpz_class limit = power(ra, 256);
    const bool overflow = p >= limit;
    // The carry into column 256 from the digit products of columns 0..255.
    mpz_class low_columns = 0;
    for (int i = 0; overflow && i <= std::min(a, 255); ++i)
      low_columns +=
          a0.JEGY[i] * (vb % power(ra, static_cast<unsigned>(256 - i))) * power(ra, static_cast<unsigned>(i));
    const bool carry_at_256 = low_columns >= limit;
    const int last = !overflow ? a + b + 1 : carry_at_256 ? 255 : 256;
    long plusz = 0, szor = 0;
    for (int k = 0; k <= last; ++k) {
      long n = std::max(0, std::min(k, a) - std::max(0, k - b) + 1);
      plusz += n;
      szor += n + 2;
    }
    fuzz::check_digits(R, p, ra, last, r0, "product");
    const mpz_class kept = p % limit;
    int h = normal_hossz(kept, ra);
    FUZZ_CHECK(R.HOSSZ == h, "product HOSSZ %d, expected %d", int{R.HOSSZ}, h);
    ELOJELTIPUS sign = a0.ELOJEL == b0.ELOJEL || kept == 0 ? POZ : NEG;
    FUZZ_CHECK(R.ELOJEL == sign, "product sign %d, expected %d", int{R.ELOJEL}, int{sign});
    FUZZ_CHECK(R.SZAMRENDSZER == (in.mismatch ? int{r0.SZAMRENDSZER} : ra), "product radix %d",
               int{R.SZAMRENDSZER});
    check_counters(plusz, szor, "product counters");
    FUZZ_CHECK(TULCSORDULT == overflow, "flag %d, expected %d", int{TULCSORDULT}, int{overflow});
  }
  if (&A != &R) FUZZ_CHECK(fuzz::same_record(A, a0), "the first factor changed");
  if (&B != &R) FUZZ_CHECK(fuzz::same_record(B, b0), "the second factor changed");
}

void divide(Input& in) {
  // Records: A, B, quotient, remainder; sharing 1: A and B one record,
  // 2: the remainder is A's record, 3: the quotient is A's record, 4: the
  // quotient is B's record, 5: the remainder is B's record.
  EGESZSZAM rec[4] = {in.a, in.b, in.r1, in.r2};
  int sharing = in.sharing % 6;
  EGESZSZAM& A = rec[0];
  EGESZSZAM& B = sharing == 1 ? rec[0] : rec[1];
  EGESZSZAM& Q = sharing == 3 ? rec[0] : sharing == 4 ? rec[1] : rec[2];
  EGESZSZAM& M = sharing == 2 ? rec[0] : sharing == 5 ? rec[1] : rec[3];
  const EGESZSZAM a0 = A, b0 = B, m0 = M;
  const int ra = in.ra;
  const bool flag = in.flag_on_entry && sharing == 0;
  TULCSORDULT = flag;
  OSZT(A, B, Q, M);
  if (flag) {
    check_output(false, 0, 0);
    FUZZ_CHECK(fuzz::same_record(Q, NULLA), "the quotient is not a copy of NULLA");
    FUZZ_CHECK(fuzz::same_record(M, m0), "remainder written while the flag was raised");
    check_counters(in.plusz0, in.szor0, "flag raised");
    FUZZ_CHECK(TULCSORDULT, "the flag was cleared");
    FUZZ_CHECK(fuzz::same_record(A, a0) && fuzz::same_record(B, b0), "an operand changed");
    return;
  }
  check_output(in.mismatch, ra, in.rb);
  const int quotient_radix = in.mismatch ? 10 : ra;
  const mpz_class va = magnitude(a0, ra), vb = magnitude(b0, ra);
  auto check_zero_quotient = [&] {
    EGESZSZAM zero = NULLA;
    zero.SZAMRENDSZER = quotient_radix;
    FUZZ_CHECK(fuzz::same_record(Q, zero), "the quotient is not zero in radix %d", quotient_radix);
  };
  if (vb == 0) {
    check_zero_quotient();
    EGESZSZAM expected = m0;
    if (!in.mismatch) expected.SZAMRENDSZER = ra;
    FUZZ_CHECK(fuzz::same_record(M, expected), "zero divisor: the remainder record changed");
    check_counters(0, 0, "zero divisor");
    FUZZ_CHECK(TULCSORDULT, "zero divisor: the flag is not raised");
  } else if (va < vb) {
    check_zero_quotient();
    FUZZ_CHECK(fuzz::same_record(M, a0), "the remainder is not a copy of the dividend");
    check_counters(0, 0, "small dividend");
    FUZZ_CHECK(!TULCSORDULT, "the flag was raised");
  } else {
    const mpz_class q = va / vb, r = va % vb;
    EGESZSZAM zeros{};
    fuzz::check_digits(Q, q, ra, 256, zeros, "quotient");
    FUZZ_CHECK(Q.HOSSZ == normal_hossz(q, ra), "quotient HOSSZ %d", int{Q.HOSSZ});
    ELOJELTIPUS qsign = a0.ELOJEL == b0.ELOJEL || q == 0 ? POZ : NEG;
    FUZZ_CHECK(Q.ELOJEL == qsign, "quotient sign %d", int{Q.ELOJEL});
    FUZZ_CHECK(Q.SZAMRENDSZER == quotient_radix, "quotient radix %d", int{Q.SZAMRENDSZER});
    fuzz::check_digits(M, r, ra, a0.HOSSZ + 1, a0, "remainder");
    FUZZ_CHECK(M.HOSSZ == normal_hossz(r, ra), "remainder HOSSZ %d", int{M.HOSSZ});
    FUZZ_CHECK(M.ELOJEL == (r == 0 ? POZ : a0.ELOJEL), "remainder sign %d", int{M.ELOJEL});
    FUZZ_CHECK(M.SZAMRENDSZER == ra, "remainder radix %d", int{M.SZAMRENDSZER});
    Counts c = division_counts(digits_of(a0), digits_of(b0), ra, q);
    check_counters(c.plusz, c.szor, "division counters");
    FUZZ_CHECK(!TULCSORDULT, "the flag was raised");
  }
  if (&M != &A && &Q != &A) FUZZ_CHECK(fuzz::same_record(A, a0), "the dividend changed");
  if (&M != &B && &Q != &B) FUZZ_CHECK(fuzz::same_record(B, b0), "the divisor changed");
}

void compare(Input& in) {
  const bool result = NAGYOBB(in.a, in.b);
  FUZZ_CHECK(result == (magnitude(in.a, in.ra) >= magnitude(in.b, in.ra)), "NAGYOBB gave %d", int{result});
  check_output(false, 0, 0);
  check_counters(in.plusz0, in.szor0, "NAGYOBB");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  console = new fuzz::Console;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return -1;
  Bytes bytes(data, size);
  INICIALIZALAS();

  Input in;
  in.op = static_cast<Op>(bytes.next() % 5);
  std::uint8_t flags = bytes.next();
  in.sharing = flags & 7;
  in.flag_on_entry = (flags & 8) != 0;
  in.mismatch = (flags & 16) != 0;
  in.ra = fuzz::radix(bytes.next());
  in.rb = in.mismatch ? fuzz::radix(bytes.next()) : in.ra;
  fuzz::Shape sa = fuzz::shape(bytes), sb = fuzz::shape(bytes);
  std::uint8_t junk = bytes.next();
  in.r1 = fuzz::junk_record(bytes, bytes.next());
  in.r2 = fuzz::junk_record(bytes, bytes.next());
  in.plusz0 = bytes.next() * 128L;
  in.szor0 = bytes.next() * 128L;
  // Digits of both operands must be below both radices for the result to be
  // defined when they differ.
  const int limit = std::min(in.ra, in.rb);
  in.a = fuzz::integer(sa, in.ra, limit, bytes, junk);
  in.b = fuzz::integer(sb, in.rb, limit, bytes, static_cast<std::uint8_t>(junk + 1));
  // When A and B are one record, B is A.
  if ((in.op == ADD || in.op == SUB) && in.sharing % 5 >= 3) in.b = in.a;
  if ((in.op == MUL && in.sharing % 4 == 1) || (in.op == DIV && in.sharing % 6 == 1)) in.b = in.a;
  in.rb = in.b.SZAMRENDSZER;
  in.mismatch = in.rb != in.ra;

  PLUSZ = in.plusz0;
  SZOR = in.szor0;
  switch (in.op) {
    case ADD:
    case SUB:
      additive(in);
      break;
    case MUL:
      multiply(in);
      break;
    case DIV:
      divide(in);
      break;
    case CMP:
      compare(in);
      break;
  }
  TULCSORDULT = false;
  return 0;
}
