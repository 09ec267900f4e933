#include "ui/main/AboutBox.h"

#include "ui/skin/SkinArt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmont {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    skin::InitSkinResources();
    setWindowTitle(tr("About Velmont Media Converter"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    const QPixmap picture(QString::fromLatin1(skin::kAppIcon));
    if (!picture.isNull())
        icon->setPixmap(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* text = new QLabel(QStringLiteral("<b>%1</b><br>%2<br>%3")
                                .arg(tr("Velmont Media Converter"), tr("Version %1").arg("1.0"),
                                     tr("Copyright \u00a9 Velmont Studio")),
                            this);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmont
