// Launches each program RUNS times, in turn so that drift of the machine hits all alike, each launch with a
// runtime directory of its own, and prints per program: name, median wall milliseconds from launch to exit,
// median peak resident kilobytes. The first launch of each warms the caches and is not counted.
//
//   yunuri_launch RUNS WORKDIR NAME=PROGRAM[,ARGUMENT...]...
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Program {
  std::string name;
  std::vector<std::string> command;
  std::vector<double> wallMs;
  std::vector<double> peakKb;
};

struct Launch {
  double wallMs;
  double peakKb;
};

bool launchOnce(const std::vector<std::string>& command, const std::filesystem::path& runtime, Launch& out) {
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  std::filesystem::create_directories(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    // A launch whose output cannot be silenced would time its messages too: it does not run.
    if (std::freopen("/dev/null", "w", stdout) == nullptr ||
        std::freopen("/dev/null", "w", stderr) == nullptr) {
      _exit(127);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  const auto end = std::chrono::steady_clock::now();
  std::filesystem::remove_all(runtime);
  out.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
  out.peakKb = static_cast<double>(usage.ru_maxrss);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: yunuri_launch RUNS WORKDIR NAME=PROGRAM...\n", stderr);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::filesystem::path work = argv[2];
  std::vector<Program> programs;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto eq = arg.find('=');
    if (eq == std::string::npos) {
      std::fprintf(stderr, "yunuri_launch: expected NAME=PROGRAM, got %s\n", argv[i]);
      return 2;
    }
    Program p{arg.substr(0, eq), {}, {}, {}};
    std::istringstream words(arg.substr(eq + 1));
    for (std::string word; std::getline(words, word, ',');) p.command.push_back(word);
    programs.push_back(std::move(p));
  }

  int launchNumber = 0;
  for (int run = 0; run <= runs; ++run) {
    for (Program& p : programs) {
      Launch l{};
      if (!launchOnce(p.command, work / ("runtime-" + std::to_string(launchNumber++)), l)) {
        std::fprintf(stderr, "yunuri_launch: %s did not end cleanly\n", p.command.front().c_str());
        return 1;
      }
      if (run == 0) continue;
      p.wallMs.push_back(l.wallMs);
      p.peakKb.push_back(l.peakKb);
    }
  }
  for (const Program& p : programs) {
    std::printf("%s %.2f %.0f\n", p.name.c_str(), median(p.wallMs), median(p.peakKb));
  }
  return 0;
}
