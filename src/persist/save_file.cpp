#include "persist/save_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace mokopi {
namespace {

// A real save is about a hundred bytes; anything this large is not one, and
// reading no further keeps a wrong file from filling memory.
constexpr qint64 MaxSaveFileBytes = 64 * 1024;

}  // namespace

std::variant<std::string, FileError> readSaveFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return FileError{"セーブファイルがありません"};
    }
    if (info.isDir()) {
        return FileError{"セーブファイルの場所にフォルダーがあります"};
    }
    // Devices and pipes are not save files, and reading one could block.
    if (!info.isFile()) {
        return FileError{"セーブファイルではありません"};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileError{"セーブファイルを読めません"};
    }
    const QByteArray bytes = file.read(MaxSaveFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileError{"セーブファイルを読めません"};
    }
    if (bytes.size() > MaxSaveFileBytes) {
        return FileError{"セーブファイルが大きすぎます"};
    }
    return bytes.toStdString();
}

std::variant<std::monostate, FileError> writeSaveFile(const QString& path, const std::string& bytes) {
    // QSaveFile writes a temporary file beside the old one and renames it over
    // only when everything was written; the direct-write fallback stays off so
    // a folder without room for the temporary file fails instead of truncating.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileError{"セーブファイルを作れません"};
    }
    const auto size = static_cast<qint64>(bytes.size());
    // commit() overlooks a failing last flush and a failing sync (Qt 6.4), so
    // both are checked here first. Leaving without commit() removes the
    // temporary file.
    if (file.write(bytes.data(), size) != size || !file.flush() || ::fsync(file.handle()) != 0 ||
        !file.commit()) {
        return FileError{"セーブファイルを書き込めません"};
    }
    return std::monostate{};
}

}  // namespace mokopi
