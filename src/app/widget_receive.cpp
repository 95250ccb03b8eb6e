#include "app/widget.h"

#include "app/widgetform.h"
#include "serial/connection.h"
#include "typing/keyinjector.h"

#include <QScrollBar>
#include <QTextBrowser>

void Widget::readMyCom()
{
    if (!connection->isOpen())
        return;
    if (connection->bytesAvailable() <= 0)
        return;
    receivedLines.append(connection->readAll());
    for (;;) {
        switch (receivedLines.due()) {
        case LineAssembler::Due::Nothing:
            return;
        case LineAssembler::Due::OverlongLine:
            putOutOverlongLine();
            break;
        case LineAssembler::Due::Line:
            troubleIsOver(overlongLineSummary);
            if (ui->checkBox_ToKeyboard->isChecked())
                readMyComAsKeyboard();
            else
                appendToLog(receivedLines.takeForLog());
            break;
        }
    }
}

// A line that has reached the bound without an end is never typed: so much text is no reading,
// and would hold the window for minutes. It is kept where the user can see what came, and said
// until a line ends again.
void Widget::putOutOverlongLine()
{
    if (ui->checkBox_ToKeyboard->isChecked())
        logNotTyped(receivedLines.takeOverlongLine());
    else
        appendToLog(receivedLines.takeOverlongLineForLog());
    tellUser(overlongLineSummary,
             tr("Check its line-end and baud rate settings. What it sent is in Quillon's data log.")
                 .toStdString());
}

// New text always goes at the end, whatever the user has clicked or selected in the log, and the
// view follows it only while the user has not scrolled away from the end.
void Widget::appendToLog(const QString &text)
{
    QTextBrowser *log = ui->textBrowser_dataLog;
    QScrollBar *scroll = log->verticalScrollBar();
    const bool followingTheEnd = scroll->value() == scroll->maximum();
    const int scrolledTo = scroll->value();
    QTextCursor userCursor = log->textCursor();
    // A selection that reaches the end would otherwise grow over the new text.
    userCursor.setKeepPositionOnInsert(true);

    QTextCursor end(log->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    dropOldestLogLines();

    if (userCursor.hasSelection())
        log->setTextCursor(userCursor);
    scroll->setSliderPosition(followingTheEnd ? 1000000000 : scrolledTo);
}

void Widget::setLogLineLimit(int lines)
{
    logLineLimit = lines;
    dropOldestLogLines();
}

// Lines are dropped an eighth of the limit at a time: each removal at the top lays the whole log
// out again, which for every single line would cost more than a fast device leaves time for.
void Widget::dropOldestLogLines()
{
    QTextDocument *document = ui->textBrowser_dataLog->document();
    const int excess = document->blockCount() - logLineLimit;
    if (excess <= 0 || excess <= logLineLimit / 8)
        return;
    QTextCursor oldest(document);
    oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, excess);
    oldest.removeSelectedText();
}

void Widget::readMyComAsKeyboard()
{
    const ReceivedBytes line = receivedLines.takeForTyping(directMode);
    const std::string untyped = keyInjector().typeLine(
        {line.bytes.constData(), static_cast<size_t>(line.bytes.size())}, line.lineEndsBefore);
    if (!untyped.empty())
        logNotTyped(line.last(static_cast<int>(untyped.size())));
}

// A reading that could not be typed is kept where the user can still copy it. A line feed that
// only completes the carriage return of a reading before it shows nothing.
void Widget::logNotTyped(const ReceivedBytes &bytes)
{
    QString text = bytes.logText();
    if (text.isEmpty())
        return;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    appendToLog(tr("Not typed: %1").arg(text));
}

void Widget::on_pushButtonClear_clicked()
{
    ui->textBrowser_dataLog->clear();
}

void Widget::on_comboBox_ExportMode_currentIndexChanged(const QString &arg1)
{
    directMode = arg1 == QLatin1String("Fennick");
}
