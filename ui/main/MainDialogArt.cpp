// The words painted into the window's buttons, in the window's language.

#include "ui/main/MainDialog.h"

#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"
#include "ui/skin/art/SkinArtPainter.h"

#include <QHash>

namespace velmont {

namespace {

QString FileName(const char* resource) {
    return QString::fromLatin1(resource).section(QLatin1Char('/'), -1);
}

QString DoubleSizeName(const QString& name) {
    return QString(name).insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

skin::SkinLabels MainDialog::TranslatedLabels() {
    return {tr("Add"),  tr("Remove"), tr("Settings"), tr("Tag"),
            tr("Help"), tr("Exit"),   tr("Convert"),  tr("Output to")};
}

// The stored art carries English words; another language paints its own
// once, at start.
void MainDialog::PaintTranslatedArt() {
    const skin::SkinLabels labels = TranslatedLabels();
    if (labels == skin::SkinLabels())
        return;
    QHash<QString, QImage> painted;
    for (int scale : {1, 2})
        for (skin::PaintedImage& image : skin::PaintSkinArt(scale, labels))
            painted.insert(image.fileName, std::move(image.image));
    const std::pair<int, skin::ButtonArt> labelled[] = {
        {kAddId, skin::kAdd},         {kDelId, skin::kRemove},
        {kConfigId, skin::kSettings}, {kTagId, skin::kTag},
        {kHelpId, skin::kHelp},       {kExitId, skin::kExit},
        {kGoId, skin::kConvert},      {kOutputLabelId, skin::kOutputLabel}};
    for (const auto& [id, art] : labelled) {
        const QString hover = FileName(art.hover);
        const QString normal = *art.normal ? FileName(art.normal) : QString();
        ImageButton* button = Button(id);
        button->SetBitmaps(painted.value(hover), art.keyBgr, painted.value(normal), art.keyBgr);
        button->SetDoubleSizeBitmaps(painted.value(DoubleSizeName(hover)), art.keyBgr,
                                     painted.value(DoubleSizeName(normal)), art.keyBgr);
    }
}

} // namespace velmont
