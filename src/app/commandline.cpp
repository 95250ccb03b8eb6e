#include "app/commandline.h"

#include "app/translations.h"

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

struct Parser
{
    Parser()
    {
        // Qt's own options are single-dash words: -reverse must not read as a bundle holding -v.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)\n"
            "sends into the application that has the keyboard focus, or shows it in its own\n"
            "data log. Qt's own options, such as -platform and -style, are accepted too."));
        parser.addOption(help);
    }

    QCommandLineParser parser;
    // Not Qt's help option, whose --help-all would promise Qt's options: only an application
    // with a display knows them.
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Shows this help and exits.")};
    const QCommandLineOption version = parser.addVersionOption();
};

// The answer in the user's language, which needs an application object; one without a display
// serves, and the help names the program as it was started.
int answer(bool withHelp, int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    useLanguage();
    const Parser translated;
    if (withHelp)
        print(translated.parser.helpText());
    else
        print(QCoreApplication::translate("CommandLine", "Quillon %1").arg(QUILLON_VERSION) + '\n');
    return 0;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    Parser english;
    // Qt's own options are unknown here; the QApplication reads them from the same arguments.
    english.parser.parse(argumentList(argc, argv));
    if (english.parser.isSet(english.version))
        return answer(false, argc, argv);
    if (english.parser.isSet(english.help))
        return answer(true, argc, argv);
    return std::nullopt;
}
