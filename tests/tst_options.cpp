// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog, the clearing of saved data and the first-run setup.

#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "options/ui/optionsdialog.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/password.h"
#include "users/scorebook.h"
#include "users/ui/adminpassword.h"
#include "users/ui/firstrundialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The face an empty store should preselect: "Arial", or what stands for it here.
QString expectedDefaultFace()
{
    if (QFontDatabase::families().contains(QStringLiteral("Arial")))
        return QStringLiteral("Arial");
    return QFontInfo(QFont(QStringLiteral("Arial"))).family();
}

// Runs the options dialog; `drive` sets its controls and says whether OK is pressed.
void runOptions(ScriptedPrompts &prompts, const std::function<bool(OptionsDialog &)> &drive)
{
    prompts.onExec = [&](QDialog &dialog) {
        auto *options = qobject_cast<OptionsDialog *>(&dialog);
        return options && drive(*options);
    };
    OptionsDialog dialog(nullptr);
    prompts.onExec = nullptr;
}

void select(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

void fillEveryGroup()
{
    TestSupport::store(Keys::currency, QStringLiteral("yen"));
    TestSupport::store(Keys::measures, QStringLiteral("imperial"));
    TestSupport::store(Keys::fontSize, QStringLiteral("14"));
    TestSupport::store(Keys::theme, QStringLiteral("Fire"));
    TestSupport::store(Keys::width, 640);
    TestSupport::store(Keys::soundSet, QStringLiteral("Music"));
    TestSupport::store(Keys::toolbar, 2);
    TestSupport::store(Keys::mainWindowState, QByteArray("state"));
    Password::store(QStringLiteral("secret"));
    Accounts::signIn(QStringLiteral("Ann"));
    TestSupport::appendRecord({QStringLiteral("Ann"), QStringLiteral("Addition"), QStringLiteral("1"), QStringLiteral("0"),
                       QStringLiteral("38")});
    QCOMPARE(ScoreBook::records().size(), 1); // now in the book's memory too
}

QComboBox *firstRunCurrency(QDialog &dialog) { return dialog.findChild<QComboBox *>(QStringLiteral("currency")); }
QLineEdit *firstRunPassword(QDialog &dialog) { return dialog.findChild<QLineEdit *>(QStringLiteral("password")); }

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void emptyStorePresetsFallbacksAndOkWritesThem();
    void storedPreferencesArePresetAndChangesWritten();
    void unofferedStoredValuesFallBack();
    void cancelWritesNothing();
    void passwordChange_data();
    void passwordChange();
    void clearingScoresKeepsPreferences();
    void clearingAllDataBringsTheFirstRunBack();
    void clearingAllDataSurvivesClosingTheProgram_data();
    void clearingAllDataSurvivesClosingTheProgram();
    void firstRun_data();
    void firstRun();
    void dismissedFirstRunIsNotOfferedAgain();
    void optionsCommandAppliesTheToolbarStyle_data();
    void optionsCommandAppliesTheToolbarStyle();
    void refusedPasswordOpensNoOptions();
};

void TestOptions::emptyStorePresetsFallbacksAndOkWritesThem()
{
    ScriptedPrompts prompts;
    runOptions(prompts, [](OptionsDialog &dialog) {
        [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.currencyList()->currentText(), QStringLiteral("rupees"));
            QVERIFY(dialog.metricButton()->isChecked());
            QVERIFY(!expectedDefaultFace().isEmpty());
            QCOMPARE(dialog.fontFaceList()->currentText(), expectedDefaultFace());
            QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("comboSize")), dialog.fontSizeList());
            QCOMPARE(dialog.fontSizeList()->currentText(), QStringLiteral("11"));
            QVERIFY(dialog.enableButton()->isChecked());
            QCOMPARE(dialog.toolbarButtons()->checkedId(), 0);
            QCOMPARE(dialog.toolbarButtons()->checkedButton()->text(), QStringLiteral("&Small icons only"));
            QCOMPARE(dialog.oldPasswordField()->echoMode(), QLineEdit::Normal);
            QVERIFY(dialog.oldPasswordField()->text().isEmpty());
        }();
        return true;
    });
    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("rupees"));
    QCOMPARE(Store::value(Keys::measures).toString(), QStringLiteral("metric"));
    QCOMPARE(Store::value(Keys::fontFace).toString(), expectedDefaultFace());
    QCOMPARE(Store::value(Keys::fontSize).toString(), QStringLiteral("11"));
    QCOMPARE(Store::value(Keys::wrongAnswerDialog).toBool(), true);
    QCOMPARE(Store::value(Keys::toolbar).toInt(), 0);
    QVERIFY(!store.contains(Keys::password));
    QCOMPARE(prompts.asked.size(), 1); // the dialog, and no message
}

