// Starts the start-up probe and the two bare windows in turn, many times,
// and prints the medians as "key=value" lines.
//
// The driver reads CLOCK_MONOTONIC just before it forks; each child reports
// the same clock at its first paint, so the time measured runs from before the
// process exists to its first paint.
//
//   startup_driver RUNS PROBE BARE BARE_WITH_TEXT
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Values = std::map<std::string, long long>;

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

constexpr long long kDeadlineNs = 30'000'000'000LL;

// One run: the child's "key=value" lines, with "start_ns" added; nothing when
// the child failed or did not finish in time.
std::optional<Values> RunOnce(const char* program) {
  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  const long long start = MonotonicNs();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[4096];
  bool timedOut = false;
  for (;;) {
    const long long left = start + kDeadlineNs - MonotonicNs();
    if (left <= 0) {
      timedOut = true;
      break;
    }
    pollfd fd{out[0], POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left / 1'000'000 + 1)) <= 0) continue;
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  if (timedOut) kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s: %s\n", program, timedOut ? "no first paint in time" : "failed");
    return std::nullopt;
  }
  Values values{{"start_ns", start}};
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) {
      values[line.substr(0, equals)] = std::stoll(line.substr(equals + 1));
    }
  }
  return values;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The median over the runs of `to - from` (or of `to` alone), in `unit`.
double MedianOf(const std::vector<Values>& runs, const std::string& to, const std::string& from,
                double unit) {
  std::vector<double> values;
  for (const Values& run : runs) {
    values.push_back(static_cast<double>(run.at(to) - (from.empty() ? 0 : run.at(from))) / unit);
  }
  return Median(values);
}

// Whether a yes/no report had the same value in every run.
long long Always(const std::vector<Values>& runs, const std::string& key) {
  const long long first = runs.front().at(key);
  for (const Values& run : runs) {
    if (run.at(key) != first) return -1;
  }
  return first;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s RUNS PROBE BARE BARE_WITH_TEXT\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const char* programs[] = {argv[2], argv[3], argv[4]};
  std::vector<Values> results[3];

  // Two unmeasured runs of each, for the file cache, then the measured runs,
  // taking turns so that any drift of the machine touches all alike.
  for (int i = -2; i < runs; ++i) {
    for (int p = 0; p < 3; ++p) {
      auto values = RunOnce(programs[p]);
      if (!values) return 1;
      if (i >= 0) results[p].push_back(std::move(*values));
    }
  }
  const auto& probe = results[0];

  try {
    constexpr double kMs = 1e6;
    constexpr double kMiB = 1024.0;
    std::printf("runs=%d\n", runs);
    const char* names[] = {"vorpex", "bare", "text"};
    double paint[3], painted[3], cpu[3], memory[3];
    for (int p = 0; p < 3; ++p) {
      paint[p] = MedianOf(results[p], "first_paint_ns", "start_ns", kMs);
      painted[p] = MedianOf(results[p], "painted_ns", "start_ns", kMs);
      cpu[p] = MedianOf(results[p], "cpu_ns", "", kMs);
      memory[p] = MedianOf(results[p], "hwm_kib", "", kMiB);
      std::printf("%s_first_paint_ms=%.1f\n", names[p], paint[p]);
      std::printf("%s_painted_ms=%.1f\n", names[p], painted[p]);
      std::printf("%s_cpu_ms=%.1f\n", names[p], cpu[p]);
      std::printf("%s_hwm_mib=%.1f\n", names[p], memory[p]);
    }
    std::printf("startup_ratio=%.2f\n", paint[0] / paint[1]);
    std::printf("painted_ratio=%.2f\n", painted[0] / painted[1]);
    std::printf("memory_ratio=%.2f\n", memory[0] / memory[1]);
    std::printf("text_startup_ratio=%.2f\n", paint[0] / paint[2]);
    std::printf("text_painted_ratio=%.2f\n", painted[0] / painted[2]);
    std::printf("text_cpu_ratio=%.2f\n", cpu[0] / cpu[2]);
    std::printf("text_memory_ratio=%.2f\n", memory[0] / memory[2]);
    std::printf("vorpex_splash_hwm_mib=%.1f\n", MedianOf(probe, "splash_hwm_kib", "", kMiB));
    std::printf("handover_ms=%.2f\n", MedianOf(probe, "handover_ns", "", kMs));
    std::printf("calculator_painted_ms=%.1f\n",
                MedianOf(probe, "calculator_painted_ns", "start_ns", kMs));
    for (const char* check : {"calculator_built_at_splash", "help_built_at_splash",
                              "help_built_at_handover", "pictures_shared"}) {
      std::printf("%s=%lld\n", check, Always(probe, check));
    }
  } catch (const std::out_of_range&) {
    std::fprintf(stderr, "a run did not report every figure\n");
    return 1;
  }
  return 0;
}
