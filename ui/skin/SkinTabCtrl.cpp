#include "ui/skin/SkinTabCtrl.h"

namespace velmont {

class SkinTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;
};

SkinTabCtrl::SkinTabCtrl(QWidget* parent) : QWidget(parent), bar_(new SkinTabBar(this)) {}

void SkinTabCtrl::AddTab(QWidget* page, const QString& text, int) {
    bar_->addTab(text);
    pages_.push_back(page);
    enabled_.push_back(true);
}

void SkinTabCtrl::EnableTab(int index, bool enable) {
    if (index >= 0 && index < int(enabled_.size()))
        enabled_[std::size_t(index)] = enable;
}

bool SkinTabCtrl::IsTabEnabled(int index) const {
    return index >= 0 && index < int(enabled_.size()) && enabled_[std::size_t(index)];
}

int SkinTabCtrl::TabCount() const {
    return int(pages_.size());
}
int SkinTabCtrl::CurrentTab() const {
    return bar_->currentIndex();
}
bool SkinTabCtrl::SetCurrentTab(int) {
    return false;
}
QWidget* SkinTabCtrl::Page(int index) const {
    return index >= 0 && index < int(pages_.size()) ? pages_[std::size_t(index)] : nullptr;
}
QColor SkinTabCtrl::TabTextColour(int) const {
    return {};
}
QTabBar* SkinTabCtrl::TabBar() const {
    return bar_;
}
void SkinTabCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
}
void SkinTabCtrl::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
}
void SkinTabCtrl::OnBarChanged(int) {}

} // namespace velmont
