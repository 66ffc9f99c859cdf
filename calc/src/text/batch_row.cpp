#include "quorvel/text/batch_row.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "quorvel/panels/display.h"
#include "quorvel/panels/panels.h"
#include "quorvel/text/decimal.h"

namespace quorvel {
namespace {

std::optional<BatchRow> row_in(std::string_view text) {
  for (const bool comma : {false, true}) {
    const auto dialect = csv::Dialect::with_decimal_comma(comma);
    const auto cells = csv::read_line(text, dialect);
    if (!cells || cells->empty()) continue;
    const Panel* panel = panel_by_key(cells->front());
    if (!panel) continue;
    const std::size_t texts = cells->size() - 1, inputs = panel->inputs.size();
    if (texts != inputs && texts < inputs + 1 + panel->results.size()) continue;
    return BatchRow{panel, {cells->begin() + 1, cells->begin() + 1 + static_cast<std::ptrdiff_t>(inputs)}, dialect};
  }
  return std::nullopt;
}

// Each option of the code check: its name, its unit (the SI value is the
// option's times it) and the setting it gives.
struct CodeOption {
  std::string_view name;
  double unit;
  std::optional<double> CodeSettings::*optional = nullptr;
  std::optional<double> CodeUserValues::*user = nullptr;
};
constexpr CodeOption kCodeOptions[] = {
    {"--lowest", 1, &CodeSettings::lowest},
    {"--sustained", 1e6, &CodeSettings::sustained},
    {"--smts", 1e6, nullptr, &CodeUserValues::tensile_strength},
    {"--ea", 1e9, nullptr, &CodeUserValues::Ea},
    {"--eh", 1e9, nullptr, &CodeUserValues::Eh},
    {"--sc", 1e6, nullptr, &CodeUserValues::Sc},
    {"--sh", 1e6, nullptr, &CodeUserValues::Sh},
    {"--growth", 1e-3, nullptr, &CodeUserValues::growth},
};

std::string option_number(double v) {
  return number_text(v, ".");
}

// "1.5D": --elbows' radius in pipe diameters, above 0.
std::optional<double> elbows_times_D(const std::string& value) {
  if (!value.ends_with('D') && !value.ends_with('d')) return std::nullopt;
  const auto times = parse_decimal(value.substr(0, value.size() - 1), ".");
  if (!times || !(to_double(*times) > 0)) return std::nullopt;
  return to_double(*times);
}

std::optional<CodeOptions> code_options_of(const std::vector<std::string>& words) {
  const auto code = std::find(words.begin(), words.end(), "--code");
  if (code == words.end() || code + 1 == words.end() || code[1] != "b31.3") return std::nullopt;
  CodeOptions found;
  CodeSettings& s = found.settings;
  for (std::size_t k = 0; k + 1 < words.size(); ++k) {
    const std::string& name = words[k];
    const std::string& value = words[k + 1];
    const auto d = parse_decimal(value, ".");
    const double v = d ? to_double(*d) : std::nan("");
    const bool number = d && std::isfinite(v);
    if (name == "--material") {
      s.material = code_material(value);
      if (!s.material) return std::nullopt;
    } else if (name == "--elbows") {
      const auto times = elbows_times_D(value);
      if (!times) return std::nullopt;
      s.elbows = ElbowRadius{*times, 0};
      found.elbows_given = true;
    } else if (name == "--installed" || name == "--cycles" || name == "--cold-spring") {
      if (!number) return std::nullopt;
      (name == "--installed" ? s.installed : name == "--cycles" ? s.cycles : s.cold_spring) = v;
    } else {
      for (const CodeOption& option : kCodeOptions) {
        if (name != option.name) continue;
        if (!number) return std::nullopt;
        (option.optional ? s.*option.optional : s.user.*option.user) = v * option.unit;
      }
    }
  }
  // As quorvel-batch refuses them.
  if (!(s.cycles > 0) || !(s.cold_spring >= 0 && s.cold_spring <= 1)) return std::nullopt;
  return found;
}

// --guides G with G above 0 (as quorvel-batch takes it), --friction,
// --installed and --elbows; none where one of them cannot be read.
std::optional<GuideOptions> guide_options_of(const std::vector<std::string>& words) {
  const auto guides = std::find(words.begin(), words.end(), "--guides");
  if (guides == words.end() || guides + 1 == words.end()) return std::nullopt;
  GuideOptions found;
  for (std::size_t k = 0; k + 1 < words.size(); ++k) {
    const std::string& name = words[k];
    const std::string& value = words[k + 1];
    const auto d = parse_decimal(value, ".");
    const double v = d ? to_double(*d) : std::nan("");
    if (name == "--guides") {
      if (!(v > 0) || !std::isfinite(v)) return std::nullopt;
      found.g = v;
    } else if (name == "--installed") {
      if (!std::isfinite(v)) return std::nullopt;
      found.installed = v;
    } else if (name == "--elbows") {
      const auto times = elbows_times_D(value);
      if (!times) return std::nullopt;
      found.elbows = *times;
    } else if (name == "--friction") {
      found.friction = parse_friction(value);
      if (!found.friction) return std::nullopt;
    }
  }
  return found;
}

// A command line's words: "--opt=VALUE" as "--opt" and "VALUE", without the
// ':' that ends a note's line ("…--cycles 100000:").
std::vector<std::string> words_of(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream split(line);
  for (std::string word; split >> word;) {
    if (word.ends_with(':')) word.pop_back();
    const std::size_t equals = word.find('=');
    if (word.starts_with("--") && equals != std::string::npos) {
      words.push_back(word.substr(0, equals));
      word.erase(0, equals + 1);
    }
    words.push_back(word);
  }
  return words;
}

// What `read` gives for the first line of `text` that has `option` and that it reads.
template <typename Read>
auto first_read(std::string_view text, std::string_view option, Read read) -> decltype(read({})) {
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);)
    if (line.find(option) != std::string::npos)
      if (auto found = read(words_of(line))) return found;
  return std::nullopt;
}

