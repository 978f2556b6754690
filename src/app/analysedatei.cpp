#include "app/analysedatei.h"

#include "platform/plattform.h"

namespace velmora {

Analyseleser analyseleser(Plattform& plattform) {
    return [&plattform](const QString& pfad) {
        QString grund;
        const std::optional<QByteArray> inhalt =
            plattform.dateiLesen(pfad, Dateiart::Dokument, 10 * 1024 * 1024, &grund);
        if (!inhalt) {
            return Analysetext{std::nullopt, QStringLiteral("Die Datei „%1“ kann nicht gelesen "
                                                            "werden: %2")
                                                 .arg(pfad, grund)};
        }
        return Analysetext{inhalt->toStdString(), {}};
    };
}

} // namespace velmora
