// Every access key of the main window and what it reaches, against the list kept beside the
// test: a key lost, moved to another control or doubled on one page shows as a changed line.
// VELMORA_GOLDEN_NEU=1 writes the list anew (then read its diff).
#include "support/datentabelle.h"
#include "support/testfenster.h"
#include "ui/reiterfeld.h"

#include <QtWidgets>

using namespace velmora;

namespace {

QString taste(const QString& text) {
    return QKeySequence::mnemonic(text).toString();
}

// Where a key counts: the page of a tab strip it stands on, or the whole window.
QString ort(const QWidget* steuerelement) {
    for (const QWidget* w = steuerelement; w->parentWidget(); w = w->parentWidget()) {
        if (const auto* leiste =
                qobject_cast<const Reiterfeld*>(w->parentWidget()->parentWidget())) {
            for (int i = 0; i < leiste->anzahl(); ++i) {
                if (leiste->seite(i) == w) {
                    return QStringLiteral("%1 Seite %2").arg(leiste->objectName()).arg(i);
                }
            }
        }
    }
    return QStringLiteral("Fenster");
}

void menueZeilen(const QMenu& menue, const QString& ort, QStringList& zeilen) {
    for (const QAction* eintrag : menue.actions()) {
        if (!taste(eintrag->text()).isEmpty()) {
            zeilen << taste(eintrag->text()) + " | " + ort + " | " + eintrag->text();
        }
        if (eintrag->menu()) {
            menueZeilen(*eintrag->menu(), ort + " > " + eintrag->text(), zeilen);
        }
    }
}

} // namespace

class ZugriffstastenTest : public QObject {
    Q_OBJECT

private slots:
    void WieGehabt() {
        test::Testfenster t;
        t.zeigen();
        QStringList zeilen;
        for (const Reiterfeld* leiste : t.fenster->findChildren<Reiterfeld*>()) {
            for (int i = 0; i < leiste->anzahl(); ++i) {
                if (!taste(leiste->beschriftung(i)).isEmpty()) {
                    zeilen << taste(leiste->beschriftung(i)) + " | Fenster | " +
                                  leiste->objectName() + " Reiter " + QString::number(i);
                }
            }
        }
        for (const QAbstractButton* knopf : t.fenster->findChildren<QAbstractButton*>()) {
            if (!taste(knopf->text()).isEmpty()) {
                zeilen << taste(knopf->text()) + " | " + ort(knopf) + " | " + knopf->objectName();
            }
        }
        for (const QLabel* label : t.fenster->findChildren<QLabel*>()) {
            if (!taste(label->text()).isEmpty() && label->buddy()) {
                zeilen << taste(label->text()) + " | " + ort(label) + " | " +
                              label->buddy()->objectName();
            }
        }
        for (const QAction* menue : t.fenster->menuBar()->actions()) {
            zeilen << taste(menue->text()) + " | Fenster | " + menue->text();
            if (menue->menu()) {
                menueZeilen(*menue->menu(), "Menü " + menue->text(), zeilen);
            }
        }
        zeilen.sort();

        const QString liste = QStringLiteral(VELMORA_DATEN "/zugriffstasten.txt");
        const QString ist = zeilen.join('\n') + '\n';
        if (qEnvironmentVariableIsSet("VELMORA_GOLDEN_NEU")) {
            QFile datei(liste);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(ist.toUtf8());
            return;
        }
        QCOMPARE(ist, QString::fromStdString(test::dateiinhalt(liste.toStdString())));
    }
};

QTEST_MAIN(ZugriffstastenTest)
#include "zugriffstasten_test.moc"
