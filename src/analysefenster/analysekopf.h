#pragma once

#include "analyse/analyse.h"
#include "compose/zeugnisdaten.h"

#include <QWidget>

#include <array>

class QLabel;

namespace velmora {

// Above the text: the overall grade in large type with its reason and the kind, then one cell
// per section in its grade's colour with the grade, marked "fehlt" where the section is
// missing.
class Analysekopf : public QWidget {
public:
    explicit Analysekopf(QWidget* eltern = nullptr);

    void zeigen(const Analyse& analyse);

    QString gesamtnote() const;
    // The cell of section 1..13.
    const QLabel* zelle(int bereich) const { return zellen[bereich - 1]; }

private:
    void leeren();

    QLabel* note = nullptr;
    QLabel* grund = nullptr;
    std::array<QLabel*, anzahlBereiche> zellen{};
    std::array<QLabel*, anzahlBereiche> namen{};
};

} // namespace velmora
