// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/wording.h"
#include "core/drills.h"

#include <QStringView>

#include <optional>
#include <span>

namespace kalkora {

// What a control does on a drill page; its font, colours and alignment follow
// from it (see look.h), and so does what it shows and says (pagestate.h).
enum class Role {
    FirstOperand,
    SecondOperand,
    Sign,        // operator and "=" signs
    BoldSign,    // the minus signs
    CentredSign, // the completion page's "="
    Answer,
    CheckButton,
    Banner,
    Given,
    Right,
    Wrong,
    Caption,      // right-aligned captions before counters and limit fields
    CaptionAfter, // "feladat" after the given counter
    Percent,
    Limit,
    History,
};

// One control of a page: geometry in twips from the tab strip's top-left
// corner, tab row included. The problem's numbers, signs and answer field
// stand in reading order.
struct ControlRow
{
    Role role;
    const char *name; // objectName; array elements as Label2_24
    QStringView text; // what it shows at first; a limit field: the caption that names it
    int left, top, width, height;
    int tabIndex = -1; // window-wide keyboard order; -1 for controls that take no focus
    int limit = -1;    // a limit field's place among its page's limits
    std::optional<ProblemKind> shownFor = {}; // a sign shown for one kind of problem only
};

struct PageTable
{
    Drill drill;
    QStringView tabCaption;
    std::span<const ControlRow> controls;
    // What a screen reader calls the problem's two numbers.
    QStringView firstName = kFirstNumber;
    QStringView secondName = kSecondNumber;
};

// The five drill pages in tab order, each with its drill.
std::span<const PageTable> drillPages();

// Size of the window's client area and the tab strip's place in it, in twips.
inline constexpr int kClientWidth = 10005;
inline constexpr int kClientHeight = 5550;
inline constexpr int kStripLeft = 45;
inline constexpr int kStripTop = 315;
inline constexpr int kStripWidth = 9915;
inline constexpr int kStripHeight = 5190;
inline constexpr int kTabRowHeight = 520;
inline constexpr int kHistoryColumnWidths[] = {700, 300, 700, 300, 1440};
inline constexpr int kHistoryRowHeight = 255; // the list's font and a margin

} // namespace kalkora
