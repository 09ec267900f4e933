#include "ui/skin/SkinArt.h"

#include <QtGlobal>

static void InitSkinQrc() {
    Q_INIT_RESOURCE(skin);
}

namespace velmont::skin {

void InitSkinResources() {
    static const bool once = (InitSkinQrc(), true);
    (void)once;
}

} // namespace velmont::skin
