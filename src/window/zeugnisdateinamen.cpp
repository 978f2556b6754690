#include "window/zeugnisdateinamen.h"

#include "storage/zustand.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

// Characters no file name on the desktops the user shares files with can hold.
QString alsDateiname(QString name) {
    for (const QChar zeichen : QStringLiteral("/\\:*?\"<>|")) {
        name.replace(zeichen, QLatin1Char('-'));
    }
    return name.trimmed();
}

// "Mustermann, Hans" as far as the names are given, fit for a file name.
QString namensteil(const Zeugnisdaten& daten) {
    QStringList teile;
    for (const Eingabe eingabe : {Eingabe::Name, Eingabe::Vorname}) {
        const QString teil = QString::fromStdString(daten.text(eingabe)).trimmed();
        if (!teil.isEmpty()) {
            teile.append(teil);
        }
    }
    return alsDateiname(teile.join(QStringLiteral(", ")));
}

} // namespace

QString vorgeschlagenerDateiname(const Zeugnisdaten& daten) {
    const QString name = namensteil(daten);
    return (name.isEmpty() ? QStringLiteral("Zeugnis") : name) + QLatin1String(zeugnisendung);
}

QString vorgeschlagenerDokumentname(const Zeugnisdaten& daten, const QString& endung) {
    const QString name = namensteil(daten);
    return QStringLiteral("Zeugnis") + (name.isEmpty() ? QString() : QLatin1Char(' ') + name) +
           QLatin1Char('.') + endung;
}

QString dateititel(const QString& pfad) {
    const QString name = QFileInfo(pfad).fileName();
    return name.endsWith(QLatin1String(zeugnisendung), Qt::CaseInsensitive)
               ? name.chopped(qsizetype(std::size(zeugnisendung)) - 1)
               : name;
}

QString absoluterPfad(const QString& pfad) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(pfad));
}

QStringList zuletztAufgenommen(QStringList liste, const QString& pfad) {
    liste.removeAll(pfad);
    liste.prepend(pfad);
    return liste.mid(0, zuletztGeoeffneteDateien);
}

} // namespace velmora
