#include "fakeplattform.h"
#include "frmabout.h"
#include "frmunterst.h"
#include "speicherregistrierung.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace velmora {

// Every text of the two dialogs must show whole in its fixed box: wrapped at the box's width,
// its lines must fit the box's height.
class BeschriftungenTest : public QObject {
    Q_OBJECT

    FakePlattform plattform;
    Speicherregistrierung registrierung;

    static void passtJederText(const QWidget& dialog) {
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QVERIFY(!labels.isEmpty());
        for (const QLabel* label : labels) {
            const QRect noetig = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(noetig.height() <= label->height() && noetig.width() <= label->width(),
                     qPrintable(QStringLiteral("%1 braucht %2 × %3, hat %4 × %5")
                                    .arg(label->objectName())
                                    .arg(noetig.width())
                                    .arg(noetig.height())
                                    .arg(label->width())
                                    .arg(label->height())));
        }
        for (const QLineEdit* feld : dialog.findChildren<QLineEdit*>()) {
            QVERIFY2(feld->fontMetrics().horizontalAdvance(feld->text()) <
                         feld->contentsRect().width() - 2 * feld->textMargins().left() - 4,
                     qPrintable(feld->objectName()));
        }
    }

private slots:
    void infoZeigtJedenTextGanz() {
        frmAbout dialog(plattform, {registrierung, {}});
        passtJederText(dialog);
    }

    void unterstuetzenZeigtJedenTextGanz() {
        frmUnterst dialog;
        passtJederText(dialog);
    }
};

} // namespace velmora

QTEST_MAIN(velmora::BeschriftungenTest)
#include "beschriftungen_test.moc"
