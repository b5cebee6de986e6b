#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The folder the build writes the assets into; MOKOPI_APP_DIR in the
// environment checks another folder, e.g. an installed copy.
inline QString appFile(const QString& name)
{
    const QByteArray env = qgetenv("MOKOPI_APP_DIR");
    return QDir(env.isEmpty() ? QString(MOKOPI_APP_DIR) : QString::fromLocal8Bit(env)).filePath(name);
}

// Every picture the game reads: the 34 of its store, the loading card and the title.
inline const QStringList& pictureNames()
{
    static const QStringList names = {
        "did.bmp", "u0.bmp", "u1.bmp", "o0.bmp", "o1.bmp", "t0.bmp", "t1.bmp", "h0.bmp", "h1.bmp",
        "l0.bmp", "l1.bmp", "lov.bmp", "endmix0.bmp", "endmix1.bmp", "endai0.bmp", "endai1.bmp",
        "endhirou0.bmp", "endhirou1.bmp", "enduta0.bmp", "enduta1.bmp", "endodori0.bmp", "endodori1.bmp",
        "endauta0.bmp", "endauta1.bmp", "endaodori0.bmp", "endaodori1.bmp", "endhuta0.bmp", "endhuta1.bmp",
        "endhodori0.bmp", "endhodori1.bmp", "ki.bmp", "ikari.bmp", "kanasimi.bmp", "raku.bmp",
        "load.bmp", "stt.bmp",
    };
    return names;
}

inline const QStringList& soundNames()
{
    static const QStringList names = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};
    return names;
}
