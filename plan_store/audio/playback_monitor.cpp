#include "playback_monitor.h"

#include <algorithm>

namespace {
// Far more than the output keeps buffered between serving and hearing.
constexpr qsizetype kRingFrames = 1 << 17;
// Runs the clock on no further than this past its last update, should the output stall.
constexpr qint64 kMaxExtrapolationUs = 200'000;
} // namespace

PlaybackMonitor::PlaybackMonitor() : m_ring(kRingFrames, 0.0f) {}

void PlaybackMonitor::begin(int sampleRate)
{
    std::lock_guard lock(m_mutex);
    std::fill(m_ring.begin(), m_ring.end(), 0.0f);
    m_served = 0;
    m_rate = sampleRate;
    m_heardUs = 0;
    m_heardAt = std::chrono::steady_clock::now();
    m_running = false;
}

void PlaybackMonitor::append(const float* frames, qsizetype count, int channels)
{
    std::lock_guard lock(m_mutex);
    for (qsizetype i = 0; i < count; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += frames[i * channels + c];
        m_ring[(m_served + i) % kRingFrames] = sum / channels;
    }
    m_served += count;
}

void PlaybackMonitor::setHeard(qint64 usecs, bool running)
{
    std::lock_guard lock(m_mutex);
    m_heardUs = usecs;
    m_heardAt = std::chrono::steady_clock::now();
    m_running = running;
}

qint64 PlaybackMonitor::heardUSecs() const
{
    std::lock_guard lock(m_mutex);
    return heardLocked();
}

qint64 PlaybackMonitor::heardLocked() const
{
    qint64 us = m_heardUs;
    if (m_running) {
        const auto since = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - m_heardAt);
        us += std::min<qint64>(since.count(), kMaxExtrapolationUs);
    }
    const qint64 servedUs = m_served * 1'000'000 / m_rate;
    return std::min(us, servedUs);
}

bool PlaybackMonitor::recentSamples(std::span<float> out) const
{
    std::lock_guard lock(m_mutex);
    std::fill(out.begin(), out.end(), 0.0f);
    if (!m_running)
        return false;
    const qint64 end = heardLocked() * m_rate / 1'000'000; // one past the sample heard now
    const qint64 size = qint64(out.size());
    for (qint64 i = 0; i < size; ++i) {
        const qint64 frame = end - size + i;
        if (frame >= 0 && frame < m_served && frame > m_served - kRingFrames)
            out[i] = m_ring[frame % kRingFrames];
    }
    return true;
}