// The first row of a panel in `text`.
std::optional<BatchRow> find_row(std::string_view text) {
  if (auto row = row_in(text)) return row;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (auto row = row_in(line)) return row;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<BatchRow> find_batch_row(std::string_view text) {
  auto row = find_row(text);
  if (row) {
    row->code = code_options_in(text);
    row->guides = guide_options_in(text);
  }
  return row;
}

std::string code_options(const CodeOptions& code) {
  const CodeSettings& s = code.settings;
  std::string text = "--code b31.3";
  // Appended word by word, not " " + …, which GCC 12 at -O3 flags with a
  // false -Wrestrict.
  const auto option = [&text](std::string_view name, std::string_view value) {
    text.append(" ").append(name).append(" ").append(value);
  };
  if (s.material) option("--material", s.material->key);
  option("--installed", option_number(s.installed));
  if (code.elbows_given) option("--elbows", option_number(s.elbows.times_D) + "D");
  if (s.cycles != CodeSettings{}.cycles) option("--cycles", option_number(s.cycles));
  if (s.cold_spring != 0) option("--cold-spring", option_number(s.cold_spring));
  for (const CodeOption& given : kCodeOptions) {
    const std::optional<double>& v = given.optional ? s.*given.optional : s.user.*given.user;
    if (v) option(given.name, option_number(*v / given.unit));
  }
  return text;
}

std::optional<CodeOptions> code_options_in(std::string_view text) {
  return first_read(text, "--code", code_options_of);
}

std::string guide_options(const GuideOptions& guides) {
  std::string text;
  const auto option = [&text](std::string_view name, std::string_view value) {
    text.append(text.empty() ? "" : " ").append(name).append(" ").append(value);
  };
  if (guides.elbows > 0) option("--elbows", option_number(guides.elbows) + "D");
  if (guides.installed) option("--installed", option_number(*guides.installed));
  option("--guides", option_number(guides.g));
  if (guides.friction)
    option("--friction", option_number(guides.friction->w).append(",").append(option_number(guides.friction->mu)));
  return text;
}

std::optional<GuideOptions> guide_options_in(std::string_view text) {
  return first_read(text, "--guides", guide_options_of);
}

std::vector<std::string> inputs_for(const BatchRow& row, std::string_view decimal_point) {
  const std::string_view from = row.dialect.decimal_point;
  if (csv::Dialect::for_decimal_point(decimal_point).decimal_comma() == row.dialect.decimal_comma()) return row.inputs;
  std::vector<std::string> inputs = row.inputs;
  for (std::string& text : inputs)
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + decimal_point.size()))
      text.replace(at, from.size(), decimal_point);
  return inputs;
}

}  // namespace quorvel
