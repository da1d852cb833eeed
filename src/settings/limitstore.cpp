// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/limitstore.h"

#include "core/drillset.h"
#include "core/textvalue.h"

namespace kalkora {

LimitStore::LimitStore(DrillSet &drills, const SettingsFile &file) : m_drills(drills), m_file(file)
{
}

SettingsRecord::Texts LimitStore::texts() const
{
    SettingsRecord::Texts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = m_drills.session(kRecordFields[i].drill).limitText(kRecordFields[i].limit);
    return texts;
}

SettingsError LimitStore::load()
{
    // The file is made at the first start, so that the folder shows from then
    // on where the limits will be kept.
    if (!m_file.exists())
        return m_file.create();
    const SettingsFile::Reading reading = m_file.read();
    if (reading.error)
        return reading.error;
    for (std::size_t i = 0; i < reading.fields.size(); ++i) {
        if (const std::optional<qint16> stored = reading.fields[i])
            m_drills.session(kRecordFields[i].drill)
                .setLimitText(kRecordFields[i].limit, decimalText(*stored));
    }
    return std::nullopt;
}

SettingsError LimitStore::save()
{
    const SettingsRecord::Texts current = texts();
    if (m_saved == current)
        return std::nullopt;
    if (SettingsError error = m_file.write(current))
        return error;
    m_saved = current;
    return std::nullopt;
}

} // namespace kalkora
