// The main window as the user first sees it: controls, texts, lists, logo, About boxes, frame.
#include "app/displayscale.h"
#include "app/translations.h"
#include "app/widget.h"
#include "messageboxcatcher.h"
#include "serial/portlist.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

QStringList failedAutoConnections;

void recordAutoConnectionWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("connectSlotsByName")))
        failedAutoConnections << text;
}

// Notes the context of every text the program asks to translate, and translates nothing.
class ContextRecorder : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        seen.insert(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source));
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QSet<QString> seen;
};

struct FormChild
{
    const char *name;
    const char *className;
    bool inColumn;
    QRect geometry; // empty for the column's widgets, which the layout places
};

const FormChild formChildren[] = {
    {"textBrowser_dataLog", "QTextBrowser", false, {50, 30, 251, 361}},
    {"lineEdit_SendCommand", "QLineEdit", false, {50, 410, 251, 31}},
    {"label_dataLog", "QLabel", false, {50, 10, 71, 21}},
    {"label", "QLabel", false, {20, 220, 21, 171}},
    {"toolButton", "QToolButton", false, {380, 0, 16, 16}},
    {"toolButton_Qt", "QToolButton", false, {400, 0, 20, 16}},
    {"layoutWidget", "QWidget", false, {310, 14, 113, 431}},
    {"checkBox_Connect", "QCheckBox", true, {}},
    {"label_COM", "QLabel", true, {}},
    {"comboBox_SerialPort", "QComboBox", true, {}},
    {"label_baud", "QLabel", true, {}},
    {"comboBox_Baud", "QComboBox", true, {}},
    {"label_BitParity", "QLabel", true, {}},
    {"comboBox_BitParity", "QComboBox", true, {}},
    {"label_Stopbit", "QLabel", true, {}},
    {"comboBox_StopBit", "QComboBox", true, {}},
    {"label_HdShake", "QLabel", true, {}},
    {"comboBox_HdShake", "QComboBox", true, {}},
    {"pushButtonClear", "QPushButton", true, {}},
    {"checkBox_ToKeyboard", "QCheckBox", true, {}},
    {"label_2", "QLabel", true, {}},
    {"comboBox_ExportMode", "QComboBox", true, {}},
    {"pushButton_SendCommand", "QPushButton", true, {}},
};

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

