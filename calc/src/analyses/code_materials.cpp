#include "quorvel/analyses/code_materials.h"

#include <cmath>

#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

// 1 psi = 1 lbf/in² = 0.45359237 kg · 9.80665 m/s² / 0.0254² m², exactly.
constexpr double kPsi = 0.45359237 * 9.80665 / (0.0254 * 0.0254);
constexpr double kKsi = 1e3 * kPsi;
constexpr double kMsi = 1e6 * kPsi;

// Modulus of elasticity, 10⁶ psi, at °F: ASME B31.1-1995 Table C-1 as
// tabulated by Engineering ToolBox ("Modulus of Elasticity for some common
// metals at various temperatures according ASME B31.1-1995"). Carbon steels
// with C ≤ 0.3 %; the row ends at 1100 °F.
constexpr CodeRow kCarbonSteelE[] = {{-325, 31.4}, {-200, 30.8}, {-100, 30.2}, {70, 29.5},  {200, 28.8},
                                     {300, 28.3},  {400, 27.7},  {500, 27.3},  {600, 26.7}, {700, 25.5},
                                     {800, 24.2},  {900, 22.4},  {1000, 20.4}, {1100, 18.0}};
// The same table's austenitic row (TP304, 310, 316, 321, 347); its 500 to
// 1200 °F values are those of ASME B31.3-2010 Table C-6 as well.
constexpr CodeRow kAusteniticE[] = {{-325, 30.3}, {-200, 29.7}, {-100, 29.1}, {70, 28.3},   {200, 27.6},
                                    {300, 27.0},  {400, 26.5},  {500, 25.8},  {600, 25.3},  {700, 24.8},
                                    {800, 24.1},  {900, 23.5},  {1000, 22.8}, {1100, 22.1}, {1200, 21.2}};

// Mean coefficient of thermal expansion from 70 °F, 10⁻⁶ in./in./°F:
// ASME BPVC Section II Part D-2001, Table TE-1, carbon and low alloy steels
// (Group 1), column B (the 1998 edition with its 1999/2000 addenda, and the
// 2010 edition, print the same column). It starts at 70 °F.
constexpr CodeRow kCarbonSteelExpansion[] = {
    {70, 6.4},  {100, 6.5},  {150, 6.6},  {200, 6.7},  {250, 6.8},  {300, 6.9},  {350, 7.0},  {400, 7.1}, {450, 7.2},
    {500, 7.3}, {550, 7.3},  {600, 7.4},  {650, 7.5},  {700, 7.6},  {750, 7.7},  {800, 7.8},  {850, 7.9}, {900, 7.9},
    {950, 8.0}, {1000, 8.1}, {1050, 8.1}, {1100, 8.2}, {1150, 8.3}, {1200, 8.3}, {1250, 8.4}, {1300, 8.4}};

// Basic allowable stress, ksi, at °F: ASME B31.3 Table A-1, the line of A106
// Gr. B, A53 Gr. B and API 5L Gr. B (60 and 35 ksi), whose first column is
// "min. temp. to 100". No public copy of the code's own page could be read:
// the row is that of three published copies of the B31.3-2002 table, which
// agree wherever they overlap. Atlas Steels' pressure tables for A53, A106
// and API 5L Grade B give 137.9 MPa at "−29 to +38" and 204 ℃, then 130.3,
// 117.2, 113.8, 89.6 and 74.5 MPa at 260, 343, 371, 399 and 427 ℃ (the 500,
// 650, 700, 750 and 800 °F columns); the piping-tools.net spreadsheet of
// Table A-1 gives 137.9 MPa for A106 Gr. B at 38 and 93 ℃ and, for API 5L
// Gr. B, 119.28 and 117.21 MPa at 600 and 650 °F; piping-world reads "20ksi
// from minimum temperature to 400°F" for A106 Gr. B. The row starts at
// −20 °F, Atlas's first column, and ends at 800 °F, as theirs does.
constexpr CodeRow kCarbonSteelS[] = {{-20, 20.0}, {100, 20.0}, {200, 20.0}, {300, 20.0}, {400, 20.0}, {500, 18.9},
                                     {600, 17.3}, {650, 17.0}, {700, 16.5}, {750, 13.0}, {800, 10.8}};
// A312 TP304's line: 20.0 ksi at 100 and 200 °F (38 and 93 ℃), as a
// published spreadsheet converts the B31.3-2002 table ("A312 TP304 137.9"
// MPa); no further column could be read, so the table ends at 200 °F.
constexpr CodeRow kTP304S[] = {{100, 20.0}, {200, 20.0}};