void TestOptions::storedPreferencesArePresetAndChangesWritten()
{
    const QString face = QFontDatabase::families().constLast();
    TestSupport::store(Keys::currency, QStringLiteral("yen"));
    TestSupport::store(Keys::measures, QStringLiteral("imperial"));
    TestSupport::store(Keys::fontFace, face);
    TestSupport::store(Keys::fontSize, QStringLiteral("14"));
    TestSupport::store(Keys::wrongAnswerDialog, false);
    TestSupport::store(Keys::toolbar, 3);

    ScriptedPrompts prompts;
    runOptions(prompts, [&](OptionsDialog &dialog) {
        [&] {
            QCOMPARE(dialog.currencyList()->currentText(), QStringLiteral("yen"));
            QVERIFY(dialog.imperialButton()->isChecked());
            QCOMPARE(dialog.fontFaceList()->currentText(), face);
            QCOMPARE(dialog.fontSizeList()->currentText(), QStringLiteral("14"));
            QVERIFY(dialog.disableButton()->isChecked());
            QCOMPARE(dialog.toolbarButtons()->checkedId(), 3);

            select(dialog.currencyList(), QStringLiteral("runds"));
            dialog.metricButton()->setChecked(true);
            select(dialog.fontSizeList(), QStringLiteral("9"));
            dialog.enableButton()->setChecked(true);
            dialog.toolbarButtons()->button(1)->setChecked(true);
        }();
        return true;
    });
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("runds"));
    QCOMPARE(Store::value(Keys::measures).toString(), QStringLiteral("metric"));
    QCOMPARE(Store::value(Keys::fontFace).toString(), face);
    // The exercise window reads the size without the leading "/".
    QCOMPARE(Store::value(QStringLiteral("exercise/fontsize")).toString(), QStringLiteral("9"));
    QCOMPARE(Store::value(Keys::wrongAnswerDialog).toBool(), true);
    QCOMPARE(Store::value(Keys::toolbar).toInt(), 1);
}

void TestOptions::unofferedStoredValuesFallBack()
{
    TestSupport::store(Keys::currency, QStringLiteral("Dollars"));
    TestSupport::store(Keys::measures, QStringLiteral("Metric"));
    TestSupport::store(Keys::fontFace, QStringLiteral("No Such Family"));
    TestSupport::store(Keys::fontSize, QStringLiteral("13"));
    TestSupport::store(Keys::toolbar, 5);

    ScriptedPrompts prompts;
    runOptions(prompts, [](OptionsDialog &dialog) {
        [&] {
            QCOMPARE(dialog.currencyList()->currentText(), QStringLiteral("rupees"));
            QVERIFY(dialog.imperialButton()->isChecked());
            QCOMPARE(dialog.fontFaceList()->currentText(), expectedDefaultFace());
            QCOMPARE(dialog.fontSizeList()->currentText(), QStringLiteral("11"));
            QCOMPARE(dialog.toolbarButtons()->checkedId(), -1);
        }();
        return true;
    });
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("rupees"));
    QCOMPARE(Store::value(Keys::measures).toString(), QStringLiteral("imperial"));
    QCOMPARE(Store::value(Keys::fontFace).toString(), expectedDefaultFace());
    QCOMPARE(Store::value(Keys::fontSize).toString(), QStringLiteral("11"));
    QCOMPARE(Store::value(Keys::toolbar).toInt(), 5);
}

void TestOptions::cancelWritesNothing()
{
    ScriptedPrompts prompts;
    runOptions(prompts, [](OptionsDialog &dialog) {
        select(dialog.currencyList(), QStringLiteral("euros"));
        dialog.toolbarButtons()->button(2)->setChecked(true);
        dialog.oldPasswordField()->setText(QStringLiteral("tindrel"));
        dialog.newPasswordField()->setText(QStringLiteral("changed"));
        return false;
    });
    QVERIFY(TestSupport::storedKeys().isEmpty());
    QVERIFY(Password::check(QStringLiteral("tindrel")));
}

