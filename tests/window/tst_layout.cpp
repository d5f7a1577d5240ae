// Every control of the main window: place, caption, starting state, hint, font,
// and the window's frame, tab order and first focus.
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using marulo::RadioGroup;
using marulo::TForm1;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void frame();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void startStates_data();
    void startStates();
    void hints_data();
    void hints();
    void fonts_data();
    void fonts();
    void windowFontEverywhereElse_data();
    void windowFontEverywhereElse();
    void modeGroupFillsColumnsTopToBottom();
    void modeGroupSignalsOnlyRealChanges();
    void initialFocusOnSelectedMode();
    void tabOrderSkipsDisabledHiddenAndUncheckedItems();
    void focusChainHoldsEveryFocusableControlInOrder();
};

namespace {

QString nameOf(QWidget* widget)
{
    if (!widget)
        return QStringLiteral("<none>");
    // The radio items of the mode group answer to the group's name.
    if (qobject_cast<RadioGroup*>(widget->parentWidget()))
        return widget->parentWidget()->objectName();
    if (qobject_cast<QLineEdit*>(widget) && qobject_cast<QComboBox*>(widget->parentWidget()))
        return widget->parentWidget()->objectName();
    return widget->objectName();
}

} // namespace

void WindowLayoutTest::frame()
{
    TForm1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    const QString caption = form.windowTitle();
    QCOMPARE(caption, QString::fromUtf8(" Marulo Encoder\xE3\x80\x80Ver 1.3a"));
    QCOMPARE(caption.at(0), QLatin1Char(' '));
    QCOMPARE(caption.at(15).unicode(), ushort(0x3000));
    QCOMPARE(form.size(), QSize(438, 340));
    QCOMPARE(form.minimumSize(), QSize(438, 340));
    QCOMPARE(form.maximumSize(), QSize(438, 340));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);

    auto* bar = form.findChild<QStatusBar*>(QStringLiteral("SB1"));
    QVERIFY(bar);
    QVERIFY(!bar->isSizeGripEnabled());
    QCOMPARE(bar->parentWidget(), &form);
    QCOMPARE(form.statusText(), QString::fromUtf8(" lame.exe を用いたエンコードです。上限は\"320\"までです。"));
    form.setStatusText(QStringLiteral(" x"));
    QCOMPARE(bar->currentMessage(), QStringLiteral(" x"));
}

void WindowLayoutTest::geometry_data()
{
    // clang-format off
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    const struct {
        const char* name;
        const char* parent;
        int x, y, w, h;
    } rows[] = {
        {"P1", "Form1", 0, 0, 438, 321},     {"RG1", "P1", 8, 6, 130, 83},       {"GB1", "P1", 8, 94, 130, 82},
        {"RB1", "GB1", 8, 13, 65, 17},       {"RB2", "GB1", 8, 29, 65, 17},      {"RB3", "GB1", 8, 45, 89, 17},
        {"RB4", "GB1", 8, 61, 89, 17},       {"CB0", "P1", 155, 8, 102, 17},     {"CB6", "P1", 155, 36, 107, 17},
        {"CB2", "P1", 155, 64, 46, 17},      {"CB3", "P1", 211, 64, 46, 17},     {"CB1", "P1", 155, 84, 86, 17},
        {"CB8", "P1", 155, 104, 96, 17},     {"CB5", "P1", 155, 123, 105, 17},   {"CB9", "P1", 155, 142, 89, 17},
        {"CB4", "P1", 283, 17, 73, 17},      {"UD1", "P1", 413, 9, 15, 24},      {"E1", "P1", 379, 9, 34, 24},
        {"UD2", "P1", 413, 35, 15, 24},      {"E2", "P1", 396, 35, 17, 24},      {"UD3", "P1", 380, 61, 15, 24},
        {"E3", "P1", 363, 61, 17, 24},       {"UD4", "P1", 413, 61, 15, 24},     {"E4", "P1", 396, 61, 17, 24},
        {"ComB6", "P1", 376, 62, 54, 23},    {"ComB1", "P1", 380, 87, 50, 23},   {"ComB2", "P1", 380, 112, 50, 23},
        {"ComB3", "P1", 380, 137, 50, 23},   {"ComB4", "P1", 336, 62, 94, 23},   {"DCB1", "P1", 8, 190, 130, 18},
        {"DLB1", "P1", 8, 214, 130, 100},    {"FLB1", "P1", 143, 190, 198, 124}, {"B1", "P1", 347, 189, 84, 38},
        {"B2", "P1", 347, 229, 84, 38},      {"B3", "P1", 347, 278, 84, 36},     {"L1", "P1", 8, 176, 423, 9},
        {"L2", "P1", 347, 267, 84, 9},       {"L3", "P1", 155, 24, 110, 7},      {"L4", "P1", 155, 52, 110, 7},
        {"L5", "P1", 144, 6, 2, 171},        {"L6", "P1", 272, 6, 2, 171},       {"LT5", "P1", 283, 46, 66, 12},
        {"LT4", "P1", 283, 72, 68, 12},      {"LT1", "P1", 283, 97, 35, 12},     {"LT2", "P1", 283, 122, 68, 12},
        {"LT3", "P1", 283, 147, 65, 12},     {"SB1", "Form1", 0, 321, 438, 19},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.parent) << QRect(row.x, row.y, row.w, row.h);
    // clang-format on
}

