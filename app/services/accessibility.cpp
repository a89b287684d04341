// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/services/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace korvanta
{
namespace
{

const char kAnswerTitle[] = "answerTitle";
const char kDecoration[] = "decoration";

class AccessibleAnswer : public QAccessibleWidget
{
public:
    explicit AccessibleAnswer(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        const QString title = label->property(kAnswerTitle).toString();
        if (kind == QAccessible::Name)
            return label->text().isEmpty() ? title : label->text();
        if (kind == QAccessible::Description)
            return title;
        return QAccessibleWidget::text(kind);
    }
};

// Qt names a combo box on Linux by its current text, so that a screen reader would announce
// '冀' for the list of provinces. Here the name says what the list is for and the text is its
// value; the children (the popup's list and the edit field) and the open action stay as Qt has
// them.
class AccessibleList : public QAccessibleWidget
{
public:
    explicit AccessibleList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->isEnabled() || list()->count() > 0 ? list()->currentText() : QString();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    int childCount() const override { return list()->lineEdit() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// Shown once by its name; no value, no text to follow and no children to walk into.
class AccessibleDecoration : public QAccessibleWidget
{
public:
    explicit AccessibleDecoration(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->accessibleName() : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void *interface_cast(QAccessible::InterfaceType) override { return nullptr; }
};

class AccessibleNotification : public QAccessibleWidget
{
public:
    explicit AccessibleNotification(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name
                   ? static_cast<const Announcer *>(widget())->lastAnnouncement()
                   : QString();
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->property(kDecoration).toBool())
        return new AccessibleDecoration(widget);
    if (auto *announcer = qobject_cast<Announcer *>(widget))
        return new AccessibleNotification(announcer);
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return new AccessibleList(list);
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && label->property(kAnswerTitle).isValid())
        return new AccessibleAnswer(label);
    return nullptr;
}

// True for an object whose changes screen readers are not told about: a decoration, or a part
// of one (the scrolling line's text changes on every tick).
bool isDecoration(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (object->property(kDecoration).toBool())
            return true;
        if (object->isWidgetType() && static_cast<const QWidget *>(object)->isWindow())
            break;
    }
    return false;
}

// Whether an event tells of a change of text that the object cannot show screen readers. Qt 6.8's
// labels report changes of their text, but their accessible interface (Qt's, and ours of the
// answers) offers no text; Qt drops such an event, with a warning for each.
bool isUndeliverableTextChange(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::TextColumnChanged:
        break;
    default:
        return false;
    }
    QAccessibleInterface *object = event->accessibleInterface();
    return !object || !object->textInterface();
}

QAccessible::UpdateHandler s_forward = nullptr;

// Passes every event on to screen readers as Qt would, except those of decorations and those
// that Qt could not deliver.
void filterUpdates(QAccessibleEvent *event)
{
    if (isDecoration(event->object()) || isUndeliverableTextChange(event))
        return;
    // The handler stands in Qt's way to screen readers; step aside to let this event through.
    QAccessible::installUpdateHandler(s_forward);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filterUpdates);
}

QtMessageHandler s_nextMessageHandler = nullptr;

// Qt 6.8 does not know the window:destroy events that Orca 48 subscribes to, and warns of it each
// time a screen reader starts. Nothing is lost: Qt sends no such event. The warning alone is
// left out; every other message goes on as before.
void quietUnknownSubscription(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (context.category && qstrcmp(context.category, "qt.accessibility.atspi") == 0 &&
        message.startsWith(QLatin1String("Subscription string not handled")))
        return;
    if (s_nextMessageHandler)
        s_nextMessageHandler(type, context, message);
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    hide();
}

void Announcer::announce(const QString &text)
{
    m_text = text;
    // Orca 48 keeps the name it read before: it must hear of the new one before the show.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

AnswerAnnouncer::AnswerAnnouncer(QWidget *window, const QLabel *firstLine, const QLabel *secondLine)
    : QObject(window)
    , m_announcer(new Announcer(window))
    , m_lines{firstLine, secondLine}
    , m_heard(2)
{
    m_soon.setSingleShot(true);
    m_soon.setInterval(50);
    connect(&m_soon, &QTimer::timeout, this, &AnswerAnnouncer::announceNewAnswers);
}

void AnswerAnnouncer::follow(const QList<QAbstractButton *> &categories,
                             const QList<QComboBox *> &lists)
{
    for (QAbstractButton *category : categories)
        connect(category, &QAbstractButton::clicked, this, &AnswerAnnouncer::startAnew);
    for (QComboBox *list : lists)
        connect(list, &QComboBox::activated, &m_soon, qOverload<>(&QTimer::start));
}

void AnswerAnnouncer::announce(const QString &text)
{
    m_announcer->announce(text);
}

void AnswerAnnouncer::alsoHear(const QLabel *line)
{
    m_lines << line;
    m_heard << line->text();
}

void AnswerAnnouncer::startAnew()
{
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        m_heard[i] = m_lines[i]->text();
}

void AnswerAnnouncer::hearSoon()
{
    m_soon.start();
}

void AnswerAnnouncer::announceNewAnswers()
{
    QStringList changed;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i]->text() != m_heard[i] && !m_lines[i]->text().isEmpty())
            changed << m_lines[i]->text();
    }
    startAnew();
    if (!changed.isEmpty())
        m_announcer->announce(changed.join(QStringLiteral("。")));
}

void markNewAsDecoration(QWidget *widget)
{
    widget->setProperty(kDecoration, true);
}

void markAsDecoration(QWidget *widget)
{
    widget->setProperty(kDecoration, true);
    // An interface made before (setting up a widget can report a change) would stay in Qt's
    // cache; the next query makes the decoration's.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        s_forward = QAccessible::installUpdateHandler(filterUpdates);
        s_nextMessageHandler = qInstallMessageHandler(quietUnknownSubscription);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace korvanta
