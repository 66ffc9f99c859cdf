#include "window/layout.h"

namespace quorvel::ui {
namespace {

constexpr LabelPlace none{};

// Two-leg bend.
constexpr FieldPlace kBendInputs[] = {
    {"nTem", 810, 2970, {495, 3030, 225}, {1530, 3030, 180}},
    {"nD", 810, 3390, {495, 3450, 225}, {1530, 3450, 180}},
    {"nTubeThick", 810, 3795, {495, 3855, 225}, {1530, 3855, 180}},
    {"nL1", 810, 4215, {495, 4275, 225}, {1530, 4275, 180}},
    {"nL2", 810, 4635, {495, 4695, 225}, {1530, 4695, 180}},
    {"nAlpha", 810, 5040, {495, 5100, 225}, {1530, 5100, 180}},
};
constexpr FieldPlace kBendResults[] = {
    {"nMz1", 2655, 2970, {2295, 3030, 270}, {3375, 3030, 315}},
    {"nFx", 2655, 3390, {2340, 3450, 225}, {3375, 3450, 180}},
    {"nFy", 2655, 3795, {2340, 3855, 225}, {3375, 3855, 180}},
    {"nS1", 2655, 4215, {2115, 4275, 540}, none},
    {"nS2", 2655, 4635, {2115, 4680, 585}, none},
    {"nS3", 2655, 5040, {2115, 5100, 585}, none},
};

// Z-shaped offset.
constexpr FieldPlace kOffsetInputs[] = {
    {"nTem1", 4725, 2970, {4410, 3030, 225}, {5445, 3030, 180}},
    {"nD1", 4725, 3390, {4410, 3450, 225}, {5445, 3450, 180}},
    {"nTubeThick1", 4725, 3795, {4410, 3855, 225}, {5445, 3855, 180}},
    {"nL11", 4725, 4215, {4410, 4275, 225}, {5445, 4275, 180}},
    {"nL21", 4725, 4635, {4410, 4695, 225}, {5445, 4695, 180}},
    {"nL31", 4725, 5040, {4410, 5085, 225}, {5445, 5100, 180}},
    {"nL01", 4725, 5445, {4410, 5490, 225}, {5445, 5505, 180}},
    {"nAlpha1", 4725, 5850, {4410, 5910, 225}, {5445, 5910, 180}},
};
constexpr FieldPlace kOffsetResults[] = {
    {"nMz11", 6570, 2970, {6210, 3030, 270}, {7290, 3030, 315}},
    {"nMz21", 6570, 3375, {6210, 3435, 270}, {7290, 3435, 315}},
    {"nFx1", 6570, 3795, {6255, 3855, 225}, {7290, 3855, 180}},
    {"nFy1", 6570, 4200, {6255, 4260, 225}, {7290, 4260, 180}},
    {"nS11", 6570, 4620, {6030, 4680, 540}, none},
    {"nS21", 6570, 5040, {6030, 5085, 585}, none},
    {"nS31", 6570, 5445, {6030, 5505, 585}, none},
    {"nS41", 6570, 5850, {6030, 5910, 585}, none},
};

// Raised loop.
constexpr FieldPlace kLoopInputs[] = {
    {"nTem2", 8820, 2970, {8505, 3030, 225}, {9540, 3030, 180}},
    {"nD2", 8820, 3390, {8505, 3450, 225}, {9540, 3450, 180}},
    {"nTubeThick2", 8820, 3795, {8505, 3855, 225}, {9540, 3855, 180}},
    {"nL12", 8820, 4215, {8505, 4275, 225}, {9540, 4275, 180}},
    {"nL22", 8820, 4635, {8505, 4695, 225}, {9540, 4695, 180}},
    {"nL32", 8820, 5040, {8505, 5085, 225}, {9540, 5100, 180}},
    {"nL42", 8820, 5445, {8505, 5490, 225}, {9540, 5505, 180}},
    {"nL52", 8820, 5850, {8505, 5895, 225}, {9540, 5910, 180}},
    {"nL02", 8820, 6255, {8505, 6300, 225}, {9540, 6315, 180}},
    {"nAlpha2", 8820, 6660, {8505, 6720, 225}, {9540, 6720, 180}},
    {"nBeta2", 8820, 7065, {8505, 7125, 225}, {9540, 7125, 180}},
};
constexpr FieldPlace kLoopResults[] = {
    {"nMz12", 10665, 2970, {10305, 3030, 270}, {11385, 3030, 315}},
    {"nMz22", 10665, 3375, {10305, 3435, 270}, {11385, 3435, 315}},
    {"nFx2", 10665, 3795, {10350, 3855, 225}, {11385, 3855, 180}},
    {"nFy2", 10665, 4200, {10350, 4260, 225}, {11385, 4260, 180}},
    {"nS12", 10665, 4620, {10125, 4680, 540}, none},
    {"nS22", 10665, 5040, {10125, 5085, 585}, none},
    {"nS32", 10665, 5445, {10125, 5505, 585}, none},
    {"nS42", 10665, 5850, {10125, 5910, 585}, none},
    {"nS52", 10665, 6255, {10125, 6315, 585}, none},
    {"nS62", 10665, 6660, {10125, 6720, 585}, none},
};

constexpr LinePlace kLines[] = {
    // Two-leg bend: legs L2 and L1, upright cross at the lower end, diagonal
    // cross at the right end.
    {"Line1", -1, 735, 1890, 1680, 735},
    {"Line2", -1, 1680, 735, 3675, 735},
    {"Line3", -1, 840, 1680, 840, 1890},
    {"Line4", -1, 735, 1785, 945, 1785},
    {"Line5", -1, 3465, 630, 3570, 840},
    {"Line6", -1, 3570, 630, 3465, 840},
    // Z-shaped offset: legs L3, L2, L1, end crosses, dimension L.
    {"Line13", -1, 5310, 1800, 3960, 1800},
    {"Line7", -1, 5310, 1800, 5715, 765},
    {"Line8", -1, 5715, 765, 7710, 765},
    {"Line14", -1, 4050, 1710, 4155, 1920},
    {"Line15", -1, 4155, 1710, 4050, 1920},
    {"Line11", 0, 7500, 660, 7605, 870},
    {"Line12", 0, 7605, 660, 7500, 870},
    {"Line19", 0, 4095, 1980, 4095, 2295},
    {"Line21", 0, 7560, 1980, 7560, 2295},
    {"Line20", 0, 4095, 2115, 7560, 2115},
    {"Line22", 0, 4095, 2115, 4275, 2070},
    {"Line23", -1, 7380, 2160, 7560, 2115},
    // Raised loop: legs L5 to L1, end crosses, dimension L.
    {"Line9", -1, 7920, 1800, 9180, 1800},
    {"Line10", -1, 9180, 1800, 9585, 990},
    {"Line16", -1, 9585, 990, 10440, 990},
    {"Line17", -1, 10440, 990, 10575, 1800},
    {"Line18", -1, 10575, 1800, 11700, 1800},
    {"Line11", 1, 8010, 1710, 8115, 1920},
    {"Line12", 1, 8115, 1710, 8010, 1920},
    {"Line11", 2, 11565, 1710, 11670, 1920},
    {"Line12", 2, 11670, 1710, 11565, 1920},
    {"Line19", 1, 8055, 1980, 8055, 2295},
    {"Line21", 1, 11610, 1980, 11610, 2295},
    {"Line20", 1, 8100, 2115, 11655, 2115},
    {"Line22", 1, 8055, 2115, 8235, 2070},
    {"Line25", -1, 11475, 2160, 11610, 2115},
    // Separators between the panels.
    {"Line24", -1, 4050, 2565, 4050, 8370},
    {"Line26", -1, 7965, 2745, 7965, 8415},
};

// Grouped by panel: the symbols of a panel's drawing follow each other. In the
// loop, α stands at the bend between L3 and L2 and β at the bend between L4
// and L3, where the calculation turns L2 by α and L4 by β.
constexpr SymbolPlace kSymbols[] = {
    {0, "L1", 2610, 495, 225, 180},   {1, "L2", 945, 1050, 225, 225},  {2, "α", 1710, 810, 225, 225},
    {3, "L1", 6660, 540, 225, 165},   {4, "L2", 5220, 1125, 225, 225}, {5, "α", 5760, 810, 225, 225},
    {6, "L3", 4545, 1530, 225, 225},  {14, "L", 5985, 1845, 165, 225}, {7, "L1", 11070, 1620, 225, 165},
    {8, "L2", 10575, 1305, 225, 225}, {9, "L3", 9900, 720, 225, 225},  {10, "L4", 9090, 1260, 225, 225},
    {11, "L5", 8415, 1530, 225, 225}, {12, "β", 9630, 1035, 180, 225}, {13, "α", 10215, 1035, 180, 225},
    {15, "L", 9945, 1890, 165, 180},
};

// Each panel's drawing: its lines and symbols, as runs of the tables above;
// the last two lines are the separators.
static_assert(std::size(kLines) == 34 && std::size(kSymbols) == 16);
constexpr std::span<const LinePlace> kAllLines(kLines);
constexpr std::span<const SymbolPlace> kAllSymbols(kSymbols);
constexpr PanelLayout kPanels[] = {
    {kBendInputs,
     kBendResults,
     {"计算", 720, 6435, 1170},
     {"退出", 2385, 6435, 1185},
     kAllLines.subspan(0, 6),
     kAllSymbols.subspan(0, 3)},
    {kOffsetInputs,
     kOffsetResults,
     {"计算1", 4680, 6705, 1185},
     {"退出1", 6300, 6705, 1185},
     kAllLines.subspan(6, 12),
     kAllSymbols.subspan(3, 5)},
    {kLoopInputs,
     kLoopResults,
     {"计算2", 8640, 7695, 1185},
     {"退出2", 10170, 7695, 1185},
     kAllLines.subspan(18, 14),
     kAllSymbols.subspan(8, 8)},
};

// Keyboard focus order; it deliberately differs from the visual order.
constexpr std::string_view kFocusOrder[] = {
    "计算",   "nL1",         "nL2",         "nAlpha", "nTem",  "nD",      "nTubeThick", "计算1", "计算2",   "nS1",
    "nS2",    "nS3",         "nMz1",        "nFy",    "nFx",   "退出",    "nFx1",       "nFy1",  "nMz11",   "nS31",
    "nS21",   "nS11",        "nTubeThick1", "nD1",    "nTem1", "nAlpha1", "nL21",       "nL11",  "nL31",    "nL01",
    "nMz21",  "nS41",        "nS42",        "nMz22",  "nL02",  "nL32",    "nL12",       "nL22",  "nAlpha2", "nTem2",
    "nD2",    "nTubeThick2", "nS12",        "nS22",   "nS32",  "nMz12",   "nFy2",       "nFx2",  "nL42",    "nL52",
    "nBeta2", "nS62",        "nS52",        "退出1",  "退出2",
};

}  // namespace

std::span<const PanelLayout> panel_layouts() noexcept {
  return kPanels;
}
std::span<const LinePlace> line_places() noexcept {
  return kLines;
}
std::span<const LinePlace> separator_places() noexcept {
  return kAllLines.subspan(32);
}
std::span<const SymbolPlace> symbol_places() noexcept {
  return kSymbols;
}
std::span<const std::string_view> focus_order() noexcept {
  return kFocusOrder;
}

}  // namespace quorvel::ui
