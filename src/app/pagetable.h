// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/twips.h"
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

// One control of a page, its box in twips from the tab strip's top-left
// corner, tab row included. The problem's numbers, signs and answer field
// stand in reading order.
struct ControlRow
{
    Role role;
    // The objectName, as earlier versions named their controls (array
    // elements such as Label2_24 with their index): tests and notes written
    // against those versions find the same controls.
    const char *name;
    // What it shows at first; a limit field: the caption that names it; a
    // history list: the operator sign between its numbers.
    QStringView text;
    TwipRect box;
    // The window-wide keyboard order of earlier versions, gaps and all: Tab
    // runs through the page in front in this order. -1: takes no focus.
    int tabIndex = -1;
    int limit = -1;                           // a limit field's place among its drill's limits
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

// The drill pages in tab order, one for every drill.
std::span<const PageTable> drillPages();

// Size of the window's client area and the tab strip's place in it, in twips.
inline constexpr int kClientWidth = 10005;
inline constexpr int kClientHeight = 5550;
inline constexpr TwipRect kStrip = {45, 315, 9915, 5190};
inline constexpr int kTabRowHeight = 520;
inline constexpr int kHistoryColumnWidths[] = {700, 300, 700, 300, 1440};
inline constexpr int kHistoryRowHeight = 255; // the list's font and a margin

} // namespace kalkora
