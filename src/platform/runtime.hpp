// Run-time checks of the long-number library: range-checked integers and digit
// arrays, overflow-checked 16-bit numbers, and the run-time error report.
//
// A violated check ends the program: the report goes to standard output as
//
//   Runtime error 201 at $0000ABCD
//     $0000ABCD
//     $00001234
//   <empty line>
//
// and the exit status is the error number (201 for a value out of its range,
// 215 for an arithmetic overflow). Addresses are the program's link-time code
// addresses, as `addr2line -e PROGRAM` takes them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

inline constexpr int range_error = 201;
inline constexpr int overflow_error = 215;

// Writes the report for `code`, naming the code that called the failing check,
// and ends the process with exit status `code`.
[[noreturn]] void run_time_error(int code);

// A number that may only be assigned values from Lo to Hi; any other value ends
// the program with run-time error `Code`. Zero-filled storage is accepted as it
// is (a record that nothing has written yet), even where 0 lies outside the range.
template <long Lo, long Hi, typename Rep, int Code = range_error>
class ranged {
 public:
  static constexpr long low = Lo;
  static constexpr long high = Hi;

  constexpr ranged() = default;
  constexpr ranged(long v) : v_(check(v)) {}  // NOLINT: implicit by design
  constexpr ranged& operator=(long v) {
    v_ = check(v);
    return *this;
  }
  constexpr operator int() const { return v_; }  // NOLINT: implicit by design

  constexpr ranged& operator+=(long d) { return *this = long{v_} + d; }
  constexpr ranged& operator-=(long d) { return *this = long{v_} - d; }
  constexpr ranged& operator++() { return *this += 1; }
  constexpr ranged& operator--() { return *this -= 1; }

  static constexpr Rep check(long v) {
    if (v < Lo || v > Hi) run_time_error(Code);
    return static_cast<Rep>(v);
  }

 private:
  Rep v_{};
};

// 16-bit signed counters and positions: a result outside -32768..32767 is an
// arithmetic overflow (run-time error 215).
using int16 = ranged<INT16_MIN, INT16_MAX, std::int16_t, overflow_error>;
// 16-bit unsigned variables.
using word16 = ranged<0, UINT16_MAX, std::uint16_t, overflow_error>;
// An 8-bit unsigned variable (0 to 255; beyond it is a range error).
using byte8 = ranged<0, 255, std::uint8_t>;

// Adds `n` to a 16-bit counter, holding it at 32,767 instead of overflowing.
constexpr void saturating_add(int16& counter, long n) {
  long s = long{counter} + n;
  counter = s > INT16_MAX ? INT16_MAX : s;
}

// Checks that `i` lies in Lo..Hi (run-time error 201 otherwise) and returns it.
// Loops use it to check their whole index range once before they start.
template <long Lo, long Hi>
constexpr long checked_index(long i) {
  if (i < Lo || i > Hi) run_time_error(range_error);
  return i;
}

// An array of N bytes, indexed 0..N-1, whose elements hold 0 to 255. Reading or
// writing outside the index range, or storing a value outside 0..255, is a range
// error. `data()` gives the raw bytes to loops that checked their range first.
template <std::size_t N>
class byte_array {
 public:
  class ref {
   public:
    constexpr ref& operator=(long v) {
      *p_ = byte8::check(v);
      return *this;
    }
    constexpr ref& operator=(const ref& o) { return *this = long{*o.p_}; }
    constexpr operator int() const { return *p_; }  // NOLINT: implicit by design

   private:
    friend class byte_array;
    constexpr explicit ref(std::uint8_t* p) : p_(p) {}
    std::uint8_t* p_;
  };

  constexpr ref operator[](long i) { return ref(&d_[index(i)]); }
  constexpr int operator[](long i) const { return d_[index(i)]; }

  constexpr std::uint8_t* data() { return d_; }
  constexpr const std::uint8_t* data() const { return d_; }
  static constexpr std::size_t size() { return N; }

  friend constexpr bool operator==(const byte_array&, const byte_array&) = default;

 private:
  static constexpr std::size_t index(long i) {
    return static_cast<std::size_t>(checked_index<0, long{N} - 1>(i));
  }
  std::uint8_t d_[N]{};
};

}  // namespace platform
