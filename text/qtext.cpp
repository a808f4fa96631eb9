#include "text/qtext.h"

#include "text/cp932_codec.h"

#include <QByteArray>
#include <QFile>

namespace text {

QString ToQString(std::string_view cp932) {
    const std::u16string utf16 = DecodeCp932(cp932);
    return QString(reinterpret_cast<const QChar*>(utf16.data()),
                   static_cast<qsizetype>(utf16.size()));
}

std::string FromQString(const QString& string) {
    return EncodeCp932(std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()),
                                           static_cast<std::size_t>(string.size())));
}

QString HostQString(const std::string& hostPath) {
    return QFile::decodeName(QByteArray::fromStdString(hostPath));
}

std::string HostString(const QString& hostPath) {
    return QFile::encodeName(hostPath).toStdString();
}

} // namespace text
