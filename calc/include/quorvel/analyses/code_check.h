#pragma once

// The code's own check of the displacement stress range, beside the panels'
// specified one: ASME B31.3-2018, 302.3.5(d), 319.3 to 319.5 and Appendix D
// (B31.3-2020 replaced Appendix D by a reference to ASME B31J-2017). The
// frame is the run with real elbows (elbows.h), or with guides on its anchor
// legs too (guides.h), with the material's reference modulus Ea, over the
// free growth of the whole displacement range.
// docs/engineering.md gives every formula with its clause. GB 50316's
// formulas could not be read from a public copy: it is not built.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/analyses/code_materials.h"
#include "quorvel/analyses/elbows.h"
#include "quorvel/analyses/installation.h"
#include "quorvel/panels/panel.h"

namespace quorvel {

inline constexpr std::string_view kCodeEdition = "ASME B31.3-2018";

// What the engineer gives: values that replace the material's, in SI.
struct CodeUserValues {
  std::optional<double> Ea, Eh;            // reference modulus and the one at T, Pa
  std::optional<double> Sc, Sh;            // basic allowable stress at the range's coldest and hottest, Pa
  std::optional<double> growth;            // the free expansion over the whole range, m/m
  std::optional<double> tensile_strength;  // specified minimum, Pa
};

struct CodeSettings {
  const CodeMaterial* material = nullptr;  // none: every value is the user's
  CodeUserValues user;
  double installed = kInstalledAt;  // T0, ℃
  std::optional<double> lowest;     // Tmin, ℃
  double cycles = 7000;             // N, equivalent full displacement cycles
  std::optional<double> sustained;  // SL, Pa
  double cold_spring = 0;           // C, 0 to 1
  ElbowRadius elbows{1.5, 0};       // long radius unless told
  std::optional<double> guides;     // g, m: the frame with its guides g from the bends
};

// f = 6.0·N^−0.2, at most fm and at least 0.15: 302.3.5(d) eq. (1c).
double stress_range_factor(double cycles, double fm) noexcept;
// fm: 1.2 for ferrous material whose specified minimum tensile strength is
// at most 517 MPa at metal temperatures up to 371 ℃, else 1.0.
double largest_range_factor(bool ferrous, std::optional<double> tensile_strength, double hottest) noexcept;
// SA = f(1.25·Sc + 0.25·Sh) (1a); with SL below Sh the larger of that and
// f[1.25(Sc + Sh) − SL] (1b). Sc and Sh at most 138 MPa when f > 1.
double allowable_range(double f, double Sc, double Sh, std::optional<double> SL) noexcept;

// 319.4.1: D·y/(L − U)² with D and y in mm, L and U in m, and its limit
// K1 = 208 000·SA/Ea (SA and Ea in the same unit).
double screen_value(double D_mm, double y_mm, double L_m, double U_m) noexcept;
double screen_K1(double SA, double Ea) noexcept;

// The quantities a material's tables or the engineer give.
enum class CodeQuantity { Ea, Eh, Sc, Sh, expansion };

// Why the check has no answer, or a caution beside its answer, as values:
// quorvel-batch writes them with remark_text, the window in its language.
enum class CodeRemarkKind {
  // Why there is no answer:
  calculation_failed,
  outside_table,      // `quantity` of `material` at `T` is outside `table` (with `given` a caution)
  no_table,           // the grade has no confirmed table for `quantity` (with `given` a caution)
  not_given,          // no material, and `quantities` not given
  elbows_do_not_fit,  // the elbows need more than leg L`leg`
  no_elbow_frame,     // no frame with elbows for these inputs
  no_guided_frame,    // no frame with guides for these inputs
  // Cautions beside an answer:
  user_values,  // no material: every value is the one given
  capped,       // Sc and Sh limited to 138 MPa as f > 1 (302.3.5(d))
  thin_wall,    // D/t = `value` above 100 (Appendix D)
  large_i,      // i = `value`, 5 or more (319.4.1)
  long_run,     // L/U = `value` above 2.5 (319.4.1)
};

struct CodeRemark {
  CodeRemarkKind kind;
  std::vector<CodeQuantity> quantities = {};  // the one of a table; with not_given every one missing
  const CodeMaterial* material = nullptr;
  const CodeTable* table = nullptr;
  double T = 0;        // ℃, where a table has no value
  bool given = false;  // the user's value stands where the table has none
  double value = 0;    // D/t, i or L/U
  int leg = 0;
};

// "Sc", "the expansion"
std::string_view quantity_name(CodeQuantity quantity) noexcept;
// The remark in English, numbers with `decimal_point`: "Sh of a106b at 250 ℃:
// outside its table, 38 to 93 ℃", "D/t = 120.0 above 100: Appendix D's factors
// are validated up to 100 (Table D300, Note 1)".
std::string remark_text(const CodeRemark& remark, std::string_view decimal_point);

struct CodePoint {
  double M = 0;                   // the moment of the range, N·m (at a bend its largest on the arc)
  double i = 1;                   // 1 at an anchor
  double Fa = 0;                  // the axial force at that section, N
  double Sb = 0, Sa = 0, SE = 0;  // Pa: i·|M|/Z, |Fa|/A, √((|Sa| + Sb)² + (2St)²) with St = 0
};

struct CodeCheck {
  std::vector<CodeRemark> unavailable;  // why there is no answer; empty when there is one
  double coldest = 0, hottest = 0;      // the range, ℃
  double Ea = 0, Em = 0, Sc = 0, Sh = 0, growth = 0, f = 0, fm = 0, SA = 0;
  std::vector<CodePoint> points;  // point 1 first
  // With guides, at the guide on the first leg, then on the last (i = 1);
  // none where a leg has no guide.
  std::array<std::optional<CodePoint>, 2> guides;
  double governing = 0;  // the largest SE/SA
  int place = 0;         // its point; past the last point, the guide (points + 1 on the first leg)
  bool passes = false;   // governing at most the target
  // The anchor loads, one for each of the panel's moment and force results
  // in its order and sign, N·m and N: hot Rm = R(1 − 2C/3)·Em/Ea, cold the
  // greater of C·R and C1·R, C1 = 1 − Sh·Ea/(SE·Em) (at least 0).
  std::vector<double> hot, cold;
  double C1 = 0;
  std::optional<double> screen;  // D·y/(L − U)², none for a straight run
  double K1 = 0, L_over_U = 0;
  ElbowFactors factors;
  std::vector<CodeRemark> cautions;
};

CodeCheck code_check(const Panel& panel, const Values& run, const CodeSettings& settings, double target = 1);
// Unavailable where the calculation failed.
CodeCheck code_check(const Panel& panel, const Outcome& outcome, const CodeSettings& settings, double target = 1);

// The cells of quorvel-batch and the note: SA and every SE in MPa with one
// decimal (SE in the order of the panel's ratio results), the governing
// ratio with three decimals, "passes" or "fails", the loads in kN and kN·m
// with three decimals, the remarks (why there is no answer first, then the
// cautions) joined by "; ".
struct CodeTexts {
  std::string SA;
  std::vector<std::string> SE;
  std::array<std::string, 2> guide_SE;  // empty where a leg has no guide
  std::string governing;
  std::string_view verdict;
  std::vector<std::string> hot, cold;
  std::string cautions;
};
CodeTexts code_texts(const Panel& panel, const CodeCheck& check, std::string_view decimal_point);

}  // namespace quorvel
