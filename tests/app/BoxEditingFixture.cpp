#include "BoxEditingFixture.h"

#include <QScrollArea>
#include <QTest>

void BoxEditingFixture::ClickOn(TControl *Control, bool Double)
{
    QWidget *peer = Control->Peer();
    for (QWidget *w = peer->parentWidget(); w; w = w->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(peer, 10, 10);
            break;
        }
    Settle();
    const QPoint global = peer->mapToGlobal(QPoint(Control->Width() / 2, Control->Height() / 2));
    QWidget *under = QApplication::widgetAt(global);
    ASSERT_TRUE(under && (under == peer || peer->isAncestorOf(under)))
        << "the point is not on " << qPrintable(Control->Name());
    const QPoint at = under->mapFromGlobal(global);
    // The window clicked into becomes the active one (a pop-up opened by the first click of a double click
    // loses the activation to the second).
    auto press = [&](bool second) {
        if (QApplication::activeWindow() != under->window()) {
            QApplication::setActiveWindow(under->window());
            Settle();
        }
        if (second)
            QTest::mouseDClick(under, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(under, Qt::LeftButton, {}, at);
        Settle();
    };
    press(false);
    if (Double)
        press(true);
}

void BoxEditingFixture::Keys(const QString &Text)
{
    for (QChar c : Text) {
        QWidget *w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void BoxEditingFixture::Key(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    QWidget *w = QApplication::focusWidget();
    ASSERT_TRUE(w);
    QTest::keyClick(w, Qt::Key(QtKey), Modifiers);
    Settle();
}

TWinControl *BoxEditingFixture::FocusedBox()
{
    TWinControl *c = FindWinControl(QApplication::focusWidget());
    return qobject_cast<TInplaceEdit *>(c) ? c->Parent() : c;
}

bool BoxEditingFixture::Marked(TControl *Box)
{
    const QImage shot = Box->Peer()->grab().toImage();
    int changes = 0;
    for (int x = Box->Width() / 2; x < Box->Width() - 4; ++x)
        changes += shot.pixel(x, 2) != shot.pixel(x + 1, 2);
    return changes > (Box->Width() / 2 - 4) / 3;
}
