#include "ui/convert/UiThreadQueue.h"

#include <utility>

namespace velmont {

UiThreadQueue::UiThreadQueue(QObject* parent) : QObject(parent) {}

void UiThreadQueue::Post(std::function<void()> work) {
    bool schedule = false;
    {
        std::lock_guard lock(mutex_);
        work_.push_back(std::move(work));
        schedule = !drainScheduled_;
        drainScheduled_ = true;
    }
    // One queued drain per batch of posts keeps the event queue short.
    if (schedule)
        QMetaObject::invokeMethod(
            this, [this] { Drain(); }, Qt::QueuedConnection);
}

std::size_t UiThreadQueue::Pending() const {
    std::lock_guard lock(mutex_);
    return work_.size();
}

void UiThreadQueue::Drain() {
    {
        std::lock_guard lock(mutex_);
        drainScheduled_ = false;
    }
    // Take one piece at a time: work that opens a nested event loop (a
    // message box) lets a nested drain go on with the next piece, in order.
    for (;;) {
        std::function<void()> next;
        {
            std::lock_guard lock(mutex_);
            if (work_.empty())
                return;
            next = std::move(work_.front());
            work_.pop_front();
        }
        next();
    }
}

} // namespace velmont
