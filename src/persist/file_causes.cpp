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
    case ENOTDIR:
        return reading ? MOKOPI_TR_NOOP("Save file", "セーブファイルがありません")
                       : MOKOPI_TR_NOOP("Save file", "保存先のフォルダーがありません");
    case EACCES:
    case EPERM:
        return reading ? MOKOPI_TR_NOOP("Save file", "読む権限がありません")
                       : MOKOPI_TR_NOOP("Save file", "書き込む権限がありません");
    case EROFS: return MOKOPI_TR_NOOP("Save file", "読み取り専用の場所には書き込めません");
    case ENOSPC: return MOKOPI_TR_NOOP("Save file", "ディスクがいっぱいです");
    case EDQUOT: return MOKOPI_TR_NOOP("Save file", "ディスクの使用量が上限に達しています");
    case EFBIG: return MOKOPI_TR_NOOP("Save file", "ファイルの大きさの上限を超えます");
    case ELOOP: return MOKOPI_TR_NOOP("Save file", "リンクが循環しています");
    case ENAMETOOLONG: return MOKOPI_TR_NOOP("Save file", "場所の名前が長すぎます");
    case EIO: return MOKOPI_TR_NOOP("Save file", "ディスクの読み書きに失敗しました");
    case EMFILE:
    case ENFILE: return MOKOPI_TR_NOOP("Save file", "開いているファイルが多すぎます");
    case ENOMEM: return MOKOPI_TR_NOOP("Save file", "メモリが足りません");
    case EBUSY:
    case ETXTBSY: return MOKOPI_TR_NOOP("Save file", "ほかのプログラムが使用中です");
    default:
        // Rare enough to need no words of its own; the number helps whoever looks into it.
        return std::string(reading ? MOKOPI_TR_NOOP("Save file", "セーブファイルを読めません")
                                   : MOKOPI_TR_NOOP("Save file", "セーブファイルを書き込めません"))
            + ErrorNumberLabel + std::to_string(error);
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
        return MOKOPI_TR_NOOP("Save file", "セーブファイルの場所にフォルダーがあります");
    }
    if (S_ISFIFO(found.st_mode)) {
        return MOKOPI_TR_NOOP("Save file", "セーブファイルの場所にパイプがあります");
    }
    if (S_ISCHR(found.st_mode) || S_ISBLK(found.st_mode)) {
        return MOKOPI_TR_NOOP("Save file", "セーブファイルの場所にデバイスがあります");
    }
    if (S_ISSOCK(found.st_mode)) {
        return MOKOPI_TR_NOOP("Save file", "セーブファイルの場所にソケットがあります");
    }
    return MOKOPI_TR_NOOP("Save file", "セーブファイルではありません");
}

}  // namespace mokopi::persist
