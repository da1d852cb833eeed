#pragma once

#include <QString>

namespace kalkora {

// Where the program tells of a fault it has worked around (the settings file
// could not be read or written): a short plain sentence for the user, and the
// system's own words for the technically minded. Tests record the reports
// instead of showing them.
class ProblemReporter
{
public:
    enum class Channel {
        Box,           // the user is there to read it
        StandardError, // nothing may wait for the user: the window is closing
    };

    virtual ~ProblemReporter();
    // The plain sentence in a modal box (Channel::Box only) and the detail on
    // standard error (always).
    virtual void report(const QString &plain, const QString &detail, Channel channel);
};

} // namespace kalkora
