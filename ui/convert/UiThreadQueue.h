#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

namespace velmont {

// Carries work from any thread to the thread this object lives in (the
// user-interface thread), where it runs in the order it was posted. Work
// still queued when the object is destroyed is dropped, so whoever posts
// must stop before the object and everything the work touches go away.
class UiThreadQueue : public QObject {
    Q_OBJECT

  public:
    explicit UiThreadQueue(QObject* parent = nullptr);

    // Safe from any thread.
    void Post(std::function<void()> work);
    // How many posted pieces of work have not run yet.
    std::size_t Pending() const;
    // Runs what is queued now, on this object's thread.
    void RunPending() { Drain(); }

  private:
    void Drain();

    mutable std::mutex mutex_;
    std::deque<std::function<void()>> work_;
    bool drainScheduled_ = false;
};

} // namespace velmont
