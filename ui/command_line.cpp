#include "ui/command_line.h"

#include "files/game_file.h"
#include "ui/languages.h"
#include "ui/main_window.h"
#include "ui/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <cstdio>

namespace kv {

namespace {

QString codeOf(const LanguageEntry& e)
{
    return QString::fromLatin1(e.code.data(), qsizetype(e.code.size()));
}

// The system's language when it is one of ours, else English: a terminal in
// another language reads English more often than French.
int systemLanguage()
{
    const QString code = QLocale::system().name().left(2);
    for (const LanguageEntry& e : kLanguageTable)
        if (code == codeOf(e)) return e.index;
    return English;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    // The help's texts are translated while the parser is built.
    Translations helpLanguage;
    helpLanguage.apply(systemLanguage());
    QStringList codes;
    for (const LanguageEntry& e : kLanguageTable) codes << codeOf(e);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "kv::CommandLine",
        "Korvelan, le jeu de dames sur 64 cases, contre l'ordinateur ou entre amis."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(
        "lang",
        QCoreApplication::translate("kv::CommandLine", "Démarrer dans la langue CODE : %1.")
            .arg(codes.join(", ")),
        "CODE");
    parser.addOption(lang);
    parser.addPositionalArgument(
        QCoreApplication::translate("kv::CommandLine", "FICHIER"),
        QCoreApplication::translate(
            "kv::CommandLine",
            "Une partie à ouvrir : une partie Korvelan (.dam), un texte ou un PDN."),
        QCoreApplication::translate("kv::CommandLine", "[FICHIER]"));

    CommandLine line;
    const auto refuse = [&line](const QString& why) {
        line.exitStatus = 2;
        line.message = "korvelan: " + why + "\n"
            + QCoreApplication::translate("kv::CommandLine",
                                          "Les options sont décrites par korvelan --help.")
            + "\n";
        return line;
    };
    if (!parser.parse(arguments)) return refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet("help-all")) {
        line.exitStatus = 0;
        // The program by its name, wherever it was started from.
        line.message = parser.helpText();
        for (const QString& started :
             { QCoreApplication::arguments().value(0), arguments.value(0) })
            if (!started.isEmpty()) line.message.replace(started, "korvelan");
        return line;
    }
    if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.message = "korvelan " + QCoreApplication::applicationVersion() + "\n";
        return line;
    }
    if (parser.isSet(lang)) {
        const QString code = parser.value(lang).toLower();
        for (const LanguageEntry& e : kLanguageTable)
            if (code == codeOf(e)) line.language = e.index;
        if (line.language < 0)
            return refuse(QCoreApplication::translate("kv::CommandLine",
                                                      "langue inconnue « %1 » (les langues : %2)")
                              .arg(parser.value(lang), codes.join(", ")));
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QCoreApplication::translate("kv::CommandLine", "un seul fichier à la fois"));
    // Absolute now: the window works in its program directory.
    if (!files.isEmpty()) line.file = QFileInfo(files.constFirst()).absoluteFilePath();
    return line;
}

int finishCommandLine(const CommandLine& line)
{
    const QByteArray text = line.message.toLocal8Bit();
    std::fputs(text.constData(), line.exitStatus == 0 ? stdout : stderr);
    return line.exitStatus.value_or(0);
}

bool isGameFile(const QString& path)
{
    const QFileInfo file(path);
    return file.suffix().compare("dam", Qt::CaseInsensitive) == 0
        || file.size() == qint64(kGameFileSize);
}

void startWith(MainWindow& window, const CommandLine& line)
{
    if (line.language >= 0) window.applyLanguage(line.language);
    if (line.file.isEmpty()) return;
    // The flat board, as its button on the welcome panel gives it, then the
    // file in place of the last game once the window's loop runs, as a menu
    // command would open it: a question about a collection's games is then
    // painted and answered like theirs.
    window.startWithFlatBoard();
    QTimer::singleShot(0, &window, [&window, path = line.file] {
        if (isGameFile(path)) window.openGameFile(path);
        else window.openExchangeFile(path);
    });
}

} // namespace kv
