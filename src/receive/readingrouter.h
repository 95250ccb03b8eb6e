#ifndef QUILLON_RECEIVE_READINGROUTER_H
#define QUILLON_RECEIVE_READINGROUTER_H

#include "receive/lineassembler.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <string>

class KeyInjector;

// The route of what the device sends: collected into readings, each reading typed whole or not
// at all in keyboard mode, shown as it comes in log mode, and every byte lost on the line said.
// A reading is the bytes up to and including its line end or end marker. One that is not typed
// (the program's own window in front, a modifier held too long, no way of typing, a gap on the
// line, no end within the bound) goes to the data log whole, with what of it arrives later, and
// the next reading is judged on its own: a reading is never finished by its tail.
class ReadingRouter
{
    Q_DECLARE_TR_FUNCTIONS(ReadingRouter)

public:
    explicit ReadingRouter(int lineBound = LineAssembler::defaultLineBound);

    // What one read brought, with how many times the port found bytes lost on the line while
    // it was read.
    void receive(const QByteArray &bytes, int lossesFound);

    // Keyboard mode: types each complete reading, in the Fennick export mode with the device's
    // escapes for Enter and Tab turned into those keys. Returns what goes to the data log.
    QString typeDue(KeyInjector &injector, bool fennick);
    // Log mode: what goes to the data log.
    QString logDue();

    // The device is gone, or the port was closed or another chosen: its unfinished reading is
    // never joined to what comes next, nor lost without a word. Returns what goes to the log.
    QString dropUnfinishedReading(bool keyboardMode);

private:
    QString routeDue(bool keyboardMode, const std::function<QString()> &takeLine);
    QString typeReading(KeyInjector &injector, const ReceivedBytes &reading);
    QString notTyped(const ReceivedBytes &bytes, const QString &typedOfIt = QString()) const;
    QString takeOverlongLine(bool keyboardMode);
    QString withLossMark(const ReceivedBytes &bytes) const;
    void tellOfLosses();

    LineAssembler lines;
    // The reading that is still arriving was stopped (cut at the bound): none of it is typed.
    bool readingStopped = false;
    const std::string overlongSummary;
    const std::string lossSummary;
};

#endif
