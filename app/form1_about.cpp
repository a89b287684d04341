// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The information view behind "About...": opened by the button, closed by a click on either of
// its text boxes or by a key.

#include "app/form1.h"
#include "app/services/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace
{

// Five spaces, three paragraphs of 99, 81 and 43 characters with three and four spaces between
// them, on one line that the text box wraps.
const QString kThanks = QStringLiteral(
    "     "
    "感谢您使用和试用本软件！本软件是为那些站在北京街头、看到来往车辆的车牌、想知道它们来自哪里的"
    "朋友们编写的。作者为了满足这种常识性的需要，收集了各地车牌的资料，做成了这个简单的查询工具，"
    "希望对您有用。"
    "   "
    "经过一段时间的努力，这个工具终于有了第一个模型，界面还很朴素，请您多多包涵。如果您发现其中的资"
    "料有错误或者不完整的地方，请一定及时告诉我们，我们会尽快改正，谢谢！"
    "    "
    "欢迎汽车销售、租赁和维修企业与我们联系，借助本软件让全国各地的用户都来认识您的企业吧！");

const QString kContact = QStringLiteral("E-mail:korvanta@example.com   support@example.com"
                                        "                "
                                        "程序设计:Korvanta开发组  Ver:1.0    ");

bool closesInformationView(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Escape;
}

} // namespace

void Form1::setUpAboutView()
{
    // The contact box covers the bottom of the note's box: the note scrolls above it.
    Text1->keepClearOf(Text2);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // A text box's mouse events arrive at its viewport, its keys at the box itself.
    for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(Text1), Text2}) {
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }
}

void Form1::Command1_Click()
{
    Frame1->hide();
    Frame2->hide();
    Frame3->hide();
    Frame4->show();
    Text1->setPlainText(kThanks);
    Text2->setPlainText(kContact);
    Label1->setText(QStringLiteral("关于软件的信息,谢谢观看"));
    Frame4->move(8, 40); // where the query panel stood
    // The button that had the focus is hidden now; the note is where the keyboard goes back from.
    Text1->setFocus(Qt::OtherFocusReason);
    // Screen readers say nothing of a focus that moves into a view just shown: tell them what
    // opened, by its title and the note's first sentence.
    const QString note = Text1->toPlainText().trimmed();
    m_answers->announce(Label1->text() + QStringLiteral("。") +
                        note.first(note.indexOf(u'！') + 1));
}

void Form1::Text1_Click()
{
    showInQueryView();
}

void Form1::Text2_Click()
{
    showInQueryView();
}

void Form1::showInQueryView()
{
    Frame4->hide();
    Frame1->show();
    Frame2->show();
    Frame3->show();
    Label1->setText(QStringLiteral("Korvanta"));
    // Back where the keyboard left the query view.
    Command1->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool inText1 = watched == Text1 || watched == Text1->viewport();
    const bool inText2 = watched == Text2 || watched == Text2->viewport();
    if (!inText1 && !inText2)
        return QWidget::eventFilter(watched, event);

    bool click = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *area = static_cast<QWidget *>(watched);
        click =
            mouse->button() == Qt::LeftButton && area->rect().contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress && Frame4->isVisible()) {
        // Keyboard users close the information view as a click does.
        click = closesInformationView(static_cast<QKeyEvent *>(event)->key());
    }
    if (!click)
        return QWidget::eventFilter(watched, event);
    if (inText1)
        Text1_Click();
    else
        Text2_Click();
    return event->type() == QEvent::KeyPress;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && Frame4->isVisible()) {
        Text1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