void WindowLayoutTest::geometry()
{
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    TForm1 form;
    auto* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), rect);
}

void WindowLayoutTest::captions_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    const char* rows[][2] = {
        {"RG1", " Encode Mode "}, {"GB1", " Channel Mode "},   {"RB1", "Mono"},          {"RB2", "Stereo"},
        {"RB3", "Dual Channel"},  {"RB4", "Joint Stereo"},     {"CB0", "MPx -> WAV"},    {"CB1", "New (VBR)"},
        {"CB2", "VBR"},           {"CB3", "ABR"},              {"CB4", "Normalize"},     {"CB5", "Error Protection"},
        {"CB6", "TMP File Delete"}, {"CB8", "Bitrate Set (F)"}, {"CB9", "2CH -> 1CH"},   {"LT1", "Bitrate"},
        {"LT2", "Bitrate (Max)"}, {"LT3", "Bitrate (Min)"},    {"LT4", "Quality (V/q)"}, {"LT5", "Compression"},
        {"B1", "Single Encode"},  {"B2", "ALL Encode"},        {"B3", "Exit"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[1]);
    // clang-format on
}

void WindowLayoutTest::captions()
{
    QFETCH(QString, caption);
    TForm1 form;
    QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        shown = group->title();
    QCOMPARE(shown, caption);
}

void WindowLayoutTest::startStates_data()
{
    // clang-format off
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("checked"); // -1: not a check box or radio button
    const struct {
        const char* name;
        bool enabled, shown;
        int checked;
    } rows[] = {
        {"RG1", true, true, -1},    {"GB1", true, true, -1},    {"RB1", true, true, 0},     {"RB2", true, true, 0},
        {"RB3", true, true, 0},     {"RB4", true, true, 1},     {"CB0", true, true, 0},     {"CB1", false, true, 0},
        {"CB2", true, true, 0},     {"CB3", true, true, 0},     {"CB4", true, true, 1},     {"CB5", true, true, 0},
        {"CB6", true, true, 1},     {"CB8", false, true, 0},    {"CB9", false, true, 0},    {"LT1", true, true, -1},
        {"LT2", false, true, -1},   {"LT3", false, true, -1},   {"LT4", true, true, -1},    {"LT5", false, true, -1},
        {"ComB1", true, true, -1},  {"ComB2", false, true, -1}, {"ComB3", false, true, -1}, {"ComB4", false, false, -1},
        {"ComB6", false, false, -1}, {"E1", true, true, -1},    {"UD1", true, true, -1},    {"E2", false, true, -1},
        {"UD2", false, true, -1},   {"E3", false, true, -1},    {"UD3", false, true, -1},   {"E4", true, true, -1},
        {"UD4", true, true, -1},    {"DCB1", true, true, -1},   {"DLB1", true, true, -1},   {"FLB1", true, true, -1},
        {"B1", true, true, -1},     {"B2", true, true, -1},     {"B3", true, true, -1},     {"SB1", true, true, -1},
        {"P1", true, true, -1},     {"L1", true, true, -1},     {"L6", true, true, -1},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.enabled << row.shown << row.checked;
    // clang-format on
}

void WindowLayoutTest::startStates()
{
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    QFETCH(int, checked);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->isVisible(), shown);
    if (checked >= 0) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->isChecked(), checked == 1);
    }
}

