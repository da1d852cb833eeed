// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace kalkora {

// The number a typed or shown text stands for. Blanks, tabs and line feeds are
// skipped wherever they stand; then the longest leading number is read: an
// optional sign, digits with an optional "." fraction and an optional exponent
// (E or D), or "&H"/"&O" followed by hexadecimal/octal digits. Whatever cannot
// continue the number ends it, and a text that does not start with a number is
// worth 0. The decimal point is always ".", whatever the locale. Values too
// large for a double come back as +/-infinity, never as NaN.
double textValue(QStringView text);

// A whole number as plain decimal digits, "-" in front when negative.
QString decimalText(qint64 value);

} // namespace kalkora