void TestOptions::passwordChange_data()
{
    QTest::addColumn<QString>("stored"); // "-" for none, "clear:" for a clear-text value, else hashed
    QTest::addColumn<QString>("oldField");
    QTest::addColumn<QString>("newField");
    QTest::addColumn<QString>("password"); // the password afterwards
    QTest::addColumn<bool>("message");

    QTest::newRow("old field empty") << u"-"_s << u""_s << u"new"_s << u"tindrel"_s << false;
    QTest::newRow("right old, new") << u"-"_s << u"tindrel"_s << u"new"_s << u"new"_s << false;
    QTest::newRow("right old, new empty") << u"-"_s << u"tindrel"_s << u""_s << u"tindrel"_s << false;
    QTest::newRow("wrong old") << u"-"_s << u"tindrl"_s << u"new"_s << u"tindrel"_s << true;
    QTest::newRow("wrong old, new empty") << u"-"_s << u"guess"_s << u""_s << u"tindrel"_s << true;
    QTest::newRow("hashed stored") << u"secret"_s << u"secret"_s << u"new"_s << u"new"_s << false;
    QTest::newRow("fallback no longer applies") << u"secret"_s << u"tindrel"_s << u"new"_s << u"secret"_s << true;
    QTest::newRow("clear-text stored") << u"clear:plain"_s << u"plain"_s << u"new"_s << u"new"_s << false;
    QTest::newRow("empty stored, old field empty") << u""_s << u""_s << u"new"_s << u"new"_s << false;
}

void TestOptions::passwordChange()
{
    QFETCH(QString, stored);
    QFETCH(QString, oldField);
    QFETCH(QString, newField);
    QFETCH(QString, password);
    QFETCH(bool, message);

    if (stored.startsWith(QLatin1String("clear:")))
        TestSupport::store(Keys::password, stored.mid(6));
    else if (stored != QLatin1String("-"))
        Password::store(stored);

    ScriptedPrompts prompts;
    runOptions(prompts, [&](OptionsDialog &dialog) {
        select(dialog.currencyList(), QStringLiteral("pesos"));
        dialog.oldPasswordField()->setText(oldField);
        dialog.newPasswordField()->setText(newField);
        return true;
    });

    QCOMPARE(prompts.count(QStringLiteral("Incorrect Password!")), message ? 1 : 0);
    if (message) {
        QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Critical);
        QCOMPARE(prompts.asked.last().text, QStringLiteral("The old administrator password you entered is "
                                                           "incorrect.\nThe password has not been changed."));
    }
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("pesos")); // saved all the same

    QVERIFY(Password::check(password));
    if (password == newField) {
        QVERIFY(!Password::check(oldField));
        QVERIFY(Password::isHashed(Store::value(Keys::password).toString()));
    }
    // The next administrator check asks for exactly that password.
    AdminPassword prompt(nullptr);
    prompts.texts = {password};
    QVERIFY(prompt.checkPassword());
}

void TestOptions::clearingScoresKeepsPreferences()
{
    fillEveryGroup();
    const QStringList before = TestSupport::storedKeys();

    ScriptedPrompts prompts;
    runOptions(prompts, [](OptionsDialog &dialog) {
        [&] {
            QVERIFY(!dialog.clearScoresButton()->accessibleName().isEmpty());
            dialog.clearScoresButton()->click();
            QVERIFY(!dialog.clearScoresButton()->isEnabled());
            QVERIFY(dialog.clearDataButton()->isEnabled());
            QCOMPARE(ScoreBook::records().size(), 0); // at once, before the dialog closes
        }();
        return false;
    });
    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    QVERIFY(ScoreBook::records().isEmpty());
    QVERIFY(!store.childGroups().contains(Keys::scoresGroup));
    QVERIFY(!store.childGroups().contains(Keys::accountsGroup));
    for (const QString &key : before) {
        if (!key.startsWith(QLatin1String("scores/")) && !key.startsWith(QLatin1String("accounts/")))
            QVERIFY2(store.contains(key), qPrintable(key));
    }
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("yen"));
    QVERIFY(Password::check(QStringLiteral("secret")));
}

void TestOptions::clearingAllDataBringsTheFirstRunBack()
{
    fillEveryGroup();
    ScriptedPrompts prompts;
    runOptions(prompts, [](OptionsDialog &dialog) {
        dialog.clearDataButton()->click();
        [&] { QVERIFY(!dialog.clearDataButton()->isEnabled()); }();
        return false;
    });
    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    QStringList left = store.allKeys();
    left.sort();
    QCOMPARE(left, QStringList({QStringLiteral("mainwindow"), QStringLiteral("password"),
                                QStringLiteral("sounds/sound"), QStringLiteral("view/toolbar")}));
    QVERIFY(ScoreBook::records().isEmpty());
    QVERIFY(Password::check(QStringLiteral("secret")));

    prompts.asked.clear();
    prompts.onExec = [](QDialog &dialog) {
        [&] {
            QCOMPARE(firstRunCurrency(dialog)->currentText(), QStringLiteral("rupees"));
            // Asked in front of the whole window, its workspace's picture drawn.
            QVERIFY(!dialog.parentWidget()->findChild<QMdiArea *>()->background().texture().isNull());
        }();
        return true;
    };
    ApplicationWindow window;
    QCOMPARE(prompts.count(QStringLiteral("First Run")), 1);
    // The setup is done once accepted, before any exit, and the password stayed.
    QVERIFY(Store::contains(Keys::width));
    QVERIFY(Password::check(QStringLiteral("secret")));
}

