// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>

#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace kalkora {

// The question the end command asks before the program ends. Everything that
// asks it goes through here, so a test can answer in advance instead of a
// person.
class ExitQuestion
{
public:
    ExitQuestion();
    ~ExitQuestion();
    ExitQuestion(const ExitQuestion &) = delete;
    ExitQuestion &operator=(const ExitQuestion &) = delete;

    // The box as it is shown: the question with an empty line below it, the
    // title " Kilépés ", the question icon, Yes and No with Yes the default.
    // It has no way out but its two buttons: Esc and its close button do
    // nothing.
    static std::unique_ptr<QMessageBox> createBox(QWidget *parent);

    // True for Yes. Waits for the person's answer in a modal box, or takes the
    // preset answer without showing anything.
    bool ask(QWidget *parent);
    void presetAnswer(std::optional<bool> yes) { m_preset = yes; }
    int timesAsked() const { return m_asked; }

    // Closes a waiting box as if No had been chosen: the window is going away
    // without it (the session ends) and nothing may wait for a person then.
    void withdraw();

private:
    std::optional<bool> m_preset;
    QPointer<QMessageBox> m_open;
    int m_asked = 0;
};

} // namespace kalkora
