// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/file_causes.h"

#include <cerrno>

namespace mokopi::persist {

std::string causeOf(int error, FileAccess access)
{
    const bool reading = access == FileAccess::Read;
    switch (error) {
    case ENOENT:
    case ENOTDIR: return reading ? "セーブファイルがありません" : "保存先のフォルダーがありません";
    case EACCES:
    case EPERM: return reading ? "読む権限がありません" : "書き込む権限がありません";
    case EROFS: return "読み取り専用の場所には書き込めません";
    case ENOSPC: return "ディスクがいっぱいです";
    case EDQUOT: return "ディスクの使用量が上限に達しています";
    case EFBIG: return "ファイルの大きさの上限を超えます";
    case ELOOP: return "リンクが循環しています";
    case ENAMETOOLONG: return "場所の名前が長すぎます";
    case EIO: return "ディスクの読み書きに失敗しました";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます";
    case ENOMEM: return "メモリが足りません";
    case EBUSY:
    case ETXTBSY: return "ほかのプログラムが使用中です";
    default:
        // Rare enough to need no words of its own; the number helps whoever looks into it.
        return std::string(reading ? "セーブファイルを読めません" : "セーブファイルを書き込めません") + "：エラー番号 "
            + std::to_string(error);
    }
}

std::optional<std::string> notASaveFile(const struct stat& found)
{
    if (S_ISREG(found.st_mode)) {
        if (found.st_size > MaxSaveFileBytes) {
            return SaveFileTooLarge;
        }
        return std::nullopt;
    }
    if (S_ISDIR(found.st_mode)) {
        return "セーブファイルの場所にフォルダーがあります";
    }
    if (S_ISFIFO(found.st_mode)) {
        return "セーブファイルの場所にパイプがあります";
    }
    if (S_ISCHR(found.st_mode) || S_ISBLK(found.st_mode)) {
        return "セーブファイルの場所にデバイスがあります";
    }
    if (S_ISSOCK(found.st_mode)) {
        return "セーブファイルの場所にソケットがあります";
    }
    return "セーブファイルではありません";
}

}  // namespace mokopi::persist
