// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace kalkora::fuzz {

// Hands out the fuzzer's bytes piece by piece; once they run out every read
// gives zeros, so a target never has to check lengths.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    size_t remaining() const { return atEnd() ? 0 : m_size - m_pos; }

    uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }

    uint64_t word()
    {
        uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value |= uint64_t(byte()) << (8 * i);
        return value;
    }

    // A text of up to 255 characters: bytes taken as Latin-1, or pairs of
    // bytes taken as UTF-16 code units (lone surrogates included), as the
    // length byte's top bit says.
    QString text()
    {
        const uint8_t head = byte();
        const int length = head & 0x7f;
        QString out;
        if (head & 0x80) {
            for (int i = 0; i < length && !atEnd(); ++i) {
                const char16_t unit = char16_t(byte() | (byte() << 8));
                out += QChar(unit);
            }
        } else {
            for (int i = 0; i < length && !atEnd(); ++i)
                out += QLatin1Char(char(byte()));
        }
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace kalkora::fuzz
