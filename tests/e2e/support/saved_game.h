// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QList>
#include <QRegularExpression>

#include <array>
#include <stdexcept>
#include <string>

namespace mokopi::e2e {

// The one record of mokopi.dat, read by the tests' own small reader rather
// than the game's: what the file says, not what the game thinks it wrote.
// Names stay in the file's bytes (code page 932).
struct SavedGame {
    std::string owner, pet;
    int affection = 0, song = 0, dance = 0, fatigue = 0, hour = 0, day = 0;
    std::array<bool, 9> cleared{};
    bool started = true;

    // The hour runs from 1 to 24; the day turns as it reaches 24.
    int hoursPlayed() const { return day * 24 + hour % 24; }
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Throws for anything but one well-formed record.
inline SavedGame readSavedGame(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.toStdString());
    const QByteArray record = in.readAll();
    static const QRegularExpression wellFormed(R"(^"[^"]*","[^"]*"(,-?\d+){6}(,#(TRUE|FALSE)#){10}\r\n$)");
    if (!wellFormed.match(QString::fromLatin1(record)).hasMatch())
        throw std::runtime_error("not one well-formed record: " + record.toStdString());
    // A code page 932 name has no comma or quote in it, not even inside a character.
    const QList<QByteArray> f = record.chopped(2).split(',');
    SavedGame g{f[0].mid(1, f[0].size() - 2).toStdString(), f[1].mid(1, f[1].size() - 2).toStdString()};
    int* numbers[] = {&g.affection, &g.song, &g.dance, &g.fatigue, &g.hour, &g.day};
    for (int i = 0; i < 6; ++i)
        *numbers[i] = f[2 + i].toInt();
    for (int i = 0; i < 9; ++i)
        g.cleared[i] = f[8 + i] == "#TRUE#";
    g.started = f[17] == "#TRUE#";
    return g;
}

inline void writeSavedGame(const QString& file, const SavedGame& g)
{
    QByteArray record = "\"" + QByteArray::fromStdString(g.owner) + "\",\"" + QByteArray::fromStdString(g.pet) + "\"";
    for (int n : {g.affection, g.song, g.dance, g.fatigue, g.hour, g.day})
        record += "," + QByteArray::number(n);
    for (bool mark : g.cleared)
        record += mark ? ",#TRUE#" : ",#FALSE#";
    record += g.started ? ",#TRUE#\r\n" : ",#FALSE#\r\n";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(record) != record.size())
        throw std::runtime_error("cannot write " + file.toStdString());
}

}  // namespace mokopi::e2e
