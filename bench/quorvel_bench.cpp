// Cost of the step check: each panel's calculation with its default inputs,
// texts in to texts out, checked (quorvel::calculate) against the same
// formula text in plain doubles (quorvel/panels/unchecked.h); and quorvel-batch's
// rows per second.
// Ends with the line "checked/unchecked ratio: bend …, offset …, loop …",
// then "--code/plain batch ratio: …", "batch --guides/plain ratio: …" and
// "loop height walk/L2 walk ratio: …".

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

#include "batch.h"
#include "quorvel/panels/panels.h"
#include "quorvel/panels/unchecked.h"

namespace {

using quorvel::Panel;
std::string key(const Panel& panel) {
  return std::string(panel.key);
}

// A baseline that computes something else must not give a flattering ratio.
bool unchecked_matches_checked() {
  bool same = true;
  for (const Panel* p : quorvel::panels()) {
    const Panel& panel = *p;
    const auto inputs = quorvel::default_inputs(panel);
    const auto checked = quorvel::calculate(panel, inputs, ".");
    const auto plain = quorvel::detail::calculate_unchecked(panel, inputs, ".");
    if (!checked.failure && checked.results == plain) continue;
    same = false;
    std::fprintf(stderr, "%s: the unchecked calculation gives other texts\n  checked:  ", key(panel).c_str());
    for (const auto& text : checked.results) std::fprintf(stderr, " %s", text.c_str());
    std::fprintf(stderr, "%s\n  unchecked:", checked.failure ? " (failed)" : "");
    for (const auto& text : plain) std::fprintf(stderr, " %s", text.c_str());
    std::fprintf(stderr, "\n");
  }
  return same;
}

void checked(benchmark::State& state, const Panel* panel) {
  const auto inputs = quorvel::default_inputs(*panel);
  for (auto _ : state) {
    auto outcome = quorvel::calculate(*panel, inputs, ".");
    benchmark::DoNotOptimize(outcome);
  }
}

void unchecked(benchmark::State& state, const Panel* panel) {
  const auto inputs = quorvel::default_inputs(*panel);
  for (auto _ : state) {
    auto results = quorvel::detail::calculate_unchecked(*panel, inputs, ".");
    benchmark::DoNotOptimize(results);
  }
}

// A large batch input: ordinary runs of every panel, or runs with one bad
// text in a random field (nearly all fail; 1E39 is a number to a double field).
std::string generated_csv(int rows, bool failing) {
  std::mt19937 random(20240607);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  const auto tenths = [&](int lo, int hi) {
    const int v = pick(lo * 10, hi * 10);
    return std::to_string(v / 10) + "." + std::to_string(v % 10);
  };
  // Ranges by symbol: whole numbers, or tenths where marked.
  struct Range {
    std::string_view symbol;
    int lo, hi;
    bool tenths;
  };
  constexpr Range kRanges[] = {{"T", -40, 400, false}, {"D", 57, 530, false}, {"t", 3, 12, true},   {"L1", 2, 40, true},
                               {"L2", 2, 20, true},    {"L3", 2, 20, true},   {"L4", 2, 20, true},  {"L5", 2, 40, true},
                               {"L", 20, 90, true},    {"α", 60, 150, false}, {"β", 60, 150, false}};
  const char* const bad[] = {"", "abc", "1E39", "20m", "\"1,5\"", "0x10"};
  std::string csv;
  const auto all = quorvel::panels();
  for (int row = 0; row < rows; ++row) {
    const Panel& panel = *all[static_cast<std::size_t>(row) % all.size()];
    std::vector<std::string> cells;
    for (const quorvel::InputField& field : panel.inputs) {
      for (const Range& r : kRanges)
        if (r.symbol == field.symbol) cells.push_back(r.tenths ? tenths(r.lo, r.hi) : std::to_string(pick(r.lo, r.hi)));
    }
    if (failing) cells[static_cast<std::size_t>(pick(0, static_cast<int>(cells.size()) - 1))] = bad[pick(0, 5)];
    csv += key(panel);
    for (const auto& cell : cells) csv += "," + cell;
    csv += "\r\n";
  }
  return csv;
}

// Output goes nowhere: the benchmark counts the calculations and the
// writing of CSV, not the terminal.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int ch) override { return ch; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void batch(benchmark::State& state, bool failing, const quorvel::batch::Options& options) {
  constexpr int kRows = 30000;
  const std::string csv = generated_csv(kRows, failing);
  NullBuffer nothing;
  std::ostream out(&nothing);
  for (auto _ : state) {
    const bool all_valid = quorvel::batch::process(csv, "generated", options, out, out);
    benchmark::DoNotOptimize(all_valid);
  }
  state.counters["rows"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}

// quorvel-batch --solve: one row walked through 10,000 values of L2 with a
// target of 0 that no value reaches, so every value is calculated. The time
// is per row (the budget is 50 ms); the counter gives values per second.
void solve_walk(benchmark::State& state) {
  constexpr int kValues = 10000;
  quorvel::batch::Options options;
  options.walk = std::get<quorvel::Walk>(quorvel::batch::parse_walk("L2=0.01:100:0.01"));
  options.target = {};
  NullBuffer nothing;
  std::ostream out(&nothing);
  for (auto _ : state) {
    const bool all_valid = quorvel::batch::process("bend,70,377,9,20,10,90\r\n", "walk", options, out, out);
    benchmark::DoNotOptimize(all_valid);
  }
  state.counters["values"] = benchmark::Counter(kValues, benchmark::Counter::kIsIterationInvariantRate);
}

// A tilted loop walked through 10,000 values, every one calculated (target 0):
// of its height H, whose level legs give way at every value, or of L2 alone.
// The height walk should cost at most 1.5 times the field walk.
void loop_walk(benchmark::State& state, const char* walk) {
  quorvel::batch::Options options;
  options.walk = std::get<quorvel::Walk>(quorvel::batch::parse_walk(walk));
  options.target = {};
  NullBuffer nothing;
  std::ostream out(&nothing);
  for (auto _ : state) {
    const bool all_valid =
        quorvel::batch::process("loop,180,219.1,6.35,27,6,6,6,27,60,120,100\n", "walk", options, out, out);
    benchmark::DoNotOptimize(all_valid);
  }
}

// Keeps the CPU time per iteration of every benchmark, the median of the
// repetitions where there are several, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Iteration) times_[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        medians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // 0 when the benchmark did not run.
  double time(const std::string& name) const {
    if (const auto median = medians_.find(name); median != medians_.end()) return median->second;
    const auto found = times_.find(name);
    if (found == times_.end()) return 0;
    std::vector<double> t = found->second;
    std::nth_element(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(t.size() / 2), t.end());
    return t[t.size() / 2];
  }

