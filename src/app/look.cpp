#include "look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace kalkora {
namespace {

struct Look
{
    qreal points;
    bool bold;
    QColor text; // invalid: the system's text colour
    Qt::Alignment alignment;
};

const QColor kNavy{0x00, 0x00, 0x80};
const QColor kDarkGreen{0x00, 0x80, 0x00};
const QColor kRed{0xFF, 0x00, 0x00};

Look lookOf(Role role)
{
    switch (role) {
    case Role::FirstOperand:
        return {17.25, true, {}, Qt::AlignRight};
    case Role::SecondOperand:
        return {17.25, true, {}, Qt::AlignLeft};
    case Role::Sign:
        return {24, false, {}, Qt::AlignLeft};
    case Role::BoldSign:
        return {24, true, {}, Qt::AlignLeft};
    case Role::CentredSign:
        return {24, false, {}, Qt::AlignHCenter};
    case Role::Answer:
        return {24, true, {}, Qt::AlignLeft};
    case Role::CheckButton:
        return {13.5, true, {}, Qt::AlignHCenter};
    case Role::Banner:
        return {17.25, false, {}, Qt::AlignLeft};
    case Role::Given:
        return {17.25, true, kNavy, Qt::AlignRight};
    case Role::Right:
        return {17.25, true, kDarkGreen, Qt::AlignRight};
    case Role::Wrong:
        return {17.25, true, kRed, Qt::AlignRight};
    case Role::Caption:
        return {12, false, {}, Qt::AlignRight};
    case Role::CaptionAfter:
        return {12, false, {}, Qt::AlignLeft};
    case Role::Percent:
    case Role::Limit:
        return {13.5, false, {}, Qt::AlignLeft};
    case Role::History:
        break;
    }
    return {0, false, {}, Qt::AlignLeft};
}

} // namespace

QFont pageFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void applyLook(QWidget *control, Role role)
{
    if (role == Role::History)
        return; // the system's list font and colours
    const Look look = lookOf(role);
    control->setFont(pageFont(look.points, look.bold));

    if (auto *label = qobject_cast<QLabel *>(control)) {
        // Labels are opaque boxes in the button-face colour; the banner paints
        // its own colour over that.
        label->setAlignment(look.alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(role == Role::Banner ? QPalette::Window : QPalette::Button);
        label->setForegroundRole(QPalette::WindowText);
        QPalette palette = label->palette();
        if (look.text.isValid())
            palette.setColor(QPalette::WindowText, look.text);
        if (role == Role::Banner)
            palette.setColor(QPalette::Window, kWrongBanner);
        label->setPalette(palette);
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setAlignment(look.alignment | Qt::AlignVCenter);
    }
}

} // namespace kalkora
