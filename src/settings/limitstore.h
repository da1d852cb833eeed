// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settingsfile.h"

#include <optional>

namespace kalkora {

class DrillSet;

// Keeps the limits of the drill sessions in the settings file, each in the
// field of the record that kRecordFields gives it.
class LimitStore
{
public:
    LimitStore(DrillSet &drills, const SettingsFile &file);

    const SettingsFile &file() const { return m_file; }

    // The stored limits into the sessions as decimal text, as they are: no
    // minimum applied. Limits the file does not hold keep their texts; when
    // the file cannot be read all of them do. A missing file is made, empty.
    SettingsError load();

    // The sessions' limits into the file. Writes nothing when the file holds
    // exactly these texts from this run already.
    SettingsError save();

private:
    SettingsRecord::Texts texts() const;

    DrillSet &m_drills;
    const SettingsFile &m_file;
    std::optional<SettingsRecord::Texts> m_saved;
};

} // namespace kalkora
