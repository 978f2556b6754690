#include "app/befehlszeile.h"

#include "app/analyseaufruf.h"
#include "app/ausfuhr.h"
#include "app/exportformate.h"
#include "generated/version.h"
#include "platform/dateigrund.h"
#include "platform/plattform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace velmora {

namespace {

const QString optionHilfe = QStringLiteral("--help");
const QString kurzHilfe = QStringLiteral("-h");
const QString optionVersion = QStringLiteral("--version");
const QString optionExport = QStringLiteral("--export");
const QString optionAusgabe = QStringLiteral("--ausgabe");
const QString optionAnalysefenster = QStringLiteral("--analyse-fenster");
const QString optionAnalyse = QStringLiteral("--analyse");
const QString optionFormat = QStringLiteral("--format");

QString formatnamen() {
    QStringList namen;
    for (const Exportformat& format : exportformate) {
        namen.append(QString::fromUtf8(format.name));
    }
    return namen.join(QStringLiteral(", "));
}

QString aufrufhilfe() {
    QString formate;
    for (const Exportformat& format : exportformate) {
        formate += QStringLiteral("                     %1  %2\n")
                       .arg(QString::fromUtf8(format.name), -4)
                       .arg(QString::fromUtf8(format.beschreibung));
    }
    return QStringLiteral(
               "Aufruf:\n"
               "  velmora [DATEI]\n"
               "  velmora --export FORMAT [--ausgabe PFAD] [DATEI]\n"
               "  velmora --analyse [--format text|json] [DATEI|-]\n"
               "  velmora --analyse-fenster [DATEI]\n"
               "  velmora --help | -h | --version\n"
               "\n"
               "Ohne --export und --analyse öffnet Velmora das Fenster, mit DATEI darin diese\n"
               "Datei.\n"
               "\n"
               "  DATEI            ein Zeugnis (*.zeugnis) oder eine Einstellungsdatei\n"
               "                   (arbeitszeugnis.ini); ohne DATEI gibt --export das\n"
               "                   zuletzt im Fenster bearbeitete Zeugnis aus\n"
               "  --export FORMAT  das Zeugnis ohne Fenster ausgeben; FORMAT ist\n"
               "%1"
               "  --ausgabe PFAD   das Zeugnis unter PFAD speichern; mit „-“ erscheint es\n"
               "                   auf der Standardausgabe. Ohne --ausgabe wird es im\n"
               "                   Dokumente-Ordner als „Zeugnis.FORMAT“ gespeichert, ohne\n"
               "                   eine vorhandene Datei zu überschreiben.\n"
               "  --analyse        ein Zeugnis (Text, PDF, Word, RTF oder *.zeugnis; ohne\n"
               "                   DATEI oder mit „-“ von der Standardeingabe) Satz für Satz\n"
               "                   auswerten\n"
               "  --format         die Auswertung als Tabelle (text) oder als JSON (json)\n"
               "  --analyse-fenster\n"
               "                   das Fenster „Zeugnisanalyse“ öffnen, mit DATEI auf diesem\n"
               "                   Zeugnis (Text, PDF, Word, RTF oder *.zeugnis)\n"
               "  --help, -h       diese Hilfe anzeigen\n"
               "  --version        die Versionsnummer anzeigen\n")
        .arg(formate);
}

Aufruf fehlgebrauch(const QString& fehler) {
    Aufruf aufruf;
    aufruf.art = Aufruf::Art::Fehlgebrauch;
    aufruf.fehler = fehler;
    return aufruf;
}

// errno of the first write that failed, 0 when all went out.
int schreiben(std::FILE* ziel, const QByteArray& inhalt) {
    errno = 0;
    const bool geschrieben = std::fwrite(inhalt.constData(), 1, std::size_t(inhalt.size()), ziel) ==
                                 std::size_t(inhalt.size()) &&
                             std::fflush(ziel) == 0;
    return geschrieben ? 0 : (errno != 0 ? errno : EIO);
}

} // namespace

