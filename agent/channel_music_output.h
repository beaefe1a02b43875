#pragma once

#include "audio_channel.h"
#include "music_output.h"

// The reminder window's music through the audio layer: the agent's MusicChannel.
class ChannelMusicOutput : public MusicOutput
{
public:
    bool open(const QString& path) override { return m_channel.open(path); }
    void play() override { m_channel.play(); }
    void stop() override { m_channel.stop(); }
    void pause() override { m_channel.pause(); }
    bool isPlaying() const override { return m_channel.isPlaying(); }
    std::array<float, 512> spectrum() const override { return m_channel.spectrum(); }

private:
    AudioChannel m_channel;
};
