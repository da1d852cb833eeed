// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/dialogs.h"

#include <QPointer>

class QMessageBox;

namespace kalkora {

// The dialogs as message boxes over the window, each shown with open() and
// answered through its finished() signal.
class MessageBoxes final : public Dialogs
{
public:
    // The end question: "Biztos hogy Befejezed?" with an empty line below it,
    // the title " Kilépés ", the question icon, Yes and No with Yes the
    // default. It has no way out but its two buttons: Esc and its close
    // button do nothing.
    void askToEnd(QWidget *window, std::function<void(bool yes)> answered) override;
    void withdrawQuestion() override;

protected:
    // A warning under the window's title, with OK.
    void showFault(QWidget *window, const QString &plain, std::function<void()> then) override;

private:
    QPointer<QMessageBox> m_question;
};

} // namespace kalkora
