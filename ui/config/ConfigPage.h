#pragma once

#include "model/EncodingSettings.h"
#include "model/FormatId.h"

#include <QWidget>

namespace velmont {

// One page of the configuration dialog, editing the records of the settings
// it is given (which must outlive it). The dialog writes format before
// each Refresh; between Refresh and OnOK the controls are the working copy.
class ConfigPage : public QWidget {
    Q_OBJECT

  public:
    ConfigPage(EncodingSettings& settings, QWidget* parent)
        : QWidget(parent), settings_(settings) {}

    velmont::FormatId format = kFormatMp3;

    // Reloads every control from the record of format.
    virtual void Refresh() = 0;
    // Loads the controls from format's built-in defaults; the record
    // itself changes only when OnOK stores the controls.
    virtual void ShowBuiltInDefaults() = 0;
    // Stores the controls into the record of format.
    virtual void OnOK() = 0;
    // A page never closes itself; the dialog decides.
    virtual void OnCancel() {}

  protected:
    // The record of format, or null.
    EncodingParams* Record() const { return settings_.GetEncodingParams(format); }

  private:
    EncodingSettings& settings_;
};

} // namespace velmont
