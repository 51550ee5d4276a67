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

// Runs `path` with standard input from /dev/null and standard output into a
// scratch file, and waits for it; false when it could not run or failed.
bool run_once(const char* path, const char* output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid;
  int rc = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

Body runs(const char* path) {
  return [path](benchmark::State& state) {
    std::string output = "/tmp/longarith_bench_" + std::to_string(::getpid()) + ".out";
    for (auto _ : state) {
      if (!run_once(path, output.c_str())) {
        state.SkipWithError("the program did not run to a normal end");
        break;
      }
    }
    ::unlink(output.c_str());
  };
}

}  // namespace

void register_program_benchmarks() {
  add_pair("whole run of sqrt2_driver vs /bin/true", "process", runs(SQRT2_DRIVER), runs("/bin/true"),
           /*real_time=*/true);
}

}  // namespace bench
