#include "convert/MemoryListCells.h"
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

// A log pane that fails the test when touched off the thread it lives on.
class ThreadCheckedLog : public MemoryLogView {
  public:
    std::atomic<int> foreignCalls{0};
    int TextLength() const override {
        Check();
        return MemoryLogView::TextLength();
    }
    void SetSelection(int start, int end) override {
        Check();
        MemoryLogView::SetSelection(start, end);
    }
    void ReplaceSelection(const std::string& text) override {
        Check();
        MemoryLogView::ReplaceSelection(text);
    }
    void ScrollToEnd() override {
        Check();
        MemoryLogView::ScrollToEnd();
    }

  private:
    void Check() const {
        if (std::this_thread::get_id() != owner_)
            ++const_cast<ThreadCheckedLog*>(this)->foreignCalls;
    }
    std::thread::id owner_ = std::this_thread::get_id();
};

// Records the order of list changes and the thread that made them.
class RecordingCells : public IListCells {
  public:
    std::vector<std::string> calls;
    int foreignCalls = 0;
    void SetCurSel(int row, bool) override { Record("sel " + std::to_string(row)); }
    void UpdateProgress(int row, int, int percent) override {
        Record("progress " + std::to_string(row) + " " + std::to_string(percent));
    }
    void SetBold(int row, int, bool bold) override {
        Record("bold " + std::to_string(row) + (bold ? " on" : " off"));
    }
    void SetItemText(int row, int, const std::string& text) override {
        Record("text " + std::to_string(row) + " " + text);
    }
    void SetItemText(int row, int, const std::string& text, Rgb, Rgb) override {
        Record("coloured " + std::to_string(row) + " " + text);
    }

  private:
    void Record(std::string call) {
        if (std::this_thread::get_id() != owner_)
            ++foreignCalls;
        calls.push_back(std::move(call));
    }
    std::thread::id owner_ = std::this_thread::get_id();
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
        ThreadCheckedLog pane;
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
        QCOMPARE(pane.foreignCalls.load(), 0);
    }

    void cellChangesArriveInTheOrderTheWorkerMadeThem() {
        UiThreadQueue queue;
        RecordingCells list;
        ForwardingListCells workerSide(list, queue);

        std::vector<std::string> expected;
        std::thread worker([&] {
            for (int row = 0; row < 50; ++row) {
                workerSide.SetCurSel(row, true);
                workerSide.SetBold(row, 0, true);
                for (int percent = 1; percent <= 100; percent += 33)
                    workerSide.UpdateProgress(row, 1, percent);
                workerSide.SetBold(row, 0, false);
                workerSide.SetItemText(row, 2, "done");
                workerSide.SetItemText(row, 2, "failed", kWhite, kRed);
            }
        });
        worker.join();
        for (int row = 0; row < 50; ++row) {
            const std::string r = std::to_string(row);
            expected.push_back("sel " + r);
            expected.push_back("bold " + r + " on");
            for (int percent = 1; percent <= 100; percent += 33)
                expected.push_back("progress " + r + " " + std::to_string(percent));
            expected.push_back("bold " + r + " off");
            expected.push_back("text " + r + " done");
            expected.push_back("coloured " + r + " failed");
        }

        QVERIFY(list.calls.empty());
        QTRY_COMPARE(list.calls.size(), expected.size());
        QVERIFY(list.calls == expected);
        QCOMPARE(list.foreignCalls, 0);
    }

    void logAndCellsShareOneOrder() {
        UiThreadQueue queue;
        std::vector<std::string> order;
        struct Log : MemoryLogView {
            std::vector<std::string>* order;
            void ReplaceSelection(const std::string& text) override {
                order->push_back("log " + text);
                MemoryLogView::ReplaceSelection(text);
            }
        } pane;
        pane.order = &order;
        struct Cells : MemoryListCells {
            std::vector<std::string>* order;
            void UpdateProgress(int, int, int percent) override {
                order->push_back("progress " + std::to_string(percent));
            }
        } list;
        list.order = &order;
        ForwardingLogView log(pane, queue);
        ForwardingListCells cells(list, queue);
        bool finished = false;

        std::thread worker([&] {
            for (int i = 0; i < 100; ++i) {
                log.SetSelection(0, log.TextLength());
                log.ReplaceSelection(std::to_string(i));
                cells.UpdateProgress(0, 1, i);
            }
            queue.Post([&] { finished = true; });
        });
        worker.join();
        QTRY_VERIFY(finished);

        QCOMPARE(order.size(), std::size_t(200));
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(order[2 * i], "log " + std::to_string(i));
            QCOMPARE(order[2 * i + 1], "progress " + std::to_string(i));
        }
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
