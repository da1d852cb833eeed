// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/pagetable.h"

#include "app/wording.h"

#include <algorithm>
#include <array>

namespace kalkora {
namespace {

using R = Role;
// The banner's caption before its first verdict.
constexpr QStringView kWrong = kWrongVerdict;

constexpr ControlRow kAddition[] = {
    {R::FirstOperand, "lb1", u"0", {270, 1170, 915, 420}},
    {R::Sign, "Label1_0", u"+", {1215, 1125, 375, 465}},
    {R::SecondOperand, "lb2", u"0", {1620, 1170, 915, 420}},
    {R::Sign, "Label1_1", u"=", {2565, 1125, 375, 465}},
    {.role = R::Answer,
     .name = "txEredmeny",
     .text = u"",
     .box = {2970, 1125, 1365, 675},
     .tabIndex = 2},
    {.role = R::CheckButton,
     .name = "Command1",
     .text = kCheck,
     .box = {4545, 1125, 1635, 555},
     .tabIndex = 1},
    {R::Banner, "lbEredmeny", kWrong, {6255, 1170, 3390, 465}},
    {.role = R::History,
     .name = "ListView1",
     .text = u"+",
     .box = {6255, 1845, 3210, 3120},
     .tabIndex = 44},
    {R::Caption, "Label2_0", kGivenCaption, {585, 2070, 1095, 375}},
    {R::Given, "lbFeladva", u"0", {1710, 2025, 960, 420}},
    {R::CaptionAfter, "Label2_1", kGivenAfter, {2745, 2070, 1185, 375}},
    {R::Caption, "Label2_2", kRightCaption, {360, 2610, 1320, 375}},
    {R::Right, "lbJo", u"0", {1710, 2565, 960, 420}},
    {R::Percent, "lbSzazalek", u"100 %", {3240, 2580, 1035, 405}},
    {R::Caption, "Label2_3", kWrongCaption, {90, 3150, 1590, 375}},
    {R::Wrong, "lbHibas", u"0", {1710, 3105, 960, 420}},
    {R::Caption, "Label2_24", kResultLimit, {270, 4095, 2130, 375}},
    {.role = R::Limit,
     .name = "txMaxPlusz",
     .text = kResultLimit,
     .box = {2565, 4050, 915, 480},
     .tabIndex = 82,
     .limit = 0},
};

constexpr ControlRow kSubtraction[] = {
    {R::FirstOperand, "lbk1", u"0", {270, 1215, 915, 420}},
    {R::BoldSign, "Label1_3", u"-", {1260, 1125, 375, 555}},
    {R::SecondOperand, "lbk2", u"0", {1620, 1215, 915, 420}},
    {R::Sign, "Label1_2", u"=", {2565, 1170, 375, 465}},
    {.role = R::Answer,
     .name = "txKEredmeny",
     .text = u"",
     .box = {2970, 1170, 1365, 675},
     .tabIndex = 16},
    {.role = R::CheckButton,
     .name = "cmdKivonas",
     .text = kCheck,
     .box = {4545, 1170, 1635, 555},
     .tabIndex = 15},
    {R::Banner, "lbKEredmeny", kWrong, {6255, 1215, 3390, 465}},
    {R::Caption, "Label2_7", kGivenCaption, {585, 2115, 1095, 375}},
    {R::Given, "lbKFeladva", u"0", {1710, 2070, 960, 420}},
    {R::CaptionAfter, "Label2_6", kGivenAfter, {2745, 2115, 1185, 375}},
    {R::Caption, "Label2_5", kRightCaption, {360, 2655, 1320, 375}},
    {R::Right, "lbKJo", u"0", {1710, 2610, 960, 420}},
    {R::Percent, "lbKSzazalek", u"100 %", {3210, 2610, 1035, 405}},
    {R::Caption, "Label2_4", kWrongCaption, {90, 3195, 1590, 375}},
    {R::Wrong, "lbKHibas", u"0", {1710, 3150, 960, 420}},
    {R::Caption, "Label2_25", kNumberLimit, {225, 4095, 2130, 375}},
    {.role = R::Limit,
     .name = "txKivMax",
     .text = kNumberLimit,
     .box = {2520, 4050, 915, 480},
     .tabIndex = 84,
     .limit = 0},
    {.role = R::History,
     .name = "ListView2",
     .text = u"-",
     .box = {6300, 1845, 3210, 3120},
     .tabIndex = 45},
};

constexpr ProblemKind kAddend = ProblemKind::MissingAddend;
constexpr ProblemKind kSubtrahend = ProblemKind::MissingSubtrahend;

constexpr ControlRow kCompletion[] = {
    {R::FirstOperand, "lbP1", u"0", {240, 1260, 915, 420}},
    {.role = R::Sign,
     .name = "lbplusz_6",
     .text = u"+",
     .box = {1260, 1200, 375, 465},
     .shownFor = kAddend},
    {.role = R::BoldSign,
     .name = "lbMinusz_4",
     .text = u"-",
     .box = {1290, 1170, 375, 555},
     .shownFor = kSubtrahend},
    {.role = R::Answer,
     .name = "txPEredmeny",
     .text = u"",
     .box = {1725, 1170, 1365, 675},
     .tabIndex = 29},
    {R::CentredSign, "Label1_5", u"=", {3120, 1260, 375, 465}},
    {R::SecondOperand, "lbP2", u"0", {3750, 1305, 870, 420}},
    {.role = R::CheckButton,
     .name = "cmdPotlas",
     .text = kCheck,
     .box = {4695, 1215, 1635, 555},
     .tabIndex = 30},
    {R::Banner, "lbPEredmeny", kWrong, {6405, 1260, 3390, 465}},
    {R::Caption, "Label2_8", kGivenCaption, {735, 2160, 1095, 375}},
    {R::Given, "lbPFeladva", u"0", {1860, 2115, 960, 420}},
    {R::CaptionAfter, "Label2_9", kGivenAfter, {2895, 2160, 1185, 375}},
    {R::Caption, "Label2_10", kRightCaption, {510, 2700, 1320, 375}},
    {R::Right, "lbPJo", u"0", {1860, 2655, 960, 420}},
    {R::Percent, "lbPSzazalek", u"100 %", {3360, 2670, 1035, 405}},
    {R::Caption, "Label2_11", kWrongCaption, {240, 3240, 1590, 375}},
    {R::Wrong, "lbPHibas", u"0", {1860, 3195, 960, 420}},
    {R::Caption, "Label2_26", kResultLimit, {330, 3870, 2130, 375}},
    {.role = R::Limit,
     .name = "txPotlasMax",
     .text = kResultLimit,
     .box = {2625, 3825, 915, 480},
     .tabIndex = 86,
     .limit = 0},
};

constexpr ControlRow kMultiplication[] = {
    {R::FirstOperand, "lbSz1", u"0", {450, 1035, 915, 420}},
    {R::Sign, "Label1_4", u"*", {1440, 1080, 375, 465}},
    {R::SecondOperand, "lbSz2", u"0", {1800, 1035, 915, 420}},
    {R::Sign, "Label1_6", u"=", {2745, 990, 375, 465}},
    {.role = R::Answer,
     .name = "txSzEredmeny",
     .text = u"",
     .box = {3150, 990, 1365, 675},
     .tabIndex = 46},
    {.role = R::CheckButton,
     .name = "cmdSzNezzuk",
     .text = kCheck,
     .box = {4725, 990, 1635, 555},
     .tabIndex = 47},
    {R::Banner, "lbSzEredmeny", kWrong, {6435, 1035, 3390, 465}},
    {R::Caption, "Label2_12", kGivenCaption, {765, 1935, 1095, 375}},
    {R::Given, "lbSzFeladva", u"0", {1890, 1890, 960, 420}},
    {R::CaptionAfter, "Label2_13", kGivenAfter, {2925, 1935, 1185, 375}},
    {R::Caption, "Label2_14", kRightCaption, {540, 2475, 1320, 375}},
    {R::Right, "lbSzJo", u"0", {1890, 2430, 960, 420}},
    {R::Percent, "lbSzSzazalek", u"100 %", {3420, 2430, 1035, 405}},
    {R::Caption, "Label2_15", kWrongCaption, {270, 3015, 1590, 375}},
    {R::Wrong, "lbSzHibas", u"0", {1890, 2970, 960, 420}},
    {R::Caption, "Label2_16", kResultLimit, {315, 3915, 2130, 375}},
    {.role = R::Limit,
     .name = "txMaxSz",
     .text = kResultLimit,
     .box = {2610, 3870, 915, 480},
     .tabIndex = 60,
     .limit = 0},
    {R::Caption, "Label2_17", kMultiplierLimit, {315, 4500, 2130, 375}},
    {.role = R::Limit,
     .name = "txMaxSzorzo",
     .text = kMultiplierLimit,
     .box = {2610, 4410, 915, 480},
     .tabIndex = 63,
     .limit = 1},
};

constexpr ControlRow kDivision[] = {
    {R::FirstOperand, "lbO1", u"0", {405, 1080, 915, 420}},
    {R::Sign, "Label1_8", u":", {1395, 990, 375, 465}},
    {R::SecondOperand, "lbO2", u"0", {1665, 1080, 915, 420}},
    {R::Sign, "Label1_7", u"=", {2700, 1035, 375, 465}},
    {.role = R::Answer,
     .name = "txOEredmeny",
     .text = u"",
     .box = {3105, 1035, 1365, 675},
     .tabIndex = 67},
    {.role = R::CheckButton,
     .name = "cmdONezzuk",
     .text = kCheck,
     .box = {4680, 1035, 1635, 555},
     .tabIndex = 66},
    {R::Banner, "lbOEredmeny", kWrong, {6390, 1080, 3390, 465}},
    {R::Caption, "Label2_23", kGivenCaption, {720, 1980, 1095, 375}},
    {R::Given, "lbOFeladva", u"0", {1845, 1935, 960, 420}},
    {R::CaptionAfter, "Label2_22", kGivenAfter, {2880, 1980, 1185, 375}},
    {R::Caption, "Label2_21", kRightCaption, {495, 2520, 1320, 375}},
    {R::Right, "lbOjo", u"0", {1845, 2475, 960, 420}},
    {R::Percent, "lbOSzazalek", u"100 %", {3360, 2490, 1035, 405}},
    {R::Caption, "Label2_20", kWrongCaption, {225, 3060, 1590, 375}},
    {R::Wrong, "lbOHibas", u"0", {1845, 3015, 960, 420}},
    {R::Caption, "Label2_19", kResultLimit, {270, 3960, 2130, 375}},
    {.role = R::Limit,
     .name = "txMaxO",
     .text = kResultLimit,
     .box = {2565, 3915, 915, 480},
     .tabIndex = 65,
     .limit = 0},
    {R::Caption, "Label2_18", kDivisorLimit, {270, 4545, 2130, 375}},
    {.role = R::Limit,
     .name = "txMaxOszto",
     .text = kDivisorLimit,
     .box = {2565, 4455, 915, 480},
     .tabIndex = 64,
     .limit = 1},
};

// On the completion page the second number stands right of the equals sign;
// the division page's numbers have names of their own.
constexpr PageTable kPages[] = {
    {Drill::Addition, kAdditionTab, kAddition},
    {Drill::Subtraction, kSubtractionTab, kSubtraction},
    {Drill::Completion, kCompletionTab, kCompletion, kFirstNumber, kResult},
    {Drill::Multiplication, kMultiplicationTab, kMultiplication},
    {Drill::Division, kDivisionTab, kDivision, kDividend, kDivisor},
};

// A page's limit fields are its drill's, each once.
constexpr bool holdsItsLimits(const PageTable &page)
{
    const int count = factsOf(page.drill).limitCount;
    std::array<bool, kMaxLimits> held{};
    int rows = 0;
    for (const ControlRow &row : page.controls) {
        if (row.role != Role::Limit)
            continue;
        if (row.limit < 0 || row.limit >= count || held[std::size_t(row.limit)])
            return false;
        held[std::size_t(row.limit)] = true;
        ++rows;
    }
    return rows == count;
}

static_assert(namesEveryDrillOnce(kPages, &PageTable::drill), "one page for every drill");
static_assert(std::all_of(std::begin(kPages), std::end(kPages), holdsItsLimits),
              "a page's limit fields are its drill's");

} // namespace

std::span<const PageTable> drillPages()
{
    return kPages;
}

} // namespace kalkora