void TestOptions::clearingAllDataSurvivesClosingTheProgram_data()
{
    QTest::addColumn<bool>("endedWhileOpen"); // the session ends with the options still open
    QTest::newRow("closed afterwards") << false;
    QTest::newRow("the session ends meanwhile") << true;
}

void TestOptions::clearingAllDataSurvivesClosingTheProgram()
{
    QFETCH(bool, endedWhileOpen);
    TestSupport::store(Keys::width, 700);
    ScriptedPrompts prompts;
    prompts.texts = {QStringLiteral("tindrel")};
    ApplicationWindow *shown = nullptr;
    prompts.onExec = [&](QDialog &dialog) {
        if (auto *options = qobject_cast<OptionsDialog *>(&dialog)) {
            options->clearDataButton()->click();
            if (endedWhileOpen)
                shown->endSession();
        }
        return false;
    };
    {
        ApplicationWindow window;
        shown = &window;
        window.toolsOptions();
        QVERIFY(window.close() || endedWhileOpen);
    }
    QVERIFY(!Store::contains(Keys::width));
    prompts.asked.clear();
    Prompts::install(&prompts); // an ended session answers nothing more
    ApplicationWindow again;
    QCOMPARE(prompts.count(QStringLiteral("First Run")), 1);
}

void TestOptions::firstRun_data()
{
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("alreadySet"); // a password stored before; empty when none is
    QTest::addColumn<QString>("desktop"); // the locale
    QTest::addColumn<QString>("preselected");
    // To "No Administrator Password": empty when not asked; after "No" the
    // dialog comes back and "late" is typed.
    QTest::addColumn<QString>("withoutPassword");

    QTest::newRow("done without changes, an empty password")
        << true << u""_s << true << u""_s << QString() << u"C"_s << u"rupees"_s << u"yes"_s;
    QTest::newRow("empty password, no, then typed")
        << true << u""_s << true << u""_s << QString() << u"sv_SE"_s << u"rupees"_s << u"no"_s;
    QTest::newRow("done with choices") << true << u"francs"_s << false << u"owl"_s << QString() << u"en_US"_s
                                       << u"dollars"_s << QString();
    QTest::newRow("closed") << false << u"francs"_s << false << u"owl"_s << QString() << u"fr_FR"_s << u"euros"_s
                            << QString();
    // After all data were cleared, or a first start cut short: whoever comes
    // next may not replace the password.
    QTest::newRow("password already set") << true << u"yen"_s << true << u"owl"_s << u"secret"_s << u"en_IN"_s
                                          << u"rupees"_s << QString();
    QTest::newRow("empty password already set") << true << u"yen"_s << true << u"owl"_s << u""_s << u"ja_JP"_s
                                                << u"yen"_s << QString();
}

