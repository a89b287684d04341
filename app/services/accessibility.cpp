// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/services/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <bit>
#include <utility>
#include <vector>

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

// True for a widget within a list (its scroll bars and their holder, the area its rows show in):
// screen readers reach a list's rows through the list, and Qt gives them no way to the widgets it
// is made of, so news of one has them ask for a place Qt cannot tell (with a warning each time).
bool isInsideList(const QObject *object)
{
    if (!object || !object->isWidgetType())
        return false;
    for (const QObject *parent = object->parent(); parent; parent = parent->parent()) {
        if (qobject_cast<const QAbstractItemView *>(parent))
            return true;
        if (static_cast<const QWidget *>(parent)->isWindow())
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

void filterUpdates(QAccessibleEvent *event);

void forward(QAccessibleEvent *event)
{
    if (s_forward) {
        s_forward(event);
        return;
    }
    // The handler stands in Qt's way to screen readers; step aside to let this event through.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filterUpdates);
}

// An event held back while news is held: how it is told when the news goes out.
enum class Telling {
    Now,    // not held: it changes what an object is made of, or it has no object to hold by
    States, // the states that changed, together
    Value,  // the last value
    Text,   // the caret, if the keyboard is there
    Last,   // the last such event
};

Telling tellingOf(const QAccessibleEvent *event)
{
    if (!event->object() || qobject_cast<const Announcer *>(event->object()))
        return Telling::Now;
    switch (event->type()) {
    case QAccessible::StateChanged:
        return Telling::States;
    case QAccessible::ValueChanged:
        return Telling::Value;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        return Telling::Text;
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::Focus:
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::Selection:
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::SelectionWithin:
        return Telling::Last;
    default:
        return Telling::Now;
    }
}

struct HeldEvent {
    QPointer<QObject> object;
    int child;
    QAccessible::Event type; // for text, TextCaretMoved stands for all its kinds
    Telling telling;
    QAccessible::State states;
    QVariant value;
};

// The states changed in either.
QAccessible::State together(const QAccessible::State &one, const QAccessible::State &other)
{
    return std::bit_cast<QAccessible::State>(std::bit_cast<quint64>(one) |
                                             std::bit_cast<quint64>(other));
}

int s_holders = 0;
std::vector<HeldEvent> s_held;

// Keeps an event to tell later, in place of an earlier one of its kind for the same object:
// the news goes out in the order each last happened.
void hold(QAccessibleEvent *event, Telling telling)
{
    HeldEvent held{event->object(),
                   event->child(),
                   telling == Telling::Text ? QAccessible::TextCaretMoved : event->type(),
                   telling,
                   {},
                   {}};
    if (telling == Telling::States)
        held.states = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    if (telling == Telling::Value)
        held.value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
    for (auto it = s_held.begin(); it != s_held.end(); ++it) {
        if (it->object == held.object && it->child == held.child && it->type == held.type) {
            if (telling == Telling::States)
                held.states = together(it->states, held.states);
            s_held.erase(it);
            break;
        }
    }
    s_held.push_back(std::move(held));
}

// Whether the keyboard is in `object`: the focus widget, or the edit field of a list that has the
// focus (which screen readers are shown as focused).
bool hasKeyboard(const QObject *object)
{
    QWidget *focus = QApplication::focusWidget();
    if (object == focus)
        return true;
    auto *list = qobject_cast<QComboBox *>(focus);
    return list && list->lineEdit() == object;
}

void tell(const HeldEvent &held)
{
    QObject *object = held.object.data();
    if (!object)
        return; // gone meanwhile: screen readers were told so
    switch (held.telling) {
    case Telling::States: {
        QAccessibleStateChangeEvent event(object, held.states);
        event.setChild(held.child);
        forward(&event);
        break;
    }
    case Telling::Value: {
        QAccessibleValueChangeEvent event(object, held.value);
        event.setChild(held.child);
        forward(&event);
        break;
    }
    case Telling::Text: {
        // Screen readers ask a text for itself; what they follow is where the keyboard is.
        if (!hasKeyboard(object))
            return;
        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(object);
        if (!text || !text->textInterface())
            return;
        QAccessibleTextCursorEvent event(object, text->textInterface()->cursorPosition());
        forward(&event);
        break;
    }
    default: {
        QAccessibleEvent event(object, held.type);
        event.setChild(held.child);
        forward(&event);
        break;
    }
    }
}

// Passes every event on to screen readers as Qt would, except those of decorations, of the
// widgets a list is made of, and those that Qt could not deliver; while news is held, it keeps what
// it can tell later.
void filterUpdates(QAccessibleEvent *event)
{
    if (isDecoration(event->object()) || isInsideList(event->object()) ||
        isUndeliverableTextChange(event))
        return;
    const Telling telling = s_holders > 0 ? tellingOf(event) : Telling::Now;
    if (telling == Telling::Now)
        forward(event);
    else
        hold(event, telling);
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

HeldNews::HeldNews()
{
    ++s_holders;
}

HeldNews::~HeldNews()
{
    if (--s_holders > 0)
        return;
    const std::vector<HeldEvent> held = std::exchange(s_held, {});
    for (const HeldEvent &event : held)
        tell(event);
}

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
