// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "game/picture_id.h"

class QWidget;

namespace mokopi::ui {

// Gives the window's controls, found by their object names, the Japanese
// names and descriptions screen readers speak (a description is the tool tip
// and the keys that work the control), the pet picture the role of a picture
// and the fatigue bar the role of a bar with a value. Labels that show text
// are named by their text, so a change of the speech line is announced as a
// change of its name.
void describeControls(QWidget* window);

// Gives a control a new accessible name. Screen readers hear of a change
// only: the picture is set ten times a second and the day every hour.
void setSpokenName(QWidget* control, const QString& name);

// What the pet picture shows, as its name.
QString pictureName(game::Picture picture);
QString titlePictureName();

// The hour and the day as they are read aloud: "23時", "23日".
QString spokenHour(const QString& hourCaption);
QString spokenDay(const QString& dayCaption);

}  // namespace mokopi::ui
