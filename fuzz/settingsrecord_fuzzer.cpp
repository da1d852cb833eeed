// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary file images to the settings record decoder, as start-up
// reads them from "set.dat", and arbitrary texts to the field encoder, as the
// end of a run stores the limit fields. Checks that a field is read exactly
// when the file holds both of its bytes, that storing what was read gives back
// the same bytes and keeps everything after the record, and that every text is
// stored as a value its field can hold.

#include "core/textvalue.h"
#include "fuzzinput.h"
#include "settings/settingsrecord.h"

#include <QByteArray>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using kalkora::SettingsRecord;

namespace {

void require(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "settingsrecord: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsRecord::Fields fields = SettingsRecord::decode(file);

    SettingsRecord::Texts texts;
    for (int i = 0; i < SettingsRecord::FieldCount; ++i) {
        const bool whole = 2 * i + 2 <= file.size();
        require(fields[i].has_value() == whole, "a field read from too few bytes, or not read");
        if (!whole) {
            texts[i] = QStringLiteral("0");
            continue;
        }
        const auto low = uint8_t(file[2 * i]);
        const auto high = uint8_t(file[2 * i + 1]);
        require(*fields[i] == qint16(uint16_t(low | (high << 8))), "not little-endian");
        texts[i] = kalkora::decimalText(*fields[i]);
        require(SettingsRecord::fieldValue(texts[i]) == *fields[i],
                "a stored value does not survive its text");
    }

    const QByteArray stored = SettingsRecord::encode(texts, file);
    require(stored.size() == std::max<qsizetype>(file.size(), SettingsRecord::Size),
            "the file changed its length");
    const qsizetype whole = std::min<qsizetype>(file.size() & ~qsizetype(1), SettingsRecord::Size);
    require(stored.left(whole) == file.left(whole), "storing what was read changed the record");
    require(stored.mid(SettingsRecord::Size) == file.mid(SettingsRecord::Size),
            "the bytes after the record changed");

    // The same bytes once more as a limit text the user might have typed.
    kalkora::fuzz::FuzzInput in(data, size);
    const QString text = in.text();
    const qint16 value = SettingsRecord::fieldValue(text);
    const double typed = kalkora::textValue(text);
    if (typed >= -32768.5 && typed <= 32767.5)
        require(std::abs(double(value) - typed) <= 0.5, "stored value is not the rounded text");
    else
        require(value == (typed < 0 ? -32768 : 32767), "out-of-range text not held at the end");
    return 0;
}
