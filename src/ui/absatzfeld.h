#pragma once

#include <QPlainTextEdit>

namespace velmora {

// A box for one paragraph that wraps over several lines: a line break pasted or typed into it
// becomes a blank at once.
class Absatzfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Absatzfeld(QWidget* eltern = nullptr);

protected:
    void insertFromMimeData(const QMimeData* quelle) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
};

} // namespace velmora
