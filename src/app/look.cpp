// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/look.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <iterator>
#include <memory>

namespace kalkora {
namespace {

struct Look
{
    Role role;
    qreal points;
    bool bold;
    QRgb text; // 0: the system's text colour
    Qt::Alignment alignment;
};

constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kDarkGreen = 0xFF008000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

// The history list keeps the system's font and colours.
constexpr Look kLooks[] = {
    {Role::FirstOperand, 17.25, true, 0, kRight},
    {Role::SecondOperand, 17.25, true, 0, kLeft},
    {Role::Sign, 24, false, 0, kLeft},
    {Role::BoldSign, 24, true, 0, kLeft},
    {Role::CentredSign, 24, false, 0, kCentre},
    {Role::Answer, 24, true, 0, kLeft},
    {Role::CheckButton, 13.5, true, 0, kCentre},
    {Role::Banner, 17.25, false, 0, kLeft},
    {Role::Given, 17.25, true, kNavy, kRight},
    {Role::Right, 17.25, true, kDarkGreen, kRight},
    {Role::Wrong, 17.25, true, kRed, kRight},
    {Role::Caption, 12, false, 0, kRight},
    {Role::CaptionAfter, 12, false, 0, kLeft},
    {Role::Percent, 13.5, false, 0, kLeft},
    {Role::Limit, 13.5, false, 0, kLeft},
};

} // namespace

QFont pageFont(qreal pointSize, bool bold)
{
    // Asked for by name only where it is installed: fontconfig would stand
    // DejaVu Sans in for a missing "MS Sans Serif", and Qt would load it
    // beside Liberation Sans for every size, to fill in letters from.
    static const QStringList families = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        const QString standIn = QStringLiteral("Liberation Sans");
        return QFontDatabase::hasFamily(wanted) ? QStringList{wanted, standIn}
                                                : QStringList{standIn};
    }();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QPalette lightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

void applyLook(QWidget *control, Role role)
{
    const Look *look = std::find_if(std::begin(kLooks), std::end(kLooks),
                                    [role](const Look &l) { return l.role == role; });
    if (look == std::end(kLooks))
        return;
    control->setFont(pageFont(look->points, look->bold));

    if (auto *label = qobject_cast<QLabel *>(control)) {
        // Labels are opaque boxes in the button-face colour; the banner paints
        // its own colour over that.
        label->setAlignment(look->alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(role == Role::Banner ? QPalette::Window : QPalette::Button);
        label->setForegroundRole(QPalette::WindowText);
        QPalette palette = label->palette();
        if (look->text)
            palette.setColor(QPalette::WindowText, QColor::fromRgb(look->text));
        label->setPalette(palette);
        if (role == Role::Banner)
            showVerdictColour(label, false);
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setAlignment(look->alignment | Qt::AlignVCenter);
    }
}

void showVerdictColour(QLabel *banner, bool right)
{
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, right ? kRightBanner : kWrongBanner);
    banner->setPalette(palette);
}

} // namespace kalkora
