#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"

namespace {

// One row of every kind, over parameters with plausible values.
class DemoForm : public BaseForm
{
    Q_OBJECT
public:
    DemoForm() : BaseForm(nullptr, true) { setObjectName(QStringLiteral("DemoForm")); }
    void createForm() override
    {
        setTitle(QStringLiteral("Демонстрация строк"));
        addButton(QStringLiteral("Открыть страницу"));
        PairList icons;
        icons.append(0, QStringLiteral(":/images/off_protection"));
        icons.append(1, QStringLiteral(":/images/block_protection"));
        icons.append(2, QStringLiteral(":/images/restart_protection"));
        icons.append(3, QStringLiteral(":/images/on_protection"));
        addStatusButton(400, QStringLiteral("Защита от перегруза"), icons);
        addButton(QStringLiteral("Сбросить счётчики"), SLOT(slotCommand()));
        addEdit(QStringLiteral("Уставка тока"), 401);
        PairList times;
        times.append(1000, QStringLiteral("1000 мс"));
        times.append(2000, QStringLiteral("2000 мс"));
        addComboBox(QStringLiteral("Задержка"), 402, times);
        PairList modes;
        modes.append(0, QStringLiteral("Ручной"));
        modes.append(1, QStringLiteral("Автомат"));
        addComboBox(QStringLiteral("Режим мастера"), modes, 1);
        addStatusNum(QStringLiteral("Частота"), 403, false);
        addStatusNum(QStringLiteral("Слово состояния"), 404, true);
        PairList states;
        states.append(0, QStringLiteral("Стоп"));
        states.append(1, QStringLiteral("Работа"));
        addStatusText(405, states);
        addStringEdit(406, 407);
        QString when = QStringLiteral("07.12.2026 04:50:12");
        QString what = QStringLiteral("Пуск оператором с панели");
        addWidget(new EventItem(when, what));
    }
    void returnBackForm() override {}

public slots:
    void slotCommand() {}
};

class EmptyForm : public BaseForm
{
    Q_OBJECT
public:
    EmptyForm() : BaseForm(nullptr, true) {}
    void createForm() override { setTitle(QStringLiteral("Страница")); }
    void returnBackForm() override {}
};

} // namespace

// Shows the demonstration screen; with RVK_SCREENSHOT set the window is saved there as PNG.
class TestScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void demoScreenHasEveryRowKind()
    {
        UiFixture ui;
        ui.addParameter(400, 3.0f);
        ui.addParameter(401, 52.5f, 0.0f, 200.0f).mask = QStringLiteral("000.0");
        ui.addParameter(402, 1800.0f, 0.0f, 5000.0f);
        ui.addParameter(403, 48.25f).mask = QStringLiteral("00.00");
        ui.addParameter(404, 0.0f).value.u = 5;
        ui.addParameter(405, 1.0f);
        ui.addParameter(406, 0.0f).value.u = 0x54534F48u;  // "HOST"
        ui.addParameter(407, 0.0f).value.u = 0x00003130u;  // "01"
        ui.params()->slotParamUpdated(404, 5, 0);
        ui.params()->slotParamUpdated(406, 0x54534F48u, 0);
        ui.params()->slotParamUpdated(407, 0x00003130u, 0);
        ui.window()->addForm(QList<BaseForm*>{new DemoForm, new EmptyForm}, 0, -1);
        BaseForm* form = ui.window()->currentForm();
        QTest::keyClick(form, Qt::Key_Down);
        QTest::keyClick(form, Qt::Key_Down);
        QTest::keyClick(form, Qt::Key_Down);
        ui.settle(100);

        QStringList kinds;
        for (const RowInfo& row : UiInspect::rows(form))
            kinds.append(row.kind);
        QCOMPARE(kinds, (QStringList{"button", "statusButton", "button", "edit", "combo", "combo2", "status", "bits",
                                     "statusText", "string", "event"}));
        QCOMPARE(UiInspect::row(form, 4).texts,
                 (QStringList{QStringLiteral("1000 мс"), QStringLiteral("2000 мс"), QStringLiteral("1800 мс")}));
        QCOMPARE(UiInspect::row(form, 3).id, 401);
        QVERIFY(UiInspect::row(form, 0).childButton);
        QVERIFY(!UiInspect::row(form, 2).childButton);

        const QImage shot = ui.window()->grab().toImage();
        QCOMPARE(shot.size(), QSize(640, 480));
        const QString path = qEnvironmentVariable("RVK_SCREENSHOT");
        if (!path.isEmpty())
            QVERIFY(shot.save(path, "PNG"));
    }
};

RVK_TEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
