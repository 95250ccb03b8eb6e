// The data log over a long run: a pseudo-terminal pushes 100 MiB of readings at full speed into
// the program's window in log mode. Prints throughput, resident memory at start, when the log
// reaches its line bound and at the end, and how long one processing takes at the bound.
// With the argument "no-line-end" instead: a device that never ends its line, 1 MiB in 64-byte
// reads into the window in keyboard mode; prints the CPU time and resident memory it costs.
#include "app/datalog.h"
#include "app/widget.h"
#include "serial/portlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

long long floodBytes = 100LL * 1024 * 1024; // or as many MiB as the first argument says
const std::string reading = "12.345 g\r\n";

double residentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

// Runs the event loop until `done` holds, checking every few milliseconds.
template <typename Done> void runUntil(Done done, int everyMs = 5)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    check.start(everyMs);
    loop.exec();
}

struct Flood
{
    double seconds = 0, rssStart = 0, rssAtBound = 0, rssMaxAfterBound = 0, rssEnd = 0;
    long long bytesAtBound = 0;
};

Flood flood(int master, QTextDocument *log)
{
    Flood result;
    result.rssStart = residentMiB();
    std::atomic<long long> sent{0};
    std::thread writer([&] {
        std::string block;
        while (block.size() < 65536)
            block += reading;
        while (sent < floodBytes) {
            writeAll(master, block);
            sent += static_cast<long long>(block.size());
        }
        writeAll(master, "done\r\n");
    });
    QElapsedTimer clock;
    clock.start();
    const int bound = DataLog::defaultLineLimit;
    runUntil(
        [&] {
            const double rss = residentMiB();
            if (result.bytesAtBound == 0 && log->blockCount() >= bound) {
                result.bytesAtBound = sent;
                result.rssAtBound = rss;
            }
            if (result.bytesAtBound != 0)
                result.rssMaxAfterBound = std::max(result.rssMaxAfterBound, rss);
            return log->lastBlock().previous().text() == QLatin1String("done");
        },
        250);
    result.seconds = clock.elapsed() / 1000.0;
    result.rssEnd = residentMiB();
    writer.join();
    return result;
}

// From writing one reading into the device to the program being idle again, with the log full.
std::vector<double> processingTimesMs(int master, QTextDocument *log, int count)
{
    std::vector<double> times;
    bool changed = false;
    QObject::connect(log, &QTextDocument::contentsChanged, [&] { changed = true; });
    for (int i = 0; i < count; ++i) {
        changed = false;
        QElapsedTimer clock;
        clock.start();
        writeAll(master, reading);
        runUntil([&] { return changed; }, 0);
        bool idle = false;
        QTimer::singleShot(0, [&] { idle = true; });
        runUntil([&] { return idle; }, 0);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

double threadCpuSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Each 64 bytes are written once the program has read the ones before, so that every read of
// the program's takes 64 bytes, as from a slow line: nothing reads the pty while this thread,
// the program's, waits for them to arrive.
void measureNoLineEnd(int master, int slave, QTextDocument *log)
{
    constexpr int total = 1024 * 1024, chunk = 64;
    const std::string digits(chunk, '7');
    const double rssStart = residentMiB();
    const double cpuStart = threadCpuSeconds();
    for (int sent = 0; sent < total; sent += chunk) {
        writeAll(master, digits);
        pollfd arrived = {slave, POLLIN, 0};
        poll(&arrived, 1, -1);
        int waiting = 0;
        while (ioctl(slave, FIONREAD, &waiting) == 0 && waiting > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::printf("| device without a line end: 1 MiB in %d-byte reads, keyboard mode | figure |\n"
                "|---|---|\n",
                chunk);
    std::printf("| CPU time of the program's thread (s) | %.2f |\n", threadCpuSeconds() - cpuStart);
    std::printf("| resident memory before → after (MiB) | %.1f → %.1f |\n", rssStart,
                residentMiB());
    std::printf("| lines in the data log | %d |\n", log->blockCount() - 1);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool noLineEnd = argc > 1 && std::strcmp(argv[1], "no-line-end") == 0;
    if (argc > 1 && !noLineEnd)
        floodBytes = std::atoll(argv[1]) * 1024 * 1024;
    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    QApplication app(argc, argv);
    PortList::replaceForTests({QString::fromLatin1(name)});
    Widget window;
    window.show();
    QTextDocument *log =
        window.findChild<QTextBrowser *>(QStringLiteral("textBrowser_dataLog"))->document();
    if (noLineEnd) {
        measureNoLineEnd(master, slave, log);
        return 0;
    }
    window.findChild<QCheckBox *>(QStringLiteral("checkBox_ToKeyboard"))->click();

    const Flood run = flood(master, log);
    const std::vector<double> times = processingTimesMs(master, log, 200);
    std::printf("| log mode, %lld MiB of %zu-byte readings at full speed | figure |\n|---|---|\n",
                floodBytes / 1048576, reading.size());
    std::printf("| throughput (bytes/s taken in and shown) | %.0f |\n", floodBytes / run.seconds);
    std::printf("| bounds of the log | %d lines, %d characters |\n", DataLog::defaultLineLimit,
                DataLog::defaultCharacterLimit);
    std::printf("| resident memory at start (MiB) | %.1f |\n", run.rssStart);
    std::printf("| resident memory when the bound is reached, after %.1f MiB (MiB) | %.1f |\n",
                run.bytesAtBound / 1048576.0, run.rssAtBound);
    std::printf("| resident memory, highest after the bound (MiB) | %.1f |\n",
                run.rssMaxAfterBound);
    std::printf("| resident memory at the end (MiB) | %.1f |\n", run.rssEnd);
    std::printf("| one reading processed at the bound, median / max of %zu (ms) | %.2f / %.2f |\n",
                times.size(), times[times.size() / 2], times.back());
    close(slave);
    close(master);
    return 0;
}