Aufruf aufrufLesen(const QStringList& argumente) {
    Aufruf aufruf;
    std::optional<QString> format;
    bool analysefenster = false;
    std::optional<QString> analyseformat;
    bool analyse = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& argument = argumente[i];
        if (argument == optionHilfe || argument == kurzHilfe || argument == optionVersion) {
            const QString& option = argument == optionVersion ? optionVersion : optionHilfe;
            if (argumente.size() > 1) {
                return fehlgebrauch(
                    QStringLiteral("„%1“ kann nicht mit weiteren Angaben verbunden werden.")
                        .arg(option));
            }
            aufruf.art = option == optionHilfe ? Aufruf::Art::Hilfe : Aufruf::Art::Version;
        } else if (argument == optionAnalyse) {
            analyse = true;
        } else if (argument == optionExport || argument == optionAusgabe ||
                   argument == optionFormat) {
            std::optional<QString>& wert = argument == optionExport   ? format
                                           : argument == optionFormat ? analyseformat
                                                                      : aufruf.ausgabe;
            if (wert) {
                return fehlgebrauch(QStringLiteral("„%1“ ist doppelt angegeben.").arg(argument));
            }
            if (i + 1 == argumente.size()) {
                return fehlgebrauch(QStringLiteral("Nach „%1“ fehlt %2.")
                                        .arg(argument, argument == optionAusgabe
                                                           ? QStringLiteral("der Pfad")
                                                           : QStringLiteral("das Format")));
            }
            wert = argumente[++i];
        } else if (argument == optionAnalysefenster) {
            analysefenster = true;
        } else if (argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            return fehlgebrauch(QStringLiteral("Unbekannte Option „%1“.").arg(argument));
        } else if (aufruf.datei) {
            return fehlgebrauch(QStringLiteral("Es kann nur eine Datei angegeben werden."));
        } else {
            aufruf.datei = argument;
        }
    }
    if (analysefenster) {
        if (format || aufruf.ausgabe || analyse || analyseformat ||
            aufruf.art != Aufruf::Art::Fenster) {
            return fehlgebrauch(
                QStringLiteral("„--analyse-fenster“ steht nur mit einer Datei oder allein."));
        }
        aufruf.art = Aufruf::Art::Analysefenster;
    } else if (analyse) {
        if (format || aufruf.ausgabe) {
            return fehlgebrauch(QStringLiteral(
                "„--analyse“ kann nicht mit „--export“ oder „--ausgabe“ verbunden werden."));
        }
        aufruf.art = Aufruf::Art::Analyse;
        aufruf.json = analyseformat == QStringLiteral("json");
        if (analyseformat && !aufruf.json && analyseformat != QStringLiteral("text")) {
            return fehlgebrauch(QStringLiteral("Unbekanntes Format „%1“; möglich sind: text, json.")
                                    .arg(*analyseformat));
        }
    } else if (analyseformat) {
        return fehlgebrauch(QStringLiteral("„--format“ gilt nur zusammen mit „--analyse“."));
    } else if (format) {
        aufruf.art = Aufruf::Art::Export;
        aufruf.format = exportformat(*format);
        if (!aufruf.format) {
            return fehlgebrauch(QStringLiteral("Unbekanntes Format „%1“; möglich sind: %2.")
                                    .arg(*format, formatnamen()));
        }
    } else if (aufruf.ausgabe) {
        return fehlgebrauch(QStringLiteral("„--ausgabe“ gilt nur zusammen mit „--export“."));
    }
    return aufruf;
}

bool fuerDasFenster(const QStringList& argumente) {
    return std::none_of(argumente.begin(), argumente.end(), [](const QString& argument) {
        return (argument.startsWith(QStringLiteral("--")) && argument != optionAnalysefenster) ||
               argument == kurzHilfe;
    });
}

int ohneFensterAusfuehren(const Aufruf& aufruf, Plattform& plattform) {
    switch (aufruf.art) {
    case Aufruf::Art::Hilfe:
        schreiben(stdout, aufrufhilfe().toUtf8());
        return 0;
    case Aufruf::Art::Version:
        schreiben(stdout, QStringLiteral("velmora %1.%2.%3\n")
                              .arg(versionMajor)
                              .arg(versionMinor)
                              .arg(versionRevision)
                              .toUtf8());
        return 0;
    case Aufruf::Art::Export:
    case Aufruf::Art::Analyse: {
        const bool analyse = aufruf.art == Aufruf::Art::Analyse;
        const Ausfuhrergebnis ergebnis =
            analyse ? analyseAusgeben(aufruf, plattform) : exportieren(aufruf, plattform);
        if (ergebnis.status != 0) {
            return ergebnis.status;
        }
        // A script takes what it finds on standard output: a document or a path it could not
        // be given there is a failure. close(2) reports what a full disk did late.
        int fehler = schreiben(stdout, ergebnis.standardausgabe);
        if (std::fclose(stdout) != 0 && fehler == 0) {
            fehler = errno;
        }
        if (fehler != 0) {
            plattform.protokoll(
                (analyse ? QStringLiteral("Die Analyse konnte nicht auf die Standardausgabe "
                                          "geschrieben werden. %1")
                 : aufruf.ausgabe == QStringLiteral("-")
                     ? QStringLiteral("Das Zeugnis konnte nicht auf die Standardausgabe "
                                      "geschrieben werden. %1")
                     : QStringLiteral("Das Zeugnis ist gespeichert, aber sein Pfad konnte nicht "
                                      "auf die Standardausgabe geschrieben werden. %1"))
                    .arg(systemgrund(fehler, true)));
            return 1;
        }
        return 0;
    }
    case Aufruf::Art::Fehlgebrauch:
    case Aufruf::Art::Fenster:
    case Aufruf::Art::Analysefenster:
        break;
    }
    plattform.protokoll(aufruf.fehler);
    schreiben(stderr, ('\n' + aufrufhilfe()).toUtf8());
    return 2;
}

} // namespace velmora
