#pragma once

#include <QString>

#include <array>

// One current sound of a program, as its windows use it; AudioChannel plays it for real,
// tests put a fake in its place.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Stops what plays and makes the file current; false when it cannot be played.
    virtual bool open(const QString& path) = 0;
    // Plays the current sound from its start.
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
    // 512 magnitudes of the sound being heard; zeros while nothing plays.
    virtual std::array<float, 512> spectrum() const = 0;
};
