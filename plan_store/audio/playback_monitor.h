#pragma once

#include <QtGlobal>

#include <chrono>
#include <mutex>
#include <span>
#include <vector>

// What the audio thread has served and what the listener hears now, for readers on other
// threads: the heard position and the mono samples around it for the spectrum.
class PlaybackMonitor
{
public:
    PlaybackMonitor();

    // A new stream: forgets the samples and the position.
    void begin(int sampleRate);
    // Frames just handed to the output, interleaved.
    void append(const float* frames, qsizetype count, int channels);
    // The output's own clock; between updates the position runs on while `running`.
    void setHeard(qint64 usecs, bool running);

    qint64 heardUSecs() const;
    // The mono samples ending at the one heard now; false when nothing runs.
    bool recentSamples(std::span<float> out) const;

private:
    qint64 heardLocked() const;

    mutable std::mutex m_mutex;
    std::vector<float> m_ring; // by absolute frame number modulo its size
    qint64 m_served = 0;
    int m_rate = 44100;
    qint64 m_heardUs = 0;
    std::chrono::steady_clock::time_point m_heardAt;
    bool m_running = false;
};
