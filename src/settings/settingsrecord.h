// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace kalkora {

// The stored limits: the first 14 bytes of the settings file, seven 16-bit
// two's-complement numbers, low byte first, with nothing around them. Field i
// is the i-th limit field when the pages' limit fields are counted in tab
// order (addition, subtraction, completion, multiplication product and
// multiplier, division dividend and divisor). Other copies of the program read
// the same bytes, so the layout never changes: no header, no version, no sum.
class SettingsRecord
{
public:
    static constexpr int FieldCount = 7;
    static constexpr int Size = 2 * FieldCount;

    // A field the file is too short to hold wholly is absent.
    using Fields = std::array<std::optional<qint16>, FieldCount>;

    // Reads the record from the start of a file image of any length.
    static Fields decode(QByteArrayView file);

    // What a limit text is stored as: its text value rounded to the nearest
    // whole number, halves to the even one, and held within -32768..32767.
    static qint16 fieldValue(QStringView text);

    // The file image after storing the limit texts (exactly FieldCount of
    // them) into the record of `file`: bytes past the record stay as they
    // are, and a file shorter than the record grows to its size.
    static QByteArray encode(const QStringList &limitTexts, QByteArrayView file);
};

} // namespace kalkora
