// The program's whole run (start-up, the constant table, the printed blocks,
// the key read at end of input) beside a process that does nothing,
// /bin/true; both with standard input at end of file and output to a file.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support.hpp"

extern char** environ;

namespace bench {
namespace {

// Runs `path` with standard input and output on the given descriptors, and
// waits for it; false when it could not run or failed.
bool run_once(const char* path, int input, int output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid;
  int rc = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every run reads from /dev/null and appends to one scratch file, opened once
// as a shell does for `for ...; do prog; done < /dev/null > file`: the file
// system's cost of truncating and reallocating a file is then not timed.
Body runs(const char* path) {
  return [path](benchmark::State& state) {
    std::string name = "/tmp/longarith_bench_" + std::to_string(::getpid()) + ".out";
    int input = ::open("/dev/null", O_RDONLY);
    int output = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
    for (auto _ : state) {
      if (!run_once(path, input, output)) {
        state.SkipWithError("the program did not run to a normal end");
        break;
      }
    }
    ::close(input);
    ::close(output);
    ::unlink(name.c_str());
  };
}

}  // namespace

void register_program_benchmarks() {
  add_pair("whole run of sqrt2_driver vs /bin/true", "process", runs(SQRT2_DRIVER), runs("/bin/true"),
           /*real_time=*/true);
}

}  // namespace bench
