#pragma once
// The Japanese texts of the shell copy's windows.

#include "platform/copyengine.h"

#include <QString>

namespace platform::posix::copytext {

inline const QString ProgressCaption = QStringLiteral("ファイルのコピー");
inline const QString Preparing = QStringLiteral("コピーの準備をしています...");
inline const QString Cancelling = QStringLiteral("キャンセルしています...");
inline const QString ReplaceCaption = QStringLiteral("ファイルの置き換えの確認");
inline const QString ErrorCaption = QStringLiteral("コピーのエラー");

// "「A.NC」をコピーしています"
QString Copying(const CopyJob& job);
// "C:\SRC から C:\DST へ"
QString Route(const CopyJob& job);
// "3 / 2,000 個"
QString Count(std::size_t current, std::size_t total);

QString ReplaceQuestion(const CopyJob& job, const FileFacts& existing, const FileFacts& incoming);
QString ErrorText(const CopyJob& job, const CopyError& error);
// Why a system call failed, for the user.
QString Reason(int code);

} // namespace platform::posix::copytext
