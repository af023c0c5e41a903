#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"
#include "ZarvoWidget/ZLabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

using Zarvo::Orb::Module::Launcher::UI::ButtonWithCenteredLabels;

class tst_ButtonWithCenteredLabels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void labelsSitCentredInOrder();
    void checkedStateRestylesLabels_data();
    void checkedStateRestylesLabels();
};

void tst_ButtonWithCenteredLabels::labelsSitCentredInOrder()
{
    ButtonWithCenteredLabels button(nullptr);
    auto* icon = button.findChild<ZLabel*>(QStringLiteral("IconLabel"));
    auto* text = button.findChild<ZLabel*>(QStringLiteral("TextLabel"));
    QVERIFY(icon && text);
    auto* layout = qobject_cast<QHBoxLayout*>(button.layout());
    QVERIFY(layout && layout->count() == 4);
    QVERIFY(layout->itemAt(0)->spacerItem() && layout->itemAt(3)->spacerItem());
    QCOMPARE(layout->itemAt(1)->widget(), icon);
    QCOMPARE(layout->itemAt(2)->widget(), text);

    button.SetText(QStringLiteral("Select"));
    QCOMPARE(text->originalText(), QStringLiteral("Select"));
    QVERIFY(icon->originalText().isEmpty() && button.text().isEmpty());

    button.setCheckable(true);
    button.resize(300, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QVERIFY(qAbs(icon->geometry().left() - (button.width() - 1 - text->geometry().right())) <= 1);

    // Presses on a label reach the button.
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(button.windowHandle(), Qt::LeftButton, {}, text->geometry().center());
    QCOMPARE(clicked.count(), 1);
    QVERIFY(button.isChecked());
}

void tst_ButtonWithCenteredLabels::checkedStateRestylesLabels_data()
{
    QTest::addColumn<QString>("labelName");
    QTest::newRow("icon") << QStringLiteral("IconLabel");
    QTest::newRow("text") << QStringLiteral("TextLabel");
}

void tst_ButtonWithCenteredLabels::checkedStateRestylesLabels()
{
    QFETCH(QString, labelName);
    QWidget window;
    // Rules on the labels that hang on the button's state need the labels re-polished too.
    window.setStyleSheet(QStringLiteral("QPushButton[checked=\"true\"] QLabel { color: rgb(200, 10, 10); }"
                                        "QPushButton[checked=\"false\"] QLabel { color: rgb(10, 200, 10); }"));
    auto* button = new ButtonWithCenteredLabels(&window);
    button->setCheckable(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* label = button->findChild<QWidget*>(labelName);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(10, 200, 10));

    button->setChecked(true);
    QCOMPARE(button->property("checked"), QVariant(true));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(200, 10, 10));
    button->setChecked(false);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(10, 200, 10));
}

QTEST_MAIN(tst_ButtonWithCenteredLabels)
#include "tst_buttonwithcenteredlabels.moc"
