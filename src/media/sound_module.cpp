// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLibrary>

#include "media/sounds.h"

namespace mokopi::media {

namespace {

// What a game without its sound module plays: nothing.
class SilentSounds final : public Sounds {
public:
    void play(int) override {}
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool plays(int) const override { return false; }

private:
    bool open_ = true;
};

}  // namespace

std::unique_ptr<Sounds> openSounds(const QString& appPath, const QString& moduleFolder)
{
    // The library stays loaded for the rest of the run: the sounds it made
    // live in it.
    QLibrary module(moduleFolder + QLatin1String(SoundModuleFile));
    if (!moduleFolder.isEmpty())
        if (const auto open = reinterpret_cast<OpenSoundsFunction>(module.resolve(SoundModuleEntry)))
            return std::unique_ptr<Sounds>(open(appPath));
    return std::make_unique<SilentSounds>();
}

}  // namespace mokopi::media
