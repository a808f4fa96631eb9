#pragma once
// The bridge between the program's CP932 byte strings and Qt's QString.

#include <QString>
#include <string>
#include <string_view>

namespace text {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& string);

// Host paths are file-system names in the host's encoding, not CP932 text.
QString HostQString(const std::string& hostPath);
std::string HostString(const QString& hostPath);

} // namespace text
