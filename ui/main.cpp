// tarvis: the planning program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStandardPaths>

#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "projekt/Programmverzeichnis.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVIS"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIS_VERSION_TEXT));

    // The standard buttons and dialogs of Qt speak the program's language.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("TARVIS"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption dirOption(QStringLiteral("programmverzeichnis"),
                                 QStringLiteral("Program directory (catalogue, element table, settings, projects)."),
                                 QStringLiteral("DIR"));
    parser.addOption(dirOption);
    parser.addPositionalArgument(QStringLiteral("clerk"), QStringLiteral("Clerk name on a multi-user workstation."),
                                 QStringLiteral("[clerk]"));
    parser.process(app);

    QString dir = parser.value(dirOption);
    if (!parser.isSet(dirOption)) {
        // Beside the binary, or a per-user copy of the installed template.
        QString benutzer = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/programm");
        auto wahl = tarvis::ProgrammverzeichnisFinden(QApplication::applicationDirPath().toStdString(), benutzer.toStdString());
        dir = QString::fromStdString(wahl.verzeichnis.string());
    }
    std::optional<std::string> clerk;
    if (!parser.positionalArguments().isEmpty()) clerk = parser.positionalArguments().first().toStdString();

    tarvis::ui::Anwendung anwendung;
    if (!anwendung.starten(QDir(dir).absolutePath().toStdString(), clerk)) return 1;
    anwendung.hauptfenster().show();
    return app.exec();
}
