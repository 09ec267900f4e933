#pragma once

#include <string>

struct AVFilterGraph;
struct AVFilterContext;

namespace rendix {

// A linear libavfilter chain between one buffer source and one sink.
class FilterChain {
  public:
    FilterChain() = default;
    ~FilterChain();
    FilterChain(const FilterChain&) = delete;
    FilterChain& operator=(const FilterChain&) = delete;

    // sourceArgs: the buffer/abuffer arguments; chain: filters separated by
    // commas (empty for none).
    bool Build(bool audio, const std::string& sourceArgs, const std::string& chain,
               std::string& error);

    AVFilterContext* source() const { return source_; }
    AVFilterContext* sink() const { return sink_; }

  private:
    AVFilterGraph* graph_ = nullptr;
    AVFilterContext* source_ = nullptr;
    AVFilterContext* sink_ = nullptr;
};

} // namespace rendix
