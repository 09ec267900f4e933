#pragma once

#include <string>

namespace velmont {

// The log pane as the encoder runner sees it. Positions count bytes of the
// UTF-8 text, so a region start taken earlier stays exact.
class ILogView {
  public:
    virtual ~ILogView() = default;

    virtual int TextLength() const = 0;
    // Selects [start, end); positions are clamped to the text.
    virtual void SetSelection(int start, int end) = 0;
    // Replaces the selection; the caret ends after the new text.
    virtual void ReplaceSelection(const std::string& text) = 0;
    virtual void ScrollToEnd() = 0;
};

} // namespace velmont
