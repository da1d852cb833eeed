// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/limitstore.h"

#include "core/drillset.h"
#include "core/textvalue.h"

namespace kalkora {
namespace {

// Visits the sessions' limits in the order of the record's fields.
template <typename Visit> void eachLimit(DrillSet &drills, Visit visit)
{
    for (int s = 0; s < drills.count(); ++s) {
        for (int limit = 0; limit < drills.session(s).limitCount(); ++limit)
            visit(drills.session(s), limit);
    }
}

} // namespace

LimitStore::LimitStore(DrillSet &drills, const SettingsFile &file) : m_drills(drills), m_file(file)
{
    Q_ASSERT(texts().size() == SettingsRecord::FieldCount);
}

QStringList LimitStore::texts() const
{
    QStringList texts;
    eachLimit(m_drills,
              [&](DrillSession &session, int limit) { texts << session.limitText(limit); });
    return texts;
}

SettingsError LimitStore::load()
{
    const SettingsFile::Reading reading = m_file.read();
    if (reading.error)
        return reading.error;
    int field = 0;
    eachLimit(m_drills, [&](DrillSession &session, int limit) {
        if (const std::optional<qint16> stored = reading.fields[field++])
            session.setLimitText(limit, decimalText(*stored));
    });
    return std::nullopt;
}

SettingsError LimitStore::save()
{
    const QStringList current = texts();
    if (m_saved == current)
        return std::nullopt;
    if (SettingsError error = m_file.write(current))
        return error;
    m_saved = current;
    return std::nullopt;
}

} // namespace kalkora
