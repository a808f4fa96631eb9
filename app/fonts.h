#pragma once
// The fonts that the windows name, and how they are found on this system.

#include <QFont>
#include <QString>

namespace fonts {

inline const QString kProportional = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kFixedPitch = QStringLiteral("ＭＳ ゴシック");

// A font of the family with a character height in pixels.
QFont PixelFont(const QString& family, int pixels);

// Maps the two family names to the metric-compatible IPA fonts, then to Noto.
void InstallSubstitutions();

} // namespace fonts