 private:
  std::map<std::string, std::vector<double>> times_;
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // The machine may be shared: by default repeat each benchmark, interleaved
  // with the others, and compare medians. Flags given on the command line win.
  std::vector<char*> args{argv[0]};
  std::string defaults[] = {"--benchmark_repetitions=5", "--benchmark_enable_random_interleaving=true",
                            "--benchmark_display_aggregates_only=true"};
  for (std::string& flag : defaults) args.push_back(flag.data());
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  if (!unchecked_matches_checked()) return 1;

  for (const Panel* panel : quorvel::panels()) {
    benchmark::RegisterBenchmark(("checked/" + key(*panel)).c_str(), checked, panel)->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark(("unchecked/" + key(*panel)).c_str(), unchecked, panel)->Unit(benchmark::kNanosecond);
  }
  benchmark::RegisterBenchmark("batch/ordinary", batch, false, quorvel::batch::Options{})
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("batch/failing", batch, true, quorvel::batch::Options{})->Unit(benchmark::kMillisecond);
  // quorvel-batch --code b31.3 with the user's values, so that every row that
  // computes has an answer: its budget is three times the plain rows.
  quorvel::batch::Options checked_by_code;
  checked_by_code.code.on = true;
  checked_by_code.code.settings.user = {203.4e9, std::nullopt, 137.9e6, 137.9e6, 2e-3, std::nullopt};
  benchmark::RegisterBenchmark("batch/code", batch, false, checked_by_code)->Unit(benchmark::kMillisecond);
  // The same rows with a guide 3 m from the bend on each end leg: its budget
  // is three times the plain rows.
  quorvel::batch::Options guided;
  guided.guided.guides = 3;
  benchmark::RegisterBenchmark("batch/guides", batch, false, guided)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("batch/solve_10000_values", solve_walk)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("batch/loop_L2_walk", loop_walk, "L2=0.01:50:0.005")->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("batch/loop_height_walk", loop_walk, "H=0.01:50:0.005")->Unit(benchmark::kMillisecond);

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::string ratios, times;
  for (const Panel* p : quorvel::panels()) {
    const Panel& panel = *p;
    const double with_check = reporter.time("checked/" + key(panel));
    const double without = reporter.time("unchecked/" + key(panel));
    if (with_check <= 0 || without <= 0) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%s %.2f", key(panel).c_str(), with_check / without);
    ratios += (ratios.empty() ? "" : ", ") + std::string(text);
    std::snprintf(text, sizeof text, "%s %.2f us", key(panel).c_str(), with_check / 1000);  // times are in ns
    times += (times.empty() ? "" : ", ") + std::string(text);
  }
  if (!ratios.empty()) {
    std::printf("checked calculation, CPU time (median): %s\n", times.c_str());
    std::printf("checked/unchecked ratio: %s\n", ratios.c_str());
  }
  const double plain = reporter.time("batch/ordinary"), code = reporter.time("batch/code");
  if (plain > 0 && code > 0) std::printf("--code/plain batch ratio: %.2f (at most 3)\n", code / plain);
  if (const double guided_time = reporter.time("batch/guides"); plain > 0 && guided_time > 0)
    std::printf("batch --guides/plain ratio: %.2f\n", guided_time / plain);
  if (const double field = reporter.time("batch/loop_L2_walk"), height = reporter.time("batch/loop_height_walk");
      field > 0 && height > 0)
    std::printf("loop height walk/L2 walk ratio: %.2f\n", height / field);
  return 0;
}
