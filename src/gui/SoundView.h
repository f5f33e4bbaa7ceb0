#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;
class Session;

// Plays the hit sound without waiting. The effect is made at the first hit, so a run without hits
// never touches the audio system; without an audio device it stays silent.
class SoundView : public QObject
{
    Q_OBJECT
public:
    explicit SoundView(QObject* parent = nullptr);

    void play(const QString& path);
    // Routes the session's playSound through a player owned by parent.
    static void install(Session& session, QObject* parent);

private:
    QSoundEffect* m_effect = nullptr;
    QString m_source;
};
