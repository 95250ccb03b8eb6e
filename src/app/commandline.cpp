#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
}

// The help names the program as it was started, which Qt takes from an application object; one
// without a display serves.
QString helpText(const QCommandLineParser &parser, int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    return parser.helpText();
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -reverse must not read as a bundle holding -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)\n"
        "sends into the application that has the keyboard focus, or shows it in its own\n"
        "data log. Qt's own options, such as -platform and -style, are accepted too."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's own options are unknown here; the QApplication reads them from the same arguments.
    parser.parse(argumentList(argc, argv));
    if (parser.isSet(version)) {
        print(QCoreApplication::translate("CommandLine", "Quillon %1").arg(QUILLON_VERSION) + '\n');
        return 0;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(helpText(parser, argc, argv));
        return 0;
    }
    return std::nullopt;
}
