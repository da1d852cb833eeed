// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/messageboxes.h"

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

// Shows the box and hands its result to done() once it is answered.
void open(QMessageBox *box, std::function<void(int)> done)
{
    box->setTextFormat(Qt::PlainText);
    QObject::connect(box, &QMessageBox::finished, box, [box, done = std::move(done)](int result) {
        box->deleteLater();
        done(result);
    });
    box->open();
}

} // namespace

void MessageBoxes::askToEnd(QWidget *window, std::function<void(bool yes)> answered)
{
    auto *box =
        new AnswerOnlyBox(QMessageBox::Question, kEndTitle.toString(), kEndQuestion.toString(),
                          QMessageBox::Yes | QMessageBox::No, window);
    box->setDefaultButton(QMessageBox::Yes);
    // The question is read, not copied: a label the mouse may select takes
    // click focus, and a screen reader that reads a box's text from its
    // labels passes over one that can take focus (Orca 51 does).
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    m_question = box;
    open(box,
         [answered = std::move(answered)](int result) { answered(result == QMessageBox::Yes); });
}

void MessageBoxes::withdrawQuestion()
{
    if (m_question)
        m_question->done(QMessageBox::No);
}

void MessageBoxes::showFault(QWidget *window, const QString &plain, std::function<void()> then)
{
    open(new QMessageBox(QMessageBox::Warning, kWindowTitle.toString(), plain, QMessageBox::Ok,
                         window),
         [then = std::move(then)](int) { then(); });
}

} // namespace kalkora
