#ifndef QUILLON_TESTS_CHILDPROCESS_H
#define QUILLON_TESTS_CHILDPROCESS_H

#include <QProcess>
#include <QStringList>

// Starts a helper (an X server, a compositor, a receiving application) that cannot outlive the
// test: the kernel kills it when the test process ends, however that ends. `setprivOptions` can
// also change its user, as sway needs.
void startTiedToTest(QProcess &process, const QString &program, const QStringList &arguments,
                     const QStringList &setprivOptions = {});

// Asks the helper to end, and kills it if it has not within a bounded time.
void stopChild(QProcess &process);

#endif
