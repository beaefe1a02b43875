#pragma once

#include <QString>

#include <array>

// The agent's one current music stream, as the reminder window needs it.
class MusicOutput
{
public:
    virtual ~MusicOutput() = default;
    // Stops what plays and makes the file current; false when it cannot be played.
    virtual bool open(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
    virtual std::array<float, 512> spectrum() const = 0;
};