void WindowLayoutTest::hints_data()
{
    // clang-format off
    QTest::addColumn<QString>("hint");
    const char* rows[][2] = {
        {"RG1", "エンコードモードの選択"},
        {"GB1", "チャンネルモードの設定"},
        {"RB1", "モノラル"},
        {"RB2", "ステレオ"},
        {"RB3", "デュアルチャンネル"},
        {"RB4", "ジョイントステレオ"},
        {"CB0", "LAME を用いて MP1/MP2/MP3 -> WAV に変換します。"},
        {"CB6", "中間ファイルを削除します。"},
        {"CB2", "可変ビットレートモードでエンコード"},
        {"CB3", "平均ビットレートモードでエンコード"},
        {"CB1", "VBR ： 高速エンコード処理設定。"},
        {"CB8", "最大＆最小ビットレートの範囲指定が出来ます。"},
        {"CB5", "エラープロテクションの使用"},
        {"CB9", "2CH -> 1CH [ ダウンミックスにてモノラル ]  に変換します。"},
        {"CB4", "正規化"},
        {"E1", "正規化： ％ 設定"},
        {"E2", "圧縮レベル設定 ： ０ ( 低圧縮／高速 ) ～ ９ ( 高圧縮／低速 )"},
        {"E3", "VBR 音質設定 ： ０ ( 高音質／大容量 ) ～ ９ ( 低音質／小容量 )"},
        {"E4", "音質精度設定 ： ０ ( 高精度／低速 ) ～ ９ ( 低精度／高速 )"},
        {"ComB6", "VBR 音質設定 ：  ０ ( 低音質 / 小容量 )  ～  １０ ( 高音質 / 大容量 )"},
        {"ComB4", "VBR 音質自動設定"},
        {"ComB1", "CBR＆ABR(平均)の設定"},
        {"ComB2", "最大ビットレートの設定"},
        {"ComB3", "最小ビットレートの設定"},
        {"DCB1", "ドライブの選択"},
        {"DLB1", "フォルダの選択"},
        {"FLB1", "変換ファイルを１ファイル選択出来ます。"},
        {"B1", "指定ファイルをエンコードします。"},
        {"B2", "指定フォルダ内ファイルをエンコードします。"},
        {"B3", "作業終了"},
        {"SB1", "Encode Mode 設定時にメッセージを表示。"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]);
    // clang-format on
}

void WindowLayoutTest::hints()
{
    QFETCH(QString, hint);
    TForm1 form;
    QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
}

