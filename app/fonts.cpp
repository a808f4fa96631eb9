#include "app/fonts.h"

#include <QStringList>

namespace fonts {

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

void InstallSubstitutions() {
    const QString ipaP = QStringLiteral("IPAPGothic");
    const QString ipa = QStringLiteral("IPAGothic");
    const QString noto = QStringLiteral("Noto Sans CJK JP");
    const QString notoMono = QStringLiteral("Noto Sans Mono CJK JP");
    QFont::insertSubstitutions(kProportional, QStringList() << ipaP << noto);
    QFont::insertSubstitutions(kFixedPitch, QStringList() << ipa << notoMono << noto);
}

} // namespace fonts
