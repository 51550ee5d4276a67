// The run-time error report: the failing code address and a back-trace, as
// the program's link-time addresses, on standard output; then the process ends
// with the error number as its exit status.
#include "platform/runtime.hpp"

#include <link.h>
#include <unistd.h>
#include <unwind.h>

#include <cstdio>
#include <cstdlib>

extern "C" {
// Bounds of the program image, provided by the linker.
extern const char __executable_start[];  // NOLINT(bugprone-reserved-identifier)
extern const char etext[];
}

namespace platform {
namespace {

constexpr int max_frames = 16;

struct trace {
  std::uintptr_t pc[max_frames];
  int count = 0;
};

_Unwind_Reason_Code collect(struct _Unwind_Context* ctx, void* arg) {
  auto* t = static_cast<trace*>(arg);
  if (t->count == max_frames) return _URC_END_OF_STACK;
  std::uintptr_t pc = _Unwind_GetIP(ctx);
  if (pc != 0) t->pc[t->count++] = pc;
  return _URC_NO_REASON;
}

bool in_image(std::uintptr_t pc) {
  return pc >= reinterpret_cast<std::uintptr_t>(__executable_start) &&
         pc < reinterpret_cast<std::uintptr_t>(etext);
}

// The main program's load bias: where it was loaded minus where it was linked
// (the load address for a position-independent program, 0 for one that is not).
int first_object(struct dl_phdr_info* info, std::size_t, void* bias) {
  *static_cast<std::uintptr_t*>(bias) = info->dlpi_addr;
  return 1;  // the first object listed is the program itself
}

// A return address as the program's own link-time address, which is what
// `addr2line -e PROGRAM` takes, stepped back by one byte so that it names the
// calling instruction rather than the one after it.
unsigned long link_address(std::uintptr_t pc, std::uintptr_t bias) {
  return static_cast<unsigned long>(pc - 1 - bias) & 0xFFFFFFFFUL;
}

}  // namespace

[[noreturn]] __attribute__((noinline)) void run_time_error(int code) {
  trace t;
  _Unwind_Backtrace(collect, &t);
  // Frame 0 is this function; frame 1 is the check that failed, inlined into
  // the code that called it, which is the address the error is reported at.
  std::uintptr_t bias = 0;
  dl_iterate_phdr(first_object, &bias);
  char buf[64 + 16 * max_frames];
  int len = 0;
  bool first = true;
  for (int i = 1; i < t.count; ++i) {
    if (!in_image(t.pc[i])) continue;
    if (first) {
      len += std::snprintf(buf + len, sizeof buf - len, "Runtime error %d at $%08lX\n", code,
                           link_address(t.pc[i], bias));
      first = false;
    }
    len += std::snprintf(buf + len, sizeof buf - len, "  $%08lX\n", link_address(t.pc[i], bias));
  }
  if (first) len += std::snprintf(buf + len, sizeof buf - len, "Runtime error %d at $%08lX\n", code, 0UL);
  len += std::snprintf(buf + len, sizeof buf - len, "\n");
  std::fflush(stdout);
  for (int done = 0; done < len;) {
    ssize_t n = ::write(STDOUT_FILENO, buf + done, static_cast<std::size_t>(len - done));
    if (n <= 0) break;
    done += static_cast<int>(n);
  }
  std::exit(code);
}

}  // namespace platform
