// The program on a real terminal (a pseudo-terminal): what the screen shows,
// that it waits for one key, that any key ends it (a multi-byte key too, none
// of whose bytes is left behind or echoed), and that the terminal's settings
// are put back as they were.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <cstring>
#include <string>

#include "support.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const kClear = "\x1b[H\x1b[2J";

// What the user reads once the screen is cleared, with the line ends as the
// terminal shows them (a carriage return more or less changes nothing).
const char* const kLines =
    "Gyök-2 közelítés Newton-módszerrel:\n"
    "\n"
    "0\n"
    " Iterációszám:   0\n"
    "\n"
    "Gyök-2 közelítés Pell-egyenlettel:\n"
    "\n"
    "0\n"
    " Iterációszám:   0\n"
    "\n";

std::string without_carriage_returns(std::string s) {
  std::erase(s, '\r');
  return s;
}

bool same_settings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// The driver on its own pseudo-terminal. The test keeps the terminal's slave
// side open too, to read its settings and its pending input from outside.
class Terminal : public ::testing::Test {
 protected:
  void SetUp() override {
    winsize size{24, 80, 0, 0};
    ASSERT_EQ(::openpty(&master_, &slave_, nullptr, nullptr, &size), 0);
    ASSERT_EQ(::tcgetattr(slave_, &before_), 0);
  }

  void TearDown() override {
    if (child_ > 0) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
    ::close(master_);
    ::close(slave_);
  }

  // Starts the driver with the terminal as its controlling terminal and its
  // standard streams; with `close_input` standard input is closed instead.
  void start(bool close_input = false) {
    child_ = ::fork();
    ASSERT_GE(child_, 0);
    if (child_ == 0) {
      ::close(master_);
      if (::login_tty(slave_) != 0) ::_exit(120);
      if (close_input) ::close(STDIN_FILENO);
      ::execl(SQRT2_DRIVER, SQRT2_DRIVER, static_cast<char*>(nullptr));
      ::_exit(121);
    }
  }

  // Reads what the driver writes until `done` holds for it or `limit` passes.
  template <typename Done>
  void read_until(Done done, std::chrono::milliseconds limit) {
    auto end = Clock::now() + limit;
    while (!done(output_) && Clock::now() < end) {
      pollfd pfd{master_, POLLIN, 0};
      if (::poll(&pfd, 1, 50) <= 0) continue;
      char buf[512];
      ssize_t n = ::read(master_, buf, sizeof buf);
      if (n <= 0) break;  // the slave side has no writer left
      output_.append(buf, static_cast<std::size_t>(n));
    }
  }

  void read_screen() {
    read_until([](const std::string& s) { return without_carriage_returns(s).ends_with(kLines); }, 20s);
  }

  // The driver's exit status (128 + signal when a signal ended it), or -1 when
  // it is still running after `limit`.
  int wait_for_exit(std::chrono::milliseconds limit) {
    auto end = Clock::now() + limit;
    for (;;) {
      int st = 0;
      pid_t r = ::waitpid(child_, &st, WNOHANG);
      if (r == child_) {
        child_ = -1;
        return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
      }
      if (Clock::now() >= end) return -1;
      ::usleep(10000);
    }
  }

  int pending_input() const {
    int n = -1;
    ::ioctl(slave_, FIONREAD, &n);
    return n;
  }

  void press(const std::string& key) {
    ASSERT_EQ(::write(master_, key.data(), key.size()), static_cast<ssize_t>(key.size()));
  }

  int master_ = -1;
  int slave_ = -1;
  pid_t child_ = -1;
  termios before_{};
  std::string output_;
};

TEST_F(Terminal, ClearsTheScreenThenShowsTheTenLinesAndWaits) {
  start();
  read_screen();
  ASSERT_TRUE(output_.starts_with(kClear)) << output_;
  EXPECT_EQ(without_carriage_returns(output_.substr(std::strlen(kClear))), kLines);
  EXPECT_EQ(wait_for_exit(500ms), -1) << "ended without a key press";
}

struct Key {
  const char* name;
  std::string bytes;
};

void PrintTo(const Key& key, std::ostream* os) { *os << key.name; }

class KeyPress : public Terminal, public ::testing::WithParamInterface<Key> {};

TEST_P(KeyPress, EndsTheRunAndLeavesTheTerminalAsItWas) {
  start();
  read_screen();
  ASSERT_EQ(wait_for_exit(300ms), -1);
  std::size_t shown = output_.size();
  press(GetParam().bytes);
  EXPECT_EQ(wait_for_exit(20s), 0);
  EXPECT_EQ(pending_input(), 0) << "bytes of the key left behind";
  read_until([](const std::string&) { return false; }, 100ms);
  EXPECT_EQ(output_.substr(shown), "") << "the key was echoed";
  termios after{};
  ASSERT_EQ(::tcgetattr(slave_, &after), 0);
  EXPECT_TRUE(same_settings(before_, after));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyPress,
                         ::testing::Values(Key{"Letter", "x"}, Key{"Enter", "\r"}, Key{"ArrowUp", "\x1b[A"},
                                           Key{"F1", "\x1bOP"}, Key{"F5", "\x1b[15~"}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(Terminal, ASignalWhileWaitingStillRestoresTheSettings) {
  start();
  read_screen();
  ASSERT_EQ(wait_for_exit(300ms), -1);
  ::kill(child_, SIGTERM);
  EXPECT_EQ(wait_for_exit(20s), 128 + SIGTERM);
  termios after{};
  ASSERT_EQ(::tcgetattr(slave_, &after), 0);
  EXPECT_TRUE(same_settings(before_, after));
}

TEST_F(Terminal, WithStandardInputClosedTheRunEndsByItself) {
  start(/*close_input=*/true);
  read_screen();
  EXPECT_EQ(without_carriage_returns(output_.substr(std::strlen(kClear))), kLines);
  EXPECT_EQ(wait_for_exit(20s), 0);
}

}  // namespace
