#include "ui/skin/SkinTabCtrl.h"

#include "ui/skin/SkinArt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include <algorithm>

namespace velmont {

namespace {

const QColor kTabText(0x1F, 0x2D, 0x3D);
const QColor kTabGreyText(0x9A, 0xA5, 0xB1);
const QColor kAccent(0x1E, 0x74, 0xE0);
const QColor kSelectedFill(0xFF, 0xFF, 0xFF);
const QColor kTabFill(0xE4, 0xEC, 0xF6);
const QColor kBorder(0xB8, 0xC7, 0xDA);
constexpr int kTabHeight = 26;

} // namespace

// Draws every tab itself (grey text for disabled tabs, the same text colour
// for all enabled ones) and refuses clicks on disabled tabs. Qt's own tab
// enabling is not used: it would move the selection off a disabled tab.
class SkinTabBar : public QTabBar {
  public:
    explicit SkinTabBar(SkinTabCtrl* owner) : QTabBar(owner), owner_(owner) {
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    QSize tabSizeHint(int) const override {
        // Fixed width: every tab as wide as the widest text needs.
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = std::max(widest, fontMetrics().horizontalAdvance(tabText(i)));
        return {widest + 32, kTabHeight};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, true);
        for (int i = 0; i < count(); ++i) {
            const bool selected = i == currentIndex();
            QRectF box = QRectF(tabRect(i)).adjusted(0.5, selected ? 0.5 : 3.5, -1.5, 0.5);
            QPainterPath shape;
            const qreal r = 5;
            shape.moveTo(box.bottomLeft());
            shape.lineTo(box.left(), box.top() + r);
            shape.quadTo(box.topLeft(), {box.left() + r, box.top()});
            shape.lineTo(box.right() - r, box.top());
            shape.quadTo(box.topRight(), {box.right(), box.top() + r});
            shape.lineTo(box.bottomRight());
            painter.setPen(QPen(kBorder, 1));
            painter.setBrush(selected ? kSelectedFill : kTabFill);
            painter.drawPath(shape);
            if (selected) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kAccent);
                painter.drawRoundedRect(QRectF(box.left() + 1, box.top(), box.width() - 2, 3), 1.5,
                                        1.5);
            }
            painter.setPen(owner_->TabTextColour(i));
            painter.drawText(box.adjusted(0, 2, 0, 0), Qt::AlignCenter | Qt::TextSingleLine,
                             tabText(i));
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0 && !owner_->IsTabEnabled(index)) {
            event->accept(); // a disabled tab ignores the click
            return;
        }
        QTabBar::mousePressEvent(event);
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

  private:
    SkinTabCtrl* owner_;
};

SkinTabCtrl::SkinTabCtrl(QWidget* parent) : QWidget(parent), bar_(new SkinTabBar(this)) {
    skin::InitSkinResources();
    bar_->move(0, 0);
    connect(bar_, &QTabBar::currentChanged, this, &SkinTabCtrl::OnBarChanged);
}

void SkinTabCtrl::AddTab(QWidget* page, const QString& text, int index) {
    const int tab = bar_->count();
    {
        // The page list must be complete before the bar reports the change.
        QSignalBlocker quiet(bar_);
        bar_->addTab(text);
    }
    bar_->setTabData(tab, index); // kept as the tab's image number; no images shown
    pages_.push_back(page);
    enabled_.push_back(true);
    if (page) {
        page->setParent(this);
        page->move(pageOffset_);
        page->setVisible(tab == 0);
    }
    if (tab == 0) {
        bar_->setCurrentIndex(0);
        previous_ = 0;
    }
    bar_->resize(std::max(width(), bar_->sizeHint().width()), bar_->sizeHint().height());
    bar_->raise();
}

void SkinTabCtrl::EnableTab(int index, bool enable) {
    if (index < 0 || index >= int(enabled_.size()))
        return;
    if (enabled_[std::size_t(index)] == enable)
        return;
    enabled_[std::size_t(index)] = enable;
    bar_->update(bar_->tabRect(index));
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

bool SkinTabCtrl::SetCurrentTab(int index) {
    if (!IsTabEnabled(index))
        return false;
    bar_->setCurrentIndex(index);
    return true;
}

QWidget* SkinTabCtrl::Page(int index) const {
    return index >= 0 && index < int(pages_.size()) ? pages_[std::size_t(index)] : nullptr;
}

QColor SkinTabCtrl::TabTextColour(int index) const {
    return IsTabEnabled(index) ? kTabText : kTabGreyText;
}

QTabBar* SkinTabCtrl::TabBar() const {
    return bar_;
}

void SkinTabCtrl::OnBarChanged(int index) {
    if (index < 0 || index == previous_)
        return;
    if (!IsTabEnabled(index)) {
        // Keyboard or program got onto a disabled tab: go back quietly.
        QSignalBlocker quiet(bar_);
        bar_->setCurrentIndex(previous_);
        return;
    }
    if (QWidget* old = Page(previous_))
        old->hide();
    if (QWidget* page = Page(index))
        page->show();
    previous_ = index;
    emit currentTabChanged(index);
}

void SkinTabCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_->resize(std::max(width(), bar_->sizeHint().width()), bar_->sizeHint().height());
}

void SkinTabCtrl::paintEvent(QPaintEvent*) {
    // The page panel under the tabs, joined to the selected tab.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int top = bar_->height() - 1;
    const QRectF panel = QRectF(rect()).adjusted(0.5, top + 0.5, -0.5, -0.5);
    painter.setPen(QPen(kBorder, 1));
    painter.setBrush(kSelectedFill);
    painter.drawRoundedRect(panel, 4, 4);
    const int current = bar_->currentIndex();
    if (current >= 0) {
        const QRect tab = bar_->tabRect(current);
        painter.setPen(QPen(kSelectedFill, 1));
        painter.drawLine(QPointF(tab.left() + 1.5, panel.top()),
                         QPointF(tab.right() - 1.5, panel.top()));
    }
}

} // namespace velmont
