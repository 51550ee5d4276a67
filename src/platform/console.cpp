// The console on a POSIX terminal (ANSI escape sequences, termios), or on plain
// standard streams when they are not a terminal.
#include "platform/console.hpp"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/runtime.hpp"

namespace platform::console {
namespace {

// Every console write is checked: a failed write ends the program with a
// run-time error, as any other failed I/O would.
void write_all(const char* p, std::size_t n) {
  while (n > 0) {
    ssize_t w = ::write(STDOUT_FILENO, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) run_time_error(write_error);
    p += w;
    n -= static_cast<std::size_t>(w);
  }
}

// The terminal's settings while a key is awaited, to be put back on any exit.
struct termios saved_settings;
volatile std::sig_atomic_t settings_changed = 0;

void restore_terminal() {
  if (settings_changed) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_settings);
    settings_changed = 0;
  }
}

void restore_and_reraise(int sig) {
  restore_terminal();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

constexpr int fatal_signals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGABRT, SIGSEGV};

// Reads one byte, waiting at most `timeout_ms` (-1: no limit). False when no
// byte came.
bool read_byte(int timeout_ms) {
  struct pollfd pfd = {STDIN_FILENO, POLLIN, 0};
  for (;;) {
    int r = ::poll(&pfd, 1, timeout_ms);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    unsigned char c;
    ssize_t n = ::read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    return n == 1;
  }
}

void read_key_from_terminal() {
  if (::tcgetattr(STDIN_FILENO, &saved_settings) != 0) {
    read_byte(-1);
    return;
  }
  struct sigaction sa {};
  sa.sa_handler = restore_and_reraise;
  struct sigaction old[std::size(fatal_signals)];
  for (std::size_t i = 0; i < std::size(fatal_signals); ++i) ::sigaction(fatal_signals[i], &sa, &old[i]);

  struct termios raw = saved_settings;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  settings_changed = 1;
  ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);

  if (read_byte(-1)) {
    // The rest of a multi-byte key (an escape sequence) arrives together with
    // its first byte: take whatever follows closely so it is not left behind.
    while (read_byte(30)) {
    }
  }
  restore_terminal();  // TCSAFLUSH also drops anything typed meanwhile
  for (std::size_t i = 0; i < std::size(fatal_signals); ++i) ::sigaction(fatal_signals[i], &old[i], nullptr);
}

}  // namespace

void clear_screen() {
  if (::isatty(STDOUT_FILENO)) write("\x1b[H\x1b[2J");
}

void write(std::string_view text) { write_all(text.data(), text.size()); }

void write_line(std::string_view text) {
  write(text);
  write("\r\n");
}

void write_int(long value, int width) {
  char field[64];
  if (width < 0) width = 0;
  if (width > 40) width = 40;
  int n = std::snprintf(field, sizeof field, "%*ld", width, value);
  write(std::string_view(field, static_cast<std::size_t>(n)));
}

void read_key() {
  if (::isatty(STDIN_FILENO)) {
    read_key_from_terminal();
  } else {
    read_byte(-1);  // end of input counts as the key
  }
}

}  // namespace platform::console
