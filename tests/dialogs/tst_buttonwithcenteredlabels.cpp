#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"
#include "ZarvoWidget/ZLabel.h"

#include <QApplication>
#include <QTest>

using Zarvo::Orb::Module::Launcher::UI::ButtonWithCenteredLabels;

class tst_ButtonWithCenteredLabels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void labelsCentredClickableAndRestyled();
};

void tst_ButtonWithCenteredLabels::labelsCentredClickableAndRestyled()
{
    QWidget window;
    // Rules on the labels that hang on the button's state need the labels re-polished too.
    window.setStyleSheet(QStringLiteral("QPushButton[checked=\"true\"] QLabel { color: rgb(200, 10, 10); }"
                                        "QPushButton[checked=\"false\"] QLabel { color: rgb(10, 200, 10); }"));
    auto* button = new ButtonWithCenteredLabels(&window);
    auto* icon = button->findChild<ZLabel*>(QStringLiteral("IconLabel"));
    auto* text = button->findChild<ZLabel*>(QStringLiteral("TextLabel"));
    QVERIFY(icon && text);
    button->SetText(QStringLiteral("Select"));
    QCOMPARE(text->originalText(), QStringLiteral("Select"));
    QVERIFY(icon->originalText().isEmpty() && button->text().isEmpty());
    button->setCheckable(true);
    button->resize(300, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(icon->geometry().right() < text->geometry().left());
    QVERIFY(qAbs(icon->geometry().left() - (button->width() - 1 - text->geometry().right())) <= 1);

    // Presses on a label reach the button.
    for (const bool checked : {false, true, false})
    {
        if (button->isChecked() != checked)
        {
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, text->mapTo(&window, text->rect().center()));
        }
        QCOMPARE(button->isChecked(), checked);
        const QColor color = checked ? QColor(200, 10, 10) : QColor(10, 200, 10);
        QCOMPARE(icon->palette().color(QPalette::WindowText), color);
        QCOMPARE(text->palette().color(QPalette::WindowText), color);
    }
}

QTEST_MAIN(tst_ButtonWithCenteredLabels)
#include "tst_buttonwithcenteredlabels.moc"
