#pragma once

#include <QDialog>

class QPushButton;

namespace velmont {

// The small "Convert" box naming the product, closed with its OK button.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok_; }

  private:
    QPushButton* ok_ = nullptr;
};

} // namespace velmont
