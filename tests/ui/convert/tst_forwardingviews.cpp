#include "convert/MemoryLogView.h"
#include "ui/convert/ForwardingListCells.h"
#include "ui/convert/ForwardingLogView.h"
#include "ui/convert/UiThreadQueue.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace velmont;

namespace {

// Notes the changes a log pane and a list receive in one shared order, and
// counts calls made off the thread the views live on.
struct Recorder {
    std::vector<std::string> order;
    std::atomic<int> foreignCalls{0};
    std::thread::id owner = std::this_thread::get_id();
    void Check() {
        if (std::this_thread::get_id() != owner)
            ++foreignCalls;
    }
    void Note(std::string call) {
        Check();
        order.push_back(std::move(call));
    }
};

class RecordingLog : public MemoryLogView {
  public:
    explicit RecordingLog(Recorder& recorder) : recorder_(recorder) {}
    int TextLength() const override {
        recorder_.Check();
        return MemoryLogView::TextLength();
    }
    void SetSelection(int start, int end) override {
        recorder_.Check();
        MemoryLogView::SetSelection(start, end);
    }
    void ReplaceSelection(const std::string& text) override {
        recorder_.Note("log " + text);
        MemoryLogView::ReplaceSelection(text);
    }
    void ScrollToEnd() override {
        recorder_.Check();
        MemoryLogView::ScrollToEnd();
    }

  private:
    Recorder& recorder_;
};

class RecordingCells : public IListCells {
  public:
    explicit RecordingCells(Recorder& recorder) : recorder_(recorder) {}
    void SetCurSel(int row, bool) override { recorder_.Note("sel " + std::to_string(row)); }
    void UpdateProgress(int row, int, int percent) override {
        recorder_.Note("progress " + std::to_string(row) + " " + std::to_string(percent));
    }
    void SetBold(int row, int, bool bold) override {
        recorder_.Note("bold " + std::to_string(row) + (bold ? " on" : " off"));
    }
    void SetItemText(int row, int, const std::string& text) override {
        recorder_.Note("text " + std::to_string(row) + " " + text);
    }
    void SetItemText(int row, int, const std::string& text, Rgb, Rgb) override {
        recorder_.Note("coloured " + std::to_string(row) + " " + text);
    }

  private:
    Recorder& recorder_;
};

// What the output parser does to a run's region of the log: redraw the
// header from the region start, then keep one status line below it.
void WriteRun(ILogView& log, int run) {
    const int regionStart = log.TextLength();
    std::string header;
    for (int chunk = 0; chunk < 20; ++chunk) {
        header += "header " + std::to_string(run) + "." + std::to_string(chunk) + "\n";
        log.SetSelection(regionStart, log.TextLength());
        log.ReplaceSelection(header);
        log.ScrollToEnd();
    }
    const int statusStart = log.TextLength();
    for (int status = 0; status < 20; ++status) {
        log.SetSelection(statusStart, log.TextLength());
        log.ReplaceSelection("size= " + std::to_string(status) + " time=" + std::to_string(status));
    }
}

} // namespace

class ForwardingViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void logPositionsAreExactOnTheWorkerAndThePaneCatchesUpInOrder() {
        UiThreadQueue queue;
        Recorder recorder;
        RecordingLog pane(recorder);
        ForwardingLogView workerSide(pane, queue);
        MemoryLogView reference;

        std::thread worker([&] {
            for (int run = 0; run < 30; ++run) {
                WriteRun(workerSide, run);
                WriteRun(reference, run);
                // The worker reads its own changes at once, before the pane
                // has seen any of them.
                if (workerSide.TextLength() != reference.TextLength())
                    return;
            }
        });
        worker.join();

