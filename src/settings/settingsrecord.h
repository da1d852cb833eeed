// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drills.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <iterator>
#include <optional>

namespace kalkora {

// One field of the settings record: which limit of which drill it holds,
// and the limit field's name.
struct RecordField
{
    const char *name;
    Drill drill;
    int limit;
};

// The record's fields in their stored order. Other copies of the program read
// the same bytes, so this order is the file's own and never follows the tabs.
inline constexpr RecordField kRecordFields[] = {
    {"txMaxPlusz", Drill::Addition, 0},        {"txKivMax", Drill::Subtraction, 0},
    {"txPotlasMax", Drill::Completion, 0},     {"txMaxSz", Drill::Multiplication, 0},
    {"txMaxSzorzo", Drill::Multiplication, 1}, {"txMaxO", Drill::Division, 0},
    {"txMaxOszto", Drill::Division, 1},
};

// True when the record holds every limit of every drill, each once.
constexpr bool holdsEveryLimitOnce()
{
    std::array<std::array<bool, kMaxLimits>, kDrillCount> held{};
    std::size_t limits = 0;
    for (const DrillFacts &facts : kDrills)
        limits += std::size_t(facts.limitCount);
    for (const RecordField &field : kRecordFields) {
        const auto drill = std::size_t(field.drill);
        if (drill >= kDrillCount || field.limit < 0 ||
            field.limit >= factsOf(field.drill).limitCount || held[drill][field.limit])
            return false;
        held[drill][field.limit] = true;
    }
    return std::size(kRecordFields) == limits;
}
static_assert(holdsEveryLimitOnce(), "one field for every limit");

// The stored limits: the first 14 bytes of the settings file, one 16-bit
// two's-complement number per field of kRecordFields, low byte first, with
// nothing around them: no header, no version, no sum.
class SettingsRecord
{
public:
    static constexpr int FieldCount = int(std::size(kRecordFields));
    static constexpr int Size = 2 * FieldCount;
    static_assert(Size == 14);

    // A field the file is too short to hold wholly is absent.
    using Fields = std::array<std::optional<qint16>, FieldCount>;
    // The limit texts to store, one per field.
    using Texts = std::array<QString, FieldCount>;

    // Reads the record from the start of a file image of any length.
    static Fields decode(QByteArrayView file);

    // What a limit text is stored as: its text value held within
    // -32768..32767 and rounded to the nearest whole number, halves to the
    // even one.
    static qint16 fieldValue(QStringView text);

    // The file image after storing the limit texts into the record of
    // `file`: bytes past the record stay as they are, and a file shorter than
    // the record grows to its size.
    static QByteArray encode(const Texts &limitTexts, QByteArrayView file);
};

} // namespace kalkora
