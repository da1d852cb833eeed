// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kalkora {

// Tells of a fault of the settings file that the program has worked around
// (it could not be read or written): a short plain sentence for the user, and
// the system's own words for the technically minded. Tests record the reports
// instead of showing them.
class FileFaultReporter
{
public:
    enum class Channel {
        Box,           // the user is there to read it
        StandardError, // nothing may wait for the user: the window is closing
    };

    virtual ~FileFaultReporter();

    // The file could not be read, or written; `path` names it.
    void loadFailed(const QString &path, const QString &detail);
    void saveFailed(const QString &path, const QString &detail, Channel channel);

protected:
    // The plain sentence in a modal box (Channel::Box only) and the detail in
    // the log, on standard error (always).
    virtual void report(const QString &plain, const QString &detail, Channel channel);
};

} // namespace kalkora