constexpr std::string_view kE_Source = "ASME B31.1-1995 Table C-1 (10⁶ psi, °F), as Engineering ToolBox tabulates it";

constexpr CodeMaterial kMaterials[] = {
    {"a106b",
     "carbon steel A106 Gr. B",
     "ASTM A106 Gr. B (the same values serve A53 Gr. B)",
     {kCarbonSteelE, true, kMsi, kE_Source},
     {kCarbonSteelExpansion, true, 1e-6,
      "ASME BPVC Section II Part D-2001 Table TE-1, Group 1, mean coefficient from 70 °F"},
     {kCarbonSteelS, true, kKsi,
      "ASME B31.3-2002 Table A-1 (ksi, °F) as Atlas Steels, piping-tools.net and piping-world print "
      "its A106/A53/API 5L Gr. B line"},
     415e6,
     "ASTM A106 Gr. B, 60 ksi (415 MPa), as suppliers quote the ASTM standard"},
    {"20", "steel 20", "GB/T 8163 / GB 9948 (GB 50316 tables not confirmed: give every value)", {}, {}, {}},
    {"s30408",
     "austenitic stainless 304",
     "ASME A312 TP304 / GB S30408",
     {kAusteniticE, true, kMsi, kE_Source},
     {},
     {kTP304S, true, kKsi,
      "ASME B31.3-2002 Table A-1 (ksi, °F), 20.0 ksi (137.9 MPa) at 100 and 200 °F, as a published "
      "spreadsheet prints it"},
     515e6,
     "ASTM A312 TP304, 75 ksi (515 MPa), as suppliers quote the ASTM standard"},
};

double to_celsius(const CodeTable& table, double T) {
  return table.fahrenheit ? celsius(T) : T;
}

}  // namespace

double celsius(double fahrenheit) noexcept {
  return (fahrenheit - 32) * 5 / 9;
}

double CodeTable::coldest() const noexcept {
  return to_celsius(*this, rows.front().T);
}

double CodeTable::hottest() const noexcept {
  return to_celsius(*this, rows.back().T);
}

std::optional<double> CodeTable::at(double T) const noexcept {
  if (rows.empty() || !(T >= coldest() && T <= hottest())) return std::nullopt;
  const double t = fahrenheit ? T * 9 / 5 + 32 : T;
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const CodeRow &a = rows[k - 1], &b = rows[k];
    if (t <= b.T) return to_si * (a.value + (b.value - a.value) * (t - a.T) / (b.T - a.T));
  }
  return to_si * rows.back().value;  // T at the last row, rounded past it by the conversion
}

std::optional<double> CodeMaterial::reference_E() const noexcept {
  return E.at(celsius(kReferenceF));
}

std::optional<double> CodeMaterial::expansion_between(double from, double to) const noexcept {
  const auto strain = [&](double T) -> std::optional<double> {
    const auto mean = expansion.at(T);
    if (!mean) return std::nullopt;
    return *mean * (T * 9 / 5 + 32 - kReferenceF);
  };
  const auto a = strain(from), b = strain(to);
  if (!a || !b) return std::nullopt;
  return *b - *a;
}

std::span<const CodeMaterial> code_materials() noexcept {
  return kMaterials;
}

const CodeMaterial* code_material(std::string_view key) noexcept {
  for (const CodeMaterial& m : kMaterials) {
    bool same = key.size() == m.key.size();
    for (std::size_t i = 0; same && i < key.size(); ++i)
      same = (key[i] >= 'A' && key[i] <= 'Z' ? key[i] - 'A' + 'a' : key[i]) == m.key[i];
    if (same) return &m;
  }
  return nullptr;
}

std::string celsius_text(double T, std::string_view decimal_point) {
  std::string text = fixed_text(T, 0, 1, decimal_point);
  const std::string zero = std::string(decimal_point) + "0";
  if (text.ends_with(zero)) text.resize(text.size() - zero.size());
  return text;
}

std::string outside_text(const CodeMaterial& material, std::string_view quantity, const CodeTable& table, double T,
                         std::string_view dp) {
  const std::string what = std::string(quantity) + " of " + std::string(material.key);
  if (table.empty()) return what + ": no confirmed table, give it";
  return what + " at " + celsius_text(T, dp) + " ℃: outside its table, " + celsius_text(table.coldest(), dp) + " to " +
         celsius_text(table.hottest(), dp) + " ℃";
}

}  // namespace quorvel
