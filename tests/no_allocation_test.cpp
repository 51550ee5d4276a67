// The arithmetic allocates nothing on the heap: every operation, on its main
// paths and its error paths, runs inside a window in which each call of
// malloc, calloc and realloc (and so of operator new, which calls malloc) is
// counted, and the count stays 0.
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "aritunit_private.hpp"
#include "raciona5_private.hpp"
#include "support.hpp"

// The address sanitizer brings its own allocator, which these counting
// functions would stand in front of: under it the tests are skipped.
#if defined(__SANITIZE_ADDRESS__)
#define LONGARITH_COUNTS_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LONGARITH_COUNTS_ALLOCATIONS 0
#endif
#endif
#ifndef LONGARITH_COUNTS_ALLOCATIONS
#define LONGARITH_COUNTS_ALLOCATIONS 1
#endif

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

#if LONGARITH_COUNTS_ALLOCATIONS
namespace {
void count() {
  if (counting) ++allocations;
}
}  // namespace

// glibc's own allocator under its internal names; the definitions below stand
// in front of it for the whole program and count while the window is open.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t n, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

void* malloc(std::size_t size) noexcept {
  count();
  return __libc_malloc(size);
}
void* calloc(std::size_t n, std::size_t size) noexcept {
  count();
  return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t size) noexcept {
  count();
  return __libc_realloc(p, size);
}
}
#endif

namespace {

using namespace aritunit;
using raciona5::TORT;
using test::from_mpz;
using test::power;

// The number of allocations made by `body`.
long allocations_in(const std::function<void()>& body) {
  long before = allocations;
  counting = true;
  body();
  counting = false;
  return allocations - before;
}

class NoAllocation : public test::Modules {};

TEST(NoAllocationWindow, CountsWhatIsAllocatedInsideIt) {
  if (!LONGARITH_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the address sanitizer owns the allocator";
  // Through volatile pointers, so that the compiler cannot drop the pairs.
  EXPECT_EQ(allocations_in([] {
              int* volatile p = new int(1);
              delete p;
            }),
            1);
  EXPECT_EQ(allocations_in([] {
              void* volatile p = std::malloc(16);
              std::free(p);
            }),
            1);
  EXPECT_EQ(allocations_in([] { std::string s(100, 'x'); }), 1);
  EXPECT_EQ(allocations_in([] {}), 0);
}

TEST_F(NoAllocation, InAnyOperationOfEitherModule) {
  if (!LONGARITH_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the address sanitizer owns the allocator";
  test::Random rnd;
  struct Operation {
    std::string name;
    std::function<void()> run;
  };
  std::vector<Operation> operations;
  // Operands live here, made before any window opens.
  std::deque<EGESZSZAM> values;
  auto keep = [&](EGESZSZAM v) -> EGESZSZAM& { return values.emplace_back(v); };
  EGESZSZAM r1{}, r2{}, r3{};
  TORT sum{};

  for (int radix : {10, 256}) {
    std::string in = " in radix " + std::to_string(radix);
    EGESZSZAM& a = keep(rnd.integer(radix, 255));
    EGESZSZAM& b = keep(rnd.integer(radix, 200));
    EGESZSZAM& half = keep(rnd.integer(radix, 127));
    EGESZSZAM& dividend = keep(rnd.integer(radix, 254));
    EGESZSZAM& small = keep(rnd.integer(radix, 4));
    EGESZSZAM& zero = keep(from_mpz(0, radix));
    operations.push_back({"OSSZEAD" + in, [&] { OSSZEAD(a, b, r1); }});
    operations.push_back({"OSSZEAD into its operand" + in, [&] { OSSZEAD(a, b, b); }});
    operations.push_back({"KIVON" + in, [&] { KIVON(b, a, r1); }});
    operations.push_back({"SZOROZ" + in, [&] { SZOROZ(half, half, r1); }});
    operations.push_back({"SZOROZ overflowing" + in, [&] { SZOROZ(a, b, r1); }});
    operations.push_back({"OSZT by a long divisor" + in, [&] { OSZT(dividend, half, r1, r2); }});
    operations.push_back({"OSZT by a short divisor" + in, [&] { OSZT(dividend, small, r1, r2); }});
    operations.push_back({"OSZT by zero" + in, [&] { OSZT(dividend, zero, r1, r2); }});
    operations.push_back({"LNKO" + in, [&] { raciona5::LNKO(b, dividend, r1, r2, r3); }});
    operations.push_back({"HOSSZUSZOROZ" + in, [&] { raciona5::HOSSZUSZOROZ(a, a, r1, r2); }});
    operations.push_back({"NAGYOBB, NULLA_E, EGYENLO" + in, [&] {
                            (void)NAGYOBB(a, b);
                            (void)NULLA_E(a);
                            (void)raciona5::EGYENLO(a, b);
                          }});
  }

  // Fraction sums: exact; with a carry from the low into the high halves; with
  // a difference that keeps a high half and is cut; a sum onto itself.
  EGESZSZAM& nines = keep(from_mpz(power(10, 256) - 1, 10));
  EGESZSZAM& ten = keep(from_mpz(10, 10));
  EGESZSZAM& big = keep(from_mpz(power(10, 200), 10));
  EGESZSZAM& minus_one = keep(from_mpz(-1, 10));
  EGESZSZAM& long_denominator = keep(from_mpz(power(10, 60), 10));
  TORT sixth, quarter, carrying, tenth, huge, tiny;
  raciona5::EGESZBOL_TORT(EGY, keep(from_mpz(6, 10)), sixth);
  raciona5::EGESZBOL_TORT(EGY, keep(from_mpz(4, 10)), quarter);
  raciona5::EGESZBOL_TORT(nines, ten, carrying);
  raciona5::EGESZBOL_TORT(EGY, ten, tenth);
  raciona5::EGESZBOL_TORT(big, EGY, huge);
  raciona5::EGESZBOL_TORT(minus_one, long_denominator, tiny);
  operations.push_back({"EGESZBOL_TORT", [&] { raciona5::EGESZBOL_TORT(ten, big, sum); }});
  operations.push_back({"TORTOSSZEAD exact", [&] { raciona5::TORTOSSZEAD(sixth, quarter, sum); }});
  operations.push_back({"TORTOSSZEAD carrying", [&] { raciona5::TORTOSSZEAD(carrying, tenth, sum); }});
  operations.push_back({"TORTOSSZEAD cut", [&] { raciona5::TORTOSSZEAD(huge, tiny, sum); }});
  operations.push_back({"TORTOSSZEAD onto itself", [&] { raciona5::TORTOSSZEAD(huge, huge, huge); }});
  operations.push_back({"start-up of both modules", [] {
                          aritunit::INICIALIZALAS();
                          raciona5::INICIALIZALAS();
                        }});

  for (const Operation& op : operations) {
    TULCSORDULT = false;
    EXPECT_EQ(allocations_in(op.run), 0) << op.name << ", seed " << rnd.seed();
  }

  // The radix-mismatch line goes to the console, still without allocating.
  EGESZSZAM& decimal = keep(from_mpz(12, 10));
  EGESZSZAM& hex = keep(from_mpz(12, 16));
  TULCSORDULT = false;
  long n = -1;
  std::string written = test::console_output([&] { n = allocations_in([&] { OSSZEAD(decimal, hex, r1); }); });
  EXPECT_EQ(n, 0);
  EXPECT_EQ(written, "Kulonbozo szamrendszerek: 10 16\r\n");
}

}  // namespace
