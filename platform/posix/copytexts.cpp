#include "platform/posix/copytexts.h"

#include "text/qtext.h"

#include <QDateTime>
#include <QLocale>
#include <cerrno>
#include <cstring>

namespace platform::posix::copytext {

namespace {

QString Quoted(const std::string& cp932) {
    return QStringLiteral("「%1」").arg(text::ToQString(cp932));
}

QString SourcePath(const CopyJob& job) {
    return Quoted(job.sourceFolder.empty() ? job.name : job.sourceFolder + '\\' + job.name);
}

QString Number(std::uint64_t value) {
    return QLocale(QLocale::Japanese).toString(static_cast<qulonglong>(value));
}

QString Facts(const FileFacts& facts) {
    const QString when =
        QDateTime::fromSecsSinceEpoch(facts.modified).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    return QStringLiteral("%1 バイト、%2 更新").arg(Number(facts.size), when);
}

} // namespace

QString Copying(const CopyJob& job) {
    return QStringLiteral("%1をコピーしています").arg(Quoted(job.name));
}

QString Route(const CopyJob& job) {
    return QStringLiteral("%1 から %2 へ")
        .arg(text::ToQString(job.sourceFolder), text::ToQString(job.targetFolder));
}

QString Count(std::size_t current, std::size_t total) {
    return QStringLiteral("%1 / %2 個").arg(Number(current), Number(total));
}

QString ReplaceQuestion(const CopyJob& job, const FileFacts& existing, const FileFacts& incoming) {
    const QString readOnly =
        existing.readOnly ? QStringLiteral("既存のファイルは読み取り専用です。\n") : QString();
    return QStringLiteral("フォルダー%1には既にファイル%2があります。\n\n"
                          "既存のファイル: %3\n新しいファイル: %4\n%5\n"
                          "既存のファイルを新しいファイルで置き換えますか？")
        .arg(Quoted(job.targetFolder), Quoted(job.name), Facts(existing), Facts(incoming),
             readOnly);
}

QString ErrorText(const CopyJob& job, const CopyError& error) {
    const QString kind = job.isFolder ? QStringLiteral("フォルダー") : QStringLiteral("ファイル");
    switch (error.kind) {
    case CopyError::Kind::Read:
        return QStringLiteral("%1%2を読み取れません。\n\n%3")
            .arg(kind, SourcePath(job), Reason(error.code));
    case CopyError::Kind::Write:
        return QStringLiteral("%1%2をフォルダー%3に書き込めません。\n\n%4")
            .arg(kind, Quoted(job.name), Quoted(job.targetFolder), Reason(error.code));
    case CopyError::Kind::SameFile:
        break;
    }
    return QStringLiteral("ファイル%1はコピー先のフォルダー%2にある同じファイルです。"
                          "ファイルをそれ自身にはコピーできません。")
        .arg(SourcePath(job), Quoted(job.targetFolder));
}

QString Reason(int code) {
    switch (code) {
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き領域が足りません。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎて書き込めません。");
    case EROFS:
        return QStringLiteral("書き込み禁止のドライブです。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case EEXIST:
        return QStringLiteral("同じ名前のファイルがあります。");
    case ELOOP:
        return QStringLiteral("フォルダーがそれ自身の中にリンクされています。");
    }
    return QStringLiteral("システムのエラー: %1 (errno %2)")
        .arg(QString::fromLocal8Bit(std::strerror(code)))
        .arg(code);
}

} // namespace platform::posix::copytext
