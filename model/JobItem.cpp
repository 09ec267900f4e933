#include "model/JobItem.h"

#include <stdexcept>
#include <utility>

namespace velmont {

void JobList::Insert(std::size_t index, const JobItem& job) {
    if (index > jobs_.size())
        throw std::out_of_range("JobList::Insert");
    jobs_.insert(jobs_.begin() + static_cast<std::ptrdiff_t>(index), job);
}

void JobList::Erase(std::size_t index) {
    if (index >= jobs_.size())
        throw std::out_of_range("JobList::Erase");
    jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(index));
}

void JobList::SwapNeighbours(std::size_t i, std::size_t j) {
    JobItem temp = jobs_.at(i);
    jobs_.at(i) = jobs_.at(j);
    jobs_.at(j) = temp;
}

void JobList::Clear() {
    jobs_.clear();
    jobs_.shrink_to_fit();
}

} // namespace velmont
