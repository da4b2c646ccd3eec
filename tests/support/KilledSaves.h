#pragma once
// Saves killed at random moments: a child process saves in a loop until it is
// killed with SIGKILL after a random delay, then the file on disk is checked.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

// saveRound: one round of saves in the child; false ends the child with a failure.
// checkFile: called after each kill, with the round's number.
inline void KillSavesAtRandomMoments(int rounds, std::chrono::microseconds longestDelay,
                                     const std::function<bool()>& saveRound,
                                     const std::function<void(int round)>& checkFile)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long long> delay(0, longestDelay.count());
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                if (!saveRound())
                    ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child's saves failed";
        checkFile(round);
    }
}
