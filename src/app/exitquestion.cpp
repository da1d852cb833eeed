// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/exitquestion.h"

#include "app/wording.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace kalkora {
namespace {

// QMessageBox lets Esc and the close button pick a button of its own choice
// (No, here). This question can only be answered.
class AnswerOnlyBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

} // namespace

ExitQuestion::ExitQuestion() = default;

ExitQuestion::~ExitQuestion() = default;

std::unique_ptr<QMessageBox> ExitQuestion::createBox(QWidget *parent)
{
    auto box = std::make_unique<AnswerOnlyBox>(QMessageBox::Question, kEndTitle.toString(),
                                               kEndQuestion.toString(),
                                               QMessageBox::Yes | QMessageBox::No, parent);
    box->setTextFormat(Qt::PlainText);
    // The question is read, not copied: a label the mouse may select takes
    // click focus, and a screen reader that reads a box's text from its
    // labels passes over one that can take focus (Orca 51 does).
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setDefaultButton(QMessageBox::Yes);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

bool ExitQuestion::ask(QWidget *parent)
{
    ++m_asked;
    if (m_preset)
        return *m_preset;
    const std::unique_ptr<QMessageBox> box = createBox(parent);
    m_open = box.get();
    const int answer = box->exec();
    m_open = nullptr;
    return answer == QMessageBox::Yes;
}

void ExitQuestion::withdraw()
{
    if (m_open)
        m_open->done(QMessageBox::No);
}

} // namespace kalkora
