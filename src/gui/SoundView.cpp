#include "gui/SoundView.h"

#include "checking/HitSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundView::SoundView(QObject* parent)
    : QObject(parent)
{
}

void SoundView::play(const QString& path)
{
    // The hit sound is made when it is missing; a file the user put there is played as it is.
    if (!HitSound::ensureFile(path))
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    if (m_source != path) {
        m_source = path;
        m_effect->setSource(QUrl::fromLocalFile(path));
    }
    m_effect->play();
}
