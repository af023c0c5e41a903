#include "OrbUtilUI/WindowUtil.h"
#include "ZQtUtil/ZQtUtil.h"
#include "ZarvoWidget/Util.h"
#include "ZarvoWidget/ZBoxLayout.h"
#include "ZarvoWidget/ZFrame.h"
#include "ZarvoWidget/ZLabel.h"
#include "dialogs/DialogTestSupport.h"

#include <QtTest>
#include <QtWidgets>

namespace WindowUtil = Zarvo::Orb::UI::Util;

class tst_WidgetKit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void labelElidesPlainTextAndGrowsBack()
    {
        QWidget window;
        auto* label = new ZLabel(&window);
        const QString text = QStringLiteral("A rather long text that cannot fit in a narrow label");
        label->setOriginalText(text);
        const int wholeWidth = label->fontMetrics().horizontalAdvance(text);
        window.resize(wholeWidth + 100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        label->resize(wholeWidth / 3, 20);
        QVERIFY(label->text().endsWith(QStringLiteral("…")));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        // Squeezed, it still asks for the whole text, so a layout can let it grow back.
        QVERIFY(label->sizeHint().width() >= wholeWidth);
        QVERIFY(label->minimumSizeHint().width() < wholeWidth / 3);
        label->resize(wholeWidth + 10, 20);
        QCOMPARE(label->text(), text);
        // A new text is fitted to the width the label already has.
        label->setOriginalText(text + text);
        QVERIFY(label->text().endsWith(QStringLiteral("…")));
        // Rich text is shown as given, never cut inside its markup.
        const QString link = QStringLiteral("<a href=\"stub\">I want more features</a>");
        label->setOriginalText(link);
        QCOMPARE(label->text(), link);

        // Only a left press clicks.
        QSignalSpy clicked(label, &ZLabel::clicked);
        QTest::mousePress(label, Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void boxLayoutsFillAndEmpty_data()
    {
        QTest::addColumn<bool>("dispose");
        QTest::newRow("clearLayout keeps the widgets") << false;
        QTest::newRow("cleanupLayout disposes of them") << true;
    }

    void boxLayoutsFillAndEmpty()
    {
        QFETCH(bool, dispose);
        ZFrame frame;
        QPointer<QWidget> first = new QWidget(&frame);
        QPointer<QWidget> nested = new QWidget(&frame);
        new QWidget(&frame, Qt::Window);
        QPointer<QWidget> last = new QWidget(&frame);
        auto* layout = new ZHBoxLayout(&frame);
        auto* inner = new QVBoxLayout;
        layout->addLayout(inner);
        inner->addWidget(nested);

        // Children not yet in the layout, nested ones included, are appended in creation order; windows are not.
        QCOMPARE(layout->autoFill().addStretch().count(), 4);
        QVERIFY(layout->itemAt(1)->widget() == first && layout->itemAt(2)->widget() == last);
        QCOMPARE(layout->autoFill().count(), 4);

        dispose ? Util::cleanupLayout(layout) : Util::clearLayout(layout);
        QCOMPARE(layout->count(), 0);
        if (dispose)
        {
            QVERIFY(first && first->isHidden());
            QTRY_VERIFY(first.isNull() && nested.isNull() && last.isNull());
            Util::cleanupLayout(nullptr);
            return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first && nested && last);
        // The same widgets, nested one included, go into a new layout, as after a change of orientation.
        delete layout;
        QCOMPARE((new ZVBoxLayout(&frame))->autoFill().count(), 3);
    }

    void applyWidgetStyleRestylesAtOnce()
    {
        ZFrame frame;
        frame.setStyleSheet(QStringLiteral("ZFrame[Edge=\"Left\"] { color: rgb(10, 20, 30); }"));
        frame.ensurePolished();
        Zarvo::Util::ApplyWidgetStyle(&frame, QStringLiteral("Left"), "Edge");
        QCOMPARE(frame.palette().color(QPalette::WindowText), QColor(10, 20, 30));
    }

    void mouseMoveHelperDragsWindow()
    {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.resize(200, 150);
        auto* handle = new ZFrame(&window);
        handle->setGeometry(0, 0, 200, 40);
        auto* button = new QPushButton(&window);
        button->setGeometry(10, 50, 80, 30);
        new WindowUtil::WindowMouseMoveHelper(&window, {handle, button});
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(button, &QPushButton::clicked);

        DialogTest::Drag(handle, QPoint(10, 10), QPoint(60, 40));
        QCOMPARE(window.pos(), QPoint(160, 140));
        // Elsewhere a drag does not move the window.
        DialogTest::Drag(&window, QPoint(100, 120), QPoint(60, 40));
        QCOMPARE(window.pos(), QPoint(160, 140));

        // A drag that starts on a button moves the window without clicking it; a click still clicks.
        DialogTest::Drag(button, QPoint(5, 5), QPoint(30, 0));
        QCOMPARE(window.pos(), QPoint(190, 140));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void centredWhereItWillBeShown_data()
    {
        QTest::addColumn<bool>("withLayout");
        QTest::addColumn<QSize>("resizedTo");
        // Empty: centred on the 800x600 screen.
        QTest::addColumn<QRect>("placed");
        // Qt's own fitting rules decide the size; one row with a layout and one without prove it is asked.
        QTest::newRow("fitted to its contents when shown") << true << QSize() << QRect();
        QTest::newRow("no layout: around its children") << false << QSize() << QRect();
        // Resized by hand, it keeps its size; what does not fit starts at the area's edge and stays centred the
        // other way.
        QTest::newRow("taller than the screen") << true << QSize(400, 660) << QRect(200, 0, 400, 660);
        QTest::newRow("larger than the screen") << true << QSize(900, 700) << QRect(0, 0, 900, 700);
    }

    void centredWhereItWillBeShown()
    {
        QFETCH(bool, withLayout);
        QFETCH(QSize, resizedTo);
        QFETCH(QRect, placed);
        QScreen* screen = QGuiApplication::primaryScreen();
        QCursor::setPos(screen->geometry().center());
        // A parented dialog, as the module opens them: until shown it has a child widget's default size.
        QWidget owner;
        QDialog dialog(&owner, Qt::FramelessWindowHint);
        auto* content = new QLabel(QStringLiteral("one line"), &dialog);
        if (withLayout)
        {
            (new QVBoxLayout(&dialog))->addWidget(content);
            content->setFixedSize(301, 151);
        }
        else
            content->setGeometry(10, 20, 301, 151);
        if (resizedTo.isValid())
            dialog.resize(resizedTo);

        dialog.move(Zarvo::Util::GetWidgetPosOnCurrentScreenCenter(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (placed.isEmpty())
            QCOMPARE(dialog.geometry().center(), screen->availableGeometry().center());
        else
            QCOMPARE(dialog.geometry(), placed);
    }

    void offscreenWindowComesBackOnShow_data()
    {
        QTest::addColumn<QPoint>("requested");
        QTest::addColumn<bool>("keepsPosition");
        QTest::newRow("far right and below") << QPoint(5000, 4000) << false;
        QTest::newRow("far left and above") << QPoint(-3000, -2000) << false;
        QTest::newRow("partly off the left edge") << QPoint(-50, 100) << true;
    }

    void offscreenWindowComesBackOnShow()
    {
        QFETCH(QPoint, requested);
        QFETCH(bool, keepsPosition);
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.resize(120, 80);
        WindowUtil::FixWindowOffscreenJumps(&window);
        window.move(requested);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (keepsPosition)
            QCOMPARE(window.pos(), requested);
        else
            QVERIFY2(WindowUtil::GetWindowScreen(&window)->availableGeometry().contains(window.frameGeometry()),
                     qPrintable(QStringLiteral("at %1,%2").arg(window.x()).arg(window.y())));
    }

    void opaqueRegionFollowsAlpha()
    {
        QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(QRect(5, 4, 10, 6), QColor(0, 0, 0, 1));
        QPainter(&image).fillRect(QRect(20, 10, 20, 20), Qt::red);
        QCOMPARE(WindowUtil::GetOpaqueRegion(image), QRegion(5, 4, 10, 6) + QRegion(20, 10, 20, 20));
        QCOMPARE(WindowUtil::GetOpaqueRegion(image.convertToFormat(QImage::Format_RGB32)), QRegion(image.rect()));
    }
};

QTEST_MAIN(tst_WidgetKit)
#include "tst_widgetkit.moc"