void WindowLayoutTest::fonts_data()
{
    // clang-format off
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("boldRed");
    const struct {
        const char* name;
        int pixels;
        bool boldRed;
    } rows[] = {
        {"ComB1", 15, true}, {"ComB2", 15, true}, {"ComB3", 15, true}, {"ComB4", 15, true}, {"ComB6", 15, true},
        {"E1", 15, true},    {"E2", 15, true},    {"E3", 15, true},    {"E4", 15, true},    {"B1", 12, false},
        {"B2", 13, false},   {"B3", 16, false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.pixels << row.boldRed;
    // clang-format on
}

void WindowLayoutTest::fonts()
{
    QFETCH(int, pixels);
    QFETCH(bool, boldRed);
    TForm1 form;
    QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    QCOMPARE(control->font().pixelSize(), pixels);
    QCOMPARE(control->font().bold(), boldRed);
    const QColor text = control->palette().color(QPalette::Active, QPalette::Text);
    QCOMPARE(text == QColor(Qt::red), boldRed);
    // The window's font family must be drawn by an installed Japanese font.
    QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("IPAPGothic"));
}

void WindowLayoutTest::windowFontEverywhereElse_data()
{
    // clang-format off
    QTest::addColumn<int>("unused");
    for (const char* name : {"Form1", "RG1", "GB1", "RB1", "CB0", "CB9", "LT1", "LT4", "DCB1", "DLB1", "FLB1", "SB1"})
        QTest::newRow(name) << 0;
    // clang-format on
}

void WindowLayoutTest::windowFontEverywhereElse()
{
    TForm1 form;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* control = name == QLatin1String("Form1") ? &form : form.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    QCOMPARE(control->font().pixelSize(), 12);
    QVERIFY(!control->font().bold());
}

void WindowLayoutTest::modeGroupFillsColumnsTopToBottom()
{
    TForm1 form;
    auto* group = form.findChild<RadioGroup*>(QStringLiteral("RG1"));
    QVERIFY(group);
    QCOMPARE(group->count(), 7);
    const QStringList texts = {"MP3", "MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(group->item(i)->text(), texts.at(i));
    QCOMPARE(group->itemIndex(), 0);

    group->setItemIndex(6);
    QCOMPARE(group->itemIndex(), 6);
    QVERIFY(group->item(6)->isChecked());
    QVERIFY(!group->item(0)->isChecked());
    // Left column MP3..AAC, right column FLAC..WAV, each top to bottom, all inside the frame.
    for (int i = 0; i < 7; ++i) {
        const QRect place = group->item(i)->geometry();
        QVERIFY2(group->rect().contains(place), qPrintable(texts.at(i)));
        const int column = i < 4 ? 0 : 1;
        QCOMPARE(place.x(), group->item(column * 4)->geometry().x());
        if (i % 4 != 0)
            QVERIFY(place.y() > group->item(i - 1)->geometry().bottom() - 1);
    }
    QVERIFY(group->item(4)->geometry().x() >= group->item(0)->geometry().right());
    QCOMPARE(group->item(4)->geometry().y(), group->item(0)->geometry().y());
}

void WindowLayoutTest::modeGroupSignalsOnlyRealChanges()
{
    TForm1 form;
    auto* group = form.findChild<RadioGroup*>(QStringLiteral("RG1"));
    QSignalSpy moved(group, &RadioGroup::selectionChanged);
    group->setItemIndex(0);
    QCOMPARE(moved.count(), 0);
    group->setItemIndex(3);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 3);
    group->setItemIndex(42);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(group->itemIndex(), 3);
    QTest::mouseClick(group->item(5), Qt::LeftButton);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(group->itemIndex(), 5);
}

void WindowLayoutTest::initialFocusOnSelectedMode()
{
    TForm1 form;
    auto* group = form.findChild<RadioGroup*>(QStringLiteral("RG1"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), group->item(0));
}

void WindowLayoutTest::tabOrderSkipsDisabledHiddenAndUncheckedItems()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QStringList expected = {"RG1", "RB4",   "CB0",  "CB6",  "CB2",  "CB3", "CB5", "CB4", "E1",
                                  "E4",  "ComB1", "DCB1", "DLB1", "FLB1", "B1",  "B2",  "B3",  "RG1"};
    QStringList visited = {nameOf(QApplication::focusWidget())};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(nameOf(QApplication::focusWidget()));
    }
    QCOMPARE(visited, expected);
}

void WindowLayoutTest::focusChainHoldsEveryFocusableControlInOrder()
{
    TForm1 form;
    auto* group = form.findChild<RadioGroup*>(QStringLiteral("RG1"));
    const QStringList expected = {"RG1",   "RB4",   "CB0",  "CB6",  "CB2",  "CB3", "CB1",   "CB8",   "CB5",
                                  "CB9",   "CB4",   "E1",   "E2",   "E3",   "E4",  "ComB6", "ComB1", "ComB2",
                                  "ComB3", "ComB4", "DCB1", "DLB1", "FLB1", "B1",  "B2",    "B3"};
    QStringList chain;
    QWidget* widget = group->item(0);
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget != &form)
            chain.append(nameOf(widget));
        widget = widget->nextInFocusChain();
    } while (widget != group->item(0));
    chain.removeDuplicates();
    QCOMPARE(chain, expected);
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_layout.moc"
