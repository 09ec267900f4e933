#pragma once

#include <cstdint>
#include <string>

namespace velmont {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// The cells of a job list that a run updates: its row's progress bar, the
// bold file name and the Log cell.
class IListCells {
  public:
    virtual ~IListCells() = default;

    virtual void SetCurSel(int row, bool makeVisible) = 0;
    virtual void UpdateProgress(int row, int column, int percent) = 0;
    virtual void SetBold(int row, int column, bool bold) = 0;
    // Text in the list's default colours.
    virtual void SetItemText(int row, int column, const std::string& text) = 0;
    virtual void SetItemText(int row, int column, const std::string& text, Rgb textColour,
                             Rgb backgroundColour) = 0;
};

} // namespace velmont
