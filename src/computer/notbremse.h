// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_NOTBREMSE_H
#define PUNKTFELD_NOTBREMSE_H

#include <atomic>
#include <chrono>

// What may stop a decision besides its own counts of work: the question
// dropped, or, on a machine too slow for those counts, the clock past a
// safety cap. The counts alone make the answer depend on the position only;
// this brake is for the player never to wait too long.
class Notbremse
{
public:
    using Uhr = std::chrono::steady_clock;

    Notbremse(Uhr::time_point frist, const std::atomic<bool> *abbruch)
        : frist(frist),
          abbruch(abbruch)
    {
    }

    // True once the question is dropped or the cap is reached; it stays true.
    bool halt() const
    {
        if (!gestoppt && abbruch && abbruch->load(std::memory_order_relaxed))
            gestoppt = true;
        if (!gestoppt && Uhr::now() >= frist)
            gestoppt = gekappt = true;
        return gestoppt;
    }
    // True when the clock, not a dropped question, stopped the work.
    bool kappeErreicht() const { return gekappt; }

private:
    Uhr::time_point frist;
    const std::atomic<bool> *abbruch;
    mutable bool gestoppt = false;
    mutable bool gekappt = false;
};

#endif
