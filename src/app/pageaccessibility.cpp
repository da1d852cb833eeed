#include "pageaccessibility.h"

#include "drillpage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace kalkora {
namespace {

// Marks the labels that are result banners, so that the factory below gives
// them the alert role. A screen reader announces an alert when it shows; a
// plain label appearing would pass unnoticed.
constexpr char kBannerProperty[] = "kalkoraResultBanner";

class BannerAccessible final : public QAccessibleWidget
{
public:
    explicit BannerAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The verdict in words, exactly as the child reads it.
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *bannerFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object);
        label && label->property(kBannerProperty).toBool())
        return new BannerAccessible(label);
    return nullptr;
}

void installBannerFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(bannerFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

QString spokenSign(QStringView sign)
{
    if (sign == u"+")
        return QStringLiteral("plusz");
    if (sign == u"-")
        return QStringLiteral("mínusz");
    if (sign == u"*")
        return QStringLiteral("szorozva");
    if (sign == u":")
        return QStringLiteral("osztva");
    if (sign == u"=")
        return QStringLiteral("egyenlő");
    return sign.toString();
}

bool isSign(Role role)
{
    return role == Role::Sign || role == Role::BoldSign || role == Role::CentredSign;
}

void setName(QWidget *widget, const QString &name)
{
    // Setting a name raises a name-changed event; only send it for real changes.
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace

PageAccessibility &PageAccessibility::of(DrillPage &page)
{
    if (auto *existing = page.findChild<PageAccessibility *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new PageAccessibility(page);
}

PageAccessibility::PageAccessibility(DrillPage &page) : QObject(&page), m_page(page)
{
    installBannerFactory();
    for (const ControlRow &row : page.table().controls) {
        if (QWidget *widget = page.findChild<QWidget *>(QString::fromLatin1(row.name),
                                                        Qt::FindDirectChildrenOnly))
            m_controls.insert(row.name, widget);
        if (row.role == Role::Banner)
            m_banner = qobject_cast<QLabel *>(m_controls.value(row.name));
    }
    if (m_banner) {
        m_banner->setProperty(kBannerProperty, true);
        // The label may already have been described as a plain label while it
        // was being built; drop that description so the next query takes the
        // alert one. No screen reader has seen the page yet.
        if (QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(m_banner))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
        m_banner->installEventFilter(this);
    }
    m_announcedGiven = page.session().given();
    nameStatics();
}

QWidget *PageAccessibility::control(const ControlRow &row) const
{
    return m_controls.value(row.name);
}

// The caption that names a control: the table puts it right before the
// control (the word after the given counter right after it).
const ControlRow *PageAccessibility::captionBeside(const ControlRow &control, bool after) const
{
    const std::span<const ControlRow> rows = m_page.table().controls;
    const auto at = std::size_t(&control - rows.data());
    const std::size_t neighbour = after ? at + 1 : at - 1;
    if ((!after && at == 0) || neighbour >= rows.size())
        return nullptr;
    const ControlRow &other = rows[neighbour];
    return other.role == (after ? Role::CaptionAfter : Role::Caption) ? &other : nullptr;
}

QString PageAccessibility::captionText(const ControlRow &control, bool after) const
{
    const ControlRow *caption = captionBeside(control, after);
    return caption ? caption->text.toString() : QString();
}

void PageAccessibility::nameStatics()
{
    const PageTable &table = m_page.table();
    setName(&m_page, table.tabCaption.toString());
    for (const ControlRow &c : table.controls) {
        QWidget *widget = control(c);
        if (!widget)
            continue;
        switch (c.role) {
        case Role::Answer:
            setName(widget, QStringLiteral("Válasz"));
            break;
        case Role::CheckButton:
            setName(widget, c.text.toString());
            setDescription(widget, QStringLiteral("A válasz ellenőrzése"));
            break;
        case Role::Limit: {
            setName(widget, captionText(c, false));
            // The caption also labels the field for assistive tools that
            // follow label relations.
            if (const ControlRow *caption = captionBeside(c, false)) {
                if (auto *label = qobject_cast<QLabel *>(control(*caption)))
                    label->setBuddy(widget);
            }
            break;
        }
        case Role::History:
            setName(widget, QStringLiteral("Eddigi feladatok"));
            break;
        case Role::Sign:
        case Role::BoldSign:
        case Role::CentredSign:
            setName(widget, spokenSign(c.text));
            break;
        default:
            break;
        }
    }
}

QString PageAccessibility::problemDescription() const
{
    // The problem as it reads from left to right, with the answer field as
    // the unknown: "7 plusz 2 egyenlő mennyi?", "5 plusz mennyi egyenlő 12?".
    QList<const ControlRow *> parts;
    for (const ControlRow &c : m_page.table().controls) {
        const bool inProblem = c.role == Role::FirstOperand || c.role == Role::SecondOperand ||
                               c.role == Role::Answer || isSign(c.role);
        QWidget *widget = control(c);
        if (inProblem && widget && !widget->isHidden())
            parts.append(&c);
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const ControlRow *a, const ControlRow *b) { return a->left < b->left; });
    QStringList words;
    for (const ControlRow *c : std::as_const(parts)) {
        if (c->role == Role::Answer)
            words.append(QStringLiteral("mennyi"));
        else if (isSign(c->role))
            words.append(spokenSign(c->text));
        else
            words.append(static_cast<QLabel *>(control(*c))->text());
    }
    return QStringLiteral("Feladat: ") + words.join(QLatin1Char(' ')) + QLatin1Char('?');
}

void PageAccessibility::update()
{
    const PageTable &table = m_page.table();
    for (const ControlRow &c : table.controls) {
        auto *label = qobject_cast<QLabel *>(control(c));
        if (!label)
            continue;
        const QString shown = label->text();
        switch (c.role) {
        case Role::FirstOperand:
            setName(label, table.firstName + QStringLiteral(": ") + shown);
            break;
        case Role::SecondOperand:
            setName(label, table.secondName + QStringLiteral(": ") + shown);
            break;
        case Role::Given: {
            const QString after = captionText(c, true);
            setName(label, captionText(c, false) + QLatin1Char(' ') + shown +
                               (after.isEmpty() ? QString() : QLatin1Char(' ') + after));
            break;
        }
        case Role::Right:
        case Role::Wrong:
            setName(label, captionText(c, false) + QLatin1Char(' ') + shown);
            break;
        case Role::Percent: {
            // Below one half the label shows no digits at all, only " %"; a
            // listener hears the number it stands for.
            const QString value = shown.trimmed() == u"%" ? QStringLiteral("0 %") : shown.trimmed();
            setName(label, QStringLiteral("Jó válaszok aránya: ") + value);
            break;
        }
        default:
            break;
        }
    }
    if (QLineEdit *answer = m_page.answerField())
        setDescription(answer, problemDescription());

    // A check that shows the banner anew while it is still up from the one
    // before raises no show event of its own; announce that verdict too.
    const DrillSession &session = m_page.session();
    const bool newVerdict =
        session.given() != m_announcedGiven && session.banner() != Banner::Hidden;
    if (m_banner && newVerdict && !m_bannerJustShown && m_banner->isVisible()) {
        QAccessibleEvent shown(m_banner, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    m_announcedGiven = session.given();
    m_bannerJustShown = false;
}

bool PageAccessibility::eventFilter(QObject *watched, QEvent *event)
{
    // The toolkit announces the banner itself when a check makes it appear;
    // remember that, so update() does not announce it twice.
    if (watched == m_banner && event->type() == QEvent::ShowToParent)
        m_bannerJustShown = true;
    return QObject::eventFilter(watched, event);
}

} // namespace kalkora
