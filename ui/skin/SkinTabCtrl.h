#pragma once

#include <QPoint>
#include <QTabBar>
#include <QWidget>

#include <vector>

namespace velmont {

class SkinTabBar;

// A tab control that owns one page per tab, shows the page of the selected
// tab and hides the others. Single tabs can be disabled: their text turns
// grey and clicking them leaves the present tab and page in view. Disabling
// the selected tab greys it but keeps it selected with its page shown.
class SkinTabCtrl : public QWidget {
    Q_OBJECT

  public:
    explicit SkinTabCtrl(QWidget* parent = nullptr);

    // Appends a tab with `text` for `page`; the page becomes a child placed at
    // the page offset with its size kept, shown for the first tab only.
    // `index` is kept as the tab's image number (no images are shown).
    void AddTab(QWidget* page, const QString& text, int index);
    void EnableTab(int index, bool enable);
    bool IsTabEnabled(int index) const;

    int TabCount() const;
    int CurrentTab() const;
    // Selects an enabled tab; false for a disabled or unknown one.
    bool SetCurrentTab(int index);
    QWidget* Page(int index) const;
    QColor TabTextColour(int index) const;
    QTabBar* TabBar() const;
    void SetPageOffset(QPoint offset) { pageOffset_ = offset; }
    QPoint PageOffset() const { return pageOffset_; }

  signals:
    void currentTabChanged(int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnBarChanged(int index);

    SkinTabBar* bar_;
    std::vector<QWidget*> pages_;
    std::vector<bool> enabled_;
    QPoint pageOffset_{4, 28};
    int previous_ = -1;
};

} // namespace velmont
