// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/look.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <iterator>

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
    // The list's header too: its fixed columns hold their captions whole in
    // this font, whatever the desktop's.
    {Role::History, 8.25, false, 0, kLeft},
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
    // Qt's own light colours, those its Fusion style brings, written out: a
    // palette asked of a style or of the platform would follow a dark desktop.
    // The window has no disabled control and no placeholder text, so the
    // colours for those stay as the constructor makes them.
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor highlight(48, 140, 198);
    QPalette palette(Qt::black, window, window.lighter(150), dark, window.darker(130), Qt::black,
                     Qt::white);
    palette.setColor(QPalette::Midlight, window.darker(130).lighter(110));
    palette.setColor(QPalette::Shadow, dark.darker(135));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    palette.setColor(QPalette::Accent, highlight);
#endif
    return palette;
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
        // its verdict's colour over that.
        label->setAlignment(look->alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Button);
        label->setForegroundRole(QPalette::WindowText);
        QPalette palette = label->palette();
        if (look->text)
            palette.setColor(QPalette::WindowText, QColor::fromRgb(look->text));
        label->setPalette(palette);
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setAlignment(look->alignment | Qt::AlignVCenter);
    } else if (auto *list = qobject_cast<QTableView *>(control)) {
        // Qt's header keeps the application's font unless it is given one.
        list->horizontalHeader()->setFont(list->font());
    }
}

} // namespace kalkora
