// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The information view behind "About...", the scrolling text and the two picture cycles.

#include "app/accessibility.h"
#include "app/form1.h"

#include <QLabel>
#include <QTimer>

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

// Shows `picture` at its own size at the top-left corner of `holder`. A holder smaller than the
// picture (Image14 is 25 pixels square) grows to fit it rather than cut it off.
void showPicture(QLabel *holder, const QPixmap &picture)
{
    holder->setPixmap(picture);
    holder->resize(holder->size().expandedTo(picture.deviceIndependentSize().toSize()));
}

qint16 nextStep(qint16 step)
{
    return step == 6 ? 1 : static_cast<qint16>(step + 1);
}

} // namespace

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
    m_announcer->announce(Label1->text() + QStringLiteral("。") +
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

void Form1::Timer1_Timer()
{
    QLabel *const smileys[] = {Image7, Image3, Image8, Image4, Image9, Image2};
    if (X >= 1 && X <= 6) {
        showPicture(Image14, smileys[X - 1]->pixmap());
        X = nextStep(X);
    }
    Text3->setText(scrolltext(Text3->text()));
    Text3->setCursorPosition(0);
}

void Form1::Timer2_Timer()
{
    QLabel *const stones[] = {Image1, Image5, Image6, Image11, Image10, Image12};
    if (Y >= 1 && Y <= 6) {
        showPicture(Image13, stones[Y - 1]->pixmap());
        Y = nextStep(Y);
    }
}

QString Form1::scrolltext(const QString &scroltxt)
{
    // The first character moves to the end; a surrogate pair moves as one character, and an
    // empty text stays empty.
    qsizetype first = scroltxt.isEmpty() ? 0 : 1;
    if (scroltxt.size() >= 2 && scroltxt.at(0).isHighSurrogate() && scroltxt.at(1).isLowSurrogate())
        first = 2;
    m_scrollBuffer = scroltxt.sliced(first) + scroltxt.first(first);
    return m_scrollBuffer;
}
