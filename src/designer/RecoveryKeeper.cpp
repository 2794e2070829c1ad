#include "designer/RecoveryKeeper.h"

#include <algorithm>

namespace {

bool SameState(const RecoveryRecord& a, const RecoveryRecord& b) {
    return a.skinPath == b.skinPath && a.pngPath == b.pngPath && a.skinBytes == b.skinBytes;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString& folder, StateSource source, QObject* parent)
    : QObject(parent), m_slot(folder), m_source(std::move(source)) {
    m_period.setInterval(kPeriod);
    connect(&m_period, &QTimer::timeout, this, [this] { WriteNow(); });
    m_gap.setSingleShot(true);
    connect(&m_gap, &QTimer::timeout, this, [this] { WriteNow(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    // A designer that ends normally leaves nothing to recover; the slot removes its own file.
    for (StaleRecovery& found : m_adopted)
        found.Remove();
}

bool RecoveryKeeper::Open() {
    if (!m_slot.Open()) {
        Failed();
        return false;
    }
    m_period.start();
    return true;
}

void RecoveryKeeper::SetTimes(int periodMs, int stepGapMs) {
    m_period.setInterval(periodMs);
    m_stepGap = stepGapMs;
}

void RecoveryKeeper::StepTaken() {
    if (!IsOn() || m_gap.isActive())
        return;
    // Deferred even when due at once, so that a command that ends in several steps is written whole.
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : m_stepGap;
    m_gap.start(static_cast<int>(std::max<qint64>(0, m_stepGap - since)));
}

bool RecoveryKeeper::WriteNow() {
    if (!IsOn())
        return false;
    std::optional<RecoveryRecord> state = m_source();
    if (!state) {
        Discard();
        return true;
    }
    if (m_written && SameState(*m_written, *state))
        return true;
    m_gap.stop();
    m_sinceWrite.start();
    if (!m_slot.Write(*state)) {
        Failed();
        return false;
    }
    m_written = std::move(state);
    for (StaleRecovery& found : m_adopted)
        found.Remove();
    m_adopted.clear();
    return true;
}

void RecoveryKeeper::Discard() {
    m_gap.stop();
    m_written.reset();
    m_slot.Remove();
    for (StaleRecovery& found : m_adopted)
        found.Remove();
    m_adopted.clear();
}

void RecoveryKeeper::Adopt(StaleRecovery found) {
    m_adopted.push_back(std::move(found));
    WriteNow();
}

void RecoveryKeeper::Failed() {
    if (m_toldOff)
        return;
    m_toldOff = true;
    emit RecoveryOff();
}
