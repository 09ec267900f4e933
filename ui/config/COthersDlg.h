#pragma once

#include "model/EncodingParams.h"
#include "ui/config/ConfigPage.h"

#include <array>

class QLineEdit;

namespace velmont {

// The "Advanced Video" page: pixels cut from each edge of the picture and
// pixels of border added at each edge.
class COthersDlg : public ConfigPage {
    Q_OBJECT

  public:
    enum class Box {
        CropTop,
        CropRight,
        CropLeft,
        CropBottom,
        PadTop,
        PadRight,
        PadLeft,
        PadBottom
    };

    COthersDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent = nullptr);

    void Refresh() override;
    void ShowBuiltInDefaults() override;
    void OnOK() override;

    QLineEdit* Edit(Box box) const { return edits_[static_cast<std::size_t>(box)]; }

  private:
    void LoadFrom(const EncodingParams& source);

    std::array<QLineEdit*, 8> edits_{};
};

// Reads a box the way a dialog's signed number is read: blanks and a sign
// are accepted; a text that is not a whole number in int range gives 0.
int ReadSignedNumber(const QString& text);

} // namespace velmont
