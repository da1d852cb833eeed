// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/pagetable.h"

#include "app/wording.h"

namespace kalkora {
namespace {

using R = Role;
// The banner's caption before its first verdict.
constexpr QStringView kWrong = kWrongVerdict;

constexpr ControlRow kAddition[] = {
    {R::FirstOperand, "lb1", u"0", 270, 1170, 915, 420},
    {R::Sign, "Label1_0", u"+", 1215, 1125, 375, 465},
    {R::SecondOperand, "lb2", u"0", 1620, 1170, 915, 420},
    {R::Sign, "Label1_1", u"=", 2565, 1125, 375, 465},
    {R::Answer, "txEredmeny", u"", 2970, 1125, 1365, 675, 2},
    {R::CheckButton, "Command1", kCheck, 4545, 1125, 1635, 555, 1},
    {R::Banner, "lbEredmeny", kWrong, 6255, 1170, 3390, 465},
    {R::History, "ListView1", u"", 6255, 1845, 3210, 3120, 44},
    {R::Caption, "Label2_0", kGivenCaption, 585, 2070, 1095, 375},
    {R::Given, "lbFeladva", u"0", 1710, 2025, 960, 420},
    {R::CaptionAfter, "Label2_1", kGivenAfter, 2745, 2070, 1185, 375},
    {R::Caption, "Label2_2", kRightCaption, 360, 2610, 1320, 375},
    {R::Right, "lbJo", u"0", 1710, 2565, 960, 420},
    {R::Percent, "lbSzazalek", u"100 %", 3240, 2580, 1035, 405},
    {R::Caption, "Label2_3", kWrongCaption, 90, 3150, 1590, 375},
    {R::Wrong, "lbHibas", u"0", 1710, 3105, 960, 420},
    {R::Caption, "Label2_24", kResultLimit, 270, 4095, 2130, 375},
    {R::Limit, "txMaxPlusz", kResultLimit, 2565, 4050, 915, 480, 82, 0},
};

constexpr ControlRow kSubtraction[] = {
    {R::FirstOperand, "lbk1", u"0", 270, 1215, 915, 420},
    {R::BoldSign, "Label1_3", u"-", 1260, 1125, 375, 555},
    {R::SecondOperand, "lbk2", u"0", 1620, 1215, 915, 420},
    {R::Sign, "Label1_2", u"=", 2565, 1170, 375, 465},
    {R::Answer, "txKEredmeny", u"", 2970, 1170, 1365, 675, 16},
    {R::CheckButton, "cmdKivonas", kCheck, 4545, 1170, 1635, 555, 15},
    {R::Banner, "lbKEredmeny", kWrong, 6255, 1215, 3390, 465},
    {R::Caption, "Label2_7", kGivenCaption, 585, 2115, 1095, 375},
    {R::Given, "lbKFeladva", u"0", 1710, 2070, 960, 420},
    {R::CaptionAfter, "Label2_6", kGivenAfter, 2745, 2115, 1185, 375},
    {R::Caption, "Label2_5", kRightCaption, 360, 2655, 1320, 375},
    {R::Right, "lbKJo", u"0", 1710, 2610, 960, 420},
    {R::Percent, "lbKSzazalek", u"100 %", 3210, 2610, 1035, 405},
    {R::Caption, "Label2_4", kWrongCaption, 90, 3195, 1590, 375},
    {R::Wrong, "lbKHibas", u"0", 1710, 3150, 960, 420},
    {R::Caption, "Label2_25", kNumberLimit, 225, 4095, 2130, 375},
    {R::Limit, "txKivMax", kNumberLimit, 2520, 4050, 915, 480, 84, 0},
    {R::History, "ListView2", u"", 6300, 1845, 3210, 3120, 45},
};

constexpr ProblemKind kAddend = ProblemKind::MissingAddend;
constexpr ProblemKind kSubtrahend = ProblemKind::MissingSubtrahend;

constexpr ControlRow kCompletion[] = {
    {R::FirstOperand, "lbP1", u"0", 240, 1260, 915, 420},
    {R::Sign, "lbplusz_6", u"+", 1260, 1200, 375, 465, -1, -1, kAddend},
    {R::BoldSign, "lbMinusz_4", u"-", 1290, 1170, 375, 555, -1, -1, kSubtrahend},
    {R::Answer, "txPEredmeny", u"", 1725, 1170, 1365, 675, 29},
    {R::CentredSign, "Label1_5", u"=", 3120, 1260, 375, 465},
    {R::SecondOperand, "lbP2", u"0", 3750, 1305, 870, 420},
    {R::CheckButton, "cmdPotlas", kCheck, 4695, 1215, 1635, 555, 30},
    {R::Banner, "lbPEredmeny", kWrong, 6405, 1260, 3390, 465},
    {R::Caption, "Label2_8", kGivenCaption, 735, 2160, 1095, 375},
    {R::Given, "lbPFeladva", u"0", 1860, 2115, 960, 420},
    {R::CaptionAfter, "Label2_9", kGivenAfter, 2895, 2160, 1185, 375},
    {R::Caption, "Label2_10", kRightCaption, 510, 2700, 1320, 375},
    {R::Right, "lbPJo", u"0", 1860, 2655, 960, 420},
    {R::Percent, "lbPSzazalek", u"100 %", 3360, 2670, 1035, 405},
    {R::Caption, "Label2_11", kWrongCaption, 240, 3240, 1590, 375},
    {R::Wrong, "lbPHibas", u"0", 1860, 3195, 960, 420},
    {R::Caption, "Label2_26", kResultLimit, 330, 3870, 2130, 375},
    {R::Limit, "txPotlasMax", kResultLimit, 2625, 3825, 915, 480, 86, 0},
};

constexpr ControlRow kMultiplication[] = {
    {R::FirstOperand, "lbSz1", u"0", 450, 1035, 915, 420},
    {R::Sign, "Label1_4", u"*", 1440, 1080, 375, 465},
    {R::SecondOperand, "lbSz2", u"0", 1800, 1035, 915, 420},
    {R::Sign, "Label1_6", u"=", 2745, 990, 375, 465},
    {R::Answer, "txSzEredmeny", u"", 3150, 990, 1365, 675, 46},
    {R::CheckButton, "cmdSzNezzuk", kCheck, 4725, 990, 1635, 555, 47},
    {R::Banner, "lbSzEredmeny", kWrong, 6435, 1035, 3390, 465},
    {R::Caption, "Label2_12", kGivenCaption, 765, 1935, 1095, 375},
    {R::Given, "lbSzFeladva", u"0", 1890, 1890, 960, 420},
    {R::CaptionAfter, "Label2_13", kGivenAfter, 2925, 1935, 1185, 375},
    {R::Caption, "Label2_14", kRightCaption, 540, 2475, 1320, 375},
    {R::Right, "lbSzJo", u"0", 1890, 2430, 960, 420},
    {R::Percent, "lbSzSzazalek", u"100 %", 3420, 2430, 1035, 405},
    {R::Caption, "Label2_15", kWrongCaption, 270, 3015, 1590, 375},
    {R::Wrong, "lbSzHibas", u"0", 1890, 2970, 960, 420},
    {R::Caption, "Label2_16", kResultLimit, 315, 3915, 2130, 375},
    {R::Limit, "txMaxSz", kResultLimit, 2610, 3870, 915, 480, 60, 0},
    {R::Caption, "Label2_17", kMultiplierLimit, 315, 4500, 2130, 375},
    {R::Limit, "txMaxSzorzo", kMultiplierLimit, 2610, 4410, 915, 480, 63, 1},
};

constexpr ControlRow kDivision[] = {
    {R::FirstOperand, "lbO1", u"0", 405, 1080, 915, 420},
    {R::Sign, "Label1_8", u":", 1395, 990, 375, 465},
    {R::SecondOperand, "lbO2", u"0", 1665, 1080, 915, 420},
    {R::Sign, "Label1_7", u"=", 2700, 1035, 375, 465},
    {R::Answer, "txOEredmeny", u"", 3105, 1035, 1365, 675, 67},
    {R::CheckButton, "cmdONezzuk", kCheck, 4680, 1035, 1635, 555, 66},
    {R::Banner, "lbOEredmeny", kWrong, 6390, 1080, 3390, 465},
    {R::Caption, "Label2_23", kGivenCaption, 720, 1980, 1095, 375},
    {R::Given, "lbOFeladva", u"0", 1845, 1935, 960, 420},
    {R::CaptionAfter, "Label2_22", kGivenAfter, 2880, 1980, 1185, 375},
    {R::Caption, "Label2_21", kRightCaption, 495, 2520, 1320, 375},
    {R::Right, "lbOjo", u"0", 1845, 2475, 960, 420},
    {R::Percent, "lbOSzazalek", u"100 %", 3360, 2490, 1035, 405},
    {R::Caption, "Label2_20", kWrongCaption, 225, 3060, 1590, 375},
    {R::Wrong, "lbOHibas", u"0", 1845, 3015, 960, 420},
    {R::Caption, "Label2_19", kResultLimit, 270, 3960, 2130, 375},
    {R::Limit, "txMaxO", kResultLimit, 2565, 3915, 915, 480, 65, 0},
    {R::Caption, "Label2_18", kDivisorLimit, 270, 4545, 2130, 375},
    {R::Limit, "txMaxOszto", kDivisorLimit, 2565, 4455, 915, 480, 64, 1},
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

} // namespace

std::span<const PageTable> drillPages()
{
    return kPages;
}

} // namespace kalkora
