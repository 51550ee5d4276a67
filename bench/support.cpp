#include "support.hpp"

namespace bench {

std::mt19937_64 generator(const std::string& operation, int radix) {
  std::seed_seq seq(operation.begin(), operation.end());
  std::vector<std::uint32_t> words(2);
  seq.generate(words.begin(), words.end());
  return std::mt19937_64(20261211ULL ^ (std::uint64_t{words[0]} << 32 | words[1]) ^
                         static_cast<std::uint64_t>(radix));
}

EGESZSZAM random_integer(std::mt19937_64& gen, int radix, int hossz, int top_max) {
  EGESZSZAM x{};
  x.SZAMRENDSZER = radix;
  x.ELOJEL = aritunit::POZ;
  x.HOSSZ = hossz;
  std::uniform_int_distribution<int> digit(0, radix - 1);
  for (int i = 0; i < hossz; ++i) x.JEGY[i] = digit(gen);
  x.JEGY[hossz] = hossz == 0 ? digit(gen) : std::uniform_int_distribution<int>(1, top_max)(gen);
  return x;
}

mpz_class with_room(unsigned long bits) {
  mpz_class v;
  mpz_realloc2(v.get_mpz_t(), bits);
  return v;
}

int digit_count(const mpz_class& v, int radix) {
  // mpz_sizeinbase is exact for powers of two and at most one too large
  // otherwise.
  int n = static_cast<int>(mpz_sizeinbase(v.get_mpz_t(), radix));
  if (n > 1) {
    mpz_class low;
    mpz_ui_pow_ui(low.get_mpz_t(), static_cast<unsigned long>(radix), static_cast<unsigned long>(n - 1));
    if (mpz_cmpabs(v.get_mpz_t(), low.get_mpz_t()) < 0) --n;
  }
  return n;
}

namespace {
std::vector<Pair>& registry() {
  static std::vector<Pair> all;
  return all;
}
}  // namespace

void add_pair(const std::string& operation, const std::string& column, Body ours, Body gmp,
              bool real_time) {
  registry().push_back({operation, column, real_time});
  auto* a = benchmark::RegisterBenchmark((operation + "/" + column + "/ours").c_str(), std::move(ours));
  auto* b = benchmark::RegisterBenchmark((operation + "/" + column + "/gmp").c_str(), std::move(gmp));
  for (auto* bm : {a, b}) {
    bm->Unit(benchmark::kNanosecond);
    if (real_time) bm->UseRealTime();
  }
}

const std::vector<Pair>& pairs() { return registry(); }

}  // namespace bench
