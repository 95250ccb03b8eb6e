#ifndef QUILLON_TESTS_STDERRCAPTURE_H
#define QUILLON_TESTS_STDERRCAPTURE_H

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

// Runs `action` with stderr captured, and returns what it wrote there.
template <typename Action> QByteArray capturedStderr(Action action)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(pipeEnds[1], STDERR_FILENO);
    action();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    close(pipeEnds[1]);
    QByteArray text;
    char chunk[512];
    ssize_t got;
    while ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0)
        text.append(chunk, static_cast<int>(got));
    close(pipeEnds[0]);
    return text;
}

#endif
