#pragma once

#include "model/FormatId.h"

#include <QWidget>

namespace velmont {

// One page of the configuration dialog. The dialog writes FormatId before
// each Refresh; between Refresh and OnOK the controls are the working copy.
class ConfigPage : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    velmont::FormatId FormatId = kFormatMp3;

    // Reloads every control from the record of FormatId.
    virtual void Refresh() = 0;
    // Loads the controls from FormatId's built-in defaults; the record
    // itself changes only when OnOK stores the controls.
    virtual void ShowBuiltInDefaults() = 0;
    // Stores the controls into the record of FormatId.
    virtual void OnOK() = 0;
    // A page never closes itself; the dialog decides.
    virtual void OnCancel() {}
};

} // namespace velmont