void TestOptions::firstRun()
{
    QFETCH(bool, done);
    QFETCH(QString, currency);
    QFETCH(bool, metric);
    QFETCH(QString, password);
    QFETCH(QString, alreadySet);
    QFETCH(QString, desktop);
    QFETCH(QString, preselected);
    QFETCH(QString, withoutPassword);
    QLocale::setDefault(QLocale(desktop));
    const auto systemLocale = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    if (!alreadySet.isNull())
        QVERIFY(Password::store(alreadySet));

    ScriptedPrompts prompts;
    if (withoutPassword == u"no"_s)
        prompts.buttons = {QMessageBox::No};
    int shown = 0;
    prompts.onExec = [&](QDialog &dialog) {
        if (shown++ > 0) { // back after "No"
            firstRunPassword(dialog)->setText(u"late"_s);
            return true;
        }
        [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("First Run"));
            QCOMPARE(firstRunPassword(dialog)->isVisibleTo(&dialog), alreadySet.isNull());
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("passwordKept")) != nullptr, !alreadySet.isNull());
            QVERIFY(dialog.isModal());
            QCOMPARE(firstRunCurrency(dialog)->currentData().toString(), preselected);
            QCOMPARE(firstRunCurrency(dialog)->count(), 11);
            QVERIFY(dialog.findChild<QRadioButton *>(QStringLiteral("metric"))->isChecked());
            QCOMPARE(firstRunPassword(dialog)->echoMode(), QLineEdit::Normal);
            QVERIFY(firstRunPassword(dialog)->text().isEmpty());
            QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("done"))->isDefault());
            QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("close"))->isEnabled());

            if (!currency.isEmpty())
                select(firstRunCurrency(dialog), currency);
            dialog.findChild<QRadioButton *>(QStringLiteral("imperial"))->setChecked(!metric);
            firstRunPassword(dialog)->setText(password);
        }();
        return done;
    };
    QCOMPARE(FirstRun::run(nullptr), done);
    QCOMPARE(prompts.count(u"No Administrator Password"_s), withoutPassword.isEmpty() ? 0 : 1);
    for (const ScriptedPrompts::Asked &asked : std::as_const(prompts.asked)) {
        if (asked.title == u"No Administrator Password"_s) { // Enter alone never goes on without one
            const auto box = Prompts::messageBox(nullptr, asked.kind, asked.title, asked.text, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::No);
        }
    }
    if (withoutPassword == u"no"_s)
        password = u"late"_s;

    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    if (!done) {
        QVERIFY(store.allKeys().isEmpty());
        QVERIFY(Password::check(QStringLiteral("tindrel")));
        return;
    }
    QCOMPARE(Store::value(Keys::currency).toString(), currency.isEmpty() ? preselected : currency);
    QCOMPARE(Store::value(Keys::measures).toString(), metric ? QStringLiteral("metric") : QStringLiteral("imperial"));
    QVERIFY(Password::isHashed(store.value(Keys::password).toString()));
    QVERIFY(Password::check(alreadySet.isNull() ? password : alreadySet));
    QVERIFY(alreadySet.isNull() || !Password::check(password));
    QVERIFY(!Password::check(QStringLiteral("tindrel")));
    QCOMPARE(store.allKeys().size(), 3);
}

void TestOptions::dismissedFirstRunIsNotOfferedAgain()
{
    ScriptedPrompts prompts;
    {
        ApplicationWindow window;
        QCOMPARE(prompts.count(QStringLiteral("First Run")), 1);
        QVERIFY(!Store::contains(Keys::currency));
        QVERIFY(!Store::contains(Keys::password));
        QVERIFY(window.close());
    }
    ApplicationWindow again;
    QCOMPARE(prompts.count(QStringLiteral("First Run")), 1);
}

void TestOptions::optionsCommandAppliesTheToolbarStyle_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Qt::ToolButtonStyle>("style");
    QTest::newRow("accepted") << true << Qt::ToolButtonTextBesideIcon;
    QTest::newRow("cancelled") << false << Qt::ToolButtonIconOnly;
}

void TestOptions::optionsCommandAppliesTheToolbarStyle()
{
    QFETCH(bool, accepted);
    QFETCH(Qt::ToolButtonStyle, style);
    TestSupport::store(Keys::width, 700); // no first run
    ScriptedPrompts prompts;
    ApplicationWindow window;
    // The question font reaches an exercise already open, as the style does the toolbar.
    window.command(QStringLiteral("Addition..."))->trigger();
    QLabel *question = nullptr;
    for (QLabel *label : window.workspace()->findChildren<QLabel *>()) {
        if (label->accessibleName() == QStringLiteral("Question"))
            question = label;
    }
    QVERIFY(question);
    const qreal fontSize = question->font().pointSizeF();
    prompts.texts = {QStringLiteral("tindrel")};
    prompts.onExec = [&](QDialog &dialog) {
        auto &options = static_cast<OptionsDialog &>(dialog);
        options.fontSizeList()->setCurrentIndex(options.fontSizeList()->count() - 1);
        options.toolbarButtons()->button(Qt::ToolButtonTextBesideIcon)->setChecked(true);
        window.setToolButtonStyle(Qt::ToolButtonTextOnly); // whatever it is now, the stored style follows
        return accepted;
    };
    window.command(QStringLiteral("Options..."))->trigger();
    QCOMPARE(prompts.count(QStringLiteral("Options")), 1);
    QCOMPARE(window.toolButtonStyle(), style);
    QCOMPARE(window.newButton()->toolButtonStyle(), style);
    QCOMPARE(question->font().pointSizeF() > fontSize, accepted);
}

void TestOptions::refusedPasswordOpensNoOptions()
{
    TestSupport::store(Keys::width, 700);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.texts = {QStringLiteral("wrong"), std::nullopt};
    window.toolsOptions();
    window.toolsOptions();
    QCOMPARE(prompts.count(QStringLiteral("Options")), 0);
    QCOMPARE(prompts.count(QStringLiteral("Incorrect Password!")), 1);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
