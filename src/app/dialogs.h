// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kalkora {

// Every dialog of the trainer goes through here: the end question and the
// faults of the settings file. MessageBoxes shows them without a nested event
// loop; a test answers in advance instead of a person.
class Dialogs
{
public:
    enum class Channel {
        Box,           // the user is there to read it
        StandardError, // nothing may wait for the user: the window is closing
    };

    virtual ~Dialogs();

    // Asks whether to end the program over the window; answered(true) for
    // Yes. One question at a time.
    virtual void askToEnd(QWidget *window, std::function<void(bool yes)> answered) = 0;
    // Closes a question still waiting as if No had been chosen: the window is
    // going away without it, and nothing may wait for a person then.
    virtual void withdrawQuestion() = 0;

    // Tells of a fault of the settings file that the program has worked
    // around: the system's words (detail) in Qt's log, which writes them to
    // standard error as "kalkora: ...", and, on the Box channel, the plain
    // sentence in a box over the window. then() runs once the user has read
    // it, or at once on the other channel.
    void reportFileFault(QWidget *window, const QString &plain, const QString &detail,
                         Channel channel, std::function<void()> then = {});

protected:
    // then is never empty.
    virtual void showFault(QWidget *window, const QString &plain, std::function<void()> then) = 0;
};

} // namespace kalkora