public:
    // As the program does; and fonts at the display's DPI, which QTEST_MAIN sets to 96.
    static void initMain() { enableDisplayScaling(); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
        PortList::replaceForTests(QStringList());
        qInstallMessageHandler(recordAutoConnectionWarnings);
        window = std::make_unique<Widget>();
        qInstallMessageHandler(nullptr);
    }

    void everySlotIsConnectedByName() { QCOMPARE(failedAutoConnections, QStringList()); }

    void childWidgetsHaveTheirNamesClassesParentsAndPlaces()
    {
        QWidget *column = window->findChild<QWidget *>(QStringLiteral("layoutWidget"));
        QVERIFY(column);
        for (const FormChild &formChild : formChildren) {
            auto *child = window->findChild<QWidget *>(QLatin1String(formChild.name));
            QVERIFY2(child, formChild.name);
            QCOMPARE(child->metaObject()->className(), formChild.className);
            QCOMPARE(child->parentWidget(), formChild.inColumn ? column : window.get());
            if (!formChild.inColumn)
                QCOMPARE(child->geometry(), formChild.geometry);
        }
    }

    void columnIsOneVerticalLayoutInFormOrder()
    {
        auto *layout = window->findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 6);
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
        QStringList order;
        for (int i = 0; i < layout->count(); ++i)
            order << layout->itemAt(i)->widget()->objectName();
        QStringList expected;
        for (const FormChild &formChild : formChildren) {
            if (formChild.inColumn)
                expected << QLatin1String(formChild.name);
        }
        QCOMPARE(order, expected);
    }

    void freeStandingWidgetsAreStackedInRaiseOrder()
    {
        QStringList stacking;
        for (QObject *child : window->children()) {
            if (child->isWidgetType())
                stacking << child->objectName();
        }
        QCOMPARE(stacking,
                 QStringList({"layoutWidget", "textBrowser_dataLog", "lineEdit_SendCommand",
                              "label_dataLog", "label", "toolButton", "toolButton_Qt"}));
    }

    void smallFontOnLogCaptionAndButtonsOnly()
    {
        const QSet<QString> small{"label_dataLog", "pushButtonClear", "pushButton_SendCommand"};
        for (const FormChild &formChild : formChildren) {
            auto *child = window->findChild<QWidget *>(QLatin1String(formChild.name));
            const int expected =
                small.contains(QLatin1String(formChild.name)) ? 9 : QFont().pointSize();
            QCOMPARE(child->font().pointSize(), expected);
        }
    }

    void textsAndTitle()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillon"));
        QCOMPARE(window->size(), QSize(427, 457));
        const QList<QPair<QString, QString>> texts = {
            {"label_dataLog", "Data Log"},
            {"label", ""},
            {"toolButton", "?"},
            {"toolButton_Qt", "Qt"},
            {"checkBox_Connect", "Connect"},
            {"label_COM", "COM"},
            {"label_baud", "Baud Rate"},
            {"label_BitParity", "Bit Parity"},
            {"label_Stopbit", "Stop Bits"},
            {"label_HdShake", "HD.Shake"},
            {"pushButtonClear", "Clear screen"},
            {"checkBox_ToKeyboard", "To Keyboard"},
            {"label_2", "Export mode"},
            {"pushButton_SendCommand", "Send command"},
        };
        for (const auto &[name, text] : texts) {
            QObject *child = window->findChild<QObject *>(name);
            QCOMPARE(child->property("text").toString(), text);
        }
        QVERIFY(window->findChild<QLineEdit *>("lineEdit_SendCommand")->text().isEmpty());
        QVERIFY(window->findChild<QTextBrowser *>("textBrowser_dataLog")->toPlainText().isEmpty());
    }

    void listsHoldTheirEntriesWithTheFirstCurrent()
    {
        const QList<QPair<QString, QStringList>> lists = {
            {"comboBox_Baud",
             {"9600", "1200", "2400", "4800", "19200", "38400", "57600", "115200"}},
            {"comboBox_BitParity", {"8/NO", "7/NO", "7/MARK", "7/SPACE", "7/EVEN", "7/ODD"}},
            {"comboBox_StopBit", {"1", "2"}},
            {"comboBox_HdShake", {"XON/XOFF", "OFF", "RTS/CTS"}},
            {"comboBox_ExportMode", {"Fennick", "Standard"}},
        };
        for (const auto &[name, entries] : lists) {
            auto *box = window->findChild<QComboBox *>(name);
            QCOMPARE(itemsOf(box), entries);
            QCOMPARE(box->currentIndex(), 0);
        }
    }

    void startsInKeyboardModeWithoutPorts()
    {
        QCOMPARE(window->findChild<QComboBox *>("comboBox_SerialPort")->count(), 0);
        QVERIFY(!window->findChild<QCheckBox *>("checkBox_Connect")->isChecked());
        QVERIFY(window->findChild<QCheckBox *>("checkBox_Connect")->isEnabled());
        QVERIFY(window->findChild<QCheckBox *>("checkBox_ToKeyboard")->isChecked());
        QVERIFY(!window->findChild<QLineEdit *>("lineEdit_SendCommand")->isEnabled());
        QVERIFY(!window->findChild<QPushButton *>("pushButton_SendCommand")->isEnabled());
    }

    void noBoxAtStartWithoutPorts()
    {
        MessageBoxCatcher catcher;
        Widget another;
        QTest::qWait(50);
        QVERIFY(catcher.seen.isEmpty());
    }

    void slotTableInOrderWithParameterNames()
    {
        const QMetaObject *meta = window->metaObject();
        QCOMPARE(meta->className(), "Widget");
        const QStringList expected = {
            "readMyCom(QByteArray,int) bytes lossesFound",
            "readMyComAsKeyboard()",
            "on_pushButtonClear_clicked()",
            "on_pushButton_SendCommand_clicked()",
            "on_lineEdit_SendCommand_returnPressed()",
            "on_comboBox_Baud_currentIndexChanged(QString) arg1",
            "on_checkBox_Connect_clicked(bool) checked",
            "on_comboBox_BitParity_currentIndexChanged(QString) arg1",
            "on_comboBox_StopBit_currentIndexChanged(QString) arg1",
            "on_comboBox_HdShake_currentIndexChanged(QString) arg1",
            "on_comboBox_SerialPort_currentIndexChanged(int) index",
            "on_checkBox_ToKeyboard_clicked()",
            "on_toolButton_clicked()",
            "on_toolButton_Qt_clicked()",
            "on_comboBox_ExportMode_currentIndexChanged(QString) arg1",
        };
        QStringList table;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            QCOMPARE(method.methodType(), QMetaMethod::Slot);
            QCOMPARE(method.access(), QMetaMethod::Private);
            QString entry = QString::fromLatin1(method.methodSignature());
            for (const QByteArray &name : method.parameterNames())
                entry += QLatin1Char(' ') + QString::fromLatin1(name);
            table << entry;
        }
        QCOMPARE(table, expected);
    }

    void everyTextTranslatesInTheWidgetContext()
    {
        ContextRecorder recorder;
        QCoreApplication::installTranslator(&recorder);
        {
            Widget translated;
            MessageBoxCatcher catcher;
            translated.findChild<QToolButton *>("toolButton")->click();
            translated.findChild<QToolButton *>("toolButton_Qt")->click();
        }
        QCoreApplication::removeTranslator(&recorder);
        // Everything the program itself says, list entries included, asks in the "Widget" context
        // (the numbers, its name and Fennick are the same in every language).
        const QStringList ours = {"Data Log",    "?",
                                  "Qt",          "Connect",
                                  "COM",         "Baud Rate",
                                  "Bit Parity",  "8/NO",
                                  "7/ODD",       "Stop Bits",
                                  "HD.Shake",    "XON/XOFF",
                                  "RTS/CTS",     "Clear screen",
                                  "To Keyboard", "Export mode",
                                  "Standard",    "Send command",
                                  "About",       "V1.11 \nDeveloped by Brenvik",
                                  "About Qt",    "About Quillon"};
        for (const QString &text : ours) {
            QStringList contexts;
            for (const QString &entry : qAsConst(recorder.seen)) {
                if (entry.section(QLatin1Char('|'), 1) == text)
                    contexts << entry.section(QLatin1Char('|'), 0, 0);
            }
            QCOMPARE(contexts, QStringList({"Widget"}));
        }
    }

    void aboutBoxes()
    {
        MessageBoxCatcher catcher;
        window->findChild<QToolButton *>("toolButton")->click();
        window->findChild<QToolButton *>("toolButton_Qt")->click();
        QCOMPARE(catcher.seen.size(), 2);
        const MessageBoxCatcher::SeenBox about = catcher.seen[0];
        QCOMPARE(about.title, QStringLiteral("About"));
        QCOMPARE(about.text.split(QLatin1Char('\n')),
                 QStringList({"V1.11 ", "Developed by Brenvik"}));
        QCOMPARE(about.icon, QMessageBox::Information);
        QCOMPARE(about.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(catcher.seen[1].title, QStringLiteral("About Qt"));
        QVERIFY(catcher.seen[1].text.contains(QLatin1String("Qt")));
    }

    // From the first control, which has the focus when the window comes up, Tab goes round them
    // as they stand: the left column, then the right one, each from the top. A screen reader
    // names each, by its label or by what it does.
    void tabGoesRoundTheControlsInScreenOrderAndEachHasAName()
    {
        Widget shown;
        shown.findChild<QCheckBox *>("checkBox_ToKeyboard")->click(); // enables the command line
        shown.show();
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        QStringList names;
        for (int control = 0; control <= 14; ++control) {
            auto *focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            QVERIFY(!focused->text(QAccessible::Name).isEmpty());
            // A list's name is its entry on Linux, where its label comes as a relation.
            const auto labels = focused->relations(QAccessible::Label);
            names << (labels.isEmpty() ? focused : labels.first().first)->text(QAccessible::Name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(names, QStringList({"Data Log", "Command line", "About Quillon", "About Qt",
                                     "Connect", "COM", "Baud Rate", "Bit Parity", "Stop Bits",
                                     "HD.Shake", "Clear screen", "To Keyboard", "Export mode",
                                     "Send command", "Data Log"}));
    }

    void logoIsEmbeddedUncompressedAndDrawnUnscaledLeftAndCentred()
    {
        const QString path = QStringLiteral(":/res/brenvik_wortmarke_vertical.png");
        QResource resource(path);
        QVERIFY(resource.isValid());
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        const QImage logo(path);
        QCOMPARE(logo.size(), QSize(18, 160));
        QVERIFY(logo.hasAlphaChannel());

        auto *label = window->findChild<QLabel *>("label");
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(18, 160));
        const QImage shown = label->grab().toImage();
        const int top = (171 - 160) / 2;
        int inkPixels = 0;
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                const QColor pixel = logo.pixelColor(x, y);
                if (pixel.alpha() != 255)
                    continue;
                ++inkPixels;
                QCOMPARE(shown.pixelColor(x, y + top).rgb(), pixel.rgb());
            }
        }
        QVERIFY(inkPixels > 50);
    }

    void fixedSizeDialogFrame()
    {
        Widget shown;
        shown.showAsFixedSizeDialog();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QCOMPARE(shown.windowType(), Qt::Window);
        QVERIFY(shown.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(!shown.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QCOMPARE(shown.minimumSize(), QSize(427, 457));
        QCOMPARE(shown.maximumSize(), QSize(427, 457));
        shown.resize(600, 600);
        QCOMPARE(shown.size(), QSize(427, 457));
    }

    void windowIconHasEverySize()
    {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        for (int edge : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(edge, edge)), qPrintable(QString::number(edge)));
    }

    // Run on X11 at a display scale (tests/CMakeLists.txt), in English and every translation: the
    // window covers the display's share of its pixels, and no text needs more room than its
    // widget has.
    void textsFitTheirWidgetsAtTheDisplaysScale()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the offscreen platform's default font is no desktop's");
        QVERIFY(translatedLanguages().size() >= 7);
        QStringList english;
        for (const QString &language : QStringList{"en"} + translatedLanguages()) {
            useLanguage(QLocale(language));
            Widget shown;
            shown.showAsFixedSizeDialog();
            QVERIFY(QTest::qWaitForWindowExposed(&shown));
            const qreal ratio = shown.devicePixelRatioF();
            const qreal scale = shown.screen()->logicalDotsPerInch() / 96 * ratio;
            QCOMPARE(shown.size() * ratio, QSize(427, 457) * scale);
            QStringList texts;
            for (QWidget *child : shown.findChildren<QWidget *>()) {
                QSize needed = child->sizeHint(); // a tool button's has room around its text
                if (qobject_cast<QToolButton *>(child))
                    needed = child->fontMetrics().size(0, child->property("text").toString());
                else if (!qobject_cast<QLabel *>(child) &&
                         !qobject_cast<QAbstractButton *>(child) &&
                         !qobject_cast<QComboBox *>(child))
                    continue;
                texts << child->property("text").toString();
                QVERIFY2(needed.boundedTo(child->size()) == needed,
                         qPrintable(language + ": " + child->objectName()));
            }
            if (language == QLatin1String("en"))
                english = texts;
            QVERIFY2(texts != english || language == QLatin1String("en"), qPrintable(language));
        }
        useLanguage(QLocale(QLocale::English));
    }

    void cleanupTestCase() { window.reset(); }

private:
    std::unique_ptr<Widget> window;
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
