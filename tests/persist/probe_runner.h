// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

namespace mokopi::testing {


inline bool runningAsRoot() { return ::geteuid() == 0; }

// Runs save_file_probe in a process of its own as a player without special
// rights: as nobody when the tests run as root (root writes into read-only
// folders and could replace a device node), as the tester otherwise. The
// probe is copied into a temporary folder of its own, so no part of the build
// tree needs to be open to nobody.
class ProbeRunner {
public:
    ProbeRunner()
    {
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(folder_.path(), open);
        QFile::copy(QStringLiteral(SAVE_FILE_PROBE), folder_.filePath("probe"));
        QFile::setPermissions(folder_.filePath("probe"), open);
    }

    // A new folder that the player may write, or only read.
    QString folder(const QString& name, bool writable) const
    {
        const QString path = folder_.filePath(name);
        QDir().mkpath(path);
        if (writable && runningAsRoot()) {
            const passwd* nobody = ::getpwnam("nobody");
            EXPECT_TRUE(nobody && ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        }
        return path;
    }
    // Call once the test has put its files into a read-only folder: root's own
    // folder is closed to nobody already, the tester's must be made read-only.
    static void close(const QString& readOnlyFolder)
    {
        if (!runningAsRoot()) {
            QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::ExeOwner);
        }
    }

    // Runs "save PATH" or "load PATH": the probe's one line of output, or
    // "(blocked)" when it has not finished within a few seconds.
    QString run(const QString& command, const QString& path) const
    {
        QString program = folder_.filePath("probe");
        QStringList arguments{command, path};
        if (runningAsRoot()) {
            arguments = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", program} + arguments;
            program = QStringLiteral("setpriv");
        }
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
            return QStringLiteral("(blocked)");
        }
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
    }

private:
    QTemporaryDir folder_;
};

}  // namespace mokopi::testing