        QCOMPARE(workerSide.Text(), reference.Text());
        QTRY_COMPARE(queue.Pending(), std::size_t(0));
        QCOMPARE(pane.Text(), reference.Text());
        QCOMPARE(recorder.foreignCalls.load(), 0);
    }

    void logAndCellChangesArriveInTheOrderTheWorkerMadeThem() {
        UiThreadQueue queue;
        Recorder recorder;
        RecordingLog pane(recorder);
        RecordingCells list(recorder);
        ForwardingLogView log(pane, queue);
        ForwardingListCells cells(list, queue);

        std::vector<std::string> expected;
        for (int row = 0; row < 50; ++row) {
            const std::string r = std::to_string(row);
            expected.insert(expected.end(), {"sel " + r, "bold " + r + " on"});
            for (int percent = 1; percent <= 100; percent += 33) {
                expected.push_back("log " + std::to_string(percent));
                expected.push_back("progress " + r + " " + std::to_string(percent));
            }
            expected.insert(expected.end(), {"bold " + r + " off", "text " + r + " done",
                                             "coloured " + r + " failed"});
        }
        std::thread worker([&] {
            for (int row = 0; row < 50; ++row) {
                cells.SetCurSel(row, true);
                cells.SetBold(row, 0, true);
                for (int percent = 1; percent <= 100; percent += 33) {
                    log.SetSelection(0, log.TextLength());
                    log.ReplaceSelection(std::to_string(percent));
                    cells.UpdateProgress(row, 1, percent);
                }
                cells.SetBold(row, 0, false);
                cells.SetItemText(row, 2, "done");
                cells.SetItemText(row, 2, "failed", kWhite, kRed);
            }
        });
        worker.join();

        QVERIFY(recorder.order.empty());
        QTRY_COMPARE(recorder.order.size(), expected.size());
        QVERIFY(recorder.order == expected);
        QCOMPARE(recorder.foreignCalls.load(), 0);
    }

    void workThatOpensALoopDoesNotLetLaterWorkOvertakeEarlierWork() {
        UiThreadQueue queue;
        std::vector<int> ran;
        queue.Post([&] {
            ran.push_back(1);
            // A message box would spin a nested loop like this one, and
            // the worker may post more while it runs.
            QEventLoop nested;
            QTimer::singleShot(10, [&] { queue.Post([&] { ran.push_back(4); }); });
            QTimer::singleShot(60, &nested, &QEventLoop::quit);
            nested.exec();
        });
        queue.Post([&] { ran.push_back(2); });
        queue.Post([&] { ran.push_back(3); });
        QTRY_COMPARE(ran.size(), std::size_t(4));
        QCOMPARE(ran, (std::vector<int>{1, 2, 3, 4}));
    }

    void workStillQueuedWhenTheQueueGoesIsDropped() {
        bool ran = false;
        {
            auto queue = std::make_unique<UiThreadQueue>();
            std::thread([&] { queue->Post([&] { ran = true; }); }).join();
        }
        QTest::qWait(50);
        QVERIFY(!ran);
    }

    void replacingTheWholeTextKeepsWorkerAndPaneAlike() {
        UiThreadQueue queue;
        MemoryLogView pane;
        ForwardingLogView log(pane, queue);
        std::thread([&] { WriteRun(log, 0); }).join();

        // Replaced before the pane has caught up with the worker.
        QVERIFY(queue.Pending() > 0);
        log.ReplaceAll("row log");
        QCOMPARE(log.TextLength(), 7);
        std::thread([&] { WriteRun(log, 1); }).join();
        QTRY_COMPARE(queue.Pending(), std::size_t(0));
        QCOMPARE(pane.Text(), log.Text());
        QVERIFY(pane.Text().rfind("row log", 0) == 0);

        // A later worker clearing the log by the length it sees empties the pane.
        std::thread([&] {
            log.SetSelection(0, log.TextLength());
            log.ReplaceSelection({});
        }).join();
        QTRY_COMPARE(queue.Pending(), std::size_t(0));
        QCOMPARE(pane.Text(), std::string());
    }
};

QTEST_MAIN(ForwardingViewsTest)
#include "tst_forwardingviews.moc"
