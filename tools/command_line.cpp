#include "command_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "quorvel/analyses/code_check.h"
#include "quorvel/analyses/hand_methods.h"
#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/csv.h"
#include "walk.h"

namespace quorvel::batch {
namespace {

// "T, D, t, L1, …, alpha (α), beta (β)"
std::string typed_fields() {
  std::string out;
  for (std::string_view symbol : field_symbols()) {
    const std::string typed = typed_symbol(symbol);
    out += (out.empty() ? "" : ", ") + (typed == symbol ? typed : typed + " (" + std::string(symbol) + ")");
  }
  return out;
}

// "1 for T and 0.01 for the others"
std::string default_steps() {
  std::vector<std::string> whole;
  for (const Panel* panel : panels())
    for (const InputField& field : panel->inputs)
      if (field.kind == FieldKind::whole_number && std::find(whole.begin(), whole.end(), field.symbol) == whole.end())
        whole.emplace_back(field.symbol);
  std::string names;
  for (const std::string& symbol : whole) names += (names.empty() ? "" : ", ") + typed_symbol(symbol);
  return std::string(default_step(FieldKind::whole_number)) + " for " + names + " and " +
         std::string(default_step(FieldKind::real)) + " for the others";
}

// --solve, --sweep and --ranges: at most one walk.
std::string take_walk(CommandLine& command, WalkMode mode, const std::string& name, const std::string& value) {
  Options& options = command.options;
  if (options.walk) return "only one --solve, --sweep or --ranges can be given";
  auto walk = parse_walk(value);
  if (const auto* why = std::get_if<std::string>(&walk)) return name + " " + value + ": " + *why;
  options.walk = std::get<Walk>(std::move(walk));
  options.mode = mode;
  return {};
}

// The action of an option without a value: sets the flag that the members
// lead to, &Options::si or &Options::review, &ReviewCells::movements.
template <auto... members>
std::string switch_on(CommandLine& c, const std::string&) {
  // Spaced, as clang-format would glue the fold into ".*....*".
  // clang-format off
  (c.options .* ... .* members) = true;
  // clang-format on
  return {};
}

// The option of the code check given first, for the refusal without --code.
void given(CommandLine& c, std::string_view name) {
  if (c.options.code.given.empty()) c.options.code.given = name;
}

// A number of the code check: finite and above `least` (or at least it when
// `or_equal`), times `unit` into `*to`.
template <class Target>
std::string code_number(CommandLine& c, std::string_view name, std::string_view unit_text, const std::string& value,
                        double least, bool or_equal, double unit, Target& to) {
  given(c, name);
  const auto d = parse_decimal(value, ".");
  const double v = d ? to_double(*d) : 0;
  if (!d || !std::isfinite(v) || v < least || (v == least && !or_equal))
    return std::string(name) + " " + value + ": expected " + std::string(unit_text);
  to = v * unit;
  return {};
}

std::string material_keys() {
  std::string keys;
  for (const CodeMaterial& m : code_materials()) keys += (keys.empty() ? "" : ", ") + std::string(m.key);
  return keys;
}

// The option that `arg` gives: "--opt", or "--opt=VALUE" for one with a value.
const Option* named(std::string_view arg) {
  for (const Option& option : options()) {
    if (!option.apply || !arg.starts_with(option.name)) continue;
    const std::string_view rest = arg.substr(option.name.size());
    if (rest.empty() || (!option.value.empty() && rest.starts_with('='))) return &option;
  }
  return nullptr;
}

std::vector<Option> table() {
  const csv::Dialect comma = csv::Dialect::with_decimal_comma(true);
  const Material& steel = carbon_steel();
  const std::string mpa = steel.allowable_mpa_text(steel.reference_T, ".");
  return {
      {"--decimal-comma", "",
       "numbers use '" + std::string(comma.decimal_point) + "' as decimal separator and cells are separated by '" +
           comma.separator + "', as spreadsheets in such locales write CSV",
       switch_on<&Options::decimal_comma>},
      {"--solve", "F=FROM:TO[:STEP]",
       "for each row, walk field F from FROM towards TO (upwards or downwards) in steps of STEP and answer the first "
       "value at which every unrounded stress ratio is at most the target. F is one of " +
           typed_fields() + "; STEP is " + default_steps() +
           " when left out. The values are FROM ± k·STEP worked in decimal and written plainly (0.3, never "
           "0.30000000000000004); each is calculated from the row's texts with F's text replaced by the value's. A "
           "value whose calculation fails does not pass. The output row is the input row, the status, the value, "
           "the last value of the walk before the run stops passing again (the end of the stretch that the value "
           "starts), then the results at the value. The status is ok, or \"no solution\" when no value passes, or "
           "the kind of failure when every value failed alike (a bad text in another field, say); the values and "
           "results are then empty. A row whose panel has no field F is rejected. "
           "For a loop row F may also be H, the loop's height (L2 and L4 both set to the value; its value now is "
           "L2's), or W, its width (L3 set to the value). L1 and L5 then each give up half of what the loop gains "
           "along the level legs, L2·sin(α − 90°) + L3 + L4·sin(β − 90°), so that the anchors stay where they are "
           "and L still matches: exactly in decimal with square corners and for W, else rounded to the "
           "micrometre. A value that would leave L1 or L5 below 0 is not run and does not pass; when no value "
           "passes for that reason the status says from which value V on: no solution: L1 below 0 from V (L5, or L1 "
           "and L5). A bend "
           "or offset row is rejected with H or W.",
       [](CommandLine& c, const std::string& value) { return take_walk(c, WalkMode::solve, "--solve", value); }},
      {"--ranges", "F=FROM:TO[:STEP]",
       "for each row, walk field F as --solve does, to the end, and give every stretch of consecutive values at "
       "which the run passes: the input row, the status as for --solve, then one cell FROM..TO per stretch, its "
       "first and last value in walk order (8.6..28.7). A short leg can overstress one anchor and a long one "
       "another, so a run may pass on several stretches or on none. Takes none of the options that add results "
       "(--si, --verdict, --movements, --crosscheck, --friction, --check); with --installed T0 it judges the run "
       "installed at T0, with --elbows the run with elbows, with --guides the guided run",
       [](CommandLine& c, const std::string& value) { return take_walk(c, WalkMode::ranges, "--ranges", value); }},
      {"--target", "R",
       "the highest ratio that passes for --solve and --ranges, and the level drawn by --plot (default " +
           plain_text(Options{}.target, ".") + ")",
       [](CommandLine& c, const std::string& value) {
         const auto target = parse_decimal(value, ".");
         if (!target || compare(*target, {}) < 0) return "--target " + value + ": expected a number not below 0";
         c.options.target = *target;
         return std::string();
       }},
      {"--sweep", "F=FROM:TO:STEP",
       "for each row, one output row per value of F from FROM to TO (TO included when it lies on the grid), with the "
       "value in F's cell, then the status and the results. With H or W every cell they change is written (L1 to "
       "L5); a value that leaves L1 or L5 below 0 has the status L1 below 0 (L5, or L1 and L5) and empty results",
       [](CommandLine& c, const std::string& value) { return take_walk(c, WalkMode::sweep, "--sweep", value); }},
      {"--plot", "FILE.svg",
       "with --sweep and exactly one input row: draw every stress ratio against F as an SVG chart, one line per "
       "ratio, the target as a dashed line; failed values leave gaps. With --code, --guides, --elbows or --installed "
       "a black line beside them draws the governing ratio the walks judge by, named in the title and the legend "
       "(SE/SA of the code check, else the guided run's, else the run with elbows', else the run installed at T0), "
       "a gap where it has no answer or the inputs describe no pipe",
       [](CommandLine& c, const std::string& value) {
         if (value.empty()) return std::string("--plot needs a file name");
         c.plot_file = value;
         return std::string();
       }},
      {"--si", "",
       "after the results, the same results in SI units in the same order, each rounded once from its unrounded "
       "value: forces in kN and moments in kN·m with three decimals, stresses in MPa as magnitudes with two "
       "decimals (the default bend gives 9.077, 3.770, 1.152, 9.71, 14.94, 25.39); combines with --solve and "
       "--sweep",
       switch_on<&Options::si>},
      {"--verdict", "",
       "two more cells after the results (after those of --si): the governing ratio, the largest unrounded bending "
       "stress over the allowable stress [S] = " +
           mpa +
           " MPa anywhere along the run, with three decimals, and passes when it is at most the target or exceeds "
           "when it is above; both empty when the calculation failed. Where the inputs describe no pipe (the first "
           "kind of check under --check) the ratio is empty and the verdict says invalid, as does every verdict "
           "below. --solve, --ranges and --plot judge by the same unrounded ratios, so a ratio shown as 1 may "
           "exceed, and --solve and --ranges count a value whose inputs describe no pipe as not passing",
       switch_on<&Options::verdict>},
      {"--elbows", "R",
       "the same run with real elbows beside the sharp corners: every bend an arc of radius R tangent to both legs, "
       "R one of 1D (short radius), 1.5D (long radius), 3D, 5D or a radius in metres such as 0.6m. Its bending "
       "flexibility is k times that of straight pipe and its bending stress i times, with h = t·R/r², r = (D − t)/2, "
       "k = 1.65/h and i = 0.9/h^(2/3), neither below 1 (ASME B31.3 Appendix D). More cells after the results "
       "(after those of --si and --verdict): k and i with two decimals; the reactions with elbows in the order and "
       "display of the panel's moment and force results; the ratio at every point in the order of its ratio "
       "results, |M|/Z/[S] at an anchor and i·|M|max/Z/[S] at a bend, |M|max the largest moment anywhere on its "
       "arc; the governing ratio with three decimals; passes or exceeds. All empty when the calculation failed; "
       "when the elbows at the ends of a leg need more than its length, all empty but the last, which names the "
       "leg: does not fit L2, or says not available for a run with its legs in line; invalid instead of either "
       "where the inputs describe no pipe. From 0 ℃, or from T0 with --installed. --solve then walks on the "
       "verdict with elbows",
       [](CommandLine& c, const std::string& value) {
         c.options.elbows = parse_elbow_radius(value);
         if (!c.options.elbows)
           return "--elbows " + value + ": expected 1D, 1.5D, 3D, 5D or a radius in metres such as 0.6m";
         return std::string();
       }},
      {"--installed", "T0",
       "the run installed (anchored) at T0 ℃ instead of 0 ℃: every reaction and stress scales by (e(T) − e(T0)) / "
       "e(T). Cells after those of --si, --verdict and --elbows: the factor with three decimals, the results times "
       "the factor in the panel's displays, the governing ratio of the scaled stresses with three decimals and "
       "passes or exceeds (against the target). Where e(T) = 0 the factor cell says \"not defined\" and the others "
       "are empty but the verdict, which says invalid where the inputs describe no pipe. With --installed the "
       "cells of --elbows, --movements, --crosscheck, --guides and --friction and the verdict a walk takes (--solve, "
       "--ranges) count from "
       "T0 as well: the signed growth from T0 to T, so that a run colder than T0 pulls where a hotter one pushes; "
       "the results and --si and --verdict stay from 0 ℃ as the panel gives them. The default bend installed at "
       "20 ℃ gives 0.721 and the governing ratio 0.229, passes",
       [](CommandLine& c, const std::string& value) {
         const auto T0 = parse_decimal(value, ".");
         if (!T0 || !std::isfinite(to_double(*T0))) return "--installed " + value + ": expected a temperature in ℃";
         c.options.review.installed = to_double(*T0);
         return std::string();
       }},
      {"--movements", "",
       "after those cells, dx and dy of each bend point in order (point 2 first), in mm with one decimal, in the "
       "panel's axes: +x along the first leg away from the start anchor, +y across it as the run's points lie; the "
       "free thermal growth plus the bending deflection of the sharp-corner frame with both anchors held, from 0 ℃ or "
       "from T0 with --installed. The default bend's point 2 moves 16.2 mm along L1 and -8.1 mm across it "
       "(installed at 20 ℃: 11.7 and -5.8)",
       switch_on<&Options::review, &ReviewCells::movements>},
      {"--crosscheck", "",
       "after those cells, the hand methods beside the exact frame: the ASME B31.3 319.4.1 screen D·y/(L − U)² "
       "(D in mm, y the resultant free growth between the anchors in mm, L the developed length and U the anchors' "
       "distance in m) with one decimal, passes or fails against K1 = " +
           fixed_text(kScreenK1, 0, 1, ".") +
           " (the code's own allowable stress range), passes or fails against K1 = 208000·[S]/E = " +
           fixed_text(screen_limit(steel, steel.reference_T), 0, 1, ".") + " ([S] = " + mpa +
           " MPa, E = " + steel.modulus_gpa_text(".") +
           " GPa), the guided-cantilever governing ratio with three decimals, and the exact governing ratio over "
           "it with two decimals; from 0 ℃, or from T0 with --installed. The default bend gives 116.8, passes, fails, "
           "0.448, 0.71; installed at 20 ℃ its screen gives 84.2, passes, passes; \"not defined\" for a straight "
           "run; where the inputs describe no pipe the screen is empty and both its verdicts say invalid",
       switch_on<&Options::review, &ReviewCells::crosscheck>},
      {"--guides", "G",
       "the run with a guide on each leg from an anchor to a bend (L1 and the last leg), G metres from the bend's "
       "corner point towards the anchor: the guide holds that point of the leg against moving across the leg, the "
       "pipe slides along it and turns freely. A leg not longer than G, or whose elbow reaches past the guide, has "
       "no guide. With --elbows the guided run has the elbows too. Cells after those of --crosscheck: the guided "
       "run's reactions in the order and display of the panel's moment and force results, the ratio at every "
       "point in the order of its ratio results, the ratio at the guide on L1 and at the one on the last leg, the "
       "force each guide puts on the pipe across its leg in kg (tenths display), positive along the leg's "
       "direction from point 1 turned 90° counter-clockwise, the governing ratio with three decimals, passes or "
       "exceeds, and last the legs without a guide (no guide L5; empty when both have one). A leg without a guide "
       "leaves its two cells empty; with no guide at all the cells are the panel's results (or those of "
       "--elbows). All empty when the calculation failed; all but the last when the elbows do not fit (does not "
       "fit L2) or the run has no answer (not available); where the inputs describe no pipe the governing ratio "
       "is empty and the verdict says invalid. From 0 ℃, or from T0 with --installed. --solve and --ranges then "
       "walk on the guided run's verdict (on the code check's with --code, which then checks the guided frame)",
       [](CommandLine& c, const std::string& value) {
         const auto g = parse_decimal(value, ".");
         if (!g || compare(*g, {}) <= 0 || !std::isfinite(to_double(*g)))
           return "--guides " + value + ": expected a distance in metres above 0";
         c.options.guided.guides = to_double(*g);
         return std::string();
       }},
      {"--friction", "W[,MU]",
       "two cells after those of --guides: the load the start anchor takes along L1, then the far anchor's along "
       "the last leg, in kN with three decimals: |the frame's force along the leg| + MU·W·l, W the weight per "
       "metre of pipe, contents and insulation in N/m, MU the friction coefficient of the sliding supports "
       "(default " +
           fixed_text(kSteelOnSteel, 0, 1, ".") +
           ", steel on steel), l the leg's length from the anchor to the bend. The frame's force is the guided "
           "run's under --guides, else the run with elbows under --elbows, else the panel's; from 0 ℃, or from T0 "
           "with --installed",
       [](CommandLine& c, const std::string& value) {
         c.options.guided.friction = parse_friction(value);
         if (!c.options.guided.friction)
           return "--friction " + value + ": expected a weight per metre in N/m, optionally a comma and MU";
         return std::string();
       }},
      {"--code", "CODE",
       "the code's own check of the displacement stress range, beside the panel's: CODE is b31.3, " +
           std::string(kCodeEdition) +
           " (GB 50316 is not built: its formulas could not be confirmed from a public copy). The frame is the run "
           "with elbows of --elbows R (1.5D when not given), computed with the reference modulus Ea over the free "
           "growth of the whole range, from the lowest of T, T0 (--installed, 20 ℃ when not given) and --lowest to "
           "the highest of T and T0. At each point SE = √((|Sa| + Sb)² + (2St)²), Sb = i·|M|/Z (i of Appendix D at "
           "a bend, 1 at an anchor), Sa = |Fa|/A, St = 0; SA = f(1.25·Sc + 0.25·Sh) (1a), with --sustained the "
           "larger of that and f[1.25(Sc + Sh) − SL] (1b), f = 6.0·N^−0.2, at most fm (1.2 for ferrous material "
           "whose specified minimum tensile strength is at most 517 MPa at up to 371 ℃, else 1.0) and at least "
           "0.15, Sc and Sh at most 138 MPa when f > 1. With --guides G the frame has its guides too, and the "
           "anchor loads, SE/SA and the verdict are the guided frame's. Cells after those of --friction: SA in MPa "
           "with one decimal; SE at every point in the order of the panel's ratio results, MPa with one decimal; "
           "with --guides, SE at the guide on L1 and at the one on the last leg (i = 1, Sa from the force along "
           "the leg there), empty where a leg has no guide; the governing SE/SA with three decimals; passes or fails "
           "(against the target); the hot anchor loads "
           "Rm = R(1 − 2C/3)·Eh/Ea in the order and sign of the panel's moment and force results (reversed for a "
           "run colder than T0) in kN·m and kN with three decimals; the cold ones, the greater of C·R and C1·R, "
           "C1 = 1 − Sh·Ea/(SE·Eh) (at least 0), opposite to the hot ones; the cautions (D/t above 100, i of 5 or "
           "more, L/U above 2.5, values given where a table has none), empty when none. All empty when the "
           "calculation failed; all but the last, which says why, when a value has no table and is not given. "
           "--solve and --ranges then judge by SE/SA. The default bend at 93 ℃ in a106b (every value from its tables) "
           "installed at 38 ℃ gives SA 211.2, SE 5.5, 19.9 and 19.0, governing 0.094, passes, hot loads 4.788, "
           "2.320 and 0.535; no cold load, as C1 is below 0",
       [](CommandLine& c, const std::string& value) {
         if (value == "b31.3" || value == "B31.3") {
           c.options.code.on = true;
           return std::string();
         }
         if (value == "gb50316" || value == "GB50316")
           return "--code " + value + ": not built, GB 50316's formulas could not be confirmed from a public copy";
         return "--code " + value + ": expected b31.3";
       }},
      {"--material", "KEY",
       "the material of --code: one of " + material_keys() +
           ", in any letter case (--materials lists their tables). Each of its values the user may replace",
       [](CommandLine& c, const std::string& value) {
         given(c, "--material");
         c.options.code.settings.material = code_material(value);
         if (!c.options.code.settings.material)
           return "--material " + value + ": expected one of " + material_keys() + " (see --materials)";
         return std::string();
       }},
      {"--materials", "",
       "list the materials of --code: their keys, grades, standards, the temperature range of each table with its "
       "source, and the values each grade has none of",
       nullptr},
      {"--lowest", "TMIN",
       "the lowest metal temperature of the displacement cycle, ℃, for --code only: the range starts at the lowest "
       "of T, T0 and TMIN",
       [](CommandLine& c, const std::string& value) {
         double T = 0;
         std::string why = code_number(c, "--lowest", "a temperature in ℃", value, -1e300, true, 1, T);
         c.options.code.settings.lowest = T;
         return why;
       }},
      {"--cycles", "N", "the equivalent number of full displacement cycles N of --code (default 7000)",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--cycles", "a number above 0", value, 0, false, 1, c.options.code.settings.cycles);
       }},
      {"--sustained", "SL", "the sustained longitudinal stress SL, MPa, for (1b) of --code",
       [](CommandLine& c, const std::string& value) {
         double SL = 0;
         std::string why = code_number(c, "--sustained", "a stress in MPa not below 0", value, 0, true, 1e6, SL);
         c.options.code.settings.sustained = SL;
         return why;
       }},
      {"--cold-spring", "C", "the cold-spring factor C of --code's anchor loads, from 0 (default) to 1",
       [](CommandLine& c, const std::string& value) {
         std::string why = code_number(c, "--cold-spring", "a factor from 0 to 1", value, 0, true, 1,
                                       c.options.code.settings.cold_spring);
         if (why.empty() && c.options.code.settings.cold_spring > 1)
           why = "--cold-spring " + value + ": expected a factor from 0 to 1";
         return why;
       }},
      {"--smts", "MPA", "the specified minimum tensile strength for fm of --code, replacing the material's",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--smts", "a strength in MPa above 0", value, 0, false, 1e6,
                            c.options.code.settings.user.tensile_strength);
       }},
      {"--ea", "GPA",
       "the user's values of --code, each replacing the material's: --ea the reference modulus Ea, --eh the "
       "modulus at T (--ea when not given and no --material), in GPa; --sc and --sh the basic allowable stresses "
       "at the range's lowest and highest temperature, in MPa; --growth the free expansion over the whole range, "
       "in mm/m. Without --material, --ea, --sc, --sh and --growth are needed",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--ea", "a modulus in GPa above 0", value, 0, false, 1e9,
                            c.options.code.settings.user.Ea);
       }},
      {"--eh", "GPA", "see --ea",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--eh", "a modulus in GPa above 0", value, 0, false, 1e9,
                            c.options.code.settings.user.Eh);
       }},
      {"--sc", "MPA", "see --ea",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--sc", "a stress in MPa above 0", value, 0, false, 1e6,
                            c.options.code.settings.user.Sc);
       }},
      {"--sh", "MPA", "see --ea",
       [](CommandLine& c, const std::string& value) {
         return code_number(c, "--sh", "a stress in MPa above 0", value, 0, false, 1e6,
                            c.options.code.settings.user.Sh);
       }},
      {"--growth", "MM_PER_M", "see --ea; refused with a walk of T, whose range changes with T",
       [](CommandLine& c, const std::string& value) {
         double v = 0;
         std::string why = code_number(c, "--growth", "an expansion in mm/m above 0", value, 0, false, 1e-3, v);
         c.options.code.settings.user.growth = v;
         return why;
       }},
      {"--check", "",
       "one last cell after all others: the checks of the row's inputs, each as SYMBOL: text, joined by \"; \", "
       "empty when every input describes a pipe the calculation covers. The inputs describe no pipe unless D is "
       "above 0, t above 0 and below D/2, no leg below 0 and not every leg 0, angles strictly between 0 and 180 "
       "degrees and L above 0; the others are warnings, which keep the verdicts: L within 1 % of the anchors' "
       "distance the legs give, T from " +
           number_text(steel.range().coldest, ".") + " to " + number_text(steel.range().hottest, ".") +
           " ℃ and without a fraction. The calculation runs and is written as without it",
       switch_on<&Options::check>},
      {"--header", "",
       "before the first output row, and before every row whose panel differs from the row above, a row naming "
       "each cell of the rows below: panel, the input symbols, status, each result with its unit (Mz1 kgm, "
       "S2/[S]), then each cell an option adds, named with its symbol, its unit and the option (S2 MPa for --si, "
       "governing S/[S] and verdict for --verdict, S2/[S] elbows, dx2 mm movements, L2 m solve and L2 m solve "
       "end, H m solve for the loop's height). With --ranges the first stretch's cell is named L2 m ranges",
       switch_on<&Options::header>},
      {"--help", "", "this text", nullptr},
      {"--version", "", "the version", nullptr},
  };
}

}  // namespace

