#include "app/form1.h"
#include "widget_helpers.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

#include <memory>

namespace
{

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString();
}

bool hasChinese(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    NoticeRecorder recorder;

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // Every control that takes the focus or shows an answer can be named by a screen reader.
    void everyControlHasAName()
    {
        QStringList missing;
        const QList<QWidget *> widgets = form->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
                continue; // parts of a control, such as an edit field or a scroll bar
            const bool focusable = widget->focusPolicy() != Qt::NoFocus;
            const bool showsText =
                qobject_cast<QLabel *>(widget) && !widget->objectName().startsWith(u"Image");
            if (!focusable && !showsText)
                continue;
            const QString name = accessibleText(widget, QAccessible::Name);
            // The title line shows the program's Latin name; every other name is Chinese.
            const bool latinTitle = widget == form->Label1;
            if (name.trimmed().isEmpty() || (!latinTitle && !hasChinese(name)))
                missing << QStringLiteral("%1: '%2'").arg(widget->objectName(), name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void namesMatchWhatIsShown()
    {
        QCOMPARE(accessibleText(form->Option1, QAccessible::Name), QStringLiteral("民用车辆"));
        QCOMPARE(accessibleText(form->Combo2, QAccessible::Name), QStringLiteral("英文部分"));
        QCOMPARE(accessibleText(form->Text1, QAccessible::Name), QStringLiteral("感谢信"));
        QVERIFY(accessibleText(form->Text1, QAccessible::Description).contains(u"单击此处返回"));
        QCOMPARE(accessibleText(form->Label4, QAccessible::Name), QStringLiteral("查询结果"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Name), QStringLiteral("补充结果"));
    }

    void answersAreAnnounced()
    {
        // QLabel::setText announces a new text as a name change only while the label has no
        // fixed accessible name; the names of the result labels come from their answers.
        QVERIFY(form->Label4->accessibleName().isEmpty());
        QVERIFY(form->Label5->accessibleName().isEmpty());
        clickOption(form->Option2);
        pick(form->Combo1, QStringLiteral("辰"));
        pick(form->Combo2, QStringLiteral("H"));
        QCOMPARE(accessibleText(form->Label4, QAccessible::Name),
                 QStringLiteral("中国人民解放军成都军区"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Name),
                 QStringLiteral("H----仓库、干休所"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Description),
                 QStringLiteral("补充结果"));
    }

    void resultTextCanBeCopied()
    {
        clickOption(form->Option1);
        pick(form->Combo1, QStringLiteral("粤"));
        pick(form->Combo2, QStringLiteral("Z"));
        const QString answer = QStringLiteral("香港、澳门特别行政区进入内地车辆");
        QCOMPARE(form->Label4->text(), answer);
        QVERIFY(form->Label4->textInteractionFlags() & Qt::TextSelectableByMouse);
        // Selecting takes the focus by click only; the labels stay out of the tab order.
        QCOMPARE(form->Label4->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(form->Label4, Qt::LeftButton, {}, QPoint(3, 8));
        form->Label4->setSelection(0, 5);
        QTest::keySequence(form->Label4, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), answer.first(5));
        QCOMPARE(form->Label4->text(), answer);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
