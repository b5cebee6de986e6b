// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>

#include <signal.h>
#include <sys/prctl.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "support/wait.h"

namespace mokopi::e2e {

// Ends a program a test started: SIGTERM first, so that Xvfb and PulseAudio
// clean up after themselves, then SIGKILL if it lingers.
struct StopProgram {
    void operator()(QProcess* program) const
    {
        program->terminate();
        if (program->state() != QProcess::NotRunning && !program->waitForFinished(3000)) {
            program->kill();
            program->waitForFinished();
        }
        delete program;
    }
};
using Program = std::unique_ptr<QProcess, StopProgram>;

// Copies the built application folder, which the build names in
// MOKOPI_APP_DIR, into `folder`: a game of the test's own, whose files it may
// break.
inline void copyBuiltGame(const QString& folder)
{
    const std::string built = qEnvironmentVariable("MOKOPI_APP_DIR").toStdString();
    if (!std::filesystem::is_regular_file(built + "/mokopi"))
        throw std::runtime_error("MOKOPI_APP_DIR must name the built application folder");
    std::filesystem::copy(built, folder.toStdString(), std::filesystem::copy_options::recursive);
}

// Starts a program that dies with the test program, even one killed by its
// time limit. Its standard output is the test's to read; its errors go to
// the log file, if any.
inline Program startProgram(const QString& name, const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                            const QString& logFile = {})
{
    Program program(new QProcess);
    program->setProcessEnvironment(environment);
    program->setStandardErrorFile(logFile.isEmpty() ? QProcess::nullDevice() : logFile, QIODevice::Append);
    program->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    program->start(name, arguments);
    if (!program->waitForStarted())
        throw std::runtime_error("cannot start " + name.toStdString());
    return program;
}

// Runs a program to its end, for its exit code and output. Throws if it
// crashes or runs for too long.
inline Program runProgram(const QString& name, const QStringList& arguments,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    Program program = startProgram(name, arguments, environment);
    if (!program->waitForFinished(static_cast<int>(PatientWait.count()))
        || program->exitStatus() != QProcess::NormalExit)
        throw std::runtime_error(name.toStdString() + " did not end well");
    return program;
}

}  // namespace mokopi::e2e
