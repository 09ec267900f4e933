#include "UiTestSupport.h"
#include "ui/widgets/LogEdit.h"

#include <QScrollBar>
#include <QTest>

#include <string>
#include <thread>

using velmont::LogEdit;

namespace {

// What the runner does with its log: remember where a region starts, then
// keep replacing everything from there with the region's newest text.
void Append(LogEdit& log, const std::string& text) {
    log.SetSelection(log.TextLength(), log.TextLength());
    log.ReplaceSelection(text);
}

QString Shown(const LogEdit& log) {
    QString text = log.toPlainText();
    text.remove(QChar(0x200B));
    return text;
}

} // namespace

class LogEditTest : public QObject {
    Q_OBJECT

  private slots:
    void lengthsAndSelectionsCountUtf8Bytes() {
        LogEdit log;
        Append(log, "Gr\xC3\xBC\xC3\x9F"
                    "e\n"); // "Grüße\n": 8 bytes, 6 characters
        QCOMPARE(log.TextLength(), 8);
        log.SetSelection(2, 6); // the two two-byte letters
        log.ReplaceSelection("ss");
        QCOMPARE(log.Text(), std::string("Grsse\n"));
        QCOMPARE(Shown(log), QString("Grsse\n"));
        QCOMPARE(log.TextLength(), 6);
        // Selections are clamped to the text, and reversed ones are the same range.
        log.SetSelection(-5, 99);
        log.ReplaceSelection("abc");
        log.SetSelection(3, 1);
        log.ReplaceSelection("y");
        QCOMPARE(log.Text(), std::string("ay"));
        log.Clear();
        QCOMPARE(log.TextLength(), 0);
        QCOMPARE(log.toPlainText(), QString());
    }

    void replacingARegionKeepsTheEarlierText() {
        LogEdit log;
        Append(log, "Input #0, wav\n\xE2\x86\x92 ready\n");
        const int region = log.TextLength();
        for (int t = 1; t <= 3; ++t) {
            log.SetSelection(region, log.TextLength());
            log.ReplaceSelection("size= " + std::to_string(t * 100) +
                                 "kB time=" + std::to_string(t) + "\r");
        }
        const std::string expected = "Input #0, wav\n\xE2\x86\x92 ready\nsize= 300kB time=3\r";
        QCOMPARE(log.Text(), expected);
        QCOMPARE(Shown(log),
                 QString::fromUtf8("Input #0, wav\n\xE2\x86\x92 ready\nsize= 300kB time=3"));
        // The caret follows the new text: the next append goes to the end.
        log.ReplaceSelection("done\n");
        QCOMPARE(log.Text(), expected + "done\n");
    }

    void splitMultiByteCharacterShowsWhole() {
        LogEdit log;
        Append(log, "line\nmin\xC3");
        Append(log, "\xBC"
                    "te\n"); // the rest of "ü" in the next chunk
        QCOMPARE(Shown(log), QString::fromUtf8("line\nmin\xC3\xBCte\n"));
        QCOMPARE(log.TextLength(), 13);
    }

    void scrollToEndShowsTheLastLine() {
        LogEdit log;
        log.resize(300, 100);
        QVERIFY(velmont::ShowExposed(log));
        for (int i = 0; i < 100; ++i)
            Append(log, "line " + std::to_string(i) + "\n");
        log.ScrollToEnd();
        QCOMPARE(log.verticalScrollBar()->value(), log.verticalScrollBar()->maximum());
        QVERIFY(log.verticalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(LogEditTest)
#include "tst_LogEdit.moc"
