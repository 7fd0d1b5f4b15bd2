// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/soundplayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectPlayer final : public SoundPlayer
{
public:
    void play(const QString &file) override
    {
        const QFileInfo info(file);
        if (!info.isFile() || QMediaDevices::defaultAudioOutput().isNull())
            return;
        // The effect belongs to the application, so it goes before the application does.
        if (!m_effect)
            m_effect = new QSoundEffect(QCoreApplication::instance());
        m_effect->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        m_effect->play();
    }

private:
    QPointer<QSoundEffect> m_effect;
};

SoundPlayer *installed = nullptr;

} // namespace

SoundPlayer &SoundPlayer::current()
{
    static EffectPlayer real;
    return installed ? *installed : real;
}

void SoundPlayer::install(SoundPlayer *player)
{
    installed = player;
}
