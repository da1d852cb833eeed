// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/pagetable.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace kalkora {

class DrillSession;

// What one control of a drill page shows and what a screen reader says of it
// at a moment: a function of the page's table and its session alone, so that
// the window and the screen reader always tell the same state.
// Whatever is absent is left as it is.
struct ControlState
{
    std::optional<QString> text; // absent for what the user types, and the list
    bool visible;                // the banner while it shows, a sign for its kind of problem
    std::optional<QString> name; // accessible name; absent: the toolkit's own (a caption's text)
    std::optional<QString> description; // accessible description
};

ControlState controlState(const PageTable &table, std::size_t row, const DrillSession &session);

} // namespace kalkora
