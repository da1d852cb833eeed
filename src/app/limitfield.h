// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace kalkora {

// A page's limit field, which tells when the user has left it: moved on by
// Tab or Shift+Tab, clicked another control of the page, or clicked the tab
// of its own page. The focus going away for a while is no leaving: to the
// menu bar (Alt), a menu, a dialog or another program, nor to the tab strip
// on a switch to another tab; the field keeps its text as typed then.
class LimitField final : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void left();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace kalkora
