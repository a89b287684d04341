#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace korvanta
{
namespace
{

const char kAnswerTitle[] = "answerTitle";

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

QAccessibleInterface *answerFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(kAnswerTitle).isValid())
        return new AccessibleAnswer(label);
    return nullptr;
}

} // namespace

void installAccessibleAnswers()
{
    static const bool installed = [] {
        QAccessible::installFactory(answerFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace korvanta
