#include "ui/zeilenliste.h"

namespace velmora {

std::vector<std::string> zeilenliste(const QStringList& zeilen) {
    std::vector<std::string> liste;
    for (const QString& zeile : zeilen) {
        liste.push_back(zeile.toStdString());
    }
    return liste;
}

QString zeilentext(const std::vector<std::string>& zeilen) {
    QStringList liste;
    for (const std::string& zeile : zeilen) {
        liste.append(QString::fromStdString(zeile));
    }
    return liste.join(QLatin1Char('\n'));
}

} // namespace velmora
