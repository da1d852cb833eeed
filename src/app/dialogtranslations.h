// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QObject>

#include <memory>

class QTranslator;

namespace kalkora {

// Qt's own Hungarian texts, whatever the user's language: the whole program
// speaks Hungarian. They name the buttons of a message box ("Igen", "Nem"),
// the text fields' context menu and the actions a screen reader is offered,
// none of which start-up shows; so they are loaded when one of them is first
// about to show, while this object lives. Where Qt's translations are not
// installed the texts stay Qt's English ones.
class DialogTranslations final : public QObject, public QAccessible::ActivationObserver
{
public:
    // Watches the application for the first context menu or screen reader.
    DialogTranslations();
    ~DialogTranslations() override;

    // Loads the translation now, once; called before a message box is made.
    static void ensure();

    void accessibilityActiveChanged(bool active) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();

    std::unique_ptr<QTranslator> m_translator; // null until needed
    inline static DialogTranslations *s_current = nullptr;
};

} // namespace kalkora
