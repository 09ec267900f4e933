#pragma once

#include <QAbstractButton>
#include <QCursor>
#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace velmont {

class IDesktop;

// An owner-drawn push button showing images instead of the system look: the
// hover image while the pointer is over it or it is pressed, the normal
// image otherwise. Pixels of an image's colour key are transparent, so the
// parent's background shows through.
class ImageButton : public QAbstractButton {
    Q_OBJECT

  public:
    enum BitmapResult { BitmapOk = 0, BitmapNotLoaded = 1, BitmapNoMask = 2 };

    explicit ImageButton(QWidget* parent = nullptr);

    // Colour keys are in 0x00BBGGRR form (0x00E1820C is red 0x0C, green 0x82,
    // blue 0xE1). An empty normal image means the hover image serves for both
    // looks. Returns a BitmapResult; on failure the button has no images.
    int SetBitmaps(const QString& hoverImage, std::uint32_t hoverKeyBgr,
                   const QString& normalImage = {}, std::uint32_t normalKeyBgr = 0);
    int SetBitmaps(const QImage& hoverImage, std::uint32_t hoverKeyBgr,
                   const QImage& normalImage = {}, std::uint32_t normalKeyBgr = 0);
    // The double-size copies for 2x screens, after SetBitmaps (same keys).
    void SetDoubleSizeBitmaps(const QImage& hoverImage, std::uint32_t hoverKeyBgr,
                              const QImage& normalImage = {}, std::uint32_t normalKeyBgr = 0);

    void SetFlat(bool flat, bool repaint = true);
    bool IsFlat() const { return flat_; }
    void SetDrawBorder(bool drawBorder, bool repaint = true);
    bool DrawsBorder() const { return drawBorder_; }
    void SetDrawFlatFocus(bool drawFocus, bool repaint = true);
    // Draws over the parent's pixels instead of filling the background.
    void SetDrawTransparent(bool repaint = true);
    bool DrawsTransparent() const { return drawTransparent_; }
    // The embossed grey look while disabled (on by default).
    void SetGreyedDisabledLook(bool greyed);
    bool GreyedDisabledLook() const { return greyedDisabledLook_; }
    void SetPressedOffset(QPoint offset) { pressedOffset_ = offset; }
    void SetBackgroundColours(const QColor& hover, const QColor& normal, const QColor& focused);

    // Sets the margins to 0 and resizes the button, without moving it, to the
    // hover image's size.
    void SizeToContent();
    void SetTooltipText(const QString& text, bool activate = true);
    // What a screen reader announces for the button ("Add files"), and a key
    // that presses it; the key is shown in the tooltip, after the tooltip's
    // text or, when there is none, after the name.
    void SetAccessibleName(const QString& name);
    void SetShortcut(const QKeySequence& key);
    // Returns 0 when the cursor image loaded, 1 when it did not (the button
    // then shows the ordinary cursor). An empty path clears the cursor.
    int SetHoverCursor(const QString& cursorImage, QPoint hotSpot = {0, 0});
    void SetHoverCursor(const QCursor& cursor);
    // An address opened when the button is clicked; at most 259 bytes kept.
    void SetUrl(const QString& url);
    QString Url() const { return url_; }
    // Where SetUrl's address is opened; the system desktop when not set.
    void SetDesktop(IDesktop* desktop) { desktop_ = desktop; }

    bool IsHovered() const { return hovered_; }
    // The image drawn in the present state (null when there is none).
    QImage CurrentImage() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void nextCheckState() override {}

  private:
    struct Image {
        QImage pixels;   // premultiplied ARGB, key pixels fully transparent
        QImage pixels2x; // the same art painted at twice the size, or null
        bool IsNull() const { return pixels.isNull(); }
    };

    static QImage Greyed(const QImage& pixels);
    static void AddDoubleSize(Image& image, const QImage& big, std::uint32_t keyBgr);
    static std::optional<Image> MakeImage(const QImage& source, std::uint32_t keyBgr);
    void FreeImages();
    void BeginHover();
    void EndHover();
    void OpenUrl();
    const Image* ImageForState() const;
    void DrawBackground(QPainter& painter, QRect& rect);
    void DrawBorder(QPainter& painter, const QRect& rect);
    void DrawText(QPainter& painter, const QRect& textArea);
    void ShowTooltip();
    // The image to draw for the screen's pixel density: the double-size
    // one on a 2x screen when there is one.
    QImage PixelsForScreen(const Image& image) const;

    Image hover_;
    Image normal_;
    bool flat_ = true;
    bool drawBorder_ = true;
    bool drawFlatFocus_ = false;
    // The focus came from the keyboard: the button shows a mark whatever its look.
    bool keyboardFocus_ = false;
    bool drawTransparent_ = false;
    bool greyedDisabledLook_ = true;
    bool alwaysTrack_ = true;
    bool hovered_ = false;
    QPoint imageMargin_{3, 3};
    QPoint pressedOffset_{1, 1};
    QColor hoverBackground_;
    QColor normalBackground_;
    QColor focusedBackground_;
    std::optional<QCursor> hoverCursor_;
    QString url_;
    IDesktop* desktop_ = nullptr;
    QString tooltipText_;
    bool tooltipActive_ = false;
};

// A colour key in 0x00BBGGRR form as a Qt colour.
QColor ColourFromBgr(std::uint32_t keyBgr);

} // namespace velmont
