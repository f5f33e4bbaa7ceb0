#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays the hit sound without waiting. The effect is made at the first hit, so a run without hits
// never touches the audio system; without an audio device it stays silent.
class SoundView : public QObject
{
    Q_OBJECT
public:
    explicit SoundView(QObject* parent = nullptr);

    void play(const QString& path);

private:
    QSoundEffect* m_effect = nullptr;
    QString m_source;
};
