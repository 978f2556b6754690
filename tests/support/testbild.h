#pragma once

#include <QBuffer>
#include <QImage>

namespace velmora::test {

// A one-coloured picture as a file in that format holds it (PNG, JPEG, BMP: what Qt writes).
inline QByteArray testbild(int breite, int hoehe, const char* format) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format) ? daten : (qFatal("cannot write %s", format), QByteArray());
}

} // namespace velmora::test