std::span<const Option> options() {
  static const std::vector<Option> all = table();
  return all;
}

std::variant<CommandLine, std::string> parse_command_line(std::span<const std::string> args) {
  CommandLine command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const Option* option = named(arg);
    if (!option) {
      if (arg.starts_with("--")) return "unknown option " + arg;
      command.files.push_back(arg);
      continue;
    }
    std::string value;
    if (arg != option->name) {
      value = arg.substr(option->name.size() + 1);
    } else if (!option->value.empty()) {
      if (i + 1 == args.size()) return arg + " needs a value";
      value = args[++i];
    }
    if (std::string why = option->apply(command, value); !why.empty()) return why;
  }
  const Options& options = command.options;
  const ReviewCells& review = options.review;
  if (options.walk && options.mode == WalkMode::ranges &&
      (options.si || options.verdict || review.movements || review.crosscheck || options.guided.friction ||
       options.check))
    return "--ranges writes stretches, not results: it takes no --si, --verdict, --movements, --crosscheck, "
           "--friction or --check";
  const CodeOptions& code = options.code;
  if (!code.on && !code.given.empty()) return code.given + " belongs to the code check: give --code b31.3 too";
  if (code.on) {
    const CodeUserValues& user = code.settings.user;
    if (!code.settings.material && !(user.Ea && user.Sc && user.Sh && user.growth))
      return "--code without --material needs --ea, --sc, --sh and --growth";
    if (user.growth && options.walk && options.walk->symbol == "T")
      return "--growth is the expansion over one range: it cannot be given with a walk of T";
    CodeSettings& settings = command.options.code.settings;
    settings.installed = review.installed.value_or(kInstalledAt);
    if (options.elbows) settings.elbows = *options.elbows;
    settings.guides = options.guided.guides;
  }
  if (!command.plot_file.empty() && (!command.options.walk || command.options.mode != WalkMode::sweep))
    return "--plot draws a --sweep: give --sweep F=FROM:TO:STEP too";
  return command;
}

}  // namespace quorvel::batch
