#include "rendix/FilterChain.h"

#include "rendix/InputMedia.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace rendix {

FilterChain::~FilterChain() {
    avfilter_graph_free(&graph_);
}

bool FilterChain::Build(bool audio, const std::string& sourceArgs, const std::string& chain,
                        std::string& error) {
    avfilter_graph_free(&graph_);
    graph_ = avfilter_graph_alloc();
    if (!graph_) {
        error = "out of memory";
        return false;
    }
    const AVFilter* src = avfilter_get_by_name(audio ? "abuffer" : "buffer");
    const AVFilter* snk = avfilter_get_by_name(audio ? "abuffersink" : "buffersink");
    int r = avfilter_graph_create_filter(&source_, src, "in", sourceArgs.c_str(), nullptr, graph_);
    if (r >= 0)
        r = avfilter_graph_create_filter(&sink_, snk, "out", nullptr, nullptr, graph_);
    if (r < 0) {
        error = "cannot create filter source/sink: " + ErrorText(r);
        return false;
    }

    AVFilterInOut* outputs = avfilter_inout_alloc();
    AVFilterInOut* inputs = avfilter_inout_alloc();
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source_;
    outputs->pad_idx = 0;
    outputs->next = nullptr;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink_;
    inputs->pad_idx = 0;
    inputs->next = nullptr;
    std::string description = chain.empty() ? (audio ? "anull" : "null") : chain;
    r = avfilter_graph_parse_ptr(graph_, description.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (r >= 0)
        r = avfilter_graph_config(graph_, nullptr);
    if (r < 0) {
        error = "cannot set up filters '" + description + "': " + ErrorText(r);
        return false;
    }
    return true;
}

} // namespace rendix
